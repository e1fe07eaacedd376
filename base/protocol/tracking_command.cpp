#include "protocol/tracking_command.h"

#include "protocol/parameter_block.h"

namespace tracking_command {

QString command_text(const QString &section, const QString &word)
{
    return parameter_block::join({section, QString::fromLatin1(parameter_block::kSetTrackingConfigCommand),
                                  parameter_block::command_line(word)});
}

QString crop_status_request(const QString &section)
{
    return parameter_block::join({section, parameter_block::command_line(QString::fromLatin1(kGetCropStatus))});
}

QString config_word(int index)
{
    return index == 0 ? QStringLiteral("switchtoconfig1") : QStringLiteral("switchtoconfig2");
}

int other_config_index(int index) { return index == 1 ? 0 : 1; }

QString pano_focus_text(const QString &featureModel, bool manual)
{
    const QString address = featureModel == QLatin1String("M19") ? QStringLiteral("8A") : QStringLiteral("81");
    return address + (manual ? QStringLiteral(" 01 04 38 03 FF") : QStringLiteral(" 01 04 38 02 FF"));
}

QString focus_inquiry(const QString &pano_model)
{
    if (pano_model == QLatin1String("J57"))
        return QStringLiteral("81 09 04 38 FF");
    if (pano_model == QLatin1String("M19"))
        return QStringLiteral("8A 09 04 38 FF");
    return QString();
}

QString tracking_status_request(const QString &section)
{
    return parameter_block::join({section, QString::fromLatin1(parameter_block::kGetTrackingStatus)});
}

} // namespace tracking_command
