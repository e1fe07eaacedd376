#pragma once

#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>

class CameraSlots;
class HttpManager;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

#define LECTERN_MODE_WIDGETS(X) \
    X(QCheckBox, auto_tilt_enable_checkBox) \
    X(QCheckBox, auto_zoom_enable_checkBox) \
    X(QSpinBox, body_thresh_time_spinBox) \
    X(QRadioButton, close_body_action_radioButton) \
    X(QRadioButton, custom_body_action_radioButton) \
    X(QRadioButton, full_body_action_radioButton) \
    X(QRadioButton, half_body_action_radioButton) \
    X(QSpinBox, lectern_director_hold_time_label) \
    X(QLineEdit, lectern_director_ip_Edit) \
    X(QLineEdit, lectern_director_port_Edit) \
    X(QSpinBox, target_retention_time_label_spinBox) \
    X(QRadioButton, teacher_director_off_radioButton) \
    X(QRadioButton, teacher_director_on_radioButton) \
    X(QComboBox, tracking_start_postion_comboBox)

// The lectern page of the Teacher tab, set over the HTTP parameter interface of the teacher
// feature camera: the lectern mode chosen reads the camera's settings into the page, each control
// posts its one setting, and the director server and the feature tracking area go with a teacher
// Apply. The camera is reached at the teacher feature camera's address field.
// The answers (JSON or key=value text) come back in any order and are written into the page.
class LecternMode : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        LECTERN_MODE_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    LecternMode(const Widgets &widgets, const CameraSlots &cameras, QWidget *window);
    ~LecternMode() override;

    QUrl getUrl(const QString &action);
    // Posts the director server settings; false (and nothing sent) when the port or the
    // address is empty.
    bool post_tracking_server();
    // Posts the feature tracking area as the camera takes it (the area's values times 4).
    void post_effect_area(int leftUpX, int leftUpY, int rightDownX, int rightDownY);
    void parse_lectern_reply(const QString &text);
    // The login of the camera's HTTP interface, as the last teacher reply gave it.
    void set_web_username(const QString &user) { web_username = user; }
    void set_web_password(const QString &password) { web_password = password; }

    // The Teacher tab's lectern mode was chosen (checked) or clicked again: the camera's settings
    // are asked for.
    void lectern_chosen(bool checked);
    // The page's hold and retention times as a fresh installation has them; nothing is posted.
    void show_defaults();
    void on_auto_zoom_enable_checkBox_clicked(bool checked);
    void on_auto_tilt_enable_checkBox_clicked(bool checked);
    void on_target_retention_time_label_spinBox_valueChanged(const QString &text);
    void on_tracking_start_postion_comboBox_currentIndexChanged(int index);
    void on_full_body_action_radioButton_clicked(bool checked);
    void on_half_body_action_radioButton_clicked(bool checked);
    void on_close_body_action_radioButton_clicked(bool checked);
    void on_custom_body_action_radioButton_clicked(bool checked);
    void on_body_thresh_time_spinBox_valueChanged(const QString &text);
    void on_teacher_director_on_radioButton_clicked(bool checked);
    void on_teacher_director_off_radioButton_clicked(bool checked);
    void onRequestStringFinished(QString text);
    void onRequestJsonFinished(QJsonObject json);
    void onRequestError(QString error);

private:
    // One setting as a form body to "postfulltrack".
    void post_lectern_setting(const char *key, const QString &value);

    // The HTTP client, made at the first request: Qt's network access manager loads the
    // network bearer plugins, and D-Bus with them, when it is built, which only this page's
    // requests need.
    HttpManager &http();

    const Widgets ui;
    const CameraSlots &m_slots;
    QWidget *m_window;
    std::unique_ptr<HttpManager> http_manager;
    QString web_username;
    QString web_password;
    // Last known state of the director server radios.
    bool teacher_director_on_last = false;
    bool teacher_director_off_last = false;
};
