#pragma once

#include "guide/wizard_regions.h"
#include "net/wizard_link.h"
#include "recording_presenter.h"
#include "rtsp/rtsp_server_process.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "ui_guideconfig.h"

#include <QStringList>
#include <QWidget>

// The wizard's form on a plain widget, without the wizard: its camera link, the boxes recorded,
// and its region editing played by a recorder of what it was asked.
struct WizardRig : WizardRegions {
    RecordingPresenter boxes;
    QWidget window;
    Ui::GuideConfig form;
    Ui::GuideConfig *ui = &form;
    WizardLink link;
    QStringList regionCalls;

    WizardRig() { form.setupUi(&window); }

    void set_editing(camera_slot::Side side, bool on) override
    {
        regionCalls << QStringLiteral("editing %1 %2").arg(int(side)).arg(on);
    }
    void set_teacher_regions_visible(bool visible) override { regionCalls << QStringLiteral("visible %1").arg(visible); }
    void clear_region_scene() override { regionCalls << QStringLiteral("clear"); }
    void show_teacher_regions() override { regionCalls << QStringLiteral("show"); }
    void collect_region_rects() override { regionCalls << QStringLiteral("collect"); }
    void place_region(Kind kind, int index, const QRect &r) override
    {
        regionCalls << QStringLiteral("%1 %2: %3 %4 %5 %6")
                           .arg(kind == Kind::Board ? "board" : "shield")
                           .arg(index)
                           .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    void keep_region(Kind kind, int index) override
    {
        regionCalls << QStringLiteral("keep %1 %2").arg(kind == Kind::Board ? "board" : "shield").arg(index);
    }
    void place_tracking_region(const QRect &r) override
    {
        regionCalls << QStringLiteral("tracking: %1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
};

// The wizard's four cameras simulated on 127.0.0.2 to 127.0.0.5, in the order of the slots.
struct WizardCameras {
    SimCameraHost host;
    static QString address(camera_slot::Slot slot) { return QStringLiteral("127.0.0.%1").arg(int(slot) + 2); }
    SimCamera *at(camera_slot::Slot slot) const { return host.cameraAt(address(slot)); }
    bool start()
    {
        for (int s = 0; s < 4; ++s)
            if (!host.addCamera(address(camera_slot::Slot(s)), QStringLiteral("J57")))
                return false;
        return host.startAll();
    }
    // The cameras' pictures: 1920 by 1080 on port 554 of every address (root only: the test's
    // own namespace), "/1" and "/2" for the close-up and pano cameras, "/" for a blackboard camera.
    static bool startPictures(RtspServerProcess &server)
    {
        RtspServerProcess::Options options;
        options.address = QStringLiteral("0.0.0.0");
        options.port = 554;
        options.size = QSize(1920, 1080);
        return server.start(options);
    }
    void clear()
    {
        for (SimCamera *c : host.cameras())
            c->clearRecords();
    }
    // The payloads of the data the camera took, "text:" or "visca:" and the text or the hex bytes.
    QStringList taken(camera_slot::Slot slot) const
    {
        QStringList out;
        for (const SimMessage &m : at(slot)->received()) {
            if (m.isText())
                out << QStringLiteral("text:") + m.text();
            else if (m.isVisca())
                out << QStringLiteral("visca:") + QString::fromLatin1(m.payload.toHex(' ').toUpper());
        }
        return out;
    }
};
