#pragma once

#include "support/form_widgets.h"
#include "ui_mainwindow.h"

#include <QMainWindow>

// The main window's form on a plain window, for a test of one feature object without the shell:
//   FormHost host;
//   OptionsTab tab(host.widgets<OptionsTab>(...), ...) or CORVANE_FORM_WIDGETS(OptionsTab, OPTIONS_TAB_WIDGETS, host.ui)
struct FormHost {
    QMainWindow window;
    Ui::MainWindow form;
    Ui::MainWindow *ui = &form;
    FormHost() { form.setupUi(&window); }
};
