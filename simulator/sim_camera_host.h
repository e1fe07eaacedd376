#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <QVector>

class SimCamera;

// Runs simulated cameras in a worker thread of their own, so that they keep answering while the
// test's thread is blocked (the tool waits in socket connects for up to 1.5 s without handling
// events). The host owns its cameras; they are created by addCamera(), live in the worker thread
// and are stopped and deleted there when the host goes.
class SimCameraHost : public QObject
{
    Q_OBJECT

public:
    explicit SimCameraHost(QObject *parent = nullptr);
    ~SimCameraHost() override;

    // A camera on address, of model, not yet started; nullptr for an address already taken by
    // another camera of this host.
    SimCamera *addCamera(const QString &address, const QString &model);
    int count() const { return m_cameras.size(); }
    SimCamera *camera(int index) const { return m_cameras.value(index); }
    SimCamera *cameraAt(const QString &address) const;
    const QVector<SimCamera *> &cameras() const { return m_cameras; }

    // Starts every camera that does not run; false when one of them could not bind its ports
    // (the others stay started).
    bool startAll();
    void stopAll();
    QThread *workerThread() { return &m_thread; }

private:
    QThread m_thread;
    QVector<SimCamera *> m_cameras;
};
