// Image registration and the scene-change check on seeded synthetic pictures whose moves are
// known: a panorama picture and a close-up picture that shows the same scene shifted and zoomed.
#include "detection/yolo.h"
#include "log_capture.h"
#include "textured_scene.h"

#include <QtTest>

Q_DECLARE_METATYPE(cv::Mat)
Q_DECLARE_METATYPE(RegistrationFailure)

using textured_scene::view;

class TstRegistration : public QObject
{
    Q_OBJECT
private slots:
    void registration_data();
    void registration();
    void scene_change_data();
    void scene_change();
    void debug_pictures_colours();
};

void TstRegistration::registration_data()
{
    QTest::addColumn<cv::Mat>("overall");
    QTest::addColumn<cv::Mat>("closeup");
    QTest::addColumn<RegistrationFailure>("failure");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QPointF>("out");  // x_out, y_out, in pixels of a 1920 by 1080 picture
    QTest::addColumn<double>("bound"); // of their error
    using F = RegistrationFailure;
    // The panorama centre lies zoom * shift from the close-up picture's centre, with y upwards;
    // 480 by 270 pictures must give the same answer, less precisely.
    for (int width : {1920, 480}) {
        const double bound = width == 1920 ? 4 : 12;
        const int height = width * 9 / 16;
        const cv::Mat pano = view(width, height, 0, 0, 1);
        for (QVector<double> move : {QVector<double>{0, 0, 1}, {120, -80, 1}, {-200, 150, 1}, {100, 60, 1.5}, {-80, 40, 2}})
            QTest::addRow("%d moved %g,%g zoomed %g", width, move[0], move[1], move[2])
                << pano << view(width, height, move[0], move[1], move[2]) << F::None << "YOLO::EndTime:"
                << QPointF(-move[2] * move[0], move[2] * move[1]) << bound;
    }
    const cv::Mat pano = view(960, 540, 0, 0, 1);
    cv::Mat wide, grey, bgra;
    pano.convertTo(wide, CV_16U);
    cv::cvtColor(pano, grey, cv::COLOR_BGR2GRAY);
    cv::cvtColor(view(480, 270, 50, 20, 1), bgra, cv::COLOR_BGR2BGRA);
    QTest::newRow("grey and BGRA of another size") << grey << bgra << F::None << "YOLO::EndTime:" << QPointF(-50, 20) << 4.0;
    // A close-up picture that keeps only a moved window of the panorama: the fewer pairs.
    auto window = [&](int side) {
        cv::Mat part(540, 960, CV_8UC3, cv::Scalar(128, 128, 128));
        pano(cv::Rect(400, 200, side, side)).copyTo(part(cv::Rect(430, 180, side, side)));
        return part;
    };
    const cv::Mat strip = pano(cv::Rect(0, 200, 960, 12)).clone();
    cv::Mat dash(270, 480, CV_8UC3, cv::Scalar(128, 128, 128));
    cv::ellipse(dash, {240, 135}, {10, 3}, 0, 0, 360, cv::Scalar(0, 0, 0), cv::FILLED);
    cv::GaussianBlur(dash, dash, {5, 5}, 0);
    // Every failure clears the last result (7, 0).
    const QPointF cleared(0, 0);
    QTest::newRow("empty panorama") << cv::Mat() << pano << F::NoOverall << "YOLO::overall_img is null" << cleared << 0.0;
    QTest::newRow("empty close-up") << pano << cv::Mat() << F::NoCloseup << "YOLO::closeup_img is null" << cleared << 0.0;
    QTest::newRow("16-bit") << wide << pano << F::UnusablePicture << "unusable picture types 18 16" << cleared << 0.0;
    QTest::newRow("1x1") << cv::Mat(1, 1, CV_8UC3, cv::Scalar(1, 2, 3)) << pano << F::TooSmall << "too small: 1 x 1"
                         << cleared << 0.0;
    QTest::newRow("8x6") << pano(cv::Rect(0, 0, 8, 6)).clone() << pano << F::NoKeyPoints << "sift key points empty"
                         << cleared << 0.0;
    QTest::newRow("uniform") << cv::Mat(540, 960, CV_8UC3, cv::Scalar(128, 128, 128)) << pano << F::NoKeyPoints
                             << "sift key points empty" << cleared << 0.0;
    QTest::newRow("few panorama features") << strip << strip.clone() << F::FewMatches
                                           << "sift matched points is less than 8" << cleared << 0.0;
    QTest::newRow("single close-up feature") << pano << dash << F::NoMatches << "a single close-up key point"
                                             << cleared << 0.0;
    QTest::newRow("4 pairs give no flags") << pano << window(94) << F::NoInlierFlags << "no inlier flags for 4 pairs"
                                           << cleared << 0.0;
    QTest::newRow("no inliers") << pano << window(96) << F::FewInliers
                                << "YOLO::tha last matched points is less than 4" << cleared << 0.0;
    QTest::newRow("centre outside") << pano << view(960, 540, 1100, 0, 1) << F::CentreOutside
                                    << "scale_inv_shear_center_x <= 0" << cleared << 0.0;
    // Beyond the half-size picture's right edge but within the full width.
    QTest::newRow("centre outside right") << pano << view(960, 540, -1100, 0, 1) << F::CentreOutside
                                          << "scale_inv_shear_center_x <= 0" << cleared << 0.0;
}

void TstRegistration::registration()
{
    QFETCH(cv::Mat, overall);
    QFETCH(cv::Mat, closeup);
    QFETCH(RegistrationFailure, failure);
    QFETCH(QString, log);
    QFETCH(QPointF, out);
    QFETCH(double, bound);
    const int half_width = overall.cols / 2;
    YOLO yolo;
    yolo.x_out = 7;
    std::vector<float> centre(3, 7.0f);
    LogCapture capture;
    QCOMPARE(yolo.image_registration(overall, closeup, centre), failure == RegistrationFailure::None);
    QVERIFY2(capture.contains(log), qPrintable(capture.lines().join('\n')));
    QCOMPARE(int(yolo.registration_failure()), int(failure));
    QVERIFY2(std::fabs(yolo.x_out - out.x()) <= bound && std::fabs(yolo.y_out - out.y()) <= bound,
             qPrintable(QString("%1, %2").arg(yolo.x_out).arg(yolo.y_out)));
    QVERIFY(centre.empty() || centre.size() == 2);
    if (failure == RegistrationFailure::None)
        QVERIFY(closeup.cols == half_width && overall.cols == half_width);
}

void TstRegistration::scene_change_data()
{
    QTest::addColumn<cv::Mat>("standard");
    QTest::addColumn<cv::Mat>("moved");
    QTest::addColumn<int>("result");
    const cv::Mat still = view(480, 270, 0, 0, 1);
    const cv::Mat flat(270, 480, CV_8UC3, cv::Scalar(90, 90, 90));
    // A picture moved by whole pixels of itself: the scene point seen at x is seen at x + dx.
    auto moved = [&](double dx, double dy) { return view(480, 270, -dx * 4, -dy * 4, 1); };
    QTest::newRow("still") << still << still.clone() << 0;
    QTest::newRow("1 pixel right") << still << moved(1, 0) << 0;
    QTest::newRow("3 pixels right") << still << moved(3, 0) << 1;
    QTest::newRow("3 pixels down") << still << moved(0, 3) << 1;
    QTest::newRow("no corners") << flat << flat.clone() << -1;
    QTest::newRow("empty standard") << cv::Mat() << still << -1;
    QTest::newRow("empty moved") << still << cv::Mat() << -1;
    QTest::newRow("grey standard") << cv::Mat(270, 480, CV_8UC1, cv::Scalar(3)) << still << -1;
    QTest::newRow("other sizes") << still << view(240, 135, 0, 0, 1) << -1;
    QTest::newRow("1x1") << cv::Mat(1, 1, CV_8UC3, cv::Scalar(1, 2, 3)) << cv::Mat(1, 1, CV_8UC3, cv::Scalar(1, 2, 3)) << -1;
    QTest::newRow("12x8") << still(cv::Rect(0, 0, 12, 8)).clone() << still(cv::Rect(1, 0, 12, 8)).clone() << -1;
}

void TstRegistration::scene_change()
{
    QFETCH(cv::Mat, standard);
    QFETCH(cv::Mat, moved);
    QFETCH(int, result);
    QFile::remove("0standardImg.jpg");
    YOLO yolo;
    LogCapture capture;
    QCOMPARE(yolo.detectSceneChange(standard, moved, 2, true), result);
    QVERIFY(capture.contains(result >= 0 ? "average_move_x = " : "need to change scene: ")
            || capture.contains("unusable pictures"));
    QVERIFY(!capture.lines().join('|').contains('\n')); // no blank lines in the log
    QCOMPARE(QFile::exists("0standardImg.jpg"), result >= 0);
}

// The check's debug pictures are written as OpenCV's codec writes them: the matrix's third
// channel is the file's red.
void TstRegistration::debug_pictures_colours()
{
    cv::Mat standard = view(480, 270, 0, 0, 1);
    cv::Mat red(standard.size(), CV_8UC1, cv::Scalar(255));
    cv::mixChannels(red, standard, {0, 2});
    cv::Mat moved = standard.clone();
    QCOMPARE(YOLO().detectSceneChange(standard, moved, 2, true), 0);
    for (const char *name : {"0standardImg.jpg", "0moveImg.jpg"}) {
        const QImage file(QString::fromLatin1(name));
        QCOMPARE(file.size(), QSize(480, 270));
        double redSum = 0;
        double blueSum = 0;
        for (int y = 0; y < file.height(); ++y) {
            for (int x = 0; x < file.width(); ++x) {
                redSum += qRed(file.pixel(x, y));
                blueSum += qBlue(file.pixel(x, y));
            }
        }
        const double pixels = double(file.width()) * file.height();
        QVERIFY2(redSum / pixels > 240 && blueSum / pixels < 200,
                 qPrintable(QString("%1: red %2, blue %3").arg(name).arg(redSum / pixels).arg(blueSum / pixels)));
    }
}

QTEST_GUILESS_MAIN(TstRegistration)
#include "tst_registration.moc"
