#pragma once

#include "mainwindow/window_features.h"

#include <QStringList>
#include <QWidget>

// The window's share of WindowFeatures for a test that builds the features on the form without
// the window: visible or hidden, and the manual director console's messages.
struct FeaturesShell : WindowFeatures::Shell {
    QWidget *window = nullptr;
    QWidget dialog;
    bool visible = true;
    QStringList console;
    void set_window_size(int width, int height) override { window->setFixedSize(width, height); }
    int window_width() const override { return window->width(); }
    bool window_visible() const override { return visible; }
    void close_for_wizard() override { }
    void take_system_language(int) override { }
    void create_translator(int) override { }
    void send_stream(PicturePreviews::Stream, QImage &) override { }
    QWidget *enlarged_dialog(camera_slot::Side) override { return &dialog; }
    void autocalibrate_failed() override { }
    void student_points_read_back() override { }
    void console_reply(const QString &message) override { console << message; }
    bool console_listens() const override { return true; }
};
