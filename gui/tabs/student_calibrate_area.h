#pragma once

#include "dialogs/calibrate_area_expand.h"

#include <QCoreApplication>
#include <QObject>

class CameraSlots;
struct StudentRegionPoints;

// What the calibration dialog's opening and closing tell the Student tab's features.
class StudentCalibrateAreaSignals : public QObject
{
    Q_OBJECT

signals:
    // The calibration button stays off while the dialog opens.
    void calibrate_button_enabled_wanted(bool enable);
    // The region display box is checked or not without its click.
    void region_display_checked_wanted(bool checked);
    // The student pictures go to the enlarged dialogs while the dialog is open.
    void dialog_open_changed(bool open);
    // The dialog starts (true) or stops the pano camera's own calibration.
    void auto_calibrate_wanted(bool begin);
    // The dialog's points were taken: the student pictures' overlays are drawn again.
    void points_synced();
};

// The Student tab's calibration button (its click comes from the region controls): it opens the
// enlarged calibration dialog of the student pair (both cameras connected) and lends the dialog
// the student calibration points and the start and stop of the camera's own calibration.
class StudentCalibrateArea : public StudentCalibrateAreaSignals, private Calibrate_Area_Expand::Host
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // points: the student calibration points the dialog edits.
    StudentCalibrateArea(const CameraSlots &cameras, StudentRegionPoints &points, QWidget *window);

    // What the dialog is made with.
    Calibrate_Area_Expand::Host &dialog_host() { return *this; }
    // The dialog the button opens; each click then loads its points, after the opening.
    void attach_dialog(Calibrate_Area_Expand *dialog);
    // The window's closing and the disconnects take the dialog away.
    void close_dialog();

    void on_student_calibrate_area_toolButton_clicked();

private:
    void open_dialog();
    // Calibrate_Area_Expand::Host
    StudentRegionPoints &student_points() override { return m_points; }
    void begin_auto_calibrate() override;
    void end_auto_calibrate() override;
    bool auto_calibrate_reachable() const override;
    void calibrate_points_synced() override;

    const CameraSlots &m_slots;
    StudentRegionPoints &m_points;
    QWidget *m_window;
    Calibrate_Area_Expand *calibrate_area_expand = nullptr;
};
