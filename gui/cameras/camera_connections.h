#pragma once

#include "cameras/free_preview.h"
#include "maintenance/parameter_archive.h"
#include "model/camera_slot.h"
#include "settings/port_forward.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

#include <array>

class CameraPorts;
class CameraSlots;
class ControlLink;
struct PanoStatus;
class QFFmpeg;
class QHostAddress;
class QLineEdit;
class QPushButton;
class QTimer;
class RtspThread;

#define CAMERA_CONNECTIONS_WIDGETS(X) \
    X(QLineEdit, board_feature_IP_Edit) \
    X(QPushButton, board_feature_connect_Button) \
    X(QLineEdit, board_pano_IP_Edit) \
    X(QPushButton, board_pano_connect_Button) \
    X(QPushButton, rtsp_connect_Button) \
    X(QLineEdit, student_feature_IP_Edit) \
    X(QPushButton, student_feature_connect_Button) \
    X(QLineEdit, student_pano_IP_Edit) \
    X(QPushButton, student_pano_connect_Button) \
    X(QLineEdit, teacher_feature_IP_Edit) \
    X(QPushButton, teacher_feature_connect_Button) \
    X(QLineEdit, teacher_pano_IP_Edit) \
    X(QPushButton, teacher_pano_connect_Button) \
    X(QLineEdit, txtPort) \
    X(QLineEdit, txtUrl)

// What a connect and a disconnect tell the features around them, each at the point of the
// sequence where it happens: the features let go of what they keep of the camera and show the
// change on their own widgets.
class CameraConnectionsSignals : public QObject
{
    Q_OBJECT

signals:
    // The other main tabs are locked while a camera connects; a camera group's controls.
    void tabs_enabled_wanted(bool enable);
    void widget_status_wanted(int camera, bool enable);
    // Obtain and Apply of a side wait for its pano's parameter reply (or its time-out).
    void track_check_wanted(camera_slot::Side side, bool enable);
    // The board feature camera's toggle marks the Board tab's Apply.
    void board_camera_toggled();
    // A decoder was made for a slot, or for the free preview: its pictures go to their slot.
    void decoder_created(camera_slot::Slot slot, QFFmpeg *decoder);
    void preview_decoder_created(QFFmpeg *decoder);
    // The free preview runs, or let go.
    void preview_started();
    void preview_stopped();
    // A connect of the slot got its picture and starts talking to the camera.
    void camera_connecting(camera_slot::Slot slot);
    // Some camera is connected, or none is.
    void cameras_connected_changed(bool any);
    // The pano camera's address as the recording host is to reach it.
    void pano_address_known(camera_slot::Side side, const QString &address);
    // A slot let go: its picture is gone.
    void picture_cleared(camera_slot::Slot slot);
    // The side's feature camera let go: what its model offered goes with it.
    void feature_camera_released(camera_slot::Side side);
    // The side's pano camera let go: its pending obtain, the pictures asked of it, its versions
    // and address are forgotten; then its region and calibration views close; then (teacher)
    // the scene goes, once the destination is cleared.
    void pano_camera_released(camera_slot::Side side);
    void pano_views_closed(camera_slot::Side side);
    void pano_destination_cleared(camera_slot::Side side);
    // Both teacher cameras are gone.
    void teacher_cameras_gone();
    // The board pano camera let go; its tracking status counts anew (connect and release).
    void board_pano_released();
    void board_tracking_forgotten();
    // The student position calibration is offered only for a pair of J57 student cameras.
    void student_calibration_widgets_wanted(bool visible);
};

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
class CameraConnections : public CameraConnectionsSignals, public FreePreview, public ParameterArchive::Cameras
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        CAMERA_CONNECTIONS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // The status: a pano's connect awaits its status answer and quiets its first crop answer;
    // its release forgets both.
    // port_fields: the recording host's addresses, which the director fields take under mapping.
    CameraConnections(const Widgets &widgets, CameraSlots &camera_slots, CameraPorts &ports,
                      const portforward::Fields &port_fields, ControlLink &link, PanoStatus &status, QWidget *window);
    ~CameraConnections() override;

    // The settings file read the side's address fields (the records' field texts): the fields
    // show them.
    void show_stored_addresses(camera_slot::Side side);
    // The side's address fields as a fresh installation has them; a connected camera keeps its
    // address.
    void show_default_addresses(camera_slot::Side side);
    // The side's close-up and pano fields take one address (the manual director console's).
    void set_side_addresses(camera_slot::Side side, const QString &text);
    // The teacher and student cameras are reached at the recording host's address, on the
    // mapped ports.
    void set_mapped_addresses(const QString &host);
    // The address fields as the wizard left them, in slot order.
    void show_addresses(const std::array<QString, camera_slot::kSlotCount> &fields);
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
    bool preview_connected() const override { return rtsp_preview_connected; }
    QHostAddress *preview_destination() const override { return rtsp_preview_destination; }
    // The teacher pano's picture opened and its decoding thread runs.
    bool teacher_pano_streaming() const { return teacher_pano_rtsp_flag; }
    // The device list hands a camera to the Preview page: its address, on the teacher RTSP port.
    void show_preview_address(const QString &address);
    // ParameterArchive::Cameras: a role's panorama camera and its address field.
    bool pano_connected(transfer::Role role) const override;
    QString pano_address_field(transfer::Role role) const override;

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
    // The connect toggle of a side's pano camera (a camera of the wrong type lets go).
    void toggle_pano(camera_slot::Side side);

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
    const portforward::Fields &m_port_fields;
    PanoStatus &m_status;
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
