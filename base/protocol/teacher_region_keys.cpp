#include "protocol/teacher_region_keys.h"

#include "protocol/parameter_block.h"
#include <QDebug>

namespace teacher_region_keys {

using region_geometry::scene_to_camera;

const RegionKeys kSnapshotKeys = {"boardsnapshot_pan_scale", "boardsnapshot_tilt_scale",
                                  "boardsnapshot_pan_increment", "boardsnapshot_tilt_increment"};
const RegionKeys kFeatureKeys = {"fea_pan_scale", "fea_tilt_scale", "fea_pan_increment", "fea_tilt_increment"};
const RegionKeys kTrackingKeys = {"pano_pan_scale", "pano_tilt_scale", "pano_pan_increment", "pano_tilt_increment"};
const RegionKeys kShieldKeys[kShieldCount] = {
    {"pano_pan_first_shield_scale", "pano_tilt_first_shield_scale", "pano_pan_first_shield_increment",
     "pano_tilt_first_shield_increment"},
    {"pano_pan_second_shield_scale", "pano_tilt_second_shield_scale", "pano_pan_second_shield_increment",
     "pano_tilt_second_shield_increment"},
    {"pano_pan_third_shield_scale", "pano_tilt_third_shield_scale", "pano_pan_third_shield_increment",
     "pano_tilt_third_shield_increment"},
    {"pano_pan_fourth_shield_scale", "pano_tilt_fourth_shield_scale", "pano_pan_fourth_shield_increment",
     "pano_tilt_fourth_shield_increment"},
};
const RegionKeys kBoardKeys[kBoardCount] = {
    {"board_pan_first_scale", "board_tilt_first_scale", "board_pan_first_increment", "board_tilt_first_increment"},
    {"board_pan_second_scale", "board_tilt_second_scale", "board_pan_second_increment", "board_tilt_second_increment"},
    {"board_pan_third_scale", "board_tilt_third_scale", "board_pan_third_increment", "board_tilt_third_increment"},
};

QString reply_value(const QString &reply, const QString &key)
{
    return parameter_block::value(reply, key);
}

namespace {
void store_int(const QString &reply, const char *key, int &field)
{
    const QString value = reply_value(reply, QLatin1String(key));
    if (!value.isNull())
        field = value.trimmed().toInt();
}

void store_rect(const QString &reply, const RegionKeys &keys, RegionRect &r)
{
    store_int(reply, keys.x, r.x);
    store_int(reply, keys.y, r.y);
    store_int(reply, keys.w, r.w);
    store_int(reply, keys.h, r.h);
}

void store_text(const QString &reply, const char *key, QString &field)
{
    const QString value = reply_value(reply, QLatin1String(key));
    if (!value.isNull())
        field = value;
}
} // namespace

void store_teacher_region_keys(const QString &reply, TeacherRegionCoord &coord)
{
    store_rect(reply, kSnapshotKeys, coord.snapshot);
    store_rect(reply, kFeatureKeys, coord.feature);
    store_int(reply, "fea_pan_position", coord.fea_pan_position);
    store_int(reply, "fea_tilt_position", coord.fea_tilt_position);
    store_rect(reply, kTrackingKeys, coord.tracking);
    store_text(reply, kShieldEnableKey, coord.pano_shield_enable);
    for (int i = 0; i < kShieldCount; ++i)
        store_rect(reply, kShieldKeys[i], coord.shield[i]);
    store_text(reply, kBoardEnableKey, coord.pano_board_enable);
    for (int i = 0; i < kBoardCount; ++i)
        store_rect(reply, kBoardKeys[i], coord.board[i]);
}

std::optional<bool> enable_char(const QString &enable, int index)
{
    if (index < 0 || index >= enable.size())
        return std::nullopt;
    const QChar c = enable.at(index);
    if (c == QLatin1Char('1'))
        return true;
    if (c == QLatin1Char('0'))
        return false;
    return std::nullopt;
}

namespace {
QString enable_text(const bool *checked, int count)
{
    QString text(count, QLatin1Char('0'));
    for (int i = 0; i < count; ++i) {
        if (checked[i])
            text[i] = QLatin1Char('1');
    }
    return text;
}

void add_rect(QVector<Item> &items, const RegionKeys &keys, const RegionRect &r)
{
    items.append({QLatin1String(keys.x), QString::number(r.x)});
    items.append({QLatin1String(keys.y), QString::number(r.y)});
    items.append({QLatin1String(keys.w), QString::number(r.w)});
    items.append({QLatin1String(keys.h), QString::number(r.h)});
}

// A known region goes converted to camera units; an unknown one as zeros.
RegionRect camera_or_zero(bool known, const RegionRect &scene)
{
    return known ? scene_to_camera(scene) : RegionRect{};
}
} // namespace

QString shield_enable_text(const bool checked[kShieldCount])
{
    return enable_text(checked, kShieldCount);
}

QString board_enable_text(const bool checked[kBoardCount])
{
    return enable_text(checked, kBoardCount);
}

QVector<Item> apply_region_items(const ApplyRegions &g)
{
    QVector<Item> items;

    const RegionRect snapshot = camera_or_zero(g.snapshot_known, g.snapshot);
    if (g.snapshot_known) {
        qDebug().noquote() << QString::asprintf(
            "Mainwindow::teacher_draw_snapshot_finish : start_x= %d,start_y= %d,end_x= %d,end_y= %d", snapshot.x,
            snapshot.y, snapshot.w, snapshot.h);
    }
    add_rect(items, kSnapshotKeys, snapshot);

    RegionRect tracking = kDefaultCameraTracking;
    if (g.tracking_known) {
        qDebug().noquote() << QString::asprintf(
            "MainWindowRECT::[00]teacher_tracking_region: start_x= %d,start_y= %d,end_x= %d,end_y= %d", g.tracking.x,
            g.tracking.y, g.tracking.w, g.tracking.h);
        tracking = scene_to_camera(g.tracking);
        qDebug().noquote() << QString::asprintf(
            "MainWindowRECT::[01]teacher_tracking_region: start_x= %d,start_y= %d,end_x= %d,end_y= %d", tracking.x,
            tracking.y, tracking.w, tracking.h);
    } else {
        qDebug().noquote() << QString::asprintf(
            "Mainwindow::[0]teacher_tracking_region: start_x= %s,start_y= %s,end_x= %s,end_y= %s",
            qPrintable(QString::number(tracking.x)), qPrintable(QString::number(tracking.y)),
            qPrintable(QString::number(tracking.w)), qPrintable(QString::number(tracking.h)));
    }
    add_rect(items, kTrackingKeys, tracking);

    items.append({QLatin1String(kShieldEnableKey), shield_enable_text(g.shield_checked)});
    for (int i = 0; i < kShieldCount; ++i)
        add_rect(items, kShieldKeys[i], camera_or_zero(g.shield_known[i], g.shield[i]));

    items.append({QLatin1String(kBoardEnableKey), board_enable_text(g.board_checked)});
    for (int i = 0; i < kBoardCount; ++i)
        add_rect(items, kBoardKeys[i], camera_or_zero(g.board_known[i], g.board[i]));
    qDebug() << "Teacher Apply teacher_draw_board_finish: " << g.board_known[0] << g.board_known[1]
             << g.board_known[2];
    return items;
}

QString region_display_visca(bool on)
{
    return on ? QStringLiteral("81 01 04 57 02 FF") : QStringLiteral("81 01 04 57 01 FF");
}

QString apply_region_section(const ApplyRegions &regions)
{
    QString text;
    for (const Item &item : apply_region_items(regions))
        text += item.first + QLatin1Char('=') + item.second + QLatin1Char('\n');
    return text;
}

} // namespace teacher_region_keys
