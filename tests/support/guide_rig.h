#pragma once

#include "model/guide_data_update_manage.h"
#include "net/wizard_link.h"
#include "recording_presenter.h"
#include "shared_scene.h"
#include "ui_guideconfig.h"

#include <QWidget>

// The wizard's form on a plain window, without the wizard's frame, with its camera link, the
// main window's scene and the wizard's address copies; every box is recorded.
struct GuideRig {
    RecordingPresenter boxes;
    QWidget window;
    Ui::GuideConfig ui;
    WizardLink link;
    SharedScene scene;
    Guide_Data_Update_Manage addresses;

    GuideRig() { ui.setupUi(&window); }

    // A pano camera's preview connected it: its connected mark and destination.
    void connect_camera(camera_slot::Slot camera, const QString &address)
    {
        link.set_address_field(camera, address);
        link.set_connected(camera, true);
        link.set_destination(camera, address);
    }
};
