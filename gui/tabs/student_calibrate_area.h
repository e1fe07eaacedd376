#pragma once

#include "dialogs/calibrate_area_expand.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

class CameraSlots;
class QCheckBox;
class QToolButton;
struct StudentRegionPoints;

#define STUDENT_CALIBRATE_AREA_WIDGETS(X) \
    X(QToolButton, student_calibrate_area_toolButton) \
    X(QCheckBox, student_show_region_checkBox)

// The Student tab's calibration button: it opens the enlarged calibration dialog of the student
// pair (both cameras connected) and lends the dialog the Student tab's calibration points and
// its start and stop of the camera's own calibration.
class StudentCalibrateArea : public QObject, private Calibrate_Area_Expand::Host
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        STUDENT_CALIBRATE_AREA_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    class Host
    {
    public:
        virtual ~Host() = default;
        virtual StudentRegionPoints &student_calibrate_points() = 0;
        virtual void begin_auto_calibrate() = 0;
        virtual void end_auto_calibrate() = 0;
        // The student pictures go to the enlarged dialogs while this is set.
        virtual void set_student_image_expand_open(bool open) = 0;
        // The points changed: the student pictures' overlays are drawn again.
        virtual void repaint_student_regions() = 0;
    };

    StudentCalibrateArea(const Widgets &widgets, const CameraSlots &cameras, Host &host, QWidget *window);

    // What the dialog is made with.
    Calibrate_Area_Expand::Host &dialog_host() { return *this; }
    // The dialog the button opens; each click then loads its points, after the opening.
    void attach_dialog(Calibrate_Area_Expand *dialog);
    // The window's closing and the disconnects take the dialog away.
    void close_dialog();

    void on_student_calibrate_area_toolButton_clicked();

private:
    // Calibrate_Area_Expand::Host
    StudentRegionPoints &student_points() override;
    void begin_auto_calibrate() override;
    void end_auto_calibrate() override;
    bool auto_calibrate_reachable() const override;
    void calibrate_points_synced() override;

    const Widgets ui;
    const CameraSlots &m_slots;
    Host &m_host;
    QWidget *m_window;
    Calibrate_Area_Expand *calibrate_area_expand = nullptr;
};
