#pragma once

#include "model/camera_slot.h"
#include "net/control_link.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>

class CameraPorts;
class CameraSlots;
struct PanoStatus;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

#define VISCA_REPLIES_WIDGETS(X) \
    X(QComboBox, choose_camera_comboBox) \
    X(QLabel, label_persontrack) \
    X(QRadioButton, lectern_mode_radioButton) \
    X(QPushButton, student_auto_calibration_pushButton) \
    X(QToolButton, student_feature_image_max_toolButton) \
    X(QRadioButton, student_pano_auto_mode_Button) \
    X(QRadioButton, student_pano_manual_mode_Button) \
    X(QComboBox, student_preset_list) \
    X(QLineEdit, student_zoom_lineEdit) \
    X(QTabWidget, tabWidget) \
    X(QTabWidget, tabWidget_2) \
    X(QTabWidget, tabWidget_3) \
    X(QWidget, tab_student) \
    X(QWidget, tab_teacher) \
    X(QPushButton, teacher_auto_calibration_pushButton) \
    X(QCheckBox, teacher_board_hand_enable_checkBox) \
    X(QToolButton, teacher_feature_image_max_toolButton) \
    X(QComboBox, teacher_feature_persontrack_comboBox) \
    X(QRadioButton, teacher_pano_auto_mode_Button) \
    X(QRadioButton, teacher_pano_manual_mode_Button) \
    X(QComboBox, teacher_preset_list) \
    X(QLineEdit, teacher_zoom_lineEdit)

// The cameras' VISCA replies: focus mode, zoom position and digital zoom shown beside the pads,
// the model code (which decides the controls a camera gets, its zoom display and the camera
// layout), the pan/tilt position for auto-calibration; and the warning owed when a pano camera
// does not answer its tracking status request.
class ViscaReplies : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        VISCA_REPLIES_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // What a reply changes of the other features.
    class Host
    {
    public:
        virtual ~Host() = default;
        virtual void set_student_calibration_widgets_visible(bool visible) = 0;
        // A model reply chose another camera layout: the layout choice runs for it.
        virtual void camera_layout_chosen(int layout) = 0;
        // The preset lists' PTZ target depends on the model now known.
        virtual void teacher_preset_list_changed(const QString &text) = 0;
        virtual void student_preset_list_changed(const QString &text) = 0;
        // The side's close-up camera told its pan/tilt position (left and down negative).
        virtual void pan_tilt_reported(camera_slot::Side side, int pan, int tilt) = 0;
        virtual void teacher_track_check(bool enable) = 0;
        virtual void student_track_check(bool enable) = 0;
        virtual void update_tab_enabled(bool enable) = 0;
    };

    // The status: a pano's time-out warns only while its status answer has not come.
    ViscaReplies(const Widgets &widgets, CameraSlots &camera_slots, const CameraPorts &ports, ControlLink &link,
                 PanoStatus &status, Host &host, QWidget *window);

    void check_role_reply(const QByteArray &reply, const ViscaReplyOrigin &origin = ViscaReplyOrigin());
    void resolver_zoom_value(const QByteArray &reply, const ViscaReplyOrigin &origin = ViscaReplyOrigin());
    float find_matching_multiple(float position);
    // The connected or connecting slots whose camera sent a reply from origin.
    QList<camera_slot::Slot> visca_reply_slots(const ViscaReplyOrigin &origin) const;
    // The side's feature camera let go: none of its model's controls stay offered.
    void forget_feature_model(camera_slot::Side side);
    // The same, and its zoom display goes.
    void feature_camera_released(camera_slot::Side side);

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
    // The student position calibration as the window's name reaches it.
    bool student_calibration_widgets_shown_now() const { return student_calibration_widgets_shown; }

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
    Host &m_host;
    QWidget *m_window;
    bool teacher_model_j22_flag = false;
    bool student_model_j22_flag = false;
    bool teacher_model_r6_flag = false;
    bool student_model_r6_flag = false;
    bool teacher_model_j57_flag = false;
    bool student_model_j57_flag = false;
    bool teacher_zoom_optical_max_value_flag = false;
    bool student_zoom_optical_max_value_flag = false;
    bool student_calibration_widgets_shown = false;
};
