#include "sim_camera_host.h"

#include "sim_camera.h"

SimCameraHost::SimCameraHost(QObject *parent)
    : QObject(parent)
{
    m_thread.setObjectName(QStringLiteral("SimCameraHost"));
    m_thread.start();
}

SimCameraHost::~SimCameraHost()
{
    for (SimCamera *camera : qAsConst(m_cameras)) {
        // A QObject is destroyed in its own thread.
        QMetaObject::invokeMethod(camera, [camera] { delete camera; }, Qt::BlockingQueuedConnection);
    }
    m_cameras.clear();
    m_thread.quit();
    m_thread.wait();
}

SimCamera *SimCameraHost::addCamera(const QString &address, const QString &model)
{
    if (cameraAt(address))
        return nullptr;
    auto *camera = new SimCamera(address, model);
    camera->moveToThread(&m_thread);
    m_cameras.append(camera);
    return camera;
}

SimCamera *SimCameraHost::cameraAt(const QString &address) const
{
    for (SimCamera *camera : m_cameras) {
        if (camera->address() == address)
            return camera;
    }
    return nullptr;
}

bool SimCameraHost::startAll()
{
    bool all = true;
    for (SimCamera *camera : qAsConst(m_cameras)) {
        if (!camera->isRunning() && !camera->start())
            all = false;
    }
    return all;
}

void SimCameraHost::stopAll()
{
    for (SimCamera *camera : qAsConst(m_cameras))
        camera->stop();
}
