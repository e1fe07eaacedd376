// The enlarged picture dialog: its form, how it shows the pictures it is given, and the two
// image-max buttons of the main window that open it.
#include "form_contract.h"
#include "guide/guideconfig.h"
#include "dialogs/image_expand.h"
#include "log_capture.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_image_expand.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {
struct WindowHolder {
    std::unique_ptr<MainWindow> window;
    WindowHolder() : window(new MainWindow) {}
    ~WindowHolder() { delete window->guide_config; } // the window never deletes its wizard
    MainWindow *operator->() const { return window.get(); }
};

// Marks every text of one context, so a test sees which texts went through it.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const char *context) : context(context) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *ctx, const char *source, const char *, int) const override
    {
        return qstrcmp(ctx, context) == 0 ? QStringLiteral("<%1>").arg(QString::fromUtf8(source)) : QString();
    }
    const char *context;
};

// A picture of four coloured quadrants: where each lands shows how the picture was scaled.
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

struct Receiver : QObject {
    int count = 0;
    QImage last;
    void take(QImage &image)
    {
        ++count;
        last = image;
    }
};
} // namespace

class tst_ImageExpand : public QObject
{
    Q_OBJECT

private slots:
    void init() { testenv::removeConfigIni(); }

    void formObjects_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pixmap");
        QTest::newRow("feature picture") << "image_expand_label" << QRect(0, 200, 960, 540) << "" << false;
        QTest::newRow("feature cross-hair") << "label" << QRect(460, 450, 40, 40) << "" << true;
        QTest::newRow("pano picture") << "image_expand_pano_label" << QRect(960, 200, 960, 540) << "" << false;
        QTest::newRow("pano cross-hair") << "label_2" << QRect(1420, 450, 40, 40) << "" << true;
        QTest::newRow("feature title") << "label_3" << QRect(10, 170, 261, 31) << "Feature" << false;
        QTest::newRow("pano title") << "label_4" << QRect(970, 170, 261, 31) << "Pano" << false;
    }

    void formObjects()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(bool, pixmap);
        Image_Expand dialog;
        FORM_CHECK(formcontract::checkObject(&dialog, name, "QLabel"));
        auto *label = dialog.findChild<QLabel *>(name);
        QCOMPARE(label->parentWidget(), &dialog);
        QCOMPARE(label->geometry(), geometry);
        QCOMPARE(label->text(), text);
        QCOMPARE(!label->pixmap(Qt::ReturnByValue).isNull(), pixmap);
        if (!text.isEmpty()) {
            QCOMPARE(label->font().pointSize(), 16);
            QCOMPARE(label->styleSheet(), QStringLiteral("color: rgb(255, 0, 0);"));
        }
    }

    void formFrame()
    {
        Image_Expand dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("Image_Expand"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
        QCOMPARE(dialog.size(), QSize(1920, 900));
        QCOMPARE(dialog.minimumSize(), QSize(1920, 900));
        QCOMPARE(dialog.maximumSize(), QSize(1920, 900));
        QCOMPARE(dialog.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(dialog.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        // Exactly these hints were asked for (Qt adds the title and system menu hints that go
        // with them): no maximise button, nothing kept on top.
        QDialog reference;
        reference.setWindowFlags(Qt::Dialog | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        QCOMPARE(dialog.windowFlags(), reference.windowFlags());
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(formcontract::duplicateNames(&dialog).isEmpty());
        // The cross-hairs lie over the pictures, the titles last.
        QCOMPARE(formcontract::stackingOrder(&dialog),
                 QStringList({"image_expand_label", "label", "image_expand_pano_label", "label_2", "label_3", "label_4"}));
        // Each cross-hair marks the centre of its picture.
        QCOMPARE(dialog.form()->label->geometry().center(), dialog.form()->image_expand_label->geometry().center());
        QCOMPARE(dialog.form()->label_2->geometry().center(), dialog.form()->image_expand_pano_label->geometry().center());
    }

    void formTextsAreTranslatedInTheDialogsContext()
    {
        MarkingTranslator marking("Image_Expand");
        QVERIFY(QCoreApplication::installTranslator(&marking));
        Image_Expand dialog;
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("<Dialog>"));
        QCOMPARE(dialog.form()->label_3->text(), QStringLiteral("<Feature>"));
        QCOMPARE(dialog.form()->label_4->text(), QStringLiteral("<Pano>"));
    }

    void picturesAreStretchedToTheLabel_data()
    {
        QTest::addColumn<bool>("pano");
        QTest::addColumn<QSize>("size");
        QTest::newRow("feature, camera label size") << false << QSize(480, 270);
        QTest::newRow("pano, camera label size") << true << QSize(480, 270);
        QTest::newRow("feature, 4:3") << false << QSize(640, 480);
        QTest::newRow("pano, taller than wide") << true << QSize(100, 400);
        QTest::newRow("feature, larger") << false << QSize(1920, 1080);
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
        // Stretched over the whole label, the aspect ratio not kept: each quadrant fills its
        // quarter up to the corners.
        const struct {
            QPoint at;
            QColor colour;
        } expected[] = {{{0, 0}, Qt::red},    {{479, 269}, Qt::red},    {{480, 0}, Qt::green},
                        {{959, 269}, Qt::green}, {{0, 270}, Qt::blue}, {{479, 539}, Qt::blue},
                        {{480, 270}, Qt::yellow}, {{959, 539}, Qt::yellow}};
        for (const auto &e : expected)
            QCOMPARE(image.pixelColor(e.at), e.colour);
    }

    void nullPictureClearsTheLabel()
    {
        Image_Expand dialog;
        QImage picture = quadrants(QSize(480, 270));
        dialog.display_image(picture);
        QVERIFY(!dialog.form()->image_expand_label->pixmap(Qt::ReturnByValue).isNull());
        QImage none;
        dialog.display_image(none);
        QVERIFY(dialog.form()->image_expand_label->pixmap(Qt::ReturnByValue).isNull());
    }

    void studentPicturesReachTheCalibrationDialogUnchanged()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        // Connected after the set-up: it runs after the enlarged and calibration dialogs.
        Receiver after;
        connect(w.window.get(), &MainWindow::student_send_stream_to_feature, &after, &Receiver::take);
        w->student_image_expand_open = true;
        w->picture_previews->student_feature_SetImage(quadrants(QSize(480, 270)));
        QCOMPARE(after.count, 1);
        QCOMPARE(after.last.size(), QSize(480, 270));
        QCOMPARE(w->student_image_expand->form()->image_expand_label->pixmap(Qt::ReturnByValue).size(), QSize(960, 540));
    }

    void imageMaxButtons_data()
    {
        QTest::addColumn<bool>("teacher");  // which button
        QTest::addColumn<bool>("featureConnected");
        QTest::addColumn<bool>("panoConnected");
        QTest::addColumn<bool>("otherOpen"); // the other pair's dialog is open
        QTest::addColumn<bool>("selfOpen");  // this pair's dialog is already open
        QTest::addColumn<bool>("opens");     // this press opens the dialog
        QTest::addColumn<QString>("log");

        const QString teacherOpens = QStringLiteral("MainWindow::on_teacher_feature_image_max_toolButton_clicked");
        const QString studentOpens = QStringLiteral("MainWindow::on_student_feature_image_max_toolButton_clicked");
        QTest::newRow("teacher, both connected") << true << true << true << false << false << true << teacherOpens;
        QTest::newRow("teacher, close-up only") << true << true << false << false << false << false << "";
        QTest::newRow("teacher, pano only") << true << false << true << false << false << false << "";
        QTest::newRow("teacher, none") << true << false << false << false << false << false << "";
        QTest::newRow("teacher, student dialog open") << true << true << true << true << false << true << teacherOpens;
        QTest::newRow("teacher, student open, not connected") << true << false << true << true << false << false << "";
        QTest::newRow("teacher, already open") << true << true << true << false << true << false
                                               << "MainWindow:: teacher connected!";
        QTest::newRow("student, both connected") << false << true << true << false << false << true << studentOpens;
        QTest::newRow("student, close-up only") << false << true << false << false << false << false << "";
        QTest::newRow("student, pano only") << false << false << true << false << false << false << "";
        QTest::newRow("student, teacher dialog open") << false << true << true << true << false << true << studentOpens;
        QTest::newRow("student, already open") << false << true << true << false << true << false
                                               << "MainWindow:: student connected!";
    }

    void imageMaxButtons()
    {
        QFETCH(bool, teacher);
        QFETCH(bool, featureConnected);
        QFETCH(bool, panoConnected);
        QFETCH(bool, otherOpen);
        QFETCH(bool, selfOpen);
        QFETCH(bool, opens);
        QFETCH(QString, log);

        RecordingPresenter boxes;
        WindowHolder w;
        Image_Expand *self = teacher ? w->teacher_image_expand : w->student_image_expand;
        Image_Expand *other = teacher ? w->student_image_expand : w->teacher_image_expand;
        bool &selfFlag = teacher ? w->teacher_image_expand_open : w->student_image_expand_open;
        bool &otherFlag = teacher ? w->student_image_expand_open : w->teacher_image_expand_open;
        (teacher ? w->udp_teacher_feature_flag : w->udp_student_feature_flag) = featureConnected;
        (teacher ? w->udp_teacher_pano_flag : w->udp_student_pano_flag) = panoConnected;
        if (otherOpen) {
            other->show();
            otherFlag = true;
        }
        if (selfOpen) {
            self->move(300, 300);
            self->show();
            selfFlag = true;
        }

        LogCapture logs;
        QToolButton *button = teacher ? w->ui->teacher_feature_image_max_toolButton
                                      : w->ui->student_feature_image_max_toolButton;
        button->click(); // through the by-name connection of the form

        // The other pair's dialog is closed first, whatever follows.
        QVERIFY(!other->isVisible());
        QVERIFY(!otherFlag);
        const bool refused = !opens && !selfOpen;
        if (refused) {
            QCOMPARE(boxes.shown.size(), 1);
            QCOMPARE(boxes.shown[0].icon, QMessageBox::Warning);
            QCOMPARE(boxes.shown[0].title, QStringLiteral("Warning"));
            QCOMPARE(boxes.shown[0].text, QStringLiteral("Please connect the camera"));
            QVERIFY(!self->isVisible());
            QVERIFY(!selfFlag);
        } else {
            QVERIFY(boxes.shown.isEmpty());
            QVERIFY(self->isVisible());
            QVERIFY(selfFlag);
            QVERIFY(!self->isModal());
            // A new opening places the dialog below the main window's tabs; one already open
            // stays where it is.
            QCOMPARE(self->pos(), selfOpen ? QPoint(300, 300) : QPoint(0, 90));
        }
        if (!log.isEmpty())
            QCOMPARE(logs.count(log), 1);
    }

    void closedDialogShowsAgainAndKeepsItsFlag()
    {
        // Closing with the dialog's own close button keeps the flag: pictures still go to the
        // hidden dialog, and the button shows it again.
        RecordingPresenter boxes;
        WindowHolder w;
        w->udp_teacher_feature_flag = w->udp_teacher_pano_flag = true;
        w->ui->teacher_feature_image_max_toolButton->click();
        QVERIFY(w->teacher_image_expand->isVisible());
        w->teacher_image_expand->close();
        QVERIFY(w->teacher_image_expand_open);
        w->picture_previews->teacher_feature_SetImage(quadrants(QSize(480, 270)));
        QCOMPARE(w->teacher_image_expand->form()->image_expand_label->pixmap(Qt::ReturnByValue).size(), QSize(960, 540));
        w->ui->teacher_feature_image_max_toolButton->click();
        QVERIFY(w->teacher_image_expand->isVisible());
        QVERIFY(boxes.shown.isEmpty());
    }
};

QTEST_MAIN(tst_ImageExpand)
#include "tst_image_expand.moc"
