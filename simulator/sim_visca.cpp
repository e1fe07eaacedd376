#include "sim_visca.h"

#include "sim_camera_state.h"

#include <QRegularExpression>

#include <algorithm>
#include <iterator>

namespace {

constexpr quint8 kAddressCamera = 0x81; // the camera that receives the command
constexpr quint8 kAddressCrop = 0x8A;   // its panorama crop picture, on models that have one
constexpr int kJ57LowestZoom = 100;     // first row of the J57 zoom table (magnification 1.0)

enum class Op {
    ModelInquiry,
    ZoomInquiry,
    FocusInquiry,
    PanTiltInquiry,
    DigitalZoomInquiry,
    Drive,
    Home,
    Absolute,
    ZoomDrive,
    ZoomDirect,
    Preset,
    Role,
    MenuKey,
    FocusMode,
};

// Pattern tokens: "A" the address byte (0x81 or 0x8A), "??" any byte, "0?" a byte holding one
// hex digit, anything else the byte itself.
struct Rule {
    const char *pattern;
    Op op;
};

const Rule kRules[] = {
    {"A 09 11 49 FF", Op::ModelInquiry},
    {"A 09 04 47 FF", Op::ZoomInquiry},
    {"A 09 04 38 FF", Op::FocusInquiry},
    {"A 09 06 12 FF", Op::PanTiltInquiry},
    {"A 19 04 57 FF", Op::DigitalZoomInquiry},
    {"A 01 06 01 ?? ?? ?? ?? FF", Op::Drive},
    {"A 01 06 04 FF", Op::Home},
    {"A 01 06 02 ?? ?? 0? 0? 0? 0? 0? 0? 0? 0? FF", Op::Absolute},
    {"A 01 04 07 ?? FF", Op::ZoomDrive},
    {"A 01 04 47 0? 0? 0? 0? FF", Op::ZoomDirect},
    {"A 01 04 3F ?? ?? FF", Op::Preset},
    {"A 0C 0C ?? FF", Op::Role},
    {"A 01 06 06 ?? FF", Op::MenuKey},
    {"A 01 04 38 ?? FF", Op::FocusMode},
};

const int kRoles[] = {0, 1, 2, 4, 5}; // student feature, board, teacher feature, student pano, teacher pano

struct KnownModel {
    const char *code;
    int initialZoom;
    bool answersPosition; // has the pan/tilt position inquiry
};

const KnownModel kModels[] = {
    {"R6", 0, true}, {"M5", 0, true}, {"M19", 0, true}, {"J57", kJ57LowestZoom, true}, {"J22", 0, true},
    {"J4", 0, false},
};

bool answersPosition(const QString &code)
{
    for (const KnownModel &model : kModels) {
        if (code == QLatin1String(model.code))
            return model.answersPosition;
    }
    return true;
}

bool isAddress(quint8 byte)
{
    return byte == kAddressCamera || byte == kAddressCrop;
}

bool matches(const char *pattern, const QByteArray &payload)
{
    const QList<QByteArray> tokens = QByteArray(pattern).split(' ');
    if (tokens.size() != payload.size())
        return false;
    for (int i = 0; i < tokens.size(); ++i) {
        const QByteArray &token = tokens.at(i);
        const quint8 byte = quint8(payload.at(i));
        if (token == "A") {
            if (!isAddress(byte))
                return false;
        } else if (token == "??") {
            continue;
        } else if (token == "0?") {
            if (byte > 0x0F)
                return false;
        } else if (quint8(token.toUInt(nullptr, 16)) != byte) {
            return false;
        }
    }
    return true;
}

quint8 at(const QByteArray &payload, int i)
{
    return quint8(payload.at(i));
}

// The 16-bit value of the four digit bytes from offset on.
int fieldValue(const QByteArray &payload, int offset)
{
    return (at(payload, offset) << 12) | (at(payload, offset + 1) << 8) | (at(payload, offset + 2) << 4)
        | at(payload, offset + 3);
}

QVector<QByteArray> done()
{
    return {simvisca::ack(), simvisca::completion()};
}

QVector<QByteArray> refused()
{
    return {simvisca::syntaxError()};
}

QVector<QByteArray> run(Op op, SimCameraState &state, const QByteArray &payload)
{
    SimPtzState &ptz = state.ptzFor(at(payload, 0));
    switch (op) {
    case Op::ModelInquiry:
        return {simvisca::modelReply(state.model)};
    case Op::ZoomInquiry:
        return {simvisca::zoomReply(ptz.zoom)};
    case Op::FocusInquiry:
        return {simvisca::focusReply(ptz.focusManual)};
    case Op::PanTiltInquiry:
        if (!answersPosition(state.model))
            return refused();
        return {simvisca::panTiltReply(ptz.pan, ptz.tilt)};
    case Op::DigitalZoomInquiry:
        return {simvisca::digitalZoomReply(ptz.zoom, ptz.digitalZoom)};
    case Op::Drive: {
        const int panDirection = at(payload, 6);
        const int tiltDirection = at(payload, 7);
        if (panDirection < 1 || panDirection > 3 || tiltDirection < 1 || tiltDirection > 3)
            return refused();
        ptz.panSpeed = at(payload, 4);
        ptz.tiltSpeed = at(payload, 5);
        ptz.panDirection = panDirection;
        ptz.tiltDirection = tiltDirection;
        return done();
    }
    case Op::Home:
        ptz.pan = 0;
        ptz.tilt = 0;
        ptz.panDirection = 3;
        ptz.tiltDirection = 3;
        return done();
    case Op::Absolute:
        ptz.pan = qint16(quint16(fieldValue(payload, 6)));
        ptz.tilt = qint16(quint16(fieldValue(payload, 10)));
        return done();
    case Op::ZoomDrive: {
        const quint8 byte = at(payload, 4);
        if (byte == 0x00) {
            ptz.zoomDrive = 0;
        } else if (((byte & 0xF0) == 0x20 || (byte & 0xF0) == 0x30) && (byte & 0x0F) <= 7) {
            ptz.zoomDrive = byte >> 4;
            ptz.zoomSpeed = byte & 0x0F;
        } else {
            return refused();
        }
        return done();
    }
    case Op::ZoomDirect:
        ptz.zoom = fieldValue(payload, 4);
        return done();
    case Op::Preset: {
        const quint8 mode = at(payload, 4);
        const int number = at(payload, 5);
        if (mode == 0x00) {
            ptz.presets.remove(number);
        } else if (mode == 0x01) {
            ptz.presets.insert(number, {{ptz.pan, ptz.tilt}, ptz.zoom});
        } else if (mode == 0x02) {
            if (ptz.presets.contains(number)) {
                const auto preset = ptz.presets.value(number);
                ptz.pan = preset.first.first;
                ptz.tilt = preset.first.second;
                ptz.zoom = preset.second;
            }
        } else {
            return refused();
        }
        return done();
    }
    case Op::Role: {
        const int role = at(payload, 3);
        if (std::find(std::begin(kRoles), std::end(kRoles), role) == std::end(kRoles))
            return refused();
        state.role = role;
        return {simvisca::roleReply(role)};
    }
    case Op::MenuKey:
        state.lastMenuKey = at(payload, 4);
        return done();
    case Op::FocusMode: {
        const quint8 mode = at(payload, 4);
        if (mode != 0x02 && mode != 0x03)
            return refused();
        ptz.focusManual = mode == 0x03;
        return done();
    }
    }
    return refused();
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

} // namespace

namespace simvisca {

bool isValidModel(const QString &code)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z](0|[1-9a-f][0-9a-f]?)$"));
    return pattern.match(code).hasMatch();
}

int initialZoom(const QString &code)
{
    for (const KnownModel &model : kModels) {
        if (code == QLatin1String(model.code))
            return model.initialZoom;
    }
    return 0;
}

QByteArray valueField(int value)
{
    const quint16 v = quint16(value);
    return bytes({(v >> 12) & 0x0F, (v >> 8) & 0x0F, (v >> 4) & 0x0F, v & 0x0F});
}

QByteArray modelReply(const QString &code)
{
    QByteArray reply = bytes({0x90, 0x50, 0x00, 0x00, 0x00, 0x00});
    if (isValidModel(code)) {
        reply.append(code.at(0).toLatin1());
        reply.append(char(code.mid(1).toUInt(nullptr, 16)));
    } else {
        reply.append(2, '\0');
    }
    reply.append(char(0xFF));
    return reply;
}

QByteArray zoomReply(int position)
{
    return bytes({0x90, 0x50}) + valueField(position) + bytes({0xFF});
}

QByteArray focusReply(bool manual)
{
    return bytes({0x90, 0x50, manual ? 0x03 : 0x02, 0xFF});
}

QByteArray panTiltReply(int pan, int tilt)
{
    return bytes({0x90, 0x50}) + valueField(pan) + valueField(tilt) + bytes({0xFF});
}

QByteArray digitalZoomReply(int optical, int digital)
{
    return panTiltReply(optical, digital);
}

QByteArray roleReply(int role)
{
    return bytes({0x90, 0x50, role & 0x0F, 0xFF});
}

QByteArray ack()
{
    return bytes({0x90, 0x41, 0xFF});
}

QByteArray completion()
{
    return bytes({0x90, 0x51, 0xFF});
}

QByteArray syntaxError()
{
    return bytes({0x90, 0x60, 0x02, 0xFF});
}

QVector<QByteArray> answer(SimCameraState &state, const QByteArray &payload)
{
    if (payload.size() < 3 || !isAddress(quint8(payload.at(0))) || quint8(payload.back()) != 0xFF)
        return {};
    for (const Rule &rule : kRules) {
        if (matches(rule.pattern, payload))
            return run(rule.op, state, payload);
    }
    return refused();
}

} // namespace simvisca
