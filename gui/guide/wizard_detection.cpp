#include "guide/wizard_detection.h"

#include "core/wait.h"
#include "detection/detected_regions.h"
#include "detection/picture_conversion.h"
#include "detection/yolo.h"
#include "guide/region_picture.h"
#include "guide/tracking_test.h"
#include "guide/wizard_regions.h"
#include "model/region_geometry.h"
#include "net/wizard_link.h"
#include "seams/message_box.h"

#include <QDebug>
#include <QPushButton>

#include <optional>

using camera_slot::Side;
using Kind = WizardRegions::Kind;

namespace {
constexpr int kBoardSlots = 3;
constexpr int kShieldSlots = 4;
const QRect kDefaultTracking(15, 60, 450, 120); // scene units: the middle of a classroom's front

QRect whole(const QRectF &r) { return QRect(int(r.x()), int(r.y()), int(r.width()), int(r.height())); }
} // namespace

WizardDetection::WizardDetection(const Widgets &widgets, const WizardLink &link, const TrackingTest &showing,
                                 const RegionPicture &picture, WizardRegions &regions, YOLO &detector, QWidget *window)
    : ui(widgets), m_link(link), m_showing(showing), m_picture(picture), m_regions(regions), m_detector(detector),
      m_window(window)
{
    connect(ui.teacher_ai_detection_pushButton, &QPushButton::clicked, this,
            &WizardDetection::on_teacher_ai_detection_pushButton_clicked);
}

void WizardDetection::on_teacher_ai_detection_pushButton_clicked()
{
    ui.teacher_ai_detection_pushButton->setChecked(false);
    if (m_detecting || !m_showing.regions_shown(Side::Teacher) || !m_link.connected(camera_slot::Slot::TeacherPano))
        return;
    const QImage picture = m_picture.teacher_region_picture().convertToFormat(QImage::Format_RGB888);
    if (picture.isNull())
        return;
    // While the start still reads the model the detection's worker waits for it, and says then
    // what keeps it from running.
    const QString unusable = m_detector.loaded() ? m_detector.unusable_message() : QString();
    if (!unusable.isEmpty()) {
        msgbox::warning(m_window, tr("Warning"), unusable);
        return;
    }
    if (QImage2cvMat(picture)) {
        emit params_changed(Side::Teacher);
        qDebug() << "GuideConfig::on_teacher_ai_detection_pushButton_clicked: QImage2cvMat:" << picture;
    }
}

bool WizardDetection::QImage2cvMat(const QImage &image)
{
    qDebug() << "GuideConfig::QImage2cvMat format:" << image.format() << "//image.height():" << image.height()
             << "//image.width():" << image.width();
    screenRectList.clear();
    blackboardRectList.clear();
    std::optional<std::vector<DetRes>> found;
    m_detecting = true;
    // A forward pass takes a good part of a second: the window goes on painting meanwhile.
    run_beside_gui([&] {
        cv::Mat frame = qimage_to_mat(image);
        try {
            std::vector<DetRes> detections = m_detector.detect(frame);
            if (m_detector.detect_failure() == DetectFailure::None)
                found = std::move(detections);
        } catch (const cv::Exception &e) {
            qWarning() << "GuideConfig: the detection failed:" << e.what();
        }
    });
    m_detecting = false;
    if (!found) {
        const QString why = m_detector.detect_failure_message();
        qWarning() << "GuideConfig::QImage2cvMat: the detection failed, the regions stay";
        if (!why.isEmpty())
            msgbox::warning(m_window, tr("Warning"), why);
        return false;
    }
    if (!m_link.connected(camera_slot::Slot::TeacherPano) || !m_showing.regions_shown(Side::Teacher)) {
        qDebug() << "GuideConfig::QImage2cvMat: the region pano went during the detection, nothing placed";
        return false;
    }
    collect(*found, image.size());
    if (blackboardRectList.isEmpty() && screenRectList.isEmpty()) {
        msgbox::information(m_window, tr("Information"),
                            tr("No blackboard or screen was found in the picture. The regions stay as they were."));
        return false;
    }
    place();
    return true;
}

void WizardDetection::collect(const std::vector<DetRes> &found, QSize picture)
{
    using namespace detected_regions;
    for (const DetRes &d : found) {
        const Box box = to_frame({d.boxes.x, d.boxes.y, d.boxes.width, d.boxes.height}, picture.width(), picture.height());
        if (!big_enough(box))
            continue;
        (d.classIds == kBoardClass ? blackboardRectList : screenRectList) << to_scene(box);
        qDebug() << "GuideConfig:: >>>>>> -->classIds:" << d.classIds << "-->confidences:" << d.confidences
                 << "-->xx:" << box.x << "-->yy:" << box.y << "-->width:" << box.width << "-->height:" << box.height;
    }
}

void WizardDetection::place()
{
    using namespace detected_regions;
    const Edges seed = tracking_seed(blackboardRectList, screenRectList);
    // The regions as the installer left them, for those this run does not place again.
    m_regions.collect_region_rects();
    m_regions.clear_region_scene();
    const struct {
        Kind kind;
        const QList<QRectF> &found;
        int count;
        const char *label;
    } lists[] = {{Kind::Board, blackboardRectList, kBoardSlots, "black board %1 : "},
                 {Kind::Shield, screenRectList, kShieldSlots, "shield region %1 : "}};
    for (const auto &list : lists) {
        for (int i = 0; i < list.count; ++i) {
            const QRect r = i < list.found.size() ? whole(list.found.at(i)) : QRect();
            if (i < list.found.size())
                qDebug().noquote() << QString::fromLatin1(list.label).arg(i + 1) << "start_x=" << r.x()
                                   << ",start_y=" << r.y() << ",end_x=" << r.width() << ",end_y=" << r.height();
            // A region not found again, or found out of the scene, stays as it was and is seen.
            if (i < list.found.size() && region_geometry::region_in_bounds(r.x(), r.y(), r.width(), r.height()))
                m_regions.place_region(list.kind, i, r);
            else
                m_regions.keep_region(list.kind, i);
        }
        if (list.found.size() > list.count)
            qDebug() << "QImage2cvMat: more candidates than regions:" << list.found.size();
    }
    const std::optional<QRect> tracking = wizard_tracking_region(seed);
    m_regions.place_tracking_region(tracking ? *tracking : kDefaultTracking);
}

void WizardDetection::set_enabled(bool on) { ui.teacher_ai_detection_pushButton->setEnabled(on); }
