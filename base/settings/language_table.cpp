#include "settings/language_table.h"

namespace language {
namespace {
struct Row {
    const char *name;
    QLocale::Language locale;
    const char *catalogue;
};
const Row kRows[kCount] = {
    {"Chinese", QLocale::Chinese, ":/trans/zh.qm"},       {"English", QLocale::English, ":/trans/en.qm"},
    {"Japanese", QLocale::Japanese, ":/trans/ja.qm"},     {"Korean", QLocale::Korean, ":/trans/ko.qm"},
    {"Indonesian", QLocale::Indonesian, ":/trans/id.qm"}, {"Thai", QLocale::Thai, ":/trans/th.qm"},
    {"Arabic", QLocale::Arabic, ":/trans/ar.qm"},         {"Spanish", QLocale::Spanish, ":/trans/es.qm"},
};

// The row of an entry; English's outside 0 to 7.
const Row &row(int index) { return kRows[index < 0 || index >= kCount ? kEnglishIndex : index]; }
} // namespace

int index_for_locale(QLocale::Language language)
{
    for (int i = 0; i < kCount; ++i) {
        if (kRows[i].locale == language)
            return i;
    }
    return kEnglishIndex;
}

std::optional<QString> name_for_index(int index)
{
    if (index < 0 || index >= kCount)
        return std::nullopt;
    return QString::fromLatin1(kRows[index].name);
}

QString catalogue_for_index(int index) { return QString::fromLatin1(row(index).catalogue); }

QLocale::Language locale_for_index(int index) { return row(index).locale; }

QString catalogue_for_name(const QString &name)
{
    for (int i = 0; i < kCount; ++i) {
        if (name == QLatin1String(kRows[i].name))
            return catalogue_for_index(i);
    }
    return catalogue_for_index(kEnglishIndex);
}

} // namespace language
