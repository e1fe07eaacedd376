#include "transfer/upgrade_rules.h"

#include "settings/upgrade_types.h"

#include <QDebug>

namespace upgrade {
namespace {
constexpr int kSocMajorAt = 6;         // "SOC: v" comes first
constexpr int kModelValueOffset = 7;   // "MODEL: "
constexpr int kPartitionCodeBase = 5;

struct Family {
    const char *log;
    QStringList codes;
};
const Family kFamilies[] = {
    {"ZR40KT Teacher:", {QStringLiteral("K64.T2"), QStringLiteral("K65.T20")}},
    {"ZR40KT Student:", {QStringLiteral("K64.S2"), QStringLiteral("K65.S20")}},
    {"ZR40PN Teacher:", {QStringLiteral("K27.T"), QStringLiteral("K38.T"), QStringLiteral("K38.T20")}},
    {"ZR40PN Student:", {QStringLiteral("K27.S"), QStringLiteral("K38.S"), QStringLiteral("K38.S20")}},
};

const QStringList &full_fixed_items()
{
    static const QStringList items = type_items(QStringLiteral("Full"));
    return items;
}

QString partition_item(const MtdPartition &p) { return p.device + p.name; }

bool contains_all(const QString &name, std::initializer_list<const char *> parts)
{
    for (const char *part : parts) {
        if (!name.contains(QLatin1String(part)))
            return false;
    }
    return true;
}

// The line of text that starts at `from`, without its line end.
QString line_from(const QString &text, int from)
{
    int end = from;
    while (end < text.size() && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
        ++end;
    return text.mid(from, end - from);
}
} // namespace

VersionReply read_version_reply(const transfer::Packet &packet, transfer::Layout layout)
{
    VersionReply reply;
    reply.text = QString::fromUtf8(packet.text);
    reply.listing = QString::fromUtf8(transfer::zero_terminated(packet.data));
    reply.soc_major = reply.text.mid(kSocMajorAt, 1);
    const int model = reply.text.indexOf(QLatin1String("MODEL"));
    if (model < 0)
        return reply;
    const int value = model + kModelValueOffset;
    if (layout == transfer::Layout::Long) {
        const int upgrade = reply.text.indexOf(QLatin1String("UPGRADE"), model);
        reply.device_model_text = upgrade >= value ? reply.text.mid(value, upgrade - model - 8).trimmed()
                                                   : line_from(reply.text, qMin(value, int(reply.text.size()))).trimmed();
    }
    const QString rest = line_from(reply.text, qMin(value, int(reply.text.size())));
    const int point = rest.indexOf(QLatin1Char('.'));
    if (point >= 0)
        reply.device_model_prefix = rest.left(point).trimmed();
    return reply;
}

QString version_log_text(const VersionReply &reply)
{
    return QStringLiteral("VERSION INFO\n") + reply.text + QStringLiteral("\n\nMTD INFO\n")
           + QStringLiteral(" Dev\tSize   Erasesize Name\n") + reply.listing;
}

QVector<MtdPartition> parse_mtd_partitions(const QString &listing)
{
    QVector<MtdPartition> partitions;
    const QStringList lines = listing.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (partitions.size() == kMaxPartitions) {
            qDebug() << "parse_mtd_partitions: the first" << kMaxPartitions << "partitions are listed";
            break;
        }
        line.remove(QLatin1Char('\r'));
        if (line.isEmpty())
            continue;
        MtdPartition p;
        p.device = line.section(QLatin1Char(' '), 0, 0);
        p.size = line.section(QLatin1Char(' '), 1, 1);
        p.erase_size = line.section(QLatin1Char(' '), 2, 2);
        p.name = line.section(QLatin1Char(' '), 3);
        partitions.append(p);
    }
    return partitions;
}

TypeList type_list(const QString &mode, int upgrade_model, int last_upgrade_type, const QVector<MtdPartition> &partitions)
{
    TypeList list;
    list.items = type_items(mode);
    if (mode == QLatin1String("Full")) {
        if (upgrade_model < kPartitionCodeBase) {
            list.current = upgrade_model - 1;
        } else {
            list.current = 0;
            list.clear_file_name = true;
        }
        for (const MtdPartition &p : partitions)
            list.items.append(partition_item(p));
    } else if (mode == QLatin1String("Simple")) {
        qDebug() << " upgradeModel=" << upgrade_model;
        if (upgrade_model == 4 && last_upgrade_type != 5)
            list.current = 2;
        else if (upgrade_model != 5 && last_upgrade_type != 5)
            list.current = upgrade_model - 1;
        else
            list.current = 3;
    }
    list.current = list.items.isEmpty() ? -1 : qBound(0, list.current, int(list.items.size()) - 1);
    return list;
}

int code_for_index(const QString &mode, int index, int upgrade_model)
{
    int code = upgrade_model;
    if (mode == QLatin1String("Full"))
        code = index + 1;
    else if (mode == QLatin1String("Simple"))
        code = index == 2 ? 4 : index == 3 ? 5 : index + 1;
    qDebug() << " upgradeMode: " << code;
    return code;
}

std::optional<int> code_for_type_text(const QString &mode, const QString &type_text, const QVector<MtdPartition> &partitions)
{
    if (mode == QLatin1String("Full")) {
        const int fixed = full_fixed_items().indexOf(type_text);
        if (fixed >= 0)
            return fixed + 1;
        for (int i = 0; i < partitions.size(); ++i) {
            if (partition_item(partitions.at(i)) == type_text)
                return kPartitionCodeBase + i;
        }
        return std::nullopt;
    }
    if (mode == QLatin1String("Simple")) {
        const int index = type_items(mode).indexOf(type_text);
        if (index >= 0)
            return code_for_index(mode, index, 0);
    }
    return std::nullopt;
}

QString file_filter(const QString &type_text)
{
    if (type_text == QLatin1String("SOC") || type_text == QLatin1String("SOC&ARM"))
        return QStringLiteral("PKG Files(*.pkg)");
    if (type_text == QLatin1String("MTD"))
        return QStringLiteral("IMG Files(*.img)");
    if (type_text == QLatin1String("ARM"))
        return QStringLiteral("BIN Files(*.bin)");
    if (type_text == QLatin1String("AUTO"))
        return QStringLiteral("ALL Files Types");
    return QString();
}

FileCheck check_upgrade_file(int code, const QString &name, const QVector<MtdPartition> &partitions)
{
    FileCheck check;
    check.code = code;
    bool ok = false;
    switch (code) {
    case 1: ok = contains_all(name, {"SOC", ".pkg"}); break;
    case 2: ok = contains_all(name, {"ARM", ".bin"}); break;
    case 3: ok = contains_all(name, {"SOC", "ARM", ".pkg"}); break;
    case 4: ok = name.contains(QLatin1String(".img")); break;
    case 5:
        if (name.contains(QLatin1String(".pkg"))) {
            check.code = 1;
        } else if (name.contains(QLatin1String(".bin"))) {
            check.code = 2;
            qDebug() << "the upgrade file type is matched successfully!";
        } else if (name.contains(QLatin1String(".img"))) {
            check.code = 4;
        } else {
            qDebug() << "Upgrade file type does not match!";
            check.outcome = FileCheck::QuietMismatch;
        }
        return check;
    case 6: ok = contains_all(name, {"uImage", ".bin"}); break;
    default: {
        // The partition's name is quoted in the listing.
        const int at = code - 6;
        if (code > 6 && at < partitions.size()) {
            const QString quoted = partitions.at(at).name;
            ok = quoted.size() > 2 && name.contains(quoted.mid(1, quoted.size() - 2))
                 && name.contains(QLatin1String(".bin"));
        }
        break;
    }
    }
    if (!ok)
        check.outcome = FileCheck::Mismatch;
    return check;
}

bool model_matches(int work_type, const QString &file_name, const VersionReply &reply)
{
    if (work_type == 2) {
        int seen = 0;
        for (int i = 0; i < file_name.size(); ++i) {
            if (file_name.at(i) == QLatin1Char('V') && ++seen == 3)
                return reply.soc_major.size() == 1 && i + 1 < file_name.size() && file_name.at(i + 1) == reply.soc_major.at(0);
        }
        return false;
    }
    const int first = file_name.indexOf(QLatin1Char('_'));
    if (first < 0)
        return false;
    const int second = file_name.indexOf(QLatin1Char('_'), first + 1);
    const QString code = second < 0 ? QString() : file_name.mid(first + 1, second - first - 1);
    const int point = file_name.indexOf(QLatin1Char('.'), first + 1);
    const QString prefix = point < 0 ? QString() : file_name.mid(first + 1, point - first - 1);
    for (const Family &family : kFamilies) {
        if (!code.isEmpty() && family.codes.contains(code) && family.codes.contains(reply.device_model_text)) {
            qDebug().noquote() << family.log << code << reply.device_model_text;
            return true;
        }
    }
    return !prefix.isEmpty() && prefix == reply.device_model_prefix;
}

} // namespace upgrade
