#pragma once

#include "cameras/camera_connections.h"
#include "cameras/picture_previews.h"
#include "cameras/visca_replies.h"
#include "dialogs/dialog_launchers.h"
#include "guide/borrowed_region_scene.h"
#include "mainwindow/reply_parser.h"
#include "mainwindow/settings_file.h"
#include "mainwindow/tab_layout.h"
#include "maintenance/backup_panel.h"
#include "maintenance/device_search.h"
#include "maintenance/firmware_upgrade_panel.h"
#include "maintenance/network_config_panel.h"
#include "maintenance/parameter_archive.h"
#include "maintenance/recorder_map_page.h"
#include "model/camera_ports.h"
#include "model/camera_slots.h"
#include "model/pano_status.h"
#include "net/control_link.h"
#include "regions/region_editor.h"
#include "regions/student_regions.h"
#include "tabs/auto_calibration.h"
#include "tabs/board_tab.h"
#include "tabs/camera_menu_keys.h"
#include "tabs/director_tab.h"
#include "tabs/lectern_mode.h"
#include "tabs/manual_calibration.h"
#include "tabs/options_tab.h"
#include "tabs/pads.h"
#include "tabs/parameter_requests.h"
#include "tabs/reversal_compensation.h"
#include "tabs/student_calibrate_area.h"
#include "tabs/student_tab.h"
#include "tabs/teacher_tab.h"
#include "transfer/archive_session.h"

#include <QCoreApplication>

#include <memory>

namespace Ui {
class MainWindow;
}

// Builds the main window's feature objects and the models they share: it hands each feature the
// form's widgets that feature alone owns and, at construction, the shared services it needs (the
// camera slots and ports, the control link, the section values, the narrow interfaces other
// features implement), then connects their signals, in the order their news used to reach each
// other. It implements no feature's interface and forwards nothing. It owns the features, so the
// window destroys them (and the decoding threads of the connections) before the form's widgets.
class WindowFeatures
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // What the features need of the window itself: where a text answer goes instead of the
    // parser (ReplyRoute), what the dialogs' openers need of it (DialogLaunchers::Window), the
    // wizard's takeover, the language, the dialogs' pictures and news.
    class Shell : public ReplyRoute, public DialogLaunchers::Window
    {
    public:
        // The Wizard Config tab was chosen.
        virtual void close_for_wizard() = 0;
        // The language follows the system at start: its name, then its catalogue object.
        virtual void take_system_language(int index) = 0;
        virtual void create_translator(int index) = 0;
        // Pictures for the enlarged, calibration and camera menu dialogs.
        virtual void send_stream(PicturePreviews::Stream stream, QImage &image) = 0;
        // The calibration dialog's news.
        virtual void autocalibrate_failed() = 0;
        virtual void student_points_read_back() = 0;
    };

    WindowFeatures(Ui::MainWindow *form, QWidget *window, Shell &shell);
    ~WindowFeatures();

    // The features whose set-up steps, dialogs and closing the window runs itself.
    SettingsFile &settings() { return *settings_file; }
    TabLayout &layout() { return *tab_layout; }
    OptionsTab &options() { return *options_tab; }
    CameraMenuKeys &menu_key_controls() { return *menu_keys; }
    ParameterRequests &requests() { return *parameter_requests; }
    TeacherTab &teacher() { return *teacher_tab; }
    StudentTab &student() { return *student_tab; }
    StudentRegions &student_regions() { return *preview_regions; }
    StudentCalibrateArea &calibrate_area() { return *student_calibrate_area; }
    PicturePreviews &previews() { return *picture_previews; }
    CameraConnections &connections() { return *camera_connections; }
    DeviceSearch &search() { return *device_search; }
    ReplyParser &replies() { return *reply_parser; }
    // The region scene the wizard edits as well.
    CustomGraphicsScene *region_scene() const { return region_editor->scene(); }
    // The same scene as the wizard borrows it: shown in its view, cleared by the region editor.
    // The wizard must go before the features do.
    BorrowedRegionScene &wizard_region_scene() { return *region_scene_loan; }

    // Every tab at once as a fresh installation has it; a connected camera keeps its address.
    void set_all_defaults();
    // The close handler stops the tracking of each side whose pano camera still tracks.
    void stop_all_tracking();
    // The enlarged-picture dialogs close and take no more pictures.
    void close_enlarged_dialogs();
    // The window closes: a calibration under way ends while its cameras are still connected (the
    // compensation takes the close-up camera out of its measuring mode, and no run warns of the
    // disconnects), then every camera slot and the free preview let go.
    void release_cameras();
    bool manual_direct_running() const { return control_link->manual_direct().run; }
    // The texts the features set over the form's, which its re-texting put back.
    void retranslate_code_texts();

    // The models the features share: the window's closing and the tests of the whole reach the
    // cameras through them.
    CameraSlots &slot_records() { return camera_slots; }
    TeacherSection &teacher_section() { return teacher_values; }
    const WindowChoices &choices() const { return window_choices; }
    StudentSection &student_section() { return student_values; }
    CameraPorts &ports() { return camera_ports; }
    PanoStatus &pano() { return pano_status; }
    ControlLink &link() { return *control_link; }

    // The manual director console drives the two sides' cameras by address while it runs.
    void set_manual_direct_ip(bool teacher, const QString &ip, bool tcp_up);

private:
    void create_features(Ui::MainWindow *ui, QWidget *window);
    // The signals, by the feature they come from.
    void connect_settings_file();
    void connect_tab_layout();
    void connect_camera_connections();
    void connect_visca_replies();
    void connect_controls();
    void connect_tabs();
    void connect_replies();
    void connect_maintenance(QWidget *window);
    void connect_dialogs();

    Shell &m_shell;

    CameraSlots camera_slots;
    CameraPorts camera_ports;
    PanoStatus pano_status;
    // The values config.ini keeps, which the features show and edit.
    TeacherSection teacher_values;
    StudentSection student_values;
    BoardSection board_values;
    DirectorSection director_values;
    StudentRegionPoints student_points;
    portforward::Fields port_fields;
    WindowChoices window_choices;
    // Also holds the manual director console's own two cameras, while it runs.
    std::unique_ptr<ControlLink> control_link;

    std::unique_ptr<ParameterRequests> parameter_requests;
    std::unique_ptr<SettingsFile> settings_file;
    std::unique_ptr<OptionsTab> options_tab;
    std::unique_ptr<TabLayout> tab_layout;
    std::unique_ptr<CameraConnections> camera_connections;
    std::unique_ptr<ManualCalibration> manual_calibration;
    std::unique_ptr<Pads> pads;
    std::unique_ptr<CameraMenuKeys> menu_keys;
    std::unique_ptr<PicturePreviews> picture_previews;
    std::unique_ptr<RegionEditor> region_editor;
    std::unique_ptr<BorrowedRegionScene> region_scene_loan;
    std::unique_ptr<ViscaReplies> visca_replies;
    std::unique_ptr<LecternMode> lectern_mode;
    std::unique_ptr<TeacherTab> teacher_tab;
    std::unique_ptr<StudentTab> student_tab;
    std::unique_ptr<StudentCalibrateArea> student_calibrate_area;
    std::unique_ptr<BoardTab> board_tab;
    std::unique_ptr<StudentRegions> preview_regions;
    std::unique_ptr<DirectorTab> director_tab;
    std::unique_ptr<ReversalCompensation> reversal_compensation;
    std::unique_ptr<ReplyParser> reply_parser;
    std::unique_ptr<AutoCalibration> auto_calibration_feature;
    // The Upgrade tab's pages, the Recorder Map Config tab's buttons and the role tabs' archives;
    // the command socket's transfers serve the Backup page and the role tabs.
    std::unique_ptr<ArchiveSession> archive_session;
    std::unique_ptr<DeviceSearch> device_search;
    std::unique_ptr<NetworkConfigPanel> network_config;
    std::unique_ptr<RecorderMapPage> recorder_map;
    std::unique_ptr<FirmwareUpgradePanel> firmware_upgrade;
    std::unique_ptr<BackupPanel> backup_panel;
    std::unique_ptr<ParameterArchive> parameter_archive;
    // The openers of the camera menu, installation position and manual director dialogs.
    std::unique_ptr<DialogLaunchers> dialog_launchers;
};
