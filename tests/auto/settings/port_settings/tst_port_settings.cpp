// The port group of config.ini: what a stored port text makes of the field and of the port the
// program uses, with and without the recording host's port mapping, and the getters' choice.
#include "settings/port_settings.h"

#include <QtTest>

namespace {
const ports::PortRow &row(const QString &key)
{
    for (const ports::PortRow &r : ports::port_rows()) {
        if (key == QLatin1String(r.key))
            return r;
    }
    qFatal("no port row");
}
} // namespace

class tst_PortSettings : public QObject
{
    Q_OBJECT

private slots:
    void decisions_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("mapping");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("member");
        QTest::newRow("mapped, absent") << "T_Visca_Port" << "" << true << "21259" << "21259";
        QTest::newRow("unmapped, stored") << "T_Visca_Port" << "30000" << false << "30000" << "1259";
        QTest::newRow("mapped, stored") << "T_Visca_Port" << "30000" << true << "30000" << "30000";
        QTest::newRow("mapped, not a number") << "T_UDP_Port" << "abc" << true << "abc" << "abc";
        QTest::newRow("unmapped, absent") << "T_UDP_Port" << "" << false << "26791" << "6791";
        QTest::newRow("teacher rtsp mapped") << "T_RTSP_Port" << "" << true << "20554" << "20554";
        QTest::newRow("teacher rtsp unmapped") << "T_RTSP_Port" << "20554" << false << "20554" << "554";
        QTest::newRow("teacher tcp") << "T_TCP_Port" << "" << true << "26793" << "26793";
        QTest::newRow("teacher backup") << "T_Backup_Port" << "" << true << "25555" << "25555";
        QTest::newRow("student rtsp") << "S_RTSP_Port" << "" << true << "10554" << "10554";
        QTest::newRow("student visca unmapped") << "S_Visca_Port" << "11259" << false << "11259" << "1259";
        QTest::newRow("student udp") << "S_UDP_Port" << "" << true << "16791" << "16791";
        QTest::newRow("student tcp unmapped") << "S_TCP_Port" << "" << false << "16793" << "6793";
        QTest::newRow("student backup") << "S_Backup_Port" << "" << false << "15555" << "5555";
        QTest::newRow("search port") << "Mcast_Port" << "" << false << "8005" << "8005";
    }

    void decisions()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(bool, mapping);
        QFETCH(QString, field);
        QFETCH(QString, member);
        const ports::PortDecision d = ports::decide_port(row(key), stored, mapping);
        QCOMPARE(d.field_text, field);
        QCOMPARE(d.member_text, member);
    }

    // Which ports set a port member on load: the backup and search ports only fill their field.
    void members()
    {
        QStringList withMember;
        for (const ports::PortRow &r : ports::port_rows()) {
            if (r.member != ports::Member::None)
                withMember << QString::fromLatin1(r.key);
        }
        QCOMPARE(withMember, (QStringList{"T_RTSP_Port", "T_Visca_Port", "T_UDP_Port", "T_TCP_Port", "S_RTSP_Port",
                                          "S_Visca_Port", "S_UDP_Port", "S_TCP_Port"}));
        QCOMPARE(row("T_RTSP_Port").member, ports::Member::Text);
        QCOMPARE(row("S_Visca_Port").member, ports::Member::Int);
    }

    // The mapped ports are the cameras' own plus 20000 (teacher) and 10000 (student).
    void mappedDefaults()
    {
        for (const ports::PortRow &r : ports::port_rows()) {
            const QString key = QString::fromLatin1(r.key);
            const int own = QString::fromLatin1(r.own_port).toInt();
            const int mapped = QString::fromLatin1(r.mapped_default).toInt();
            if (key.startsWith(QLatin1String("T_")))
                QCOMPARE(mapped, own + 20000);
            else if (key.startsWith(QLatin1String("S_")))
                QCOMPARE(mapped, own + 10000);
        }
    }

    void getters_data()
    {
        QTest::addColumn<bool>("mapping");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("result");
        QTest::newRow("mapped and filled") << true << "20554" << "20554";
        QTest::newRow("mapped, empty field") << true << "" << "554";
        QTest::newRow("unmapped, filled") << false << "20554" << "554";
        QTest::newRow("unmapped, empty") << false << "" << "554";
        QTest::newRow("mapped, any text") << true << "x1" << "x1";
    }

    void getters()
    {
        QFETCH(bool, mapping);
        QFETCH(QString, field);
        QFETCH(QString, result);
        QCOMPARE(ports::mapped_or_own(mapping, field, QStringLiteral("554")), result);
    }

    void recorderFields()
    {
        QStringList keys, defaults;
        for (const ports::RecorderRow &r : ports::recorder_rows()) {
            keys << QString::fromLatin1(r.key);
            QCOMPARE(ports::recorder_field_text(r, QStringLiteral("typed")), QStringLiteral("typed"));
            defaults << ports::recorder_field_text(r, QString());
        }
        QCOMPARE(keys, (QStringList{"Recorder_Username", "Recorder_Password", "Recorder_Host_IP", "Recorder_Teacher_IP",
                                    "Recorder_Student_IP"}));
        QCOMPARE(defaults.mid(0, 2), (QStringList{"username", "wobentri"}));
    }

    void saveOrder()
    {
        QStringList order;
        for (const char *k : ports::port_save_order())
            order << QString::fromLatin1(k);
        QCOMPARE(order, (QStringList{"T_RTSP_Port", "T_Visca_Port", "T_UDP_Port", "T_TCP_Port", "T_Backup_Port",
                                     "S_RTSP_Port", "S_Visca_Port", "S_UDP_Port", "S_TCP_Port", "S_Backup_Port",
                                     "Recorder_Username", "Recorder_Password", "Recorder_Host_IP",
                                     "Recorder_Teacher_IP", "Recorder_Student_IP", "Recorder_Port_Map_Enabled",
                                     "Mcast_Port"}));
    }
};

QTEST_APPLESS_MAIN(tst_PortSettings)
#include "tst_port_settings.moc"
