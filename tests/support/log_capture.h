#pragma once

#include <QMutex>
#include <QStringList>

// Records every log message of the process (any thread) while it exists, so that a test can
// check which log lines the code wrote; like the log file, it leaves out what log_fold::Quiet
// leaves out. One at a time.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    QStringList lines() const;
    // Lines that contain text.
    int count(const QString &text) const;
    bool contains(const QString &text) const { return count(text) > 0; }
    void clear();
};
