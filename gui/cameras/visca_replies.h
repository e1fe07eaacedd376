#pragma once

#include "model/camera_slot.h"
#include "net/control_link.h"
#include "support/form_widgets.h"
#include "support/open_page.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>

class CameraPorts;
class CameraSlots;
struct PanoStatus;
struct WindowChoices;
class QLineEdit;

#define VISCA_REPLIES_WIDGETS(X) \
    X(QLineEdit, student_zoom_lineEdit) \
    X(QLineEdit, teacher_zoom_lineEdit)

// What the VISCA replies tell the features whose controls follow them.
class ViscaRepliesSignals : public QObject
{
    Q_OBJECT

signals:
    // A pano camera on the page that shows told its focus mode.
    void focus_mode_reported(camera_slot::Side side, bool manual);
    // A model reply decided whether the student position calibration is offered (a pair of
    // J57 student cameras).
    void student_calibration_offered(bool offered);
    // The side's connected close-up camera named its model ("J22", "J57", "R6", "M19", "M5", ...):
    // the controls that model has show.
    void feature_model_known(camera_slot::Side side, const QString &model);
    // A model reply chose another camera layout: the layout choice runs for it.
    void layout_suggested(int layout);
    // The preset lists' PTZ target depends on the model now known.
    void preset_target_known();
    // The side's close-up camera told its pan/tilt position (left and down negative).
    void pan_tilt_reported(camera_slot::Side side, int pan, int tilt);
    // A pano's status answer did not come: its side's Obtain and Apply and the other tabs are
    // usable again.
    void track_check_wanted(camera_slot::Side side, bool enable);
    void tabs_enabled_wanted(bool enable);
};

// The cameras' VISCA replies: focus mode, zoom position and digital zoom shown beside the pads,
// the model code (which decides the controls a camera gets, its zoom display and the camera
// layout), the pan/tilt position for auto-calibration; and the warning owed when a pano camera
// does not answer its tracking status request. The zoom fields are its own; the rest it tells.
class ViscaReplies : public ViscaRepliesSignals
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        VISCA_REPLIES_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // The status: a pano's time-out warns only while its status answer has not come; choices:
    // the camera layout a model reply builds on; page: the tab a reply without a sender is for.
    ViscaReplies(const Widgets &widgets, CameraSlots &camera_slots, const CameraPorts &ports, ControlLink &link,
                 PanoStatus &status, const WindowChoices &choices, const OpenPage &page, QWidget *window);

    void check_role_reply(const QByteArray &reply, const ViscaReplyOrigin &origin = ViscaReplyOrigin());
    void resolver_zoom_value(const QByteArray &reply, const ViscaReplyOrigin &origin = ViscaReplyOrigin());
    float find_matching_multiple(float position);
    // The connected or connecting slots whose camera sent a reply from origin.
    QList<camera_slot::Slot> visca_reply_slots(const ViscaReplyOrigin &origin) const;
    // The side's feature camera let go: none of its model's controls stay offered.
    void forget_feature_model(camera_slot::Side side);
    // The same, and its zoom display goes.
    void feature_camera_released(camera_slot::Side side);
    // Home took the side's camera to its wide end.
    void zoom_homed(camera_slot::Side side);
    // A zoom key of the side's pad was let go: the zoom field asks the close-up camera anew.
    void zoom_stopped(camera_slot::Side side, bool in);

    // What the model replies made of a side's feature camera, which its zoom refresh follows.
    struct FeatureModel {
        bool j22 = false;
        bool r6 = false;
        bool j57 = false;
        bool optical_max = false; // a J22 stands at its optical end
    };
    FeatureModel feature_model(camera_slot::Side side) const;
    // A zoom left the optical end.
    void forget_optical_end(camera_slot::Side side);

    void slot_response_timeout_tip();
    void slot_student_response_timeout_tip();

private:
    void store_model_reply(const QByteArray &reply, const ViscaReplyOrigin &origin);
    // Each pano has its own wait: an answer or a disconnect of one never silences the other's.
    void response_timeout(bool teacher);

    const Widgets ui;
    CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    PanoStatus &m_status;
    const WindowChoices &m_choices;
    const OpenPage &m_page;
    QWidget *m_window;
    bool teacher_model_j22_flag = false;
    bool student_model_j22_flag = false;
    bool teacher_model_r6_flag = false;
    bool student_model_r6_flag = false;
    bool teacher_model_j57_flag = false;
    bool student_model_j57_flag = false;
    bool teacher_zoom_optical_max_value_flag = false;
    bool student_zoom_optical_max_value_flag = false;
};
