#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

QT_BEGIN_NAMESPACE
namespace Ui {
class OSDMenu;
}
QT_END_NAMESPACE
class QFFmpeg;
class RtspThread;

// The camera menu remote: a camera's picture with seven keys over it. Each press or release is
// an `OSD key code` (osd_keys) that the dialog hands on with osd_control; the window turns it
// into the camera's command. The picture comes from the window (display_image, a camera it
// decodes already) or from a link the dialog opens itself (open_rtsp_link). Every way out
// (the close button, Escape, accept or reject) first lets go of that link.
class OSDMenu : public QDialog
{
    Q_OBJECT

public:
    explicit OSDMenu(QWidget *parent = nullptr);
    ~OSDMenu() override;

    Ui::OSDMenu *form() const { return ui; }
    bool rtsp_running() const { return m_rtsp_running; }

    // A picture of the window's decoder, stretched over the whole dialog.
    void display_image(QImage &image);
    // Opens the dialog's own picture of the camera at address: the camera's stream port must
    // take a connection first ("Connection timeout" otherwise). Waits with events handled.
    void open_rtsp_link(const QString &address, const QString &port);
    // A picture of the dialog's own link, fitted into the picture area with its aspect kept.
    void rtsp_SetImage(QImage image);

    static constexpr int kDialogWidth = 1024;
    static constexpr int kDialogHeight = 576;

signals:
    void osd_control(int key);
    // The dialog's own link has been let go.
    void close_osdMenu();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void on_osd_ok_Button_clicked();
    void on_osd_up_Button_pressed();
    void on_osd_down_Button_pressed();
    void on_osd_left_Button_pressed();
    void on_osd_right_Button_pressed();
    void on_osd_arrow_released();
    void on_osd_back_Button_clicked();
    void on_osd_menu_Button_clicked();
    // Stops the own link, whether it plays or still opens.
    void shut_rtsp_link();

    Ui::OSDMenu *ui = nullptr;
    QFFmpeg *ffmpeg = nullptr;
    RtspThread *rtsp_thread = nullptr;
    bool m_rtsp_running = false;
    // The dialog has been closed: an open still waiting goes no further.
    bool m_closed = false;
};
