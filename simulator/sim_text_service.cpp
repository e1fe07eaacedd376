#include "sim_text_service.h"

#include "sim_camera_state.h"
#include "sim_parameter_block.h"
#include "sim_section_defaults.h"

namespace {

struct Side {
    const char *section;
    const char *confirmation;
    const char *trackingStatus; // nullptr: the section has no tracking of its own
    const char *cropStatus;     // nullptr: no crop picture
    const char *autocalibrateStatus;
};

const Side kSides[] = {
    {"teacher_parameter", "set_teacher_config_file", "teacher_tracking_status", "teacher_crop_status", nullptr},
    {"student_parameter", "set_student_config_file", "student_tracking_status", "student_crop_status",
     "student_autocalibrate_status"},
    {"board_parameter", "set_board_config_file", "board_tracking_status", nullptr, nullptr},
    {"director_parameter", "set_director_config_file", nullptr, nullptr, nullptr},
};

const Side *sideOf(const QString &section)
{
    for (const Side &side : kSides) {
        if (section == QLatin1String(side.section))
            return &side;
    }
    return nullptr;
}

QString latin(const char *text)
{
    return QString::fromLatin1(text);
}

bool isDirector(const QString &section)
{
    return section == QLatin1String(simblock::kDirector);
}

bool isBoard(const QString &section)
{
    return section == QLatin1String(simblock::kBoard);
}

// The board section asked for through another camera's section line (a teacher pano camera
// relaying the blackboard cameras' settings).
bool isRelayedBoard(const SimParameterBlock &block)
{
    return isBoard(block.section()) && block.sectionLines.size() > 1;
}

// Section lines of a director answer: those of the request, with "director_parameter" added
// when the request named only the routing side.
QStringList directorHeader(const SimParameterBlock &block)
{
    QStringList lines = block.sectionLines;
    if (!lines.contains(QLatin1String(simblock::kDirector)))
        lines << latin(simblock::kDirector);
    return lines;
}

QByteArray getDirector(SimCameraState &state, const SimParameterBlock &block)
{
    QStringList lines = directorHeader(block);
    lines << QStringLiteral("get_director_config_file");
    lines << simblock::itemLines(state.sections[latin(simblock::kDirector)].items());
    return simblock::join(lines);
}

QByteArray setDirector(SimCameraState &state, const SimParameterBlock &block)
{
    SimParameterStore &store = state.sections[latin(simblock::kDirector)];
    for (const auto &item : block.items)
        store.setValue(item.first, item.second);
    QStringList lines = directorHeader(block);
    lines << simtext::confirmationWord(block.routing());
    return simblock::join(lines);
}

QByteArray getTracking(SimCameraState &state, const SimParameterBlock &block)
{
    const QString section = block.section();
    if (isDirector(section))
        return getDirector(state, block);
    const SimParameterStore &store = state.sections[section];
    SimItems items;
    if (isBoard(section)) {
        const bool relayed = isRelayedBoard(block);
        for (const auto &item : store.items()) {
            if (state.boardRelayKeys.contains(item.first) == relayed)
                items.append(item);
        }
    } else {
        items = store.items();
        const QString deviceModel = latin(simdefaults::kDeviceModelKey);
        if (!store.contains(deviceModel))
            items.append({deviceModel, state.model});
    }
    QStringList lines = block.sectionLines;
    lines << QStringLiteral("get_tracking_config_file");
    lines << simblock::itemLines(items);
    return simblock::join(lines);
}

QByteArray setTracking(SimCameraState &state, const SimParameterBlock &block)
{
    const QString section = block.section();
    if (isDirector(section))
        return setDirector(state, block);
    SimParameterStore &store = state.sections[section];
    const bool relayed = isRelayedBoard(block);
    for (const auto &item : block.items) {
        const QString key = simdefaults::storedKey(section, item.first);
        store.setValue(key, item.second);
        if (relayed)
            state.boardRelayKeys.insert(key);
    }
    QStringList lines = block.sectionLines;
    lines << simtext::confirmationWord(block.routing());
    return simblock::join(lines);
}

QByteArray trackingCommand(SimCameraState &state, const SimParameterBlock &block)
{
    const QString section = block.section();
    const QString flag = block.item(QStringLiteral("manual_direct_flag"));
    if (!flag.isNull()) {
        state.manualDirectFlag = flag;
        return {};
    }
    const QString verb = block.item(QStringLiteral("command"));
    const Side *side = sideOf(section);
    if (verb == QLatin1String("start") || verb == QLatin1String("stop")) {
        if (side && side->trackingStatus)
            state.trackingStatus[section] = verb;
    } else if (verb == QLatin1String("begin_autocalibrate") || verb == QLatin1String("re_autocalibrate")) {
        if (side && side->autocalibrateStatus) {
            QStringList lines = block.sectionLines;
            lines << latin(side->autocalibrateStatus) + QLatin1Char('=') + state.autocalibrateResult;
            return simblock::join(lines);
        }
    } else if (verb == QLatin1String("switchtoconfig1") || verb == QLatin1String("switchtoconfig2")) {
        state.sections[section].setValue(QStringLiteral("config_switch"), verb.right(1));
    } else if (verb == QLatin1String("directoropen") || verb == QLatin1String("directorclose")) {
        state.directorOpen = verb == QLatin1String("directoropen");
    } else if (verb.startsWith(QLatin1String("set"))) {
        state.storedPresets << verb;
    }
    return {};
}

QByteArray directorCommand(SimCameraState &, const SimParameterBlock &)
{
    // "command=testcmd" makes a camera send its test code to the recording host, not to the tool.
    return {};
}

QByteArray trackingStatus(SimCameraState &state, const SimParameterBlock &block)
{
    const Side *side = sideOf(block.section());
    if (!side || !side->trackingStatus)
        return {};
    QStringList lines = block.sectionLines;
    lines << latin(side->trackingStatus) + QLatin1Char('=') + state.trackingStatus.value(block.section());
    return simblock::join(lines);
}

// A block whose first line after the sections is already an item: "command=get_crop_status".
QByteArray bareCommand(SimCameraState &state, const SimParameterBlock &block)
{
    if (block.item(QStringLiteral("command")) != QLatin1String("get_crop_status"))
        return {};
    const Side *side = sideOf(block.section());
    if (!side || !side->cropStatus)
        return {};
    QStringList lines = block.sectionLines;
    lines << latin(side->cropStatus) + QLatin1Char('=') + state.cropStatus.value(block.section());
    return simblock::join(lines);
}

using Handler = QByteArray (*)(SimCameraState &, const SimParameterBlock &);

struct CommandRule {
    const char *command;
    Handler handler;
};

const CommandRule kCommands[] = {
    {"get_tracking_config_file", getTracking},
    {"set_tracking_config_file", setTracking},
    {"get_director_config_file", getDirector},
    {"set_director_config_file", setDirector},
    {"set_tracking_config_command", trackingCommand},
    {"set_director_config_command", directorCommand},
    {"get_tracking_status", trackingStatus},
    {"", bareCommand},
};

} // namespace

namespace simtext {

QString confirmationWord(const QString &routing)
{
    const Side *side = sideOf(routing);
    return side ? latin(side->confirmation) : QString();
}

QByteArray answer(SimCameraState &state, const QByteArray &payload)
{
    const SimParameterBlock block = SimParameterBlock::parse(payload);
    if (!block.isValid())
        return {};
    for (const CommandRule &rule : kCommands) {
        if (block.command == QLatin1String(rule.command))
            return rule.handler(state, block);
    }
    return {};
}

} // namespace simtext
