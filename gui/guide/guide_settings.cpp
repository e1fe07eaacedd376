#include "guide/guide_settings.h"

#include "model/guide_state.h"
#include "settings/config_values.h"
#include "settings/guide_keys.h"
#include "settings/settings_path.h"
#include "settings/unreadable_config.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QFile>
#include <QLabel>
#include <QList>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>

using camera_slot::Slot;

namespace {
constexpr char kFirstRunMode[] = "2"; // binocular: the mode of a camera pair out of the box
constexpr int kModeCount = 5;          // the wizard's modes "0" to "4"; the lectern mode is the window's

constexpr Slot kRecordOrder[] = {Slot::TeacherFeature, Slot::TeacherPano, Slot::StudentFeature,
                                 Slot::StudentPano,    Slot::BoardFeature, Slot::BoardPano};
bool kept_unreadable(const QString &path)
{
    if (!QFile::exists(path) || !unreadable_config::examine(path).set_aside())
        return false;
    qWarning().noquote() << "GuideConfig: config.ini" << path << "cannot be read or is cut short: it is left as it is";
    return true;
}
} // namespace

GuideSettings::GuideSettings(const Widgets &widgets, GuideState &state)
    : w(widgets)
    , m_state(state)
{
}

void GuideSettings::gather(config::Stored &stored) const
{
    TeacherSection &t = stored.teacher;
    t.losing_object_strategy = w.target_lost_action_comboBox->currentIndex();
    t.target_lost_timeout_index = w.teacher_target_lost_timeout_Slider->value();
    t.time_to_pano_delay = w.teacher_target_lost_timeout_label->text().toInt();
    t.multi_object_strategy = w.multi_objective_action_comboBox->currentIndex();
    t.auto_tracking = w.teacher_starting_up_checkBox->isChecked();
    t.manual_focus = w.teacher_manual_focus_checkBox->isChecked();
    t.auto_tilt = w.teacher_vertical_movement_checkBox->isChecked();
    t.board_detect_enable = w.teacher_board_enable_checkBox->isChecked();
    t.board_detect_time = {w.teacher_board_detect_label->text(), w.teacher_board_detect_Slider->value()};
    t.board_continue_time = {w.teacher_board_hold_label->text(), w.teacher_board_hold_Slider->value()};
    stored.student.feature_continue_max_time = w.student_feature_continue_time_label->value();
    stored.student.face_detect = w.student_face_detect_checkBox->isChecked();
}

void GuideSettings::show(const config::Stored &stored)
{
    // In the order the file is read: a slider's slots run before its label is set.
    const TeacherSection &t = stored.teacher;
    w.student_feature_continue_time_label->setValue(stored.student.feature_continue_max_time);
    w.student_face_detect_checkBox->setChecked(stored.student.face_detect);
    w.target_lost_action_comboBox->setCurrentIndex(t.losing_object_strategy);
    w.teacher_target_lost_timeout_Slider->setValue(t.target_lost_timeout_index);
    w.teacher_target_lost_timeout_label->setText(QString::number(t.time_to_pano_delay));
    w.multi_objective_action_comboBox->setCurrentIndex(t.multi_object_strategy);
    w.teacher_starting_up_checkBox->setChecked(t.auto_tracking);
    w.teacher_manual_focus_checkBox->setChecked(t.manual_focus);
    w.teacher_vertical_movement_checkBox->setChecked(t.auto_tilt);
    w.teacher_board_enable_checkBox->setChecked(t.board_detect_enable);
    w.teacher_board_detect_Slider->setValue(t.board_detect_time.position);
    w.teacher_board_detect_label->setText(t.board_detect_time.text);
    w.teacher_board_hold_Slider->setValue(t.board_continue_time.position);
    w.teacher_board_hold_label->setText(t.board_continue_time.text);
}

QStringList GuideSettings::readFileConfig()
{
    const QString path = settings_file_path();
    // A file the main window could not read, or found cut short, and could not move aside is
    // kept as it was found: the wizard neither reads it (it may be a FIFO) nor writes into it.
    if (!QFile::exists(path) || kept_unreadable(path)) {
        m_state.currentMode = QLatin1String(kFirstRunMode);
        m_state.current_state = QStringLiteral("0");
        m_state.current_number_camera = 0;
        return {};
    }
    QSettings settings(path, QSettings::IniFormat);
    // A list whose stored code names no entry keeps the entry it shows.
    config::Stored stored;
    gather(stored);
    m_state.current_state = guide_keys::read(settings, stored);
    m_state.current_number_camera = stored.choices.camera_layout;
    m_state.currentMode = config::text_of(settings.value(QStringLiteral("TEACHER_CONF/Tracking_Mode")));
    show(stored);
    QStringList addresses;
    for (Slot camera : kRecordOrder)
        addresses << stored.address_fields[size_t(camera)];
    qDebug() << "GuideConfig::readFileConfig:" << addresses.value(0) << addresses.value(2) << addresses.value(1)
             << addresses.value(3) << addresses.value(4);
    return addresses;
}

bool GuideSettings::writeFileConfig(const QStringList &addresses)
{
    config::Stored stored;
    gather(stored);
    for (int i = 0; i < camera_slot::kSlotCount; ++i)
        stored.address_fields[size_t(kRecordOrder[i])] = addresses.value(i);
    stored.choices.camera_layout = m_state.current_number_camera;
    bool mode_ok = false;
    const int mode = m_state.currentMode.toInt(&mode_ok);
    stored.teacher.tracking_mode = mode_ok && mode >= 0 && mode < kModeCount ? mode : -1;

    if (kept_unreadable(settings_file_path()))
        return false;
    QSettings settings(settings_file_path(), QSettings::IniFormat);
    guide_keys::write(settings, stored);
    settings.sync();
    // The file holds the cameras' addresses: the installer's alone, as the window writes it.
    QFile::setPermissions(settings_file_path(), QFile::ReadOwner | QFile::WriteOwner);
    if (settings.status() != QSettings::NoError) {
        qWarning() << "GuideConfig::writeFileConfig could not write" << settings_file_path();
        return false;
    }
    return true;
}

void GuideSettings::set_enabled(int type, bool status)
{
    QList<QWidget *> controls;
    if (type == 0)
        controls = {w.target_lost_action_comboBox,   w.teacher_target_lost_timeout_Slider,
                    w.multi_objective_action_comboBox, w.teacher_starting_up_checkBox,
                    w.teacher_vertical_movement_checkBox, w.teacher_board_enable_checkBox,
                    w.teacher_board_detect_Slider,   w.teacher_board_hold_Slider};
    else if (type == 1)
        controls = {w.student_feature_continue_time_label, w.student_face_detect_checkBox};
    for (QWidget *control : controls)
        control->setEnabled(status);
}

Guide_Data_Update_Manage GuideSettings::record_of(const QVariant &data)
{
    if (data.canConvert<Guide_Data_Update_Manage>())
        return data.value<Guide_Data_Update_Manage>();
    return {};
}
