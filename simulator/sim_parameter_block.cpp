#include "sim_parameter_block.h"

namespace simblock {

const char *const kTeacher = "teacher_parameter";
const char *const kStudent = "student_parameter";
const char *const kBoard = "board_parameter";
const char *const kDirector = "director_parameter";

QStringList sectionNames()
{
    return {QLatin1String(kTeacher), QLatin1String(kStudent), QLatin1String(kBoard), QLatin1String(kDirector)};
}

bool isSectionLine(const QString &line)
{
    return line == QLatin1String(kTeacher) || line == QLatin1String(kStudent)
        || line == QLatin1String(kBoard) || line == QLatin1String(kDirector);
}

QByteArray join(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n')).toLatin1();
}

QStringList itemLines(const SimItems &items)
{
    QStringList lines;
    lines.reserve(items.size());
    for (const auto &item : items)
        lines << item.first + QLatin1Char('=') + item.second;
    return lines;
}

} // namespace simblock

SimParameterBlock SimParameterBlock::parse(const QByteArray &payload)
{
    SimParameterBlock block;
    const int nul = payload.indexOf('\0');
    const QString text = QString::fromLatin1(nul < 0 ? payload : payload.left(nul));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    int i = 0;
    while (i < lines.size() && simblock::isSectionLine(lines.at(i)))
        block.sectionLines << lines.at(i++);
    if (block.sectionLines.isEmpty())
        return block;
    if (i < lines.size() && !lines.at(i).isEmpty() && !lines.at(i).contains(QLatin1Char('=')))
        block.command = lines.at(i++);
    for (; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.isEmpty())
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            block.strays << line;
            continue;
        }
        block.items.append({line.left(eq), line.mid(eq + 1)});
    }
    return block;
}

QString SimParameterBlock::item(const QString &key) const
{
    for (const auto &entry : items) {
        if (entry.first == key)
            return entry.second;
    }
    return QString();
}
