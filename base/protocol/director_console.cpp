#include "protocol/director_console.h"

#include "model/camera_slot.h"
#include "protocol/parameter_block.h"
#include "protocol/parameter_reply.h"

namespace director_console {

namespace {
constexpr char kPictureKey[] = "manual_direct_flag";
constexpr char kTrackingModeKey[] = "tracking_mode";
constexpr char kPanoVersionKey[] = "pano_version";
constexpr int kModeCount = 4;
constexpr int kVersionHead = 5; // the version's family is told by its first five characters

struct CallVerbs {
    const char *no_mode; // while the mode text is "0"
    const char *other;
};
// In the order of TeacherCall.
constexpr CallVerbs kTeacherVerbs[] = {
    {"callpano", "callpano"},         {"callpreset4", "callplatform"}, {"callplatform", "callpreset2"},
    {"callpreset2", "callpreset3"},   {"callpreset3", "callpreset3"},  {"callboard", "callboard"},
};
} // namespace

QString picture_block(int picture)
{
    return parameter_block::join({QLatin1String(parameter_block::kTeacherSection),
                                  QLatin1String(parameter_block::kSetTrackingConfigCommand),
                                  QLatin1String(kPictureKey) + QLatin1Char('=') + QString::number(picture)});
}

QString mode_block(const QString &mode)
{
    return parameter_block::join({QLatin1String(parameter_block::kTeacherSection),
                                  QLatin1String(parameter_block::kSetTrackingConfigFile),
                                  QLatin1String(kTrackingModeKey) + QLatin1Char('=') + mode})
           + QLatin1Char('\n');
}

QString mode_for_index(int index)
{
    return index >= 0 && index < kModeCount ? QString::number(index + 1) : QString();
}

std::optional<int> index_for_mode(const QString &mode)
{
    for (int index = 0; index < kModeCount; ++index) {
        if (mode == mode_for_index(index))
            return index;
    }
    return std::nullopt;
}

QString teacher_verb(TeacherCall call, const QString &mode_text)
{
    const CallVerbs &verbs = kTeacherVerbs[int(call)];
    return QLatin1String(mode_text == QLatin1String(kNoMode) ? verbs.no_mode : verbs.other);
}

QString student_verb() { return QStringLiteral("callpano"); }

std::optional<TeacherConfiguration> teacher_configuration(const QString &text)
{
    // A teacher answer that is no tracking status.
    if (!text.contains(QLatin1String(parameter_block::kTeacherSection))
        || parameter_reply::console_status_part(text, parameter_reply::Side::Teacher))
        return std::nullopt;
    TeacherConfiguration configuration;
    const QString mode = parameter_block::one_char_value(text, QLatin1String(kTrackingModeKey));
    if (!mode.isNull())
        configuration.tracking_mode = mode;
    const QString version = parameter_block::value(text, QLatin1String(kPanoVersionKey));
    if (!version.isNull())
        configuration.pano_version = version;
    return configuration;
}

bool mode_row_shown(const QString &pano_version)
{
    const QString head = pano_version.left(kVersionHead);
    return head.contains(QLatin1String("SOC 9")) || head.contains(QLatin1String("SOC 1"));
}

QString stream_url(Stream stream, const QString &field_text, const QString &rtsp_port)
{
    const camera_slot::AddressField field = camera_slot::parse_address_field(field_text);
    if (stream == Stream::Feature && field.is_path)
        return QStringLiteral("rtsp://") + field_text;
    const char *path = stream == Stream::Feature ? "/3" : stream == Stream::Pano ? "/4" : "/5";
    return QStringLiteral("rtsp://") + field.address + QLatin1Char(':') + rtsp_port + QLatin1String(path);
}

} // namespace director_console
