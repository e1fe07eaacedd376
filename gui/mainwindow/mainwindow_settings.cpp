// The settings file "config.ini": load_config puts its seven groups into the window's controls
// and members once, at set-up; save_config writes them all anew from the controls.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "settings/config_tables.h"
#include "settings/config_values.h"
#include "settings/language_table.h"
#include "settings/port_settings.h"
#include "settings/settings_path.h"
#include "settings/settings_writer.h"
#include "settings/upgrade_types.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTranslator>

namespace {

// The upgrade target address a fresh installation starts with.
const char *const kDefaultUpgradeAddress = "192.168.1.188";

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

void MainWindow::load_config()
{
    // The language follows the system; the stored one does not decide it.
    const int languageIndex = language::index_for_locale(QLocale().language());
    language = *language::name_for_index(languageIndex);

    const QString path = settings_file_path();
    if (!QFileInfo::exists(path)) {
        qDebug() << "不存在配置文件";
        translator = new QTranslator;
        ui->language_select_comboBox->setCurrentIndex(languageIndex);
        set_all_defaults();
        ui->teacher_apply_Button->setText(tr("Apply"));
        ui->student_apply_Button->setText(tr("Apply"));
        ui->board_apply_Button->setText(tr("Apply"));
        ui->director_apply_Button->setText(tr("Apply"));
        upgrade_mode = QStringLiteral("Simple");
        upgrade_verify = true;
        ui->upgrade_type_comboBox->addItems(upgrade::type_items(upgrade_mode));
        ui->upgrade_ip_lineEdit->setText(QString::fromLatin1(kDefaultUpgradeAddress));
        const auto choice = upgrade::type_choice(upgrade_mode, QStringLiteral("AUTO"));
        ui->upgrade_type_comboBox->setCurrentIndex(choice->index);
        upgradeModel = choice->code;
        return;
    }

    QSettings settings(path, QSettings::IniFormat);
    translator = new QTranslator;
    ui->language_select_comboBox->setCurrentIndex(languageIndex);

    load_port_group(settings);
    qDebug() << "rtsp_port:" << T_RTSP_Port << ",visca_port:" << T_Visca_Port << ",udp_port:" << T_UDP_Port
             << ",tcp_port:" << T_TCP_Port << ",backup_port:" << T_Backup_Port << ",upgrade_port:" << Mcast_Port;
    load_upgrade_group(settings);

    // A configuration backup left in the working directory by an earlier run.
    if (QFileInfo::exists(QStringLiteral("data.tar.gz")))
        ui->label_81->setText(tr("exist"));

    load_group(settings, config::teacher_group(), &teacher_customer_model_flag);
    load_group(settings, config::student_group(), &student_customer_model_flag);
    load_group(settings, config::board_group(), nullptr);
    load_group(settings, config::director_group(), nullptr);
}

void MainWindow::load_port_group(QSettings &settings)
{
    recorder_port_map_enabled = settings.value(QStringLiteral("PORT_CONF/Recorder_Port_Map_Enabled")).toBool();
    ui->port_map_checkBox->setChecked(recorder_port_map_enabled);

    for (const ports::PortRow &row : ports::port_rows()) {
        const QString stored = stored_text(settings, full_key("PORT_CONF", row.key));
        const PortMembers &members = port_members(row.key);
        CameraPorts::Values &ports = camera_ports.edit();
        ports.*members.stored = stored;
        const ports::PortDecision decision = ports::decide_port(row, stored, recorder_port_map_enabled);
        if (members.text)
            ports.*members.text = decision.member_text;
        if (members.number)
            ports.*members.number = config::number_of(decision.member_text);
        if (auto *field = control<QLineEdit>(this, row.field))
            field->setText(decision.field_text);
    }

    QString *const recorderMembers[] = {&recorder_username, &recorder_password, &recorder_host_ip,
                                        &recorder_teacher_ip, &recorder_student_ip};
    int i = 0;
    for (const ports::RecorderRow &row : ports::recorder_rows()) {
        const QString stored = stored_text(settings, full_key("PORT_CONF", row.key));
        *recorderMembers[i++] = stored;
        if (auto *field = control<QLineEdit>(this, row.field))
            field->setText(ports::recorder_field_text(row, stored));
    }
}

void MainWindow::load_upgrade_group(QSettings &settings)
{
    upgrade_verify = settings.value(QStringLiteral("UPGRADE/verify")).toBool();
    upgrade_auto_backup = settings.value(QStringLiteral("UPGRADE/auto_backup")).toBool();
    upgrade_model_type = settings.value(QStringLiteral("UPGRADE/model_type")).toBool();

    upgrade_mode = stored_text(settings, QStringLiteral("UPGRADE/mode"));
    ui->upgrade_type_comboBox->addItems(upgrade::type_items(upgrade_mode));
    ui->upgrade_ip_lineEdit->setText(stored_text(settings, QStringLiteral("UPGRADE/ipaddr")));
    upgrade_file_path = stored_text(settings, QStringLiteral("UPGRADE/path"));
    ui->upgrade_filename_lineEdit->setText(upgrade_file_path);

    const QString type = stored_text(settings, QStringLiteral("UPGRADE/type"));
    if (const auto choice = upgrade::type_choice(upgrade_mode, type)) {
        ui->upgrade_type_comboBox->setCurrentIndex(choice->index);
        upgradeModel = choice->code;
    }

    work_type = upgrade::work_type_for(upgrade_model_type);
    ui->worktype_comboBox->setCurrentIndex(work_type - 1);
}

void MainWindow::load_group(QSettings &settings, const config::GroupTable &group, bool *customer_flag)
{
    for (const config::KeyRow &row : group.rows) {
        if (!row.read)
            continue;
        QString key = full_key(group.name, row.key);
        if (row.fallback && !settings.contains(key))
            key = QString::fromLatin1(row.fallback);
        const QString text = stored_text(settings, key);
        apply_key_row(row, text, customer_flag);
        if (&group == &config::director_group())
            after_director_key_loaded(row, text);
    }
}

void MainWindow::apply_key_row(const config::KeyRow &row, const QString &text, bool *customer_flag)
{
    using config::Kind;
    switch (row.kind) {
    case Kind::Text:
        if (QObject *target = control<QObject>(this, row.control))
            target->setProperty("text", text);
        break;
    case Kind::TextThenValue:
    case Kind::Distance:
    case Kind::Size: {
        // The label first: when the slider then moves, its own handler rewrites the label.
        if (auto *label = control<QLabel>(this, row.control))
            label->setText(text);
        int position = config::number_of(text);
        if (row.kind == Kind::Distance)
            position = config::distance_position(text);
        else if (row.kind == Kind::Size)
            position = config::size_position(text);
        if (auto *slider = control<QAbstractSlider>(this, row.slider))
            slider->setValue(position);
        break;
    }
    case Kind::Value:
        if (auto *slider = qobject_cast<QAbstractSlider *>(control<QWidget>(this, row.control)))
            slider->setValue(config::number_of(text));
        else if (auto *spin = qobject_cast<QSpinBox *>(control<QWidget>(this, row.control)))
            spin->setValue(config::number_of(text));
        break;
    case Kind::Index:
        if (auto *combo = control<QComboBox>(this, row.control))
            combo->setCurrentIndex(config::number_of(text));
        break;
    case Kind::Flag:
        if (auto *box = control<QCheckBox>(this, row.control))
            box->setChecked(config::flag_set(text));
        break;
    case Kind::FlagIfOne:
        if (auto *box = control<QCheckBox>(this, row.control))
            box->setChecked(config::flag_set_if_one(text));
        break;
    case Kind::FlagOneOrZero:
        if (const auto checked = config::flag_one_or_zero(text)) {
            if (auto *box = control<QCheckBox>(this, row.control))
                box->setChecked(*checked);
        }
        break;
    case Kind::Choice:
        for (const config::ChoiceCode &choice : row.choices) {
            if (text == QLatin1String(choice.code)) {
                if (auto *button = control<QRadioButton>(this, choice.button))
                    button->setChecked(true);
                break;
            }
        }
        break;
    case Kind::CustomerModel:
        if (const auto flag = config::customer_model(text); flag && customer_flag)
            *customer_flag = *flag;
        break;
    case Kind::Point: {
        QPoint &p = student_points.stored_point(row.point);
        if (row.x_axis)
            p.setX(config::number_of(text));
        else
            p.setY(config::number_of(text));
        break;
    }
    case Kind::Constant:
        break;
    }
}

void MainWindow::after_director_key_loaded(const config::KeyRow &row, const QString &text)
{
    // Checking a radio button from here runs none of its clicked slots: the code fields'
    // validator and the strategy's enabling follow the stored choice here.
    if (qstrcmp(row.key, "Command_Type") == 0) {
        if (text == QLatin1String("0"))
            set_director_command_validator(1);
        else if (text == QLatin1String("1"))
            set_director_command_validator(2);
    } else if (qstrcmp(row.key, "Director_Strategy") == 0) {
        if (text == QLatin1String("0"))
            set_director_widgets(0, true);
        else if (text == QLatin1String("1"))
            set_director_widgets(1, true);
    }
}

bool MainWindow::save_config()
{
    return rewrite_settings_file(settings_file_path(), [this](QSettings &settings) {
        settings.beginGroup(QStringLiteral("LANGUAGE_CONF"));
        if (const auto name = language::name_for_index(ui->language_select_comboBox->currentIndex()))
            settings.setValue(QStringLiteral("language"), *name);
        settings.endGroup();

        settings.beginGroup(QStringLiteral("PORT_CONF"));
        for (const char *key : ports::port_save_order()) {
            const QString k = QString::fromLatin1(key);
            if (k == QLatin1String("Recorder_Port_Map_Enabled")) {
                // The switch's state reaches the file only once the port settings are applied.
                settings.setValue(k, recorder_port_map_enabled);
                continue;
            }
            const char *field = nullptr;
            for (const ports::PortRow &row : ports::port_rows())
                field = qstrcmp(row.key, key) == 0 ? row.field : field;
            for (const ports::RecorderRow &row : ports::recorder_rows())
                field = qstrcmp(row.key, key) == 0 ? row.field : field;
            if (auto *edit = control<QLineEdit>(this, field))
                settings.setValue(k, edit->text());
        }
        settings.endGroup();

        settings.beginGroup(QStringLiteral("UPGRADE"));
        settings.setValue(QStringLiteral("mode"), upgrade_mode);
        settings.setValue(QStringLiteral("verify"), upgrade_verify);
        settings.setValue(QStringLiteral("auto_backup"), upgrade_auto_backup);
        settings.setValue(QStringLiteral("model_type"), upgrade_model_type);
        settings.setValue(QStringLiteral("type"), ui->upgrade_type_comboBox->currentText());
        settings.setValue(QStringLiteral("ipaddr"), ui->upgrade_ip_lineEdit->text());
        settings.setValue(QStringLiteral("path"), ui->upgrade_filename_lineEdit->text());
        settings.endGroup();

        save_group(settings, config::teacher_group(), &teacher_customer_model_flag);
        save_group(settings, config::student_group(), &student_customer_model_flag);
        save_group(settings, config::board_group(), nullptr);
        save_group(settings, config::director_group(), nullptr);
    });
}

void MainWindow::save_group(QSettings &settings, const config::GroupTable &group, const bool *customer_flag)
{
    settings.beginGroup(QString::fromLatin1(group.name));
    for (const char *key : group.save_order) {
        const config::KeyRow *row = config::find_row(group, key);
        if (!row || !row->written)
            continue;
        settings.setValue(QString::fromLatin1(key), key_row_value(*row, customer_flag));
    }
    settings.endGroup();
}

QVariant MainWindow::key_row_value(const config::KeyRow &row, const bool *customer_flag) const
{
    using config::Kind;
    switch (row.kind) {
    case Kind::Text:
    case Kind::TextThenValue:
    case Kind::Distance:
    case Kind::Size:
        // A label, line edit or (for the label-and-slider kinds) the label beside the slider.
        if (QObject *source = control<QObject>(this, row.control))
            return source->property("text").toString();
        return QString();
    case Kind::Value:
        if (auto *slider = qobject_cast<QAbstractSlider *>(control<QWidget>(this, row.control)))
            return QString::number(slider->value());
        if (auto *spin = qobject_cast<QSpinBox *>(control<QWidget>(this, row.control)))
            return spin->text();
        return QString();
    case Kind::Index:
        if (auto *combo = control<QComboBox>(this, row.control))
            return combo->currentIndex();
        return 0;
    case Kind::Flag:
    case Kind::FlagIfOne:
    case Kind::FlagOneOrZero:
        if (auto *box = control<QCheckBox>(this, row.control))
            return config::flag_text(box->isChecked());
        return QString();
    case Kind::Choice:
        for (const config::ChoiceCode &choice : row.choices) {
            auto *button = control<QRadioButton>(this, choice.button);
            if (button && button->isChecked())
                return QString::fromLatin1(choice.code);
        }
        // No button checked: an empty value, never another key's code.
        return QString();
    case Kind::CustomerModel:
        return config::customer_model_text(customer_flag && *customer_flag);
    case Kind::Point: {
        const QPoint &p = student_points.stored_point(row.point);
        return row.x_axis ? p.x() : p.y();
    }
    case Kind::Constant:
        return QString::fromLatin1(row.constant);
    }
    return QString();
}
