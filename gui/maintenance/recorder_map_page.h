#pragma once

#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

class QGroupBox;
class QPushButton;
class QWidget;

#define RECORDER_MAP_PAGE_WIDGETS(X) \
    X(QPushButton, default_port_Button) \
    X(QGroupBox, port_set_groupBox) \
    X(QPushButton, recorder_show_param_pushButton) \
    X(QWidget, widget_password) \
    X(QWidget, widget_username)

// What the page's Default asks.
class RecorderMapPageSignals : public QObject
{
    Q_OBJECT

signals:
    // The fields' owner writes their defaults.
    void default_ports_wanted();
};

// The Recorder Map Config tab's "Show More", which unfolds the port table and the recorder
// login, and its "Default", which puts the mapped ports and the recorder's defaults back into
// the fields (their owner writes them, and marks the Apply as their changes do).
class RecorderMapPage : public RecorderMapPageSignals
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        RECORDER_MAP_PAGE_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    explicit RecorderMapPage(const Widgets &widgets);

    // Folds the parameters, as the button reads "Show More" after the form's re-texting.
    void fold();
    void retranslate() { fold(); }

    void on_recorder_show_param_pushButton_clicked();
    void on_default_port_Button_clicked();

private:
    void show_parameters(bool shown);

    const Widgets ui;
};
