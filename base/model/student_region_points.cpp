#include "model/student_region_points.h"

#include <QtGlobal>

QPoint &StudentRegionPoints::stored_point(int index)
{
    Q_ASSERT(index >= 0 && index < kStoredPointCount);
    return index < 4 ? student_area_points[size_t(index)] : student_designated_points[size_t(index - 4)];
}

const QPoint &StudentRegionPoints::stored_point(int index) const
{
    return const_cast<StudentRegionPoints *>(this)->stored_point(index);
}

void StudentRegionPoints::set_defaults(bool old_format)
{
    // A trapezoid over the classroom as the preview shows it: front row low and wide, back row
    // high and narrow.
    student_area_points = {QPoint(100, 200), QPoint(380, 200), QPoint(310, 60), QPoint(170, 60)};
    student_designated_points[0] = QPoint(69, 234);
    student_designated_points[1] = QPoint(381, 234);
    student_designated_points[2] = QPoint(351, 117);
    student_designated_points[3] = QPoint(276, 117);
    if (!old_format) {
        student_designated_points[4] = QPoint(192, 117);
        student_designated_points[5] = QPoint(114, 117);
    }
}

namespace calibrate_scale {

QPoint to_dialog(const QPoint &p)
{
    return QPoint(qRound(p.x() * kDialogFactor), qRound(p.y() * kDialogFactor));
}

QPoint to_window(const QPoint &p)
{
    return QPoint(qRound(p.x() / kDialogFactor), qRound(p.y() / kDialogFactor));
}

} // namespace calibrate_scale
