#pragma once

#include "model/camera_slot.h"
#include "protocol/director_console.h"
#include "protocol/ptz_commands.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <QTranslator>

QT_BEGIN_NAMESPACE
namespace Ui {
class manual_direct;
}
QT_END_NAMESPACE
class CameraPorts;
class ControlLink;
class QFFmpeg;
class QHostAddress;
class QTimer;
class RtspThread;

// The manual director console: it connects by itself to one teacher and one student camera,
// shows their four small pictures and the director picture, and lets the installer choose the
// picture of the cameras' director output (or leave it to the cameras), call presets, drive the
// close-up cameras, switch tracking per side and choose the teacher tracking mode. It runs
// modally while the main window is hidden and its own teacher and student cameras let go; the
// camera answers reach it through getMsg. Leaving it tells the window, by send_status, whether
// the program ends ("showNormal") or the configuration comes back ("hideDirect").
//
// Every way out goes through the leaving: the close button asks "Do you really want to exit?",
// the Config button and Escape "Do you want to go into the configuration?". While a connect,
// a disconnect or the leaving itself waits, the console cannot be closed.
class manual_direct : public QDialog
{
    Q_OBJECT

public:
    // What the console needs of the main window.
    class Host
    {
    public:
        virtual ~Host() = default;
        // The window's control link, which carries the console's commands and answers.
        virtual ControlLink &control_link() = 0;
        virtual const CameraPorts &camera_ports() const = 0;
        // The window's language name ("English" ... "Spanish").
        virtual QString interface_language() const = 0;
        // The teacher pad's speeds, which both of the console's pads drive with.
        virtual int teacher_pan_speed() const = 0;
        virtual int teacher_tilt_speed() const = 0;
        // The console's addresses go into the window's address fields of that side.
        virtual void set_teacher_ip_edits(const QString &text) = 0;
        virtual void set_student_ip_edits(const QString &text) = 0;
    };

    manual_direct(Host &host, QWidget *parent = nullptr);
    ~manual_direct() override;

    Ui::manual_direct *form() const { return ui; }
    // A connect, a disconnect or the leaving is under way.
    bool busy() const { return m_steps > 0; }

    // One text answer of a camera, as the window's route hands it on.
    void getMsg(const QString &message);

    static constexpr int kSmallWidth = 240;
    static constexpr int kSmallHeight = 135;
    static constexpr int kDirectorWidth = 960;
    static constexpr int kDirectorHeight = 540;

signals:
    void send_status(QString status);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Escape: the Config button's road.
    void reject() override;

private:
    using Side = camera_slot::Side;
    using Call = director_console::TeacherCall;
    struct StreamPair {
        QFFmpeg *ffmpeg = nullptr;
        RtspThread *thread = nullptr;
    };
    // One side's camera.
    struct Camera {
        bool connected = false;  // teacher_connected, student_connected: set last in a connect
        bool link_up = false;    // teacher_link_up, student_link_up: pictures started, field locked
        QHostAddress *destination = nullptr; // teacher_destination, student_destination
        StreamPair feature, pano;
        int visca_port = 0, udp_port = 0, tcp_port = 0;
        QString rtsp_port;
        bool status_recv = false;      // common_*_checkBox_status_recv
        bool uncheck_pending = false;  // *_uncheck_pending
        bool disconnect_pending = false; // a failed picture or check while a toggle ran
        int generation = 0;            // counts the side's connects
    };

    // The connect toggles.
    void on_teacher_rtsp_pushButton_clicked();
    void on_rtsp_connect_Button_clicked();
    void toggle(Side side);
    void connect_side(Side side);
    void disconnect_side(Side side);
    bool start_stream(StreamPair &stream, Side side, director_console::Stream kind, const QString &field);
    void open_link(Side side, const QString &address);
    void teacher_frame_failed();
    void student_frame_failed();
    void frame_failed(Side side);
    void run_pending_disconnects();
    void on_query_connect_status();
    void set_connect_controls_enabled(bool on);

    // Commands. A press of the installer's on a side that is not connected sends nothing and
    // warns; the console's own sends go wherever the side's camera is.
    bool ready_for_press(Side side);
    void send_text(Side side, const QString &text);
    void send_visca(Side side, const QString &text);
    void send_command(Side side, const QString &verb);
    void teacher_call(Call call);
    void on_teacher_callPano_Button_clicked();
    void on_teacher_callPaltform_Button_clicked();
    void on_teacher_callleftBoard_Button_clicked();
    void on_teacher_callrightBoard_Button_clicked();
    void on_teacher_callcenterBoard_Button_clicked();
    void on_teacher_callBoardPano_Button_clicked();
    void on_student_preset1_Button_clicked();
    void pad_press(Side side, ptz_commands::Direction direction);
    void pad_release(Side side);
    void pad_home(Side side);
    void pad_zoom(Side side, bool in);
    void pad_zoom_release(Side side);
    void wire_pads();

    // The picture of the director output, the Track switches and the mode list.
    void chose_item(int item, bool by_hand);
    void on_label_direct_auto_checkBox_stateChanged(int state);
    void on_common_teacher_checkBox_stateChanged(int state);
    void on_common_student_checkBox_stateChanged(int state);
    void track_switch_changed(Side side, int state);
    void on_track_mode_comboBox_currentIndexChanged(int index);
    bool status_reply(Side side, bool start, bool stop, bool error);
    void set_widget_status(int group, bool on);
    void setSmoothMode();

    // The pictures.
    void teacher_feature_SetImage(QImage image);
    void teacher_pano_SetImage(QImage image);
    void student_feature_SetImage(QImage image);
    void student_pano_SetImage(QImage image);
    void common_director_SetImage(QImage image);
    void clear_teacher_pictures();
    void clear_student_pictures();

    // Leaving.
    void on_toolButton_clicked();
    void leaveDirector(bool exit);
    void end_run();

    Camera &camera(Side side) { return side == Side::Teacher ? m_teacher : m_student; }
    const Camera &camera(Side side) const { return side == Side::Teacher ? m_teacher : m_student; }

    Host &m_host;
    ControlLink &m_link;
    Ui::manual_direct *ui = nullptr;
    // The console's catalogue, in the window's language, for as long as it runs.
    QTranslator m_translator;
    Camera m_teacher;
    Camera m_student;
    StreamPair m_director;                // common_director_ffmpeg, common_director_thread
    QTimer *connect_status_timer = nullptr;
    QString tracking_mode_text;
    int teacher_tracking_state = 2; // 1 tracking, 2 stopped
    int chosen_item = 0;
    bool close_without_question = false;
    int m_steps = 0;          // connects, disconnects and the leaving under way
    bool m_toggling = false;  // a connect or disconnect runs: one at a time
    bool m_checking = false;  // the reachability check runs
    bool m_left = false;      // leaveDirector ran: the console goes
    bool m_asking = false;    // a leaving question is open
    // The console itself moves the automatic director switch or the mode list: their slots
    // then answer no installer's press.
    bool m_auto_switch_by_console = false;
    bool m_mode_by_console = false;
};
