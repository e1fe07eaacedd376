#include "tabs/student_calibrate_area.h"

#include "model/camera_slots.h"
#include "seams/message_box.h"

#include <QDebug>

using camera_slot::Slot;

namespace {
const QPoint kDialogPosition(90, 90);
} // namespace

StudentCalibrateArea::StudentCalibrateArea(const CameraSlots &cameras, StudentRegionPoints &points, QWidget *window)
    : m_slots(cameras)
    , m_points(points)
    , m_window(window)
{
}

void StudentCalibrateArea::attach_dialog(Calibrate_Area_Expand *dialog) { calibrate_area_expand = dialog; }

void StudentCalibrateArea::close_dialog()
{
    if (calibrate_area_expand && calibrate_area_expand->isVisible())
        calibrate_area_expand->close();
    emit dialog_open_changed(false);
}

void StudentCalibrateArea::on_student_calibrate_area_toolButton_clicked()
{
    if (!calibrate_area_expand)
        return;
    open_dialog();
    // Each click loads the dialog's points, after the opening.
    calibrate_area_expand->update_config();
}

// A click while the dialog is open closes it (its points go back) and opens it again.
void StudentCalibrateArea::open_dialog()
{
    if (calibrate_area_expand->isVisible()) {
        close_dialog();
        if (calibrate_area_expand->isVisible()) {
            qDebug() << "MainWindow:: student connected!";
            return;
        }
    }
    if (m_slots[Slot::StudentFeature].udp_flag && m_slots[Slot::StudentPano].udp_flag) {
        emit calibrate_button_enabled_wanted(false);
        calibrate_area_expand->move(kDialogPosition);
        emit dialog_open_changed(true);
        calibrate_area_expand->show();
        emit region_display_checked_wanted(false);
        emit calibrate_button_enabled_wanted(true);
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
    }
}

void StudentCalibrateArea::begin_auto_calibrate() { emit auto_calibrate_wanted(true); }
void StudentCalibrateArea::end_auto_calibrate() { emit auto_calibrate_wanted(false); }
bool StudentCalibrateArea::auto_calibrate_reachable() const { return m_slots[Slot::StudentPano].udp_flag; }

void StudentCalibrateArea::calibrate_points_synced()
{
    emit region_display_checked_wanted(true);
    emit dialog_open_changed(false);
    emit points_synced();
}
