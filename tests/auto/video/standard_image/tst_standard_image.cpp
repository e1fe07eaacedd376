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
// Every byte differs from its neighbours, so that a shifted or swapped read shows.
cv::Mat patterned(int rows, int cols, int type)
{
    cv::Mat picture(rows, cols, type);
    cv::randu(picture, cv::Scalar::all(0), cv::Scalar::all(256));
    return picture;
}

std::string localPath(const QString &path) { return QFile::encodeName(path).toStdString(); }
} // namespace

class tst_StandardImage : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // Another size than any picture written below: a stale file is easy to tell.
    void writeEarlier(const QString &path)
    {
        QVERIFY(cv::imwrite(localPath(path), patterned(7, 5, CV_8UC3)));
        QVERIFY(QFile::exists(path));
    }

private slots:
    void write_data()
    {
        QTest::addColumn<int>("type"); // -1: an empty picture
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("refusal"); // empty: written
        const QString file = standard_image::fileName();
        QTest::newRow("colour") << int(CV_8UC3) << file << QString();
        QTest::newRow("grey") << int(CV_8UC1) << file << QString();
        QTest::newRow("empty picture") << -1 << file << "the picture is empty";
        QTest::newRow("float picture") << int(CV_32FC3) << file << "not 8-bit";
        QTest::newRow("four channels") << int(CV_8UC4) << file << "not 8-bit";
        QTest::newRow("missing folder") << int(CV_8UC3) << "no/such/folder/" + file << "was not written";
        QTest::newRow("a folder in the way") << int(CV_8UC3) << "taken" << "is a folder";
    }

    // Whatever was there before is gone: the picture written whole, or no file at all.
    void write()
    {
        QFETCH(int, type);
        QFETCH(QString, relative);
        QFETCH(QString, refusal);
        const QString path = dir.filePath(relative);
        const bool folder = refusal == QLatin1String("is a folder");
        if (folder)
            QVERIFY(QDir().mkpath(path));
        else if (QFileInfo(path).dir().exists())
            writeEarlier(path);
        const cv::Mat picture = type < 0 ? cv::Mat() : patterned(270, 480, type);
        QString why;
        QCOMPARE(standard_image::write(picture, path, &why), refusal.isEmpty());
        QVERIFY2(why.contains(refusal), qPrintable(why));
        QCOMPARE(QFileInfo(path).isDir(), folder); // a folder in the way is left as it is
        if (!refusal.isEmpty()) {
            QVERIFY(!QFileInfo(path).isFile());
            return;
        }
        const cv::Mat back = cv::imread(localPath(path), cv::IMREAD_UNCHANGED);
        QVERIFY(back.size == picture.size && back.type() == picture.type());
        QCOMPARE(cv::norm(back, picture, cv::NORM_INF), 0.0);
    }
};

QTEST_GUILESS_MAIN(tst_StandardImage)
#include "tst_standard_image.moc"
