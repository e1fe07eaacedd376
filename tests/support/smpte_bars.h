#pragma once

#include <QImage>
#include <QString>

// Checks that a picture shows the seven upper bars of the SMPTE test pattern (the RTSP test
// server's default) in their order and colours, so that a wrong conversion (swapped channels,
// a plane read as another format, a shifted picture) fails a test. why gets the first bar
// that differs.
bool looksLikeSmpteBars(const QImage &image, QString *why = nullptr);
