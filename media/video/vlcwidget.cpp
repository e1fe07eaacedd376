#include "video/vlcwidget.h"

#include "core/time_scale.h"
#include "video/vlcthread.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

namespace {
constexpr int kClearDragMs = 1000;   // a drop counts as in progress this long
constexpr int kFlowHeight = 20;
constexpr int kFlowButtonWidth = 20;
constexpr int kFlowFontPixels = 17;
constexpr int kWaitRoundMs = 10;     // a close's wait handles events in rounds this long
const char *kPauseProperty = "isPause";
const QChar kCloseGlyph(0xE74C);
} // namespace

VlcWidget::VlcWidget(QWidget *parent)
    : QWidget(parent)
{
    osd1.text = QStringLiteral("时间");
    osd1.color = QColor(QStringLiteral("#FF0000"));
    osd1.format = OSDFormat_DateTime;
    osd1.position = OSDPosition_Right_Top;
    osd2.text = QStringLiteral("教师机");
    osd2.color = QColor(QStringLiteral("#FFFFFF"));
    osd2.format = OSDFormat_Text;
    osd2.position = OSDPosition_Left_Bottom;

    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    checkTimer = new QTimer(this);
    checkTimer->setInterval(timescale::scaled(kCheckIntervalMs));
    connect(checkTimer, &QTimer::timeout, this, &VlcWidget::checkVideo);
    initThread();
    initFlowPanel();
    initFlowStyle();
}

VlcWidget::~VlcWidget()
{
    destroying = true;
    if (checkTimer->isActive())
        checkTimer->stop();
    close();
}

void VlcWidget::initThread()
{
    bgState = false;
    isDrag = false;
    vlcThread = new VlcThread(this);
    connect(vlcThread, &VlcThread::receivePlayStart, this, &VlcWidget::receivePlayStart);
    connect(vlcThread, &VlcThread::receivePlayError, this, &VlcWidget::receivePlayError);
    connect(vlcThread, &VlcThread::receivePlayFinsh, this, &VlcWidget::receivePlayFinsh);
    connect(vlcThread, &VlcThread::receiveImage, this, &VlcWidget::receiveImage);
    connect(vlcThread, &VlcThread::fileLengthReceive, this, &VlcWidget::fileLengthReceive);
    connect(vlcThread, &VlcThread::fileVolumeReceive, this, &VlcWidget::fileVolumeReceive);
    connect(vlcThread, &VlcThread::filePositionReceive, this, &VlcWidget::filePositionReceive);
    connect(vlcThread, &VlcThread::receivePlayStart, this, &VlcWidget::playStart);
    connect(vlcThread, &VlcThread::receivePlayFinsh, this, &VlcWidget::playFinsh);
    connect(vlcThread, &VlcThread::receiveImage, this, &VlcWidget::updateImage);

    renderWidget = new QWidget(this);
    renderWidget->setObjectName(QStringLiteral("renderWidget"));
    renderWidget->setUpdatesEnabled(false);
    renderWidget->hide();
    vlcThread->setRenderWidget(renderWidget);

    coverWidget = new QWidget(this);
    coverWidget->setObjectName(QStringLiteral("coverWidget"));
    coverWidget->installEventFilter(this);
}

void VlcWidget::initFlowPanel()
{
    flowPanel = new QWidget(this);
    flowPanel->setObjectName(QStringLiteral("flowPanel"));
    flowPanel->hide();
    auto *layout = new QHBoxLayout(flowPanel);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();

    QFont font;
    if (QFontDatabase().families().contains(QStringLiteral("iconfont"))) {
        font = QFont(QStringLiteral("iconfont"));
        font.setPixelSize(kFlowFontPixels);
        font.setHintingPreference(QFont::PreferNoHinting);
    }
    const QList<QPair<QString, QChar>> buttons{{QStringLiteral("flowClose"), kCloseGlyph}};
    for (const auto &entry : buttons) {
        auto *button = new QPushButton(flowPanel);
        button->setObjectName(entry.first);
        button->setFixedWidth(kFlowButtonWidth);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(font);
        button->setText(entry.second);
        connect(button, &QPushButton::clicked, this, QOverload<>::of(&VlcWidget::btnClicked));
        layout->addWidget(button);
    }
}

void VlcWidget::initFlowStyle()
{
    const QString background = QStringLiteral("rgba(%1,%2,%3,150)")
                                   .arg(flowBgColor.red())
                                   .arg(flowBgColor.green())
                                   .arg(flowBgColor.blue());
    QStringList style;
    style << QStringLiteral("#flowPanel{background:%1;border:none;}").arg(background);
    style << QStringLiteral("QPushButton{border:none;padding:0px;background:rgba(0,0,0,0);}");
    style << QStringLiteral("QPushButton:pressed{color:%1;}").arg(flowPressColor.name());
    flowPanel->setStyleSheet(style.join(QString()));
}

// ---------------------------------------------------------------------------------------------
// Playing.

void VlcWidget::setUrl(const QString &url) { vlcThread->setUrl(url); }
void VlcWidget::setCallback(bool on) { vlcThread->setCallback(on); }
QString VlcWidget::getUrl() const { return vlcThread->getUrl(); }
bool VlcWidget::getCallback() const { return vlcThread->getCallback(); }
bool VlcWidget::getIsPlaying() const { return vlcThread->getIsPlaying(); }
bool VlcWidget::getIsNetStream() const { return vlcThread->getIsNetStream(); }
bool VlcWidget::getIsDshow() const { return vlcThread->getIsDshow(); }
QDateTime VlcWidget::getLastTime() { return vlcThread->getLastTime(); }

void VlcWidget::open()
{
    if (closing) {
        qDebug().noquote() << "VlcWidget::open ignored while closing" << objectName();
        return;
    }
    // A player still running is closed first: one player per widget.
    if (vlcThread->isRunning())
        close();
    clear();
    QImage still;
    const QString url = vlcThread->getUrl();
    if (!url.isEmpty() && still.load(url)) {
        image = still;
        repaintCover();
        return;
    }
    if (fillImage && isVisible()) {
        vlcThread->setVideoWidth(width());
        vlcThread->setVideoHeight(height());
    }
    vlcThread->play();
    vlcThread->start();
    if (checkLive)
        checkTimer->start();
    setProperty(kPauseProperty, false);
}

void VlcWidget::close()
{
    if (closing)
        return;
    closing = true;
    const QPointer<VlcWidget> self(this);
    if (vlcThread->isRunning()) {
        vlcThread->stop();
        vlcThread->quit();
        waitForThread(!destroying);
    }
    if (!self)
        return; // destroyed during the wait: its destructor closed it
    closing = false;
    if (checkLive)
        checkTimer->stop();
    clear();
    flowPanel->hide();
    flowEnable = false;
}

void VlcWidget::waitForThread(bool handleEvents)
{
    const QPointer<VlcThread> player(vlcThread);
    if (!handleEvents) {
        player->wait();
        return;
    }
    QTimer wake;
    wake.setSingleShot(true);
    QObject::connect(player, &QThread::finished, &wake, [] {}); // the end wakes the dispatcher
    while (player && player->isRunning()) {
        wake.start(kWaitRoundMs);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    if (player)
        player->wait(); // returns at once: only the thread's last instructions are left
}

void VlcWidget::restart(const QString &url, int delayOpen)
{
    close();
    vlcThread->setUrl(url);
    if (isDrag)
        emit fileDrag(url);
    if (delayOpen < 1)
        open();
    else
        QTimer::singleShot(timescale::scaled(delayOpen), this, &VlcWidget::open);
}

void VlcWidget::checkVideo()
{
    if (!vlcThread->getIsPlaying())
        restart(vlcThread->getUrl(), 500);
}

void VlcWidget::updateImage(const QImage &picture)
{
    if (property(kPauseProperty).toBool() || !isVisible() || !vlcThread->isRunning())
        return;
    image = copyImage ? picture.copy() : picture;
    repaintCover();
}

void VlcWidget::playStart()
{
    if (!vlcThread->getPicturesByCallback()) {
        renderWidget->show();
        coverWidget->hide();
    }
}

void VlcWidget::playFinsh()
{
    if (isDrag || vlcThread->getPicturesByCallback())
        return;
    renderWidget->hide();
    coverWidget->show();
}

void VlcWidget::clear()
{
    image = QImage();
    repaintCover();
}

void VlcWidget::pause()
{
    if (property(kPauseProperty).toBool())
        return;
    vlcThread->pause();
    setProperty(kPauseProperty, true);
}

void VlcWidget::next()
{
    if (!property(kPauseProperty).toBool())
        return;
    vlcThread->next();
    setProperty(kPauseProperty, false);
}

void VlcWidget::snap(const QString &fileName)
{
    if (!vlcThread->getCallback()) {
        vlcThread->snap(fileName);
        return;
    }
    if (!image.isNull() && !image.save(fileName, "jpg"))
        qWarning().noquote() << "VlcWidget: snapshot not written:" << fileName;
}

void VlcWidget::btnClicked() { emit btnClicked(sender() ? sender()->objectName() : QString()); }

QPixmap VlcWidget::grabScreen() const
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPixmap();
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    return screen->grabWindow(0, origin.x(), origin.y(), width(), height());
}

// ---------------------------------------------------------------------------------------------
// Forwarding to the player.

void VlcWidget::setVideoWidth(int width) { vlcThread->setVideoWidth(width); }
void VlcWidget::setVideoHeight(int height) { vlcThread->setVideoHeight(height); }
void VlcWidget::setBufferWidth(int width) { vlcThread->setBufferWidth(width); }
void VlcWidget::setBufferHeight(int height) { vlcThread->setBufferHeight(height); }
void VlcWidget::setCheckTime(int ms) { vlcThread->setCheckTime(ms); }
void VlcWidget::setCheckConn(bool on) { vlcThread->setCheckConn(on); }
void VlcWidget::setPlayRepeat(bool on) { vlcThread->setPlayRepeat(on); }
void VlcWidget::setOption(const QString &option) { vlcThread->setOption(option); }
void VlcWidget::setHardware(const QString &name) { vlcThread->setHardware(name); }
void VlcWidget::setTransport(const QString &name) { vlcThread->setTransport(name); }
void VlcWidget::setCaching(int ms) { vlcThread->setCaching(ms); }
void VlcWidget::setSaveFile(bool on) { vlcThread->setSaveFile(on); }
void VlcWidget::setSaveInterval(int seconds) { vlcThread->setSaveInterval(seconds); }
void VlcWidget::setFileFlag(const QString &flag) { vlcThread->setFileFlag(flag); }
void VlcWidget::setFileName(const QString &name) { vlcThread->setFileName(name); }
void VlcWidget::setSavePath(const QString &path)
{
    if (!QDir(path).exists())
        QDir().mkdir(path);
    vlcThread->setSavePath(path);
}
qint64 VlcWidget::getLength() { return vlcThread->getLength(); }
qint64 VlcWidget::getPosition() { return vlcThread->getPosition(); }
void VlcWidget::setPosition(qlonglong ms) { vlcThread->setPosition(ms); }
float VlcWidget::getRate() { return vlcThread->getRate(); }
void VlcWidget::setRate(float rate) { vlcThread->setRate(rate); }
bool VlcWidget::getMuted() { return vlcThread->getMuted(); }
int VlcWidget::getVolume() { return vlcThread->getVolume(); }
int VlcWidget::getTrack() { return vlcThread->getTrack(); }
int VlcWidget::getTrackCount() { return vlcThread->getTrackCount(); }
void VlcWidget::setMuted(bool muted) { vlcThread->setMuted(muted); }
void VlcWidget::setVolume(int volume) { vlcThread->setVolume(volume); }
void VlcWidget::setTrack(int track) { vlcThread->setTrack(track); }

// ---------------------------------------------------------------------------------------------
// Properties.

void VlcWidget::setFaceRects(const QList<QRect> &rects)
{
    if (faceRects != rects)
        faceRects = rects;
    repaintCover();
}
void VlcWidget::setFaceBorder(int width) { faceBorder = width; repaintCover(); }
void VlcWidget::setFaceColor(const QColor &color) { faceColor = color; repaintCover(); }
void VlcWidget::setDrawImage(bool on) { drawImage = on; repaintCover(); }
void VlcWidget::setFillImage(bool on) { fillImage = on; repaintCover(); }
void VlcWidget::setFlowBgColor(const QColor &color)
{
    if (flowBgColor != color) {
        flowBgColor = color;
        initFlowStyle();
    }
}
void VlcWidget::setFlowPressColor(const QColor &color)
{
    if (flowPressColor != color) {
        flowPressColor = color;
        initFlowStyle();
    }
}
void VlcWidget::setBorderWidth(int width) { borderWidth = width; repaintCover(); }
void VlcWidget::setBorderColor(const QColor &color) { borderColor = color; repaintCover(); }
void VlcWidget::setFocusColor(const QColor &color) { focusColor = color; repaintCover(); }
void VlcWidget::setBgColor(const QColor &color) { bgColor = color; repaintCover(); }
void VlcWidget::setBgText(const QString &text) { bgText = text; repaintCover(); }
void VlcWidget::setBgImage(const QImage &picture) { bgImage = picture; repaintCover(); }
void VlcWidget::setOSD1Visible(bool on) { osd1.visible = on; repaintCover(); }
void VlcWidget::setOSD1FontSize(int size) { osd1.fontSize = size; repaintCover(); }
void VlcWidget::setOSD1Text(const QString &text) { osd1.text = text; repaintCover(); }
void VlcWidget::setOSD1Color(const QColor &color) { osd1.color = color; repaintCover(); }
void VlcWidget::setOSD1Image(const QImage &picture) { osd1.image = picture; repaintCover(); }
void VlcWidget::setOSD1Format(const OSDFormat &format) { osd1.format = format; repaintCover(); }
void VlcWidget::setOSD1Position(const OSDPosition &position) { osd1.position = position; repaintCover(); }
void VlcWidget::setOSD2Visible(bool on) { osd2.visible = on; repaintCover(); }
void VlcWidget::setOSD2FontSize(int size) { osd2.fontSize = size; repaintCover(); }
void VlcWidget::setOSD2Text(const QString &text) { osd2.text = text; repaintCover(); }
void VlcWidget::setOSD2Color(const QColor &color) { osd2.color = color; repaintCover(); }
void VlcWidget::setOSD2Image(const QImage &picture) { osd2.image = picture; repaintCover(); }
void VlcWidget::setOSD2Format(const OSDFormat &format) { osd2.format = format; repaintCover(); }
void VlcWidget::setOSD2Position(const OSDPosition &position) { osd2.position = position; repaintCover(); }

// ---------------------------------------------------------------------------------------------
// Events and painting.

void VlcWidget::repaintCover()
{
    update();
    if (coverWidget)
        coverWidget->update();
}

bool VlcWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == coverWidget && event->type() == QEvent::Paint) {
        QPainter painter(coverWidget);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        paintCover(&painter);
    }
    return QWidget::eventFilter(watched, event);
}

void VlcWidget::paintCover(QPainter *painter)
{
    drawBorder(painter);
    if (vlcThread->getIsPlaying()) {
        if (!drawImage)
            return;
        drawPicture(painter);
        drawFaceRects(painter);
        drawOverlay(painter, osd1);
        drawOverlay(painter, osd2);
        if (bgState)
            drawBackground(painter);
    } else if (!isDrag) {
        drawBackground(painter);
    }
}

void VlcWidget::drawBorder(QPainter *painter)
{
    if (borderWidth <= 0)
        return;
    painter->save();
    QPen pen(hasFocus() ? focusColor : borderColor);
    pen.setWidth(borderWidth);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect());
    painter->restore();
}

void VlcWidget::drawPicture(QPainter *painter)
{
    if (image.isNull())
        return;
    const QSize inner(width() - borderWidth, height() - borderWidth);
    const QImage scaled = image.scaled(inner, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (fillImage) {
        painter->drawImage(QRect(QPoint(borderWidth / 2, borderWidth / 2), inner), scaled);
    } else {
        QRect target(QPoint(0, 0), scaled.size());
        target.moveCenter(rect().center());
        painter->drawImage(target.topLeft(), scaled);
    }
}

void VlcWidget::drawFaceRects(QPainter *painter)
{
    if (faceRects.isEmpty())
        return;
    painter->save();
    QPen pen(faceColor);
    pen.setWidth(faceBorder);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    for (const QRect &r : qAsConst(faceRects))
        painter->drawRect(r);
    painter->restore();
}

void VlcWidget::drawBackground(QPainter *painter)
{
    painter->save();
    if (bgColor != QColor(Qt::transparent))
        painter->fillRect(rect(), bgColor);
    if (bgImage.isNull()) {
        painter->setFont(font());
        painter->setPen(palette().color(QPalette::WindowText));
        painter->drawText(rect(), Qt::AlignCenter, bgText);
    } else {
        QRect target(QPoint(0, 0), bgImage.size());
        target.moveCenter(rect().center());
        painter->drawImage(target.topLeft(), bgImage);
    }
    painter->restore();
}

void VlcWidget::drawOverlay(QPainter *painter, const Overlay &overlay)
{
    if (!overlay.visible)
        return;
    const QRect area(2 * borderWidth, 2 * borderWidth, width() - 5 * borderWidth, height() - 5 * borderWidth);
    painter->save();
    if (overlay.format == OSDFormat_Image) {
        QPoint at = area.topLeft();
        const QSize size = overlay.image.size();
        switch (overlay.position) {
        case OSDPosition_Left_Bottom:
            at = QPoint(area.left(), area.height() - size.height());
            break;
        case OSDPosition_Right_Top:
            at = QPoint(area.width() - size.width(), area.top());
            break;
        case OSDPosition_Right_Bottom:
            at = QPoint(area.width() - size.width(), area.height() - size.height());
            break;
        default:
            break;
        }
        painter->drawImage(at, overlay.image);
        painter->restore();
        return;
    }
    QString text;
    const QDateTime now = QDateTime::currentDateTime();
    switch (overlay.format) {
    case OSDFormat_Date:
        text = now.toString(QStringLiteral("yyyy-MM-dd"));
        break;
    case OSDFormat_Time:
        text = now.toString(QStringLiteral("HH:mm:ss"));
        break;
    case OSDFormat_DateTime:
        text = now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        break;
    default:
        text = overlay.text;
        break;
    }
    if (!text.isEmpty()) {
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
        if (overlay.position == OSDPosition_Left_Bottom)
            align = Qt::AlignLeft | Qt::AlignBottom;
        else if (overlay.position == OSDPosition_Right_Top)
            align = Qt::AlignRight | Qt::AlignTop;
        else if (overlay.position == OSDPosition_Right_Bottom)
            align = Qt::AlignRight | Qt::AlignBottom;
        QFont f;
        f.setPixelSize(overlay.fontSize);
        painter->setFont(f);
        painter->setPen(overlay.color);
        painter->drawText(area, int(align), text);
    }
    painter->restore();
}

void VlcWidget::resizeEvent(QResizeEvent *)
{
    const bool callbackMode = vlcThread->getCallback();
    if (callbackMode) {
        flowPanel->setGeometry(borderWidth, borderWidth, width() - 2 * borderWidth, kFlowHeight);
        renderWidget->setGeometry(borderWidth / 2, borderWidth / 2, width() - borderWidth, height() - borderWidth);
    } else {
        flowPanel->setGeometry(0, 0, width(), kFlowHeight);
        renderWidget->setGeometry(0, 0, width(), height());
    }
    coverWidget->setGeometry(0, 0, width(), height());
}

void VlcWidget::enterEvent(QEvent *)
{
    if (!flowEnable)
        return;
    flowPanel->show();
    currentText = osd2.text;
}

void VlcWidget::leaveEvent(QEvent *)
{
    if (!flowEnable)
        return;
    flowPanel->hide();
    currentText.clear();
}

void VlcWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("application/x-qabstractitemmodeldatalist"))) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list"))) {
        event->setDropAction(Qt::LinkAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void VlcWidget::dropEvent(QDropEvent *event)
{
    isDrag = true;
    QTimer::singleShot(timescale::scaled(kClearDragMs), this, &VlcWidget::clearDrag);
    QString url;
    if (event->mimeData()->hasUrls()) {
        url = event->mimeData()->urls().first().toLocalFile();
    } else if (auto *tree = qobject_cast<QTreeWidget *>(event->source())) {
        QTreeWidgetItem *item = tree->currentItem();
        if (item && item->parent())
            url = item->data(0, Qt::UserRole).toString();
    }
    if (!url.isEmpty())
        restart(url, 500);
}
