#include "tabs/student_calibrate_area.h"

#include "model/camera_slots.h"
#include "seams/message_box.h"

#include <QCheckBox>
#include <QDebug>
#include <QToolButton>

using camera_slot::Slot;

namespace {
const QPoint kDialogPosition(90, 90);
} // namespace

StudentCalibrateArea::StudentCalibrateArea(const Widgets &widgets, const CameraSlots &cameras, Host &host,
                                           QWidget *window)
    : ui(widgets)
    , m_slots(cameras)
    , m_host(host)
    , m_window(window)
{
    connect(ui.student_calibrate_area_toolButton, &QToolButton::clicked, this,
            &StudentCalibrateArea::on_student_calibrate_area_toolButton_clicked);
}

void StudentCalibrateArea::attach_dialog(Calibrate_Area_Expand *dialog)
{
    calibrate_area_expand = dialog;
    connect(ui.student_calibrate_area_toolButton, &QToolButton::clicked, dialog, &Calibrate_Area_Expand::update_config);
}

void StudentCalibrateArea::close_dialog()
{
    if (calibrate_area_expand && calibrate_area_expand->isVisible())
        calibrate_area_expand->close();
    m_host.set_student_image_expand_open(false);
}

// A click while the dialog is open closes it (its points go back) and opens it again.
void StudentCalibrateArea::on_student_calibrate_area_toolButton_clicked()
{
    if (!calibrate_area_expand)
        return;
    if (calibrate_area_expand->isVisible()) {
        close_dialog();
        if (calibrate_area_expand->isVisible()) {
            qDebug() << "MainWindow:: student connected!";
            return;
        }
    }
    if (m_slots[Slot::StudentFeature].udp_flag && m_slots[Slot::StudentPano].udp_flag) {
        ui.student_calibrate_area_toolButton->setEnabled(false);
        calibrate_area_expand->move(kDialogPosition);
        m_host.set_student_image_expand_open(true);
        calibrate_area_expand->show();
        ui.student_show_region_checkBox->setChecked(false);
        ui.student_calibrate_area_toolButton->setEnabled(true);
    } else {
        msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
    }
}

StudentRegionPoints &StudentCalibrateArea::student_points() { return m_host.student_calibrate_points(); }
void StudentCalibrateArea::begin_auto_calibrate() { m_host.begin_auto_calibrate(); }
void StudentCalibrateArea::end_auto_calibrate() { m_host.end_auto_calibrate(); }
bool StudentCalibrateArea::auto_calibrate_reachable() const { return m_slots[Slot::StudentPano].udp_flag; }

void StudentCalibrateArea::calibrate_points_synced()
{
    ui.student_show_region_checkBox->setChecked(true);
    m_host.set_student_image_expand_open(false);
    m_host.repaint_student_regions();
}
