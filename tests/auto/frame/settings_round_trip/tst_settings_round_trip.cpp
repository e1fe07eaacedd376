// config.ini through the main window: every setting changed on every tab comes back in a new
// window after a save, and the file it saves again is the file it read; the file holds exactly
// the seven groups and their keys; the loader's rules for absent, empty, non-numeric and
// out-of-range values; the missing-file road; and a save that cannot write leaves the previous
// file whole.
#include "folder_faults.h"
#include "recording_presenter.h"
#include "settings/settings_path.h"
#include "video/decoder_choice.h"
#include "window_holder.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QtTest>

namespace {

// The window built from config.ini as it stands.
struct OpenedWindow : WindowHolder {
    OpenedWindow() { open(); }
};

QByteArray fileBytes()
{
    QFile f(settings_file_path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Qt's own parts of composite widgets ("qt_spinbox_lineedit" and the like).
bool isInnerPart(QObject *o)
{
    if (o->objectName().startsWith(QLatin1String("qt_")))
        return true;
    for (QObject *p = o->parent(); p; p = p->parent()) {
        if (qobject_cast<QAbstractSpinBox *>(p) || qobject_cast<QComboBox *>(p) || qobject_cast<QTabBar *>(p))
            return true;
    }
    return false;
}

// The state of every input the window shows, by object name, and the decoder the file chose.
QMap<QString, QString> snapshot(MainWindow *w)
{
    QMap<QString, QString> s;
    for (QWidget *c : w->findChildren<QWidget *>()) {
        const QString name = c->objectName();
        if (name.isEmpty() || isInnerPart(c))
            continue;
        if (auto *e = qobject_cast<QLineEdit *>(c))
            s[name] = e->text();
        else if (auto *sl = qobject_cast<QSlider *>(c))
            s[name] = QString::number(sl->value());
        else if (auto *sp = qobject_cast<QAbstractSpinBox *>(c))
            s[name] = sp->text();
        else if (auto *cb = qobject_cast<QComboBox *>(c))
            s[name] = QStringLiteral("%1 of %2: %3").arg(cb->currentIndex()).arg(cb->count()).arg(cb->currentText());
        else if (auto *b = qobject_cast<QCheckBox *>(c))
            s[name] = b->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
        else if (auto *r = qobject_cast<QRadioButton *>(c))
            s[name] = r->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
        else if (auto *l = qobject_cast<QLabel *>(c))
            s[name] = l->text();
    }
    auto member = [&s](const char *name, const QString &value) { s[QStringLiteral("member ") + name] = value; };
    member("gDecoderType", gDecoderType);
    member("gHwAccelEnabled", QString::number(gHwAccelEnabled));
    return s;
}

template <class T>
T *child(MainWindow *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

// The installer's changes on every tab, each away from what the form and the defaults give.
void changeEverything(MainWindow *w)
{
    // Teacher
    child<QLineEdit>(w, "teacher_feature_IP_Edit")->setText(QStringLiteral("10.20.1.11"));
    child<QLineEdit>(w, "teacher_pano_IP_Edit")->setText(QStringLiteral("10.20.1.12/24"));
    child<QSlider>(w, "teacher_sensitivity_Slider")->setValue(3);
    child<QComboBox>(w, "teacher_preset_list")->setCurrentIndex(2);
    child<QSlider>(w, "teacher_fea_distance_Slider")->setValue(20);
    child<QSlider>(w, "teacher_distance_Slider")->setValue(100);
    child<QSlider>(w, "teacher_panOffset_Slider")->setValue(47);
    child<QSlider>(w, "teacher_tiltOffset_Slider")->setValue(16);
    child<QRadioButton>(w, "teacher_platform_action_radioButton")->setChecked(true);
    child<QCheckBox>(w, "teacher_board_enable_checkBox")->setChecked(true);
    child<QSlider>(w, "teacher_board_detect_Slider")->setValue(7);
    child<QSlider>(w, "teacher_board_hold_Slider")->setValue(12);
    child<QSlider>(w, "teacher_board_lose_Slider")->setValue(9);
    child<QSlider>(w, "teacher_board_space_Slider")->setValue(11);
    child<QRadioButton>(w, "teacher_return_pano_action_radioButton")->setChecked(true);
    child<QRadioButton>(w, "mixed_mode_radioButton")->setChecked(true);
    child<QComboBox>(w, "decoder_select_comboBox")->setCurrentIndex(3);
    child<QSpinBox>(w, "teacher_target_lost_delay_label")->setValue(123);
    child<QSpinBox>(w, "teacher_hold_time_label")->setValue(1);
    child<QCheckBox>(w, "teacher_starting_up_checkBox")->setChecked(false);
    child<QCheckBox>(w, "teacher_manual_focus_checkBox")->setChecked(true);
    child<QCheckBox>(w, "teacher_vertical_movement_checkBox")->setChecked(true);
    child<QCheckBox>(w, "teacher_feature_tracking_checkBox")->setChecked(false);
    child<QLineEdit>(w, "teacher_filepath_lineEdit")->setText(QStringLiteral("C:/exports, teacher"));
    
    // Student
    child<QLineEdit>(w, "student_feature_IP_Edit")->setText(QStringLiteral("10.20.2.21"));
    child<QLineEdit>(w, "student_pano_IP_Edit")->setText(QStringLiteral("10.20.2.22"));
    child<QSlider>(w, "student_sensitivity_Slider")->setValue(6);
    child<QSlider>(w, "student_objectsize_Slider")->setValue(9);
    child<QComboBox>(w, "student_preset_list")->setCurrentIndex(1);
    child<QLineEdit>(w, "student_camera_height_lineEdit")->setText(QStringLiteral("2.7"));
    child<QLineEdit>(w, "student_camera_length_lineEdit")->setText(QStringLiteral("5.5"));
    child<QLineEdit>(w, "student_object_height_lineEdit")->setText(QStringLiteral("1.1"));
    child<QSlider>(w, "student_panOffset_Slider")->setValue(30);
    child<QSlider>(w, "student_tiltOffset_Slider")->setValue(50);
    child<QRadioButton>(w, "student_none_action_radioButton")->setChecked(true);
    child<QSlider>(w, "student_target_lost_timeout_Slider")->setValue(9);
    child<QRadioButton>(w, "student_return_pano_action_radioButton")->setChecked(true);
    child<QSpinBox>(w, "student_feature_continue_time_label")->setValue(345);
    child<QCheckBox>(w, "student_starting_up_checkBox")->setChecked(false);
    child<QCheckBox>(w, "student_face_detect_checkBox")->setChecked(true);
    child<QCheckBox>(w, "student_pano_switch_checkBox")->setChecked(false);
    
    // Board
    child<QLineEdit>(w, "board_feature_IP_Edit")->setText(QStringLiteral("10.20.3.31"));
    child<QLineEdit>(w, "board_pano_IP_Edit")->setText(QStringLiteral("10.20.3.32"));
    child<QSlider>(w, "board_sensitivity_Slider")->setValue(1);
    child<QSlider>(w, "board_target_lost_timeout_Slider")->setValue(12);
    child<QCheckBox>(w, "board_enable_checkBox")->setChecked(false);
    child<QRadioButton>(w, "board_multi_object_pano_two_radioButton")->setChecked(true);
    child<QRadioButton>(w, "board_lose_object_pano_two_radioButton")->setChecked(true);
    // Options: six cameras (with two board cameras: the layout choice checks the two board
    // rows of the interior director and clears the single blackboard row).
    child<QComboBox>(w, "choose_camera_comboBox")->setCurrentIndex(3);
    // Director
    child<QRadioButton>(w, "director_protocol_tcp_radioButton")->setChecked(true);
    child<QRadioButton>(w, "director_command_type_ascii_radioButton")->setChecked(true);
    child<QLineEdit>(w, "director_server_IP_Edit")->setText(QStringLiteral("10.20.4.41"));
    child<QLineEdit>(w, "director_server_Port_Edit")->setText(QStringLiteral("6000"));
    child<QLineEdit>(w, "director_switch_auto_lineEdit")->setText(QStringLiteral("AA 01"));
    child<QLineEdit>(w, "director_switch_manual_lineEdit")->setText(QStringLiteral("AA 02"));
    child<QRadioButton>(w, "director_code_send_mode_triple_radioButton")->setChecked(true);
    child<QRadioButton>(w, "director_strategy_external_radioButton")->setChecked(true);
    int n = 0;
    for (QCheckBox *box : w->findChildren<QCheckBox *>()) {
        const QString name = box->objectName();
        if (!name.startsWith(QLatin1String("director_external_")) && !name.startsWith(QLatin1String("director_interior_teacher"))
            && !name.startsWith(QLatin1String("director_interior_student")))
            continue;
        box->setChecked(n++ % 2 == 0);
    }
    n = 0;
    for (QLineEdit *edit : w->findChildren<QLineEdit *>()) {
        const QString name = edit->objectName();
        if (name.startsWith(QLatin1String("director_external_")) || name.startsWith(QLatin1String("director_interior_")))
            edit->setText(QStringLiteral("code %1").arg(++n));
    }
    child<QSlider>(w, "director_interior_min_switch_time_Slider")->setValue(7);
    // Recorder Map Config: mapping on and applied, every field typed.
    child<QCheckBox>(w, "port_map_checkBox")->setChecked(true);
    const char *portFields[] = {"rtsp_port_Edit", "visca_port_Edit", "udp_port_Edit", "tcp_port_Edit",
                                "backup_port_Edit", "student_rtsp_port_Edit", "student_visca_port_Edit",
                                "student_udp_port_Edit", "student_tcp_port_Edit", "student_backup_port_Edit",
                                "upgrade_port_Edit"};
    int port = 30001;
    for (const char *f : portFields)
        child<QLineEdit>(w, f)->setText(QString::number(port++));
    child<QLineEdit>(w, "recorder_username_Edit")->setText(QStringLiteral("operator"));
    child<QLineEdit>(w, "recorder_password_Edit")->setText(QStringLiteral("s3cret, with comma"));
    child<QLineEdit>(w, "recorder_host_ip_Edit")->setText(QStringLiteral("10.20.5.51"));
    child<QLineEdit>(w, "recorder_teacher_ip_Edit")->setText(QStringLiteral("10.20.5.52"));
    child<QLineEdit>(w, "recorder_student_ip_Edit")->setText(QStringLiteral("10.20.5.53"));
    // Upgrade: the full type list and work type 2 come from the seeded file.
    child<QComboBox>(w, "upgrade_type_comboBox")->setCurrentIndex(2);
    child<QLineEdit>(w, "upgrade_ip_lineEdit")->setText(QStringLiteral("10.20.6.61"));
    child<QLineEdit>(w, "upgrade_filename_lineEdit")->setText(QStringLiteral("D:/firmware/R6 v2.pkg"));
}


const QStringList kNotRestored = {
    // Written for the camera's sake, never read back.
    "student_eptz_radioButton", "student_cutout_radioButton", "student_filepath_lineEdit", "board_filepath_lineEdit",
    "director_camera_Port_Edit", "director_camera_Baudrate_Edit",
    // The language follows the system.
    "language_select_comboBox"};


// The same written-only settings as keys of the file.
const QStringList kNotReadKeys = {"STUDENT_CONF/EPTZ_Model", "STUDENT_CONF/Param_Save_Path", "BOARD_CONF/Param_Save_Path",
                                  "DIRECTOR_CONF/Camera_Port", "DIRECTOR_CONF/Camera_Baudrate", "LANGUAGE_CONF/language"};

const QStringList kUnheldKeys = {"TEACHER_CONF/Customer_Model", "STUDENT_CONF/Customer_Model", "UPGRADE/mode",
                                 "UPGRADE/verify", "UPGRADE/auto_backup", "UPGRADE/model_type"};

QMap<QString, QString> fileValues()
{
    QSettings file(settings_file_path(), QSettings::IniFormat);
    QMap<QString, QString> values;
    for (const QString &key : file.allKeys())
        values[key] = file.value(key).toString();
    return values;
}

// A saved file given the settings no control of the form holds: customer models, student points,
// the upgrade choices and the port mapping.
void seedFile()
{
    QSettings file(settings_file_path(), QSettings::IniFormat);
    int n = 0;
    for (const QString &key : file.allKeys()) {
        if (key.startsWith(QLatin1String("STUDENT_CONF/STUDENT_")))
            file.setValue(key, ++n % 3 == 0 ? -7 * n : 2147483647 - n);
    }
    QVERIFY(n == 20);
    file.setValue("TEACHER_CONF/Customer_Model", "KLOR");
    file.setValue("STUDENT_CONF/Customer_Model", "KLOR");
    file.setValue("UPGRADE/mode", "Full");
    file.setValue("UPGRADE/type", "SOC");
    file.setValue("UPGRADE/verify", false);
    file.setValue("UPGRADE/auto_backup", true);
    file.setValue("UPGRADE/model_type", false);
    file.setValue("PORT_CONF/Recorder_Port_Map_Enabled", true);
}

} // namespace

class tst_SettingsRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        testenv::removeConfigIni();
        QFile::remove(QStringLiteral("data.tar.gz"));
    }

    // Every setting of every tab comes back in a new window, and what that window saves is the
    // file it read.
    void everythingComesBack()
    {
        RecordingPresenter boxes;
        QMap<QString, QString> defaults, saved, restored, seed, first, second;
        {
            OpenedWindow fresh; // no file yet: the defaults
            defaults = snapshot(fresh.window.get());
            QVERIFY(fresh->save_config());
        }
        seedFile();
        seed = fileValues();
        {
            OpenedWindow w;
            changeEverything(w.window.get());
            // Written for the camera, not read back.
            w.widget<QRadioButton>("student_eptz_radioButton")->setChecked(true);
            w.widget<QLineEdit>("student_filepath_lineEdit")->setText(QStringLiteral("C:/student"));
            w.widget<QLineEdit>("board_filepath_lineEdit")->setText(QStringLiteral("C:/board"));
            w.widget<QLineEdit>("director_camera_Port_Edit")->setText(QStringLiteral("1234"));
            w.widget<QLineEdit>("director_camera_Baudrate_Edit")->setText(QStringLiteral("115200"));
            w.widget<QComboBox>("language_select_comboBox")->setCurrentIndex(7);
            QVERIFY(w->save_config());
            saved = snapshot(w.window.get());
            first = fileValues();
        }
        {
            OpenedWindow again;
            restored = snapshot(again.window.get());
            QVERIFY(again->save_config());
            second = fileValues();
        }

        // The changes are real: many controls differ from a window with default settings.
        int changed = 0;
        for (auto it = saved.cbegin(); it != saved.cend(); ++it)
            changed += defaults.value(it.key()) != it.value() ? 1 : 0;
        QVERIFY2(changed >= 120, qPrintable(QString::number(changed)));

        QStringList lost;
        for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
            if (!kNotRestored.contains(it.key()) && restored.value(it.key()) != it.value())
                lost << QStringLiteral("%1: saved '%2', restored '%3'").arg(it.key(), it.value(), restored.value(it.key()));
        }
        for (auto it = first.cbegin(); it != first.cend(); ++it) {
            if (!kNotReadKeys.contains(it.key()) && second.value(it.key()) != it.value())
                lost << QStringLiteral("%1: saved '%2', saved again '%3'").arg(it.key(), it.value(), second.value(it.key()));
        }
        // What no control holds is the seeded file's, through both windows.
        for (const QString &key : seed.keys()) {
            if (key.startsWith(QLatin1String("STUDENT_CONF/STUDENT_")) || kUnheldKeys.contains(key)) {
                if (second.value(key) != seed.value(key))
                    lost << QStringLiteral("%1: seeded '%2', saved '%3'").arg(key, seed.value(key), second.value(key));
            }
        }
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1Char('\n'))));
        QCOMPARE(restored.size(), saved.size());
        QCOMPARE(second.size(), first.size());
        QCOMPARE(second.value("PORT_CONF/Recorder_Password"), QStringLiteral("s3cret, with comma"));
        // What is written but not read comes back as the form gives it.
        for (const char *name : {"student_eptz_radioButton", "student_filepath_lineEdit", "language_select_comboBox"})
            QCOMPARE(restored.value(name), defaults.value(name));
        QCOMPARE(restored.value("director_camera_Port_Edit"), QStringLiteral("8791"));
        QCOMPARE(restored.value("director_camera_Baudrate_Edit"), QStringLiteral("9600"));
        QVERIFY(boxes.shown.isEmpty());
    }

    // A choice with no button checked is written empty, not with another key's code. The form
    // checks no tracking mode; a stored file without Tracking_Mode keeps it so.
    void uncheckedChoiceWrittenEmpty()
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nMulti_Objective_Action=2\n"
                                               "[STUDENT_CONF]\nMulti_Objective_Action=1\n"));
        {
            OpenedWindow w;
            // No EPTZ button either.
            w.widget<QRadioButton>("student_cutout_radioButton")->setAutoExclusive(false);
            w.widget<QRadioButton>("student_cutout_radioButton")->setChecked(false);
            w.widget<QRadioButton>("student_eptz_radioButton")->setChecked(false);
            QVERIFY(w->save_config());
        }
        QSettings file(settings_file_path(), QSettings::IniFormat);
        QCOMPARE(file.value("TEACHER_CONF/Multi_Objective_Action").toString(), QStringLiteral("2"));
        QVERIFY(file.contains("TEACHER_CONF/Tracking_Mode"));
        QCOMPARE(file.value("TEACHER_CONF/Tracking_Mode").toString(), QString());
        QCOMPARE(file.value("STUDENT_CONF/EPTZ_Model").toString(), QString());
        QCOMPARE(file.value("STUDENT_CONF/Multi_Objective_Action").toString(), QStringLiteral("1"));
    }

    // What each stored value makes of the window. The codecs' own rows (ports, slider steps, flag texts) and
    // the settings file's (ports in use, upgrade members) are theirs; here one row per way the loader reads.
    void readingRules_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("controls"); // object names joined by ","
        QTest::addColumn<QString>("expected"); // their values joined by "|"
        auto row = [](const char *name, const char *ini, const char *controls, const char *expected) {
            QTest::newRow(name) << QString::fromUtf8(ini) << QString::fromLatin1(controls) << QString::fromUtf8(expected);
        };
        row("mapped port not a number: the default", "[PORT_CONF]\nRecorder_Port_Map_Enabled=true\nT_UDP_Port=abc\n", "udp_port_Edit", "26791");
        row("distance 3.1", "[TEACHER_CONF]\nFeature_Distance=3.1\n", "teacher_fea_distance_Slider,teacher_fea_distance_label",
            "2|3.1");
        row("distance 25", "[TEACHER_CONF]\nPano_Distance=25\n", "teacher_distance_Slider,teacher_distance_label", "171|20.0");
        row("distance not a number", "[TEACHER_CONF]\nPano_Distance=far\n", "teacher_distance_label", "3.0");
        row("size 3", "[STUDENT_CONF]\nObject_Size=3\n", "student_objectsize_Slider,student_objectsize_label", "16|2.0");
        row("switch time 15", "[DIRECTOR_CONF]\nInterior_Min_Switch_time=15\n",
            "director_interior_min_switch_time_Slider,director_interior_min_switch_time_label", "10|10");
        row("switch time 5.0", "[DIRECTOR_CONF]\nInterior_Min_Switch_time=5.0\n",
            "director_interior_min_switch_time_Slider,director_interior_min_switch_time_label", "0|0");
        row("switch time 3 as read", "[DIRECTOR_CONF]\nInterior_Min_Switch_time=3\n",
            "director_interior_min_switch_time_label", "3");
        row("protocol 3 changes nothing", "[DIRECTOR_CONF]\nProtocol=3\n", "director_protocol_udp_radioButton", "checked");
        row("lost action 11", "[TEACHER_CONF]\nTarget_Lost_Action=11\n", "teacher_student_pano_action_radioButton",
            "checked");
        row("tracking mode 4", "[TEACHER_CONF]\nTracking_Mode=4\n", "board_pano_mode_radioButton", "checked");
        row("board detect 2 unchecks", "[TEACHER_CONF]\nBoard_Detect_Enable=2\n", "teacher_board_enable_checkBox",
            "unchecked");
        row("starting up 2 checks", "[TEACHER_CONF]\nStarting_Up_Track=2\n", "teacher_starting_up_checkBox", "checked");
        row("preset beyond the list", "[TEACHER_CONF]\nSet_Preset=9\n", "teacher_preset_list", "-1 of 5: ");
        // Student preset: written in TEACHER_CONF, older files have it in STUDENT_CONF only.
        row("student preset from student group", "[STUDENT_CONF]\nStudent_Set_Preset=1\n", "student_preset_list",
            "1 of 2: Num 60 : Pano Crop");
        row("student preset: teacher group wins", "[TEACHER_CONF]\nStudent_Set_Preset=0\n[STUDENT_CONF]\nStudent_Set_Preset=1\n",
            "student_preset_list", "0 of 2: Num 0 : Pano");
        // Board lost-target choice: written as Target_Lost_Action, older files Lose_Objective_Action.
        row("board lost action, old key", "[BOARD_CONF]\nLose_Objective_Action=1\n",
            "board_lose_object_pano_two_radioButton", "checked");
        row("board lost action: written key wins", "[BOARD_CONF]\nTarget_Lost_Action=0\nLose_Objective_Action=1\n",
            "board_lose_object_pano_one_radioButton", "checked");
        // Upgrade: the set-up keeps a stored "Full" mode.
        row("upgrade mode absent", "[UPGRADE]\n", "upgrade_type_comboBox", "-1 of 0: ");
        row("upgrade Full AUTO", "[UPGRADE]\nmode=Full\ntype=AUTO\n", "upgrade_type_comboBox", "0 of 4: SOC");
        row("empty file: no defaults run", "", "teacher_distance_label,teacher_feature_IP_Edit", "3.0|");
        // Language follows the system, not the file
        row("stored language", "[LANGUAGE_CONF]\nlanguage=Spanish\n", "language_select_comboBox", "1 of 8: English");
        // Director group absent: codes emptied, boxes cleared, slider to 0; strategy and camera port kept
        row("no director group", "[TEACHER_CONF]\nFeature_IP=1.2.3.4\n",
            "director_external_teacher_still_lineEdit,director_server_Port_Edit,director_interior_teacher_pano_checkBox,"
            "director_interior_min_switch_time_label,director_strategy_interior_radioButton,director_camera_Port_Edit",
            "||unchecked|0|checked|8791");
    }

    void readingRules()
    {
        QFETCH(QString, ini);
        QFETCH(QString, controls);
        // Layout 1 keeps the Board and Director rows as the file leaves them.
        if (ini.isEmpty())
            testenv::writeConfigIniRaw(QByteArray());
        else
            testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=1\n") + ini);
        OpenedWindow w;
        const QMap<QString, QString> shown = snapshot(w.window.get());
        QStringList got;
        for (const QString &name : controls.split(QLatin1Char(',')))
            got << shown.value(name, QStringLiteral("<none>"));
        QTEST(got.join(QLatin1Char('|')), "expected");
    }

    // A stored Tracking_Mode of 0 gives the three-presets list; decoder 3 switches hardware on.
    void loadSideEffects()
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Mode=0\nDecoder_Current_Index=3\n"
                                               "[DIRECTOR_CONF]\nCommand_Type=1\nDirector_Strategy=0\n"));
        OpenedWindow w;
        QStringList presets;
        for (int i = 0; i < w.widget<QComboBox>("teacher_preset_list")->count(); ++i)
            presets << w.widget<QComboBox>("teacher_preset_list")->itemText(i);
        QCOMPARE(presets, (QStringList{"Num 0 : Pano", "Num 1 : Left Board", "Num 2 : Center Board", "Num 3 : Right Board",
                                       "Num 11 : Board Pano", "Num 60 : Pano Crop"}));
        QCOMPARE(gDecoderType, QStringLiteral("DXVA2"));
        QVERIFY(gHwAccelEnabled);
        // ASCII codes: any text passes the code fields' validator.
        QString code = QStringLiteral("G-1");
        int pos = 0;
        QCOMPARE(w.widget<QLineEdit>("director_switch_auto_lineEdit")->validator()->validate(code, pos), QValidator::Acceptable);
        // External strategy: its rows usable, the interior rows not.
        QVERIFY(w.widget<QLineEdit>("director_external_teacher_still_lineEdit")->isEnabled());
        QVERIFY(!w.widget<QLineEdit>("director_interior_teacher_pano_lineEdit")->isEnabled());
        // Slider handlers ran while loading: no Apply mark from them.
        QCOMPARE(w.widget<QPushButton>("director_apply_Button")->text(), QStringLiteral("Apply"));
    }

    // A spin box shows its number in the system's digits; the file keeps it in ASCII digits, which
    // the next start reads back (Arabic-Indic digits would come back as 0).
    void spinBoxNumbersInArabicDigits()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::SaudiArabia));
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        {
            OpenedWindow w;
            w.widget<QSpinBox>("teacher_target_lost_delay_label")->setValue(123);
            w.widget<QSpinBox>("student_feature_continue_time_label")->setValue(345);
            QCOMPARE(w.widget<QSpinBox>("teacher_target_lost_delay_label")->text(), QString::fromUtf8("١٢٣"));
            QVERIFY(w->save_config());
        }
        const QMap<QString, QString> file = fileValues();
        OpenedWindow again;
        QLocale::setDefault(before);
        QCOMPARE(file.value("TEACHER_CONF/Target_Lost_Timeout"), QStringLiteral("123"));
        QCOMPARE(file.value("STUDENT_CONF/Continue_Time"), QStringLiteral("345"));
        QCOMPARE(again.widget<QSpinBox>("teacher_target_lost_delay_label")->value(), 123);
        QCOMPARE(again.widget<QSpinBox>("student_feature_continue_time_label")->value(), 345);
    }

    void backupMarker()
    {
        QFile marker(QStringLiteral("data.tar.gz"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"));
        OpenedWindow w;
        QCOMPARE(w.widget<QLabel>("label_81")->text(), QStringLiteral("exist"));
    }

    // No file: the defaults, and no file until the first save, which writes the defaults of what no
    // control holds (the settings file's own rows hold the upgrade group's).
    void missingFile()
    {
        QTest::ignoreMessage(QtDebugMsg, "不存在配置文件");
        OpenedWindow w;
        QVERIFY(!QFileInfo::exists(settings_file_path()));
        QCOMPARE(w.widget<QLineEdit>("teacher_feature_IP_Edit")->text(), QStringLiteral("192.168.1.100"));
        for (const char *side : {"teacher", "student", "board", "director"})
            QCOMPARE(w.widget<QPushButton>(qPrintable(QStringLiteral("%1_apply_Button").arg(QLatin1String(side))))->text(),
                     QStringLiteral("Apply"));
        QCOMPARE(w.widget<QComboBox>("upgrade_type_comboBox")->currentText(), QStringLiteral("AUTO"));
        QVERIFY(w->save_config());
        const QMap<QString, QString> file = fileValues();
        QCOMPARE(file.value("STUDENT_CONF/STUDENT_BACKWARD_RIGHT_X_SET"), QStringLiteral("310"));
        QCOMPARE(file.value("STUDENT_CONF/STUDENT_BACKWARD_RIGHT_Y_SET"), QStringLiteral("60"));
    }

    // A save that cannot write leaves the previous file whole, and says so in its result.
    void failedSaveKeepsPreviousFile()
    {
        {
            OpenedWindow w;
            QVERIFY(w->save_config());
        }
        const QByteArray before = fileBytes();
        QVERIFY(before.contains("[DIRECTOR_CONF]"));
        OpenedWindow w;
        w.widget<QLineEdit>("teacher_feature_IP_Edit")->setText(QStringLiteral("10.99.99.99"));
        {
            ReadOnlyFolder readOnly(QFileInfo(settings_file_path()).absolutePath());
            if (!readOnly.ok())
                QSKIP(qPrintable(QStringLiteral("cannot make the folder read-only here: %1").arg(readOnly.why())));
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("save_config failed")));
            QVERIFY(!w->save_config());
            QCOMPARE(fileBytes(), before);
        }
        QCOMPARE(fileBytes(), before);
        // Once the folder can be written again, the next save goes through.
        QVERIFY(w->save_config());
        QVERIFY(fileBytes().contains("Feature_IP=10.99.99.99"));
    }

    // A full disk: the new file does not fit beside the old one; the old one stays.
    void fullDiskKeepsPreviousFile()
    {
        const QString folder = QFileInfo(settings_file_path()).absolutePath();
        QVERIFY(QDir().mkpath(folder));
        TinyFolder tiny(folder, 8);
        if (!tiny.ok())
            QSKIP(qPrintable(QStringLiteral("no small file system here: %1").arg(tiny.why())));
        const QByteArray before = "[TEACHER_CONF]\nTracking_Guide_State=1\nFeature_IP=10.1.1.1\n";
        testenv::writeConfigIniRaw(before);
        OpenedWindow w;
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("save_config failed")));
        QVERIFY(!w->save_config());
        QCOMPARE(fileBytes(), before);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("config.ini")});
    }
};

QTEST_MAIN(tst_SettingsRoundTrip)
#include "tst_settings_round_trip.moc"
