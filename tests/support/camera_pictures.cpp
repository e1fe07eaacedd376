#include "camera_pictures.h"

#include "sim_camera.h"
#include "sim_camera_host.h"

bool CameraPictures::start(const SimCameraHost &host, RtspServerProcess::Options options)
{
    for (SimCamera *camera : host.cameras()) {
        options.address = camera->address();
        options.port = 554;
        m_servers.push_back(std::make_unique<RtspServerProcess>());
        if (!m_servers.back()->start(options)) {
            m_error = options.address + QStringLiteral(": ") + m_servers.back()->errorString();
            return false;
        }
    }
    return true;
}
