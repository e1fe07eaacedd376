#pragma once

#include "transfer/transfer_packet.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The firmware upgrade's rules: the type list and its codes, the file a type takes, the reading
// of the camera's version reply and partition list, and the check of a file against the camera's
// model. Codes: 1 SOC, 2 ARM, 3 SOC&ARM, 4 MTD, 5 AUTO (and, in "Full" mode, the partition at
// list position i: 5 + i).
namespace upgrade {

struct MtdPartition {
    QString device;
    QString size;
    QString erase_size;
    QString name;
};
// Partitions read from one listing; a camera has about six.
constexpr int kMaxPartitions = 10;

struct VersionReply {
    QString text;                // the text field: the versions
    QString listing;             // the data block's text: the partition listing
    QString soc_major;           // the character at index 6 of the text; empty when shorter
    QString device_model_text;   // between "MODEL: " and the line before "UPGRADE" (long layout only)
    QString device_model_prefix; // the model text up to its first '.'; empty without a '.'
};
VersionReply read_version_reply(const transfer::Packet &packet, transfer::Layout layout);
// What the upgrade log shows of a reply.
QString version_log_text(const VersionReply &reply);
// One entry per non-empty line: device, size and erase size up to a blank each, the name the
// rest of the line; at most kMaxPartitions.
QVector<MtdPartition> parse_mtd_partitions(const QString &listing);

struct TypeList {
    QStringList items;
    int current = 0;
    bool clear_file_name = false; // "Full" with a partition code: the chosen file no longer fits
};
// The list for a mode, the entry to select and, in "Full" mode, one item per partition (its
// device text and name). Another mode: no items (the list stays as it is).
TypeList type_list(const QString &mode, int upgrade_model, int last_upgrade_type, const QVector<MtdPartition> &partitions);
// The code a chosen entry gives ("Simple": MTD 4, AUTO 5); another mode keeps the code.
int code_for_index(const QString &mode, int index, int upgrade_model);
// The code of the chosen entry's text (partition items looked up in "Full" mode); nothing for a
// text of neither list.
std::optional<int> code_for_type_text(const QString &mode, const QString &type_text,
                                      const QVector<MtdPartition> &partitions);
// The open dialog's filter for a type text; empty: no dialog.
QString file_filter(const QString &type_text);

struct FileCheck {
    enum Outcome {
        Ok,
        Mismatch,       // "Upgrade file type does not match"
        QuietMismatch,  // AUTO and no known suffix: the name is cleared, no box
    } outcome = Ok;
    int code = 0; // AUTO resolved by the suffix: .pkg 1, .bin 2, .img 4
};
// The file name (without folder) against the rule of the code.
FileCheck check_upgrade_file(int code, const QString &file_name, const QVector<MtdPartition> &partitions);

// The model check of an MTD upgrade. Work type 2: the character after the file name's third 'V'
// equals soc_major. Work type 1: the file's code (between its first and second '_') and the
// camera's model text are in one family row, or the file's prefix (first '_' to the next '.')
// equals the model prefix. A part that is missing fails the check.
bool model_matches(int work_type, const QString &file_name, const VersionReply &reply);

} // namespace upgrade

Q_DECLARE_METATYPE(upgrade::TypeList)
