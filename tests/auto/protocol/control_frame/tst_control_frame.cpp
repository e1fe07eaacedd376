#include "protocol/control_frame.h"
#include "protocol/visca_text.h"

#include <QtTest>

class tst_ControlFrame : public QObject
{
    Q_OBJECT

private slots:
    void build_data()
    {
        QTest::addColumn<quint32>("port");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("VISCA Home over TCP")
            << quint32(1259) << QByteArray::fromHex("81010604FF")
            << QByteArray::fromHex("EB04000005000000" "81010604FF");
        QTest::newRow("keep-alive on the text port")
            << quint32(6791) << QByteArray() << QByteArray::fromHex("871A000000000000");
        QTest::newRow("text block")
            << quint32(6791) << QByteArray("teacher_parameter\nget_tracking_config_file")
            << QByteArray::fromHex("871A00002A000000") + QByteArray("teacher_parameter\nget_tracking_config_file");
        QTest::newRow("every byte of the port and length")
            << quint32(0x12345678) << QByteArray(0x0102, 'x')
            << QByteArray::fromHex("7856341202010000") + QByteArray(0x0102, 'x');
        QTest::newRow("zero bytes in the payload are kept")
            << quint32(1259) << QByteArray("\x00\x01\x00", 3)
            << QByteArray::fromHex("EB04000003000000" "000100");
    }

    void build()
    {
        QFETCH(quint32, port);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, expected);
        const QByteArray frame = control_frame::build(port, payload);
        QCOMPARE(frame.toHex(' '), expected.toHex(' '));
    }

    // The whole road of a VISCA command text onto the link.
    void viscaHomeFromText()
    {
        const visca_text::ParseResult r = visca_text::hex_text_to_bytes(QStringLiteral("81 01 06 04 FF"));
        QVERIFY(r.ok);
        QCOMPARE(control_frame::build(control_frame::kViscaPort, r.bytes).toHex(' ').toUpper(),
                 QByteArray("EB 04 00 00 05 00 00 00 81 01 06 04 FF"));
    }

    void keepAlive()
    {
        QCOMPARE(control_frame::keep_alive(6791), QByteArray::fromHex("871A000000000000"));
        QCOMPARE(control_frame::keep_alive(6791).size(), control_frame::kHeaderSize);
    }

    void headerPort_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("port");
        QTest::addColumn<quint32>("expected");

        // Mapped fields: teacher VISCA 21259, student VISCA 22259, teacher text 26791,
        // student text 27791.
        QTest::newRow("mapping off keeps a mapped-looking port") << false << 21259 << quint32(21259);
        QTest::newRow("teacher VISCA field") << true << 21259 << quint32(1259);
        QTest::newRow("student VISCA field") << true << 22259 << quint32(1259);
        QTest::newRow("teacher text field") << true << 26791 << quint32(6791);
        QTest::newRow("student text field") << true << 27791 << quint32(6791);
        QTest::newRow("own VISCA port") << true << 1259 << quint32(1259);
        QTest::newRow("own text port") << true << 6791 << quint32(6791);
        QTest::newRow("unrelated port kept") << true << 5555 << quint32(5555);
    }

    void headerPort()
    {
        QFETCH(bool, enabled);
        QFETCH(int, port);
        QFETCH(quint32, expected);
        control_frame::MappedPorts mapped;
        mapped.enabled = enabled;
        mapped.teacher_visca = 21259;
        mapped.student_visca = 22259;
        mapped.teacher_text = 26791;
        mapped.student_text = 27791;
        QCOMPARE(control_frame::header_port(port, mapped), expected);
    }

    // A field that holds the same number as VISCA and text is taken for VISCA; an empty field
    // (read as 0) names no port.
    void headerPortEdgeFields()
    {
        control_frame::MappedPorts mapped;
        mapped.enabled = true;
        mapped.teacher_visca = 30000;
        mapped.teacher_text = 30000;
        QCOMPARE(control_frame::header_port(30000, mapped), quint32(1259));
        control_frame::MappedPorts empty;
        empty.enabled = true;
        QCOMPARE(control_frame::header_port(0, empty), quint32(0));
    }
};

QTEST_APPLESS_MAIN(tst_ControlFrame)
#include "tst_control_frame.moc"
