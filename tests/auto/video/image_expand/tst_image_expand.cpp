// The enlarged picture dialog: how it shows the pictures it is given, leaving the caller's picture
// as it came for the calibration dialog after it (the image-max buttons are rows of
// tst_picture_previews).
#include "dialogs/image_expand.h"
#include "ui_image_expand.h"

#include <QLabel>
#include <QPainter>
#include <QtTest>

namespace {
// Four coloured quadrants: where each lands shows how the picture was scaled.
QImage quadrants(QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    QPainter p(&image);
    const int w = size.width(), h = size.height();
    p.fillRect(0, 0, w / 2, h / 2, Qt::red);
    p.fillRect(w / 2, 0, w - w / 2, h / 2, Qt::green);
    p.fillRect(0, h / 2, w / 2, h - h / 2, Qt::blue);
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, Qt::yellow);
    return image;
}
} // namespace

class tst_ImageExpand : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreStretchedToTheLabel_data()
    {
        QTest::addColumn<bool>("pano");
        QTest::addColumn<QSize>("size");
        QTest::newRow("feature, camera label size") << false << QSize(480, 270);
        QTest::newRow("pano, taller than wide") << true << QSize(100, 400);
        QTest::newRow("pano, 2 by 2") << true << QSize(2, 2);
    }

    void picturesAreStretchedToTheLabel()
    {
        QFETCH(bool, pano);
        QFETCH(QSize, size);
        Image_Expand dialog;
        QImage picture = quadrants(size);
        const qint64 key = picture.cacheKey();
        if (pano)
            dialog.display_pano_image(picture);
        else
            dialog.display_image(picture);
        // The caller's picture is left as it was: it goes on to the calibration dialog.
        QCOMPARE(picture.size(), size);
        QCOMPARE(picture.cacheKey(), key);

        QLabel *shown = pano ? dialog.form()->image_expand_pano_label : dialog.form()->image_expand_label;
        QLabel *other = pano ? dialog.form()->image_expand_label : dialog.form()->image_expand_pano_label;
        QVERIFY(other->pixmap(Qt::ReturnByValue).isNull());
        const QImage image = shown->pixmap(Qt::ReturnByValue).toImage();
        QCOMPARE(image.size(), QSize(960, 540));
        // The aspect ratio is not kept: each quadrant fills its quarter up to the corners.
        const QPoint corners[] = {{0, 0},   {479, 269}, {480, 0},   {959, 269},
                                  {0, 270}, {479, 539}, {480, 270}, {959, 539}};
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(image.pixelColor(corners[i]), colours[i / 2]);
    }
};

QTEST_MAIN(tst_ImageExpand)
#include "tst_image_expand.moc"
