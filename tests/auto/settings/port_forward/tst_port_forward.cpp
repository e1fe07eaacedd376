// What the Recorder Map Config tab's Apply accepts: port numbers, and which fields each mode
// checks, in which order.
#include "settings/port_forward.h"

#include <QtTest>

namespace {

// A complete, valid mapping as the form's defaults give it.
portforward::Fields mapped()
{
    portforward::Fields f;
    f.mapping = true;
    f.username = QStringLiteral("username");
    f.password = QStringLiteral("wobentri");
    f.host_ip = QStringLiteral("192.168.1.200");
    f.teacher_ip = QStringLiteral("192.168.1.201");
    f.student_ip = QStringLiteral("192.168.1.202");
    f.teacher_rtsp = QStringLiteral("20554");
    f.teacher_visca = QStringLiteral("21259");
    f.teacher_udp = QStringLiteral("26791");
    f.teacher_tcp = QStringLiteral("26793");
    f.teacher_backup = QStringLiteral("25555");
    f.student_rtsp = QStringLiteral("10554");
    f.student_visca = QStringLiteral("11259");
    f.student_udp = QStringLiteral("16791");
    f.student_tcp = QStringLiteral("16793");
    f.student_backup = QStringLiteral("15555");
    f.search_port = QStringLiteral("8005");
    return f;
}

using Field = QString portforward::Fields::*;

} // namespace

Q_DECLARE_METATYPE(portforward::Fault)

class tst_PortForward : public QObject
{
    Q_OBJECT

private slots:
    void ports_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("port");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("554") << "554" << true;
        QTest::newRow("65535") << "65535" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("65536") << "65536" << false;
        QTest::newRow("99999") << "99999" << false;
        QTest::newRow("100000") << "100000" << false;
        QTest::newRow("leading zero") << "0554" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("number then letters") << "554a" << false;
        QTest::newRow("blank before") << " 554" << false;
        QTest::newRow("blank after") << "554 " << false;
        QTest::newRow("sign") << "+554" << false;
        QTest::newRow("minus") << "-1" << false;
        QTest::newRow("line break") << "554\n" << false;
        QTest::newRow("arabic-indic digits") << QString::fromUtf8("٥٥٤") << false;
        QTest::newRow("full-width digits") << QString::fromUtf8("５５４") << false;
        QTest::newRow("huge") << "18446744073709551617" << false;
    }
    void ports()
    {
        QFETCH(QString, text);
        QFETCH(bool, port);
        QCOMPARE(portforward::is_port(text), port);
    }

    // With mapping every used field is checked, in the order login, host, teacher, student,
    // ports, search port; an empty mapped port is the camera's own and passes.
    void mappedChecks_data()
    {
        QTest::addColumn<QStringList>("changes"); // "field=value" pairs
        QTest::addColumn<portforward::Fault>("fault");
        QTest::addColumn<QString>("text");
        using portforward::Fault;
        QTest::newRow("defaults") << QStringList{} << Fault::None << "";
        QTest::newRow("no user name") << QStringList{"username="} << Fault::None << "";
        QTest::newRow("no password") << QStringList{"password="} << Fault::None << "";
        QTest::newRow("no login") << QStringList{"username=", "password="} << Fault::Login << "";
        QTest::newRow("login before address") << QStringList{"username=", "password=", "host="} << Fault::Login << "";
        QTest::newRow("empty host") << QStringList{"host="} << Fault::Address << "";
        QTest::newRow("bad host") << QStringList{"host=192.168.1.256"} << Fault::Address << "192.168.1.256";
        QTest::newRow("bad teacher") << QStringList{"teacher=10.0.0"} << Fault::Address << "10.0.0";
        QTest::newRow("bad student") << QStringList{"student=host"} << Fault::Address << "host";
        QTest::newRow("host before teacher") << QStringList{"host=x", "teacher=y"} << Fault::Address << "x";
        QTest::newRow("address before port") << QStringList{"student=y", "teacher_udp=0"} << Fault::Address << "y";
        QTest::newRow("teacher rtsp letters") << QStringList{"teacher_rtsp=abc"} << Fault::Port << "abc";
        QTest::newRow("teacher visca 0") << QStringList{"teacher_visca=0"} << Fault::Port << "0";
        QTest::newRow("teacher udp 65536") << QStringList{"teacher_udp=65536"} << Fault::Port << "65536";
        QTest::newRow("teacher tcp leading zero") << QStringList{"teacher_tcp=06793"} << Fault::Port << "06793";
        QTest::newRow("teacher backup blank") << QStringList{"teacher_backup= 1"} << Fault::Port << " 1";
        QTest::newRow("student rtsp") << QStringList{"student_rtsp=1e4"} << Fault::Port << "1e4";
        QTest::newRow("student visca") << QStringList{"student_visca=-5"} << Fault::Port << "-5";
        QTest::newRow("student udp") << QStringList{"student_udp=70000"} << Fault::Port << "70000";
        QTest::newRow("student tcp") << QStringList{"student_tcp=x"} << Fault::Port << "x";
        QTest::newRow("student backup") << QStringList{"student_backup=0"} << Fault::Port << "0";
        QTest::newRow("teacher before student") << QStringList{"student_tcp=x", "teacher_tcp=y"} << Fault::Port << "y";
        QTest::newRow("search port") << QStringList{"search=0"} << Fault::Port << "0";
        QTest::newRow("search port empty") << QStringList{"search="} << Fault::Port << "";
        QTest::newRow("empty mapped ports are own ports")
            << QStringList{"teacher_rtsp=", "teacher_visca=", "teacher_udp=", "teacher_tcp=", "teacher_backup=",
                           "student_rtsp=", "student_visca=", "student_udp=", "student_tcp=", "student_backup="}
            << Fault::None << "";
        QTest::newRow("address with mask") << QStringList{"host=192.168.1.200/24"} << Fault::None << "";
    }
    void mappedChecks()
    {
        QFETCH(QStringList, changes);
        QFETCH(portforward::Fault, fault);
        QFETCH(QString, text);
        const QHash<QString, Field> fields = {
            {"username", &portforward::Fields::username},     {"password", &portforward::Fields::password},
            {"host", &portforward::Fields::host_ip},          {"teacher", &portforward::Fields::teacher_ip},
            {"student", &portforward::Fields::student_ip},    {"teacher_rtsp", &portforward::Fields::teacher_rtsp},
            {"teacher_visca", &portforward::Fields::teacher_visca}, {"teacher_udp", &portforward::Fields::teacher_udp},
            {"teacher_tcp", &portforward::Fields::teacher_tcp}, {"teacher_backup", &portforward::Fields::teacher_backup},
            {"student_rtsp", &portforward::Fields::student_rtsp}, {"student_visca", &portforward::Fields::student_visca},
            {"student_udp", &portforward::Fields::student_udp}, {"student_tcp", &portforward::Fields::student_tcp},
            {"student_backup", &portforward::Fields::student_backup}, {"search", &portforward::Fields::search_port},
        };
        portforward::Fields f = mapped();
        for (const QString &change : changes) {
            const int eq = change.indexOf(QLatin1Char('='));
            QVERIFY(fields.contains(change.left(eq)));
            f.*fields.value(change.left(eq)) = change.mid(eq + 1);
        }
        const portforward::Check check = portforward::check(f);
        QCOMPARE(check.fault, fault);
        QCOMPARE(check.text, text);
    }

    // Without mapping only the search port is used, so nothing else is looked at.
    void unmappedChecksOnlyTheSearchPort()
    {
        portforward::Fields f;
        f.mapping = false;
        f.teacher_udp = QStringLiteral("abc");
        f.host_ip = QStringLiteral("not an address");
        f.search_port = QStringLiteral("8005");
        QCOMPARE(portforward::check(f).fault, portforward::Fault::None);
        f.search_port = QStringLiteral("80050");
        QCOMPARE(portforward::check(f).fault, portforward::Fault::Port);
        QCOMPARE(portforward::check(f).text, QStringLiteral("80050"));
    }

    void ownPorts()
    {
        const portforward::CameraPorts own = portforward::own_ports();
        QCOMPARE(own.rtsp, QStringLiteral("554"));
        QCOMPARE(own.visca, 1259);
        QCOMPARE(own.udp, 6791);
        QCOMPARE(own.tcp, 6793);
        QCOMPARE(own.backup, 5555);
    }
};

QTEST_APPLESS_MAIN(tst_PortForward)
#include "tst_port_forward.moc"
