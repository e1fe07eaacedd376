#pragma once

#include "cameras/camera_connections.h"
#include "cameras/visca_replies.h"
#include "form_host.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "protocol/ptz_commands.h"
#include "recording_presenter.h"
#include "video/qffmpeg.h"

#include <QStringList>
#include <QTimer>

#include <utility>

// The camera connections and the VISCA replies on the real form without the window, with real
// camera slots, ports and control link. The window's share is played by this host: it records
// what the objects ask of it, counts each slot's pictures and, as the reply parser does, ends a
// pano's status wait when its status answer comes.
struct CameraObjects : CameraConnections::Host, ViscaReplies::Host {
    using Side = camera_slot::Side;
    using Slot = camera_slot::Slot;

    RecordingPresenter boxes;
    FormHost formHost;
    Ui::MainWindow *ui = formHost.ui;
    CameraSlots records;
    CameraPorts ports;
    ControlLink link{&records};
    QObject context;
    QStringList calls;
    int pictures[camera_slot::kSlotCount + 1] = {}; // the six slots, then the free preview
    bool tabsEnabled = true;
    bool statusReceived[2] = {false, false}; // teacher, student
    int layoutChosen = -1;
    CameraConnections conn{CORVANE_FORM_WIDGETS(CameraConnections, CAMERA_CONNECTIONS_WIDGETS, formHost.ui),
                           records,
                           ports,
                           link,
                           *this,
                           &formHost.window};
    ViscaReplies replies{CORVANE_FORM_WIDGETS(ViscaReplies, VISCA_REPLIES_WIDGETS, formHost.ui),
                         records,
                         ports,
                         link,
                         *this,
                         &formHost.window};

    CameraObjects()
    {
        // A slot's own commands take the side's link while the link goes to its camera.
        ControlLink::Rules rules;
        rules.choose = [this](const QString &, const QHostAddress *destination) {
            link_choice::Choice choice;
            for (Slot s : {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature, Slot::StudentPano})
                if (records[s].destination == destination && records[s].udp_flag && records[s].tcp_flag)
                    choice.link =
                        s < Slot::StudentFeature ? link_choice::Link::TeacherTcp : link_choice::Link::StudentTcp;
            return choice;
        };
        link.set_rules(rules);
        QObject::connect(&link, &ControlLink::textReply, &context, [this](const QByteArray &reply) {
            for (Slot pano : {Slot::TeacherPano, Slot::StudentPano}) {
                if (reply.contains(pano == Slot::TeacherPano ? "teacher_tracking_status" : "student_tracking_status")) {
                    statusReceived[int(camera_slot::side(pano))] = true;
                    records[pano].response_timer->stop();
                }
            }
        });
    }
    ~CameraObjects() override
    {
        for (int s = 0; s < camera_slot::kSlotCount; ++s)
            if (records[Slot(s)].udp_flag)
                conn.toggle_camera_slot(Slot(s));
        if (conn.preview_decoder())
            conn.on_rtsp_connect_Button_clicked();
    }
    // Slot s on 127.0.0.(s + 2), as a connect leaves its record.
    void attach(Slot slot)
    {
        records[slot].udp_flag = true;
        records.set_destination(slot, QStringLiteral("127.0.0.%1").arg(int(slot) + 2));
    }

    void update_tab_enabled(bool enable) override { tabsEnabled = enable; }
    void set_widget_status(int camera, bool enable) override
    {
        calls << QStringLiteral("status %1 %2").arg(camera).arg(enable);
    }
    void teacher_track_check(bool enable) override { calls << QStringLiteral("teacher check %1").arg(enable); }
    void student_track_check(bool enable) override { calls << QStringLiteral("student check %1").arg(enable); }
    void set_student_calibration_widgets_visible(bool v) override { calls << QStringLiteral("calibration %1").arg(v); }
    void forget_board_tracking_status() override { calls << QStringLiteral("forget board status"); }
    QString ptzspeed(const QString &text, int h, int v) override { return ptz_commands::fill_speed(text, h, v); }
    void show_pictures(Slot slot, QFFmpeg *decoder) override
    {
        QObject::connect(decoder, &QFFmpeg::GetImage, &context, [this, slot] { ++pictures[int(slot)]; });
    }
    void show_preview_pictures(QFFmpeg *decoder) override
    {
        QObject::connect(decoder, &QFFmpeg::GetImage, &context, [this] { ++pictures[camera_slot::kSlotCount]; });
    }
    void pano_connect_begins(Side side) override { calls << QStringLiteral("pano %1 connects").arg(int(side)); }
    void pano_status_requested(Side side) override { statusReceived[int(side)] = false; }
    void feature_camera_released(Side side) override { replies.forget_feature_model(side); }
    void pano_camera_released(Side side) override { calls << QStringLiteral("pano %1 released").arg(int(side)); }
    void close_enlarged_dialog(Side) override { }
    void teacher_show_region_clicked(bool) override { }
    void clear_region_scene() override { }
    void set_teacher_region_widgets(bool) override { }
    void camera_layout_chosen(int layout) override { layoutChosen = layout; }
    void teacher_preset_list_changed(const QString &) override { calls << QStringLiteral("teacher presets"); }
    void student_preset_list_changed(const QString &) override { calls << QStringLiteral("student presets"); }
    void teacher_auto_calibration_step() override { calls << QStringLiteral("teacher calibration step"); }
    void student_auto_calibration_step() override { calls << QStringLiteral("student calibration step"); }
    bool end_pano_status_wait(Side side) override { return !std::exchange(statusReceived[int(side)], true); }
};
