#include "dialogs/manual_direct.h"
#include "ui_manual_direct.h"

#include "core/reachability.h"
#include "core/time_scale.h"
#include "core/wait.h"
#include "model/camera_ports.h"
#include "net/control_link.h"
#include "protocol/parameter_reply.h"
#include "protocol/preset_commands.h"
#include "protocol/teacher_parameters.h"
#include "protocol/tracking_command.h"
#include "seams/message_box.h"
#include "settings/input_rules.h"
#include "settings/language_table.h"
#include "settings/settings_path.h"
#include "support/interface_font.h"
#include "support/resources.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QHostAddress>
#include <QPixmap>
#include <QSettings>
#include <QTimer>

using camera_slot::Side;
using director_console::Stream;

namespace {
constexpr int kConnectStatusMs = 10000; // the reachability check of the connected cameras
// Before a side's connect looks at its address: the buttons settle (the student camera's
// connect waits longer, as the teacher's disconnect does not).
constexpr int kTeacherConnectPauseMs = 200;
constexpr int kStudentConnectPauseMs = 500;
constexpr int kStreamStartedMs = 100;  // a started picture settles before the next opens
constexpr int kLinkSettleMs = 1000;    // the link choice takes the console's camera
constexpr int kStatusToOpenMs = 1000;  // the teacher camera answers its status first
constexpr int kAutoDirectorMs = 1000;  // the student camera takes the director after its status
constexpr int kPictureStopMs = 300;    // after each teacher picture's decoder stops
constexpr int kDirectorStopMs = 400;   // after the teacher's director picture's decoder stops
constexpr int kTeacherDisconnectPauseMs = 200;
constexpr int kStudentDisconnectPauseMs = 500;
constexpr int kTeacherGroup = 0;
constexpr int kStudentGroup = 1;
const char kBorderNone[] = "QLabel{border:0px solid rgb(0, 0, 0);}";
const char kBorderChosen[] = "QLabel{border:2px solid rgb(0, 0, 255);}";
const char kIniTeacherKey[] = "DIRECTOR_CONF/teacher_ip";
const char kIniStudentKey[] = "DIRECTOR_CONF/student_ip";

QString flag(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

QString section(Side side)
{
    return QLatin1String(side == Side::Teacher ? parameter_block::kTeacherSection : parameter_block::kStudentSection);
}

// One connect, disconnect or leaving under way, for as long as the object lives.
struct Step {
    int &count;
    explicit Step(int &c) : count(c) { ++count; }
    ~Step() { --count; }
};
} // namespace

manual_direct::manual_direct(Host &host, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
    , m_link(host.control_link())
    , ui((corvane_init_resources(), new Ui::manual_direct))
{
    ui->setupUi(this);
    ui->tracking_mode_widget->hide();
    setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    const CameraPorts &ports = host.camera_ports();
    for (Side side : {Side::Teacher, Side::Student}) {
        Camera &cam = camera(side);
        cam.visca_port = ports.visca_port(side);
        cam.udp_port = ports.udp_port(side);
        cam.tcp_port = ports.tcp_port(side);
        cam.rtsp_port = ports.rtsp_port(side);
    }

    for (QLabel *label : {ui->teacher_labVideo_feature, ui->teacher_labVideo_pano, ui->student_labVideo_feature,
                          ui->student_labVideo_pano})
        label->installEventFilter(this);
    const QSettings ini(manual_director_file_path(), QSettings::IniFormat);
    const QString teacherIp = ini.value(QLatin1String(kIniTeacherKey)).toString();
    const QString studentIp = ini.value(QLatin1String(kIniStudentKey)).toString();
    ui->teacher_IP_Edit->setText(teacherIp.isEmpty() ? QLatin1String(director_console::kDefaultTeacherAddress) : teacherIp);
    ui->student_IP_Edit->setText(studentIp.isEmpty() ? QLatin1String(director_console::kDefaultStudentAddress) : studentIp);

    const QString language = host.interface_language();
    qDebug().noquote() << "manual_direct::main1->language [" + language + "]";
    // The console's catalogue stays for as long as it runs, and no longer (end_run).
    m_translator.load(language::catalogue_for_name(language));
    QCoreApplication::installTranslator(&m_translator);
    apply_interface_font(this, language);

    using M = manual_direct;
    connect(ui->teacher_rtsp_pushButton, &QPushButton::clicked, this, &M::on_teacher_rtsp_pushButton_clicked);
    connect(ui->rtsp_connect_Button, &QPushButton::clicked, this, &M::on_rtsp_connect_Button_clicked);
    connect(ui->toolButton, &QToolButton::clicked, this, &M::on_toolButton_clicked);
    connect(ui->director_low_overhead_radioButton, &QRadioButton::clicked, this, &M::setSmoothMode);
    connect(ui->director_smooth_radioButton, &QRadioButton::clicked, this, &M::setSmoothMode);
    connect(ui->label_direct_auto_checkBox, &QCheckBox::stateChanged, this, &M::on_label_direct_auto_checkBox_stateChanged);
    connect(ui->common_teacher_checkBox, &QCheckBox::stateChanged, this, &M::on_common_teacher_checkBox_stateChanged);
    connect(ui->common_student_checkBox, &QCheckBox::stateChanged, this, &M::on_common_student_checkBox_stateChanged);
    connect(ui->track_mode_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &M::on_track_mode_comboBox_currentIndexChanged);
    connect(ui->teacher_callPano_Button, &QPushButton::clicked, this, &M::on_teacher_callPano_Button_clicked);
    connect(ui->teacher_callPaltform_Button, &QPushButton::clicked, this, &M::on_teacher_callPaltform_Button_clicked);
    connect(ui->teacher_callleftBoard_Button, &QPushButton::clicked, this, &M::on_teacher_callleftBoard_Button_clicked);
    connect(ui->teacher_callrightBoard_Button, &QPushButton::clicked, this, &M::on_teacher_callrightBoard_Button_clicked);
    connect(ui->teacher_callcenterBoard_Button, &QPushButton::clicked, this, &M::on_teacher_callcenterBoard_Button_clicked);
    connect(ui->teacher_callBoardPano_Button, &QPushButton::clicked, this, &M::on_teacher_callBoardPano_Button_clicked);
    connect(ui->student_preset1_Button, &QPushButton::clicked, this, &M::on_student_preset1_Button_clicked);
    wire_pads();

    // The board pano mode to start with; no camera hears of it yet.
    m_mode_by_console = true;
    ui->track_mode_comboBox->setCurrentIndex(3);
    m_mode_by_console = false;

    connect_status_timer = new QTimer(this);
    connect_status_timer->setInterval(timescale::scaled(kConnectStatusMs));
    connect(connect_status_timer, &QTimer::timeout, this, &M::on_query_connect_status);
    connect_status_timer->start();
}

manual_direct::~manual_direct()
{
    // A console that went without leaving (hidden from outside) still gives its cameras back;
    // the decoders, children of the dialog, wait for their threads as they go.
    delete m_teacher.destination;
    delete m_student.destination;
    delete ui;
}

// ---------------------------------------------------------------------------
// The connect toggles.

void manual_direct::on_teacher_rtsp_pushButton_clicked()
{
    qDebug() << "on_teacher_rtsp_pushButton_clicked::----";
    toggle(Side::Teacher);
}

void manual_direct::on_rtsp_connect_Button_clicked()
{
    qDebug() << "on_rtsp_connect_Button_clicked::----";
    toggle(Side::Student);
}

void manual_direct::toggle(Side side)
{
    if (m_left || m_toggling)
        return; // the console has left, or the other toggle waits (its buttons are off meanwhile)
    m_toggling = true;
    {
        const Step step(m_steps);
        if (camera(side).connected)
            disconnect_side(side);
        else
            connect_side(side);
    }
    m_toggling = false;
    run_pending_disconnects();
}

void manual_direct::connect_side(Side side)
{
    const bool teacher = side == Side::Teacher;
    Camera &cam = camera(side);
    QLineEdit *field = teacher ? ui->teacher_IP_Edit : ui->student_IP_Edit;
    const QString text = field->text();
    if (text.isEmpty()) {
        msgbox::warning(this, tr("Warning"), tr("Network information fill in error"));
        return;
    }
    set_connect_controls_enabled(false);
    wait_ms(teacher ? kTeacherConnectPauseMs : kStudentConnectPauseMs);
    const QString address = camera_slot::parse_address_field(text).address;
    if (!input::is_valid_ipv4(address)) {
        msgbox::warning(this, tr("Warning"), tr("Network information fill in error"));
        set_connect_controls_enabled(true);
        return;
    }
    if (!reachability::isReachable(address)) {
        msgbox::warning(this, tr("Warning"), tr("Connection timeout"));
        set_connect_controls_enabled(true);
        return;
    }
    delete cam.destination;
    cam.destination = new QHostAddress(address);
    ++cam.generation;

    start_stream(cam.feature, side, Stream::Feature, text);
    start_stream(cam.pano, side, Stream::Pano, text);
    // The director picture follows the student camera; the teacher camera's only stands in.
    if (!teacher || !m_student.connected) {
        if (m_director.ffmpeg || m_director.thread) {
            rtsp_stream::stop(m_director.ffmpeg, m_director.thread, {});
            ui->cur_labVideoStream->clear();
        }
        start_stream(m_director, side, Stream::Director, text);
        qDebug().noquote() << (teacher ? QStringLiteral("common_director_ffmpeg tmp:") : QStringLiteral("tmp:")) + address;
    }
    field->setEnabled(false);
    cam.link_up = true;

    open_link(side, address);
    send_text(side, tracking_command::tracking_status_request(section(side)));
    if (teacher) {
        wait_ms(kStatusToOpenMs);
        send_command(side, QLatin1String(director_console::kDirectorOpen));
    } else {
        qDebug().noquote().nospace() << "MainWindow::sendMsg_Net:S" << address
                                     << "],student_panoDest:" << cam.destination->toString();
    }
    if (ui->label_direct_auto_checkBox->isChecked()) {
        if (!teacher)
            wait_ms(kAutoDirectorMs);
        chose_item(director_console::Automatic, false);
    }
    cam.connected = true;
    (teacher ? ui->teacher_rtsp_pushButton : ui->rtsp_connect_Button)->setText(tr("Disconnect"));
    set_connect_controls_enabled(true);
}

bool manual_direct::start_stream(StreamPair &stream, Side side, Stream kind, const QString &field)
{
    const bool director = kind == Stream::Director;
    const bool teacher = side == Side::Teacher;
    rtsp_stream::create(this, director_console::stream_url(kind, field, camera(side).rtsp_port),
                        director ? kDirectorWidth : kSmallWidth, director ? kDirectorHeight : kSmallHeight,
                        stream.ffmpeg, stream.thread);
    if (!director)
        stream.ffmpeg->setAllFrames(ui->director_smooth_radioButton->isChecked());
    using Slot = void (manual_direct::*)(QImage);
    const Slot picture = director                 ? &manual_direct::common_director_SetImage
                         : kind == Stream::Feature ? (teacher ? &manual_direct::teacher_feature_SetImage
                                                             : &manual_direct::student_feature_SetImage)
                                                   : (teacher ? &manual_direct::teacher_pano_SetImage
                                                             : &manual_direct::student_pano_SetImage);
    connect(stream.ffmpeg, &QFFmpeg::GetImage, this, picture, Qt::QueuedConnection);
    connect(stream.ffmpeg, &QFFmpeg::FrameFailed, this,
            teacher ? &manual_direct::teacher_frame_failed : &manual_direct::student_frame_failed);
    // A picture that does not open stays empty; the side connects all the same.
    const bool started = rtsp_stream::start(stream.ffmpeg, stream.thread);
    if (started)
        wait_ms(kStreamStartedMs);
    return started;
}

void manual_direct::open_link(Side side, const QString &address)
{
    const bool teacher = side == Side::Teacher;
    const bool up = m_link.open_manual_direct_link(teacher, address, camera(side).tcp_port);
    m_link.set_manual_direct_camera(teacher, address, up);
    wait_ms(kLinkSettleMs);
    if (up) {
        qDebug() << (teacher ? "MainWindow:: teacher connect!!!" : "manual_direct:: student connect!!!");
        return;
    }
    // The camera's answers come back by datagram.
    m_link.closeUdpServer();
    qDebug() << (teacher ? "MainWindow:: teacher time out!!!" : "manual_direct:: student time out!!!");
}

void manual_direct::disconnect_side(Side side)
{
    const bool teacher = side == Side::Teacher;
    Camera &cam = camera(side);
    cam.connected = false;
    cam.link_up = false;
    (teacher ? ui->teacher_IP_Edit : ui->student_IP_Edit)->setEnabled(true);
    set_connect_controls_enabled(false);

    const rtsp_stream::StopWaits pictureWaits{teacher ? kPictureStopMs : 0, 0};
    rtsp_stream::stop(cam.feature.ffmpeg, cam.feature.thread, pictureWaits);
    rtsp_stream::stop(cam.pano.ffmpeg, cam.pano.thread, pictureWaits);
    // The student camera's director picture goes with it; the teacher camera's stands in only
    // while no student camera is connected.
    if ((!teacher || !m_student.connected) && (m_director.ffmpeg || m_director.thread))
        rtsp_stream::stop(m_director.ffmpeg, m_director.thread, {teacher ? kDirectorStopMs : 0, 0});

    if (teacher && cam.destination) {
        qDebug() << "manual_direct::disconnect directorclose";
        send_command(side, QLatin1String(director_console::kDirectorClose));
    }
    // Nothing more goes to a camera that was let go: a later command of the side is refused.
    delete cam.destination;
    cam.destination = nullptr;
    m_link.release_manual_direct_camera(teacher);

    if (teacher)
        clear_teacher_pictures();
    else
        clear_student_pictures();
    set_widget_status(teacher ? kTeacherGroup : kStudentGroup, true);
    QCheckBox *track = teacher ? ui->common_teacher_checkBox : ui->common_student_checkBox;
    if (track->isChecked()) {
        cam.uncheck_pending = true;
        track->setChecked(false);
    }
    wait_ms(teacher ? kTeacherDisconnectPauseMs : kStudentDisconnectPauseMs);
    (teacher ? ui->teacher_rtsp_pushButton : ui->rtsp_connect_Button)->setText(tr("Connect"));
    set_connect_controls_enabled(true);
    if (teacher) {
        for (QPushButton *button : {ui->teacher_callcenterBoard_Button, ui->teacher_callPano_Button,
                                    ui->teacher_callPaltform_Button, ui->teacher_callBoardPano_Button})
            button->setEnabled(true);
    }
}

void manual_direct::teacher_frame_failed()
{
    qDebug() << "teacher_frame_failed:";
    frame_failed(Side::Teacher);
}

void manual_direct::student_frame_failed() { frame_failed(Side::Student); }

void manual_direct::frame_failed(Side side)
{
    // A picture that fails while a toggle waits is let go once that toggle has ended.
    if (m_toggling) {
        camera(side).disconnect_pending = true;
        return;
    }
    if (camera(side).connected)
        toggle(side);
}

void manual_direct::run_pending_disconnects()
{
    for (Side side : {Side::Teacher, Side::Student}) {
        Camera &cam = camera(side);
        if (!cam.disconnect_pending)
            continue;
        cam.disconnect_pending = false;
        if (cam.connected)
            toggle(side);
    }
}

void manual_direct::on_query_connect_status()
{
    // The ping handles events: a second check in the meantime would only ask again.
    if (m_checking || m_left)
        return;
    m_checking = true;
    for (Side side : {Side::Teacher, Side::Student}) {
        const Camera &cam = camera(side);
        if (!cam.connected)
            continue;
        const int generation = cam.generation;
        const QString text = (side == Side::Teacher ? ui->teacher_IP_Edit : ui->student_IP_Edit)->text();
        const bool reachable = reachability::isReachable(camera_slot::parse_address_field(text).address);
        // Only the camera that was pinged, if it is still connected, is let go.
        if (reachable || !cam.connected || cam.generation != generation || m_left)
            continue;
        qDebug() << (side == Side::Teacher ? " manual_direct:: teacher disconnect---" : " manual_direct:: student disconnect---");
        frame_failed(side);
    }
    m_checking = false;
}

void manual_direct::set_connect_controls_enabled(bool on)
{
    ui->layoutWidget2->setEnabled(on);
    ui->rtsp_connect_Button->setEnabled(on);
    ui->teacher_rtsp_pushButton->setEnabled(on);
    ui->toolButton->setEnabled(on);
}

// ---------------------------------------------------------------------------
// Commands.

bool manual_direct::ready_for_press(Side side)
{
    const Camera &cam = camera(side);
    if (cam.link_up && cam.destination)
        return true;
    qDebug() << "manual_direct:: the" << (side == Side::Teacher ? "teacher" : "student")
             << "camera is not connected, nothing sent";
    msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
    return false;
}

void manual_direct::send_text(Side side, const QString &text)
{
    Camera &cam = camera(side);
    if (cam.destination)
        m_link.sendMsg_Net(cam.destination, cam.udp_port, text, false);
}

void manual_direct::send_visca(Side side, const QString &text)
{
    Camera &cam = camera(side);
    if (cam.destination)
        m_link.sendMsg_Net(cam.destination, cam.visca_port, text, true);
}

void manual_direct::send_command(Side side, const QString &verb)
{
    send_text(side, side == Side::Teacher ? preset_commands::teacher_command(verb)
                                          : preset_commands::student_command(verb));
}

void manual_direct::teacher_call(Call call)
{
    if (!ready_for_press(Side::Teacher))
        return;
    static const char *const kLogs[] = {nullptr,
                                        nullptr,
                                        "manual_direct::on_teacher_callleftBoard_Button:[",
                                        "manual_direct::on_teacher_callrightBoard_Button:[",
                                        "manual_direct::on_teacher_callcenterBoard:[",
                                        nullptr};
    if (const char *log = kLogs[int(call)])
        qDebug().noquote() << QLatin1String(log) + tracking_mode_text + QLatin1Char(']');
    send_command(Side::Teacher, director_console::teacher_verb(call, tracking_mode_text));
}

void manual_direct::on_teacher_callPano_Button_clicked() { teacher_call(Call::Pano); }
void manual_direct::on_teacher_callPaltform_Button_clicked() { teacher_call(Call::Platform); }
void manual_direct::on_teacher_callleftBoard_Button_clicked() { teacher_call(Call::Left); }
void manual_direct::on_teacher_callrightBoard_Button_clicked() { teacher_call(Call::Right); }
void manual_direct::on_teacher_callcenterBoard_Button_clicked() { teacher_call(Call::Mid); }
void manual_direct::on_teacher_callBoardPano_Button_clicked() { teacher_call(Call::BoardPano); }

void manual_direct::on_student_preset1_Button_clicked()
{
    if (ready_for_press(Side::Student))
        send_command(Side::Student, director_console::student_verb());
}

void manual_direct::pad_press(Side side, ptz_commands::Direction direction)
{
    if (ready_for_press(side))
        send_visca(side, ptz_commands::drive(direction, false, m_host.teacher_pan_speed(), m_host.teacher_tilt_speed()));
}

// The press warned already; a release of a side without camera sends nothing.
void manual_direct::pad_release(Side side) { send_visca(side, ptz_commands::stop(false)); }

void manual_direct::pad_home(Side side)
{
    if (ready_for_press(side))
        send_visca(side, ptz_commands::home(false));
}

void manual_direct::pad_zoom(Side side, bool in)
{
    if (ready_for_press(side))
        send_visca(side, in ? ptz_commands::zoom_in(false) : ptz_commands::zoom_out(false));
}

void manual_direct::pad_zoom_release(Side side) { send_visca(side, ptz_commands::zoom_stop(false)); }

void manual_direct::wire_pads()
{
    using Direction = ptz_commands::Direction;
    using Button = QPushButton *Ui::manual_direct::*;
    struct Arrow {
        Button teacher, student;
        Direction direction;
    };
    static const Arrow kArrows[] = {
        {&Ui::manual_direct::common_ptz_leftup_Button, &Ui::manual_direct::student_ptz_leftup_Button, Direction::LeftUp},
        {&Ui::manual_direct::common_ptz_up_Button, &Ui::manual_direct::student_ptz_up_Button, Direction::Up},
        {&Ui::manual_direct::common_ptz_rightup_Button, &Ui::manual_direct::student_ptz_rightup_Button, Direction::RightUp},
        {&Ui::manual_direct::common_ptz_left_Button, &Ui::manual_direct::student_ptz_left_Button, Direction::Left},
        {&Ui::manual_direct::common_ptz_right_Button, &Ui::manual_direct::student_ptz_right_Button, Direction::Right},
        {&Ui::manual_direct::common_ptz_leftdown_Button, &Ui::manual_direct::student_ptz_leftdown_Button, Direction::LeftDown},
        {&Ui::manual_direct::common_ptz_down_Button, &Ui::manual_direct::student_ptz_down_Button, Direction::Down},
        {&Ui::manual_direct::common_ptz_rightdown_Button, &Ui::manual_direct::student_ptz_rightdown_Button, Direction::RightDown},
    };
    for (Side side : {Side::Teacher, Side::Student}) {
        const bool teacher = side == Side::Teacher;
        for (const Arrow &arrow : kArrows) {
            QPushButton *button = ui->*(teacher ? arrow.teacher : arrow.student);
            const Direction direction = arrow.direction;
            connect(button, &QPushButton::pressed, this, [this, side, direction] { pad_press(side, direction); });
            connect(button, &QPushButton::released, this, [this, side] { pad_release(side); });
        }
        connect(teacher ? ui->common_ptz_reset_Button : ui->student_ptz_reset_Button, &QPushButton::clicked, this,
                [this, side] { pad_home(side); });
        for (const bool in : {true, false}) {
            QPushButton *zoom = teacher ? (in ? ui->common_zoomin_Button : ui->common_zoomout_Button)
                                        : (in ? ui->student_zoomin_Button : ui->student_zoomout_Button);
            connect(zoom, &QPushButton::pressed, this, [this, side, in] { pad_zoom(side, in); });
            connect(zoom, &QPushButton::released, this, [this, side] { pad_zoom_release(side); });
        }
    }
}

// ---------------------------------------------------------------------------
// The director output's picture, the Track switches, the mode list and the camera answers.

void manual_direct::chose_item(int item, bool by_hand)
{
    QLabel *const labels[] = {ui->teacher_labVideo_feature, ui->teacher_labVideo_pano, ui->student_labVideo_feature,
                              ui->student_labVideo_pano};
    for (QLabel *label : labels)
        label->setStyleSheet(QLatin1String(kBorderNone));
    chosen_item = item;
    if (item != director_console::Automatic) {
        labels[item - 1]->setStyleSheet(QLatin1String(kBorderChosen));
        if (ui->label_direct_auto_checkBox->isChecked())
            msgbox::information(this, tr("Information"), tr("Switched to manual director state"));
        // Its slot sends the picture as the console's own choice.
        m_auto_switch_by_console = true;
        ui->label_direct_auto_checkBox->setChecked(false);
        m_auto_switch_by_console = false;
    }
    const QString block = director_console::picture_block(item);
    if (by_hand && !ready_for_press(Side::Teacher))
        return;
    if (!m_teacher.destination)
        return;
    qDebug().noquote() << "manual_direct::chose_item:[" + block + "]";
    send_text(Side::Teacher, block);
}

void manual_direct::on_label_direct_auto_checkBox_stateChanged(int state)
{
    const bool byHand = !m_auto_switch_by_console;
    if (state == Qt::Checked) {
        chose_item(director_console::Automatic, byHand);
    } else if (state == Qt::Unchecked) {
        // Back to the picture last chosen by hand, or the teacher's close-up.
        const bool chosen = chosen_item >= director_console::TeacherPano && chosen_item <= director_console::StudentPano;
        chose_item(chosen ? chosen_item : int(director_console::TeacherFeature), byHand);
        qDebug().noquote() << "CheckboxState:[" + QString::number(chosen_item) + "]";
    }
}

void manual_direct::on_common_teacher_checkBox_stateChanged(int state) { track_switch_changed(Side::Teacher, state); }

void manual_direct::on_common_student_checkBox_stateChanged(int state) { track_switch_changed(Side::Student, state); }

void manual_direct::track_switch_changed(Side side, int state)
{
    const bool teacher = side == Side::Teacher;
    Camera &cam = camera(side);
    QCheckBox *track = teacher ? ui->common_teacher_checkBox : ui->common_student_checkBox;
    if (!cam.link_up) {
        if (cam.uncheck_pending) {
            cam.uncheck_pending = false;
            return;
        }
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        if (track->isChecked()) {
            cam.uncheck_pending = true;
            track->setChecked(false);
        }
        return;
    }
    if (cam.status_recv) {
        qDebug() << (teacher ? "stateChanged because of (common_teacher_checkBox_status_recv)"
                             : "stateChanged because of (common_student_checkBox_status_recv)");
        cam.status_recv = false;
        return;
    }
    const bool start = state == Qt::Checked;
    send_command(side, QLatin1String(start ? tracking_command::kStart : tracking_command::kStop));
    if (teacher)
        teacher_tracking_state = start ? 1 : 2;
    // A tracking side's calls and pad are locked.
    set_widget_status(teacher ? kTeacherGroup : kStudentGroup, !start);
}

void manual_direct::on_track_mode_comboBox_currentIndexChanged(int index)
{
    if (m_mode_by_console ? !m_teacher.destination : !ready_for_press(Side::Teacher))
        return;
    qDebug().noquote() << "manual_direct::on_comboBox_currentIndexChanged:[" + QString::number(index) + "]";
    tracking_mode_text = director_console::mode_for_index(index);
    set_widget_status(kTeacherGroup, true);
    send_text(Side::Teacher, director_console::mode_block(tracking_mode_text));
}

// Returns false when the answer reported an error: the rest of the answer is not looked at.
bool manual_direct::status_reply(Side side, bool start, bool stop, bool error)
{
    const bool teacher = side == Side::Teacher;
    Camera &cam = camera(side);
    QCheckBox *track = teacher ? ui->common_teacher_checkBox : ui->common_student_checkBox;
    const int group = teacher ? kTeacherGroup : kStudentGroup;
    auto moveSwitch = [&](bool checked) {
        if (track->isChecked() == checked)
            return;
        cam.status_recv = true;
        track->setChecked(checked);
    };
    if (start) {
        moveSwitch(true);
        set_widget_status(group, false);
        if (teacher)
            teacher_tracking_state = 1;
    }
    if (stop || error) {
        moveSwitch(false);
        set_widget_status(group, true);
        if (teacher)
            teacher_tracking_state = 2;
    }
    if (error) {
        msgbox::warning(this, tr("Warning"), tr("Connection types do not match"));
        return false;
    }
    return true;
}

void manual_direct::getMsg(const QString &message)
{
    qDebug().noquote() << "manual_direct::getMsg:[" + message + "]";
    using parameter_reply::console_status_part;
    if (const auto part = console_status_part(message, parameter_reply::Side::Teacher)) {
        if (!status_reply(Side::Teacher, part->start, part->stop, part->error))
            return;
        send_text(Side::Teacher, teacher_parameters::obtain_block());
    } else if (const auto configuration = director_console::teacher_configuration(message)) {
        if (configuration->tracking_mode) {
            tracking_mode_text = *configuration->tracking_mode;
            if (const auto index = director_console::index_for_mode(tracking_mode_text)) {
                // A mode that differs moves the list, which says the mode back to the camera.
                m_mode_by_console = true;
                ui->track_mode_comboBox->setCurrentIndex(*index);
                m_mode_by_console = false;
            }
            set_widget_status(kTeacherGroup, teacher_tracking_state == 2);
        }
        if (configuration->pano_version) {
            qDebug().noquote() << "teacher pano version: " + configuration->pano_version->left(5);
            ui->tracking_mode_widget->setVisible(director_console::mode_row_shown(*configuration->pano_version));
        }
    }
    if (const auto part = console_status_part(message, parameter_reply::Side::Student))
        status_reply(Side::Student, part->start, part->stop, part->error);
}

void manual_direct::set_widget_status(int group, bool on)
{
    if (group == kTeacherGroup) {
        qDebug().noquote() << "manual_direct::set_widget_status[" + flag(on) + "],[" + tracking_mode_text + "]";
        const bool noMode = tracking_mode_text == QLatin1String(director_console::kNoMode);
        ui->teacher_callPano_Button->setEnabled(on && tracking_mode_text != QLatin1String(director_console::kBoardPanoMode));
        ui->teacher_callleftBoard_Button->setEnabled(on);
        ui->teacher_callrightBoard_Button->setEnabled(on);
        ui->teacher_callcenterBoard_Button->setEnabled(on && noMode);
        ui->teacher_callPaltform_Button->setEnabled(on && !noMode);
        ui->teacher_callBoardPano_Button->setEnabled(on);
        ui->tracking_mode_widget->setEnabled(on);
        for (QPushButton *button :
             {ui->common_ptz_leftup_Button, ui->common_ptz_up_Button, ui->common_ptz_rightup_Button,
              ui->common_ptz_left_Button, ui->common_ptz_right_Button, ui->common_ptz_leftdown_Button,
              ui->common_ptz_down_Button, ui->common_ptz_rightdown_Button, ui->common_ptz_reset_Button,
              ui->common_zoomin_Button, ui->common_zoomout_Button})
            button->setEnabled(on);
    } else if (group == kStudentGroup) {
        for (QPushButton *button :
             {ui->student_preset1_Button, ui->student_ptz_leftup_Button, ui->student_ptz_up_Button,
              ui->student_ptz_rightup_Button, ui->student_ptz_left_Button, ui->student_ptz_right_Button,
              ui->student_ptz_leftdown_Button, ui->student_ptz_down_Button, ui->student_ptz_rightdown_Button,
              ui->student_ptz_reset_Button, ui->student_zoomin_Button, ui->student_zoomout_Button})
            button->setEnabled(on);
    }
}

void manual_direct::setSmoothMode()
{
    const bool smooth = ui->director_smooth_radioButton->isChecked();
    qDebug().noquote() << "manual_direct:: smooth_mode_flag:" + flag(smooth);
    if (!m_teacher.connected && !m_student.connected)
        return;
    const struct {
        QFFmpeg *decoder;
        const char *name;
    } decoders[] = {{m_student.feature.ffmpeg, "student_feature_ffmpeg"},
                    {m_student.pano.ffmpeg, "student_pano_ffmpeg"},
                    {m_teacher.feature.ffmpeg, "teacher_feature_ffmpeg"},
                    {m_teacher.pano.ffmpeg, "teacher_pano_ffmpeg"}};
    for (const auto &d : decoders) {
        if (!d.decoder)
            continue;
        qDebug().noquote() << QStringLiteral("manual_direct::  ") + QLatin1String(d.name) + QStringLiteral(" != NULL");
        d.decoder->setAllFrames(smooth);
    }
}

// ---------------------------------------------------------------------------
// Pictures.

namespace {
void show_scaled(QLabel *label, const QImage &image)
{
    label->setPixmap(QPixmap::fromImage(image.scaled(label->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}
} // namespace

void manual_direct::teacher_feature_SetImage(QImage image) { show_scaled(ui->teacher_labVideo_feature, image); }
void manual_direct::teacher_pano_SetImage(QImage image) { show_scaled(ui->teacher_labVideo_pano, image); }
void manual_direct::student_feature_SetImage(QImage image) { show_scaled(ui->student_labVideo_feature, image); }
void manual_direct::student_pano_SetImage(QImage image) { show_scaled(ui->student_labVideo_pano, image); }
void manual_direct::common_director_SetImage(QImage image) { show_scaled(ui->cur_labVideoStream, image); }

void manual_direct::clear_teacher_pictures()
{
    ui->teacher_labVideo_feature->clear();
    ui->teacher_labVideo_pano->clear();
    if (!m_student.connected)
        ui->cur_labVideoStream->clear();
}

void manual_direct::clear_student_pictures()
{
    ui->student_labVideo_feature->clear();
    ui->student_labVideo_pano->clear();
    ui->cur_labVideoStream->clear();
}

bool manual_direct::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const QObject *labels[] = {ui->teacher_labVideo_feature, ui->teacher_labVideo_pano,
                                   ui->student_labVideo_feature, ui->student_labVideo_pano};
        for (int i = 0; i < 4; ++i) {
            if (watched == labels[i])
                chose_item(i + 1, true);
        }
    }
    return false;
}

// ---------------------------------------------------------------------------
// Leaving.

void manual_direct::on_toolButton_clicked()
{
    if (busy() || m_asking || m_left)
        return;
    m_asking = true;
    const QMessageBox::StandardButton answer =
        msgbox::information(this, tr("Information"), tr("Do you want to go into the configuration?"),
                            QMessageBox::Ok | QMessageBox::Cancel);
    m_asking = false;
    if (answer != QMessageBox::Ok)
        return;
    leaveDirector(false);
    close_without_question = true;
    close();
}

void manual_direct::leaveDirector(bool exit)
{
    {
        const Step step(m_steps);
        connect_status_timer->stop();
        QSettings ini(manual_director_file_path(), QSettings::IniFormat);
        ini.setValue(QLatin1String(kIniTeacherKey), ui->teacher_IP_Edit->text());
        ini.setValue(QLatin1String(kIniStudentKey), ui->student_IP_Edit->text());
        ini.sync();
        if (ini.status() != QSettings::NoError)
            qWarning().noquote() << "manual_direct::leaveDirector" << manual_director_file_path() << "not written";
        if (m_teacher.destination) {
            qDebug() << "manual_direct::leaveDirector directorclose";
            send_command(Side::Teacher, QLatin1String(director_console::kDirectorClose));
        }
    }
    if (m_student.connected)
        toggle(Side::Student);
    if (m_teacher.connected)
        toggle(Side::Teacher);
    m_left = true;
    m_host.set_teacher_ip_edits(ui->teacher_IP_Edit->text());
    m_host.set_student_ip_edits(ui->student_IP_Edit->text());
    emit send_status(exit ? QStringLiteral("showNormal") : QStringLiteral("hideDirect"));
}

void manual_direct::end_run()
{
    connect_status_timer->stop();
    QCoreApplication::removeTranslator(&m_translator);
}

void manual_direct::closeEvent(QCloseEvent *event)
{
    qDebug().noquote() << "manual_direct::closeEvent:" + flag(close_without_question);
    if (busy() || m_asking) {
        qDebug() << "manual_direct::closeEvent refused: a connect, a disconnect or the leaving is under way";
        event->ignore();
        return;
    }
    if (!close_without_question && !m_left) {
        m_asking = true;
        const QMessageBox::StandardButton answer = msgbox::information(
            this, tr("Information"), tr("Do you really want to exit?"), QMessageBox::Ok | QMessageBox::Cancel);
        m_asking = false;
        if (answer != QMessageBox::Ok) {
            event->ignore();
            return;
        }
        leaveDirector(true);
    }
    end_run();
    event->accept();
}

void manual_direct::reject()
{
    if (m_left) {
        end_run();
        QDialog::reject();
        return;
    }
    if (busy() || m_asking) {
        qDebug() << "manual_direct::reject refused: a connect, a disconnect or the leaving is under way";
        return;
    }
    on_toolButton_clicked();
}

void manual_direct::changeEvent(QEvent *event)
{
    if (windowState() == Qt::WindowMinimized) {
        emit send_status(QStringLiteral("showMinimized"));
        return;
    }
    QDialog::changeEvent(event);
}
