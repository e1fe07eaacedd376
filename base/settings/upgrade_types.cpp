#include "settings/upgrade_types.h"

namespace upgrade {
namespace {
struct TypeRow {
    const char *type;
    int code;
};
// Each mode's list in entry order; the last row of a list is what an unknown type selects.
const TypeRow kSimple[] = {{"SOC", 1}, {"ARM", 2}, {"MTD", 4}, {"AUTO", 5}};
const TypeRow kFull[] = {{"SOC", 1}, {"ARM", 2}, {"SOC&ARM", 3}, {"MTD", 4}};

template <size_t N>
QStringList names(const TypeRow (&rows)[N])
{
    QStringList list;
    for (const TypeRow &r : rows)
        list << QString::fromLatin1(r.type);
    return list;
}

template <size_t N>
std::optional<TypeChoice> find(const TypeRow (&rows)[N], const QString &type, TypeChoice fallback)
{
    for (size_t i = 0; i < N; ++i) {
        if (type == QLatin1String(rows[i].type))
            return TypeChoice{int(i), rows[i].code};
    }
    return fallback;
}
} // namespace

QStringList type_items(const QString &mode)
{
    if (mode == QLatin1String("Simple"))
        return names(kSimple);
    if (mode == QLatin1String("Full"))
        return names(kFull);
    return {};
}

std::optional<TypeChoice> type_choice(const QString &mode, const QString &type)
{
    if (mode == QLatin1String("Full"))
        return find(kFull, type, TypeChoice{0, 1});
    if (mode == QLatin1String("Simple"))
        return find(kSimple, type, TypeChoice{3, 5});
    return std::nullopt;
}

const std::vector<const char *> &save_order()
{
    static const std::vector<const char *> order = {"mode", "verify", "auto_backup", "model_type",
                                                     "type", "ipaddr", "path"};
    return order;
}

int work_type_for(bool model_type) { return model_type ? 1 : 2; }

} // namespace upgrade
