// The behaviour recorder: drives the real window through its widgets, as an installer does,
// against six simulated cameras with live pictures, and compares what came out with the golden
// records beside this file: what each camera received, the log, the message boxes and
// config.ini after a save. It touches only what survives a restructure of the code (the form's
// object names, the wire, the log file, the boxes, the settings file), so that a restructure
// that keeps the behaviour keeps the records. CORVANE_RECORD=1 writes them anew.
#include "camera_pictures.h"
#include "core/log_handler.h"
#include "core/reachability.h"
#include "core/time_scale.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "settings/settings_path.h"
#include "sim_camera.h"
#include "sim_camera_host.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QProcess>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QtEndian>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// A quarter: the waits inside a click (50 to 2000 ms) stay long against a reply's way, also
// on a loaded machine, and the run stays short.
constexpr double kTimeScale = 0.25;
constexpr int kStepMs = 20000; // the bound of a step's own condition (a first picture, its boxes)
// A step ends once neither the wire nor the log moved for this long; instrumented code can take
// longer than that between a click and its frame.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kQuietMs = 600;
#else
constexpr int kQuietMs = 150;
#endif
constexpr int kSettleMs = 5000;

struct Camera {
    const char *side, *kind, *address, *model; // the models differ so that connects take each way
    QByteArray slot() const { return QByteArray(side) + '_' + kind; }
};
const Camera kCameras[] = {{"teacher", "feature", "127.0.0.2", "J57"}, {"teacher", "pano", "127.0.0.3", "J57"},
                           {"student", "feature", "127.0.0.4", "R6"},  {"student", "pano", "127.0.0.5", "M19"},
                           {"board", "feature", "127.0.0.6", "J57"},   {"board", "pano", "127.0.0.7", "J57"}};
constexpr int kCameraCount = int(std::size(kCameras));

// ---- the log: the program's handler writes its file; the capture tells the threads apart ----

QMutex gCaptureMutex;
QStringList gGuiLines, gOtherLines;  // the other threads' order against the GUI's is the scheduler's
QVector<QPair<int, QString>> gNotes; // step names and boxes, before the GUI line of that index

void captureHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    {
        QMutexLocker lock(&gCaptureMutex);
        (QThread::currentThread() == qApp->thread() ? gGuiLines : gOtherLines) << msg;
    }
    logMessageHandler(type, context, msg);
}

void note(const QString &text)
{
    QMutexLocker lock(&gCaptureMutex);
    gNotes.append({int(gGuiLines.size()), text});
}

int logCount()
{
    QMutexLocker lock(&gCaptureMutex);
    return gGuiLines.size() + gOtherLines.size();
}

QString visible(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\\'))
            out += c == QLatin1Char('\n') ? QLatin1String("\\n") : QLatin1String("\\\\");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

// What differs between runs of one behaviour: the time of day, addresses in memory, what else
// the TCP reader's buffer held (the bytes that came with the frame in the same read), and the
// libVLC version the wizard's previews found.
QString normalised(QString line)
{
    using RE = QRegularExpression;
    static const std::pair<RE, const char *> kRules[] = {
        {RE(QStringLiteral("\\b\\d{4}( \\d\\d){5} \\d{3}\\b")), "<clock>"},
        {RE(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d \\d{3} init vlc lib ok .*$")), "<clock> init vlc lib ok <version>"},
        {RE(QStringLiteral("0x[0-9a-fA-F]{4,}")), "<pointer>"},
        {RE(QStringLiteral("total_length:\\d+$")), "total_length:<buffered>"},
        {RE(QStringLiteral(",tmp_buffer:.*$"), RE::DotMatchesEverythingOption), ",tmp_buffer:<buffer>"},
        {RE(QStringLiteral("^the total length is \\[\\d+\\], splitArray.*$"), RE::DotMatchesEverythingOption),
         "the total length is [<buffered>], splitArray<buffer>"},
    };
    for (const auto &rule : kRules)
        line.replace(rule.first, QLatin1String(rule.second));
    return visible(line);
}

enum class Kind {
    Ordered,
    Dropped,
    // The request poller runs on its own clock: whether its outcome comes during a click's
    // waits or after them follows that clock's phase. In order, at the end of their step.
    Poller,
    // One per read of a TCP link: how many follows how TCP chunked the bytes. Kept as the
    // frames they carried, sorted.
    Read,
};

Kind kindOf(const QString &line)
{
    static const QRegularExpression kDropped(QStringLiteral(
        // Qt's own: the form's automatic connections warn of handler names without a signal,
        // and a restructure moves those handlers away.
        "^QMetaObject::connectSlotsByName:"
        // Polls while a decoder's thread leaves its read: how many follows that thread. And
        // where in a picture the stop found that thread.
        "|^QFFmpeg::Still waiting for Play loop|^QFFmpeg::Stop flag detected during frame processing$"
        "|^QFFmpeg::get_av_frame: Resources not available, skipping frame processing$"
        // A frame that TCP split across two reads.
        "|^the byte length is less than 8$|^the byteArray length is not equal to receivedata$"));
    static const QRegularExpression kPoller(
        QStringLiteral("^(MainWindow::(Teacher|Student) (Obtain|Apply) Timeout Notice!!!|Nothing will be executed!"
                       "|(teacher|student) apply success!|get  success!|[il]: \\d+"
                       "|\\[box\\] .*\\| (teacher|student) (obtain|apply) (success|fail) \\|.*)$"));
    if (kDropped.match(line).hasMatch())
        return Kind::Dropped;
    if (kPoller.match(line).hasMatch())
        return Kind::Poller;
    return line.startsWith(QLatin1String("parseReadData:[")) ? Kind::Read : Kind::Ordered;
}

// "parseReadData:[hex]" as the reads of one frame each that TCP could have delivered instead
// (a read that the program's log cut short stays as it is).
QStringList framesOfRead(const QString &line)
{
    const QByteArray bytes = QByteArray::fromHex(line.mid(15, line.size() - 16).toLatin1());
    QStringList frames;
    for (int pos = 0; pos < bytes.size();) {
        const bool header = pos + 12 <= bytes.size() && bytes.mid(pos, 4) == QByteArray("UOT\0", 4);
        const int size = header ? 12 + qFromLittleEndian<qint32>(bytes.constData() + pos + 8) : 0;
        if (size < 12 || pos + size > bytes.size())
            return {line};
        frames << QStringLiteral("parseReadData:[%1]").arg(QString::fromLatin1(bytes.mid(pos, size).toHex(' ')));
        pos += size;
    }
    return frames;
}

QString boxLine(const msgbox::Request &r)
{
    const QMetaObject &mo = QMessageBox::staticMetaObject;
    const QMetaEnum icons = mo.enumerator(mo.indexOfEnumerator("Icon"));
    const QMetaEnum buttons = mo.enumerator(mo.indexOfEnumerator("StandardButtons"));
    QStringList names;
    for (int bit = 0; bit < 32; ++bit)
        if (int(r.buttons) & (1 << bit))
            names << QLatin1String(buttons.valueToKey(1 << bit));
    return QStringLiteral("%1 | %2 | %3 | %4")
        .arg(QLatin1String(icons.valueToKey(r.icon)), visible(r.title), visible(r.text), names.join(QLatin1Char(',')));
}

// Boxes are recorded, and noted in the log where they open (notices are only recorded).
class NotingPresenter : public RecordingPresenter
{
public:
    QMessageBox::StandardButton present(const msgbox::Request &request) override
    {
        note(QLatin1String("[box] ") + boxLine(request));
        return RecordingPresenter::present(request);
    }
};

// ---- the wire ----

// One camera's messages of one step. Each TCP link (numbered as the camera took them), the UDP
// text port and the UDP VISCA port is a stream, in order. Within one step the streams follow
// one another in that fixed order: between streams the order is the scheduler's (the probe
// link's close against the next link's connect, a datagram against a frame).
QStringList wireLines(const QVector<SimMessage> &all, int from, int to, QHash<QString, int> &links)
{
    QMap<int, QStringList> streams; // TCP links by number, then UDP text and UDP VISCA
    for (int i = from; i < to; ++i) {
        const SimMessage &m = all[i];
        const bool visca = m.localPort == 1259 || m.framePort == 1259;
        const QString payload = visca ? QString::fromLatin1(m.payload.toHex(' ').toUpper()) : visible(m.text());
        if (m.transport == SimTransport::Udp) {
            streams[visca ? 1001 : 1000] << QStringLiteral("udp %1: %2").arg(m.localPort).arg(payload);
            continue;
        }
        const QString peer = m.peerAddress.toString() + QLatin1Char(':') + QString::number(m.peerPort);
        if (m.event == SimEvent::TcpConnected)
            links.insert(peer, links.size() + 1);
        const int link = links.value(peer);
        QString what = m.event == SimEvent::TcpConnected ? QStringLiteral("connect")
                       : m.event == SimEvent::TcpClosed  ? QStringLiteral("close")
                       : m.event == SimEvent::BadFrame   ? QStringLiteral("bad frame for %1").arg(m.framePort)
                       : m.channel == SimChannel::KeepAlive
                           ? QStringLiteral("keep-alive")
                           : QStringLiteral("frame for %1: %2").arg(m.framePort).arg(payload);
        streams[link] << QStringLiteral("tcp#%1 %2").arg(link).arg(what);
    }
    QStringList out;
    for (const QStringList &stream : streams)
        out << stream;
    return out;
}

struct Step {
    QString name;
    std::function<void()> act;
    int boxes = 0;                 // boxes the step opens: it waits for them
    std::function<bool()> until{}; // and for this
};

} // namespace

class tst_Recorder : public QObject
{
    Q_OBJECT

    SimCameraHost host;
    CameraPictures pictures;
    std::unique_ptr<NotingPresenter> boxes;
    std::unique_ptr<MainWindow> window;
    QtMessageHandler testHandler = nullptr;
    struct Mark {
        QString step;
        QVector<int> wire; // each camera's record count when the step began
        int boxes;
    };
    QVector<Mark> marks;

    SimCamera *camera(int i) const { return host.camera(i); }

    template <class T = QWidget>
    T *ui(const QByteArray &name) const
    {
        T *w = window->findChild<T *>(QString::fromLatin1(name));
        if (!w) {
            // The form's object names are the contract; without one there is nothing to record.
            std::fprintf(stderr, "recorder: no %s named %s\n", T::staticMetaObject.className(), name.constData());
            std::abort();
        }
        return w;
    }

    void tab(const QByteArray &page, const QByteArray &tabWidget = "tabWidget")
    {
        auto *tabs = ui<QTabWidget>(tabWidget);
        auto *bar = tabs->findChild<QTabBar *>(QString(), Qt::FindDirectChildrenOnly);
        const int index = tabs->indexOf(ui(page));
        QVERIFY2(bar && index >= 0 && tabs->isTabEnabled(index), page);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(tabs->currentIndex(), index);
    }

    // Input as an installer gives it: a hidden or disabled widget takes none, and is refused.
    QWidget *usable(const QByteArray &name)
    {
        QWidget *w = ui(name);
        if (w->isVisible() && w->isEnabled())
            return w;
        QTest::qFail(qPrintable(QStringLiteral("%1 cannot be used").arg(QLatin1String(name))), __FILE__, __LINE__);
        return nullptr;
    }

    // A mouse click, or the key given.
    void click(const QByteArray &name, Qt::Key key = Qt::Key_unknown)
    {
        if (QWidget *w = usable(name))
            key == Qt::Key_unknown ? QTest::mouseClick(w, Qt::LeftButton) : QTest::keyClick(w, key);
    }

    void type(const QByteArray &name, const QString &text)
    {
        if (auto *edit = qobject_cast<QLineEdit *>(usable(name))) {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(edit, text);
            QCOMPARE(edit->text(), text);
        }
    }

    bool hasPicture(const QByteArray &label) const { return !ui<QLabel>(label)->pixmap(Qt::ReturnByValue).isNull(); }

    // A connect or a request locks the other tabs until it is done.
    bool tabsFree() const
    {
        auto *tabs = ui<QTabWidget>("tabWidget");
        return tabs->isTabEnabled(tabs->indexOf(ui("tab_15")));
    }

    // The camera received this text during the current step.
    bool received(int i, const char *text) const
    {
        const QVector<SimMessage> all = camera(i)->received();
        for (int m = marks.last().wire[i]; m < all.size(); ++m)
            if (all[m].isText() && all[m].text().contains(QLatin1String(text)))
                return true;
        return false;
    }

    // Until neither the cameras nor the log have moved for a while: what the step set off is in.
    void settle()
    {
        const auto moved = [this] {
            int n = logCount();
            for (int i = 0; i < kCameraCount; ++i)
                n += camera(i)->receivedCount();
            return n;
        };
        QElapsedTimer clock, quiet;
        clock.start();
        quiet.start();
        for (int last = moved(); clock.elapsed() < kSettleMs && quiet.elapsed() < kQuietMs;) {
            QTest::qWait(10);
            if (moved() != last) {
                last = moved();
                quiet.restart();
            }
        }
    }

    void run(const Step &step)
    {
        Mark mark{step.name, {}, int(boxes->shown.size())};
        for (int i = 0; i < kCameraCount; ++i)
            mark.wire << camera(i)->receivedCount();
        marks << mark;
        note(QLatin1String("== ") + step.name);
        step.act();
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY2_WITH_TIMEOUT(boxes->shown.size() >= mark.boxes + step.boxes && (!step.until || step.until()),
                                  qPrintable(step.name), kStepMs);
        settle();
    }

    Step connectStep(int i, const QString &name = QString())
    {
        const Camera c = kCameras[i];
        const QByteArray picture = QByteArray(c.side) + "_labVideo_" + c.kind;
        const bool pano = c.side != QByteArray("board") && c.kind == QByteArray("pano");
        return {name.isEmpty() ? QLatin1String("connect ") + c.slot() : name,
                [this, c] {
                    tab(QByteArray("tab_") + c.side);
                    type(c.slot() + "_IP_Edit", QLatin1String(c.address));
                    click(c.slot() + "_connect_Button");
                },
                0,
                // A pano connect reads the camera's blocks up to the director block, or times out.
                [this, i, picture, pano] {
                    return hasPicture(picture) && (!pano || received(i, "get_director_config_file")) && tabsFree();
                }};
    }

    Step disconnectStep(int i)
    {
        const Camera &c = kCameras[i];
        return clicks(QLatin1String("disconnect ") + c.slot(), QByteArray("tab_") + c.side,
                      {c.slot() + "_connect_Button"});
    }

    // Buttons pressed and let go, one after the other.
    Step clicks(const QString &name, const QByteArray &page, const QByteArrayList &buttons, int boxCount = 0)
    {
        return {name,
                [this, page, buttons] {
                    if (!page.isEmpty())
                        tab(page);
                    for (const QByteArray &b : buttons)
                        click(b);
                },
                boxCount};
    }

    QVector<Step> scenario()
    {
        QVector<Step> steps;
        // The language entry is offered while no camera is connected.
        steps << Step{QStringLiteral("language Chinese"), [this] {
                          tab("tab_15");
                          QCOMPARE(ui<QComboBox>("language_select_comboBox")->currentIndex(), 1);
                          click("language_select_comboBox", Qt::Key_Up);
                      }};
        steps << Step{QStringLiteral("language English"), [this] { click("language_select_comboBox", Qt::Key_Down); }};
        for (int i = 0; i < kCameraCount; ++i)
            steps << connectStep(i);

        // Each tab: Obtain, Default, one value edited, Apply (the director tab reaches both panos).
        const struct {
            QByteArray side, page, edit;
            Qt::Key key;
            int boxes;
        } tabs[] = {{"teacher", "tab_teacher", "teacher_sensitivity_Slider", Qt::Key_Right, 1},
                    {"student", "tab_student", "student_sensitivity_Slider", Qt::Key_Right, 1},
                    {"board", "tab_board", "board_lost_pano_delay_label", Qt::Key_Up, 1},
                    {"director", "tab_host", "", Qt::Key_unknown, 2}};
        for (const auto &t : tabs) {
            steps << clicks(t.side + " obtain", t.page, {t.side + "_obtain_Button"}, t.boxes);
            steps << clicks(t.side + " default", t.page, {t.side + "_default_Button"});
            steps << Step{t.side + " edit and apply",
                          [this, t] {
                              if (t.edit.isEmpty())
                                  type("director_switch_auto_lineEdit", QStringLiteral("FF 00 00 00 00 07"));
                              else
                                  click(t.edit, t.key);
                              click(t.side + "_apply_Button");
                          },
                          t.boxes};
        }

        steps << clicks(QStringLiteral("teacher pad"), "tab_teacher",
                        {"teacher_ptz_up_Button", "teacher_ptz_leftdown_Button", "teacher_ptz_right_Button",
                         "teacher_zoomin_Button", "teacher_zoomout_Button", "teacher_ptz_reset_Button"});
        steps << clicks(QStringLiteral("student pad"), "tab_student",
                        {"student_ptz_down_Button", "student_ptz_rightup_Button", "student_ptz_left_Button",
                         "student_zoomout_Button", "student_zoomin_Button", "student_ptz_reset_Button"});
        steps << clicks(QStringLiteral("board pads"), "tab_board",
                        {"board_ptz_up_Button", "board_ptz_rightdown_Button", "board_zoomin_Button",
                         "board_ptz_reset_Button", "board_ptz_left_Button_2", "board_zoomout_Button_2",
                         "board_ptz_reset_Button_2"});
        steps << clicks(QStringLiteral("teacher presets and tracking"), "tab_teacher",
                        {"teacher_setPano_Button", "teacher_callPano_Button", "teacher_startTrack_Button",
                         "teacher_stopTrack_Button"});
        steps << clicks(QStringLiteral("student presets and tracking"), "tab_student",
                        {"student_setPano_one_Button", "student_callPano_one_Button", "student_startTrack_Button",
                         "student_stopTrack_Button"});
        steps << clicks(QStringLiteral("board presets"), "tab_board",
                        {"board_setBoard_one_Button", "board_callBoard_one_Button", "board_setBoard_two_Button_2",
                         "board_callBoard_two_Button_2", "board_setBoardPano_Button_2",
                         "board_callBoardPano_Button_2"});

        // The Upgrade tab's own preview of the board feature camera: its pad, then its menu keys.
        steps << Step{QStringLiteral("preview connect"),
                      [this] {
                          tab("tab_6");
                          tab("tab_11", "upgrade_tabWidget");
                          type("txtUrl", QStringLiteral("127.0.0.6"));
                          type("txtPort", QStringLiteral("554"));
                          click("rtsp_connect_Button");
                      },
                      0, [this] { return hasPicture("labVideo"); }};
        steps << clicks(QStringLiteral("preview pad"), {},
                        {"osd_up_Button", "osd_left_Button", "osd_back_Button", "osd_menu_Button", "osd_ok_Button"});
        steps << Step{QStringLiteral("preview menu keys"), [this] {
                          click("upgrade_preview_comboBox", Qt::Key_Down);
                          for (const char *b : {"osd_menu_Button", "osd_down_Button", "osd_right_Button",
                                                "osd_ok_Button", "osd_back_Button"})
                              click(b);
                          click("upgrade_preview_comboBox", Qt::Key_Up);
                      }};
        steps << clicks(QStringLiteral("preview disconnect"), {}, {"rtsp_connect_Button"});

        // The student pano camera stops answering: its Obtain fails, a new connect times out.
        steps << Step{QStringLiteral("silent student pano: obtain"),
                      [this] {
                          camera(3)->setFault(SimFault::Silent);
                          tab("tab_student");
                          click("student_obtain_Button");
                      },
                      1};
        steps << disconnectStep(3);
        Step reconnect = connectStep(3, QStringLiteral("silent student pano: connect"));
        reconnect.boxes = 1; // the status never comes: the tabs come free when the wait gives up
        reconnect.until = [this] { return hasPicture("student_labVideo_pano") && tabsFree(); };
        steps << reconnect << disconnectStep(3);
        steps << Step{QStringLiteral("student pano answers again"), [this] { camera(3)->setFault(SimFault::None); }};
        for (int i : {0, 1, 2, 4, 5})
            steps << disconnectStep(i);
        return steps;
    }

    // The GUI thread's lines in order, with the step names and boxes; then the rest.
    QByteArray logRecord()
    {
        QMutexLocker lock(&gCaptureMutex);
        QString out;
        QStringList outcomes, frames, others;
        const auto flush = [&] {
            if (!outcomes.isEmpty())
                out += QLatin1String("-- request outcomes\n") + outcomes.join(QLatin1Char('\n')) + QLatin1Char('\n');
            outcomes.clear();
        };
        for (int i = 0, n = 0; i <= gGuiLines.size(); ++i) {
            QStringList entries;
            for (; n < gNotes.size() && gNotes[n].first == i; ++n)
                entries << gNotes[n].second;
            if (i < gGuiLines.size())
                entries << normalised(gGuiLines[i]);
            for (const QString &e : entries) {
                if (e.startsWith(QLatin1String("== ")))
                    flush();
                switch (kindOf(e)) {
                case Kind::Ordered: out += e + QLatin1Char('\n'); break;
                case Kind::Poller: outcomes << e; break;
                case Kind::Read: frames << framesOfRead(e); break;
                case Kind::Dropped: break;
                }
            }
        }
        flush();
        for (const QString &line : gOtherLines)
            if (kindOf(line) != Kind::Dropped)
                others << normalised(line);
        frames.sort();
        others.sort();
        out += QLatin1String("== frames of the TCP links' reads, sorted\n") + frames.join(QLatin1Char('\n'))
               + QLatin1String("\n== lines of the other threads, sorted\n") + others.join(QLatin1Char('\n'));
        return (out + QLatin1Char('\n')).toUtf8();
    }

    // The log file holds just the lines the handler was given, its time and place column aside.
    void checkLogFile()
    {
        static const QRegularExpression kHead(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d [\\d:]{12}  .*?\\[\\d+\\]  : "));
        QFile file(gLogFilePath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll(); // some lines hold raw bytes, zero bytes among them
        QStringList entries;
        for (const QString &line : QString::fromUtf8(bytes.constData(), bytes.size()).split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch head = kHead.match(line);
            if (head.hasMatch())
                entries << line.mid(head.capturedLength());
            else if (!entries.isEmpty())
                entries.last() += QLatin1Char('\n') + line;
        }
        for (QString &entry : entries)
            entry.chop(1); // the writer's Qt::endl after the formatter's end of line
        if (!entries.isEmpty())
            entries.last().chop(1); // and the file's end
        QMutexLocker lock(&gCaptureMutex);
        QStringList handled = gGuiLines + gOtherLines;
        entries.sort();
        handled.sort();
        QCOMPARE(entries, handled);
    }

    // Per step that has any: its name, then its lines.
    QByteArray sections(const std::function<QStringList(int step, int end)> &lines) const
    {
        QString out;
        for (int s = 0; s < marks.size(); ++s) {
            const QStringList l = lines(s, s + 1);
            if (!l.isEmpty())
                out += QLatin1String("== ") + marks[s].step + QLatin1Char('\n') + l.join(QLatin1Char('\n')) + '\n';
        }
        return out.toUtf8();
    }

    QMap<QString, QByteArray> records(const QByteArray &ini)
    {
        QMap<QString, QByteArray> r{{QStringLiteral("config_ini.txt"), ini}, {QStringLiteral("log.txt"), logRecord()}};
        r[QStringLiteral("boxes.txt")] = sections([this](int s, int next) {
            QStringList l;
            for (int b = marks[s].boxes; b < (next < marks.size() ? marks[next].boxes : boxes->shown.size()); ++b)
                l << boxLine(boxes->shown[b]);
            return l;
        });
        for (int i = 0; i < kCameraCount; ++i) {
            const QVector<SimMessage> all = camera(i)->received();
            QHash<QString, int> links;
            r[QLatin1String("wire_") + kCameras[i].slot() + QLatin1String(".txt")] = sections([&](int s, int next) {
                return wireLines(all, marks[s].wire[i], next < marks.size() ? marks[next].wire[i] : all.size(), links);
            });
        }
        return r;
    }

    // With CORVANE_RECORD=1 the records become the golden ones; else a difference fails and
    // shows, with the actual records kept for a look.
    void compare(const QMap<QString, QByteArray> &records)
    {
        const bool write = qgetenv("CORVANE_RECORD") == "1";
        const QString golden = testenv::sourceDir() + QLatin1String("/tests/auto/whole/recorder/records/");
        const QString actual =
            qEnvironmentVariable("CORVANE_BINARY_DIR", QDir::currentPath()) + QLatin1String("/recorder-actual/");
        QStringList differing;
        for (auto it = records.begin(); it != records.end() && !write; ++it) {
            QFile f(golden + it.key());
            if (!f.open(QIODevice::ReadOnly) || f.readAll() != it.value())
                differing << it.key();
        }
        const QString dir = write ? golden : actual;
        for (auto it = records.begin(); it != records.end() && (write || !differing.isEmpty()); ++it) {
            QFile f(dir + it.key());
            QVERIFY2(QDir().mkpath(dir) && f.open(QIODevice::WriteOnly | QIODevice::Truncate)
                         && f.write(it.value()) == it.value().size(),
                     qPrintable(f.fileName()));
        }
        for (const QString &name : differing) {
            QProcess diff; // the first differing lines of each record
            diff.setProcessChannelMode(QProcess::ForwardedChannels);
            diff.start(QStringLiteral("sh"),
                       {QStringLiteral("-c"), QStringLiteral("diff -u \"$0\" \"$1\" | head -n 40"), golden + name,
                        actual + name});
            diff.waitForFinished();
        }
        QVERIFY2(differing.isEmpty(), qPrintable(QStringLiteral("records differ: %1; the actual records are in %2 "
                                                                "(CORVANE_RECORD=1 writes them into the source tree)")
                                                     .arg(differing.join(QLatin1String(", ")), actual)));
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); // the window takes the system's
        for (const Camera &c : kCameras)
            QVERIFY(host.addCamera(QLatin1String(c.address), QLatin1String(c.model)));
        RtspServerProcess::Options options;
        options.size = QSize(320, 180);
        QVERIFY2(pictures.start(host, options), qPrintable(pictures.error()));
        QVERIFY(host.startAll());
        reachability::setCheck([](const QString &) { return true; });
        timescale::setFactor(kTimeScale);
        testenv::writeConfigIni(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\nTracking_Number_Camera=3\n"));
        testHandler = qInstallMessageHandler(nullptr);
        installLogHandler(QStringLiteral("Corvane.log")); // the program's own, as it starts it
        qInstallMessageHandler(captureHandler);
    }

    void cleanupTestCase()
    {
        window.reset();
        boxes.reset();
        qInstallMessageHandler(testHandler);
        timescale::setFactor(1.0);
        reachability::setCheck({});
    }

    void record()
    {
        boxes.reset(new NotingPresenter);
        note(QStringLiteral("== window built"));
        window.reset(new MainWindow);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        settle();
        for (const Step &step : scenario()) {
            run(step);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(window->save_config());
        QFile ini(settings_file_path());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        note(QStringLiteral("== window closed"));
        window->close();
        window.reset();
        settle();
        qInstallMessageHandler(testHandler);
        checkLogFile();
        compare(records(ini.readAll()));
    }
};

QTEST_MAIN(tst_Recorder)
#include "tst_recorder.moc"
