#include "dialogs/osdmenu.h"
#include "ui_osdmenu.h"

#include "core/reachability.h"
#include "core/wait.h"
#include "protocol/osd_keys.h"
#include "seams/message_box.h"
#include "support/resources.h"
#include "video/qffmpeg.h"
#include "video/rtsp_stream.h"

#include <QCloseEvent>
#include <QDebug>
#include <QPixmap>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {
constexpr int kProbeMs = 1000;       // a camera's stream port answers at once when it is up
constexpr int kSettleMs = 1000;      // the camera takes a new RTSP client after its probe
constexpr int kStopPauseMs = 300;    // between the decoder's stop and its thread's
constexpr int kLayoutMargin = 8;
// The decoder's own picture size; the picture is fitted into the dialog as it comes.
constexpr int kPictureWidth = 480;
constexpr int kPictureHeight = 270;
} // namespace

OSDMenu::OSDMenu(QWidget *parent)
    : QDialog(parent)
    , ui((corvane_init_resources(), new Ui::OSDMenu))
{
    ui->setupUi(this);
    setWindowTitle(tr("Video preview"));
    setWindowFlags(Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kDialogWidth, kDialogHeight);

    // The key pad lies over the picture: both are shown at once, the pad on top.
    auto *stack = new QStackedLayout;
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(ui->menu_widget);
    stack->addWidget(ui->video_widget);
    stack->setCurrentWidget(ui->menu_widget);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(kLayoutMargin, kLayoutMargin, kLayoutMargin, kLayoutMargin);
    outer->addLayout(stack);

    using O = OSDMenu;
    connect(ui->osd_ok_Button, &QPushButton::clicked, this, &O::on_osd_ok_Button_clicked);
    connect(ui->osd_up_Button, &QPushButton::pressed, this, &O::on_osd_up_Button_pressed);
    connect(ui->osd_down_Button, &QPushButton::pressed, this, &O::on_osd_down_Button_pressed);
    connect(ui->osd_left_Button, &QPushButton::pressed, this, &O::on_osd_left_Button_pressed);
    connect(ui->osd_right_Button, &QPushButton::pressed, this, &O::on_osd_right_Button_pressed);
    for (QPushButton *arrow : {ui->osd_up_Button, ui->osd_down_Button, ui->osd_left_Button, ui->osd_right_Button})
        connect(arrow, &QPushButton::released, this, &O::on_osd_arrow_released);
    connect(ui->osd_back_Button, &QPushButton::clicked, this, &O::on_osd_back_Button_clicked);
    connect(ui->osd_menu_Button, &QPushButton::clicked, this, &O::on_osd_menu_Button_clicked);
}

OSDMenu::~OSDMenu()
{
    delete ui;
}

void OSDMenu::on_osd_ok_Button_clicked() { emit osd_control(osd_keys::Ok); }
void OSDMenu::on_osd_up_Button_pressed() { emit osd_control(osd_keys::Up); }
void OSDMenu::on_osd_down_Button_pressed() { emit osd_control(osd_keys::Down); }
void OSDMenu::on_osd_left_Button_pressed() { emit osd_control(osd_keys::Left); }
void OSDMenu::on_osd_right_Button_pressed() { emit osd_control(osd_keys::Right); }
// The camera moves while an arrow is held.
void OSDMenu::on_osd_arrow_released() { emit osd_control(osd_keys::Released); }
void OSDMenu::on_osd_back_Button_clicked() { emit osd_control(osd_keys::Back); }
void OSDMenu::on_osd_menu_Button_clicked() { emit osd_control(osd_keys::Menu); }

void OSDMenu::display_image(QImage &image)
{
    ui->osd_labVideo->setPixmap(QPixmap::fromImage(
        image.scaled(kDialogWidth, kDialogHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

void OSDMenu::rtsp_SetImage(QImage image)
{
    if (image.height() <= 0)
        return;
    ui->osd_labVideo->setPixmap(
        QPixmap::fromImage(image.scaled(ui->osd_labVideo->size(), Qt::KeepAspectRatio, Qt::FastTransformation)));
}

void OSDMenu::open_rtsp_link(const QString &address, const QString &port)
{
    const int portNumber = port.toInt();
    qDebug().noquote().nospace() << "open_rtsp_link url:" << address << ",port:" << port << ",int_port:" << portNumber;
    if (ffmpeg || m_closed)
        return; // one link per dialog
    if (!reachability::portAccepts(address, quint16(portNumber), kProbeMs)) {
        qDebug() << "connection timeout";
        if (!m_closed)
            msgbox::warning(this, tr("Warning"), tr("Connection timeout"));
        return;
    }
    wait_ms(kSettleMs);
    if (m_closed || ffmpeg)
        return;
    rtsp_stream::create(this, QStringLiteral("rtsp://") + address + QLatin1Char(':') + port + QStringLiteral("/1"),
                        kPictureWidth, kPictureHeight, ffmpeg, rtsp_thread);
    connect(ffmpeg, &QFFmpeg::GetImage, this, &OSDMenu::rtsp_SetImage, Qt::QueuedConnection);
    // A closed dialog lets go of the open meanwhile; start then says no.
    m_rtsp_running = rtsp_stream::start(ffmpeg, rtsp_thread);
}

void OSDMenu::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ui->osd_labVideo->resize(ui->video_widget->size());
}

void OSDMenu::shut_rtsp_link()
{
    m_closed = true;
    const bool wasRunning = m_rtsp_running;
    m_rtsp_running = false;
    if (ffmpeg || rtsp_thread)
        rtsp_stream::stop(ffmpeg, rtsp_thread, {kStopPauseMs, 0});
    if (wasRunning)
        emit close_osdMenu();
}

void OSDMenu::closeEvent(QCloseEvent *event)
{
    shut_rtsp_link();
    event->accept();
}

void OSDMenu::done(int result)
{
    shut_rtsp_link();
    QDialog::done(result);
}
