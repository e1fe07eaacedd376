#include "mainwindow/settings_file.h"

#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "settings/config_values.h"
#include "protocol/reply_values.h"
#include "seams/message_box.h"
#include "settings/config_tables.h"
#include "settings/language_table.h"
#include "settings/port_settings.h"
#include "settings/guide_keys.h"
#include "settings/settings_path.h"
#include "settings/settings_writer.h"
#include "settings/unreadable_config.h"
#include "settings/upgrade_types.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QSettings>

namespace {

// The upgrade target address a fresh installation starts with.
const char *const kDefaultUpgradeAddress = "192.168.1.188";
// A cut may take a hundred keys: the box and the log name the first ones and the count.
constexpr int kNamedKeys = 8;

// Where each port key leaves what the loader makes of it.
struct PortMembers {
    const char *key;
    QString CameraPorts::Values::*stored; // the stored text, as read
    QString CameraPorts::Values::*text;   // the port in use, for the RTSP ports
    int CameraPorts::Values::*number;     // the port in use, for the other camera ports
};
const PortMembers kPortMembers[] = {
    {"T_RTSP_Port", &CameraPorts::Values::T_RTSP_Port, &CameraPorts::Values::teacher_rtsp_port, nullptr},
    {"T_Visca_Port", &CameraPorts::Values::T_Visca_Port, nullptr, &CameraPorts::Values::teacher_visca_port},
    {"T_UDP_Port", &CameraPorts::Values::T_UDP_Port, nullptr, &CameraPorts::Values::teacher_udp_port},
    {"T_TCP_Port", &CameraPorts::Values::T_TCP_Port, nullptr, &CameraPorts::Values::teacher_tcp_port},
    {"T_Backup_Port", &CameraPorts::Values::T_Backup_Port, nullptr, nullptr},
    {"S_RTSP_Port", &CameraPorts::Values::S_RTSP_Port, &CameraPorts::Values::student_rtsp_port, nullptr},
    {"S_Visca_Port", &CameraPorts::Values::S_Visca_Port, nullptr, &CameraPorts::Values::student_visca_port},
    {"S_UDP_Port", &CameraPorts::Values::S_UDP_Port, nullptr, &CameraPorts::Values::student_udp_port},
    {"S_TCP_Port", &CameraPorts::Values::S_TCP_Port, nullptr, &CameraPorts::Values::student_tcp_port},
    {"S_Backup_Port", &CameraPorts::Values::S_Backup_Port, nullptr, nullptr},
    {"Mcast_Port", &CameraPorts::Values::Mcast_Port, nullptr, nullptr},
};

const PortMembers &port_members(const char *key)
{
    for (const PortMembers &m : kPortMembers) {
        if (qstrcmp(m.key, key) == 0)
            return m;
    }
    Q_UNREACHABLE();
}

QString full_key(const char *group, const char *key)
{
    return QString::fromLatin1(group) + QLatin1Char('/') + QString::fromLatin1(key);
}

QString stored_text(QSettings &settings, const QString &key) { return config::text_of(settings.value(key)); }

} // namespace

SettingsFile::SettingsFile(QWidget *form_root, CameraPorts &ports, const Values &values)
    : m_root(form_root)
    , m_ports(ports)
    , m_values(values)
{
}

void SettingsFile::load_config()
{
    m_loading_config = true;
    load_groups();
    m_loading_config = false;
}

void SettingsFile::take_wizard_keys()
{
    if (m_keeps_unreadable_file)
        return;
    QSettings settings(settings_file_path(), QSettings::IniFormat);
    m_loading_config = true;
    config::Stored stored = gather();
    // A key the wizard could not store (no file, an unwritable folder) is no value of 0: the
    // window's own stays, and its next Apply sends it.
    guide_keys::read_held_keys_into(settings, guide_keys::option_keys(), stored);
    distribute(stored);
    emit teacher_group_loaded();
    emit student_group_loaded();
    m_loading_config = false;
}

void SettingsFile::load_groups()
{
    // The language follows the system; the stored one does not decide it.
    const int languageIndex = language::index_for_locale(QLocale().language());
    emit system_language_taken(languageIndex);

    const QString path = settings_file_path();
    if (!QFileInfo::exists(path)) {
        qDebug() << "不存在配置文件";
        load_first_run_defaults(languageIndex);
        return;
    }
    const unreadable_config::Verdict verdict = unreadable_config::examine(path);
    if (verdict.set_aside()) {
        set_aside_unreadable(path, verdict.cut_off);
        load_first_run_defaults(languageIndex);
        return;
    }

    QSettings settings(path, QSettings::IniFormat);
    emit translator_wanted(languageIndex);

    load_port_group(settings);
    const CameraPorts::Values &p = m_ports.values();
    qDebug() << "rtsp_port:" << p.T_RTSP_Port << ",visca_port:" << p.T_Visca_Port << ",udp_port:" << p.T_UDP_Port
             << ",tcp_port:" << p.T_TCP_Port << ",backup_port:" << p.T_Backup_Port << ",upgrade_port:" << p.Mcast_Port;
    load_upgrade_group(settings);
    emit upgrade_group_loaded(true);

    // Each group's owners show it before the next group is read, as the groups come in the file.
    for (const config::GroupTable *group : config::tab_groups()) {
        // As the owners showed the groups before: a list or a spin box may have taken another
        // value than the file gave.
        config::Stored stored = gather();
        const QStringList taken = config::read_group(settings, *group, stored);
        distribute(stored);
        if (group == &config::teacher_group())
            emit teacher_group_loaded();
        else if (group == &config::student_group())
            emit student_group_loaded();
        else if (group == &config::board_group())
            emit board_group_loaded();
        else
            emit director_group_loaded(taken.contains(QLatin1String("Command_Type")),
                                       taken.contains(QLatin1String("Director_Strategy")));
    }
}

config::Stored SettingsFile::gather() const
{
    config::Stored s;
    s.teacher = m_values.teacher;
    s.student = m_values.student;
    s.board = m_values.board;
    s.director = m_values.director;
    for (int i = 0; i < camera_slot::kSlotCount; ++i)
        s.address_fields[size_t(i)] = m_values.cameras[camera_slot::Slot(i)].field_text;
    for (int i = 0; i < StudentRegionPoints::kStoredPointCount; ++i)
        s.student_points[size_t(i)] = m_values.student_points.stored_point(i);
    s.choices = m_values.choices;
    return s;
}

void SettingsFile::distribute(const config::Stored &s)
{
    m_values.teacher = s.teacher;
    m_values.student = s.student;
    m_values.board = s.board;
    m_values.director = s.director;
    for (int i = 0; i < camera_slot::kSlotCount; ++i)
        m_values.cameras[camera_slot::Slot(i)].field_text = s.address_fields[size_t(i)];
    for (int i = 0; i < StudentRegionPoints::kStoredPointCount; ++i)
        m_values.student_points.stored_point(i) = s.student_points[size_t(i)];
    m_values.choices = s.choices;
}

void SettingsFile::load_first_run_defaults(int languageIndex)
{
    emit translator_wanted(languageIndex);
    emit defaults_wanted();
    emit defaults_taken();
    m_upgrade.upgrade_mode = QStringLiteral("Simple");
    m_upgrade.upgrade_verify = true;
    m_upgrade.ip_address = QString::fromLatin1(kDefaultUpgradeAddress);
    take_upgrade_type(QStringLiteral("AUTO"));
    emit upgrade_group_loaded(false);
}

void SettingsFile::take_upgrade_type(const QString &type)
{
    // The entry the type list shows for the stored type; a mode without a list shows none.
    if (const auto choice = upgrade::type_choice(m_upgrade.upgrade_mode, type)) {
        m_upgrade.type_text = upgrade::type_items(m_upgrade.upgrade_mode).value(choice->index);
        m_upgrade.upgradeModel = choice->code;
    } else {
        m_upgrade.type_text.clear();
    }
}

void SettingsFile::set_aside_unreadable(const QString &path, const QStringList &cut_off)
{
    const QDateTime now = QDateTime::currentDateTime();
    QString aside;
    QString why;
    QString text;
    const bool cut = !cut_off.isEmpty();
    QString keys = cut_off.mid(0, kNamedKeys).join(QStringLiteral(", "));
    if (cut_off.size() > kNamedKeys)
        keys += QStringLiteral(", ...");
    const QString logged =
        cut ? QStringLiteral("config.ini: %1 is cut short, %2 keys that every save writes are missing (%3)")
                  .arg(path, QString::number(cut_off.size()), keys)
            : QStringLiteral("config.ini: %1 cannot be read").arg(path);
    if (unreadable_config::set_aside(path, now, &aside, &why)) {
        qDebug().noquote() << QStringLiteral("%1, it was moved to %2; the defaults are used").arg(logged, aside);
        text = cut ? tr("The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). "
                        "It was moved to %4, and the tool starts from the default settings.")
                         .arg(QDir::toNativeSeparators(path), QString::number(cut_off.size()), keys,
                              QDir::toNativeSeparators(aside))
                   : tr("The settings file %1 cannot be read. It was moved to %2, and the tool starts from the default "
                        "settings.")
                         .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside));
    } else {
        // Kept whole for the installer to look at: no save may replace it.
        m_keeps_unreadable_file = true;
        qDebug().noquote() << QStringLiteral("%1, and it cannot be moved to %2 (%3); it is kept, the defaults are used "
                                             "and no save replaces it")
                                  .arg(logged, aside, why);
        text = cut ? tr("The settings file %1 is cut short: keys that every save writes are missing (%2 in all: %3). "
                        "It cannot be moved aside: %4.\nIt is kept as it is, the tool starts from the default "
                        "settings, and settings cannot be saved until it is removed.")
                         .arg(QDir::toNativeSeparators(path), QString::number(cut_off.size()), keys, why)
                   : tr("The settings file %1 cannot be read, and it cannot be moved aside: %2.\nIt is kept as it is, "
                        "the tool starts from the default settings, and settings cannot be saved until it is removed.")
                         .arg(QDir::toNativeSeparators(path), why);
    }
    msgbox::warning(m_root, tr("Warning"), text);
}

void SettingsFile::load_port_group(QSettings &settings)
{
    bool &recorder_port_map_enabled = m_ports.edit().recorder_port_map_enabled;
    recorder_port_map_enabled = settings.value(QStringLiteral("PORT_CONF/Recorder_Port_Map_Enabled")).toBool();
    portforward::Fields &fields = m_values.port_fields;
    fields.mapping = recorder_port_map_enabled;

    for (const ports::PortRow &row : ports::port_rows()) {
        const QString stored = stored_text(settings, full_key("PORT_CONF", row.key));
        const PortMembers &members = port_members(row.key);
        CameraPorts::Values &ports = m_ports.edit();
        const ports::PortDecision decision = ports::decide_port(row, stored, recorder_port_map_enabled);
        if (decision.replaced)
            qDebug().noquote() << QStringLiteral("config.ini: PORT_CONF/%1 %2 is no port from 1 to 65535, the default %3 is used")
                                      .arg(QLatin1String(row.key), stored, QLatin1String(row.mapped_default));
        ports.*members.stored = decision.replaced ? decision.field_text : stored;
        if (members.text)
            ports.*members.text = decision.member_text;
        if (members.number)
            ports.*members.number = reply_values::number(decision.member_text);
        fields.*row.field = decision.field_text;
    }

    CameraPorts::Values &v = m_ports.edit();
    QString *const recorderMembers[] = {&v.recorder_username, &v.recorder_password, &v.recorder_host_ip,
                                        &v.recorder_teacher_ip, &v.recorder_student_ip};
    int i = 0;
    for (const ports::RecorderRow &row : ports::recorder_rows()) {
        const QString stored = stored_text(settings, full_key("PORT_CONF", row.key));
        *recorderMembers[i++] = stored;
        fields.*row.field = ports::recorder_field_text(row, stored);
    }
    emit port_group_loaded();
}

void SettingsFile::load_upgrade_group(QSettings &settings)
{
    m_upgrade.upgrade_verify = settings.value(QStringLiteral("UPGRADE/verify")).toBool();
    m_upgrade.upgrade_auto_backup = settings.value(QStringLiteral("UPGRADE/auto_backup")).toBool();
    m_upgrade.upgrade_model_type = settings.value(QStringLiteral("UPGRADE/model_type")).toBool();

    m_upgrade.upgrade_mode = stored_text(settings, QStringLiteral("UPGRADE/mode"));
    m_upgrade.ip_address = stored_text(settings, QStringLiteral("UPGRADE/ipaddr"));
    m_upgrade.upgrade_file_path = stored_text(settings, QStringLiteral("UPGRADE/path"));
    m_upgrade.file_field = m_upgrade.upgrade_file_path;
    take_upgrade_type(stored_text(settings, QStringLiteral("UPGRADE/type")));
    m_upgrade.work_type = upgrade::work_type_for(m_upgrade.upgrade_model_type);
}

bool SettingsFile::keeps_unreadable_file() const
{
    // Once the installer has removed it, the next save writes a new file.
    return m_keeps_unreadable_file && QFileInfo::exists(settings_file_path());
}

QVariant SettingsFile::stored_value(const QString &key) const
{
    if (keeps_unreadable_file())
        return QVariant();
    return QSettings(settings_file_path(), QSettings::IniFormat).value(key);
}

bool SettingsFile::save_config()
{
    if (keeps_unreadable_file()) {
        qDebug() << "MainWindow::save_config failed, the unreadable config.ini is kept:" << settings_file_path();
        return false;
    }
    m_keeps_unreadable_file = false;
    return rewrite_settings_file(settings_file_path(), [this](QSettings &settings) {
        settings.beginGroup(QStringLiteral("LANGUAGE_CONF"));
        if (const auto name = language::name_for_index(m_values.choices.language_index))
            settings.setValue(QStringLiteral("language"), *name);
        settings.endGroup();

        settings.beginGroup(QStringLiteral("PORT_CONF"));
        for (const char *key : ports::port_save_order()) {
            const QString k = QString::fromLatin1(key);
            if (k == QLatin1String("Recorder_Port_Map_Enabled")) {
                // The switch's state reaches the file only once the port settings are applied.
                settings.setValue(k, m_ports.port_map_enabled());
                continue;
            }
            QString portforward::Fields::*field = nullptr;
            for (const ports::PortRow &row : ports::port_rows())
                field = qstrcmp(row.key, key) == 0 ? row.field : field;
            for (const ports::RecorderRow &row : ports::recorder_rows())
                field = qstrcmp(row.key, key) == 0 ? row.field : field;
            if (field)
                settings.setValue(k, m_values.port_fields.*field);
        }
        settings.endGroup();

        settings.beginGroup(QStringLiteral("UPGRADE"));
        const QMap<QString, QVariant> upgradeValues = {
            {QStringLiteral("mode"), m_upgrade.upgrade_mode},
            {QStringLiteral("verify"), m_upgrade.upgrade_verify},
            {QStringLiteral("auto_backup"), m_upgrade.upgrade_auto_backup},
            {QStringLiteral("model_type"), m_upgrade.upgrade_model_type},
            {QStringLiteral("type"), m_upgrade.type_text},
            {QStringLiteral("ipaddr"), m_upgrade.ip_address},
            {QStringLiteral("path"), m_upgrade.file_field},
        };
        for (const char *key : upgrade::save_order())
            settings.setValue(QString::fromLatin1(key), upgradeValues.value(QString::fromLatin1(key)));
        settings.endGroup();

        const config::Stored stored = gather();
        for (const config::GroupTable *group : config::tab_groups())
            config::write_group(settings, *group, stored);
    });
}
