// The labels beside the parameter sliders, kept in the slider's own format, and the "Apply(*)"
// mark that tells the installer a tab has changes not yet sent. Changes made while the
// settings file is loaded (loading_config) leave the value slots' marks off.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/config_values.h"
#include "tabs/apply_mark.h"

void MainWindow::mark_apply(QPushButton *button) { ::mark_apply(button); }

void MainWindow::mark_apply_unless_loading(QPushButton *button) { ::mark_apply_unless_loading(settings_file->loading_config(), button); }
