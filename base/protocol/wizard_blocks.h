#pragma once

#include "model/guide_data_update_manage.h"
#include "model/section_values.h"
#include "protocol/parameter_block.h"
#include "protocol/teacher_region_keys.h"

#include <QPoint>
#include <QString>
#include <QVector>

#include <array>

// The parameter blocks of the first-run wizard, without widgets. The wizard keeps fewer keys
// than the main window's tabs and sends fixed values for the rest, so its blocks are built here
// from the same section records, in its own order. The camera addresses are the wizard's copies
// of its address fields with its camera layout (camera_number, 0 to 3 for 2, 4, 5 and 6 cameras).
namespace wizard_blocks {

using parameter_block::Item;

// The tracking mode sent: the mode in effect ("0" to "4"), the binocular mode "2" while no
// mode was ever chosen or restored.
QString tracking_mode_value(int mode);

// The teacher block's 60 items: the section's values and fixed ones, then the regions
// (snapshot, tracking, shields, boards as teacher_region_keys::apply_region_items gives them).
QVector<Item> teacher_items(const TeacherSection &section, const QString &feature_ip_text,
                            const teacher_region_keys::ApplyRegions &regions);
// "teacher_parameter", "set_tracking_config_file" and the items, each line ending with "\n".
QString teacher_block(const TeacherSection &section, const QString &feature_ip_text,
                      const teacher_region_keys::ApplyRegions &regions);

// The student area as the wizard keeps it, in label units (480 by 270): the four corners in any
// order, and per shield its polygon (start, two corners, end) and whether it is finished.
struct StudentArea {
    std::array<QPoint, 4> corners{};
    std::array<std::array<QPoint, 4>, 4> shields{};
    std::array<bool, 4> shield_ready{};
};

// The student block's 45 items: the section's values and fixed ones, the corners sorted by
// position, the shields (a shield not finished goes as its fixed corner patch).
QVector<Item> student_items(const StudentSection &section, const QString &feature_ip_text, const StudentArea &area);
// "student_parameter", "set_tracking_config_file" and the items, no line feed after the last.
QString student_block(const StudentSection &section, const QString &feature_ip_text, const StudentArea &area);

// "teacher_parameter", "board_parameter", "set_tracking_config_file" and the four items (the
// two board addresses up to their first "/", which board cameras take part by the layout), each
// line ending with "\n".
QString board_block(const Guide_Data_Update_Manage &addresses);

// The director block's 37 items: the section's values (the three hold intervals of the main
// window are not the wizard's), the pano camera addresses (the feature fields in the two-camera
// layout, whose one camera per side is its feature camera) and board 1 as typed, the fixed pano
// port, baud rate and minimum switch time.
QVector<Item> director_items(const DirectorSection &section, const Guide_Data_Update_Manage &addresses);
// "director_parameter", "set_director_config_file" and the items, no line feed after the last.
QString director_block(const DirectorSection &section, const Guide_Data_Update_Manage &addresses);

} // namespace wizard_blocks
