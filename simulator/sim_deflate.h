#pragma once

#include <QByteArray>
#include <QtGlobal>

// Compressed HTTP bodies for a misbehaving camera: a run of one byte, compressed so that a few
// hundred KiB on the wire inflate to tens of MiB. Written with the fixed codes of DEFLATE (one
// literal, then matches of 258 bytes at distance 1), so the run is never held in memory.
namespace simdeflate {

// The raw DEFLATE stream (one final block) of count copies of byte.
QByteArray runStream(char byte, qint64 count);
// As "Content-Encoding: gzip" sends it: gzip header, the stream, CRC-32 and size.
QByteArray gzipRun(char byte, qint64 count);
// As "Content-Encoding: deflate" sends it: zlib header, the stream, Adler-32.
QByteArray zlibRun(char byte, qint64 count);

} // namespace simdeflate
