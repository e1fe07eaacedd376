#pragma once

#include "core/log_fold.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>

// Reader of the `UOT` reply frames of one TCP control link. The link is a byte stream: a read
// may end anywhere, inside a header or a payload, and may hold several frames.
//
//   offset 0   4 bytes  "UOT" and a zero byte
//   offset 4   u32 LE   port: 6791 text payload, 1259 VISCA payload
//   offset 8   u32 LE   payload length
//   offset 12           payload
//
// Keep one reader per link, so that bytes of two links never mix. Each frame is taken off the
// buffer before it is handed on: a consumer that processes events while it handles a frame
// (and so lets more bytes of the same link arrive and be fed) sees every frame exactly once,
// in stream order.
//
// Damaged streams: a length beyond kMaxPayloadSize is never trusted (no allocation, no wait for
// bytes that will not come); a well-formed header for another port is skipped by its length,
// keeping the frames after it; any other bad header is dropped up to the next "UOT\0" marker
// (or the whole buffer, except a trailing start of a marker). Each case logs a warning.
//
// A run of identical frames (or identical damaged stretches) logs its first
// log_fold::kRepeatsLogged in full; the rest are counted, and one line says how many.
//
// A reader may hold a bounded number of bytes (set_max_held): a camera that sends faster than
// its frames are taken has the oldest whole frames (and damaged stretches) dropped as new bytes
// come, never a part of one; they are counted, and one line says how many (note_dropped).
class UotReader
{
public:
    static constexpr int kHeaderSize = 12;
    static constexpr quint32 kTextPort = 6791;
    static constexpr quint32 kViscaPort = 1259;
    // The longest answer, a full parameter block, is a few KiB; a length beyond this bound
    // comes from a damaged stream.
    static constexpr quint32 kMaxPayloadSize = 1024 * 1024;

    struct Frame
    {
        quint32 port = 0; // kTextPort or kViscaPort
        QByteArray payload;
        // The frame repeats the ones before it beyond what is logged: its handling is left out of
        // the log as well (log_fold::Quiet).
        bool left_out = false;
    };

    // The name ("teacher", "student") only labels the warnings.
    explicit UotReader(const QString &link_name = QString());
    ~UotReader();

    // At most this many bytes are held once a read is added, the oldest whole frames dropped to
    // make room (0: no bound). A bound below kHeaderSize + kMaxPayloadSize drops frames that a
    // camera may rightly send.
    void set_max_held(int bytes) { m_max_held = bytes; }
    int max_held() const { return m_max_held; }

    // Adds the bytes of one read, then drops the oldest whole frames beyond the bound.
    void append(const QByteArray &bytes);

    // What one step of reading took off the buffer.
    enum class Step {
        Frame,    // a whole frame, handed out
        Skipped,  // a frame for another port, or a damaged stretch up to the next marker, dropped
        NeedMore, // no whole frame is buffered (the bytes of an unfinished frame wait for later reads)
    };
    // Takes one frame or one skipped stretch off the buffer. A reader that must yield after so
    // many steps counts both kinds: a stream of frames it skips costs as much as one it hands out.
    Step next(Frame *frame);

    // Takes the next whole frame off the buffer into *frame, skipping what next() skips; false
    // when no whole frame is buffered.
    bool take_frame(Frame *frame);

    // append, then hands every whole frame to handle in stream order; returns how many.
    // handle may call feed (or append) on this reader again.
    int feed(const QByteArray &bytes, const std::function<void(const Frame &)> &handle);

    // Bytes buffered and not yet taken as frames.
    int buffered() const { return m_buffer.size() - m_pos; }
    // Frames for other ports and damaged stretches skipped since the reader was made.
    qint64 skipped() const { return m_skipped; }
    // Frames and damaged stretches dropped beyond the bound since the reader was made.
    qint64 dropped() const { return m_dropped; }

    // Forgets every buffered byte (the link was closed or re-opened), and ends the run of
    // identical frames, writing its notes.
    void clear();
    // Writes how many frames were left out of the log, and how many were dropped, since the
    // last such notes, if any.
    void write_notes();
    bool notes_pending() const { return m_fold.pending() > 0 || m_drop_note.frames > 0; }

    const QString &link_name() const { return m_link; }

private:
    // What the front of the buffer holds, from its header (at least kHeaderSize bytes buffered).
    struct Unit {
        bool marker_ok = false;
        bool damaged = false; // a bad marker or a length beyond the bound: a stretch to the next marker
        quint32 port = 0;
        quint32 length = 0;
        int size = 0;       // bytes the unit takes off the buffer
        bool whole = false; // all of them are buffered
        int keep = 0;       // damaged, no marker follows: the trailing start of a marker kept
    };
    Unit front() const;
    Step read_step(Frame *frame);
    void drop_beyond_bound();
    void note_dropped();
    void compact();
    // The bytes from the current position to the next marker (or to the end of the buffer but a
    // trailing start of a marker, whose size goes to *keep).
    int damaged_stretch(int *keep) const;
    void resynchronise(const char *reason, quint32 port, quint32 length, int stretch, int keep, bool log);

    QString m_link;
    QByteArray m_buffer;
    int m_pos = 0; // start of the unread bytes in m_buffer
    qint64 m_skipped = 0;
    int m_max_held = 0;
    qint64 m_dropped = 0;
    struct {
        qint64 frames = 0;
        qint64 bytes = 0;
    } m_drop_note; // dropped since the last note
    log_fold::Run m_fold;
};
