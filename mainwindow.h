#pragma once

#include "guide_data_update_manage.h"

#include <QImage>
#include <QJsonObject>
#include <QMainWindow>
#include <QString>
#include <QVariant>

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
QT_END_NAMESPACE

class Image_Expand;
class Calibrate_Area_Expand;
class CustomGraphicsScene;
class HttpManager;
class GuideConfig;

// The one main window. Subsystems 1 and 3 to 8 are its operations; their sources are split by
// feature (mainwindow_<feature>.cpp) and share the members below, grouped by the feature that
// owns them. A later feature adds its members inside its own group.
class MainWindow : public QMainWindow
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
    void widgetChanged(int layout);
    void wait_ms(int ms);

    // ---- camera control protocol ----
    void stop_keepalive_timers();
    void teacher_tcp_ready_read();
    void student_tcp_ready_read();

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
    void readResponseData();
    void readSocUdpData();
    void slot_response_timeout_tip();
    void teacher_pano_tcp_keepalive();
    void teacher_feature_tcp_keepalive();
    void student_tcp_keepalive();
    void student_feature_tcp_keepalive();
    void stop_connect();

    // ---- tracking and director configuration ----
    void get_para_response();
    void onRequestStringFinished(QString text);
    void onRequestJsonFinished(QJsonObject json);
    void onRequestError(QString error);

    // ---- region editing ----
    void checkSelection();
    void selectNewItem(QGraphicsItem *item);
    void selectItemRectStr(QString name);

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
    bool loading_config = false;
    QString language;
    QTranslator *translator = nullptr;
    bool manual_direct_run = false;
    bool close_by_director = false;
    bool wizard_entry_requested = false;
    bool teacher_customer_model_flag = false;
    bool student_customer_model_flag = false;
    QString upgrade_mode = QStringLiteral("Simple");

    // ---- port settings (filled by the settings file and the port getters) ----
    QString T_RTSP_Port, T_Visca_Port, T_UDP_Port, T_TCP_Port, T_Backup_Port;
    QString S_RTSP_Port, S_Visca_Port, S_UDP_Port, S_TCP_Port, S_Backup_Port;
    QString Mcast_Port;
    bool recorder_port_map_enabled = false;
    bool port_settings_changed = false;
    QString teacher_rtsp_port = QStringLiteral("554");
    QString student_rtsp_port = QStringLiteral("554");
    int teacher_visca_port = 1259;
    int student_visca_port = 1259;
    int teacher_udp_port = 6791;
    int student_udp_port = 6791;
    int teacher_tcp_port = 6793;
    int student_tcp_port = 6793;
    int backup_port = 5555;
    int mcast_port = 8005;

    // ---- camera control protocol ----
    QUdpSocket *udpClient = nullptr;
    QUdpSocket *udpServer = nullptr;
    quint16 udp_server_port = 7791;
    QTcpSocket *probe_tcp_socket = nullptr;
    QTcpSocket *teacher_tcp_socket = nullptr;
    QTcpSocket *student_tcp_socket = nullptr;
    bool udp_teacher_feature_flag = false;
    bool udp_teacher_pano_flag = false;
    bool udp_student_feature_flag = false;
    bool udp_student_pano_flag = false;
    bool udp_board_feature_flag = false;
    bool udp_board_pano_flag = false;
    bool teacher_feature_tcp_flag = false;
    bool teacher_pano_tcp_flag = false;
    bool student_feature_tcp_flag = false;
    bool student_pano_tcp_flag = false;
    bool tcp_socket_flag = false;
    QString teacher_feature_device_model;
    QString teacher_pano_device_model;
    QString student_feature_device_model;
    QString student_pano_device_model;
    QTimer *response_timeout_timer = nullptr;
    QTimer *teacher_pano_keepalive_timer = nullptr;
    QTimer *teacher_feature_keepalive_timer = nullptr;
    QTimer *student_pano_keepalive_timer = nullptr;
    QTimer *student_feature_keepalive_timer = nullptr;
    QTimer *stop_connect_timer = nullptr;

    // ---- tracking and director configuration ----
    QTimer *para_response_timer = nullptr;
    int teacher_cur_track_status = 2;
    int student_cur_track_status = 2;
    bool student_use_old_version_flag = true;

    // ---- live video preview ----
    bool teacher_image_expand_open = false;
    bool student_image_expand_open = false;
    bool rtsp_preview_connected = false;

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
