#pragma once

#include "seams/desktop_services.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Records every file dialog and web page the program asks the desktop for, and answers a dialog
// at once with the next queued file (none when the queue is empty: the installer cancelled).
class RecordingDesktop : public desktop::Services
{
public:
    RecordingDesktop() { desktop::setServices(this); }
    ~RecordingDesktop() override
    {
        if (desktop::services() == this)
            desktop::setServices(nullptr);
    }

    QString choose_file(const desktop::FileRequest &request) override
    {
        requests.append(request);
        return files.isEmpty() ? QString() : files.dequeue();
    }
    bool open_url(const QUrl &url) override
    {
        urls << url.toString();
        return true;
    }

    QList<desktop::FileRequest> requests;
    QQueue<QString> files;
    QStringList urls;
};
