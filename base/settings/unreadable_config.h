#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// A "config.ini" the tool does not load but sets aside, starting from the defaults:
// - unreadable: it is no regular file (a FIFO or a device would keep the open waiting or the
//   read going for ever), it cannot be opened, the settings class cannot parse it, it is larger
//   than 1 MiB (far beyond any the tool writes), or it has content but no key of the seven
//   groups the tool writes (LANGUAGE_CONF, PORT_CONF, UPGRADE, TEACHER_CONF, STUDENT_CONF,
//   BOARD_CONF, DIRECTOR_CONF). Read as it is, such a file would set every control to zero.
// - cut short: it ends where a file the tool wrote was cut off, so keys that every save writes
//   are missing. Read as it is, those keys would read as empty, and the next save would write
//   defaults over what the file held.
// An empty file is neither.
//
// How a cut is told from a file that was written short: the settings class writes the groups,
// and the keys within each group, in sorted order, every line ended. A file cut off at some byte
// holds the keys before the cut and none after it, and its last line is often unfinished. So a
// file is cut short when the keys that every save writes which it lacks all sort after every
// such key it holds, and either its last line is unfinished or it holds at least the whole first
// group (BOARD_CONF). A missing key with a present key after it is a gap, not a cut: files the
// first-run wizard wrote (a few keys of three groups), files written by hand, and files of
// earlier versions, which lack the keys added since, load as before (only a key that sorted
// after all the others would look cut off). A few keys of the first group on ended lines are too
// little to tell a cut from a short file written by hand; they load as before as well.

namespace unreadable_config {

struct Verdict {
    bool unreadable = false;
    // Cut short: the keys ("GROUP/key") the cut took, in the file's order; the key of an
    // unfinished last line is among them, as its value may be cut as well.
    QStringList cut_off;
    bool set_aside() const { return unreadable || !cut_off.isEmpty(); }
};

Verdict examine(const QString &path);

// The name the file is kept under beside itself: "config.ini.unreadable-<yyyyMMdd-hhmmss>".
QString aside_path(const QString &path, const QDateTime &when);

// Moves the file to aside_path(path, when), or, when a file of that name is there already, to
// that name with "-2", "-3", ... added; *aside is the name. False, with the system's reason in
// *why, when it cannot be moved (it then stays whole where it is).
bool set_aside(const QString &path, const QDateTime &when, QString *aside, QString *why);

} // namespace unreadable_config
