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

} // namespace tracking_command
