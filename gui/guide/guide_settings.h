#pragma once

#include "model/guide_data_update_manage.h"
#include "settings/config_tables.h"
#include "guide/stored_options.h"

#include <QString>
#include <QStringList>

struct GuideState;
struct StudentSection;
struct TeacherSection;

// The wizard's share of "config.ini" (readFileConfig, writeFileConfig) and of the hand-over
// record. The keys are read and written by the main window's key rows (guide_keys), so both
// sides store every value alike; the values pass through the same records the window keeps.
// It owns no control: the advanced options pages that own the controls the file keeps give
// and take their values as section records (StoredOptions).
class GuideSettings
{
public:
    // state: current_state and current_number_camera are read into it.
    GuideSettings(GuideState &state, StoredOptions<TeacherSection> &teacher, StoredOptions<StudentSection> &student);

    // Reads the file into the state and the controls; the six stored addresses are returned
    // (record order) for the camera settings' fields, none when there is no file.
    QStringList readFileConfig();
    // TEACHER_CONF/Tracking_Mode as the last readFileConfig found it ("2" without a file), for
    // the mode step's restore_tracking_mode_radio.
    QString stored_mode() const { return m_stored_mode; }
    // Stores the addresses (record order), the layout, the mode in effect ("0" to "4"; anything
    // else stores none) and the pages' options, with the wizard state "1"; every other key of
    // the file keeps its value. False when it could not be written.
    bool writeFileConfig(const QStringList &addresses, const QString &mode);

    // The record of the hand-over: the six addresses and the layout; the language is the one the
    // main window last gave.
    Guide_Data_Update_Manage &guide_data() { return m_guide_data; }
    static Guide_Data_Update_Manage record_of(const QVariant &data);

private:
    // The values as the pages show them, and back.
    void gather(config::Stored &stored) const;
    void show(const config::Stored &stored);

    GuideState &m_state;
    StoredOptions<TeacherSection> &m_teacher;
    StoredOptions<StudentSection> &m_student;
    QString m_stored_mode;
    Guide_Data_Update_Manage m_guide_data;
};
