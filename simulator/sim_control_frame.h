#pragma once

#include <QByteArray>

// The camera's side of the frames the tool sends on a TCP control link: an 8-byte header (the
// port the payload is meant for, then the payload length, each a 32-bit little-endian integer)
// and the payload. A length of 0 is a keep-alive.
struct SimControlFrame {
    quint32 port = 0;
    QByteArray payload;
};

class SimControlFrameReader
{
public:
    static constexpr int kHeaderSize = 8;
    // No command comes near this; a larger length means the stream is not what we expect.
    static constexpr quint32 kMaxPayload = 1u << 20;

    enum class Status {
        NeedMore,  // no whole frame buffered yet
        Frame,     // one frame was taken off the buffer
        Oversized, // the header at the front names a length above kMaxPayload; nothing was taken
    };

    void append(const QByteArray &bytes) { m_buffer.append(bytes); }
    // Takes the next whole frame off the buffer into *frame. On Oversized, *frame holds the
    // header's port and the header bytes as its payload, and the buffer is left as it was.
    Status next(SimControlFrame *frame);
    int buffered() const { return m_buffer.size(); }
    void clear() { m_buffer.clear(); }

private:
    QByteArray m_buffer;
};

// Reads a 32-bit little-endian integer at offset (which must leave four bytes).
quint32 simReadLe32(const QByteArray &bytes, int offset);
// Appends value as a 32-bit little-endian integer.
void simAppendLe32(QByteArray *bytes, quint32 value);
