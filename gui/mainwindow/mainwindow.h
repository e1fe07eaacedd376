#pragma once

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
#include "cameras/camera_connections.h"
#include "cameras/picture_previews.h"
#include "cameras/visca_replies.h"
#include "mainwindow/tab_layout.h"
#include "mainwindow/transitional_value.h"
#include "regions/region_editor.h"
#include "tabs/board_tab.h"
#include "tabs/camera_menu_keys.h"
#include "tabs/director_tab.h"
#include "tabs/lectern_mode.h"
#include "tabs/options_tab.h"
#include "tabs/pads.h"
#include "tabs/student_tab.h"
#include "tabs/teacher_tab.h"
#include "tabs/parameter_requests.h"

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
class QFFmpeg;
class RtspThread;
class GuideConfig;
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
                   private RegionEditor::Host,
                   private CameraConnections::Host,
                   private ViscaReplies::Host,
                   private PicturePreviews::Host,
                   private TeacherTab::Host,
                   private StudentTab::Host,
                   private TabLayout::Host,
                   private ParameterRequests::Host,
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

    // Transitional: the tab layout's operations under the window's names. Plain methods, not
    // slots, so that the form's signals reach only the tab layout's own connections.
    void set_widget_status(int camera, bool enable) { tab_layout->set_widget_status(camera, enable); }
    void disable_board_widgets() { tab_layout->disable_board_widgets(); }
    void update_tab_enabled(bool enable) { tab_layout->update_tab_enabled(enable); }
    void widgetChanged(int layout) { tab_layout->widgetChanged(layout); }
    void flash_status_label(bool teacher, const QString &text) { tab_layout->flash_status_label(teacher, text); }
    void on_choose_camera_comboBox_currentIndexChanged(int index)
    {
        tab_layout->on_choose_camera_comboBox_currentIndexChanged(index);
    }

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

    // Transitional: the region editor's methods and state under the window's names, for the
    // Teacher tab, the connections and the tracking start and stop.
    void clear_region_scene();
    void set_teacher_region_widgets(bool enable);
    void on_teacher_show_region_checkBox_clicked(bool checked);
    void parse_teacher_region_coord();
    void collect_region_rects();
    teacher_region_keys::ApplyRegions teacher_apply_regions() const;
    const teacher_region_keys::TeacherRegionRects &teacher_region_rects() const;
    teacher_region_keys::TeacherRegionCoord &teacher_region_coord();
    void set_teacher_region_redraw_pending(bool pending);

    // Transitional: the camera connections under the window's names.
    void disconnect_board_cameras() { camera_connections->disconnect_board_cameras(); }
    // The reply parser runs a pano's connect toggle by name.
    Q_INVOKABLE void teacher_pano_connect_toggle() { camera_connections->on_teacher_pano_connect_Button_clicked(); }
    Q_INVOKABLE void student_pano_connect_toggle() { camera_connections->on_student_pano_connect_Button_clicked(); }
    Q_INVOKABLE void board_pano_connect_toggle() { camera_connections->on_board_pano_connect_Button_clicked(); }

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
    // Transitional: the Board and Director tabs' answers and the board tracking status under
    // the window's names, for the reply parser and the camera connections.
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

    // ---- every tab's defaults (mainwindow_defaults.cpp) ----
    void set_all_defaults() override;

    // ---- teacher and student tabs (mainwindow_sides.cpp) ----
    // The close handler stops the tracking of each side whose pano camera still tracks.
    void stop_all_tracking();
    // Transitional: the Teacher and Student tabs' methods under the window's names, for the
    // reply parser, the request poller, the connections, the VISCA replies and the set-up.
    void read_teacher_section(const QString &text) { teacher_tab->read_teacher_section(text); }
    void read_student_section(const QString &text) { student_tab->read_student_section(text); }
    void resolve_student_autocalibrate_status(const QString &value)
    {
        student_tab->resolve_student_autocalibrate_status(value);
    }
    void teacher_obtain(bool silent) { teacher_tab->teacher_obtain(silent); }
    void teacher_track_check(bool enable) { teacher_tab->teacher_track_check(enable); }
    void student_track_check(bool enable) { student_tab->student_track_check(enable); }
    void on_teacher_preset_list_currentIndexChanged(const QString &text)
    {
        teacher_tab->on_teacher_preset_list_currentIndexChanged(text);
    }
    void on_student_preset_list_currentIndexChanged(const QString &text)
    {
        student_tab->on_student_preset_list_currentIndexChanged(text);
    }
    void set_student_calibration_widgets_visible(bool visible)
    {
        student_tab->set_student_calibration_widgets_visible(visible);
    }
    void fill_pano_preset_list() { student_tab->fill_pano_preset_list(); }
    // Transitional: the request poller's answer under the window's name.
    bool answer_request(request_poller::Kind kind) { return parameter_requests->answer_request(kind); }

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


    // ---- language switch (mainwindow_language.cpp) ----
    void on_language_select_comboBox_activated(int index);

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

    // The settings file's needs (SettingsFile::Host); the customer model flags serve the
    // Director tab too, and the director hooks are the Director tab's.
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

    // What the region editor reads and resets of the reply parser, the connections and the
    // detection (mainwindow.cpp).
    int teacher_track_status() const override;
    bool teacher_pano_marked_offline() const override;
    bool teacher_customer_model() const override;
    void forget_teacher_crop_status() override;
    void disarm_teacher_picture_conversion() override;

    // What the camera objects need of the features still in the window (mainwindow_cameras.cpp).
    // The window's own update_tab_enabled, set_widget_status, teacher_track_check,
    // student_track_check, ptzspeed, forget_board_tracking_status, clear_region_scene,
    // set_teacher_region_widgets and set_student_calibration_widgets_visible serve the hosts as
    // they are, and preview_connected above serves the pictures too.
    void show_pictures(camera_slot::Slot slot, QFFmpeg *decoder) override;
    void show_preview_pictures(QFFmpeg *decoder) override;
    void pano_connect_begins(camera_slot::Side side) override;
    void pano_status_requested(camera_slot::Side side) override;
    void feature_camera_released(camera_slot::Side side) override;
    void pano_camera_released(camera_slot::Side side) override;
    void close_enlarged_dialog(camera_slot::Side side) override;
    void teacher_show_region_clicked(bool checked) override;
    void camera_layout_chosen(int layout) override;
    void teacher_preset_list_changed(const QString &text) override;
    void student_preset_list_changed(const QString &text) override;
    void teacher_auto_calibration_step() override;
    void student_auto_calibration_step() override;
    bool end_pano_status_wait(camera_slot::Side side) override;
    void send_stream(PicturePreviews::Stream stream, QImage &image) override;
    bool hand_picture_to_detector(const QImage &image) override;
    QWidget *enlarged_dialog(camera_slot::Side side) override;

    // What the Teacher and Student tabs need of the layout, the request poller, the region
    // editing, the VISCA replies, the calibration dialog and the pads (mainwindow_sides.cpp);
    // the layout and the request poller serve the Board and Director tabs too.
    void set_tab_widgets_enabled(int tab, bool enable) override;
    void set_tabs_enabled(bool enable) override;
    void arm_request(request_poller::Kind kind, bool silent) override;
    int camera_layout() const override;
    void collect_scene_regions() override;
    teacher_region_keys::ApplyRegions apply_regions() const override;
    void set_region_widgets_enabled(bool enable) override;
    region_geometry::RegionRect teacher_feature_rect() const override;
    void redraw_regions_on_next_reply() override;
    void read_teacher_regions(const QString &reply) override;
    void set_teacher_pad_redirection(bool to_pano, bool crop) override;
    void disable_board_for_customer_model() override;
    void autocalibrate_failed() override;
    bool calibration_widgets_shown() const override;
    void set_student_pad_crop(bool crop) override;

    // The tab layout's needs of the window (mainwindow.cpp).
    void set_window_size(int width, int height) override;
    int window_width() const override;
    void close_for_wizard() override;
    void release_board_cameras() override;
    // teacher_customer_model() serves the region editor's and the tab layout's hosts alike.
    bool student_customer_model() const override;

    // The request poller's needs of the Teacher tab and the calibration dialog (mainwindow.cpp).
    QString teacher_feature_model() const override;
    bool lectern_mode_chosen() const override;
    void teacher_obtain_quietly() override;
    void student_points_read_back() override;

public:
    // Members are public: the wizard, the manual director console and the calibration dialog
    // reach the window's state through gMainWindow, and tests inspect it the same way.
    Ui::MainWindow *ui = nullptr;

    // ---- frame ----
    Image_Expand *teacher_image_expand = nullptr;
    Image_Expand *student_image_expand = nullptr;
    Calibrate_Area_Expand *calibrate_area_expand = nullptr;
    GuideConfig *guide_config = nullptr;
    Guide_Data_Update_Manage guide_data;
    QString guide_state;
    // Transitional: the tab counts under the window's names.
    static constexpr int eight_tab = TabLayout::eight_tab;
    static constexpr int seven_tab = TabLayout::seven_tab;
    QString language;
    QTranslator *translator = nullptr;
    bool manual_direct_run = false;
    bool close_by_director = false;

    // ---- port settings (filled by the settings file and the port getters) ----
    CameraPorts camera_ports;
    std::unique_ptr<SettingsFile> settings_file;
    std::unique_ptr<OptionsTab> options_tab;
    std::unique_ptr<RegionEditor> region_editor;
    std::unique_ptr<TabLayout> tab_layout;
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
    // The reply parser's state (resolver_param): the crop and tracking status; the follow-up
    // chain of a status answer. The requests it answers are `parameter_requests` (tracking and
    // director configuration).
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

    // ---- camera connections, VISCA replies and live pictures (gui/cameras) ----
    std::unique_ptr<CameraConnections> camera_connections;
    std::unique_ptr<ViscaReplies> visca_replies;
    std::unique_ptr<PicturePreviews> picture_previews;
    bool &teacher_feature_connected = camera_slots[camera_slot::Slot::TeacherFeature].connected;
    bool &teacher_pano_connected = camera_slots[camera_slot::Slot::TeacherPano].connected;
    bool &student_feature_connected = camera_slots[camera_slot::Slot::StudentFeature].connected;
    bool &student_pano_connected = camera_slots[camera_slot::Slot::StudentPano].connected;
    bool &board_feature_connected = camera_slots[camera_slot::Slot::BoardFeature].connected;
    bool &board_pano_connected = camera_slots[camera_slot::Slot::BoardPano].connected;
    QString &board_feature_device_model = camera_slots[camera_slot::Slot::BoardFeature].device_model;
    // Each pano's own wait for its tracking status: the teacher pano's is response_timeout_timer.
    QTimer *&student_response_timeout_timer = camera_slots[camera_slot::Slot::StudentPano].response_timer;
    // Pad redirection and the crop address byte, set by the preset lists.
    bool teacher_ptz_to_pano = false;
    bool teacher_ptz_pano_prefix = false;
    bool student_ptz_pano_prefix = false;

    // Transitional: the values the camera objects hold under the window's names.
    TransitionalValue<bool> student_calibration_widgets_shown{
        [this]() -> bool & { return visca_replies->student_calibration_widgets_shown_ref(); }};
    TransitionalValue<bool> teacher_image_expand_open{
        [this]() -> bool & { return picture_previews->teacher_image_expand_open_ref(); }};
    TransitionalValue<bool> student_image_expand_open{
        [this]() -> bool & { return picture_previews->student_image_expand_open_ref(); }};

    // ---- pads, presets and camera menu keys ----
    std::unique_ptr<Pads> pads;
    std::unique_ptr<CameraMenuKeys> menu_keys;

    // ---- teacher and student tabs, with the lectern page of the Teacher tab ----
    std::unique_ptr<LecternMode> lectern_mode;
    std::unique_ptr<TeacherTab> teacher_tab;
    std::unique_ptr<StudentTab> student_tab;
    // Transitional: the tabs' customer model flags under the window's names.
    TransitionalValue<bool> teacher_customer_model_flag{
        [this]() -> bool & { return teacher_tab->customer_model_flag_ref(); }};
    TransitionalValue<bool> student_customer_model_flag{
        [this]() -> bool & { return student_tab->customer_model_flag_ref(); }};

    // ---- tracking and director configuration ----
    // Each side's tracking as its tab started or stopped it and the status replies report it:
    // 1 tracking, 2 stopped.
    int teacher_cur_track_status = 2;
    int student_cur_track_status = 2;

    // Made with the members rather than after the form: it drives no widget, and the old flag
    // names below bind to it.
    std::unique_ptr<ParameterRequests> parameter_requests =
        std::make_unique<ParameterRequests>(static_cast<ParameterRequests::Host &>(*this), this);
    // Transitional names of the requests' flags.
    bool &teacher_obtain_wait = parameter_requests->flags(request_poller::Kind::TeacherObtain).wait;
    bool &teacher_obtain_ok = parameter_requests->flags(request_poller::Kind::TeacherObtain).ok;
    bool &teacher_apply_wait = parameter_requests->flags(request_poller::Kind::TeacherApply).wait;
    bool &teacher_apply_ok = parameter_requests->flags(request_poller::Kind::TeacherApply).ok;
    bool &student_obtain_wait = parameter_requests->flags(request_poller::Kind::StudentObtain).wait;
    bool &student_obtain_ok = parameter_requests->flags(request_poller::Kind::StudentObtain).ok;
    bool &student_apply_wait = parameter_requests->flags(request_poller::Kind::StudentApply).wait;
    bool &student_apply_ok = parameter_requests->flags(request_poller::Kind::StudentApply).ok;
    bool &teacher_silent_obtain_flag = parameter_requests->flags(request_poller::Kind::TeacherObtain).silent;
    bool &student_silent_obtain_flag = parameter_requests->flags(request_poller::Kind::StudentObtain).silent;

    // ---- Board and Director tabs ----
    std::unique_ptr<BoardTab> board_tab;
    std::unique_ptr<DirectorTab> director_tab;

    // ---- read by the region editor through its Host ----
    // Owned by the camera connection (offline since the last disconnect), the reply parser (crop
    // state) and the detection (armed for the next picture).
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
