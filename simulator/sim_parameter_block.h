#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

using SimItems = QVector<QPair<QString, QString>>;

// The camera's reading of one text command: lines joined by "\n"; first the section lines
// ("teacher_parameter", "student_parameter", "board_parameter", "director_parameter"; a
// first one routes a board or director section through a pano camera), then a command line
// ("get_tracking_config_file" and the like; absent in bare commands such as
// "command=get_crop_status"), then one "key=value" line per item.
struct SimParameterBlock {
    QStringList sectionLines;
    QString command;    // empty when the line after the sections is already an item
    SimItems items;     // in the order received; a line without "=" is not an item
    QStringList strays; // non-empty lines after the sections that are not items

    // The text ends at the first zero byte, as the camera's C string does; "\r" before a line
    // feed is dropped.
    static SimParameterBlock parse(const QByteArray &payload);

    bool isValid() const { return !sectionLines.isEmpty(); }
    QString routing() const { return sectionLines.isEmpty() ? QString() : sectionLines.first(); }
    QString section() const { return sectionLines.isEmpty() ? QString() : sectionLines.last(); }
    // The value of the first item with that key, or a null string when there is none.
    QString item(const QString &key) const;
};

namespace simblock {

extern const char *const kTeacher;  // "teacher_parameter"
extern const char *const kStudent;  // "student_parameter"
extern const char *const kBoard;    // "board_parameter"
extern const char *const kDirector; // "director_parameter"

bool isSectionLine(const QString &line);
// The four section names, in the order above.
QStringList sectionNames();
// Lines joined by "\n" (no line feed at the end), as Latin-1 bytes.
QByteArray join(const QStringList &lines);
// "key=value" lines of items.
QStringList itemLines(const SimItems &items);

} // namespace simblock
