#pragma once

#include "sim_transfer_packet.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

class QTcpServer;
class QTcpSocket;

// What the transfer service does wrong on purpose.
enum class SimTransferFault {
    None,
    Refuse,                 // its ports do not listen: every connect is refused
    CloseBeforeFirstPacket, // takes a request and closes without a packet
    StopMidTransfer,        // an archive it sends stops after half its data packets; a file it takes is cut after half its bytes
    WrongMd5,               // announces a wrong MD5 with an archive; finds every file it takes damaged
    OversizedLength,        // announces an archive of 0x7FFFFFFF bytes, then sends the real one
    DataLengthOverBlock,    // the first data packet claims 4096 bytes while it carries its 2048; no step 3 after an export's data
    PacketsTogether,        // every packet of an answer in one write
    SilentMidTransfer,      // the connection stays open, but an archive it sends stops after half its data packets,
                            // a file it takes gets no answer after half its bytes, a version query (step 10) none at all
};

// One request the service took, with the file that followed it.
struct SimTransferRecord {
    quint16 port = 0;
    char letter = 0;
    qint32 step = 0;
    qint32 length = 0;
    qint32 parameter = 0;
    QByteArray text;      // the text field
    QByteArray md5;       // the block's text
    QByteArray file;      // the bytes that followed an upgrade or restore request, as far as they came
    bool complete = false; // all announced bytes came
};

// The camera's file-transfer services on one loopback address: port 5555 (version query,
// firmware upgrade, full backup and restore) and port 10791 (role export and import). Written
// apart from the tool's transfer code.
//
// | request | answer |
// |---|---|
// | 'Q' | a 'Q' packet: the version text and the partition listing |
// | 'U' (size, name, MD5, type) | 'U' step 0; the file's bytes; then steps 3, 5 and the final step (9 unless set) when their MD5 matches, else step 6 |
// | 'B' on 5555 | the full archive "data.tar.gz": step 1 (size, name, MD5), step-2 data packets of up to 2048 bytes; then it closes |
// | 'B' on 10791 | the role archive: step 1, the data packets, step 3 |
// | 'R' (size, name, MD5) | step 3; the file's bytes; steps 4 and 6 when their MD5 matches, else 4 and 5 |
//
// Packets on 5555 answering 'Q' and 'U' use the layout set (long unless set); archives always
// travel in the long layout, as the tool's command socket reads them. Each packet goes in a
// write of its own, one event loop turn after the one before (PacketsTogether: one write).
// The service lives in the thread that created it and answers while that thread handles events.
class SimTransferService : public QObject
{
    Q_OBJECT

public:
    explicit SimTransferService(const QString &address = QStringLiteral("127.0.0.2"), QObject *parent = nullptr);
    ~SimTransferService() override;

    void setPorts(quint16 backupPort, quint16 parameterPort);
    // Listens on both ports of the address (127.0.0.0/8 only); false (see lastError()) when it cannot.
    bool start();
    void stop();
    QString lastError() const { return m_lastError; }

    void setFault(SimTransferFault fault);
    SimTransferFault fault() const { return m_fault; }
    void setLayout(simtransfer::Layout layout) { m_layout = layout; }
    void setVersion(const QByteArray &text, const QByteArray &listing);
    void setFullArchive(const QByteArray &bytes) { m_fullArchive = bytes; }
    void setRoleArchive(const QByteArray &name, const QByteArray &bytes);
    void setUpgradeFinalStep(int step) { m_finalStep = step; }
    // The version reply comes this long after its request.
    void setReplyDelayMs(int ms) { m_replyDelayMs = ms; }
    // Packets sent, as they are, in answer to any request with this letter (instead of the
    // service's own answer).
    void setScript(char letter, const QVector<QByteArray> &packets) { m_scripts[letter] = packets; }

    // Raw bytes to every open connection, now.
    void pushToLinks(const QByteArray &bytes);

    QVector<SimTransferRecord> records() const { return m_records; }
    void clearRecords() { m_records.clear(); }
    int connectionCount() const { return m_connectionCount; }
    // Connections the tool has not closed yet.
    int openLinks() const { return m_links.size(); }

private:
    struct Link {
        quint16 port = 0;
        QByteArray buffer;
        int receiving = -1; // the record whose file is coming, or -1
        QVector<QByteArray> outgoing;
        bool closeAfterSending = false;
        bool sending = false;
        bool silent = false; // takes what comes and says nothing more
    };

    bool listen();
    void onNewConnection(QTcpServer *server, quint16 port);
    void onReadyRead(QTcpSocket *socket);
    void handleRequest(QTcpSocket *socket, Link &link, const simtransfer::Packet &request);
    void takeFileBytes(QTcpSocket *socket, Link &link);
    void fileComplete(QTcpSocket *socket, Link &link, SimTransferRecord &record);
    QVector<QByteArray> archivePackets(const QByteArray &name, const QByteArray &bytes, bool role) const;
    void queue(QTcpSocket *socket, const QVector<QByteArray> &packets, bool closeAfter = false);
    void sendNext(QTcpSocket *socket);
    simtransfer::Layout layoutFor(quint16 port) const;

    QString m_address;
    quint16 m_backupPort = 5555;
    quint16 m_parameterPort = 10791;
    bool m_running = false;
    QString m_lastError;
    SimTransferFault m_fault = SimTransferFault::None;
    simtransfer::Layout m_layout = simtransfer::Layout::Long;
    QByteArray m_versionText = "SOC: v3.1.0\nARM: v2.0.7\nMODEL: K38.T20\nUPGRADE: 2024-05-01";
    QByteArray m_listing = "mtd0: 00040000 00010000 \"boot\"\nmtd1: 00300000 00010000 \"kernel\"\nmtd2: 00c00000 00010000 \"rootfs\"\n";
    QByteArray m_fullArchive;
    QByteArray m_roleName = "teacher_conf.tar.gz";
    QByteArray m_roleArchive;
    int m_finalStep = 9;
    int m_replyDelayMs = 0;
    QMap<char, QVector<QByteArray>> m_scripts;
    QTcpServer *m_backupServer = nullptr;
    QTcpServer *m_parameterServer = nullptr;
    QHash<QTcpSocket *, Link> m_links;
    QVector<SimTransferRecord> m_records;
    int m_connectionCount = 0;
};
