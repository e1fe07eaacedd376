#pragma once

#include "protocol/reply_values.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

#include <optional>

// Answers of the HTTP parameter interface of a lectern-mode camera: either a JSON document or
// a text of key=value lines.
namespace lectern_reply {

// What one answer body is delivered as: a JSON object (an array or another JSON value gives an
// empty object), or else the text of the body, UTF-8, up to its first zero byte.
struct Body {
    bool json = false;
    QJsonObject object;
    QString text;
};
Body classify(const QByteArray &body);

// The key=value pairs of a text answer, in order: each match of
//   (\w+(\.\w+)*)[ \t]*=[ \t]*["']?([^"'\n]+)["']?
// gives a key and a value. Blanks around "=" and quotes around the value are dropped, and so is
// white space after the value (a "\r" of a CRLF line ending among it). A key whose value is
// empty gives no pair and leaves the next line alone.
struct Pair {
    QString key;
    QString value;
};
QVector<Pair> key_values(const QString &text);

// What a key of a text answer changes on the lectern page.
enum class Target {
    LogOnly,         // known, shown in the log only
    RetentionTime,   // tracking.return_preset_time: the target retention time, an integer
    StartPosition,   // tracking.preset: the tracking start position
    BodyMode,        // tracking.body_mode: the person size
    BodyThresh,      // tracking.body_thresh: the custom person size, an integer
    AutoZoom,        // tracking.auto_zoom: on unless "0"
    AutoTilt,        // tracking.auto_tilt: on unless "0"
    Unknown,         // none of the keys of the lectern settings
};
// Exact, case-sensitive.
Target target_of(const QString &key);

// Entry of the tracking start position list: 0 (current location) for "-1", else 1 (preset 1).
int start_position_index(const QString &value);

// The person size choice of a tracking.body_mode value: 0 full body, 1 half body, 2 close up,
// 3 custom (value "4"); -1 for any other value, which changes nothing.
int body_mode_choice(const QString &value);

// A switch value: on unless it is exactly "0".
bool switch_on(const QString &value);

// The director server the camera notifies, from a JSON answer's "data" object: string members
// (numbers are read as their text).
struct DirectorServer {
    QString enable;
    QString address;
    QString port;
    QString times;
    // The server is on unless enable is exactly "0".
    bool on() const { return enable != QLatin1String("0"); }
    // times as an integer, 0 when it is no number.
    int timesNumber() const { return reply_values::number(times); }
};
// nullopt when the answer has no "data" object or an empty one.
std::optional<DirectorServer> director_server(const QJsonObject &answer);

} // namespace lectern_reply
