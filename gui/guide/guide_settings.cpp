#include "guide/guide_settings.h"

#include "model/guide_state.h"
#include "settings/config_values.h"
#include "settings/guide_keys.h"
#include "settings/settings_path.h"
#include "settings/unreadable_config.h"

#include <QDebug>
#include <QFile>
#include <QSettings>

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

GuideSettings::GuideSettings(GuideState &state, StoredOptions<TeacherSection> &teacher,
                             StoredOptions<StudentSection> &student)
    : m_state(state)
    , m_teacher(teacher)
    , m_student(student)
{
}

void GuideSettings::gather(config::Stored &stored) const
{
    m_teacher.store_options(stored.teacher);
    m_student.store_options(stored.student);
}

void GuideSettings::show(const config::Stored &stored)
{
    m_student.show_options(stored.student);
    m_teacher.show_options(stored.teacher);
}

QStringList GuideSettings::readFileConfig()
{
    const QString path = settings_file_path();
    // A file the main window could not read, or found cut short, and could not move aside is
    // kept as it was found: the wizard neither reads it (it may be a FIFO) nor writes into it.
    if (!QFile::exists(path) || kept_unreadable(path)) {
        m_stored_mode = QLatin1String(kFirstRunMode);
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
    m_stored_mode = config::text_of(settings.value(QStringLiteral("TEACHER_CONF/Tracking_Mode")));
    show(stored);
    QStringList addresses;
    for (Slot camera : kRecordOrder)
        addresses << stored.address_fields[size_t(camera)];
    qDebug() << "GuideConfig::readFileConfig:" << addresses.value(0) << addresses.value(2) << addresses.value(1)
             << addresses.value(3) << addresses.value(4);
    return addresses;
}

bool GuideSettings::writeFileConfig(const QStringList &addresses, const QString &mode_text)
{
    config::Stored stored;
    gather(stored);
    for (int i = 0; i < camera_slot::kSlotCount; ++i)
        stored.address_fields[size_t(kRecordOrder[i])] = addresses.value(i);
    stored.choices.camera_layout = m_state.current_number_camera;
    bool mode_ok = false;
    const int mode = mode_text.toInt(&mode_ok);
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

Guide_Data_Update_Manage GuideSettings::record_of(const QVariant &data)
{
    if (data.canConvert<Guide_Data_Update_Manage>())
        return data.value<Guide_Data_Update_Manage>();
    return {};
}
