#include "mainwindow/settings_file.h"

#include "model/camera_ports.h"
#include "protocol/reply_values.h"
#include "seams/message_box.h"
#include "settings/config_tables.h"
#include "settings/config_values.h"
#include "model/slider_text.h"
#include "settings/language_table.h"
#include "settings/port_settings.h"
#include "settings/settings_path.h"
#include "settings/settings_writer.h"
#include "settings/unreadable_config.h"
#include "settings/upgrade_types.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

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

// A control of the form by object name; the key tables are checked against the form by a test.
template <class T>
T *control(const QObject *root, const char *name)
{
    T *found = name ? root->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    if (!found)
        qWarning() << "config.ini: no control" << name;
    return found;
}

} // namespace

SettingsFile::SettingsFile(const Widgets &widgets, QWidget *form_root, CameraPorts &ports, Host &host)
    : ui(widgets)
    , m_root(form_root)
    , m_ports(ports)
    , m_host(host)
{
}

void SettingsFile::load_config()
{
    m_loading_config = true;
    load_groups();
    m_loading_config = false;
}

void SettingsFile::load_groups()
{
    // The language follows the system; the stored one does not decide it.
    const int languageIndex = language::index_for_locale(QLocale().language());
    m_host.take_system_language(languageIndex);

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
    m_host.create_translator(languageIndex);

    load_port_group(settings);
    const CameraPorts::Values &p = m_ports.values();
    qDebug() << "rtsp_port:" << p.T_RTSP_Port << ",visca_port:" << p.T_Visca_Port << ",udp_port:" << p.T_UDP_Port
             << ",tcp_port:" << p.T_TCP_Port << ",backup_port:" << p.T_Backup_Port << ",upgrade_port:" << p.Mcast_Port;
    load_upgrade_group(settings);

    // A configuration backup left in the working directory by an earlier run.
    if (QFileInfo::exists(QStringLiteral("data.tar.gz")))
        ui.label_81->setText(tr("exist"));

    load_group(settings, config::teacher_group(), CustomerModel::Teacher);
    load_group(settings, config::student_group(), CustomerModel::Student);
    load_group(settings, config::board_group(), CustomerModel::None);
    load_group(settings, config::director_group(), CustomerModel::None);
}

void SettingsFile::load_first_run_defaults(int languageIndex)
{
    m_host.create_translator(languageIndex);
    m_host.set_all_defaults();
    ui.teacher_apply_Button->setText(tr("Apply"));
    ui.student_apply_Button->setText(tr("Apply"));
    ui.board_apply_Button->setText(tr("Apply"));
    ui.director_apply_Button->setText(tr("Apply"));
    m_upgrade.upgrade_mode = QStringLiteral("Simple");
    m_upgrade.upgrade_verify = true;
    ui.upgrade_type_comboBox->addItems(upgrade::type_items(m_upgrade.upgrade_mode));
    ui.upgrade_ip_lineEdit->setText(QString::fromLatin1(kDefaultUpgradeAddress));
    const auto choice = upgrade::type_choice(m_upgrade.upgrade_mode, QStringLiteral("AUTO"));
    ui.upgrade_type_comboBox->setCurrentIndex(choice->index);
    m_upgrade.upgradeModel = choice->code;
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
    ui.port_map_checkBox->setChecked(recorder_port_map_enabled);

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
        if (auto *field = control<QLineEdit>(m_root, row.field))
            field->setText(decision.field_text);
    }

    CameraPorts::Values &v = m_ports.edit();
    QString *const recorderMembers[] = {&v.recorder_username, &v.recorder_password, &v.recorder_host_ip,
                                        &v.recorder_teacher_ip, &v.recorder_student_ip};
    int i = 0;
    for (const ports::RecorderRow &row : ports::recorder_rows()) {
        const QString stored = stored_text(settings, full_key("PORT_CONF", row.key));
        *recorderMembers[i++] = stored;
        if (auto *field = control<QLineEdit>(m_root, row.field))
            field->setText(ports::recorder_field_text(row, stored));
    }
}

void SettingsFile::load_upgrade_group(QSettings &settings)
{
    m_upgrade.upgrade_verify = settings.value(QStringLiteral("UPGRADE/verify")).toBool();
    m_upgrade.upgrade_auto_backup = settings.value(QStringLiteral("UPGRADE/auto_backup")).toBool();
    m_upgrade.upgrade_model_type = settings.value(QStringLiteral("UPGRADE/model_type")).toBool();

    m_upgrade.upgrade_mode = stored_text(settings, QStringLiteral("UPGRADE/mode"));
    ui.upgrade_type_comboBox->addItems(upgrade::type_items(m_upgrade.upgrade_mode));
    ui.upgrade_ip_lineEdit->setText(stored_text(settings, QStringLiteral("UPGRADE/ipaddr")));
    m_upgrade.upgrade_file_path = stored_text(settings, QStringLiteral("UPGRADE/path"));
    ui.upgrade_filename_lineEdit->setText(m_upgrade.upgrade_file_path);

    const QString type = stored_text(settings, QStringLiteral("UPGRADE/type"));
    if (const auto choice = upgrade::type_choice(m_upgrade.upgrade_mode, type)) {
        ui.upgrade_type_comboBox->setCurrentIndex(choice->index);
        m_upgrade.upgradeModel = choice->code;
    }

    m_upgrade.work_type = upgrade::work_type_for(m_upgrade.upgrade_model_type);
    ui.worktype_comboBox->setCurrentIndex(m_upgrade.work_type - 1);
}

void SettingsFile::load_group(QSettings &settings, const config::GroupTable &group, CustomerModel customer)
{
    for (const config::KeyRow &row : group.rows) {
        if (!row.read)
            continue;
        QString key = full_key(group.name, row.key);
        if (row.fallback && !settings.contains(key))
            key = QString::fromLatin1(row.fallback);
        const QString text = stored_text(settings, key);
        apply_key_row(row, text, customer);
        if (&group == &config::director_group())
            after_director_key_loaded(row, text);
    }
}

void SettingsFile::apply_key_row(const config::KeyRow &row, const QString &text, CustomerModel customer)
{
    using config::Kind;
    switch (row.kind) {
    case Kind::Text:
        if (QObject *target = control<QObject>(m_root, row.control))
            target->setProperty("text", text);
        break;
    case Kind::TextThenValue:
    case Kind::Distance:
    case Kind::Size: {
        // The label first: when the slider then moves, its own handler rewrites the label.
        if (auto *label = control<QLabel>(m_root, row.control))
            label->setText(text);
        int position = reply_values::number(text);
        if (row.kind == Kind::Distance)
            position = slider_text::distance_position(text);
        else if (row.kind == Kind::Size)
            position = slider_text::size_position(text);
        if (auto *slider = control<QAbstractSlider>(m_root, row.slider))
            slider->setValue(position);
        break;
    }
    case Kind::Value:
        if (auto *slider = qobject_cast<QAbstractSlider *>(control<QWidget>(m_root, row.control)))
            slider->setValue(reply_values::number(text));
        else if (auto *spin = qobject_cast<QSpinBox *>(control<QWidget>(m_root, row.control)))
            spin->setValue(reply_values::number(text));
        break;
    case Kind::Index:
        if (auto *combo = control<QComboBox>(m_root, row.control))
            combo->setCurrentIndex(reply_values::number(text));
        break;
    case Kind::Flag:
        if (auto *box = control<QCheckBox>(m_root, row.control))
            box->setChecked(config::flag_set(text));
        break;
    case Kind::FlagIfOne:
        if (auto *box = control<QCheckBox>(m_root, row.control))
            box->setChecked(config::flag_set_if_one(text));
        break;
    case Kind::FlagOneOrZero:
        if (const auto checked = config::flag_one_or_zero(text)) {
            if (auto *box = control<QCheckBox>(m_root, row.control))
                box->setChecked(*checked);
        }
        break;
    case Kind::Choice:
        for (const config::ChoiceCode &choice : row.choices) {
            if (text == QLatin1String(choice.code)) {
                if (auto *button = control<QRadioButton>(m_root, choice.button))
                    button->setChecked(true);
                break;
            }
        }
        break;
    case Kind::CustomerModel:
        if (const auto flag = config::customer_model(text); flag && customer != CustomerModel::None)
            m_host.set_customer_model(customer == CustomerModel::Teacher, *flag);
        break;
    case Kind::Point: {
        QPoint &p = m_host.stored_student_point(row.point);
        if (row.x_axis)
            p.setX(reply_values::number(text));
        else
            p.setY(reply_values::number(text));
        break;
    }
    case Kind::Constant:
        break;
    }
}

void SettingsFile::after_director_key_loaded(const config::KeyRow &row, const QString &text)
{
    // Checking a radio button from here runs none of its clicked slots: the code fields'
    // validator and the strategy's enabling follow the stored choice here.
    if (qstrcmp(row.key, "Command_Type") == 0) {
        if (text == QLatin1String("0"))
            m_host.set_director_command_validator(1);
        else if (text == QLatin1String("1"))
            m_host.set_director_command_validator(2);
    } else if (qstrcmp(row.key, "Director_Strategy") == 0) {
        if (text == QLatin1String("0"))
            m_host.set_director_widgets(0, true);
        else if (text == QLatin1String("1"))
            m_host.set_director_widgets(1, true);
    }
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
        if (const auto name = language::name_for_index(ui.language_select_comboBox->currentIndex()))
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
            const char *field = nullptr;
            for (const ports::PortRow &row : ports::port_rows())
                field = qstrcmp(row.key, key) == 0 ? row.field : field;
            for (const ports::RecorderRow &row : ports::recorder_rows())
                field = qstrcmp(row.key, key) == 0 ? row.field : field;
            if (auto *edit = control<QLineEdit>(m_root, field))
                settings.setValue(k, edit->text());
        }
        settings.endGroup();

        settings.beginGroup(QStringLiteral("UPGRADE"));
        const QMap<QString, QVariant> upgradeValues = {
            {QStringLiteral("mode"), m_upgrade.upgrade_mode},
            {QStringLiteral("verify"), m_upgrade.upgrade_verify},
            {QStringLiteral("auto_backup"), m_upgrade.upgrade_auto_backup},
            {QStringLiteral("model_type"), m_upgrade.upgrade_model_type},
            {QStringLiteral("type"), ui.upgrade_type_comboBox->currentText()},
            {QStringLiteral("ipaddr"), ui.upgrade_ip_lineEdit->text()},
            {QStringLiteral("path"), ui.upgrade_filename_lineEdit->text()},
        };
        for (const char *key : upgrade::save_order())
            settings.setValue(QString::fromLatin1(key), upgradeValues.value(QString::fromLatin1(key)));
        settings.endGroup();

        save_group(settings, config::teacher_group(), CustomerModel::Teacher);
        save_group(settings, config::student_group(), CustomerModel::Student);
        save_group(settings, config::board_group(), CustomerModel::None);
        save_group(settings, config::director_group(), CustomerModel::None);
    });
}

void SettingsFile::save_group(QSettings &settings, const config::GroupTable &group, CustomerModel customer)
{
    settings.beginGroup(QString::fromLatin1(group.name));
    for (const char *key : group.save_order) {
        const config::KeyRow *row = config::find_row(group, key);
        if (!row || !row->written)
            continue;
        settings.setValue(QString::fromLatin1(key), key_row_value(*row, customer));
    }
    settings.endGroup();
}

QVariant SettingsFile::key_row_value(const config::KeyRow &row, CustomerModel customer) const
{
    using config::Kind;
    switch (row.kind) {
    case Kind::Text:
    case Kind::TextThenValue:
    case Kind::Distance:
    case Kind::Size:
        // A label, line edit or (for the label-and-slider kinds) the label beside the slider.
        if (QObject *source = control<QObject>(m_root, row.control))
            return source->property("text").toString();
        return QString();
    case Kind::Value:
        if (auto *slider = qobject_cast<QAbstractSlider *>(control<QWidget>(m_root, row.control)))
            return QString::number(slider->value());
        if (auto *spin = qobject_cast<QSpinBox *>(control<QWidget>(m_root, row.control)))
            return spin->text();
        return QString();
    case Kind::Index:
        if (auto *combo = control<QComboBox>(m_root, row.control))
            return combo->currentIndex();
        return 0;
    case Kind::Flag:
    case Kind::FlagIfOne:
    case Kind::FlagOneOrZero:
        if (auto *box = control<QCheckBox>(m_root, row.control))
            return config::flag_text(box->isChecked());
        return QString();
    case Kind::Choice:
        for (const config::ChoiceCode &choice : row.choices) {
            auto *button = control<QRadioButton>(m_root, choice.button);
            if (button && button->isChecked())
                return QString::fromLatin1(choice.code);
        }
        // No button checked: an empty value, never another key's code.
        return QString();
    case Kind::CustomerModel:
        return config::customer_model_text(customer != CustomerModel::None
                                           && m_host.customer_model(customer == CustomerModel::Teacher));
    case Kind::Point: {
        const QPoint &p = m_host.stored_student_point(row.point);
        return row.x_axis ? p.x() : p.y();
    }
    case Kind::Constant:
        return QString::fromLatin1(row.constant);
    }
    return QString();
}
