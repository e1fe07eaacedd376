#pragma once

#include "protocol/student_region_coord.h"
#include "model/student_region_points.h"
#include "protocol/teacher_region_keys.h"
#include "model/guide_data_update_manage.h"
#include "protocol/camera_slot.h"
#include "protocol/ptz_commands.h"
#include "protocol/request_poller.h"
#include "protocol/uot_reader.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "net/control_link.h"
#include "mainwindow/settings_file.h"
#include "tabs/board_tab.h"
#include "tabs/camera_menu_keys.h"
#include "tabs/director_tab.h"
#include "tabs/options_tab.h"
#include "tabs/pads.h"

#include <QHostAddress>
#include <QImage>
#include <QJsonObject>
#include <QMainWindow>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <memory>

#include <opencv2/core/mat.hpp>

QT_BEGIN_NAMESPACE
namespace Ui {
class MainWindow;
}
class QTimer;
class QUdpSocket;
class QTcpSocket;
class QTranslator;
class QTreeWidgetItem;
class QGraphicsItem;
class QHostAddress;
class QPushButton;
class QLineEdit;
class QLabel;
class QSettings;
class QStringList;
QT_END_NAMESPACE

namespace config {
struct GroupTable;
struct KeyRow;
}
namespace portforward {
struct Fields;
}

class Image_Expand;
class Calibrate_Area_Expand;
class CustomGraphicsScene;
class HttpManager;
class QFFmpeg;
class RtspThread;
class GuideConfig;
struct RectFManage;
namespace parameter_reply {
struct StatusPart;
}

// The one main window. Subsystems 1 and 3 to 8 are its operations; their sources are split by
// feature (mainwindow_<feature>.cpp) and share the members below, grouped by the feature that
// owns them. A later feature adds its members inside its own group.
class MainWindow : public QMainWindow,
                   private OptionsTab::Host,
                   private SettingsFile::Host,
                   private Pads::Host,
                   private CameraMenuKeys::Host,
                   private BoardTab::Host,
                   private DirectorTab::Host
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow *form() const { return ui; }

    // ---- frame: construction, wizard hand-over (mainwindow.cpp) ----
    QString getStartState();
    void initGuideConfig();
    void send_guide_data();
    void wait_ms(int ms);

    // ---- settings file "config.ini" (mainwindow_settings.cpp) ----
    void load_config() { settings_file->load_config(); }
    // Rewrites the whole file; false (and the previous file kept) when it could not be written.
    bool save_config() { return settings_file->save_config(); }

    // ---- tabs and camera layout (mainwindow_layout.cpp) ----
    void disable_board_widgets();
    void update_tab_enabled(bool enable);
    void widgetChanged(int layout);
    void set_board_view_status(bool two_boards);
    void remove_unused_tabs(bool remove);
    void toggle_param_panel();
    void flash_status_label(bool teacher, const QString &text);
    void set_student_pan_offset_enabled(bool enable);
    void set_student_tilt_offset_enabled(bool enable);

    // Transitional: the Options tab's getters under the window's name.
    bool is_valid_ipv4(const QString &text);
    QString get_upgrade_port() { return options_tab->get_upgrade_port(); }
    // Transitional: the pads' speed placeholders under the window's name (the role command).
    QString ptzspeed(const QString &command_template, int hindex, int vindex)
    {
        return pads->ptzspeed(command_template, hindex, vindex);
    }

    // ---- language switch (mainwindow_language.cpp) ----
    // The interface font (family "微软雅黑", 11 pt for Thai, 10 pt otherwise) on every widget.
    void apply_interface_font();

    // ---- region editing (mainwindow_regions.cpp) ----
    void setShieldRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height);
    void setBoardRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height);
    void setTrackRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height);
    void setSnapshotRegionRect(const QString &name, qreal left, qreal top, qreal width, qreal height);
    void start_shield_region_draw();
    void start_board_region_draw();
    void setShieldRegion(const QString &name);
    void setBoardRegion(const QString &name);
    void clear_region_scene();
    void region_item_center(RectFManage *record);
    void checkActionStates();
    void selectItem(QGraphicsItem *item);
    void update_tracking_region_item(bool remove);
    void update_board_left_region_item(bool remove);
    void update_board_right_region_item(bool remove);
    void update_board_center_region_item(bool remove);
    void update_shield_one_region_item(bool remove);
    void update_shield_two_region_item(bool remove);
    void update_shield_three_region_item(bool remove);
    void update_shield_four_region_item(bool remove);
    void resolve_teacher_region_reply(const QString &reply);
    void parse_teacher_region_coord();
    void teacher_display_region();
    void display_pending_teacher_regions();
    void collect_region_rects();
    teacher_region_keys::ApplyRegions teacher_apply_regions() const;
    bool find_shield_rect(const QString &name);
    bool find_board_rect(const QString &name);
    void set_ptzspeed_level_enabled(bool enable);
    bool near_track_edge(int value);
    bool region_in_bounds(int x, int y, int w, int h);
    void set_teacher_region_widgets(bool enable);
    // A text block (teacher text port) or a VISCA text (teacher VISCA port) to the teacher pano.
    void send_teacher_pano_text(const QString &text);
    void send_teacher_pano_visca(const QString &hexText);

    // ---- camera connections (mainwindow_connections.cpp) ----
    // Whether the camera answers; the window keeps painting while it is asked.
    bool ping_host(const QString &ip);
    // The connect toggle of a slot: connects it when disconnected, disconnects it when connected.
    void toggle_camera_slot(camera_slot::Slot slot);
    // Disconnects the board feature and then the board pano camera when they are connected.
    void disconnect_board_cameras();
    bool any_camera_connected_except(camera_slot::Slot slot) const;

    // ---- VISCA inquiries and replies (mainwindow_visca.cpp) ----
    void check_role_reply(const QByteArray &reply, const ViscaReplyOrigin &origin = ViscaReplyOrigin());
    void resolver_zoom_value(const QByteArray &reply, const ViscaReplyOrigin &origin = ViscaReplyOrigin());
    float find_matching_multiple(float position);
    // The connected or connecting slots whose camera sent a reply from origin.
    QList<camera_slot::Slot> visca_reply_slots(const ViscaReplyOrigin &origin) const;

    // ---- camera protocol (mainwindow_protocol.cpp) ----
    // Every command to a camera goes through here: a parameter block (hex false) or a VISCA
    // command text (hex true) to the control address of one connected camera slot.
    void sendMsg_Net(QHostAddress *destination, int port, const QString &text, bool hex);
    void set_manual_direct_ip(bool teacher, const QString &ip, bool tcp_up);
    void set_teacher_ip_edits(const QString &text);
    void set_student_ip_edits(const QString &text);
    QString bytes_to_hex_text(const unsigned char *data, int count);
    QString visca_absolute_position(int pan, int tilt);
    QString visca_absolute_pan_tilt(int pan_degrees, int tilt_degrees);
    QString remove_spaces(const QString &text);
    QString address_part(const QString &text);
    // Replies: the UOT frames of one TCP link, the router of text answers and their parser.
    void dispatch_reply(const QByteArray &reply);
    void resolver_param(const QByteArray &reply);
    // The key tables of each section of a text answer: teacher (mainwindow_teacher.cpp),
    // student (mainwindow_student.cpp).
    void read_teacher_section(const QString &text);
    void read_student_section(const QString &text);
    // Transitional: the Board and Director tabs' answers and the board tracking status under
    // the window's name, for the reply parser and the camera connections.
    void read_board_section(const QString &text) { board_tab->read_board_section(text); }
    void read_director_section(const QString &text) { director_tab->read_director_section(text); }
    // Records the status of a board status answer; true when it differs from the last one
    // reported since the board pano camera was connected.
    bool board_tracking_status_changed(const parameter_reply::StatusPart &part)
    {
        return board_tab->board_tracking_status_changed(part);
    }
    // A board pano camera (dis)connected: its next status answer counts as a change.
    void forget_board_tracking_status() { board_tab->forget_board_tracking_status(); }

    // ---- tracking configuration: every tab's defaults (mainwindow_defaults.cpp) ----
    void set_all_defaults() override;

    // ---- tracking commands, modes and preset lists (mainwindow_tracking.cpp) ----
    // The close handler stops the tracking of each side whose pano camera still tracks.
    void stop_all_tracking();
    void send_teacher_tracking_command(const QString &word);
    void send_student_tracking_command(const QString &word);
    void set_teacher_config_combo(int index);
    void set_student_config_combo(int index);
    void fill_pano_preset_list();
    // Invokable: the parameter replies reach them by name as well.
    Q_INVOKABLE void teacher_track_check(bool enable);
    Q_INVOKABLE void student_track_check(bool enable);
    void set_teacher_obtain_apply_enabled(bool enable);
    void set_student_obtain_apply_enabled(bool enable);

    // ---- lectern mode over HTTP (mainwindow_lectern.cpp) ----
    QUrl getUrl(const QString &action);
    // Posts the director server settings; false (and nothing sent) when the port or the
    // address is empty.
    Q_INVOKABLE bool post_tracking_server();
    // Posts the feature tracking area as the camera takes it (the area's values times 4).
    void post_effect_area(int leftUpX, int leftUpY, int rightDownX, int rightDownY);
    void parse_lectern_reply(const QString &text);

    // ---- teacher and student parameters, request poller (mainwindow_teacher.cpp,
    //      mainwindow_student.cpp, mainwindow_poller.cpp) ----
    // The Obtain of each side; a silent one (the re-obtain after an apply, the obtain after an
    // auto-calibration pass) ends without a success box.
    void teacher_obtain(bool silent);
    void student_obtain(bool silent);
    // The Apply blocks as the tabs now stand (the teacher one after the scene's regions were
    // collected).
    QString teacher_apply_text();
    QString student_apply_text();
    // The key tables of a teacher and a student reply section; the student auto-calibration
    // answer is read apart.
    void resolve_teacher_keys(const QString &text);
    void resolve_student_keys(const QString &text);
    void resolve_student_autocalibrate_status(const QString &value);
    // Every student point key of the reply stored, back into the panel; the variant converts only
    // what one reply carried.
    void parse_student_region_coord();
    void apply_student_region_keys(const StudentReplyKeys &carried);
    void set_student_calibration_widgets_visible(bool visible);
    // A reply echoed a request of this kind: counts only while one is pending.
    bool answer_request(request_poller::Kind kind);

    // ---- live video preview (mainwindow_video.cpp) ----
    // An 8-bit three-channel matrix over the picture's own pixels, no copy and no conversion:
    // the picture must outlive it. Empty for a picture of fewer than three bytes per pixel,
    // whose lines the matrix would read past.
    static cv::Mat qimage_to_mat_view(const QImage &image);

    // ---- detection and calibration ----
    void QImage2cvMat(QImage image);

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

    // ---- camera control protocol ----
    void slot_response_timeout_tip();
    void slot_student_response_timeout_tip();
    void stop_connect();

    // ---- camera connections (mainwindow_connections.cpp) ----
    void on_teacher_feature_connect_Button_clicked();
    void on_teacher_pano_connect_Button_clicked();
    void on_student_feature_connect_Button_clicked();
    void on_student_pano_connect_Button_clicked();
    void on_board_feature_connect_Button_clicked();
    void on_board_pano_connect_Button_clicked();
    void on_teacher_feature_IP_Edit_returnPressed();
    void on_teacher_pano_IP_Edit_returnPressed();
    void on_student_feature_IP_Edit_returnPressed();
    void on_student_pano_IP_Edit_returnPressed();
    void teacher_feature_frame_failed();
    void teacher_pano_frame_failed();
    void student_feature_frame_failed();
    void student_pano_frame_failed();
    void board_feature_frame_failed();
    void on_rtsp_connect_Button_clicked();
    void rtsp_preview_frame_failed();

    // ---- tabs and camera layout (mainwindow_layout.cpp) ----
    void set_widget_status(int camera, bool enable);
    void set_customer_disable();
    void on_choose_camera_comboBox_currentIndexChanged(int index);
    void on_tabWidget_currentChanged(int index);
    void on_teacher_show_param_pushButton_clicked();
    void on_student_show_param_pushButton_clicked();
    void on_board_show_param_pushButton_clicked();
    void on_director_show_param_pushButton_clicked();
    void on_upgrade_show_param_pushButton_clicked();

    // ---- language switch (mainwindow_language.cpp) ----
    void on_language_select_comboBox_activated(int index);

    // ---- tracking and director configuration ----
    void get_para_response();

    // Teacher tab: Apply, Obtain, and the marks of its controls (mainwindow_teacher.cpp).
    void on_teacher_apply_Button_clicked();
    void on_teacher_obtain_Button_clicked();
    void on_teacher_none_action_radioButton_clicked();
    void on_teacher_pano_action_radioButton_clicked();
    void on_teacher_platform_action_radioButton_clicked();
    void on_teacher_student_pano_action_radioButton_clicked();
    void on_teacher_starting_up_checkBox_clicked();
    void on_teacher_manual_focus_checkBox_clicked();
    void on_teacher_vertical_movement_checkBox_clicked();
    void on_teacher_feature_tracking_checkBox_clicked();
    void on_teacher_board_enable_checkBox_clicked();
    void on_teacher_board_face_enable_checkBox_clicked();
    void on_teacher_board_hand_enable_checkBox_clicked();
    void on_teacher_sensitivity_Slider_sliderPressed();
    void on_teacher_fea_distance_Slider_sliderPressed();
    void on_teacher_distance_Slider_sliderPressed();
    void on_teacher_panOffset_Slider_sliderPressed();
    void on_teacher_tiltOffset_Slider_sliderPressed();
    void on_teacher_board_detect_Slider_sliderPressed();
    void on_teacher_board_hold_Slider_sliderPressed();
    void on_teacher_board_lose_Slider_sliderPressed();
    void on_teacher_board_space_Slider_sliderPressed();
    void on_teacher_board_effect_list_currentIndexChanged(int index);

    // Student tab: Apply, Obtain, calibration height and the marks of its controls
    // (mainwindow_student.cpp).
    void on_student_apply_Button_clicked();
    void on_student_obtain_Button_clicked();
    void on_student_calibration_comboBox_currentIndexChanged(const QString &text);
    void on_student_pos_calibration_region_checkBox_stateChanged(int state);
    void on_student_sensitivity_Slider_sliderPressed();
    void on_student_objectsize_Slider_sliderPressed();
    void on_student_panOffset_Slider_sliderPressed();
    void on_student_tiltOffset_Slider_sliderPressed();
    void on_student_target_lost_timeout_Slider_sliderPressed();
    void on_student_none_action_radioButton_clicked();
    void on_student_pano_one_action_radioButton_clicked();
    void on_student_cutout_radioButton_clicked();
    void on_student_eptz_radioButton_clicked();
    void on_student_small_pano_radioButton_clicked();
    void on_student_return_pano_action_radioButton_clicked();
    void on_student_starting_up_checkBox_clicked();
    void on_student_face_detect_checkBox_clicked();
    void on_student_pano_switch_checkBox_clicked();
    void onRequestStringFinished(QString text);
    void onRequestJsonFinished(QJsonObject json);
    void onRequestError(QString error);

    // Tracking start and stop, configuration switch, pano focus, modes and preset lists
    // (mainwindow_tracking.cpp).
    void on_teacher_startTrack_Button_clicked();
    void on_teacher_stopTrack_Button_clicked();
    void on_student_startTrack_Button_clicked();
    void on_student_stopTrack_Button_clicked();
    void on_teacher_config_comboBox_currentIndexChanged(int index);
    void on_student_config_comboBox_currentIndexChanged(int index);
    void on_teacher_config_comboBox_activated(int index);
    void on_student_config_comboBox_activated(int index);
    void on_teacher_pano_auto_mode_Button_clicked(bool checked);
    void on_teacher_pano_manual_mode_Button_clicked(bool checked);
    void on_student_pano_auto_mode_Button_clicked(bool checked);
    void on_student_pano_manual_mode_Button_clicked(bool checked);
    void on_other_mode_radioButton_clicked(bool checked);
    void on_follow_mode_radioButton_clicked(bool checked);
    void on_binocular_mode_radioButton_clicked(bool checked);
    void on_mixed_mode_radioButton_clicked(bool checked);
    void on_board_pano_mode_radioButton_clicked(bool checked);
    void on_teacher_preset_list_currentIndexChanged(const QString &text);
    void on_student_preset_list_currentIndexChanged(const QString &text);

    // The lectern page, set over the teacher feature camera's HTTP interface
    // (mainwindow_lectern.cpp).
    void on_lectern_mode_radioButton_clicked(bool checked);
    void on_auto_zoom_enable_checkBox_clicked(bool checked);
    void on_auto_tilt_enable_checkBox_clicked(bool checked);
    void on_target_retention_time_label_spinBox_valueChanged(const QString &text);
    void on_tracking_start_postion_comboBox_currentIndexChanged(int index);
    void on_full_body_action_radioButton_clicked(bool checked);
    void on_half_body_action_radioButton_clicked(bool checked);
    void on_close_body_action_radioButton_clicked(bool checked);
    void on_custom_body_action_radioButton_clicked(bool checked);
    void on_body_thresh_time_spinBox_valueChanged(const QString &text);
    void on_teacher_director_on_radioButton_clicked(bool checked);
    void on_teacher_director_off_radioButton_clicked(bool checked);

    // Defaults of each tab (mainwindow_defaults.cpp).
    void on_teacher_default_Button_clicked();
    void on_student_default_Button_clicked();

    // Slider labels and the Apply marks that the settings load leaves off
    // (mainwindow_panel_marks.cpp).
    void on_teacher_sensitivity_Slider_sliderMoved(int value);
    void on_teacher_sensitivity_Slider_valueChanged(int value);
    void on_teacher_fea_distance_Slider_sliderMoved(int value);
    void on_teacher_fea_distance_Slider_valueChanged(int value);
    void on_teacher_distance_Slider_sliderMoved(int value);
    void on_teacher_distance_Slider_valueChanged(int value);
    void on_teacher_panOffset_Slider_sliderMoved(int value);
    void on_teacher_panOffset_Slider_valueChanged(int value);
    void on_teacher_tiltOffset_Slider_sliderMoved(int value);
    void on_teacher_tiltOffset_Slider_valueChanged(int value);
    void on_teacher_board_detect_Slider_sliderMoved(int value);
    void on_teacher_board_detect_Slider_valueChanged(int value);
    void on_teacher_board_hold_Slider_sliderMoved(int value);
    void on_teacher_board_hold_Slider_valueChanged(int value);
    void on_teacher_board_lose_Slider_sliderMoved(int value);
    void on_teacher_board_lose_Slider_valueChanged(int value);
    void on_teacher_board_space_Slider_sliderMoved(int value);
    void on_teacher_board_space_Slider_valueChanged(int value);
    void on_teacher_hold_time_label_valueChanged(int value);
    void on_teacher_target_lost_delay_label_valueChanged(int value);
    void on_student_sensitivity_Slider_sliderMoved(int value);
    void on_student_sensitivity_Slider_valueChanged(int value);
    void on_student_objectsize_Slider_sliderMoved(int value);
    void on_student_objectsize_Slider_valueChanged(int value);
    void on_student_panOffset_Slider_sliderMoved(int value);
    void on_student_panOffset_Slider_valueChanged(int value);
    void on_student_tiltOffset_Slider_sliderMoved(int value);
    void on_student_tiltOffset_Slider_valueChanged(int value);
    void on_student_target_lost_timeout_Slider_sliderMoved(int value);
    void on_student_target_lost_timeout_Slider_valueChanged(int value);
    void on_student_feature_continue_time_label_valueChanged(const QString &text);
    void on_student_camera_height_lineEdit_textChanged(const QString &text);

    // ---- region editing (mainwindow_regions.cpp) ----
    void checkSelection();
    void selectNewItem(QGraphicsItem *item);
    void selectItemRectStr(QString name);
    void on_teacher_track_region_radioButton_clicked(bool checked);
    void on_teacher_shield_region_radioButton_clicked(bool checked);
    void on_teacher_shield_one_checkBox_clicked(bool checked);
    void on_teacher_shield_two_checkBox_clicked(bool checked);
    void on_teacher_shield_three_checkBox_clicked(bool checked);
    void on_teacher_shield_four_checkBox_clicked(bool checked);
    void on_teacher_board_region_radioButton_clicked(bool checked);
    void on_teacher_board_one_checkBox_clicked(bool checked);
    void on_teacher_board_two_checkBox_clicked(bool checked);
    void on_teacher_board_three_checkBox_clicked(bool checked);
    void on_teacher_snapshot_region_radioButton_clicked(bool checked);
    void on_clear_snapshot_region_pushButton_clicked(bool checked);
    void on_teacher_show_region_checkBox_clicked(bool checked);
    void on_del_track_region_pushButton_clicked();

    // ---- live video preview (mainwindow_video.cpp) ----
    // One picture slot per source, fed by its decoder's GetImage (queued).
    void teacher_feature_SetImage(QImage image);
    void teacher_pano_SetImage(QImage image);
    void student_feature_SetImage(QImage image);
    void student_pano_SetImage(QImage image);
    void board_feature_SetImage(QImage image);
    void board_pano_SetImage(QImage image);
    void rtsp_SetImage(QImage image);
    void on_teacher_feature_image_max_toolButton_clicked();
    void on_student_feature_image_max_toolButton_clicked();

    // ---- detection and calibration ----
    void slot_teacher_auto_calibration();
    void slot_student_auto_calibration();

    // ---- device discovery and maintenance ----
    void onTreeWidgetClicked(QTreeWidgetItem *item, int column);
    void receive();
    void receive_unicast();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void slot_init_main_window();

    // camera connections (mainwindow_connections.cpp)
    struct CameraSlotRefs {
        bool &flag;                 // udp_<camera>_flag
        bool &connected;            // <camera>_connected
        QHostAddress *&destination; // <camera>_destination
        QFFmpeg *&ffmpeg;
        RtspThread *&rtsp_thread;
        QString *device_model;      // none for the board pano
        QLineEdit *edit;
        QPushButton *button;
        QLabel *label;
    };
    CameraSlotRefs slot_refs(camera_slot::Slot slot);
    // A connect under way, and what happened to its slot while it waited.
    struct CameraSlotRun {
        bool connecting = false;
        bool disconnecting = false;
        bool disconnect_requested = false; // a toggle, a failed picture or stop_connect meanwhile
    };
    CameraSlotRun &slot_run(camera_slot::Slot slot);
    void connect_camera_slot(camera_slot::Slot slot);
    void disconnect_camera_slot(camera_slot::Slot slot);
    // True (and the slot disconnected) when a disconnect was asked for during the connect's wait.
    bool connect_interrupted(camera_slot::Slot slot);
    void run_pano_sequence(camera_slot::Slot slot, const QString &address);
    void camera_frame_failed(camera_slot::Slot slot);
    void return_pressed(camera_slot::Slot slot);
    void send_visca(camera_slot::Slot slot, const QString &text);
    int side_visca_port(camera_slot::Side side) const;
    int side_udp_port(camera_slot::Side side) const;
    QTimer *response_timer(camera_slot::Side side) const;

    // VISCA replies (mainwindow_visca.cpp)
    void store_model_reply(const QByteArray &reply, const ViscaReplyOrigin &origin);
    void response_timeout(bool teacher);

    // camera control protocol (mainwindow_protocol.cpp)
    void wire_control_link();
    // The rule of the window's sends: the side's TCP link of the camera slot a command is
    // addressed to, else a datagram; the manual director console's own rule while it runs.
    link_choice::Choice choose_link(const QString &address, const QHostAddress *destination);
    void route_text_reply(const QByteArray &reply, bool datagram);
    void send_parameter_request(QHostAddress *destination, int port, const QStringList &lines);
    bool run_slot_by_name(const char *slot);
    void read_board_relayed_keys(const QString &text);
    void show_crop_status(bool teacher, bool start, bool stop);
    bool apply_tracking_status(const parameter_reply::StatusPart &part);

    // The settings file's needs (SettingsFile::Host).
    void take_system_language(int index) override;
    void create_translator(int index) override;
    bool customer_model(bool teacher) const override;
    void set_customer_model(bool teacher, bool flag) override;
    QPoint &stored_student_point(int index) override;
    void set_director_command_validator(int command_type) override
    {
        director_tab->set_director_command_validator(command_type);
    }
    void set_director_widgets(int strategy, bool enable) override
    {
        director_tab->set_director_widgets(strategy, enable);
    }

    // tracking (mainwindow_tracking.cpp): one side's start or stop, its configuration switch,
    // the pano focus mode and the teacher mode's page and preset list.
    void teacher_tracking(bool start);
    void student_tracking(bool start);
    void switch_tracking_config(bool teacher, int index);
    void send_pano_focus(bool teacher, bool manual);
    void show_teacher_mode(int mode);

    // lectern mode (mainwindow_lectern.cpp): one setting as a form body to "postfulltrack".
    void post_lectern_setting(const char *key, const QString &value);

    // language switch (mainwindow_language.cpp)
    void retranslate_keeping_line_edits();
    void retranslate_code_texts();

    // Every camera (and the free preview) lets go before the ports change.
    void disconnect_for_port_change() override;

    // What the pads, presets and menu keys read and set of the window's other features
    // (mainwindow_pads.cpp).
    Pads::Redirection pad_redirection() const override;
    Pads::FeatureZoom feature_zoom(camera_slot::Side side) const override;
    void forget_zoom_optical_max(camera_slot::Side side) override;
    void set_board_widgets_enabled(bool enable) override;
    void set_board_cur_track_status(int status) override;
    bool preview_connected() const override;
    QHostAddress *preview_destination() const override;
    void camera_menu_closed(camera_slot::Side side) override;
    int preview_pan_speed() const override;
    int preview_tilt_speed() const override;

    // What the Board and Director tabs need of the request bookkeeping, the camera layout and
    // the customer model flags (mainwindow_board_director.cpp).
    void arm_request(request_poller::Kind kind) override;
    bool six_camera_layout() const override;
    bool customer_model_in_use() const override;

    // Apply marks (mainwindow_panel_marks.cpp): "Apply(*)" on a tab's Apply button, and the
    // same only while the settings are not being loaded.
    void mark_apply(QPushButton *button);
    void mark_apply_unless_loading(QPushButton *button);

    // teacher and student parameters, request poller
    void show_request_outcome(const request_poller::Result &result);
    void post_lectern_effect_area();
    // Runs a handler of the tracking modes or track checks by name, with one bool argument.
    void run_named_handler(const char *name, bool argument);

public:
    // Members are public: the wizard, the manual director console and the calibration dialog
    // reach the window's state through gMainWindow, and tests inspect it the same way.
    Ui::MainWindow *ui = nullptr;

    // ---- frame ----
    Image_Expand *teacher_image_expand = nullptr;
    Image_Expand *student_image_expand = nullptr;
    Calibrate_Area_Expand *calibrate_area_expand = nullptr;
    CustomGraphicsScene *region_scene = nullptr;
    HttpManager *http_manager = nullptr;
    GuideConfig *guide_config = nullptr;
    Guide_Data_Update_Manage guide_data;
    QString guide_state;
    int config_number_camera = 0;
    int eight_tab = 8;
    int seven_tab = 7;
    QString language;
    QTranslator *translator = nullptr;
    bool manual_direct_run = false;
    bool close_by_director = false;
    bool wizard_entry_requested = false;
    bool teacher_customer_model_flag = false;
    bool student_customer_model_flag = false;

    // ---- port settings (filled by the settings file and the port getters) ----
    CameraPorts camera_ports;
    std::unique_ptr<SettingsFile> settings_file;
    std::unique_ptr<OptionsTab> options_tab;
    // Transitional names of the ports' fields.
    bool &recorder_port_map_enabled = camera_ports.edit().recorder_port_map_enabled;
    QString &T_RTSP_Port = camera_ports.edit().T_RTSP_Port;
    QString &T_Visca_Port = camera_ports.edit().T_Visca_Port;
    QString &T_UDP_Port = camera_ports.edit().T_UDP_Port;
    QString &T_TCP_Port = camera_ports.edit().T_TCP_Port;
    QString &T_Backup_Port = camera_ports.edit().T_Backup_Port;
    QString &S_RTSP_Port = camera_ports.edit().S_RTSP_Port;
    QString &S_Visca_Port = camera_ports.edit().S_Visca_Port;
    QString &S_UDP_Port = camera_ports.edit().S_UDP_Port;
    QString &S_TCP_Port = camera_ports.edit().S_TCP_Port;
    QString &S_Backup_Port = camera_ports.edit().S_Backup_Port;
    QString &Mcast_Port = camera_ports.edit().Mcast_Port;
    QString &recorder_username = camera_ports.edit().recorder_username;
    QString &recorder_password = camera_ports.edit().recorder_password;
    QString &recorder_host_ip = camera_ports.edit().recorder_host_ip;
    QString &recorder_teacher_ip = camera_ports.edit().recorder_teacher_ip;
    QString &recorder_student_ip = camera_ports.edit().recorder_student_ip;
    QString &teacher_rtsp_port = camera_ports.edit().teacher_rtsp_port;
    QString &student_rtsp_port = camera_ports.edit().student_rtsp_port;
    int &teacher_visca_port = camera_ports.edit().teacher_visca_port;
    int &student_visca_port = camera_ports.edit().student_visca_port;
    int &teacher_udp_port = camera_ports.edit().teacher_udp_port;
    int &student_udp_port = camera_ports.edit().student_udp_port;
    int &teacher_tcp_port = camera_ports.edit().teacher_tcp_port;
    int &student_tcp_port = camera_ports.edit().student_tcp_port;
    int &backup_port = camera_ports.edit().backup_port;
    int &teacher_backup_port = camera_ports.edit().teacher_backup_port;
    int &student_backup_port = camera_ports.edit().student_backup_port;
    int &mcast_port = camera_ports.edit().mcast_port;

    // ---- camera control protocol ----
    CameraSlots camera_slots;
    ControlLink *control_link = nullptr;
    // Transitional names of the slot records' fields.
    bool &udp_teacher_feature_flag = camera_slots[camera_slot::Slot::TeacherFeature].udp_flag;
    bool &udp_teacher_pano_flag = camera_slots[camera_slot::Slot::TeacherPano].udp_flag;
    bool &udp_student_feature_flag = camera_slots[camera_slot::Slot::StudentFeature].udp_flag;
    bool &udp_student_pano_flag = camera_slots[camera_slot::Slot::StudentPano].udp_flag;
    bool &udp_board_feature_flag = camera_slots[camera_slot::Slot::BoardFeature].udp_flag;
    bool &udp_board_pano_flag = camera_slots[camera_slot::Slot::BoardPano].udp_flag;
    bool &teacher_feature_tcp_flag = camera_slots[camera_slot::Slot::TeacherFeature].tcp_flag;
    bool &teacher_pano_tcp_flag = camera_slots[camera_slot::Slot::TeacherPano].tcp_flag;
    bool &student_feature_tcp_flag = camera_slots[camera_slot::Slot::StudentFeature].tcp_flag;
    bool &student_pano_tcp_flag = camera_slots[camera_slot::Slot::StudentPano].tcp_flag;
    QHostAddress *&teacher_feature_destination = camera_slots[camera_slot::Slot::TeacherFeature].destination;
    QHostAddress *&teacher_pano_destination = camera_slots[camera_slot::Slot::TeacherPano].destination;
    QHostAddress *&student_feature_destination = camera_slots[camera_slot::Slot::StudentFeature].destination;
    QHostAddress *&student_pano_destination = camera_slots[camera_slot::Slot::StudentPano].destination;
    QHostAddress *&board_feature_destination = camera_slots[camera_slot::Slot::BoardFeature].destination;
    QHostAddress *&board_pano_destination = camera_slots[camera_slot::Slot::BoardPano].destination;
    bool manual_direct_teacher_tcp_flag = false;
    bool manual_direct_student_tcp_flag = false;
    QString manual_direct_teacher_ip;
    QString manual_direct_student_ip;
    QString &teacher_feature_device_model = camera_slots[camera_slot::Slot::TeacherFeature].device_model;
    QString &teacher_pano_device_model = camera_slots[camera_slot::Slot::TeacherPano].device_model;
    QString &student_feature_device_model = camera_slots[camera_slot::Slot::StudentFeature].device_model;
    QString &student_pano_device_model = camera_slots[camera_slot::Slot::StudentPano].device_model;
    QTimer *&response_timeout_timer = camera_slots[camera_slot::Slot::TeacherPano].response_timer;
    QTimer *&teacher_pano_keepalive_timer = camera_slots[camera_slot::Slot::TeacherPano].keepalive_timer;
    QTimer *&teacher_feature_keepalive_timer = camera_slots[camera_slot::Slot::TeacherFeature].keepalive_timer;
    QTimer *&student_pano_keepalive_timer = camera_slots[camera_slot::Slot::StudentPano].keepalive_timer;
    QTimer *&student_feature_keepalive_timer = camera_slots[camera_slot::Slot::StudentFeature].keepalive_timer;
    QTimer *stop_connect_timer = nullptr;
    // The reply parser's state (resolver_param): the crop and tracking status; the follow-up
    // chain of a status answer. The requests it answers are `requests` (tracking and director
    // configuration).
    bool student_crop_start_status = false;
    bool student_crop_stop_status = false;
    bool teacher_crop_status_quiet = false; // the next crop answer shows no tip (set by a pano connect)
    bool student_crop_status_quiet = false;
    bool teacher_pano_status_pending = false; // the pano connect waits for its tracking status
    bool student_pano_status_pending = false;
    bool tracking_status_received = false; // the teacher pano answered its status request
    bool student_tracking_status_received = false; // the student pano answered its status request
    bool teacher_obtain_chain_flag = false;
    bool student_obtain_chain_flag = false;
    bool board_obtain_chain_flag = false;
    int board_cur_track_status = 2;

    // ---- camera connections (mainwindow_connections.cpp) ----
    bool &teacher_feature_connected = camera_slots[camera_slot::Slot::TeacherFeature].connected;
    bool &teacher_pano_connected = camera_slots[camera_slot::Slot::TeacherPano].connected;
    bool &student_feature_connected = camera_slots[camera_slot::Slot::StudentFeature].connected;
    bool &student_pano_connected = camera_slots[camera_slot::Slot::StudentPano].connected;
    bool &board_feature_connected = camera_slots[camera_slot::Slot::BoardFeature].connected;
    bool &board_pano_connected = camera_slots[camera_slot::Slot::BoardPano].connected;
    QFFmpeg *teacher_feature_ffmpeg = nullptr;
    QFFmpeg *teacher_pano_ffmpeg = nullptr;
    QFFmpeg *student_feature_ffmpeg = nullptr;
    QFFmpeg *student_pano_ffmpeg = nullptr;
    QFFmpeg *board_feature_ffmpeg = nullptr;
    QFFmpeg *board_pano_ffmpeg = nullptr;
    RtspThread *teacher_feature_rtsp_thread = nullptr;
    RtspThread *teacher_pano_rtsp_thread = nullptr;
    RtspThread *student_feature_rtsp_thread = nullptr;
    RtspThread *student_pano_rtsp_thread = nullptr;
    RtspThread *board_feature_rtsp_thread = nullptr;
    RtspThread *board_pano_rtsp_thread = nullptr;
    QString &board_feature_device_model = camera_slots[camera_slot::Slot::BoardFeature].device_model;
    // The free preview of the Upgrade tab's Preview page.
    QHostAddress *rtsp_preview_destination = nullptr;
    QFFmpeg *rtsp_preview_ffmpeg = nullptr;
    RtspThread *rtsp_preview_rtsp_thread = nullptr;
    bool rtsp_preview_busy = false;
    // Each pano's own wait for its tracking status: the teacher pano's is response_timeout_timer.
    QTimer *&student_response_timeout_timer = camera_slots[camera_slot::Slot::StudentPano].response_timer;
    bool student_pano_offline = false;
    // Pad redirection and the crop address byte, set by the preset lists.
    bool teacher_ptz_to_pano = false;
    bool teacher_ptz_pano_prefix = false;
    bool student_ptz_pano_prefix = false;
    // The teacher pictures that the frame queues take, and the teacher pano stream running.
    bool teacher_feature_queue_enabled = false;
    bool teacher_pano_queue_enabled = false;
    bool teacher_pano_rtsp_flag = false;
    CameraSlotRun camera_slot_runs[camera_slot::kSlotCount];
    bool stop_connect_running = false;

    // ---- VISCA inquiries and replies (mainwindow_visca.cpp) ----
    bool teacher_model_j22_flag = false;
    bool student_model_j22_flag = false;
    bool teacher_model_r6_flag = false;
    bool student_model_r6_flag = false;
    bool teacher_model_j57_flag = false;
    bool student_model_j57_flag = false;
    bool teacher_zoom_optical_max_value_flag = false;
    bool student_zoom_optical_max_value_flag = false;
    bool student_calibration_widgets_shown = false;
    int PT_PAN_VALUE = 0;
    int PT_TILT_VALUE = 0;
    bool teacher_slot_auto_calibration_flag = false;
    bool student_slot_auto_calibration_flag = false;

    // ---- pads, presets and camera menu keys ----
    std::unique_ptr<Pads> pads;
    std::unique_ptr<CameraMenuKeys> menu_keys;

    // ---- tracking and director configuration ----
    QTimer *para_response_timer = nullptr;
    int teacher_cur_track_status = 2;
    int student_cur_track_status = 2;
    bool student_use_old_version_flag = true;
    // The student area, designated, shield and calibration points of the student panel.
    StudentRegionPoints student_points;
    // The enable strings and shield values of the last student reply.
    StudentRegionCoord student_region_coord;

    // The obtain and apply requests of both sides and their pending, answered and silent flags
    // (board requests count as teacher ones, director requests as both).
    request_poller::Requests requests;
    bool &teacher_obtain_wait = requests[request_poller::Kind::TeacherObtain].wait;
    bool &teacher_obtain_ok = requests[request_poller::Kind::TeacherObtain].ok;
    bool &teacher_apply_wait = requests[request_poller::Kind::TeacherApply].wait;
    bool &teacher_apply_ok = requests[request_poller::Kind::TeacherApply].ok;
    bool &student_obtain_wait = requests[request_poller::Kind::StudentObtain].wait;
    bool &student_obtain_ok = requests[request_poller::Kind::StudentObtain].ok;
    bool &student_apply_wait = requests[request_poller::Kind::StudentApply].wait;
    bool &student_apply_ok = requests[request_poller::Kind::StudentApply].ok;
    bool &teacher_silent_obtain_flag = requests[request_poller::Kind::TeacherObtain].silent;
    bool &student_silent_obtain_flag = requests[request_poller::Kind::StudentObtain].silent;
    // Teacher tab.
    int teacher_ptzspeed_value = 10;
    // Login of the teacher camera's HTTP interface, as the last teacher reply gave it.
    QString web_username;
    QString web_password;

    // Student tab.
    QString student_pano_pan_speed; // as the camera last reported it ("pan_speed")
    QString student_response_time;
    int student_ptzspeed_saved_level = 10;
    // Last known state of the lectern director server radios.
    bool teacher_director_on_last = false;
    bool teacher_director_off_last = false;

    // ---- Board and Director tabs ----
    std::unique_ptr<BoardTab> board_tab;
    std::unique_ptr<DirectorTab> director_tab;

    // ---- live video preview (mainwindow_video.cpp) ----
    // The enlarged dialog of the pair was opened by its button and takes pictures.
    bool teacher_image_expand_open = false;
    bool student_image_expand_open = false;
    // A camera menu dialog is open for that group: only its picture goes on, to the dialog.
    bool teacher_osd_menu_open = false;
    bool student_osd_menu_open = false;
    bool board_osd_menu_open = false;
    // The preview labels show pictures; false while a camera menu dialog is open.
    bool main_preview_active = true;
    bool rtsp_preview_connected = false;
    // One-shot captures: each flag keeps the next picture of its camera and is then cleared.
    bool teacher_feature_calibration_capture = false;
    bool teacher_pano_calibration_capture = false;
    bool student_feature_calibration_capture = false;
    bool student_pano_calibration_capture = false;
    QImage teacher_feature_calibration_image;
    QImage teacher_pano_calibration_image;
    QImage student_feature_calibration_image;
    QImage student_pano_calibration_image;
    bool teacher_standard_capture = false;
    bool teacher_moved_capture = false;
    QImage teacher_standard_image;
    QImage teacher_moved_frame;
    cv::Mat teacher_moved_image; // over teacher_moved_frame's pixels
    // The last standard capture reached its file; false from the capture until the write
    // succeeded, so the compensation does not compare against a picture that is not there.
    bool teacher_standard_image_saved = false;

    // ---- region editing (mainwindow_regions.cpp) ----
    // Region values of the last teacher reply, camera units (640 by 360).
    teacher_region_keys::TeacherRegionCoord teacher_region_coord;
    // The same regions in scene units (480 by 270), from a reply or collected from the scene.
    teacher_region_keys::TeacherRegionRects teacher_region_rects;
    // Known flags: the camera reported the region; only known regions are applied converted.
    bool teacher_draw_snapshot_finish = false;
    bool teacher_draw_track_finish = false;
    bool teacher_draw_shield_finish[teacher_region_keys::kShieldCount] = {false, false, false, false};
    bool teacher_draw_board_finish[teacher_region_keys::kBoardCount] = {false, false, false};
    // Show flags: which regions teacher_display_region puts on the scene.
    bool teacher_show_snapshot_region = false;
    bool teacher_show_track_region = false;
    bool teacher_show_shield_region[teacher_region_keys::kShieldCount] = {false, false, false, false};
    bool teacher_show_board_region[teacher_region_keys::kBoardCount] = {false, false, false};
    // Set by an Obtain and by the cancelling of the tracking area: the next parsed teacher
    // reply redraws the regions once.
    bool teacher_region_redraw_pending = false;
    bool teacher_track_region_mode = false;
    bool teacher_shield_region_mode = false;
    bool teacher_board_region_mode = false;
    bool teacher_snapshot_region_mode = false;
    int teacher_region_kind = 1; // 0 snapshot, 1 tracking, 2 shield, 3 blackboard
    int teacher_current_shield = -1;
    int teacher_current_board = -1;
    QRectF region_item_rect;
    // Read here, owned by the camera connection (offline since the last disconnect), the reply
    // parser (crop state) and the detection (armed for the next picture).
    bool teacher_pano_offline = false;
    bool teacher_crop_start_status = false;
    bool teacher_crop_stop_status = false;
    bool teacher_image_to_cv_mat_flag = false;

    // ---- detection and calibration ----
    QTimer *teacher_auto_calibration_timer = nullptr;
    QTimer *student_auto_calibration_timer = nullptr;

    // ---- device discovery and maintenance ----
    QUdpSocket *discovery_socket = nullptr;
    QUdpSocket *unicast_socket = nullptr;
    QUdpSocket *search_socket = nullptr;
    QHostAddress *discovery_group_address = nullptr;
    int discovery_card_index = -1;
};

// Set once, by the constructor, to the one main window.
extern MainWindow *gMainWindow;
