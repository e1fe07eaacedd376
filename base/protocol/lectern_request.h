#pragma once

#include <QJsonObject>
#include <QString>
#include <QUrl>
#include <QVector>

// Requests to the HTTP parameter interface of a lectern-mode camera:
//
//   http://<user>:<password>@<address>/cgi-bin/param.cgi?<action>
//
// with no body (GET), a form body ("application/x-www-form-urlencoded", key=value pairs joined
// by "&") or a JSON object. The camera's web login travels in the URL's user-information part.
namespace lectern_request {

// The login a camera has from the factory, used while the camera has not told its own.
constexpr char kDefaultLogin[] = "qetul";
constexpr char kCgiPath[] = "/cgi-bin/param.cgi";

// Actions (the whole query of the URL).
constexpr char kGetFullTrack[] = "getfulltrack";   // GET: the lectern settings as key=value text
constexpr char kGetPath[] = "get_path";            // JSON POST: a settings file of the camera
constexpr char kPostFullTrack[] = "postfulltrack"; // form POST: one lectern setting
constexpr char kPostFullTrack2[] = "postfulltrack2"; // form POST: the director server
constexpr char kEffectArea[] = "effect_area";      // JSON POST: the feature tracking area

// The settings file get_path reads.
constexpr char kTrackConfPath[] = "/data/track.conf";

// Keys of the lectern settings.
constexpr char kAutoZoom[] = "tracking.auto_zoom";
constexpr char kAutoTilt[] = "tracking.auto_tilt";
constexpr char kReturnPresetTime[] = "tracking.return_preset_time";
constexpr char kPreset[] = "tracking.preset";
constexpr char kBodyMode[] = "tracking.body_mode";
constexpr char kBodyThresh[] = "tracking.body_thresh";
constexpr char kServerEnable[] = "tracking.server_enable";
constexpr char kServerAddr[] = "tracking.server_addr";
constexpr char kServerPort[] = "tracking.server_port";
constexpr char kServerTimes[] = "tracking.times";
constexpr char kAreaLeftUpX[] = "tracking.area.left_up_x";
constexpr char kAreaLeftUpY[] = "tracking.area.left_up_y";
constexpr char kAreaRightDownX[] = "tracking.area.right_down_x";
constexpr char kAreaRightDownY[] = "tracking.area.right_down_y";

// The URL of an action on the camera whose address field reads addressField (only its part
// before the first "/" counts). An empty user or password takes kDefaultLogin. The login is set
// as the URL's user name and password, so that "/", "@", "#", "?" or ":" in it stay part of the
// login instead of changing the host or the path; for a login of letters and digits the URL's
// text is the same as pasting the parts together. An address that is no host gives an invalid
// URL (the request then fails with an error answer).
QUrl camera_url(const QString &addressField, const QString &user, const QString &password, const QString &action);

// The URL as text without its password, for log lines.
QString loggable(const QUrl &url);

// One pair of a form body: the key, "=" and the value, each percent-encoded (everything but
// letters, digits and "-", ".", "_", "~"), so that "&", "=", "+" or "%" in a value cannot split
// or change the body. Plain values such as "192.168.1.200", "-1" or "120" stay as they are.
QString form_pair(const QString &key, const QString &value);

struct FormItem {
    QString key;
    QString value;
};
// The pairs joined by "&".
QString form_body(const QVector<FormItem> &items);

// The director server body of "postfulltrack2": server_enable, server_addr, server_port and
// times, in this order.
QString server_body(const QString &enable, const QString &address, const QString &port, const QString &times);

// The value of tracking.preset for an entry of the start position list: "-1" for the current
// location (entry 0), "1" for preset 1 (any other entry).
QString start_position_value(int index);

// A switch setting or the director server's enable: "1" on, "0" off.
QString switch_value(bool on);

// The value of tracking.body_mode for a fixed person size: "0" full body, "1" half body, "2"
// close up (the custom size sends tracking.body_thresh instead).
QString body_mode_value(int size);

// {"path": "/data/track.conf"}, the body of get_path.
QJsonObject track_conf_request();

// The body of effect_area: the four corners of the tracking area.
QJsonObject effect_area(int leftUpX, int leftUpY, int rightDownX, int rightDownY);

// A JSON body as it is sent: the object as an indented document.
QByteArray json_body(const QJsonObject &object);

} // namespace lectern_request
