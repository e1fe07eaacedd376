#include "protocol/lectern_request.h"

#include "protocol/camera_address.h"

#include <QJsonDocument>
#include <QStringList>

namespace lectern_request {

QUrl camera_url(const QString &addressField, const QString &user, const QString &password, const QString &action)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    // Strict: an address that is no host leaves the URL invalid instead of guessing one.
    url.setHost(camera_address::address_part(addressField), QUrl::StrictMode);
    url.setUserName(user.isEmpty() ? QString::fromLatin1(kDefaultLogin) : user, QUrl::DecodedMode);
    url.setPassword(password.isEmpty() ? QString::fromLatin1(kDefaultLogin) : password, QUrl::DecodedMode);
    url.setPath(QString::fromLatin1(kCgiPath));
    url.setQuery(action, QUrl::TolerantMode);
    return url;
}

QString loggable(const QUrl &url) { return url.toString(QUrl::RemovePassword); }

QString form_pair(const QString &key, const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value));
}

QString form_body(const QVector<FormItem> &items)
{
    QStringList pairs;
    pairs.reserve(items.size());
    for (const FormItem &item : items)
        pairs << form_pair(item.key, item.value);
    return pairs.join(QLatin1Char('&'));
}

QString server_body(const QString &enable, const QString &address, const QString &port, const QString &times)
{
    return form_body({{QString::fromLatin1(kServerEnable), enable},
                      {QString::fromLatin1(kServerAddr), address},
                      {QString::fromLatin1(kServerPort), port},
                      {QString::fromLatin1(kServerTimes), times}});
}

QString start_position_value(int index) { return index == 0 ? QStringLiteral("-1") : QStringLiteral("1"); }

QJsonObject track_conf_request()
{
    return QJsonObject{{QStringLiteral("path"), QString::fromLatin1(kTrackConfPath)}};
}

QJsonObject effect_area(int leftUpX, int leftUpY, int rightDownX, int rightDownY)
{
    return QJsonObject{{QString::fromLatin1(kAreaLeftUpX), leftUpX},
                       {QString::fromLatin1(kAreaLeftUpY), leftUpY},
                       {QString::fromLatin1(kAreaRightDownX), rightDownX},
                       {QString::fromLatin1(kAreaRightDownY), rightDownY}};
}

QByteArray json_body(const QJsonObject &object) { return QJsonDocument(object).toJson(QJsonDocument::Indented); }

QString switch_value(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

QString body_mode_value(int size) { return QString::number(size); }

} // namespace lectern_request
