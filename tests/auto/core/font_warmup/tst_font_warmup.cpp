// The font configuration read beside the application object's start: whatever the system's
// configuration holds, the start goes on and the window's texts get a font.
#include "font_warmup.h"

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstring>

namespace {
// A start as the program makes it, in a process of its own (fontconfig reads its configuration
// once per process): prints the height of the application font's lines.
int childStart(int argc, char *argv[], bool waitBeforeText)
{
    FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    if (waitBeforeText)
        fonts.wait();
    std::printf("height %d\n", QFontMetrics(QApplication::font()).height());
    return 0;
}
} // namespace

class tst_FontWarmUp : public QObject
{
    Q_OBJECT

private slots:
    void startGoesOn_data()
    {
        QTest::addColumn<QByteArray>("configuration"); // the file's bytes; empty: the system's
        QTest::addColumn<bool>("wait");
        QTest::newRow("system configuration") << QByteArray() << true;
        QTest::newRow("system configuration, no wait") << QByteArray() << false;
        QTest::newRow("missing file") << QByteArray("-") << true;
        QTest::newRow("garbage") << QByteArray("\x01\x02<fontconfig><dir>\xff\xfe") << true;
        QTest::newRow("cut off") << QByteArray("<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>/usr/share/fo") << true;
    }
    void startGoesOn()
    {
        QFETCH(QByteArray, configuration);
        QFETCH(bool, wait);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), dir.filePath(QStringLiteral("cache")));
        if (!configuration.isEmpty()) {
            const QString file = dir.filePath(QStringLiteral("fonts.conf"));
            if (configuration != "-") {
                QFile conf(file);
                QVERIFY(conf.open(QIODevice::WriteOnly));
                conf.write(configuration);
            }
            env.insert(QStringLiteral("FONTCONFIG_FILE"), file);
        }
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    {wait ? QStringLiteral("--start") : QStringLiteral("--start-no-wait")});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        const QByteArray out = child.readAllStandardOutput().trimmed();
        QVERIFY2(out.startsWith("height ") && out.mid(7).toInt() > 0, out.constData());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 2 && (std::strcmp(argv[1], "--start") == 0 || std::strcmp(argv[1], "--start-no-wait") == 0))
        return childStart(argc, argv, std::strcmp(argv[1], "--start") == 0);
    QCoreApplication app(argc, argv);
    tst_FontWarmUp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_font_warmup.moc"
