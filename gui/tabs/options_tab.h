#pragma once

#include "maintenance/transfer_ports.h"
#include "model/section_values.h"
#include "protocol/control_frame.h"
#include "settings/port_forward.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

#include <vector>

class CameraPorts;
class ControlLink;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

#define OPTIONS_TAB_WIDGETS(X) \
    X(QPushButton, apply_port_Button) \
    X(QLineEdit, backup_port_Edit) \
    X(QPushButton, copyright_description_btn) \
    X(QComboBox, decoder_select_comboBox) \
    X(QComboBox, language_select_comboBox) \
    X(QCheckBox, port_map_checkBox) \
    X(QLineEdit, recorder_host_ip_Edit) \
    X(QLineEdit, recorder_password_Edit) \
    X(QLineEdit, recorder_student_ip_Edit) \
    X(QLineEdit, recorder_teacher_ip_Edit) \
    X(QLineEdit, recorder_username_Edit) \
    X(QLineEdit, rtsp_port_Edit) \
    X(QLineEdit, student_backup_port_Edit) \
    X(QLineEdit, student_rtsp_port_Edit) \
    X(QLineEdit, student_tcp_port_Edit) \
    X(QLineEdit, student_udp_port_Edit) \
    X(QLineEdit, student_visca_port_Edit) \
    X(QLineEdit, tcp_port_Edit) \
    X(QLineEdit, udp_port_Edit) \
    X(QLineEdit, upgrade_port_Edit) \
    X(QLineEdit, visca_port_Edit)

// What the Recorder Map Config tab's Apply tells the camera connections.
class OptionsTabSignals : public QObject
{
    Q_OBJECT

signals:
    // Every link was made on the old ports: each camera (and the free preview) lets go.
    void port_change_disconnect_wanted();
    // The teacher and student cameras are reached at the recording host's address.
    void camera_addresses_mapped(const QString &host);
    // The installer chose a language from the list.
    void language_chosen(int index);
};

// The Options tab's decoder choice, language list and About button, and the Recorder Map Config
// tab: its port and recorder fields, their change marks and the Apply that takes the ports into
// use and hands the mapping to the recording host.
class OptionsTab : public OptionsTabSignals, public TransferPorts
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        OPTIONS_TAB_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // port_fields: the Recorder Map Config tab's fields as typed; choices: the decoder entry.
    OptionsTab(const Widgets &widgets, CameraPorts &ports, portforward::Fields &port_fields, WindowChoices &choices,
               ControlLink &link, QWidget *window);
    // The settings file read the port group or the teacher group (the decoder): the tab shows it.
    void show_stored_ports();
    void show_stored_decoder();
    // The language is chosen only while no camera is connected.
    void cameras_connected_changed(bool any);
    // The language list shows the language in use.
    void show_language(int index);

    // The Recorder Map Config tab's texts as the Apply checks and uses them.
    portforward::Fields port_forward_fields() const;
    // The mapping in use with the recorder's addresses and backup ports as the fields hold them.
    transfer::PortMapping transfer_mapping() const override;
    // The Default button: the mapped ports, the search port and the recorder's defaults; each
    // field it changes marks the Apply.
    void write_default_ports();
    bool port_settings_changed() const { return m_port_settings_changed; }
    // The code-set texts the form's re-texting put back.
    void retranslate();

    // The port getters: the mapped port of the field, or the camera's own, stored as in use.
    QString get_teacher_rtsp_port();
    QString get_teacher_visca_port();
    QString get_teacher_udp_port();
    QString get_teacher_tcp_port();
    QString get_teacher_backup_port();
    QString get_student_rtsp_port();
    QString get_student_visca_port();
    QString get_student_udp_port();
    QString get_student_tcp_port();
    QString get_student_backup_port();
    QString get_upgrade_port();

    void on_decoder_select_comboBox_currentTextChanged(const QString &text);
    void on_copyright_description_btn_clicked();
    void on_apply_port_Button_clicked();

private:
    void mark_port_settings_changed();
    // The recorder's mapped ports as typed, which a frame header on the link translates back;
    // the link is told whenever a field or the mapping switch changes.
    control_frame::MappedPorts mapped_ports() const;
    void tell_link_mapped_ports();
    // Writes "camera.ini"; false when it failed (reported to the installer).
    bool write_camera_ini(const portforward::Fields &fields);
    // Starts the forwarding script once "camera.ini" has settled; false when it did not start
    // (reported to the installer).
    bool start_forwarding_script();

    // The port fields with their members, in the settings file's order.
    struct PortField {
        QString portforward::Fields::*member;
        QLineEdit *edit;
    };
    std::vector<PortField> port_field_edits() const;

    const Widgets ui;
    CameraPorts &m_ports;
    portforward::Fields &m_fields;
    WindowChoices &m_choices;
    ControlLink &m_link;
    QWidget *m_window;
    bool m_port_settings_changed = false;
};
