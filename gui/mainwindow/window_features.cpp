#include "mainwindow/window_features.h"
#include "ui_mainwindow.h"

#include "core/wait.h"
#include "detection/yolo.h"
#include "maintenance/transfer_notice.h"
#include "video/qffmpeg.h"

#include <QTimer>

using camera_slot::Side;

namespace {
constexpr int kManualDirectSettleMs = 1000;

// The region scene as the wizard borrows it: the editor's scene, and the editor's clearing,
// which destroys every item together with its record.
class EditorRegionScene final : public BorrowedRegionScene
{
public:
    explicit EditorRegionScene(RegionEditor &editor) : m_editor(editor) {}
    CustomGraphicsScene *scene() const override { return m_editor.scene(); }
    void clear_region_scene() override { m_editor.clear_region_scene(); }

private:
    RegionEditor &m_editor;
};
} // namespace

WindowFeatures::WindowFeatures(Ui::MainWindow *form, QWidget *window, Shell &shell)
    : m_shell(shell)
{
    create_features(form, window);
    connect_settings_file();
    connect_tab_layout();
    connect_camera_connections();
    connect_visca_replies();
    connect_controls();
    connect_tabs();
    connect_replies();
    connect_maintenance(window);
    connect_dialogs();
}

WindowFeatures::~WindowFeatures() = default;

// Each feature wires its widgets as it is made, right after the form is set up and before any
// set-up step or the settings file changes a widget. A feature is made after those whose narrow
// interfaces it takes.
void WindowFeatures::create_features(Ui::MainWindow *ui, QWidget *window)
{
    control_link = std::make_unique<ControlLink>(&camera_slots);
    ControlLink::Rules rules;
    rules.text_port = [this](Side side) { return camera_ports.udp_port(side); };
    control_link->set_rules(rules);

    parameter_requests = std::make_unique<ParameterRequests>(camera_slots, teacher_values, window);
    settings_file = std::make_unique<SettingsFile>(
        window, camera_ports,
        SettingsFile::Values{teacher_values, student_values, board_values, director_values, camera_slots,
                             student_points, port_fields, window_choices});
    options_tab = std::make_unique<OptionsTab>(CORVANE_FORM_WIDGETS(OptionsTab, OPTIONS_TAB_WIDGETS, ui), camera_ports,
                                               port_fields, window_choices, *control_link, window);
    tab_layout = std::make_unique<TabLayout>(CORVANE_FORM_WIDGETS(TabLayout, TAB_LAYOUT_WIDGETS, ui), teacher_values,
                                             student_values, window_choices, *control_link, window);
    device_search = std::make_unique<DeviceSearch>(CORVANE_FORM_WIDGETS(DeviceSearch, DEVICE_SEARCH_WIDGETS, ui),
                                                   camera_ports, window);
    camera_connections = std::make_unique<CameraConnections>(
        CORVANE_FORM_WIDGETS(CameraConnections, CAMERA_CONNECTIONS_WIDGETS, ui), camera_slots, camera_ports,
        port_fields, *control_link, pano_status, window);
    manual_calibration = std::make_unique<ManualCalibration>(
        CORVANE_FORM_WIDGETS(ManualCalibration, MANUAL_CALIBRATION_WIDGETS, ui), camera_slots, camera_ports,
        *control_link, pano_status, teacher_values, student_values, window);
    pads = std::make_unique<Pads>(CORVANE_FORM_WIDGETS(Pads, PADS_WIDGETS, ui), camera_slots, camera_ports,
                                  *control_link, pano_status, teacher_values, student_values, *manual_calibration,
                                  window);
    menu_keys = std::make_unique<CameraMenuKeys>(CORVANE_FORM_WIDGETS(CameraMenuKeys, CAMERA_MENU_KEYS_WIDGETS, ui),
                                                 camera_slots, camera_ports, *control_link, *tab_layout,
                                                 *device_search, *camera_connections, teacher_values);
    picture_previews = std::make_unique<PicturePreviews>(
        CORVANE_FORM_WIDGETS(PicturePreviews, PICTURE_PREVIEWS_WIDGETS, ui), camera_slots, *camera_connections,
        *menu_keys, window);
    region_editor = std::make_unique<RegionEditor>(CORVANE_FORM_WIDGETS(RegionEditor, REGION_EDITOR_WIDGETS, ui),
                                                   camera_slots, camera_ports, *control_link, pano_status,
                                                   teacher_values, *manual_calibration, *picture_previews, yolo_model,
                                                   window);
    region_scene_loan = std::make_unique<EditorRegionScene>(*region_editor);
    visca_replies = std::make_unique<ViscaReplies>(CORVANE_FORM_WIDGETS(ViscaReplies, VISCA_REPLIES_WIDGETS, ui),
                                                   camera_slots, camera_ports, *control_link, pano_status,
                                                   window_choices, *tab_layout, window);
    lectern_mode = std::make_unique<LecternMode>(CORVANE_FORM_WIDGETS(LecternMode, LECTERN_MODE_WIDGETS, ui),
                                                 camera_slots, window);
    teacher_tab = std::make_unique<TeacherTab>(
        CORVANE_FORM_WIDGETS(TeacherTab, TEACHER_TAB_WIDGETS, ui), teacher_values, camera_slots, camera_ports,
        port_fields, window_choices, *control_link, *lectern_mode, *region_editor, *manual_calibration,
        pano_status.teacher_cur_track_status, settings_file->loading_config(), window);
    student_tab = std::make_unique<StudentTab>(
        CORVANE_FORM_WIDGETS(StudentTab, STUDENT_TAB_WIDGETS, ui), student_values, teacher_values, student_points,
        camera_slots, camera_ports, port_fields, *control_link, *manual_calibration,
        pano_status.student_cur_track_status, settings_file->loading_config(), window);
    student_calibrate_area = std::make_unique<StudentCalibrateArea>(camera_slots, student_points, window);
    board_tab = std::make_unique<BoardTab>(CORVANE_FORM_WIDGETS(BoardTab, BOARD_TAB_WIDGETS, ui), board_values,
                                           camera_slots, camera_ports, *control_link, settings_file->loading_config(),
                                           window);
    preview_regions = std::make_unique<StudentRegions>(
        CORVANE_FORM_WIDGETS(StudentRegions, STUDENT_REGIONS_WIDGETS, ui), camera_slots, camera_ports, *control_link,
        pano_status, student_values, student_points, board_tab->preview_areas(), *tab_layout, *manual_calibration,
        window, window);
    director_tab = std::make_unique<DirectorTab>(CORVANE_FORM_WIDGETS(DirectorTab, DIRECTOR_TAB_WIDGETS, ui),
                                                 director_values, camera_slots, camera_ports, *control_link,
                                                 window_choices, teacher_values, student_values,
                                                 settings_file->loading_config(), window);
    reversal_compensation = std::make_unique<ReversalCompensation>(
        CORVANE_FORM_WIDGETS(ReversalCompensation, REVERSAL_COMPENSATION_WIDGETS, ui), camera_slots, camera_ports,
        *control_link, *picture_previews, window);
    reply_parser = std::make_unique<ReplyParser>(camera_slots, camera_ports, *control_link, pano_status,
                                                 director_values, *parameter_requests, *board_tab, m_shell, window);
    auto_calibration_feature = std::make_unique<AutoCalibration>(
        CORVANE_FORM_WIDGETS(AutoCalibration, AUTO_CALIBRATION_WIDGETS, ui), camera_slots, camera_ports,
        *control_link, *picture_previews, *manual_calibration, teacher_values, student_values, window);

    archive_session = std::make_unique<ArchiveSession>();
    network_config = std::make_unique<NetworkConfigPanel>(
        CORVANE_FORM_WIDGETS(NetworkConfigPanel, NETWORK_CONFIG_PANEL_WIDGETS, ui), *device_search, window);
    recorder_map =
        std::make_unique<RecorderMapPage>(CORVANE_FORM_WIDGETS(RecorderMapPage, RECORDER_MAP_PAGE_WIDGETS, ui));
    firmware_upgrade = std::make_unique<FirmwareUpgradePanel>(
        CORVANE_FORM_WIDGETS(FirmwareUpgradePanel, FIRMWARE_UPGRADE_PANEL_WIDGETS, ui), settings_file->upgrade(),
        *options_tab, window);
    backup_panel = std::make_unique<BackupPanel>(CORVANE_FORM_WIDGETS(BackupPanel, BACKUP_PANEL_WIDGETS, ui),
                                                 *archive_session, settings_file->upgrade(), *options_tab, window);
    parameter_archive = std::make_unique<ParameterArchive>(
        CORVANE_FORM_WIDGETS(ParameterArchive, PARAMETER_ARCHIVE_WIDGETS, ui), *archive_session, *camera_connections,
        ParameterArchive::SavePaths{teacher_values.param_save_path, student_values.param_save_path,
                                    board_values.param_save_path},
        window);
    dialog_launchers = std::make_unique<DialogLaunchers>(
        CORVANE_FORM_WIDGETS(DialogLaunchers, DIALOG_LAUNCHERS_WIDGETS, ui), camera_slots, camera_ports,
        *control_link, teacher_values, student_values, window_choices, m_shell, window);
}

// The settings file's groups as it reads them, shown by their owners in the order of the rows;
// a fresh installation's defaults; the language.
void WindowFeatures::connect_settings_file()
{
    using F = SettingsFile;
    SettingsFile *file = settings_file.get();
    CameraConnections *cc = camera_connections.get();
    QObject::connect(file, &F::port_group_loaded, options_tab.get(), &OptionsTab::show_stored_ports);
    QObject::connect(file, &F::teacher_group_loaded, cc, [cc] { cc->show_stored_addresses(Side::Teacher); });
    QObject::connect(file, &F::teacher_group_loaded, teacher_tab.get(), &TeacherTab::show_stored);
    QObject::connect(file, &F::teacher_group_loaded, parameter_archive.get(),
                     &ParameterArchive::show_stored_teacher_path);
    QObject::connect(file, &F::teacher_group_loaded, student_tab.get(), &StudentTab::show_stored_preset);
    QObject::connect(file, &F::teacher_group_loaded, options_tab.get(), &OptionsTab::show_stored_decoder);
    QObject::connect(file, &F::student_group_loaded, cc, [cc] { cc->show_stored_addresses(Side::Student); });
    QObject::connect(file, &F::student_group_loaded, student_tab.get(), &StudentTab::show_stored);
    QObject::connect(file, &F::board_group_loaded, cc, [cc] { cc->show_stored_addresses(Side::Board); });
    QObject::connect(file, &F::board_group_loaded, board_tab.get(), &BoardTab::show_stored);
    QObject::connect(file, &F::director_group_loaded, director_tab.get(), &DirectorTab::show_stored);
    QObject::connect(file, &F::upgrade_group_loaded, firmware_upgrade.get(),
                     &FirmwareUpgradePanel::show_stored_settings);
    QObject::connect(file, &F::upgrade_group_loaded, backup_panel.get(), &BackupPanel::show_kept_backup);
    QObject::connect(file, &F::defaults_wanted, file, [this] { set_all_defaults(); });
    QObject::connect(file, &F::defaults_taken, teacher_tab.get(), &TeacherTab::show_applied);
    QObject::connect(file, &F::defaults_taken, student_tab.get(), &StudentTab::show_applied);
    QObject::connect(file, &F::defaults_taken, board_tab.get(), &BoardTab::show_applied);
    QObject::connect(file, &F::defaults_taken, director_tab.get(), &DirectorTab::show_applied);
    Shell &shell = m_shell;
    QObject::connect(file, &F::system_language_taken, file, [&shell](int index) { shell.take_system_language(index); });
    QObject::connect(file, &F::translator_wanted, file, [&shell](int index) { shell.create_translator(index); });
}

// The controls the tab layout decides about, each switched by its owner.
void WindowFeatures::connect_tab_layout()
{
    using L = TabLayout;
    TabLayout *layout = tab_layout.get();
    QObject::connect(layout, &L::widget_status_changed, region_editor.get(), &RegionEditor::enable_group_controls);
    QObject::connect(layout, &L::widget_status_changed, camera_connections.get(),
                     &CameraConnections::enable_group_controls);
    QObject::connect(layout, &L::widget_status_changed, pads.get(), &Pads::enable_group_controls);
    QObject::connect(layout, &L::widget_status_changed, teacher_tab.get(), &TeacherTab::enable_group_controls);
    QObject::connect(layout, &L::widget_status_changed, student_tab.get(), &StudentTab::enable_group_controls);
    QObject::connect(layout, &L::widget_status_changed, board_tab.get(), &BoardTab::enable_group_controls);
    QObject::connect(layout, &L::widget_status_changed, parameter_archive.get(),
                     &ParameterArchive::enable_group_controls);
    QObject::connect(layout, &L::widget_status_changed, manual_calibration.get(),
                     &ManualCalibration::enable_group_controls);
    QObject::connect(layout, &L::widget_status_changed, auto_calibration_feature.get(),
                     &AutoCalibration::enable_group_controls);
    QObject::connect(layout, &L::widget_status_changed, menu_keys.get(), &CameraMenuKeys::enable_group_controls);
    QObject::connect(layout, &L::board_widgets_disabled, camera_connections.get(),
                     &CameraConnections::disable_board_controls);
    QObject::connect(layout, &L::board_widgets_disabled, preview_regions.get(), &StudentRegions::disable_board_controls);
    QObject::connect(layout, &L::board_widgets_disabled, pads.get(), &Pads::disable_board_controls);
    QObject::connect(layout, &L::board_widgets_disabled, board_tab.get(), &BoardTab::disable_board_controls);
    QObject::connect(layout, &L::board_widgets_disabled, director_tab.get(), &DirectorTab::disable_board_controls);
    QObject::connect(layout, &L::board_widgets_disabled, region_editor.get(), &RegionEditor::disable_board_controls);
    QObject::connect(layout, &L::board_widgets_disabled, manual_calibration.get(),
                     &ManualCalibration::disable_board_controls);
    QObject::connect(layout, &L::board_widgets_disabled, auto_calibration_feature.get(),
                     &AutoCalibration::disable_board_controls);
    QObject::connect(layout, &L::layout_widgets_changed, teacher_tab.get(), &TeacherTab::follow_layout);
    QObject::connect(layout, &L::layout_widgets_changed, student_tab.get(), &StudentTab::follow_layout);
    QObject::connect(layout, &L::layout_widgets_changed, manual_calibration.get(), &ManualCalibration::follow_layout);
    QObject::connect(layout, &L::board_view_changed, pads.get(), &Pads::show_board_view);
    QObject::connect(layout, &L::board_view_changed, board_tab.get(), &BoardTab::show_board_view);
    QObject::connect(layout, &L::board_view_changed, director_tab.get(), &DirectorTab::show_board_view);
    QObject::connect(layout, &L::unused_controls_shown, region_editor.get(), &RegionEditor::show_unused_controls);
    QObject::connect(layout, &L::unused_controls_shown, pads.get(), &Pads::show_unused_controls);
    QObject::connect(layout, &L::unused_controls_shown, teacher_tab.get(), &TeacherTab::show_unused_controls);
    QObject::connect(layout, &L::board_cameras_released, camera_connections.get(),
                     &CameraConnections::disconnect_board_cameras);
    Shell &shell = m_shell;
    QObject::connect(layout, &L::wizard_requested, layout, [&shell] { shell.close_for_wizard(); });
}

// What a connect and a disconnect tell the features, in the order of the sequence's steps.
void WindowFeatures::connect_camera_connections()
{
    using C = CameraConnections;
    CameraConnections *cc = camera_connections.get();
    TabLayout *layout = tab_layout.get();
    PicturePreviews *pp = picture_previews.get();
    QObject::connect(cc, &C::tabs_enabled_wanted, layout, &TabLayout::update_tab_enabled);
    QObject::connect(cc, &C::widget_status_wanted, layout, &TabLayout::set_widget_status);
    QObject::connect(cc, &C::track_check_wanted, teacher_tab.get(), &TeacherTab::side_track_check);
    QObject::connect(cc, &C::track_check_wanted, student_tab.get(), &StudentTab::side_track_check);
    QObject::connect(cc, &C::board_camera_toggled, board_tab.get(), &BoardTab::mark_changed);
    QObject::connect(cc, &C::decoder_created, pp, &PicturePreviews::take_decoder);
    QObject::connect(cc, &C::preview_decoder_created, pp, &PicturePreviews::take_preview_decoder);
    QObject::connect(cc, &C::preview_started, pp, &PicturePreviews::preview_started);
    QObject::connect(cc, &C::preview_stopped, pp, &PicturePreviews::preview_stopped);
    QObject::connect(cc, &C::camera_connecting, preview_regions.get(), &StudentRegions::camera_connecting);
    QObject::connect(cc, &C::cameras_connected_changed, options_tab.get(), &OptionsTab::cameras_connected_changed);
    QObject::connect(cc, &C::pano_address_known, director_tab.get(), &DirectorTab::pano_address_known);
    QObject::connect(cc, &C::picture_cleared, pp, &PicturePreviews::clear_picture);
    QObject::connect(cc, &C::feature_camera_released, pads.get(), &Pads::forget_redirection);
    QObject::connect(cc, &C::feature_camera_released, visca_replies.get(), &ViscaReplies::feature_camera_released);
    QObject::connect(cc, &C::feature_camera_released, pp, &PicturePreviews::feature_camera_released);
    QObject::connect(cc, &C::feature_camera_released, teacher_tab.get(), &TeacherTab::feature_camera_released);
    QObject::connect(cc, &C::feature_camera_released, student_tab.get(), &StudentTab::feature_camera_released);
    QObject::connect(cc, &C::feature_camera_released, auto_calibration_feature.get(),
                     &AutoCalibration::feature_camera_released);
    QObject::connect(cc, &C::pano_camera_released, teacher_tab.get(), &TeacherTab::pano_camera_released);
    QObject::connect(cc, &C::pano_camera_released, student_tab.get(), &StudentTab::pano_camera_released);
    QObject::connect(cc, &C::pano_camera_released, parameter_requests.get(), &ParameterRequests::pano_camera_released);
    QObject::connect(cc, &C::pano_camera_released, pp, &PicturePreviews::pano_camera_released);
    QObject::connect(cc, &C::pano_camera_released, region_editor.get(), &RegionEditor::pano_camera_released);
    QObject::connect(cc, &C::pano_camera_released, director_tab.get(), &DirectorTab::pano_camera_released);
    QObject::connect(cc, &C::pano_views_closed, region_editor.get(), &RegionEditor::pano_views_closed);
    QObject::connect(cc, &C::pano_views_closed, manual_calibration.get(), &ManualCalibration::pano_views_closed);
    QObject::connect(cc, &C::pano_views_closed, preview_regions.get(), &StudentRegions::pano_views_closed);
    QObject::connect(cc, &C::pano_destination_cleared, region_editor.get(), &RegionEditor::pano_destination_cleared);
    QObject::connect(cc, &C::teacher_cameras_gone, teacher_tab.get(), &TeacherTab::teacher_cameras_gone);
    QObject::connect(cc, &C::board_pano_released, director_tab.get(), &DirectorTab::board_pano_released);
    QObject::connect(cc, &C::board_pano_released, preview_regions.get(), &StudentRegions::board_pano_released);
    QObject::connect(cc, &C::board_tracking_forgotten, board_tab.get(), &BoardTab::forget_board_tracking_status);
    QObject::connect(cc, &C::student_calibration_widgets_wanted, preview_regions.get(),
                     &StudentRegions::show_calibration_controls);
}

// What the VISCA replies tell.
void WindowFeatures::connect_visca_replies()
{
    using V = ViscaReplies;
    ViscaReplies *vr = visca_replies.get();
    QObject::connect(vr, &V::focus_mode_reported, teacher_tab.get(), &TeacherTab::focus_mode_reported);
    QObject::connect(vr, &V::focus_mode_reported, student_tab.get(), &StudentTab::focus_mode_reported);
    QObject::connect(vr, &V::student_calibration_offered, student_tab.get(), &StudentTab::calibration_offered);
    QObject::connect(vr, &V::student_calibration_offered, preview_regions.get(),
                     &StudentRegions::show_calibration_controls);
    QObject::connect(vr, &V::feature_model_known, teacher_tab.get(), &TeacherTab::feature_model_known);
    QObject::connect(vr, &V::feature_model_known, student_tab.get(), &StudentTab::feature_model_known);
    QObject::connect(vr, &V::feature_model_known, auto_calibration_feature.get(), &AutoCalibration::feature_model_known);
    QObject::connect(vr, &V::feature_model_known, picture_previews.get(), &PicturePreviews::feature_model_known);
    QObject::connect(vr, &V::layout_suggested, tab_layout.get(), &TabLayout::choose_layout);
    QObject::connect(vr, &V::preset_target_known, teacher_tab.get(), &TeacherTab::preset_target_known);
    QObject::connect(vr, &V::preset_target_known, student_tab.get(), &StudentTab::preset_target_known);
    QObject::connect(vr, &V::pan_tilt_reported, auto_calibration_feature.get(), &AutoCalibration::pan_tilt_reported);
    QObject::connect(vr, &V::track_check_wanted, teacher_tab.get(), &TeacherTab::side_track_check);
    QObject::connect(vr, &V::track_check_wanted, student_tab.get(), &StudentTab::side_track_check);
    QObject::connect(vr, &V::tabs_enabled_wanted, tab_layout.get(), &TabLayout::update_tab_enabled);
}

// What the pads, the camera menu keys, the pictures, the calibration cross and the teacher
// region controls change around them.
void WindowFeatures::connect_controls()
{
    Pads *pd = pads.get();
    ViscaReplies *vr = visca_replies.get();
    TeacherTab *tt = teacher_tab.get();
    StudentTab *st = student_tab.get();
    QObject::connect(pd, &Pads::zoom_homed, vr, &ViscaReplies::zoom_homed);
    QObject::connect(pd, &Pads::zoom_stopped, vr, &ViscaReplies::zoom_stopped);
    QObject::connect(pd, &Pads::apply_mark_wanted, tt, &TeacherTab::mark_side_changed);
    QObject::connect(pd, &Pads::apply_mark_wanted, st, &StudentTab::mark_side_changed);
    QObject::connect(pd, &Pads::apply_mark_wanted, board_tab.get(), &BoardTab::mark_side_changed);
    QObject::connect(pd, &Pads::widget_status_wanted, tab_layout.get(), &TabLayout::set_widget_status);

    PicturePreviews *pp = picture_previews.get();
    QObject::connect(menu_keys.get(), &CameraMenuKeys::camera_menu_closed, pp, &PicturePreviews::menu_dialog_closed);
    Shell &shell = m_shell;
    QObject::connect(pp, &PicturePreviews::stream_picture, pp,
                     [&shell](PicturePreviews::Stream stream, QImage &image) { shell.send_stream(stream, image); });

    using M = ManualCalibration;
    ManualCalibration *mc = manual_calibration.get();
    QObject::connect(mc, &M::apply_mark_wanted, tt, &TeacherTab::mark_side_changed);
    QObject::connect(mc, &M::apply_mark_wanted, st, &StudentTab::mark_side_changed);
    QObject::connect(mc, &M::auto_calibration_enabled_wanted, auto_calibration_feature.get(),
                     &AutoCalibration::enable_button);
    QObject::connect(mc, &M::pad_slowed, tt, &TeacherTab::pad_slowed);
    QObject::connect(mc, &M::pad_slowed, st, &StudentTab::pad_slowed);
    QObject::connect(mc, &M::zoom_enabled_wanted, pd, &Pads::set_zoom_enabled);
    QObject::connect(mc, &M::region_display_off_wanted, region_editor.get(), &RegionEditor::region_display_off);
    QObject::connect(mc, &M::region_display_off_wanted, preview_regions.get(), &StudentRegions::region_display_off);

    using R = RegionEditor;
    RegionEditor *re = region_editor.get();
    QObject::connect(re, &R::apply_mark_wanted, tt, &TeacherTab::mark_side_changed);
    QObject::connect(re, &R::applied_shown_wanted, tt, &TeacherTab::show_side_applied);
    QObject::connect(re, &R::zoom_enabled_wanted, pd, &Pads::set_zoom_enabled);
    QObject::connect(re, &R::board_effect_enabled_wanted, tt, &TeacherTab::enable_board_effect);
    QObject::connect(pp, &PicturePreviews::detector_picture_taken, re, &R::QImage2cvMat);
}

// What the tabs and the student regions tell.
void WindowFeatures::connect_tabs()
{
    TabLayout *layout = tab_layout.get();
    ParameterRequests *requests = parameter_requests.get();
    RegionEditor *re = region_editor.get();
    Pads *pd = pads.get();
    Shell &shell = m_shell;

    using T = TeacherTab;
    TeacherTab *tt = teacher_tab.get();
    QObject::connect(tt, &T::widget_status_wanted, layout, &TabLayout::set_widget_status);
    QObject::connect(tt, &T::tabs_enabled_wanted, layout, &TabLayout::update_tab_enabled);
    QObject::connect(tt, &T::request_armed, requests, &ParameterRequests::arm);
    QObject::connect(tt, &T::tracking_switched, re, &RegionEditor::side_tracking_switched);
    QObject::connect(tt, &T::region_display_enabled_wanted, re, &RegionEditor::enable_region_display);
    QObject::connect(tt, &T::pad_redirection_changed, pd, &Pads::set_teacher_redirection);

    using S = StudentTab;
    StudentTab *st = student_tab.get();
    StudentRegions *sr = preview_regions.get();
    QObject::connect(st, &S::widget_status_wanted, layout, &TabLayout::set_widget_status);
    QObject::connect(st, &S::tabs_enabled_wanted, layout, &TabLayout::update_tab_enabled);
    QObject::connect(st, &S::request_armed, requests, &ParameterRequests::arm);
    QObject::connect(st, &S::region_display_enabled_wanted, sr, &StudentRegions::enable_region_display);
    QObject::connect(st, &S::pad_crop_changed, pd, &Pads::set_student_crop);
    QObject::connect(st, &S::board_controls_disable_wanted, layout, &TabLayout::disable_board_widgets);
    QObject::connect(st, &S::people_number_read, sr, &StudentRegions::people_number_read);
    QObject::connect(st, &S::calibration_height_reported, sr, &StudentRegions::show_calibration_height);
    QObject::connect(st, &S::regions_read, sr, &StudentRegions::student_regions_read);
    QObject::connect(st, &S::autocalibrate_failed, st, [&shell] { shell.autocalibrate_failed(); });
    QObject::connect(sr, &StudentRegions::apply_mark_wanted, st, &S::mark_side_changed);
    QObject::connect(sr, &StudentRegions::apply_mark_wanted, board_tab.get(), &BoardTab::mark_side_changed);
    QObject::connect(sr, &StudentRegions::zoom_enabled_wanted, pd, &Pads::set_zoom_enabled);
    QObject::connect(sr, &StudentRegions::calibration_height_chosen, st, &S::send_calibration_height);

    using A = StudentCalibrateArea;
    StudentCalibrateArea *area = student_calibrate_area.get();
    QObject::connect(sr, &StudentRegions::calibrate_area_clicked, area, &A::on_student_calibrate_area_toolButton_clicked);
    QObject::connect(area, &A::calibrate_button_enabled_wanted, sr, &StudentRegions::enable_calibrate_button);
    QObject::connect(area, &A::region_display_checked_wanted, sr, &StudentRegions::check_region_display);
    QObject::connect(area, &A::dialog_open_changed, picture_previews.get(),
                     &PicturePreviews::set_student_image_expand_open);
    QObject::connect(area, &A::auto_calibrate_wanted, st, &S::run_auto_calibrate);
    QObject::connect(area, &A::points_synced, sr, &StudentRegions::repaint_student_regions);

    BoardTab *bt = board_tab.get();
    CameraConnections *cc = camera_connections.get();
    QObject::connect(bt, &BoardTab::request_armed, requests, &ParameterRequests::arm);
    QObject::connect(bt, &BoardTab::default_addresses_wanted, cc, &CameraConnections::show_default_addresses);
    QObject::connect(bt, &BoardTab::shields_read, sr, &StudentRegions::board_shields_read);
    QObject::connect(director_tab.get(), &DirectorTab::request_armed, requests, &ParameterRequests::arm);
    QObject::connect(options_tab.get(), &OptionsTab::port_change_disconnect_wanted, cc,
                     &CameraConnections::disconnect_for_port_change);
    QObject::connect(options_tab.get(), &OptionsTab::camera_addresses_mapped, cc,
                     &CameraConnections::set_mapped_addresses);
    QObject::connect(requests, &ParameterRequests::teacher_obtain_wanted, tt, &T::teacher_obtain);
    QObject::connect(requests, &ParameterRequests::student_points_read_back, requests,
                     [&shell] { shell.student_points_read_back(); });
}

// What the cameras' text answers change.
void WindowFeatures::connect_replies()
{
    using P = ReplyParser;
    ReplyParser *rp = reply_parser.get();
    TabLayout *layout = tab_layout.get();
    QObject::connect(rp, &P::teacher_section_read, teacher_tab.get(), &TeacherTab::read_teacher_section);
    QObject::connect(rp, &P::student_section_read, student_tab.get(), &StudentTab::read_student_section);
    QObject::connect(rp, &P::board_section_read, board_tab.get(), &BoardTab::read_board_section);
    QObject::connect(rp, &P::director_section_read, director_tab.get(), &DirectorTab::read_director_section);
    QObject::connect(rp, &P::request_echoed, director_tab.get(), &DirectorTab::request_echoed);
    QObject::connect(rp, &P::student_autocalibrate_reported, student_tab.get(),
                     &StudentTab::resolve_student_autocalibrate_status);
    QObject::connect(rp, &P::board_relayed_keys_read, board_tab.get(), &BoardTab::show_relayed_keys);
    QObject::connect(rp, &P::board_tracking_stop_wanted, pads.get(), &Pads::on_board_stopTrack_Button_clicked);
    QObject::connect(rp, &P::pano_release_wanted, camera_connections.get(), &CameraConnections::toggle_pano);
    QObject::connect(rp, &P::widget_status_wanted, layout, &TabLayout::set_widget_status);
    QObject::connect(rp, &P::status_notice_wanted, layout, &TabLayout::flash_status_label);
    QObject::connect(rp, &P::lectern_director_enabled_wanted, teacher_tab.get(),
                     &TeacherTab::set_lectern_director_enabled);
}

// The Upgrade tab's pages, the Recorder Map Config tab's buttons and the role tabs' archives.
void WindowFeatures::connect_maintenance(QWidget *window)
{
    ArchiveSession *session = archive_session.get();
    QObject::connect(session, &ArchiveSession::notice, window,
                     [window](const transfer::Notice &notice) { show_transfer_notice(window, notice); });
    QObject::connect(session, &ArchiveSession::region_painting_paused, preview_regions.get(),
                     &StudentRegions::pause_painting);
    QObject::connect(session, &ArchiveSession::region_painting_resumed, preview_regions.get(),
                     &StudentRegions::resume_painting);
    using D = DeviceSearch;
    DeviceSearch *search = device_search.get();
    QObject::connect(search, &D::upgrade_chosen, firmware_upgrade.get(), &FirmwareUpgradePanel::set_address);
    QObject::connect(search, &D::backup_chosen, backup_panel.get(), &BackupPanel::set_address);
    QObject::connect(search, &D::preview_chosen, camera_connections.get(), &CameraConnections::show_preview_address);
    QObject::connect(search, &D::config_chosen, network_config.get(), &NetworkConfigPanel::fill);
    QObject::connect(search, &D::network_config_confirmed, network_config.get(), &NetworkConfigPanel::clear_form);
    QObject::connect(recorder_map.get(), &RecorderMapPage::default_ports_wanted, options_tab.get(),
                     &OptionsTab::write_default_ports);
    QObject::connect(firmware_upgrade.get(), &FirmwareUpgradePanel::backup_status_text, backup_panel.get(),
                     &BackupPanel::show_backup_status);
    QObject::connect(firmware_upgrade.get(), &FirmwareUpgradePanel::backup_file_text, backup_panel.get(),
                     &BackupPanel::show_backup_file);
}

// The dialogs' openers: the camera menu the menu keys chose, with its keys and its close; the
// installation measures for the Student tab; the console's takeover of the window's cameras and
// its addresses for the connections.
void WindowFeatures::connect_dialogs()
{
    using D = DialogLaunchers;
    DialogLaunchers *dl = dialog_launchers.get();
    CameraMenuKeys *keys = menu_keys.get();
    QObject::connect(keys, &CameraMenuKeys::camera_menu_wanted, dl, &D::open_camera_menu);
    QObject::connect(dl, &D::menu_dialog_opened, picture_previews.get(), &PicturePreviews::menu_dialog_opened);
    QObject::connect(dl, &D::menu_dialog_closed, keys, &CameraMenuKeys::menu_dialog_closed);
    QObject::connect(dl, &D::menu_dialog_key, keys, &CameraMenuKeys::dispose_osd_command);
    QObject::connect(dl, &D::install_position_chosen, student_tab.get(), &StudentTab::set_camera_install_pos);
    QObject::connect(dl, &D::enlarged_dialogs_close_wanted, dl, [this] { close_enlarged_dialogs(); });
    QObject::connect(dl, &D::console_cameras_release_wanted, camera_connections->stop_connect_timer(),
                     qOverload<>(&QTimer::start));
    QObject::connect(dl, &D::side_addresses_wanted, camera_connections.get(), &CameraConnections::set_side_addresses);
}

// ---------------------------------------------------------------------------
// What the window asks of several features at once

void WindowFeatures::set_all_defaults()
{
    for (Side side : {Side::Teacher, Side::Student, Side::Board})
        camera_connections->show_default_addresses(side);
    teacher_tab->on_teacher_default_Button_clicked();
    student_tab->on_student_default_Button_clicked();
    board_tab->on_board_default_Button_clicked();
    director_tab->set_director_defaults();
    tab_layout->show_strip_texts();
}

void WindowFeatures::stop_all_tracking()
{
    teacher_tab->stop_tracking();
    student_tab->stop_tracking();
}

void WindowFeatures::close_enlarged_dialogs()
{
    picture_previews->close_enlarged_dialog(Side::Teacher);
    picture_previews->close_enlarged_dialog(Side::Student);
    student_calibrate_area->close_dialog();
}

void WindowFeatures::release_cameras()
{
    auto_calibration_feature->stop();
    reversal_compensation->stop();
    camera_connections->disconnect_all();
}

void WindowFeatures::retranslate_code_texts()
{
    options_tab->retranslate();
    menu_keys->retranslate();
    camera_connections->retranslate();
    device_search->retranslate();
    recorder_map->retranslate();
    firmware_upgrade->retranslate();
    backup_panel->retranslate();
    board_tab->retranslate(tab_layout->camera_layout());
}

void WindowFeatures::set_manual_direct_ip(bool teacher, const QString &ip, bool tcp_up)
{
    control_link->set_manual_direct_camera(teacher, ip, tcp_up);
    wait_ms(kManualDirectSettleMs);
}
