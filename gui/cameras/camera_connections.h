#pragma once

#include "model/camera_slot.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

class CameraPorts;
class CameraSlots;
class ControlLink;
class CustomGraphicsView;
struct PanoStatus;
class QCheckBox;
class QComboBox;
class QFFmpeg;
class QHostAddress;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QTimer;
class QToolButton;
class RtspThread;

#define CAMERA_CONNECTIONS_WIDGETS(X) \
    X(QPushButton, board_apply_Button) \
    X(QLineEdit, board_feature_IP_Edit) \
    X(QPushButton, board_feature_connect_Button) \
    X(QLabel, board_labVideo_feature) \
    X(QLabel, board_labVideo_pano) \
    X(QLineEdit, board_pano_IP_Edit) \
    X(QPushButton, board_pano_connect_Button) \
    X(QCheckBox, board_shield_eight_checkBox) \
    X(QCheckBox, board_shield_five_checkBox) \
    X(QCheckBox, board_shield_four_checkBox) \
    X(QCheckBox, board_shield_one_checkBox) \
    X(QCheckBox, board_shield_seven_checkBox) \
    X(QCheckBox, board_shield_six_checkBox) \
    X(QCheckBox, board_shield_three_checkBox) \
    X(QCheckBox, board_shield_two_checkBox) \
    X(QCheckBox, board_show_region_checkBox) \
    X(QLineEdit, director_board_IP_Edit) \
    X(QLineEdit, director_student_IP_Edit) \
    X(QLineEdit, director_teacher_IP_Edit) \
    X(CustomGraphicsView, graphicsView) \
    X(QLabel, labVideo) \
    X(QLabel, label_persontrack) \
    X(QComboBox, language_select_comboBox) \
    X(QRadioButton, lectern_mode_radioButton) \
    X(QStackedWidget, mode_stackedWidget) \
    X(QLineEdit, recorder_student_ip_Edit) \
    X(QLineEdit, recorder_teacher_ip_Edit) \
    X(QPushButton, rtsp_connect_Button) \
    X(QPushButton, student_auto_calibration_pushButton) \
    X(QLineEdit, student_feature_IP_Edit) \
    X(QPushButton, student_feature_connect_Button) \
    X(QToolButton, student_feature_image_max_toolButton) \
    X(QWidget, student_feature_region_widget) \
    X(QLabel, student_labVideo_feature) \
    X(QLabel, student_labVideo_pano) \
    X(QLineEdit, student_pano_IP_Edit) \
    X(QPushButton, student_pano_connect_Button) \
    X(QWidget, student_pano_region_widget) \
    X(QCheckBox, student_shield_four_checkBox) \
    X(QCheckBox, student_shield_one_checkBox) \
    X(QCheckBox, student_shield_three_checkBox) \
    X(QCheckBox, student_shield_two_checkBox) \
    X(QCheckBox, student_show_Calibration_checkBox) \
    X(QCheckBox, student_show_region_checkBox) \
    X(QLabel, student_version_feature_info_label) \
    X(QLabel, student_version_pano_info_label) \
    X(QLineEdit, student_zoom_lineEdit) \
    X(QTabWidget, tabWidget_2) \
    X(QTabWidget, tabWidget_3) \
    X(QPushButton, teacher_auto_calibration_pushButton) \
    X(QComboBox, teacher_board_effect_list) \
    X(QCheckBox, teacher_board_hand_enable_checkBox) \
    X(QCheckBox, teacher_board_one_checkBox) \
    X(QCheckBox, teacher_board_three_checkBox) \
    X(QCheckBox, teacher_board_two_checkBox) \
    X(QLineEdit, teacher_feature_IP_Edit) \
    X(QPushButton, teacher_feature_connect_Button) \
    X(QToolButton, teacher_feature_image_max_toolButton) \
    X(QComboBox, teacher_feature_persontrack_comboBox) \
    X(QLabel, teacher_labVideo_feature) \
    X(QLabel, teacher_labVideo_pano) \
    X(QLineEdit, teacher_pano_IP_Edit) \
    X(QPushButton, teacher_pano_connect_Button) \
    X(QCheckBox, teacher_shield_four_checkBox) \
    X(QCheckBox, teacher_shield_one_checkBox) \
    X(QCheckBox, teacher_shield_three_checkBox) \
    X(QCheckBox, teacher_shield_two_checkBox) \
    X(QCheckBox, teacher_show_region_checkBox) \
    X(QLabel, teacher_version_feature_info_label) \
    X(QLabel, teacher_version_pano_info_label) \
    X(QLineEdit, teacher_zoom_lineEdit) \
    X(QLineEdit, txtPort) \
    X(QLineEdit, txtUrl) \
    X(QWidget, widget_preview)

// The six camera slots and the free preview of the Upgrade tab: connect and disconnect, the
// checks before a connect, the picture with its decoder and decoding thread, the side's TCP
// control link, the inquiries after it and the pano cameras' status requests; also the ways a
// slot is let go (its button, Return in its address field, a failed picture, stop_connect, the
// port change).
//
// A connect waits several times while events are handled (ping, the stream's open, the model
// answer, the pano's focus and role steps), and a disconnect while its picture stops. Whatever
// asks for a disconnect meanwhile only marks it; the connect notices it after its wait and then
// runs the disconnect itself, so it never goes on with a destination, a picture or a timer that
// has been taken away under it. What can run inside these waits, and its guard:
// - Return in the address field, the button again, stop_connect (the console's takeover) and
//   replies that run a pano's toggle: the toggle marks the connect (and makes a running open
//   give up at once); during a disconnect it is ignored.
// - The tab's other connect (another slot, or the preview): it runs whole inside the wait and
//   returns first (last in, first out); each stream starts decoding when its own open succeeds.
// - Boxes of the obtain/apply poller, a pano's response timer or an RTSP alert: they show inside
//   the wait; the open's authentication box still comes before "Connection failure".
// - A disconnect of every camera (a close, the wizard, a port change): marks each connect and
//   the preview's; their opens give up and each connect lets its slot go when its wait returns.
//   A decoder is never deleted while its open runs (rtsp_stream and the decoder wait for it).
// - A connect pressed during the waits of disconnect_all (a close, a port change): refused, so
//   that no camera stays connected behind it.
// - A second close during the closing's waits: the window refuses it while it closes.
// - Program exit while an open runs: the close cancels the open; the connect returns, lets go,
//   and only then the event loop ends and the window is destroyed.
class CameraConnections : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        CAMERA_CONNECTIONS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // What a connect and a disconnect change of the other features.
    class Host
    {
    public:
        virtual ~Host() = default;
        // The other main tabs are locked while a camera connects.
        virtual void update_tab_enabled(bool enable) = 0;
        virtual void set_widget_status(int camera, bool enable) = 0;
        // Obtain and Apply of a side wait for its pano's parameter reply (or its time-out).
        virtual void teacher_track_check(bool enable) = 0;
        virtual void student_track_check(bool enable) = 0;
        virtual void set_student_calibration_widgets_visible(bool visible) = 0;
        virtual void forget_board_tracking_status() = 0;
        // The role command of a J57, its number filled in as the pads fill their speeds.
        virtual QString ptzspeed(const QString &command_template, int hindex, int vindex) = 0;
        // The decoder's pictures go to the picture slot of the camera, or of the free preview.
        virtual void show_pictures(camera_slot::Slot slot, QFFmpeg *decoder) = 0;
        virtual void show_preview_pictures(QFFmpeg *decoder) = 0;
        // A pano connects: the teacher pano is no longer marked offline.
        virtual void pano_connect_begins(camera_slot::Side side) = 0;
        // What other features keep of a camera that let go: the pads' redirection and the model
        // flags of a feature camera; a pending obtain and the detector's and the region redraw's
        // requests of a pano.
        virtual void feature_camera_released(camera_slot::Side side) = 0;
        virtual void pano_camera_released(camera_slot::Side side) = 0;
        virtual void close_enlarged_dialog(camera_slot::Side side) = 0;
        virtual void teacher_show_region_clicked(bool checked) = 0;
        virtual void clear_region_scene() = 0;
        virtual void set_teacher_region_widgets(bool enable) = 0;
        // The side's calibration cross goes off on its pano camera, as an untick of its box does.
        virtual void calibration_cross_off(camera_slot::Side side) = 0;
    };

    // The status: a pano's connect awaits its status answer and quiets its first crop answer;
    // its release forgets both.
    CameraConnections(const Widgets &widgets, CameraSlots &camera_slots, CameraPorts &ports, ControlLink &link,
                      PanoStatus &status, Host &host, QWidget *window);
    ~CameraConnections() override;

    // The settings file read the side's address fields (the records' field texts): the fields
    // show them.
    void show_stored_addresses(camera_slot::Side side);
    // The address fields of a camera group (0 teacher, 1 student, 2 board) usable or not; the
    // customer model has no board cameras.
    void enable_group_controls(int camera, bool enable);
    void disable_board_controls();
    // Whether the camera answers; the window keeps painting while it is asked.
    bool ping_host(const QString &ip);
    // The connect toggle of a slot: connects it when disconnected, disconnects it when connected.
    void toggle_camera_slot(camera_slot::Slot slot);
    // Disconnects the board feature and then the board pano camera when they are connected.
    void disconnect_board_cameras();
    bool any_camera_connected_except(camera_slot::Slot slot) const;
    // Every camera slot in order, then the free preview, lets go through its toggle; the toggles'
    // waits handle events. A connect under way is marked and lets go of its slot when its own
    // wait returns.
    void disconnect_all();
    // Every link was made on the old ports: each camera (and the free preview) lets go.
    void disconnect_for_port_change();
    // The manual director console takes the teacher and student cameras over.
    void stop_connect();
    QTimer *stop_connect_timer() const { return m_stop_connect_timer; }
    // "Disconnect" on the buttons of connected cameras, which the form's re-texting put back.
    void retranslate();

    // The picture of a slot while it runs.
    QFFmpeg *decoder(camera_slot::Slot slot) const { return slot_entries[int(slot)].ffmpeg; }
    RtspThread *decoding_thread(camera_slot::Slot slot) const { return slot_entries[int(slot)].rtsp_thread; }
    QFFmpeg *preview_decoder() const { return rtsp_preview_ffmpeg; }
    // The free preview, which the Preview page's keys drive.
    bool preview_connected() const { return rtsp_preview_connected; }
    QHostAddress *preview_destination() const { return rtsp_preview_destination; }
    // The teacher pano's picture opened and its decoding thread runs.
    bool teacher_pano_streaming() const { return teacher_pano_rtsp_flag; }

    void on_teacher_feature_connect_Button_clicked();
    void on_teacher_pano_connect_Button_clicked();
    void on_student_feature_connect_Button_clicked();
    void on_student_pano_connect_Button_clicked();
    void on_board_feature_connect_Button_clicked();
    void on_board_pano_connect_Button_clicked();
    void on_teacher_feature_IP_Edit_returnPressed();
    void on_teacher_pano_IP_Edit_returnPressed();
    void on_student_feature_IP_Edit_returnPressed();
    void on_student_pano_IP_Edit_returnPressed();
    void teacher_feature_frame_failed();
    void teacher_pano_frame_failed();
    void student_feature_frame_failed();
    void student_pano_frame_failed();
    void board_feature_frame_failed();
    void on_rtsp_connect_Button_clicked();
    void rtsp_preview_frame_failed();

private:
    // A connect under way, and what happened to its slot while it waited.
    struct CameraSlotRun {
        bool connecting = false;
        bool disconnecting = false;
        bool disconnect_requested = false; // a toggle, a failed picture or stop_connect meanwhile
    };
    // A slot's own widgets and picture beside its record in CameraSlots.
    struct SlotEntry {
        QLineEdit *edit = nullptr;
        QPushButton *button = nullptr;
        QLabel *label = nullptr;
        QFFmpeg *ffmpeg = nullptr;
        RtspThread *rtsp_thread = nullptr;
        CameraSlotRun run;
    };

    void connect_camera_slot(camera_slot::Slot slot);
    void disconnect_camera_slot(camera_slot::Slot slot);
    // True (and the slot disconnected) when a disconnect was asked for during the connect's wait.
    bool connect_interrupted(camera_slot::Slot slot);
    void run_pano_sequence(camera_slot::Slot slot, const QString &address);
    void camera_frame_failed(camera_slot::Slot slot);
    void return_pressed(camera_slot::Slot slot);
    void send_visca(camera_slot::Slot slot, const QString &text);

    const Widgets ui;
    CameraSlots &m_slots;
    CameraPorts &m_ports;
    ControlLink &m_link;
    PanoStatus &m_status;
    Host &m_host;
    QWidget *m_window;
    SlotEntry slot_entries[camera_slot::kSlotCount];
    QTimer *m_stop_connect_timer = nullptr;
    bool stop_connect_running = false;
    bool student_pano_offline = false;
    // The teacher pictures that the frame queues take, and the teacher pano stream running.
    bool teacher_feature_queue_enabled = false;
    bool teacher_pano_queue_enabled = false;
    bool teacher_pano_rtsp_flag = false;
    // The free preview of the Upgrade tab's Preview page.
    QHostAddress *rtsp_preview_destination = nullptr;
    QFFmpeg *rtsp_preview_ffmpeg = nullptr;
    RtspThread *rtsp_preview_rtsp_thread = nullptr;
    bool rtsp_preview_connected = false;
    bool rtsp_preview_busy = false;
    bool rtsp_preview_cancelled = false; // disconnect_all came during the preview's connect
    bool releasing_all = false;          // disconnect_all runs: no connect may start meanwhile
};
