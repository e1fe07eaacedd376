#pragma once

#include "model/camera_slot.h"
#include "model/camera_slots.h"
#include "net/control_link.h"

#include <QObject>
#include <QString>

class QHostAddress;
class QTimer;

// The first-run wizard's camera links: a ControlLink of its own with the wizard's rule, over the
// wizard's four cameras (teacher feature, teacher pano, student feature, student pano; the board
// slots hold only the addresses of board 1 and board 2). One TCP link per side, shared by the
// side's two cameras, with one keep-alive timer per side; text commands to a camera without a
// link go as datagrams, whose answers come to the main window's reply socket
// (datagramAnswersExpected). Replies on the links come out as textReply; VISCA answers are not
// read.
//
// The link decides from what the wizard tells it: the page shown, the camera layout, the six
// address fields of its camera settings page, and each camera's connected mark (set by its
// preview) and destination. It reads no widget.
class WizardLink : public QObject
{
    Q_OBJECT

public:
    // The cameras' ports (teacher_tracking_port, teacher_tcp_port, teacher_visca_port and the
    // student ones): the same on both sides.
    static constexpr int kTrackingPort = 6791;
    static constexpr int kTcpPort = 6793;
    static constexpr int kViscaPort = 1259;

    explicit WizardLink(QObject *parent = nullptr);
    ~WizardLink() override;

    // What a send is matched by, told as it changes.
    void set_page(int page);     // the wizard's stacked page, 0..12
    void set_layout(int layout); // current_number_camera: 0 = 2 cameras ... 3 = 6 cameras
    // An address field of the camera settings page as typed; its part before the first "/"
    // counts. Board 1 is Slot::BoardFeature, board 2 Slot::BoardPano.
    void set_address_field(camera_slot::Slot camera, const QString &text);

    // udp_teacher_feature_flag ... udp_student_pano_flag: the camera's preview connected it.
    void set_connected(camera_slot::Slot camera, bool connected);
    bool connected(camera_slot::Slot camera) const;
    // teacher_feature_tcp_flag ... student_pano_tcp_flag: the side's link goes to this camera.
    bool tcp_flag(camera_slot::Slot camera) const;

    // teacher_featureDest ... student_panoDest: made from the address part of an address (the
    // previous one of the camera replaced), null while the camera has none.
    QHostAddress *set_destination(camera_slot::Slot camera, const QString &address);
    QHostAddress *destination(camera_slot::Slot camera) const;
    // delete_teacher_feature_destination ... delete_student_pano_destination.
    void delete_destination(camera_slot::Slot camera);
    void delete_teacher_destinations();
    void delete_student_destinations();

    // A parameter block (hex false) or a VISCA command text (hex true) to a camera.
    void sendMsg_Net(QHostAddress *destination, int port, const QString &text, bool hex);
    // Whether the camera's TCP port takes a connection within 500 ms, the window painting meanwhile.
    bool probe_tcp_connect(const QString &address, int port);

    // The side's link opened to the camera (probe, then a connect of at most 1000 ms, the window
    // painting meanwhile). The side's other camera keeps its TCP flag only while the link still
    // goes to it; a camera that does not take the probe is reached by datagrams.
    void startTeacherFeatureTcp(const QString &address);
    void startTeacherPanoTcp(const QString &address);
    void startStudnetFeatureTcp(const QString &address);
    void startStudentPanoTcp(const QString &address);
    // The camera lets go of the side's link, which closes when the other camera does not hold it.
    void stopTeacherFeatureTcp();
    void stopTeacherPanoTcp();
    void stopStudentFeatureTcp();
    void stopStudentPanoTcp();
    // The teacher link closes and both teacher cameras let go of it.
    void abort_camera_link();
    // Both links close, no keep-alive fires and no camera keeps a TCP flag.
    void stop_keepalive_timers();
    // The keep-alives of a side (its timer's slots): the pano camera's first, then the feature's.
    void teacher_tcp_keepalive();
    void student_tcp_keepalive();
    QTimer *keepalive_timer(camera_slot::Side side) const;

    // The link's share of connection_timeout: the camera whose check failed lets go of its link,
    // loses its connected mark and its destination. The Part's kinds: 0 the teacher feature, 1 the
    // teacher pano, 2 the student pano camera; a student feature camera passes its own slot.
    void connection_timeout(camera_slot::Slot camera);

    const ControlLink &control() const { return m_link; }

signals:
    // The payload of a text frame of either link, for resolver_param.
    void textReply(const QByteArray &reply);
    // A VISCA command text had a bad token; nothing was sent ("Command format error").
    void commandFormatError();
    // A text command went to the camera by datagram, or its TCP port is closed: the main
    // window's reply socket must take its answers (ControlLink::expect_datagram_answers).
    void datagramAnswersExpected(const QHostAddress &from);

private:
    void start_link(camera_slot::Slot camera, const QString &address);

    CameraSlots m_cameras;
    ControlLink m_link{&m_cameras, ControlLink::Options::wizard()};
    link_choice::WizardStep m_step;
};
