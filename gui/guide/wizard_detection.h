#pragma once

#include "model/camera_slot.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QObject>
#include <QRectF>

#include <vector>

class QPushButton;
class RegionPicture;
class TrackingTest;
class WizardLink;
class WizardRegions;
class YOLO;
struct DetRes;

#define WIZARD_DETECTION_WIDGETS(X) X(QPushButton, teacher_ai_detection_pushButton)

class WizardDetectionSignals : public QObject
{
    Q_OBJECT

signals:
    // The regions were placed anew: the teacher block is owed.
    void params_changed(camera_slot::Side side);
};

// The AI detection of the wizard's teacher region step: the detector runs on the region pano's
// last picture and its blackboards and screens become the board, shield and tracking regions.
// The installer's regions are replaced only by what a detection found: without a model, after a
// failed run or with nothing found the installer is told and the regions stay; a board or shield
// a run does not place again keeps its region and its box, and is drawn again where it was.
class WizardDetection : public WizardDetectionSignals
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        WIZARD_DETECTION_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    WizardDetection(const Widgets &widgets, const WizardLink &link, const TrackingTest &showing,
                    const RegionPicture &picture, WizardRegions &regions, YOLO &detector, QWidget *window);

    // The candidates of the last run, in scene units.
    const QList<QRectF> &blackboards() const { return blackboardRectList; }
    const QList<QRectF> &screens() const { return screenRectList; }
    bool detecting() const { return m_detecting; }
    // The detection key (set_teacher_region_enabled).
    void set_enabled(bool on);

private:
    void on_teacher_ai_detection_pushButton_clicked();
    // Detects on the picture and places the regions; false when nothing was placed.
    bool QImage2cvMat(const QImage &image);
    // The boards and screens big enough for a region, in scene units.
    void collect(const std::vector<DetRes> &found, QSize picture);
    void place();

    Widgets ui;
    const WizardLink &m_link;
    const TrackingTest &m_showing;
    const RegionPicture &m_picture;
    WizardRegions &m_regions;
    YOLO &m_detector;
    QWidget *m_window;
    QList<QRectF> blackboardRectList;
    QList<QRectF> screenRectList;
    bool m_detecting = false; // the detector runs beside the window, which goes on meanwhile
};
