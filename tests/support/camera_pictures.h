#pragma once

#include "rtsp/rtsp_server_process.h"

#include <QString>

#include <memory>
#include <vector>

class SimCameraHost;

// The live pictures of simulated cameras, as the tool looks for them: an RTSP service on port
// 554 of each camera's address.
class CameraPictures
{
public:
    // One service per camera of the host, started from options (address and port set here);
    // false, with what failed in error(), when one of them does not accept.
    bool start(const SimCameraHost &host, RtspServerProcess::Options options);
    QString error() const { return m_error; }

private:
    std::vector<std::unique_ptr<RtspServerProcess>> m_servers;
    QString m_error;
};
