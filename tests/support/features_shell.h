#pragma once

#include "mainwindow/window_features.h"

#include <QStringList>
#include <QWidget>

// The window's share of WindowFeatures for a test that builds the features on the form without
// the window: visible or hidden, and the manual director console's messages; the dialogs'
// openers find no window to feed, and the window does not close.
struct FeaturesShell : WindowFeatures::Shell {
    QWidget *window = nullptr; // the form's window, for the tests that need it
    bool visible = true;
    QStringList console;
    bool window_visible() const override { return visible; }
    void close_for_wizard() override { }
    void take_system_language(int) override { }
    void create_translator(int) override { }
    void send_stream(PicturePreviews::Stream, QImage &) override { }
    void autocalibrate_failed() override { }
    void student_points_read_back() override { }
    void console_reply(const QString &message) override { console << message; }
    bool console_listens() const override { return true; }
    QString interface_language() const override { return QStringLiteral("English"); }
    void feed_camera_menu(OSDMenu *) override { }
    void attach_console(manual_direct *) override { }
    void close_for_director() override { }
};
