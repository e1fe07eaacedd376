#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The upgrade types the Upgrade tab offers, by upgrade mode ("Simple" or "Full"), and the
// stored type's entry and code. Codes: 1 SOC, 2 ARM, 3 SOC&ARM, 4 MTD, 5 AUTO.
namespace upgrade {

// The group UPGRADE of the settings file: loaded at start, written at every save; the Upgrade and
// Backup pages read it, and the work type choice changes it.
struct Settings {
    QString upgrade_mode = QStringLiteral("Simple"); // "Simple" or "Full": the type list
    bool upgrade_verify = false;                     // the model check of MTD upgrades
    bool upgrade_auto_backup = false;
    bool upgrade_model_type = true; // work type 1 ("TYPE1") when set, else 2
    QString upgrade_file_path;
    int upgradeModel = 5; // 1 SOC, 2 ARM, 3 SOC&ARM, 4 MTD, 5 AUTO
    int work_type = 1;
    // The Upgrade page's fields as the group keeps them ("type", "ipaddr", "path"): the entry of
    // the type list, the camera's address and the file field's text, a typed one too.
    QString type_text;
    QString ip_address;
    QString file_field;
};

// The items of the upgrade type list for a mode; no items for any other text.
QStringList type_items(const QString &mode);

struct TypeChoice {
    int index; // entry of the upgrade type list
    int code;  // upgradeModel
};

// The entry and code a stored type selects in a mode. Comparisons are exact: an unknown type
// selects "SOC" in "Full" and "AUTO" in "Simple"; any other mode selects nothing.
std::optional<TypeChoice> type_choice(const QString &mode, const QString &type);

// Keys of UPGRADE in the order the writer writes them.
const std::vector<const char *> &save_order();

// Transfer work type for the stored model_type flag: 1 (entry 0, "TYPE1") or 2 (entry 1).
int work_type_for(bool model_type);

} // namespace upgrade
