#pragma once

#include "model/camera_slot.h"
#include "model/section_values.h"
#include "protocol/director_parameters.h"
#include "protocol/request_poller.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

#include <array>

class CameraPorts;
class CameraSlots;
class ControlLink;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

#define DIRECTOR_TAB_WIDGETS(X) \
    X(QPushButton, director_apply_Button) \
    X(QLineEdit, director_board_IP_Edit) \
    X(QLineEdit, director_camera_Baudrate_Edit) \
    X(QLineEdit, director_camera_Port_Edit) \
    X(QRadioButton, director_code_send_mode_continuously_radioButton) \
    X(QRadioButton, director_code_send_mode_single_radioButton) \
    X(QRadioButton, director_code_send_mode_triple_radioButton) \
    X(QRadioButton, director_command_type_ascii_radioButton) \
    X(QRadioButton, director_command_type_hex_radioButton) \
    X(QPushButton, director_default_Button) \
    X(QCheckBox, director_external_board_have_action_checkBox) \
    X(QLineEdit, director_external_board_have_action_lineEdit) \
    X(QCheckBox, director_external_board_none_action_checkBox) \
    X(QLineEdit, director_external_board_none_action_lineEdit) \
    X(QCheckBox, director_external_student_feature_in_place_checkBox) \
    X(QLineEdit, director_external_student_feature_in_place_lineEdit) \
    X(QCheckBox, director_external_student_multi_objective_checkBox) \
    X(QLineEdit, director_external_student_multi_objective_lineEdit) \
    X(QCheckBox, director_external_student_sat_down_checkBox) \
    X(QLineEdit, director_external_student_sat_down_lineEdit) \
    X(QCheckBox, director_external_student_stood_up_checkBox) \
    X(QLineEdit, director_external_student_stood_up_lineEdit) \
    X(QCheckBox, director_external_teacher_moving_checkBox) \
    X(QLineEdit, director_external_teacher_moving_lineEdit) \
    X(QCheckBox, director_external_teacher_multi_objective_checkBox) \
    X(QLineEdit, director_external_teacher_multi_objective_lineEdit) \
    X(QCheckBox, director_external_teacher_on_the_platform_checkBox) \
    X(QLineEdit, director_external_teacher_on_the_platform_lineEdit) \
    X(QCheckBox, director_external_teacher_still_checkBox) \
    X(QLineEdit, director_external_teacher_still_lineEdit) \
    X(QCheckBox, director_external_teacher_under_the_platform_checkBox) \
    X(QLineEdit, director_external_teacher_under_the_platform_lineEdit) \
    X(QCheckBox, director_interior_board_blackboard_checkBox) \
    X(QCheckBox, director_interior_board_blackboard_checkBox_2) \
    X(QCheckBox, director_interior_board_blackboard_checkBox_3) \
    X(QLineEdit, director_interior_board_blackboard_lineEdit) \
    X(QLineEdit, director_interior_board_blackboard_lineEdit_2) \
    X(QLineEdit, director_interior_board_blackboard_lineEdit_3) \
    X(QSlider, director_interior_min_switch_time_Slider) \
    X(QLabel, director_interior_min_switch_time_label) \
    X(QCheckBox, director_interior_student_feature_checkBox) \
    X(QLineEdit, director_interior_student_feature_lineEdit) \
    X(QCheckBox, director_interior_student_pano_checkBox) \
    X(QLineEdit, director_interior_student_pano_lineEdit) \
    X(QCheckBox, director_interior_teacher_feature_checkBox) \
    X(QLineEdit, director_interior_teacher_feature_lineEdit) \
    X(QCheckBox, director_interior_teacher_pano_checkBox) \
    X(QLineEdit, director_interior_teacher_pano_lineEdit) \
    X(QSpinBox, director_keep_interval_label) \
    X(QSpinBox, director_moving_interval_label) \
    X(QSpinBox, director_multi_interval_label) \
    X(QPushButton, director_obtain_Button) \
    X(QRadioButton, director_protocol_serial_radioButton) \
    X(QRadioButton, director_protocol_tcp_radioButton) \
    X(QRadioButton, director_protocol_udp_radioButton) \
    X(QLineEdit, director_server_IP_Edit) \
    X(QLineEdit, director_server_Port_Edit) \
    X(QRadioButton, director_strategy_external_radioButton) \
    X(QRadioButton, director_strategy_interior_radioButton) \
    X(QLineEdit, director_student_IP_Edit) \
    X(QLineEdit, director_switch_auto_lineEdit) \
    X(QLineEdit, director_switch_manual_lineEdit) \
    X(QLineEdit, director_teacher_IP_Edit) \
    X(QLabel, label_48) \
    X(QLabel, label_52) \
    X(QLabel, label_53)

// What the Director tab tells.
class DirectorTabSignals : public QObject
{
    Q_OBJECT

signals:
    // A request of this kind went out and waits for the camera's echo (never silent here).
    void request_armed(request_poller::Kind kind, bool silent);
};

// The Director tab: the director block sent to both pano cameras, its Obtain, the reading of
// the cameras' director answers, the Default, the strategy's controls, the code fields'
// validators by command type, and the tab's change marks.
class DirectorTab : public DirectorTabSignals
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        DIRECTOR_TAB_WIDGETS(CORVANE_WIDGET_MEMBER)
    };

    // values: the director section the tab shows and edits; choices: in the six-camera layout
    // Board 1 and Board 2 take the single blackboard view's place; teacher and student: a
    // customer model has no single blackboard camera.
    DirectorTab(const Widgets &widgets, DirectorSection &values, const CameraSlots &cameras, const CameraPorts &ports,
                ControlLink &link, const WindowChoices &choices, const TeacherSection &teacher,
                const StudentSection &student, const bool &loading_config, QWidget *window);

    // The tab's values as the director block sends them: without an address of its own for the
    // blackboard camera, the Board 1 camera's (its field's address part).
    DirectorSection director_settings() const;
    // A director answer of a pano camera into the tab, by the groups its routing lines name.
    void read_director_section(const QString &text);
    // A pano camera's answer echoed a request of this kind: the second block of an Apply or
    // Obtain follows the first one's answer.
    void request_echoed(request_poller::Kind kind);
    // The settings file read the director group into the section: the tab shows it. A command
    // type or strategy the file named sets the code fields' validator or the strategy's controls.
    void show_stored(bool command_type_named, bool strategy_named);
    // The tab's values count as applied (a fresh installation's defaults).
    void show_applied();
    void set_director_defaults();
    // Strategy 0 external, 1 interior: enable true switches that strategy's controls on and
    // the other's off, false the other way round; any other strategy changes nothing.
    void set_director_widgets(int strategy, bool enable);
    // The customer model has no board cameras: the external strategy and the blackboard view go.
    void disable_board_controls();
    // One board camera or two: one blackboard code, or one per board camera.
    void show_board_view(bool two_boards);
    // A pano camera's address as the recording host is to reach it; gone with its camera.
    void pano_address_known(camera_slot::Side side, const QString &address);
    void pano_camera_released(camera_slot::Side side);
    void board_pano_released();
    // Command type 1 hex codes, 2 any text: each code field's validator.
    void set_director_command_validator(int command_type);

    void on_director_default_Button_clicked();
    void on_director_interior_min_switch_time_Slider_sliderMoved(int value);
    void on_director_interior_min_switch_time_Slider_valueChanged(int value);
    void on_director_strategy_external_radioButton_clicked(bool checked);
    void on_director_strategy_external_radioButton_clicked();
    void on_director_strategy_interior_radioButton_clicked(bool checked);
    void on_director_strategy_interior_radioButton_clicked();
    void on_director_command_type_hex_radioButton_clicked(bool checked);
    void on_director_command_type_hex_radioButton_clicked();
    void on_director_command_type_ascii_radioButton_clicked(bool checked);
    void on_director_command_type_ascii_radioButton_clicked();
    void on_director_apply_Button_clicked();
    void on_director_obtain_Button_clicked();

private:
    std::array<int, request_poller::kKindCount> m_echoes{}; // answers seen, by request kind
    void show_director_value(director_parameters::Field field);
    // The section follows its widgets.
    void keep_values();
    // "Apply(*)": a click on a choice or a box, and a typed change outside the settings load.
    void mark_changed();
    void mark_changed_unless_loading();

    const Widgets ui;
    DirectorSection &m_values;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    const WindowChoices &m_choices;
    const TeacherSection &m_teacher;
    const StudentSection &m_student;
    const bool &m_loading_config;
    QWidget *m_window;
};
