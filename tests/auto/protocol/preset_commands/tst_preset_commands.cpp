#include "protocol/preset_commands.h"

#include <QtTest>

using preset_commands::TeacherListMode;
using preset_commands::TeacherPosition;
Q_DECLARE_METATYPE(preset_commands::TeacherListMode)

class tst_PresetCommands : public QObject
{
    Q_OBJECT

private slots:
    void blocks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("teacher setpano") << preset_commands::teacher_command("setpano")
                                         << "teacher_parameter\nset_tracking_config_command\ncommand=setpano";
        QTest::newRow("student callpano") << preset_commands::student_command("callpano")
                                          << "student_parameter\nset_tracking_config_command\ncommand=callpano";
        QTest::newRow("board preset") << preset_commands::board_preset_command("setboard1preset2")
                                      << "teacher_parameter\nboard_parameter\nset_tracking_config_command\ncommand=setboard1preset2";
        QTest::newRow("board tracking") << preset_commands::board_tracking_command("start")
                                        << "board_parameter\nset_tracking_config_command\ncommand=start";
        QTest::newRow("director test teacher")
            << preset_commands::director_test(true)
            << "teacher_parameter\ndirector_parameter\nset_director_config_command\ncommand=testcmd";
        QTest::newRow("director test student")
            << preset_commands::director_test(false)
            << "student_parameter\ndirector_parameter\nset_director_config_command\ncommand=testcmd";
        const QString t = QStringLiteral("teacher_parameter\nset_tracking_config_command\ncommand=");
        const QString s = QStringLiteral("student_parameter\nset_tracking_config_command\ncommand=");
        const QString b = QStringLiteral("teacher_parameter\nboard_parameter\nset_tracking_config_command\ncommand=");
        QTest::newRow("teacher set") << preset_commands::teacher_position_command("preset3", true) << t + "setpreset3";
        QTest::newRow("teacher call") << preset_commands::teacher_position_command("board", false) << t + "callboard";
        QTest::newRow("student set") << preset_commands::student_pano_command(true) << s + "setpano";
        QTest::newRow("student call") << preset_commands::student_pano_command(false) << s + "callpano";
        QTest::newRow("cancel board") << preset_commands::cancel_board_pano() << t + "cancelboard";
        QTest::newRow("cancel platform") << preset_commands::cancel_platform() << t + "cancelplatform";
        using preset_commands::BoardPosition;
        const struct {
            BoardPosition position;
            const char *word;
        } board[] = {{BoardPosition::Board0, "pano"},
                     {BoardPosition::Board1, "platform"},
                     {BoardPosition::Pano, "preset2"},
                     {BoardPosition::SecondBoard1, "board1platform"},
                     {BoardPosition::SecondPano, "board1preset2"}};
        for (const auto &r : board) {
            QTest::addRow("board set%s", r.word) << preset_commands::board_position_command(r.position, true)
                                                 << b + "set" + r.word;
            QTest::addRow("board call%s", r.word) << preset_commands::board_position_command(r.position, false)
                                                  << b + "call" + r.word;
        }
        QTest::newRow("board start") << preset_commands::board_tracking(true)
                                     << "board_parameter\nset_tracking_config_command\ncommand=start";
        QTest::newRow("board stop") << preset_commands::board_tracking(false)
                                    << "board_parameter\nset_tracking_config_command\ncommand=stop";
    }

    void blocks()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
        QVERIFY(!text.endsWith(QLatin1Char('\n')));
    }

    void teacherPositions_data()
    {
        QTest::addColumn<TeacherListMode>("mode");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("markAfterVisca");
        const int W = TeacherPosition::Word, C = TeacherPosition::PanoramaCrop, N = TeacherPosition::None;
        const struct {
            const char *name;
            TeacherListMode mode;
            const char *words[6];
        } modes[] = {
            {"board pano", TeacherListMode::BoardPano, {"platform", "preset2", "preset3", "board", "crop", nullptr}},
            {"other", TeacherListMode::Other, {"pano", "platform", "preset3", "preset2", "board", "crop"}},
            {"follow", TeacherListMode::Follow, {"pano", "platform", "preset2", "preset3", "board", "crop"}},
        };
        for (const auto &m : modes) {
            for (int i = -1; i <= 6; ++i) {
                const char *w = i >= 0 && i < 6 ? m.words[i] : nullptr;
                const bool crop = w && qstrcmp(w, "crop") == 0;
                QTest::addRow("%s %d", m.name, i)
                    << m.mode << i << (!w ? N : crop ? C : W) << (w && !crop ? QString::fromLatin1(w) : QString())
                    << !(m.mode == TeacherListMode::BoardPano && i == 4);
            }
        }
    }

    void teacherPositions()
    {
        QFETCH(TeacherListMode, mode);
        QFETCH(int, index);
        QFETCH(int, kind);
        QFETCH(QString, word);
        QFETCH(bool, markAfterVisca);
        const TeacherPosition p = preset_commands::teacher_position(index, mode);
        QCOMPARE(int(p.kind), kind);
        QCOMPARE(p.word, word);
        if (p.kind == TeacherPosition::PanoramaCrop)
            QCOMPARE(p.mark_after_visca, markAfterVisca);
    }

    void panoramaCrop_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("set");
        QTest::addColumn<bool>("visca");
        QTest::addColumn<QString>("text");
        for (const char *m : {"M19", "R6", "M5"}) {
            QTest::addRow("%s set", m) << m << true << true << "8A 01 04 3F 01 3C FF";
            QTest::addRow("%s call", m) << m << false << true << "8A 01 04 3F 02 3C FF";
        }
        QTest::newRow("J57 set") << "J57" << true << true << "81 01 04 3F 01 00 FF";
        QTest::newRow("J57 call") << "J57" << false << true << "81 01 04 3F 02 00 FF";
        for (const char *m : {"", "J22", "m19", "R17"}) {
            QTest::addRow("'%s' set", m) << m << true << false << "setsecondpano";
            QTest::addRow("'%s' call", m) << m << false << false << "callsecondpano";
        }
    }

    void panoramaCrop()
    {
        QFETCH(QString, model);
        QFETCH(bool, set);
        QFETCH(bool, visca);
        QFETCH(QString, text);
        const preset_commands::CropCommand c = preset_commands::panorama_crop(model, set);
        QCOMPARE(c.visca, visca);
        QCOMPARE(c.text, text);
    }
};

QTEST_APPLESS_MAIN(tst_PresetCommands)
#include "tst_preset_commands.moc"
