#pragma once

#include "form_host.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/section_values.h"
#include "model/student_region_points.h"
#include "model/pano_status.h"
#include "net/control_link.h"
#include "recording_presenter.h"

// The form on a plain window with the models most feature objects take: the six camera slots,
// the ports, a control link over the slots, the panos' status, the four sections' values and the
// student points; every box is recorded. A test's rig derives from
// it and adds its host and objects, which then go before these.
struct FormRig {
    RecordingPresenter boxes;
    FormHost formHost;
    Ui::MainWindow *ui = formHost.ui;
    CameraSlots cameras;
    CameraPorts ports;
    ControlLink link{&cameras};
    PanoStatus status;
    TeacherSection teacher_values;
    StudentSection student_values;
    BoardSection board_values;
    DirectorSection director_values;
    StudentRegionPoints student_points;
};
