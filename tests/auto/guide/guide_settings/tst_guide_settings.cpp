// The wizard's share of config.ini: what a stored file puts into the wizard's fields and options,
// what the finish writes back (every other key of the file kept), and a first run without file.
#include "guide/guideconfig.h"
#include "shared_scene.h"
#include "recording_presenter.h"
#include "settings/settings_path.h"
#include "support/resources.h"
#include "test_env.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

namespace {
template <class T = QWidget>
T *child(const QWidget &root, const char *name)
{
    return root.findChild<T *>(QLatin1String(name));
}

// What the wizard shows of the file: the fields and options, one "name=value" each.
QStringList shown(const GuideConfig &w)
{
    QStringList out;
    out << QStringLiteral("layout=%1").arg(child<QComboBox>(w, "teacher_choose_camera_comboBox")->currentIndex());
    for (const char *f : {"teacher_feature_ip_lineEdit", "teacher_pano_ip_lineEdit", "teacher_board_2_ip_lineEdit"})
        out << QStringLiteral("%1=%2").arg(QLatin1String(f), child<QLineEdit>(w, f)->text());
    out << QStringLiteral("lost=%1").arg(child<QComboBox>(w, "target_lost_action_comboBox")->currentIndex());
    out << QStringLiteral("multi=%1").arg(child<QComboBox>(w, "multi_objective_action_comboBox")->currentIndex());
    out << QStringLiteral("board=%1").arg(child<QCheckBox>(w, "teacher_board_enable_checkBox")->isChecked());
    out << QStringLiteral("hold=%1,%2").arg(child<QSlider>(w, "teacher_board_hold_Slider")->value())
                                        .arg(child<QLabel>(w, "teacher_board_hold_label")->text());
    out << QStringLiteral("continue=%1").arg(child<QSpinBox>(w, "student_feature_continue_time_label")->value());
    out << QStringLiteral("face=%1").arg(child<QCheckBox>(w, "student_face_detect_checkBox")->isChecked());
    return out;
}

QString stored(const QString &key)
{
    return QSettings(settings_file_path(), QSettings::IniFormat).value(key).toString();
}
} // namespace

class tst_GuideSettings : public QObject
{
    Q_OBJECT

    RecordingPresenter boxes;

private slots:
    void initTestCase()
    {
        corvane_init_resources();
        msgbox::setPresenter(&boxes);
    }

    void read_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QStringList>("expected"); // the entries of shown() that the row is about
        QTest::newRow("student pano and its code")
            << "[TEACHER_CONF]\nTarget_Lost_Action=11\nMulti_Objective_Action=2\n"
            << QStringList{"lost=3", "multi=1"};
        QTest::newRow("codes that name no entry leave the form's")
            << "[TEACHER_CONF]\nTarget_Lost_Action=5\nMulti_Objective_Action=0\n" << QStringList{"lost=0", "multi=0"};
        QTest::newRow("board detection only by 1")
            << "[TEACHER_CONF]\nBoard_Detect_Enable=true\n" << QStringList{"board=0"};
        QTest::newRow("board detection on") << "[TEACHER_CONF]\nBoard_Detect_Enable=1\n" << QStringList{"board=1"};
        QTest::newRow("the hold time's slider, then its label")
            << "[TEACHER_CONF]\nBoard_Hold_Time_Index=6\nBoard_Hold_Time=7\n" << QStringList{"hold=6,7"};
        QTest::newRow("no continue time: the spin box's minimum")
            << "[STUDENT_CONF]\nFace_Detect=1\n" << QStringList{"continue=15", "face=1"};
        QTest::newRow("a layout out of range: two cameras")
            << "[TEACHER_CONF]\nTracking_Number_Camera=7\n" << QStringList{"layout=0"};
        QTest::newRow("a negative layout: two cameras")
            << "[TEACHER_CONF]\nTracking_Number_Camera=-1\n" << QStringList{"layout=0"};
        QTest::newRow("addresses as stored, notes kept")
            << "[TEACHER_CONF]\nTracking_Number_Camera=3\nFeature_IP=127.0.0.5/cam\nPano_IP=127.0.0.6\n"
               "[BOARD_CONF]\nPano_IP=127.0.0.8\n"
            << QStringList{"layout=3", "teacher_feature_ip_lineEdit=127.0.0.5/cam", "teacher_pano_ip_lineEdit=127.0.0.6",
                           "teacher_board_2_ip_lineEdit=127.0.0.8"};
    }
    void read()
    {
        QFETCH(QString, ini);
        QFETCH(QStringList, expected);
        testenv::writeConfigIni(ini);
        SharedScene wizardScene;
        GuideConfig wizard(wizardScene);
        const QStringList all = shown(wizard);
        for (const QString &entry : expected) {
            const QString name = entry.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
            QCOMPARE(all.filter(QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(name))).value(0), entry);
        }
    }

    // The finish writes the wizard's keys (the wizard done) and keeps the rest of the file.
    void write()
    {
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTarget_Lost_Action=11\nSensitivity=7\n"
                                               "[DIRECTOR_CONF]\nServer_Port=5000\n"));
        SharedScene wizardScene;
        GuideConfig wizard(wizardScene);
        child<QLineEdit>(wizard, "teacher_feature_ip_lineEdit")->setText(QStringLiteral("127.0.0.5/cam"));
        child<QCheckBox>(wizard, "student_face_detect_checkBox")->setChecked(true);
        child<QSpinBox>(wizard, "student_feature_continue_time_label")->setValue(40);
        boxes.answerNext(QMessageBox::Ok);
        child<QPushButton>(wizard, "exit_pushButton")->click();
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Tracking_Guide_State")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Feature_IP")), QStringLiteral("127.0.0.5/cam"));
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Target_Lost_Action")), QStringLiteral("11"));
        QCOMPARE(stored(QStringLiteral("STUDENT_CONF/Face_Detect")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("STUDENT_CONF/Continue_Time")), QStringLiteral("40"));
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Sensitivity")), QStringLiteral("7"));
        QCOMPARE(stored(QStringLiteral("DIRECTOR_CONF/Server_Port")), QStringLiteral("5000"));
        // A stored mode that names no button is written as none.
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Tracking_Mode")), QString());
        // What the finish wrote reads back into a new wizard.
        SharedScene againScene;
        GuideConfig again(againScene);
        QVERIFY(child<QCheckBox>(again, "student_face_detect_checkBox")->isChecked());
        QCOMPARE(child<QSpinBox>(again, "student_feature_continue_time_label")->value(), 40);
    }

    // No file: the first run's mode (binocular), state and layout; the fields keep the form's.
    void firstRun()
    {
        testenv::removeConfigIni();
        SharedScene wizardScene;
        GuideConfig wizard(wizardScene);
        const QString formAddress = child<QLineEdit>(wizard, "teacher_feature_ip_lineEdit")->text();
        QVERIFY(!formAddress.isEmpty());
        QCOMPARE(child<QComboBox>(wizard, "teacher_choose_camera_comboBox")->currentIndex(), 0);
        boxes.answerNext(QMessageBox::Ok);
        child<QPushButton>(wizard, "exit_pushButton")->click();
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Tracking_Mode")), QStringLiteral("2"));
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Tracking_Number_Camera")), QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("TEACHER_CONF/Feature_IP")), formAddress);
        QCOMPARE(QFile::permissions(settings_file_path()) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    }
};

QTEST_MAIN(tst_GuideSettings)
#include "tst_guide_settings.moc"
