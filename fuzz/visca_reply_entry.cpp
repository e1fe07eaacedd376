#include "fuzz/visca_reply_entry.h"

#include "protocol/visca_reply.h"
#include "protocol/visca_text.h"
#include "protocol/zoom_multiple.h"

#include <QByteArray>
#include <QRegularExpression>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr int kMaxValueField = 255 * 4096 + 15 * 256 + 15 * 16 + 15;

bool is_table_multiple(double m)
{
    for (const ZoomMultipleEntry &row : zoom_multiple_table()) {
        if (row.multiple == m)
            return true;
    }
    return false;
}

// The row a J57 position stands for: the last row whose position it has reached, the first row
// below that.
double reference_multiple(double p)
{
    const QVector<ZoomMultipleEntry> &rows = zoom_multiple_table();
    double m = rows.first().multiple;
    for (const ZoomMultipleEntry &row : rows) {
        if (p >= row.position)
            m = row.multiple;
    }
    return m;
}

QString check_shown(double ratio, const char *what)
{
    static const QRegularExpression shown(QStringLiteral("^\\d+\\.\\dx$"));
    const QString text = zoom_multiple::magnification_text(ratio);
    if (!shown.match(text).hasMatch())
        return QStringLiteral("%1 %2 shown as \"%3\"").arg(QLatin1String(what)).arg(ratio).arg(text);
    return QString();
}

QString check_zoom_value(int v)
{
    const double m = zoom_multiple::find_matching_multiple(v);
    if (m < 1.0 || m > 12.0 || !is_table_multiple(m) || m != reference_multiple(v))
        return QStringLiteral("position %1 gives the J57 multiple %2").arg(v).arg(m);
    if (zoom_multiple::find_matching_multiple(v + 1) < m)
        return QStringLiteral("J57 multiple falls after position %1").arg(v);
    const double r6 = zoom_multiple::r6_ratio(v);
    if (!(r6 >= 1.0 && r6 <= 2.0) || zoom_multiple::r6_ratio(v + 1) < r6)
        return QStringLiteral("position %1 gives the R6 ratio %2").arg(v).arg(r6);
    QString failure = check_shown(m, "J57 multiple");
    if (failure.isEmpty())
        failure = check_shown(r6, "R6 ratio");
    if (!failure.isEmpty())
        return failure;
    if (v <= zoom_multiple::kMaxZoomPosition) {
        const float optical = zoom_multiple::j22_optical(v);
        if (!(optical >= 1.0f && optical <= 20.0f) || (optical == 20.0f) != (v == zoom_multiple::kMaxZoomPosition))
            return QStringLiteral("position %1 gives the J22 optical zoom %2").arg(v).arg(optical);
        failure = check_shown(optical, "J22 optical zoom");
    }
    if (failure.isEmpty() && v <= zoom_multiple::kMaxDigitalZoomValue) {
        const double digital = zoom_multiple::j22_digital(v);
        if (!(digital >= 20.0 && digital <= 320.0))
            return QStringLiteral("digital value %1 gives %2").arg(v).arg(digital);
        failure = check_shown(digital, "J22 digital zoom");
    }
    return failure;
}

QString check_model(const QByteArray &reply)
{
    const QString code = visca_reply::model_code(reply);
    const QString normal = visca_reply::normalized_model(code);
    if ((normal == QLatin1String("R6")) != (code == QLatin1String("R6") || code == QLatin1String("R17"))
        || (normal != code && code != QLatin1String("R17")))
        return QStringLiteral("model \"%1\" normalized to \"%2\"").arg(code, normal);
    if (reply.size() != 9 || reply.at(6) == 0)
        return code.isEmpty() ? QString() : QStringLiteral("model \"%1\" from a %2-byte reply").arg(code).arg(reply.size());
    const auto letter = static_cast<unsigned char>(reply.at(6));
    const auto number = static_cast<unsigned char>(reply.at(7));
    if (code.size() < 2 || code.size() > 3 || code.at(0) != QChar(letter)
        || code.mid(1) != QString::number(number, 16))
        return QStringLiteral("model \"%1\" from bytes %2 %3").arg(code).arg(letter).arg(number);
    return QString();
}

// The absolute position command carries pan and tilt as four nibbles each; the pan/tilt reply
// is read with the same value fields, so what the command writes reads back whole.
QString check_pan_tilt(qint16 pan, qint16 tilt)
{
    const visca_text::ParseResult command =
        visca_text::hex_text_to_bytes(visca_text::visca_absolute_position(pan, tilt));
    if (!command.ok || command.bytes.size() != 15)
        return QStringLiteral("absolute position %1, %2 is no 15-byte command").arg(pan).arg(tilt);
    const int readPan = visca_reply::value_field(command.bytes, 6);
    const int readTilt = visca_reply::value_field(command.bytes, 10);
    if (qint16(quint16(readPan)) != pan || qint16(quint16(readTilt)) != tilt)
        return QStringLiteral("pan/tilt %1, %2 read back as %3, %4").arg(pan).arg(tilt).arg(readPan).arg(readTilt);
    return QString();
}

} // namespace

QString check_visca_reply_input(const uint8_t *data, size_t size)
{
    const QByteArray reply(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const int n = reply.size();

    const QString hex = visca_reply::hex_text(reply);
    static const QRegularExpression lowerHex(QStringLiteral("^[0-9a-f]*$"));
    if (hex.size() != 2 * n || !lowerHex.match(hex).hasMatch() || QByteArray::fromHex(hex.toLatin1()) != reply)
        return QStringLiteral("hex text \"%1\" of %2 bytes").arg(hex).arg(n);
    // The same bytes written and read as a command text.
    const visca_text::ParseResult parsed = visca_text::hex_text_to_bytes(visca_text::bytes_to_hex_text(reply));
    if (!parsed.ok || parsed.bytes != reply)
        return QStringLiteral("command text of the reply does not read back");
    const bool focusAuto = n == 4 && reply == QByteArray::fromHex("905002ff");
    const bool focusManual = n == 4 && reply == QByteArray::fromHex("905003ff");
    if ((hex == visca_reply::focus_auto_text()) != focusAuto || (hex == visca_reply::focus_manual_text()) != focusManual)
        return QStringLiteral("focus reply misread from \"%1\"").arg(hex);
    if (visca_reply::carries_values(n) != (n == 7 || n == 9 || n == 11 || n == 15))
        return QStringLiteral("a %1-byte reply misjudged").arg(n);

    // Every offset, those reaching past either end included (missing bytes read as 0).
    for (int offset = -4; offset <= qMin(n, 64); ++offset) {
        qint64 want = 0;
        for (int i = 0; i < 4; ++i) {
            const int at = offset + i;
            const int b = at >= 0 && at < n ? static_cast<unsigned char>(reply.at(at)) : 0;
            want = want * 16 + (i == 0 ? b : (b & 15));
        }
        const int got = visca_reply::value_field(reply, offset);
        if (got != want || got < 0 || got > kMaxValueField)
            return QStringLiteral("value field at %1 reads %2, want %3").arg(offset).arg(got).arg(want);
    }
    QString failure = check_model(reply);
    for (int offset : {2, 6, 10}) {
        if (failure.isEmpty() && offset + 4 <= n)
            failure = check_zoom_value(visca_reply::value_field(reply, offset));
    }
    if (!failure.isEmpty())
        return failure;

    // Any double a caller might hand the J57 table, infinities and NaN included.
    if (n >= 8) {
        double p;
        std::memcpy(&p, reply.constData(), sizeof p);
        const double m = zoom_multiple::find_matching_multiple(p);
        if (!(m >= 1.0 && m <= 12.0) || (std::isnan(p) && m != 1.0))
            return QStringLiteral("position %1 gives the J57 multiple %2").arg(p).arg(m);
    }
    if (n >= 4) {
        const auto word = [&reply](int at) {
            return qint16(quint16((quint16(static_cast<unsigned char>(reply.at(at))) << 8)
                                  | static_cast<unsigned char>(reply.at(at + 1))));
        };
        failure = check_pan_tilt(word(0), word(2));
    }
    return failure;
}
