#pragma once

#include "model/section_values.h"
#include "settings/config_tables.h"
#include "settings/port_forward.h"
#include "settings/upgrade_types.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QVariant>

class CameraPorts;
class CameraSlots;
class QSettings;
class QWidget;

// The settings file "config.ini": load_config reads its seven groups into the values the
// features hold (the four sections, the camera address fields, the student points, the port
// fields, the window's choices) and tells each group's owners to show them, once, at set-up;
// save_config writes those values anew. A file that cannot be read or is cut short is moved
// aside (or, when it cannot be moved, kept and never saved over) and the defaults are used.
// While it loads, loading_config tells the features' change slots that no installer changed
// anything.
class SettingsFileSignals : public QObject
{
    Q_OBJECT

signals:
    // A group was read into the values: its owners show them now, in the order of connection.
    void port_group_loaded();
    void teacher_group_loaded();
    void student_group_loaded();
    void board_group_loaded();
    // The group UPGRADE was read, or a fresh installation's taken (from_file false): the Upgrade
    // tab's pages show it.
    void upgrade_group_loaded(bool from_file);
    // command_type, strategy: the file named the code fields' command type, the strategy.
    void director_group_loaded(bool command_type, bool strategy);
    // A fresh installation takes every tab's defaults, which then read "Apply".
    void defaults_wanted();
    void defaults_taken();
    // The language follows the system: its name first, then its catalogue object and the
    // language list's entry.
    void system_language_taken(int index);
    void translator_wanted(int index);
};

class SettingsFile : public SettingsFileSignals
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // The values config.ini keeps, held by the features that show them.
    struct Values {
        TeacherSection &teacher;
        StudentSection &student;
        BoardSection &board;
        DirectorSection &director;
        CameraSlots &cameras; // the address fields as typed
        StudentRegionPoints &student_points;
        portforward::Fields &port_fields;
        WindowChoices &choices;
    };

    SettingsFile(QWidget *form_root, CameraPorts &ports, const Values &values);

    void load_config();
    // The first-run wizard finished and stored its keys: those the file holds are read again
    // into the values and shown, as a load does (nothing is marked changed); a key it does not
    // hold leaves the value as it was.
    void take_wizard_keys();
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
    void load_groups();
    // What a fresh installation starts with: every tab's defaults and the upgrade group's.
    void load_first_run_defaults(int languageIndex);
    // Moves a file that cannot be read or is cut short (cut_off: the keys it lacks) out of the
    // way, or keeps it whole when it cannot be moved; says which in a box and a log line.
    void set_aside_unreadable(const QString &path, const QStringList &cut_off);
    void load_port_group(QSettings &settings);
    void load_upgrade_group(QSettings &settings);
    // The type list's entry and code for a stored type in the mode read.
    void take_upgrade_type(const QString &type);
    // The stored values as the features hold them, and back into the features.
    config::Stored gather() const;
    void distribute(const config::Stored &stored);

    QWidget *m_root;
    CameraPorts &m_ports;
    Values m_values;
    bool m_loading_config = false;
    bool m_keeps_unreadable_file = false; // an unreadable or cut-short config.ini could not be moved aside
    Upgrade m_upgrade;
};
