#pragma once

#include "mainwindow/window_features.h"
#include "model/guide_data_update_manage.h"

#include <QImage>
#include <QMainWindow>
#include <QString>
#include <QVariant>

#include <memory>

namespace Ui {
class MainWindow;
}
class Calibrate_Area_Expand;
class CustomGraphicsScene;
class GuideConfig;
class Image_Expand;
class QCloseEvent;
class QHostAddress;
class QTranslator;

// The main window: the shell around the form. It builds the form and the feature objects (through
// WindowFeatures, which owns them), and keeps what is truly window-wide: the start state and the
// wizard hand-over, the language switch, the dialogs that take the live pictures, and the
// window's own events. The wizard and the calibration dialog reach the window through the narrow
// methods below; the dialogs' openers, and the manual director console through them, through its
// share of WindowFeatures::Shell (DialogLaunchers::Window).
class MainWindow : public QMainWindow, private WindowFeatures::Shell
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start state and the wizard hand-over.
    QString getStartState();
    void initGuideConfig();
    void send_guide_data();

    // The settings file "config.ini": loaded once at set-up; save_config rewrites it whole and
    // returns false (the previous file kept) when it could not be written.
    void load_config();
    bool save_config();
    // Every tab at once as a fresh installation has it; a connected camera keeps its address.
    void set_all_defaults();
    // The close handler stops the tracking of each side whose pano camera still tracks.
    void stop_all_tracking();

    // The region scene, which the wizard edits as well.
    CustomGraphicsScene *region_scene() const;

signals:
    void student_send_stream_to_feature(QImage &image);
    void student_send_stream_to_pano(QImage &image);
    void teacher_send_stream_to_feature(QImage &image);
    void teacher_send_stream_to_pano(QImage &image);
    void send_stream_to_feature(QImage &image);
    void send_stream_to_pano(QImage &image);
    void send_rtsp_url_to_osdmenu(QString ip, QString port);
    void send(QString text);
    void close_mainwindow();
    void autocalibrate_update_success();
    void autocalibrate_update_fail();

public slots:
    void updateGuideData(QVariant data);
    void updateGuideConfig();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Every way of closing the window comes here: the wizard road (the Wizard Config tab), the
    // director road (the manual director console) and the exit road (the question).
    void closeEvent(QCloseEvent *event) override;

private:
    void slot_init_main_window();
    // The wizard, built and wired at its first need: shown at start when the stored state says
    // it is not done, the Wizard Config road, or a text answer for it while the window is hidden.
    // A start into the main window builds neither its form nor its previews.
    GuideConfig &wizard();

    // The three roads of closeEvent; each returns whether the window closes.
    bool enter_wizard();
    bool ask_exit();
    bool close_for_good();
    // Writes the settings file, then lets every camera and the free preview go. False when the
    // file could not be written and the installer chose to stay: nothing is disconnected.
    bool save_and_disconnect_all();
    bool leave_with_unsaved_settings();
    // Nothing reaches a camera or fires once the window has gone for good.
    void release_sockets_and_timers();

    // The language switch of the Options tab (mainwindow_language.cpp).
    void on_language_select_comboBox_activated(int index);
    void retranslate_keeping_line_edits();
    void retranslate_code_texts();
    // The interface font (family "微软雅黑", 11 pt for Thai, 10 pt otherwise) on every widget.
    void apply_interface_font();

    // What the features need of the window (WindowFeatures::Shell).
    bool window_visible() const override;
    void close_for_wizard() override;
    void take_system_language(int index) override;
    void create_translator(int index) override;
    void send_stream(PicturePreviews::Stream stream, QImage &image) override;
    void autocalibrate_failed() override;
    void student_points_read_back() override;
    void console_reply(const QString &message) override;
    bool console_listens() const override;
    QString interface_language() const override;
    void feed_camera_menu(OSDMenu *dialog) override;
    void attach_console(manual_direct *console) override;
    void close_for_director() override;
    void wizard_reply(const QByteArray &reply) override;

    Ui::MainWindow *ui = nullptr;
    std::unique_ptr<WindowFeatures> features;

    Image_Expand *teacher_image_expand = nullptr;
    Image_Expand *student_image_expand = nullptr;
    Calibrate_Area_Expand *calibrate_area_expand = nullptr;
    GuideConfig *guide_config = nullptr;
    Guide_Data_Update_Manage guide_data;
    QString guide_state;
    QString language;
    QTranslator *translator = nullptr;
    bool close_by_director = false;
};

// Set once, by the constructor, to the one main window.
extern MainWindow *gMainWindow;
