// The standard picture of the reversal compensation: written whole or not at all, and never
// an earlier picture left behind in its place.
#include "video/standard_image.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>

namespace {
// A picture whose every byte differs from its neighbours, so a shifted or swapped read shows.
cv::Mat patterned(int rows, int cols, int type, int seed)
{
    cv::Mat picture(rows, cols, type);
    cv::randu(picture, cv::Scalar::all(0), cv::Scalar::all(256));
    picture.at<uchar>(0, 0) = uchar(seed);
    return picture;
}

void writeEarlier(const QString &path)
{
    // Another size than any picture written below: a stale file is easy to tell.
    QVERIFY(cv::imwrite(QFile::encodeName(path).toStdString(), patterned(7, 5, CV_8UC3, 1)));
    QVERIFY(QFile::exists(path));
}

bool sameBytes(const cv::Mat &a, const cv::Mat &b)
{
    return a.size == b.size && a.type() == b.type() && cv::norm(a, b, cv::NORM_INF) == 0;
}
} // namespace

class tst_StandardImage : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void fileName() { QCOMPARE(standard_image::fileName(), QStringLiteral("standardImg.png")); }

    void writesThePictureOverAnEarlierOne_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("earlier");
        QTest::newRow("camera label picture") << 270 << 480 << int(CV_8UC3) << false;
        QTest::newRow("over an earlier picture") << 270 << 480 << int(CV_8UC3) << true;
        QTest::newRow("grey picture") << 270 << 480 << int(CV_8UC1) << true;
        QTest::newRow("one pixel") << 1 << 1 << int(CV_8UC3) << true;
    }

    void writesThePictureOverAnEarlierOne()
    {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(int, type);
        QFETCH(bool, earlier);
        const QString path = dir.filePath(standard_image::fileName());
        QFile::remove(path);
        if (earlier)
            writeEarlier(path);
        const cv::Mat picture = patterned(rows, cols, type, 200);
        QString why;
        QVERIFY2(standard_image::write(picture, path, &why), qPrintable(why));
        const cv::Mat back = cv::imread(QFile::encodeName(path).toStdString(), cv::IMREAD_UNCHANGED);
        QVERIFY(sameBytes(back, picture));
    }

    void failedWriteLeavesNoEarlierPicture_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty picture") << 0 << "the picture is empty";
        QTest::newRow("float picture") << 1 << "not 8-bit";
        QTest::newRow("four channels") << 2 << "not 8-bit";
    }

    void failedWriteLeavesNoEarlierPicture()
    {
        QFETCH(int, kind);
        QFETCH(QString, reason);
        const QString path = dir.filePath(standard_image::fileName());
        writeEarlier(path);
        cv::Mat picture;
        if (kind == 1)
            picture = cv::Mat(270, 480, CV_32FC3, cv::Scalar::all(0.5));
        else if (kind == 2)
            picture = patterned(270, 480, CV_8UC4, 3);
        QString why;
        QVERIFY(!standard_image::write(picture, path, &why));
        QVERIFY2(why.contains(reason), qPrintable(why));
        QVERIFY(!QFile::exists(path));
    }

    void pathThatCannotHoldTheFile_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("isFolder");
        QTest::newRow("missing folder") << "no/such/folder/standardImg.png" << false;
        QTest::newRow("a folder of that name") << "taken/standardImg.png" << true;
    }

    void pathThatCannotHoldTheFile()
    {
        QFETCH(QString, relative);
        QFETCH(bool, isFolder);
        const QString path = dir.filePath(relative);
        if (isFolder)
            QVERIFY(QDir().mkpath(path));
        QString why;
        QVERIFY(!standard_image::write(patterned(270, 480, CV_8UC3, 4), path, &why));
        QVERIFY(!why.isEmpty());
        // A folder in the way is left as it is.
        QCOMPARE(QFileInfo(path).isDir(), isFolder);
        QVERIFY(!QFileInfo(path).isFile());
    }
};

QTEST_GUILESS_MAIN(tst_StandardImage)
#include "tst_standard_image.moc"
