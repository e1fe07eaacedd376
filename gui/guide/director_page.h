#pragma once

#include "model/guide_data_update_manage.h"
#include "model/section_values.h"
#include "protocol/director_parameters.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRegularExpressionValidator;
class QStackedWidget;
class WizardLink;

#define DIRECTOR_PAGE_WIDGETS(X) \
    X(QComboBox, director_code_send_mode_comboBox) \
    X(QComboBox, director_command_type_comboBox) \
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
    X(QWidget, director_interior_board_blackboard_widget1) \
    X(QWidget, director_interior_board_blackboard_widget2) \
    X(QWidget, director_interior_board_blackboard_widget3) \
    X(QLineEdit, director_interior_board_blackboard_lineEdit) \
    X(QLineEdit, director_interior_board_blackboard_lineEdit_2) \
    X(QLineEdit, director_interior_board_blackboard_lineEdit_3) \
    X(QCheckBox, director_interior_student_feature_checkBox) \
    X(QLineEdit, director_interior_student_feature_lineEdit) \
    X(QCheckBox, director_interior_student_pano_checkBox) \
    X(QLineEdit, director_interior_student_pano_lineEdit) \
    X(QCheckBox, director_interior_teacher_feature_checkBox) \
    X(QLineEdit, director_interior_teacher_feature_lineEdit) \
    X(QCheckBox, director_interior_teacher_pano_checkBox) \
    X(QLineEdit, director_interior_teacher_pano_lineEdit) \
    X(QComboBox, director_protocol_comboBox) \
    X(QLineEdit, director_server_IP_Edit) \
    X(QLineEdit, director_server_Port_Edit) \
    X(QComboBox, director_strategy_comboBox) \
    X(QStackedWidget, director_strategy_stackedWidget) \
    X(QLineEdit, director_switch_auto_lineEdit) \
    X(QLineEdit, director_switch_manual_lineEdit)

class DirectorPageSignals : public QObject
{
    Q_OBJECT

signals:
    // The director block went to a side's pano camera (teacher_apply_pending,
    // student_apply_pending).
    void teacher_request_sent();
    void student_request_sent();
    // A send of the block began (true) or ended (false): its waits handle events, and the
    // wizard must not finish or move meanwhile, or the send goes on to cameras it let go.
    void sending(bool under_way);
};

// The director strategy page of the wizard: the director block built from it and sent to both
// pano cameras from the director step, its changed flag, a director reply's keys shown on the
// page, the validation of the code fields by command type and of the server fields, the
// strategy list's page and the interior blackboard rows of the camera layout.
class DirectorPage : public DirectorPageSignals
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        DIRECTOR_PAGE_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // The director strategy step's page of the wizard's stacked widget.
    static constexpr int kDirectorPage = 12;

    // pages: the wizard's stackedWidget, read only (the block goes only from the director step).
    DirectorPage(const Widgets &widgets, WizardLink &link, const Guide_Data_Update_Manage &addresses,
                 const QStackedWidget &pages, QWidget *window);

    DirectorSection section() const;
    bool params_changed() const { return director_params_changed; }
    void mark_changed() { director_params_changed = true; }
    void clear_changed() { director_params_changed = false; }

    void director_apply();
    void slot_director();
    // A director reply's values (director_parameters::read_answer's items in the wizard's
    // groups) onto the page, each logged with its key.
    void show_reply(const QVector<director_parameters::ReadItem> &items);
    // Command type 1 hex digits and blanks, 2 letters, digits and blanks, any other no rule: the
    // twenty code fields' validation.
    void set_director_command_validator(int type);
    // The interior blackboard rows of the camera layout (0..3): the first one without the six
    // camera layout, the second and third with it; a row shown is checked.
    void set_layout(int layout);

private:
    QVector<QLineEdit *> code_fields() const;
    void on_director_strategy_comboBox_currentIndexChanged(int index);
    void show_field(const DirectorSection &values, director_parameters::Field field);

    const Widgets ui;
    WizardLink &m_link;
    const Guide_Data_Update_Manage &m_addresses;
    const QStackedWidget &m_pages;
    QWidget *m_window;
    bool director_params_changed = false;
    int m_sends = 0; // sends under way: an edit during a send's wait sends the block again inside it
    // One validator per rule, made once: every reply used to make twenty new ones.
    QRegularExpressionValidator *m_validators[3] = {};
};
