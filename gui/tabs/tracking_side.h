#pragma once

#include "model/camera_slot.h"

#include <QCoreApplication>
#include <QString>

class CameraPorts;
class CameraSlots;
class ControlLink;
class QComboBox;
class QPushButton;
class QWidget;

// What the Teacher and Student tabs do alike to their side's pano camera: the tracking command,
// the switch between the camera's two stored tracking configurations, the pano focus mode, and
// the check that keeps Obtain and Apply off while the camera tracks. Nothing here waits for an
// answer: a lost command shows only in the next status or reply.
class TrackingSide
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        QComboBox *config_comboBox = nullptr;
        QPushButton *obtain_Button = nullptr;
        QPushButton *apply_Button = nullptr;
    };
    class Host
    {
    public:
        virtual ~Host() = default;
        // The side's own start or stop, with the controls its tracking locks.
        virtual void tracking(bool start) = 0;
        // The side's region display box usable or not (the region views keep it).
        virtual void enable_region_display(bool enable) = 0;
    };

    // cur_track_status: 1 while the pano tracks, 2 once stopped; the status replies write it too.
    TrackingSide(camera_slot::Side side, const Widgets &widgets, const CameraSlots &cameras, const CameraPorts &ports,
                 ControlLink &link, int &cur_track_status, Host &host, QWidget *window);

    bool pano_connected() const;
    // False (and the installer warned) when the pano camera is not connected.
    bool pano_connected_or_warn();
    int cur_track_status() const { return m_status; }
    void set_cur_track_status(int status) { m_status = status; }

    void send_tracking_command(const QString &word);
    // The list shows the other entry than index: a switch that did not happen.
    void set_config_combo(int index);
    // The camera cannot switch while it tracks: the installer may stop the tracking first.
    void switch_tracking_config(int index);
    void send_pano_focus(bool manual);
    void set_obtain_apply_enabled(bool enable);
    void track_check(bool enable);

private:
    bool teacher() const { return m_side == camera_slot::Side::Teacher; }
    camera_slot::Slot pano() const;

    const camera_slot::Side m_side;
    const Widgets ui;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    int &m_status;
    Host &m_host;
    QWidget *m_window;
};
