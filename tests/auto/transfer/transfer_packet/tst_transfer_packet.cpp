// The file-transfer protocol's pure parts: the packet in both layouts byte for byte, the
// requests, the reassembly of a stream cut anywhere, the receive of an archive (length bounds,
// MD5, the target replaced only by a good archive), the names a camera gives, the import checks,
// where a transfer connects, and the upgrade's type, file and model rules.
#include "transfer/archive_receiver.h"
#include "transfer/packet_reader.h"
#include "transfer/transfer_files.h"
#include "transfer/transfer_packet.h"
#include "transfer/upgrade_rules.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace transfer;

namespace {
qint32 int_at(const QByteArray &bytes, int at) { return qFromLittleEndian<qint32>(bytes.constData() + at); }

QByteArray md5(const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex(); }

QByteArray read_file(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void write_file(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

upgrade::VersionReply reply(const QByteArray &text, Layout layout = Layout::Long)
{
    Packet p;
    p.letter = 'Q';
    p.text = text;
    p.data = QByteArray(kDataBlockBytes, '\0');
    return upgrade::read_version_reply(decode(encode(p, layout).constData(), layout), layout);
}
} // namespace

Q_DECLARE_METATYPE(transfer::Layout)
Q_DECLARE_METATYPE(transfer::ImportCheck)

class tst_TransferPacket : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("text_field");
        QTest::addColumn<int>("data_at");
        QTest::newRow("work type 1") << Layout::Long << 2320 << 256 << 272;
        QTest::newRow("work type 2") << Layout::Short << 2124 << 60 << 76;
    }

    void layout()
    {
        QFETCH(Layout, layout);
        QFETCH(int, size);
        QFETCH(int, text_field);
        QFETCH(int, data_at);
        const QByteArray md5_text = md5("firmware");
        const QByteArray long_name(300, 'n');
        const QByteArray bytes = upgrade_request(4, long_name, md5_text, 123456, layout);
        QCOMPARE(bytes.size(), size);
        QCOMPARE(bytes.at(0), 'U');
        QCOMPARE(bytes.mid(1, 3), QByteArray(3, '\0'));
        QCOMPARE(int_at(bytes, 4), 123456);
        QCOMPARE(int_at(bytes, 8), 9);
        QCOMPARE(int_at(bytes, 12), 4);
        // A name longer than the field keeps its zero byte; nothing spills into the data block.
        QCOMPARE(bytes.mid(16, text_field), QByteArray(text_field - 1, 'n') + '\0');
        QCOMPARE(bytes.mid(data_at, 33), md5_text + '\0');
        const Packet back = decode(bytes.constData(), layout);
        QCOMPARE(back.text, QByteArray(text_field - 1, 'n'));
        QCOMPARE(back.data.size(), kDataBlockBytes);

        const QByteArray query = query_request(10, layout);
        QCOMPARE(int_at(query, 4), 4);
        QCOMPARE(int_at(query, 12), 1);
        QCOMPARE(query.mid(16, 5), QByteArray("tupa\0", 5));
        QCOMPARE(query.mid(data_at, 5), QByteArray("tupa\0", 5));
        QCOMPARE(restore_request("data.tar.gz", md5_text, 77, layout).left(9), QByteArray("R\0\0\0\x4d\0\0\0\x01", 9));

        // A text field without a zero byte is read up to the field's end, never beyond.
        QByteArray full = bytes;
        full.replace(16, text_field, QByteArray(text_field, 'x'));
        QCOMPARE(decode(full.constData(), layout).text, QByteArray(text_field, 'x'));
    }

    void reassembly()
    {
        QByteArray stream;
        for (int step = 1; step <= 3; ++step)
            stream += encode(Packet{'B', step * 10, step, 0, "name", QByteArray(10, char('0' + step))}, Layout::Long);
        // Every cut of the stream into two reads, and the whole stream in one read.
        for (int cut = 0; cut <= stream.size(); cut += 97) {
            PacketReader reader(Layout::Long);
            QVector<int> steps;
            Packet p;
            for (const QByteArray &read : {stream.left(cut), stream.mid(cut)}) {
                reader.append(read);
                while (reader.take(p))
                    steps.append(p.step);
            }
            QCOMPARE(steps, (QVector<int>{1, 2, 3}));
            QCOMPARE(reader.buffered(), 0);
        }
    }

    void receive_data()
    {
        QTest::addColumn<QVector<int>>("lengths"); // the data packets' length fields
        QTest::addColumn<int>("announced");
        QTest::addColumn<bool>("good_md5");
        QTest::addColumn<int>("outcome"); // of the last append: ArchiveReceiver::Append
        QTest::addColumn<bool>("replaced");
        using A = ArchiveReceiver::Append;
        QTest::newRow("whole, good") << QVector<int>{2048, 1000} << 3048 << true << int(A::Complete) << true;
        QTest::newRow("whole, wrong MD5") << QVector<int>{2048, 1000} << 3048 << false << int(A::Complete) << false;
        QTest::newRow("length beyond the block") << QVector<int>{2049} << 3048 << true << int(A::BadLength) << false;
        QTest::newRow("length beyond what remains") << QVector<int>{2048, 2048} << 3048 << true << int(A::BadLength) << false;
        QTest::newRow("negative length") << QVector<int>{-1} << 3048 << true << int(A::BadLength) << false;
        QTest::newRow("cut short") << QVector<int>{2048} << 3048 << true << int(A::More) << false;
        QTest::newRow("empty archive") << QVector<int>{0} << 0 << true << int(A::Complete) << true;
    }

    void receive()
    {
        QFETCH(QVector<int>, lengths);
        QFETCH(int, announced);
        QFETCH(bool, good_md5);
        QFETCH(int, outcome);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("teacher_conf.tar.gz"));
        write_file(target, "previous good archive");
        QByteArray content;
        for (int i = 0; i < announced; ++i)
            content += char(i * 13);
        ArchiveReceiver receiver;
        QVERIFY(receiver.begin(target, announced, good_md5 ? md5(content) : md5("other")));
        int at = 0;
        ArchiveReceiver::Append last = ArchiveReceiver::Append::More;
        for (int length : lengths) {
            last = receiver.append(length, content.mid(at, kDataBlockBytes).leftJustified(kDataBlockBytes, '\0'));
            at += qMax(0, length);
        }
        QCOMPARE(int(last), outcome);
        const bool ok = last == ArchiveReceiver::Append::Complete && receiver.finish();
        receiver.cancel();
        QCOMPARE(ok, replaced);
        QCOMPARE(read_file(target), replaced ? content : QByteArray("previous good archive"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("teacher_conf.tar.gz")});
    }

    void names()
    {
        QCOMPARE(plain_file_name("data.tar.gz"), QStringLiteral("data.tar.gz"));
        QCOMPARE(plain_file_name("../../etc/escape.tar.gz"), QStringLiteral("escape.tar.gz"));
        QCOMPARE(plain_file_name("/tmp/x.tar.gz"), QStringLiteral("x.tar.gz"));
        QCOMPARE(plain_file_name("..\\..\\x.tar.gz"), QStringLiteral("x.tar.gz"));
        for (const char *refused : {"", "..", "dir/", "a\nb", "/"})
            QVERIFY2(plain_file_name(refused).isEmpty(), refused);
        QCOMPARE(saved_copy_name(QStringLiteral("teacher_conf.tar.gz")), QStringLiteral("teacher_conf.tar.gz_bak"));
    }

    void import_check_data()
    {
        QTest::addColumn<Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("zr72");
        QTest::addColumn<ImportCheck>("check");
        QTest::newRow("teacher") << Role::Teacher << "teacher_conf.tar.gz" << false << ImportCheck::Ok;
        QTest::newRow("board with the teacher's archive") << Role::Board << "teacher_conf.tar.gz" << false << ImportCheck::WrongName;
        QTest::newRow("zr72 archive, flag clear") << Role::Student << "zr72_student_conf.tar.gz" << false << ImportCheck::WrongName;
        QTest::newRow("zr72 archive, flag set") << Role::Student << "zr72_student_conf.tar.gz" << true << ImportCheck::Ok;
        QTest::newRow("plain archive, flag set") << Role::Student << "student_conf.tar.gz" << true << ImportCheck::WrongName;
        QTest::newRow("nothing chosen") << Role::Teacher << "" << false << ImportCheck::NoFile;
        QTest::newRow("gone") << Role::Teacher << "gone/teacher_conf.tar.gz" << false << ImportCheck::Missing;
    }

    void import_check()
    {
        QFETCH(Role, role);
        QFETCH(QString, name);
        QFETCH(bool, zr72);
        QFETCH(ImportCheck, check);
        QTemporaryDir dir;
        if (!name.isEmpty() && !name.contains(QLatin1Char('/')))
            write_file(dir.filePath(name), "archive");
        QCOMPARE(check_import_file(role, name.isEmpty() ? name : dir.filePath(name), zr72), check);
    }

    void endpoints()
    {
        PortMapping mapping{true, QStringLiteral("10.0.0.5"), QStringLiteral("10.0.0.6"), QStringLiteral("10.0.0.1"), 25555, 15555};
        QCOMPARE(set_upgrade_backup_port(QStringLiteral("10.0.0.5"), mapping).port, quint16(25555));
        QCOMPARE(set_upgrade_backup_port(QStringLiteral("10.0.0.6"), mapping).host, QStringLiteral("10.0.0.1"));
        QCOMPARE(set_upgrade_backup_port(QStringLiteral("10.0.0.7"), mapping).port, quint16(5555));
        mapping.enabled = false;
        QCOMPARE(set_upgrade_backup_port(QStringLiteral("10.0.0.5"), mapping).host, QStringLiteral("10.0.0.5"));
        QCOMPARE(parameter_endpoint(QStringLiteral("10.0.0.9/more")).host, QStringLiteral("10.0.0.9"));
        QCOMPARE(parameter_endpoint(QStringLiteral("10.0.0.9")).port, quint16(10791));
    }

    void upgrade_file_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("resolved");
        using F = upgrade::FileCheck;
        QTest::newRow("SOC") << 1 << "x_SOC_v3.pkg" << int(F::Ok) << 1;
        QTest::newRow("SOC without .pkg") << 1 << "x_SOC_v3.bin" << int(F::Mismatch) << 1;
        QTest::newRow("SOC&ARM") << 3 << "SOC_ARM.pkg" << int(F::Ok) << 3;
        QTest::newRow("MTD") << 4 << "ZR40_K38.T20_v1.img" << int(F::Ok) << 4;
        QTest::newRow("AUTO by .bin") << 5 << "a.bin" << int(F::Ok) << 2;
        QTest::newRow("AUTO by .img") << 5 << "a.img" << int(F::Ok) << 4;
        QTest::newRow("AUTO, no suffix") << 5 << "a.zip" << int(F::QuietMismatch) << 5;
        QTest::newRow("partition 1: uImage") << 6 << "uImage_v2.bin" << int(F::Ok) << 6;
        QTest::newRow("partition named in the list") << 7 << "kernel_v2.bin" << int(F::Ok) << 7;
        QTest::newRow("partition beyond the list") << 9 << "kernel_v2.bin" << int(F::Mismatch) << 9;
    }

    void upgrade_file()
    {
        QFETCH(int, code);
        QFETCH(QString, file);
        QFETCH(int, outcome);
        QFETCH(int, resolved);
        const auto partitions = upgrade::parse_mtd_partitions(
            QStringLiteral("mtd0: 00040000 00010000 \"boot\"\nmtd1: 00300000 00010000 \"kernel\"\nmtd2: 00c00000 00010000 \"rootfs\""));
        const upgrade::FileCheck check = upgrade::check_upgrade_file(code, file, partitions);
        QCOMPARE(int(check.outcome), outcome);
        QCOMPARE(check.code, resolved);
    }

    void type_list()
    {
        QVector<upgrade::MtdPartition> partitions(12, {QStringLiteral("mtd0:"), {}, {}, QStringLiteral("\"p\"")});
        QCOMPARE(upgrade::parse_mtd_partitions(QStringLiteral("mtd0: 1 2 \"p\"\n").repeated(12)).size(), upgrade::kMaxPartitions);
        const upgrade::TypeList full = upgrade::type_list(QStringLiteral("Full"), 6, 6, partitions.mid(0, 2));
        QCOMPARE(full.items, (QStringList{"SOC", "ARM", "SOC&ARM", "MTD", "mtd0:\"p\"", "mtd0:\"p\""}));
        QCOMPARE(full.current, 0);
        QVERIFY(full.clear_file_name);
        QCOMPARE(upgrade::type_list(QStringLiteral("Simple"), 4, 4, {}).current, 2);
        QCOMPARE(upgrade::type_list(QStringLiteral("Simple"), 5, 2, {}).current, 3);
        QCOMPARE(upgrade::code_for_index(QStringLiteral("Simple"), 2, 1), 4);
        QCOMPARE(upgrade::code_for_index(QStringLiteral("Full"), 3, 1), 4);
        QCOMPARE(*upgrade::code_for_type_text(QStringLiteral("Full"), QStringLiteral("mtd0:\"p\""), partitions), 5);
    }

    void version_reply_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("soc_major"); // with model text and prefix: "major|text|prefix"
        QTest::newRow("whole") << QByteArray("SOC: v3.1\nMODEL: K38.T20\nUPGRADE: x") << Layout::Long << "3|K38.T20|K38";
        QTest::newRow("short layout: no model text") << QByteArray("SOC: v3.1\nMODEL: K38.T20\nUPGRADE") << Layout::Short
                                                     << "3||K38";
        QTest::newRow("shorter than the major's place") << QByteArray("SOC") << Layout::Long << "||";
        QTest::newRow("model without UPGRADE") << QByteArray("SOC: v3\nMODEL: K27.T") << Layout::Long << "3|K27.T|K27";
        QTest::newRow("model without a point") << QByteArray("SOC: v3\nMODEL: K27\nUPGRADE") << Layout::Long << "3|K27|";
        QTest::newRow("MODEL at the very end") << QByteArray("SOC: v3 MODEL") << Layout::Long << "3||";
    }

    void version_reply()
    {
        QFETCH(QByteArray, text);
        QFETCH(Layout, layout);
        QFETCH(QString, soc_major);
        const upgrade::VersionReply r = reply(text, layout);
        QCOMPARE(QStringList({r.soc_major, r.device_model_text, r.device_model_prefix}).join(QLatin1Char('|')), soc_major);
    }

    void model_check_data()
    {
        QTest::addColumn<int>("work_type");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("reply_text");
        QTest::addColumn<bool>("matches");
        QTest::newRow("family row, prefixes differ") << 1 << "ZR40_K38.T20_v1.img" << QByteArray("SOC: v3\nMODEL: K27.T\nUPGRADE") << true;
        QTest::newRow("another family") << 1 << "ZR40_K38.S20_v1.img" << QByteArray("SOC: v3\nMODEL: K27.T\nUPGRADE") << false;
        QTest::newRow("same prefix") << 1 << "ZR40_K99.T_v1.img" << QByteArray("SOC: v3\nMODEL: K99.X\nUPGRADE") << true;
        QTest::newRow("empty prefix, no model") << 1 << "ZR40_.img" << QByteArray("SOC: v3") << false;
        QTest::newRow("type 2: after the third V") << 2 << "aVbVcV3.img" << QByteArray("SOC: v3") << true;
        QTest::newRow("type 2: another major") << 2 << "aVbVcV4.img" << QByteArray("SOC: v3") << false;
        QTest::newRow("type 2: two V only") << 2 << "aVbV3.img" << QByteArray("SOC: v3") << false;
    }

    void model_check()
    {
        QFETCH(int, work_type);
        QFETCH(QString, file);
        QFETCH(QByteArray, reply_text);
        QFETCH(bool, matches);
        QCOMPARE(upgrade::model_matches(work_type, file, reply(reply_text)), matches);
    }
};

QTEST_GUILESS_MAIN(tst_TransferPacket)
#include "tst_transfer_packet.moc"
