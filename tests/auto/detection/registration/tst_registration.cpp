// Image registration and the scene-change check on seeded synthetic pictures whose moves are
// known: a panorama picture and a close-up picture that shows the same scene shifted and zoomed.
#include "detection/yolo.h"
#include "log_capture.h"

#include <QtTest>

#include <opencv2/imgproc.hpp>

Q_DECLARE_METATYPE(cv::Mat)
Q_DECLARE_METATYPE(RegistrationFailure)

namespace {

constexpr int kMargin = 600; // of the scene around a 1920 by 1080 view

// A scene of random blobs, in the pixels of a 1920 by 1080 view plus the margin on each side.
const cv::Mat &scene()
{
    static const cv::Mat picture = [] {
        cv::Mat s(1080 + 2 * kMargin, 1920 + 2 * kMargin, CV_8UC3, cv::Scalar(128, 128, 128));
        cv::RNG rng(17);
        for (int i = 0; i < 1500; ++i) {
            const cv::Point centre(rng.uniform(0, s.cols), rng.uniform(0, s.rows));
            const cv::Scalar colour(rng.uniform(0, 256), rng.uniform(0, 256), rng.uniform(0, 256));
            if (i % 2)
                cv::ellipse(s, centre, cv::Size(rng.uniform(15, 90), rng.uniform(15, 90)), rng.uniform(0, 180), 0,
                            360, colour, cv::FILLED);
            else
                cv::rectangle(s, cv::Rect(centre, cv::Size(rng.uniform(20, 120), rng.uniform(20, 120))), colour,
                              cv::FILLED);
        }
        cv::GaussianBlur(s, s, cv::Size(5, 5), 0);
        return s;
    }();
    return picture;
}

// The view of width by height pixels whose centre shows the scene point (shift_x, shift_y)
// off the panorama's centre, zoomed by zoom; shifts in pixels of a 1920 by 1080 view.
cv::Mat view(int width, int height, double shift_x, double shift_y, double zoom)
{
    const cv::Mat m = (cv::Mat_<double>(2, 3) << 1 / zoom, 0, kMargin + 960 + shift_x - 960 / zoom, 0, 1 / zoom,
                       kMargin + 540 + shift_y - 540 / zoom);
    cv::Mat full;
    cv::warpAffine(scene(), full, m, cv::Size(1920, 1080), cv::INTER_LINEAR | cv::WARP_INVERSE_MAP);
    cv::Mat out;
    cv::resize(full, out, cv::Size(width, height), 0, 0, cv::INTER_AREA);
    return out;
}

} // namespace

class TstRegistration : public QObject
{
    Q_OBJECT
private slots:
    void register_moves_data();
    void register_moves();
    void failures_data();
    void failures();
    void scene_change_data();
    void scene_change();
};

void TstRegistration::register_moves_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("shift_x");
    QTest::addColumn<double>("shift_y");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("bound"); // in pixels of a 1920 by 1080 picture
    for (int width : {1920, 480}) {
        const double bound = width == 1920 ? 4 : 12;
        const QByteArray size = QByteArray::number(width);
        QTest::newRow(size + " same") << width << 0.0 << 0.0 << 1.0 << bound;
        QTest::newRow(size + " right and up") << width << 120.0 << -80.0 << 1.0 << bound;
        QTest::newRow(size + " left and down") << width << -200.0 << 150.0 << 1.0 << bound;
        QTest::newRow(size + " zoomed 1.5 off centre") << width << 100.0 << 60.0 << 1.5 << bound;
        QTest::newRow(size + " zoomed 2") << width << -80.0 << 40.0 << 2.0 << bound;
    }
}

void TstRegistration::register_moves()
{
    QFETCH(int, width);
    QFETCH(double, shift_x);
    QFETCH(double, shift_y);
    QFETCH(double, zoom);
    QFETCH(double, bound);
    const int height = width * 9 / 16;
    cv::Mat overall = view(width, height, 0, 0, 1);
    cv::Mat closeup = view(width, height, shift_x, shift_y, zoom);
    YOLO yolo;
    std::vector<float> out;
    QVERIFY(yolo.image_registration(overall, closeup, out));
    QCOMPARE(yolo.registration_failure(), RegistrationFailure::None);
    QCOMPARE(overall.cols, width / 2);
    QCOMPARE(closeup.rows, height / 2);
    // The panorama centre lies zoom * shift from the close-up picture's centre, with y upwards.
    QVERIFY2(std::fabs(yolo.x_out + zoom * shift_x) < bound, qPrintable(QString::number(yolo.x_out)));
    QVERIFY2(std::fabs(yolo.y_out - zoom * shift_y) < bound, qPrintable(QString::number(yolo.y_out)));
}

// A grey picture with count blobs in a row (or spread over it).
cv::Mat blobs(int width, int height, int count, bool in_row)
{
    cv::Mat m(height, width, CV_8UC3, cv::Scalar(128, 128, 128));
    cv::RNG rng(5);
    for (int i = 0; i < count; ++i) {
        const cv::Point centre = in_row ? cv::Point(width * (i + 1) / (count + 1), height / 2)
                                        : cv::Point(rng.uniform(0, width), rng.uniform(0, height));
        cv::circle(m, centre, 6 + i % 4 * 3, cv::Scalar(rng.uniform(0, 60), rng.uniform(0, 255), 255), cv::FILLED);
    }
    return m;
}

void TstRegistration::failures_data()
{
    QTest::addColumn<cv::Mat>("overall");
    QTest::addColumn<cv::Mat>("closeup");
    QTest::addColumn<RegistrationFailure>("failure");
    QTest::addColumn<QString>("log");
    const cv::Mat pano = view(960, 540, 0, 0, 1);
    cv::Mat wide, grey, bgra;
    pano.convertTo(wide, CV_16U);
    cv::cvtColor(pano, grey, cv::COLOR_BGR2GRAY);
    cv::cvtColor(view(480, 270, 50, 20, 1), bgra, cv::COLOR_BGR2BGRA);
    // A close-up picture that keeps only a window of the panorama, moved: the smaller the
    // window, the fewer pairs.
    auto window = [&](int side) {
        cv::Mat part(540, 960, CV_8UC3, cv::Scalar(128, 128, 128));
        pano(cv::Rect(400, 200, side, side)).copyTo(part(cv::Rect(430, 180, side, side)));
        return part;
    };
    using F = RegistrationFailure;
    QTest::newRow("empty panorama") << cv::Mat() << pano << F::NoOverall << "YOLO::overall_img is null";
    QTest::newRow("empty close-up") << pano << cv::Mat() << F::NoCloseup << "YOLO::closeup_img is null";
    QTest::newRow("16-bit") << wide << pano << F::UnusablePicture << "unusable picture types 18 16";
    QTest::newRow("1x1") << cv::Mat(1, 1, CV_8UC3, cv::Scalar(1, 2, 3)) << pano << F::TooSmall << "too small: 1 x 1";
    QTest::newRow("8x6") << pano(cv::Rect(0, 0, 8, 6)).clone() << pano << F::NoKeyPoints << "sift key points empty";
    QTest::newRow("uniform") << cv::Mat(540, 960, CV_8UC3, cv::Scalar(128, 128, 128)) << pano << F::NoKeyPoints
                             << "sift key points empty";
    const cv::Mat strip = pano(cv::Rect(0, 200, 960, 12)).clone();
    QTest::newRow("few panorama features") << strip << strip.clone() << F::FewMatches
                                           << "sift matched points is less than 8";
    cv::Mat dash(270, 480, CV_8UC3, cv::Scalar(128, 128, 128));
    cv::ellipse(dash, {240, 135}, {10, 3}, 0, 0, 360, cv::Scalar(0, 0, 0), cv::FILLED);
    cv::GaussianBlur(dash, dash, {5, 5}, 0);
    QTest::newRow("single close-up feature") << pano << dash << F::NoMatches << "a single close-up key point";
    QTest::newRow("5 pairs give no flags") << pano << window(64) << F::NoInlierFlags << "no inlier flags for 5 pairs";
    QTest::newRow("no inliers") << pano << window(80) << F::FewInliers << "YOLO::tha last matched points is less than 4";
    QTest::newRow("centre outside") << pano << view(960, 540, 1100, 0, 1) << F::CentreOutside
                                    << "scale_inv_shear_center_x <= 0";
    QTest::newRow("grey and BGRA of another size") << grey << bgra << F::None << "YOLO::EndTime:";
}

void TstRegistration::failures()
{
    QFETCH(cv::Mat, overall);
    QFETCH(cv::Mat, closeup);
    QFETCH(RegistrationFailure, failure);
    QFETCH(QString, log);
    YOLO yolo;
    yolo.x_out = 7;
    std::vector<float> out;
    LogCapture capture;
    QCOMPARE(yolo.image_registration(overall, closeup, out), failure == RegistrationFailure::None);
    QVERIFY2(capture.contains(log), qPrintable(capture.lines().join('\n')));
    QCOMPARE(int(yolo.registration_failure()), int(failure));
    // An empty picture leaves the last result; any other failure clears it.
    if (failure == RegistrationFailure::NoOverall || failure == RegistrationFailure::NoCloseup)
        QCOMPARE(yolo.x_out, 7.0f);
    else if (failure != RegistrationFailure::None)
        QCOMPARE(yolo.x_out, 0.0f);
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
    QCOMPARE(yolo.detectSceneChange(standard, moved, 2, true), result);
    QCOMPARE(QFile::exists("0standardImg.jpg"), result >= 0);
}

QTEST_GUILESS_MAIN(TstRegistration)
#include "tst_registration.moc"
