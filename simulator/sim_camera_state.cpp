#include "sim_camera_state.h"

#include "sim_parameter_block.h"
#include "sim_section_defaults.h"
#include "sim_visca.h"

SimCameraState SimCameraState::initial(const QString &model)
{
    SimCameraState state;
    state.model = model;
    for (const QString &section : simblock::sectionNames())
        state.sections.insert(section, simdefaults::forSection(section));
    for (const QString &key : simdefaults::boardRelayKeys())
        state.boardRelayKeys.insert(key);
    for (const QString &section : {QString::fromLatin1(simblock::kTeacher), QString::fromLatin1(simblock::kStudent),
                                   QString::fromLatin1(simblock::kBoard)}) {
        state.trackingStatus.insert(section, QStringLiteral("stop"));
        state.cropStatus.insert(section, QStringLiteral("stop"));
    }
    state.ptz.zoom = simvisca::initialZoom(model);
    state.crop.zoom = simvisca::initialZoom(model);
    return state;
}
