#pragma once

#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QRect>
#include <QTimer>
#include <QWidget>

class VlcThread;

// A preview area that plays one media address (VlcThread) and paints its own frame: a border
// that follows keyboard focus, the current picture, detection rectangles, two text or picture
// overlays, and a background text or picture while nothing plays. It also has a small button
// bar that floats over it, takes dropped addresses, can reopen a stream that stopped (checkLive)
// and takes snapshots. Children placed on it (region views, labels) lie above its picture.
class VlcWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool copyImage READ getCopyImage WRITE setCopyImage)
    Q_PROPERTY(bool checkLive READ getCheckLive WRITE setCheckLive)
    Q_PROPERTY(bool drawImage READ getDrawImage WRITE setDrawImage)
    Q_PROPERTY(bool fillImage READ getFillImage WRITE setFillImage)
    Q_PROPERTY(bool flowEnable READ getFlowEnable WRITE setFlowEnable)
    Q_PROPERTY(QColor flowBgColor READ getFlowBgColor WRITE setFlowBgColor)
    Q_PROPERTY(QColor flowPressColor READ getFlowPressColor WRITE setFlowPressColor)
    Q_PROPERTY(int timeout READ getTimeout WRITE setTimeout)
    Q_PROPERTY(int borderWidth READ getBorderWidth WRITE setBorderWidth)
    Q_PROPERTY(QColor borderColor READ getBorderColor WRITE setBorderColor)
    Q_PROPERTY(QColor focusColor READ getFocusColor WRITE setFocusColor)
    Q_PROPERTY(QColor bgColor READ getBgColor WRITE setBgColor)
    Q_PROPERTY(QString bgText READ getBgText WRITE setBgText)
    Q_PROPERTY(QImage bgImage READ getBgImage WRITE setBgImage)
    Q_PROPERTY(bool osd1Visible READ getOSD1Visible WRITE setOSD1Visible)
    Q_PROPERTY(int osd1FontSize READ getOSD1FontSize WRITE setOSD1FontSize)
    Q_PROPERTY(QString osd1Text READ getOSD1Text WRITE setOSD1Text)
    Q_PROPERTY(QColor osd1Color READ getOSD1Color WRITE setOSD1Color)
    Q_PROPERTY(QImage osd1Image READ getOSD1Image WRITE setOSD1Image)
    Q_PROPERTY(OSDFormat osd1Format READ getOSD1Format WRITE setOSD1Format)
    Q_PROPERTY(OSDPosition osd1Position READ getOSD1Position WRITE setOSD1Position)
    Q_PROPERTY(bool osd2Visible READ getOSD2Visible WRITE setOSD2Visible)
    Q_PROPERTY(int osd2FontSize READ getOSD2FontSize WRITE setOSD2FontSize)
    Q_PROPERTY(QString osd2Text READ getOSD2Text WRITE setOSD2Text)
    Q_PROPERTY(QColor osd2Color READ getOSD2Color WRITE setOSD2Color)
    Q_PROPERTY(QImage osd2Image READ getOSD2Image WRITE setOSD2Image)
    Q_PROPERTY(OSDFormat osd2Format READ getOSD2Format WRITE setOSD2Format)
    Q_PROPERTY(OSDPosition osd2Position READ getOSD2Position WRITE setOSD2Position)

public:
    enum OSDFormat { OSDFormat_Text = 0, OSDFormat_Date = 1, OSDFormat_Time = 2, OSDFormat_DateTime = 3, OSDFormat_Image = 4 };
    Q_ENUM(OSDFormat)
    enum OSDPosition { OSDPosition_Left_Top = 0, OSDPosition_Left_Bottom = 1, OSDPosition_Right_Top = 2, OSDPosition_Right_Bottom = 3 };
    Q_ENUM(OSDPosition)

    // With checkLive, how often the stream is looked at (scaled by the time seam).
    static constexpr int kCheckIntervalMs = 10000;

    explicit VlcWidget(QWidget *parent = nullptr);
    ~VlcWidget() override;

    QSize sizeHint() const override { return {400, 300}; }
    QSize minimumSizeHint() const override { return {40, 30}; }

    // One overlay's settings (overlay 1 and 2 have one each).
    struct Overlay {
        bool visible = false;
        int fontSize = 12;
        QString text;
        QColor color;
        QImage image;
        OSDFormat format = OSDFormat_Text;
        OSDPosition position = OSDPosition_Left_Top;
    };

    QImage getImage() const { return image; }
    QDateTime getLastTime();
    QString getUrl() const;
    bool getCallback() const;
    bool getIsPlaying() const;
    bool getIsNetStream() const;
    bool getIsDshow() const;
    QString getCurrentText() const { return currentText; }
    int getFaceBorder() const { return faceBorder; }
    QColor getFaceColor() const { return faceColor; }
    QList<QRect> getFaceRects() const { return faceRects; }
    QPixmap grabScreen() const;
    VlcThread *player() const { return vlcThread; } // for the owner's own settings and tests
    bool isDragging() const { return isDrag; }
    bool isClosing() const { return closing; }

    bool getCopyImage() const { return copyImage; }
    bool getCheckLive() const { return checkLive; }
    bool getDrawImage() const { return drawImage; }
    bool getFillImage() const { return fillImage; }
    bool getFlowEnable() const { return flowEnable; }
    QColor getFlowBgColor() const { return flowBgColor; }
    QColor getFlowPressColor() const { return flowPressColor; }
    int getTimeout() const { return timeout; }
    int getBorderWidth() const { return borderWidth; }
    QColor getBorderColor() const { return borderColor; }
    QColor getFocusColor() const { return focusColor; }
    QColor getBgColor() const { return bgColor; }
    QString getBgText() const { return bgText; }
    QImage getBgImage() const { return bgImage; }
    bool getOSD1Visible() const { return osd1.visible; }
    int getOSD1FontSize() const { return osd1.fontSize; }
    QString getOSD1Text() const { return osd1.text; }
    QColor getOSD1Color() const { return osd1.color; }
    QImage getOSD1Image() const { return osd1.image; }
    OSDFormat getOSD1Format() const { return osd1.format; }
    OSDPosition getOSD1Position() const { return osd1.position; }
    bool getOSD2Visible() const { return osd2.visible; }
    int getOSD2FontSize() const { return osd2.fontSize; }
    QString getOSD2Text() const { return osd2.text; }
    QColor getOSD2Color() const { return osd2.color; }
    QImage getOSD2Image() const { return osd2.image; }
    OSDFormat getOSD2Format() const { return osd2.format; }
    OSDPosition getOSD2Position() const { return osd2.position; }

signals:
    void receivePlayStart();
    void receivePlayError();
    void receivePlayFinsh();
    void receiveImage(QImage image);
    void fileLengthReceive(qint64 length);
    void filePositionReceive(qint64 position);
    void fileVolumeReceive(int volume, bool muted);
    void fileDrag(const QString &url);
    void btnClicked(const QString &btnName);

public slots:
    void updateImage(const QImage &picture);
    void checkVideo();
    void btnClicked();
    void playStart();
    void playFinsh();
    void clearDrag() { isDrag = false; }
    void restart(const QString &url, int delayOpen);
    void restart(const QString &url) { restart(url, 500); }
    void clear();
    void pause();
    void next();
    void snap(const QString &fileName);
    void setFaceRects(const QList<QRect> &rects);
    void setCurrentFlag(const QString &flag) { currentFlag = flag; }
    QString getCurrentFlag() const { return currentFlag; }
    void setFaceBorder(int width);
    void setFaceColor(const QColor &color);
    void setCurrentText(const QString &text) { currentText = text; }

    void setUrl(const QString &url);
    void setCallback(bool on);
    void setBgState(bool on) { bgState = on; }
    void open();
    void close();

    void setVideoWidth(int width);
    void setVideoHeight(int height);
    void setBufferWidth(int width);
    void setBufferHeight(int height);
    void setCheckTime(int ms);
    void setCheckConn(bool on);
    void setPlayRepeat(bool on);
    void setOption(const QString &option);
    void setHardware(const QString &name);
    void setTransport(const QString &name);
    void setCaching(int ms);
    void setSaveFile(bool on);
    void setSaveInterval(int seconds);
    void setFileFlag(const QString &flag);
    void setFileName(const QString &name);
    void setSavePath(const QString &path);
    qint64 getLength();
    qint64 getPosition();
    void setPosition(qlonglong ms);
    float getRate();
    void setRate(float rate);
    bool getMuted();
    int getVolume();
    int getTrack();
    int getTrackCount();
    void setMuted(bool muted);
    void setVolume(int volume);
    void setTrack(int track);

    void setCopyImage(bool on) { copyImage = on; }
    void setCheckLive(bool on) { checkLive = on; }
    void setDrawImage(bool on);
    void setFillImage(bool on);
    void setFlowEnable(bool on) { flowEnable = on; }
    void setFlowBgColor(const QColor &color);
    void setFlowPressColor(const QColor &color);
    void setTimeout(int seconds) { timeout = seconds; }
    void setBorderWidth(int width);
    void setBorderColor(const QColor &color);
    void setFocusColor(const QColor &color);
    void setBgColor(const QColor &color);
    void setBgText(const QString &text);
    void setBgImage(const QImage &image);
    void setOSD1Visible(bool on);
    void setOSD1FontSize(int size);
    void setOSD1Text(const QString &text);
    void setOSD1Color(const QColor &color);
    void setOSD1Image(const QImage &image);
    void setOSD1Format(const OSDFormat &format);
    void setOSD1Format(quint8 format) { setOSD1Format(static_cast<OSDFormat>(format)); }
    void setOSD1Position(const OSDPosition &position);
    void setOSD1Position(quint8 position) { setOSD1Position(static_cast<OSDPosition>(position)); }
    void setOSD2Visible(bool on);
    void setOSD2FontSize(int size);
    void setOSD2Text(const QString &text);
    void setOSD2Color(const QColor &color);
    void setOSD2Image(const QImage &image);
    void setOSD2Format(const OSDFormat &format);
    void setOSD2Format(quint8 format) { setOSD2Format(static_cast<OSDFormat>(format)); }
    void setOSD2Position(const OSDPosition &position);
    void setOSD2Position(quint8 position) { setOSD2Position(static_cast<OSDPosition>(position)); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void initThread();
    void initFlowPanel();
    void initFlowStyle();
    void repaintCover();
    void paintCover(QPainter *painter);
    void drawBorder(QPainter *painter);
    void drawPicture(QPainter *painter);
    void drawFaceRects(QPainter *painter);
    void drawBackground(QPainter *painter);
    void drawOverlay(QPainter *painter, const Overlay &overlay);
    // Waits, handling events, until the player thread has ended; blocks in a destructor.
    void waitForThread(bool handleEvents);

    bool bgState = false;
    bool isDrag = false;
    VlcThread *vlcThread = nullptr;
    QTimer *checkTimer = nullptr;
    QImage image;
    QWidget *flowPanel = nullptr;
    QWidget *renderWidget = nullptr;
    QWidget *coverWidget = nullptr;

    bool copyImage = false;
    bool checkLive = false;
    bool drawImage = true;
    bool fillImage = true;
    bool flowEnable = false;
    QColor flowBgColor{QStringLiteral("#000000")};
    QColor flowPressColor{QStringLiteral("#FF0000")};
    int timeout = 20;
    int borderWidth = 2;
    QColor borderColor{QStringLiteral("#626161")};
    QColor focusColor{QStringLiteral("#418ED9")};
    QColor bgColor{Qt::transparent};
    QString bgText;
    QImage bgImage;
    Overlay osd1;
    Overlay osd2;

    QString currentText;
    QString currentFlag;
    int faceBorder = 1;
    QColor faceColor{255, 0, 0};
    QList<QRect> faceRects;

    bool closing = false; // close() waits for the player thread; a nested close returns at once
    bool destroying = false;
};
