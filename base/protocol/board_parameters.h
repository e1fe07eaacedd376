#pragma once

#include "model/section_values.h"

#include <QPoint>
#include <QString>

#include <optional>

// The blackboard side's parameter blocks. Two cameras hold them:
//
// - the teacher pano camera keeps which blackboard cameras take part, their addresses and the
//   delay before the teacher side returns to the panorama; the board tab writes and reads
//   these five items through it, behind a "teacher_parameter" routing line;
// - the board pano camera keeps its own tracking block (sensitivity, timeout, strategies, its
//   tracking area and four shield areas, versions); the tool only reads it.
namespace board_parameters {

constexpr int kShieldCount = 4;

// The blackboard cameras' addresses in a fresh installation: the Board tab's Default puts them
// into the address fields of the cameras that are not connected, and Apply sends the fields.
constexpr char kDefaultFeatureAddress[] = "192.168.1.165";
constexpr char kDefaultPanoAddress[] = "192.168.1.166";

// The Apply block: the lines "teacher_parameter", "board_parameter",
// "set_tracking_config_file" and the five items, each line followed by "\n" (the last too).
// An address (the board feature and board pano slots' address fields as typed) is sent up to its
// first "/"; the enables and the delay are the section's.
QString apply_block(const BoardSection &section, const QString &feature_ip_text, const QString &feature1_ip_text);

// "teacher_parameter", "board_parameter", "get_tracking_config_file" (no line feed at the end).
QString obtain_block();

// Follow-ups sent to the board pano camera itself: its tracking block, then its director block.
QString tracking_request_block();
QString director_request_block();

// The teacher pano camera's answer to Obtain. An absent key gives no value.
struct RelayReading
{
    std::optional<bool> feature_enable;  // one character: "1" checks, anything else unchecks
    std::optional<bool> feature1_enable;
    std::optional<int> lost_to_pano_delay; // decimal, no number gives 0
};
RelayReading read_relay_answer(const QString &text);
// What it gives, into the section.
void fill(BoardSection &section, const RelayReading &reading);

// `board_region_coord`: the board pano camera's tracking area and shield areas, in the
// camera's 640 by 360 picture.
struct BoardRegionCoord
{
    struct Area
    {
        qint32 left = 0;
        qint32 top = 0;
        qint32 width = 0;
        qint32 height = 0;
    };
    Area track;
    // Characters 1 to 4, "1" or "0", stand for shield areas 1 to 4.
    QString pano_shield_enable;
    Area shields[kShieldCount];
};

// The widget values of the board pano camera's block. Null strings and empty optionals are
// keys the block does not hold; they leave their widgets as they are.
struct PanoReading
{
    QString sensitivity;                       // one character, `pano_sensitivity`
    QString time_delay;                        // `time_delay`, decimal text
    std::optional<int> multi_object_strategy;  // 0 or 1; any other value changes nothing
    std::optional<int> losing_object_strategy; // 0 or 1
    QString feature_version;
    QString pano_version;
};

// Reads the board pano camera's block: the widget values, and the area and shield keys into
// `coord` (keys the block does not hold leave their fields as they were).
PanoReading read_pano_block(const QString &text, BoardRegionCoord *coord);
// The widget values into the section: a slider's value takes the text as received and the
// position its number gives.
void fill(BoardSection &section, const PanoReading &reading);

// A number of a block: base 10, text that is no number gives 0.
int number_value(const QString &value);

// The board preview (480 by 270) lies at this point of the main window.
constexpr int kPreviewLeft = 20;
constexpr int kPreviewTop = 340;

// A camera coordinate (640 by 360 picture) in the board preview: halved with truncation, then
// times 1.5, truncated toward zero.
int preview_scale(qint32 camera_value);

// The window points of an area of the camera picture: top-left (s(left) + 20, s(top) + 340),
// bottom-right (s(left) + s(width) + 20, s(top) + s(height) + 340). Sums beyond the range of
// an int stop at its bounds.
struct WindowArea
{
    QPoint top_left;
    QPoint bottom_right;
};
WindowArea window_area(const BoardRegionCoord::Area &area);

// What character i (0 to 3) of `pano_shield_enable` does to shield i's check box and shown
// flag: "1" switches on, "0" off, any other character, or none, changes nothing.
enum class ShieldSwitch { On, Off, Unchanged };
ShieldSwitch shield_switch(const QString &pano_shield_enable, int index);

} // namespace board_parameters
