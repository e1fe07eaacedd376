#pragma once

#include "core/log_fold.h"
#include "model/camera_slot.h"
#include "protocol/control_frame.h"
#include "protocol/link_choice.h"
#include "protocol/uot_reader.h"

#include <QHostAddress>
#include <QMetaType>
#include <QObject>
#include <QSet>

#include <functional>

class CameraSlots;
class QTcpSocket;
class QNetworkDatagram;
class QTimer;
class QUdpSocket;

// Where a VISCA reply came from, as far as its reader knows: the sender of a datagram (address
// and port), or the side's TCP link (1 teacher, 2 student). Empty when unknown.
struct ViscaReplyOrigin {
    QHostAddress sender;
    quint16 sender_port = 0;
    int tcp_link = 0;
};
Q_DECLARE_METATYPE(ViscaReplyOrigin)

// The control links to the cameras: one UDP socket that sends every datagram and reads the VISCA
// answers, the reply socket for text answers to datagrams, and one TCP link per side (teacher 1,
// student 2) with its frame reader and the keep-alives of the slots it serves. It sends commands
// by the link it chooses (link_choice) and hands every reply on, with where it came from.
//
// The choice is made from what the link holds: its camera slots' records and what the owner's
// features tell it as it changes (the slots' address fields, the main tabs, the manual director
// console's cameras, the wizard's step); a send reads no widget. The main window owns one with
// its camera slots attached; the first-run wizard owns another (WizardLink) with its own slots.
class ControlLink : public QObject
{
    Q_OBJECT

public:
    struct Rules {
        // The text port of a side, where keep-alives go.
        std::function<int(camera_slot::Side)> text_port;
    };
    // The main window's link chooses by its slots' destination objects (link_choice::choose).
    // The wizard's chooses by the step it shows (link_choice::choose_wizard), keeps a side's
    // link alive with one timer (the pano slot's) on the link itself, gives a camera a shorter
    // connect and names itself in the log.
    enum class Owner { Window, Wizard };
    struct Options {
        Owner owner = Owner::Window;
        bool bind_reply_socket = true;  // text answers to datagrams come back to port 7791
        bool text_replies_only = false; // VISCA answers (frames of a link, datagrams) are dropped, not handed on
        // The wizard's: no reply socket (its text answers to datagrams come to the window's),
        // text replies only.
        static Options wizard();
    };

    explicit ControlLink(CameraSlots *camera_slots, QObject *parent = nullptr);
    ControlLink(CameraSlots *camera_slots, const Options &options, QObject *parent = nullptr);
    ~ControlLink() override;

    void set_rules(const Rules &rules);

    // What the link of a command is chosen from, told as it changes. A slot matches a command by
    // the address its address field holds (up to the first "/"), also when the field was typed
    // over while the camera stays connected.
    void set_slot_field_address(camera_slot::Slot slot, const QString &address);
    // The main tabs: how many there are (the send path logs it) and whether the Board tab is
    // the current one, on which the board cameras are driven by UDP.
    void set_main_tabs(int count, bool board_tab_current);
    // The manual director console runs from its first camera on and drives its two cameras by
    // address, over the side's link when it opened one (tcp_up).
    void set_manual_direct_camera(bool teacher, const QString &ip, bool tcp_up);
    const link_choice::ManualDirect &manual_direct() const { return m_manual_direct; }
    // The console runs (its text answers go to it) from before its first camera on. When it
    // ends its cameras are forgotten and the side links it held let go.
    void set_manual_direct_running(bool run);
    // The side's link to the console's camera, connected with events handled; false when it
    // did not connect in time (the link is then shut).
    bool open_manual_direct_link(bool teacher, const QString &ip, int port);
    // The console let go of a side's camera: what was written goes out, then its link shuts.
    void release_manual_direct_camera(bool teacher);
    // The recorder's mapped ports as typed, which the frame header translates back.
    void set_mapped_ports(const control_frame::MappedPorts &mapped) { m_mapped_ports = mapped; }
    // The wizard's link: the step shown and the camera layout.
    void set_wizard_step(const link_choice::WizardStep &step) { m_wizard_step = step; }

    // Every command to a camera goes through here: a parameter block (hex false) or a VISCA
    // command text (hex true) to the control address of one camera.
    void sendMsg_Net(QHostAddress *destination, int port, const QString &text, bool hex);
    void send_parameter_request(QHostAddress *destination, int port, const QStringList &lines);
    // (Re)binds the reply socket to port 7791.
    void closeUdpServer();
    // Binds the reply socket when it is not bound, keeping what it holds when it is.
    void ensure_reply_socket();
    // Another link (the wizard's) sent this host a text command by datagram: its answer comes to
    // this link's reply socket, which takes it (and is bound now when it is not).
    void expect_datagram_answers(const QHostAddress &from);
    // Whether the camera's TCP port takes a connection, waiting while events are handled.
    bool probe_tcp_connect(const QString &ip, int port);

    // The side's link to a camera slot's camera (side of the slot): probe, connect with events
    // handled, the slot's TCP flag and keep-alive; the other slot of the side keeps its flag
    // only while the link still goes to its camera.
    void open_side_tcp_link(camera_slot::Slot slot, const QString &address, int port);
    void connect_teacher_pano_tcp(const QString &ip, int port);
    void release_tcp_flags_not_on_link(camera_slot::Side side, int port);
    // The slot lets go of the side's link; the link closes when the other slot does not hold it.
    void close_slot_link(camera_slot::Slot slot);
    // Both slots of the side let go and the link closes.
    void close_side_link(camera_slot::Side side);
    // Every link closes and no keep-alive fires: no slot keeps a TCP flag on a closed link.
    void stop_keepalive_timers();
    // The timer that keeps the slot's link alive: its own, or for the wizard its side's.
    QTimer *keepalive_timer(camera_slot::Slot slot) const;
    // Keep-alive of one slot's link (the timers' slots).
    void teacher_pano_tcp_keepalive();
    void teacher_feature_tcp_keepalive();
    void student_tcp_keepalive();
    void student_feature_tcp_keepalive();

    // A TCP flag of a slot was set whose link was not (re)opened by this object (the console).
    bool tcp_socket_flag() const { return m_tcp_socket_flag; }
    void clear_tcp_socket_flag() { m_tcp_socket_flag = false; }
    int current_state() const { return m_current_state; }
    QTcpSocket *side_socket(int side) const;
    QUdpSocket *reply_socket() const { return udpServer; }
    QUdpSocket *command_socket() const { return udpClient; }
    bool link_failed(int side) const { return side == 1 ? teacher_tcp_link_failed : student_tcp_link_failed; }
    int buffered(int side) const { return (side == 1 ? teacher_link_reader : student_link_reader).buffered(); }
    qint64 skipped(int side) const { return (side == 1 ? teacher_link_reader : student_link_reader).skipped(); }
    // Frames of the side's link dropped unread: more bytes waited than the link holds.
    qint64 dropped(int side) const { return (side == 1 ? teacher_link_reader : student_link_reader).dropped(); }

signals:
    // A text answer; datagram: it came on the reply socket (else in a frame of a TCP link).
    void textReply(const QByteArray &reply, bool datagram);
    void viscaReply(const QByteArray &reply, const ViscaReplyOrigin &origin);
    // A VISCA command text had a bad token; nothing was sent.
    void commandFormatError();
    // A link without a reply socket of its own (the wizard's) sent a text command by datagram,
    // or found a camera's TCP port closed: the camera's text answers come to the window's reply
    // socket (expect_datagram_answers).
    void datagramAnswersExpected(const QHostAddress &from);

private:
    void readResponseData();
    // Whether a datagram from sender is an answer (a command went there); reader names the
    // socket in the log line of a sender that is not.
    bool answer_expected_from(const QHostAddress &sender, const char *reader);
    link_choice::Choice choose_link(const QString &address, const QHostAddress *destination) const;
    void readSocUdpData();
    // Takes a share of the socket's datagrams, each to take; what is left waits for resume, a
    // zero timer that reads again in a later turn of the event loop.
    void read_datagram_share(QUdpSocket *socket, QTimer *resume, const std::function<void(const QNetworkDatagram &)> &take);
    void teacher_tcp_ready_read();
    void student_tcp_ready_read();
    void read_link(int side);
    void parseReadData(UotReader &reader, const QByteArray &bytes);
    void hand_on(const UotReader::Frame &frame, int side);
    // Arms the notes of the replies left out of the log and of the frames dropped, when there
    // are any.
    void note_left_out_later(bool pending);
    void mark_tcp_link_failed(int side, const char *reason, int detail);
    bool send_over_tcp(int side, int port, const QByteArray &payload);
    void send_over_udp(QHostAddress *destination, int port, const QByteArray &payload, bool expects_text_answer);
    void keep_link_alive(camera_slot::Slot slot, const char *what);
    void stop_keepalive(camera_slot::Slot slot);
    void log_wizard_choice(const link_choice::Choice &choice) const;
    bool wizard() const { return m_options.owner == Owner::Wizard; }
    void abort_link(QTcpSocket *link);
    void forget_answers_of(camera_slot::Slot slot);
    // Unless a camera slot other than except_slot (-1: none) still has the address.
    void forget_answers_from(const QHostAddress &address, int except_slot);

    CameraSlots *m_slots;
    Options m_options;
    Rules m_rules;
    QString m_log; // the owner's name, first in the link's log lines: "MainWindow", "GuideConfig"
    link_choice::WizardStep m_wizard_step;
    // The inputs of the link choice, as last told.
    QString m_field_addresses[camera_slot::kSlotCount];
    int m_main_tab_count = 0;
    bool m_board_tab_current = false;
    // manual_direct_run, manual_direct_teacher_ip, manual_direct_student_ip and their TCP flags.
    link_choice::ManualDirect m_manual_direct;
    control_frame::MappedPorts m_mapped_ports;
    QUdpSocket *udpClient = nullptr;
    QUdpSocket *udpServer = nullptr;
    quint16 udp_server_port = 7791;
    QTcpSocket *probe_tcp_socket = nullptr;
    QTcpSocket *teacher_tcp_socket = nullptr;
    QTcpSocket *student_tcp_socket = nullptr;
    // One frame reader per TCP link, so that the bytes of the two links never mix.
    UotReader teacher_link_reader{QStringLiteral("teacher")};
    UotReader student_link_reader{QStringLiteral("student")};
    // A read of a link's bytes hands on a bounded share of its frames and goes on in a later
    // turn of the event loop, so that a flood of answers does not hold the window; what waits
    // meanwhile is bounded too (the reader drops the oldest frames beyond it).
    struct LinkRead {
        QTimer *resume = nullptr; // zero timer: the next share
        bool active = false;      // a read runs; a reply handler that handles events must not nest another
    };
    LinkRead teacher_link_read;
    LinkRead student_link_read;
    // Runs of identical datagrams from one sender; the links' runs are their readers'.
    log_fold::Run m_text_datagram_fold{QStringLiteral("MainWindow::readUdpData")};
    log_fold::Run m_visca_datagram_fold{QStringLiteral("MainWindow::readSocUdpData")};
    QTimer *m_reply_read_resume = nullptr; // zero timer: the next share of the reply socket's datagrams
    QTimer *m_visca_read_resume = nullptr; // the same for the VISCA socket
    QTimer *m_fold_note = nullptr; // writes the notes kFoldNoteMs after a reply left out or a frame dropped
    // The reply socket and the VISCA socket take answers only from addresses commands were sent
    // to, until their camera is released; any other host could otherwise disconnect a camera or
    // write values into a tab (a zoom field) with one datagram.
    QSet<QHostAddress> m_sent_to;
    QSet<QHostAddress> m_foreign_senders_logged;
    bool m_foreign_senders_log_full = false;
    // A write or the socket of that side's link failed: its commands go by UDP until the link
    // connects again.
    bool teacher_tcp_link_failed = false;
    bool student_tcp_link_failed = false;
    bool m_tcp_socket_flag = false;
    int m_current_state = 0; // TCP link of the last TCP send: 0 none, 1 teacher, 2 student
};
