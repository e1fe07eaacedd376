#pragma once

#include "settings/upgrade_types.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QString>
#include <QVariant>

class CameraPorts;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPoint;
class QPushButton;
class QSettings;
class QWidget;
namespace config {
struct GroupTable;
struct KeyRow;
} // namespace config

#define SETTINGS_FILE_WIDGETS(X) \
    X(QPushButton, board_apply_Button) \
    X(QPushButton, director_apply_Button) \
    X(QLabel, label_81) \
    X(QComboBox, language_select_comboBox) \
    X(QCheckBox, port_map_checkBox) \
    X(QPushButton, student_apply_Button) \
    X(QPushButton, teacher_apply_Button) \
    X(QLineEdit, upgrade_filename_lineEdit) \
    X(QLineEdit, upgrade_ip_lineEdit) \
    X(QComboBox, upgrade_type_comboBox) \
    X(QComboBox, worktype_comboBox)

// The settings file "config.ini": load_config puts its seven groups into the window's controls
// (found by the key tables' object names under the form's root) and the features' settings once,
// at set-up; save_config writes them all anew. A file that cannot be read or is cut short is
// moved aside (or, when it cannot be moved, kept and never saved over) and the defaults are
// used. While it loads, loading_config tells the features' change slots that no installer
// changed anything.
class SettingsFile
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        SETTINGS_FILE_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // The settings that no control of the form holds, and what a load sets besides controls.
    class Host
    {
    public:
        virtual ~Host() = default;
        // The language follows the system: its name first, then its catalogue object and the
        // language list's entry.
        virtual void take_system_language(int index) = 0;
        virtual void create_translator(int index) = 0;
        virtual bool customer_model(bool teacher) const = 0;
        virtual void set_customer_model(bool teacher, bool flag) = 0;
        // One of the ten stored student points (corners, then designated points).
        virtual QPoint &stored_student_point(int index) = 0;
        // The director group's stored choices that a checked radio button does not apply itself.
        virtual void set_director_command_validator(int command_type) = 0;
        virtual void set_director_widgets(int strategy, bool enable) = 0;
        // A fresh installation starts from every tab's defaults.
        virtual void set_all_defaults() = 0;
    };

    SettingsFile(const Widgets &widgets, QWidget *form_root, CameraPorts &ports, Host &host);

    void load_config();
    // Rewrites the whole file; false (and the previous file kept) when it could not be written.
    bool save_config();
    // An unreadable or cut-short file could not be moved aside at start and is still in place:
    // no save replaces it.
    bool keeps_unreadable_file() const;
    // A stored value ("GROUP/key") for the readers of the start state; none while such a kept
    // file is in place, which may be a FIFO that no read comes back from.
    QVariant stored_value(const QString &key) const;
    // Set while the file is loaded; features read it through a const reference.
    bool &loading_config() { return m_loading_config; }

    // The group UPGRADE, held here for the Upgrade tab.
    using Upgrade = upgrade::Settings;
    Upgrade &upgrade() { return m_upgrade; }

private:
    enum class CustomerModel { None, Teacher, Student };
    void load_groups();
    // What a fresh installation starts with: every tab's defaults and the upgrade group's.
    void load_first_run_defaults(int languageIndex);
    // Moves a file that cannot be read or is cut short (cut_off: the keys it lacks) out of the
    // way, or keeps it whole when it cannot be moved; says which in a box and a log line.
    void set_aside_unreadable(const QString &path, const QStringList &cut_off);
    void load_port_group(QSettings &settings);
    void load_upgrade_group(QSettings &settings);
    void load_group(QSettings &settings, const config::GroupTable &group, CustomerModel customer);
    void apply_key_row(const config::KeyRow &row, const QString &text, CustomerModel customer);
    void save_group(QSettings &settings, const config::GroupTable &group, CustomerModel customer);
    QVariant key_row_value(const config::KeyRow &row, CustomerModel customer) const;
    void after_director_key_loaded(const config::KeyRow &row, const QString &text);

    const Widgets ui;
    QWidget *m_root;
    CameraPorts &m_ports;
    Host &m_host;
    bool m_loading_config = false;
    bool m_keeps_unreadable_file = false; // an unreadable or cut-short config.ini could not be moved aside
    Upgrade m_upgrade;
};
