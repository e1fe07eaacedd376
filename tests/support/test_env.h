#pragma once

#include <QString>

// Helpers shared by the tests; every test process already runs in folders of its own
// (tests/support/run_isolated.sh).
namespace testenv {
// Writes config.ini (in the application-data folder) with the groups and keys of the given
// INI text ("[GROUP]" lines and "key=value" lines).
void writeConfigIni(const QString &iniText);
// Writes the bytes as they are. QSettings caches files per process: a rewrite of the same size
// within one second may go unnoticed by a QSettings reader in the same process.
void writeConfigIniRaw(const QByteArray &bytes);
// Removes config.ini when it exists.
void removeConfigIni();
// The source tree, for test data and scripts.
QString sourceDir();
// size bytes of a pattern that seed varies, so that a swapped or shifted byte shows.
QByteArray patternBytes(int size, int seed);
// A file's bytes, or "(none)" when it cannot be read.
QByteArray readFile(const QString &path);
// Writes the bytes (the folders made first); false when it could not.
bool writeFile(const QString &path, const QByteArray &bytes);
// Removes the files of the working folder, but only inside the folder the test runner made for
// this test (CORVANE_TEST_ROOT): run by hand from a build or source folder it removes nothing and
// says so in why.
bool clearWorkingFolder(QString *why);
// The files mapped into this process (/proc/self/maps), to tell which libraries are loaded.
QString mappedFiles();
// A line of /proc/self/status in KiB ("VmRSS", "VmHWM"); -1 when it cannot be read.
qint64 memoryKiB(const char *field);
// Starts the process's peak memory (VmHWM) afresh at what it holds now, which it returns (-1
// when it cannot). Memory freed by earlier work goes back to the system first, so that it cannot
// hide a new peak.
qint64 resetPeakMemoryKiB();

// The time scale set to a factor while it lives; the one before is put back after.
class TimeFactor
{
public:
    explicit TimeFactor(double factor);
    ~TimeFactor();
    TimeFactor(const TimeFactor &) = delete;
    TimeFactor &operator=(const TimeFactor &) = delete;

private:
    double m_before;
};
} // namespace testenv
