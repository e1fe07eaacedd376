#include "mainwindow/window_features.h"
#include "ui_mainwindow.h"

#include "detection/yolo.h"
#include "protocol/board_parameters.h"
#include "protocol/ptz_commands.h"
#include "protocol/teacher_parameters.h"
#include "video/qffmpeg.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <initializer_list>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
// The window's widths: as it starts (the parameter panels folded) and with a panel unfolded.
constexpr int kWideWidth = 1164;
constexpr int kNarrowWidthMin = 894;
constexpr int kNarrowWidthMax = 899;
} // namespace

WindowFeatures::WindowFeatures(Ui::MainWindow *form, QWidget *window, Shell &shell)
    : ui(form)
    , m_window(window)
    , m_shell(shell)
{
    // Each feature wires its widgets as it is made, right after the form is set up and before any
    // set-up step or the settings file changes a widget.
    parameter_requests = std::make_unique<ParameterRequests>(static_cast<ParameterRequests::Host &>(*this), window);
    settings_file = std::make_unique<SettingsFile>(
        CORVANE_FORM_WIDGETS(SettingsFile, SETTINGS_FILE_WIDGETS, ui), window, camera_ports,
        SettingsFile::Values{teacher_values, student_values, board_values, director_values, camera_slots,
                             student_points, port_fields, window_choices},
        static_cast<SettingsFile::Host &>(*this));
    wire_control_link();
    options_tab = std::make_unique<OptionsTab>(CORVANE_FORM_WIDGETS(OptionsTab, OPTIONS_TAB_WIDGETS, ui), camera_ports,
                                               port_fields, window_choices, *control_link, window);
    tab_layout = std::make_unique<TabLayout>(CORVANE_FORM_WIDGETS(TabLayout, TAB_LAYOUT_WIDGETS, ui), teacher_values,
                                             student_values, window_choices, *control_link, window);
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
                                                 *camera_connections, teacher_values);
    picture_previews = std::make_unique<PicturePreviews>(
        CORVANE_FORM_WIDGETS(PicturePreviews, PICTURE_PREVIEWS_WIDGETS, ui), camera_slots, *camera_connections,
        *menu_keys, window);
    region_editor = std::make_unique<RegionEditor>(CORVANE_FORM_WIDGETS(RegionEditor, REGION_EDITOR_WIDGETS, ui),
                                                   camera_slots, camera_ports, *control_link, pano_status,
                                                   teacher_values, *manual_calibration, *picture_previews, yolo_model,
                                                   window);
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
                                                 static_cast<DirectorTab::Host &>(*this),
                                                 settings_file->loading_config(), window);
    reversal_compensation = std::make_unique<ReversalCompensation>(
        CORVANE_FORM_WIDGETS(ReversalCompensation, REVERSAL_COMPENSATION_WIDGETS, ui), camera_slots, camera_ports,
        *control_link, *picture_previews, window);
    reply_parser = std::make_unique<ReplyParser>(camera_slots, camera_ports, *control_link, pano_status,
                                                 static_cast<ReplyParser::Host &>(*this), window);
    auto_calibration_feature = std::make_unique<AutoCalibration>(
        CORVANE_FORM_WIDGETS(AutoCalibration, AUTO_CALIBRATION_WIDGETS, ui), camera_slots, camera_ports,
        *control_link, *picture_previews, *manual_calibration, teacher_values, student_values, window);

    // The settings file's groups as it reads them, shown by their owners in the order of the rows.
    SettingsFile *file = settings_file.get();
    QObject::connect(file, &SettingsFile::port_group_loaded, options_tab.get(), &OptionsTab::show_stored_ports);
    QObject::connect(file, &SettingsFile::teacher_group_loaded, camera_connections.get(),
                     [this] { camera_connections->show_stored_addresses(Side::Teacher); });
    QObject::connect(file, &SettingsFile::teacher_group_loaded, teacher_tab.get(), &TeacherTab::show_stored);
    QObject::connect(file, &SettingsFile::teacher_group_loaded, student_tab.get(), &StudentTab::show_stored_preset);
    QObject::connect(file, &SettingsFile::teacher_group_loaded, options_tab.get(), &OptionsTab::show_stored_decoder);
    QObject::connect(file, &SettingsFile::student_group_loaded, camera_connections.get(),
                     [this] { camera_connections->show_stored_addresses(Side::Student); });
    QObject::connect(file, &SettingsFile::student_group_loaded, student_tab.get(), &StudentTab::show_stored);
    QObject::connect(file, &SettingsFile::board_group_loaded, camera_connections.get(),
                     [this] { camera_connections->show_stored_addresses(Side::Board); });
    QObject::connect(file, &SettingsFile::board_group_loaded, board_tab.get(), &BoardTab::show_stored);
    QObject::connect(file, &SettingsFile::director_group_loaded, director_tab.get(), &DirectorTab::show_stored);
    QObject::connect(file, &SettingsFile::defaults_taken, teacher_tab.get(), &TeacherTab::show_applied);
    QObject::connect(file, &SettingsFile::defaults_taken, student_tab.get(), &StudentTab::show_applied);
    QObject::connect(file, &SettingsFile::defaults_taken, board_tab.get(), &BoardTab::show_applied);
    QObject::connect(file, &SettingsFile::defaults_taken, director_tab.get(), &DirectorTab::show_applied);

    // The controls the tab layout decides about, each switched by its owner.
    TabLayout *layout = tab_layout.get();
    QObject::connect(layout, &TabLayout::widget_status_changed, region_editor.get(),
                     &RegionEditor::enable_group_controls);
    QObject::connect(layout, &TabLayout::widget_status_changed, camera_connections.get(),
                     &CameraConnections::enable_group_controls);
    QObject::connect(layout, &TabLayout::widget_status_changed, pads.get(), &Pads::enable_group_controls);
    QObject::connect(layout, &TabLayout::widget_status_changed, teacher_tab.get(), &TeacherTab::enable_group_controls);
    QObject::connect(layout, &TabLayout::widget_status_changed, student_tab.get(), &StudentTab::enable_group_controls);
    QObject::connect(layout, &TabLayout::widget_status_changed, board_tab.get(), &BoardTab::enable_group_controls);
    QObject::connect(layout, &TabLayout::widget_status_changed, manual_calibration.get(),
                     &ManualCalibration::enable_group_controls);
    QObject::connect(layout, &TabLayout::widget_status_changed, auto_calibration_feature.get(),
                     &AutoCalibration::enable_group_controls);
    QObject::connect(layout, &TabLayout::widget_status_changed, menu_keys.get(), &CameraMenuKeys::enable_group_controls);
    QObject::connect(layout, &TabLayout::board_widgets_disabled, camera_connections.get(),
                     &CameraConnections::disable_board_controls);
    QObject::connect(layout, &TabLayout::board_widgets_disabled, preview_regions.get(),
                     &StudentRegions::disable_board_controls);
    QObject::connect(layout, &TabLayout::board_widgets_disabled, pads.get(), &Pads::disable_board_controls);
    QObject::connect(layout, &TabLayout::board_widgets_disabled, board_tab.get(), &BoardTab::disable_board_controls);
    QObject::connect(layout, &TabLayout::board_widgets_disabled, director_tab.get(), &DirectorTab::disable_board_controls);
    QObject::connect(layout, &TabLayout::board_widgets_disabled, region_editor.get(),
                     &RegionEditor::disable_board_controls);
    QObject::connect(layout, &TabLayout::board_widgets_disabled, manual_calibration.get(),
                     &ManualCalibration::disable_board_controls);
    QObject::connect(layout, &TabLayout::board_widgets_disabled, auto_calibration_feature.get(),
                     &AutoCalibration::disable_board_controls);
    QObject::connect(layout, &TabLayout::layout_widgets_changed, teacher_tab.get(), &TeacherTab::follow_layout);
    QObject::connect(layout, &TabLayout::layout_widgets_changed, student_tab.get(), &StudentTab::follow_layout);
    QObject::connect(layout, &TabLayout::layout_widgets_changed, manual_calibration.get(),
                     &ManualCalibration::follow_layout);
    QObject::connect(layout, &TabLayout::board_view_changed, pads.get(), &Pads::show_board_view);
    QObject::connect(layout, &TabLayout::board_view_changed, board_tab.get(), &BoardTab::show_board_view);
    QObject::connect(layout, &TabLayout::board_view_changed, director_tab.get(), &DirectorTab::show_board_view);
    QObject::connect(layout, &TabLayout::unused_controls_shown, region_editor.get(), &RegionEditor::show_unused_controls);
    QObject::connect(layout, &TabLayout::unused_controls_shown, pads.get(), &Pads::show_unused_controls);
    QObject::connect(layout, &TabLayout::unused_controls_shown, teacher_tab.get(), &TeacherTab::show_unused_controls);
    QObject::connect(layout, &TabLayout::board_cameras_released, camera_connections.get(),
                     &CameraConnections::disconnect_board_cameras);
    QObject::connect(layout, &TabLayout::wizard_requested, layout, [this] { m_shell.close_for_wizard(); });

    // What a connect and a disconnect tell the features, in the order of the sequence's steps.
    CameraConnections *cc = camera_connections.get();
    QObject::connect(cc, &CameraConnections::tabs_enabled_wanted, layout, &TabLayout::update_tab_enabled);
    QObject::connect(cc, &CameraConnections::widget_status_wanted, layout, &TabLayout::set_widget_status);
    QObject::connect(cc, &CameraConnections::track_check_wanted, teacher_tab.get(), &TeacherTab::side_track_check);
    QObject::connect(cc, &CameraConnections::track_check_wanted, student_tab.get(), &StudentTab::side_track_check);
    QObject::connect(cc, &CameraConnections::board_camera_toggled, board_tab.get(), &BoardTab::mark_changed);
    QObject::connect(cc, &CameraConnections::decoder_created, picture_previews.get(), &PicturePreviews::take_decoder);
    QObject::connect(cc, &CameraConnections::preview_decoder_created, picture_previews.get(),
                     &PicturePreviews::take_preview_decoder);
    QObject::connect(cc, &CameraConnections::preview_started, picture_previews.get(), &PicturePreviews::preview_started);
    QObject::connect(cc, &CameraConnections::preview_stopped, picture_previews.get(), &PicturePreviews::preview_stopped);
    QObject::connect(cc, &CameraConnections::camera_connecting, preview_regions.get(), &StudentRegions::camera_connecting);
    QObject::connect(cc, &CameraConnections::cameras_connected_changed, options_tab.get(),
                     &OptionsTab::cameras_connected_changed);
    QObject::connect(cc, &CameraConnections::pano_address_known, director_tab.get(), &DirectorTab::pano_address_known);
    QObject::connect(cc, &CameraConnections::picture_cleared, picture_previews.get(), &PicturePreviews::clear_picture);
    QObject::connect(cc, &CameraConnections::feature_camera_released, pads.get(), &Pads::forget_redirection);
    QObject::connect(cc, &CameraConnections::feature_camera_released, visca_replies.get(),
                     &ViscaReplies::feature_camera_released);
    QObject::connect(cc, &CameraConnections::feature_camera_released, picture_previews.get(),
                     &PicturePreviews::feature_camera_released);
    QObject::connect(cc, &CameraConnections::feature_camera_released, teacher_tab.get(),
                     &TeacherTab::feature_camera_released);
    QObject::connect(cc, &CameraConnections::feature_camera_released, student_tab.get(),
                     &StudentTab::feature_camera_released);
    QObject::connect(cc, &CameraConnections::feature_camera_released, auto_calibration_feature.get(),
                     &AutoCalibration::feature_camera_released);
    QObject::connect(cc, &CameraConnections::pano_camera_released, teacher_tab.get(), &TeacherTab::pano_camera_released);
    QObject::connect(cc, &CameraConnections::pano_camera_released, student_tab.get(), &StudentTab::pano_camera_released);
    QObject::connect(cc, &CameraConnections::pano_camera_released, parameter_requests.get(),
                     &ParameterRequests::pano_camera_released);
    QObject::connect(cc, &CameraConnections::pano_camera_released, picture_previews.get(),
                     &PicturePreviews::pano_camera_released);
    QObject::connect(cc, &CameraConnections::pano_camera_released, region_editor.get(),
                     &RegionEditor::pano_camera_released);
    QObject::connect(cc, &CameraConnections::pano_camera_released, director_tab.get(), &DirectorTab::pano_camera_released);
    QObject::connect(cc, &CameraConnections::pano_views_closed, region_editor.get(), &RegionEditor::pano_views_closed);
    QObject::connect(cc, &CameraConnections::pano_views_closed, manual_calibration.get(),
                     &ManualCalibration::pano_views_closed);
    QObject::connect(cc, &CameraConnections::pano_views_closed, preview_regions.get(), &StudentRegions::pano_views_closed);
    QObject::connect(cc, &CameraConnections::pano_destination_cleared, region_editor.get(),
                     &RegionEditor::pano_destination_cleared);
    QObject::connect(cc, &CameraConnections::teacher_cameras_gone, teacher_tab.get(), &TeacherTab::teacher_cameras_gone);
    QObject::connect(cc, &CameraConnections::board_pano_released, director_tab.get(), &DirectorTab::board_pano_released);
    QObject::connect(cc, &CameraConnections::board_pano_released, preview_regions.get(),
                     &StudentRegions::board_pano_released);
    QObject::connect(cc, &CameraConnections::board_tracking_forgotten, board_tab.get(),
                     &BoardTab::forget_board_tracking_status);
    QObject::connect(cc, &CameraConnections::student_calibration_widgets_wanted, preview_regions.get(),
                     &StudentRegions::show_calibration_controls);

    // What the VISCA replies tell.
    ViscaReplies *vr = visca_replies.get();
    QObject::connect(vr, &ViscaReplies::focus_mode_reported, teacher_tab.get(), &TeacherTab::focus_mode_reported);
    QObject::connect(vr, &ViscaReplies::focus_mode_reported, student_tab.get(), &StudentTab::focus_mode_reported);
    QObject::connect(vr, &ViscaReplies::student_calibration_offered, student_tab.get(),
                     &StudentTab::calibration_offered);
    QObject::connect(vr, &ViscaReplies::student_calibration_offered, preview_regions.get(),
                     &StudentRegions::show_calibration_controls);
    QObject::connect(vr, &ViscaReplies::feature_model_known, teacher_tab.get(), &TeacherTab::feature_model_known);
    QObject::connect(vr, &ViscaReplies::feature_model_known, student_tab.get(), &StudentTab::feature_model_known);
    QObject::connect(vr, &ViscaReplies::feature_model_known, auto_calibration_feature.get(),
                     &AutoCalibration::feature_model_known);
    QObject::connect(vr, &ViscaReplies::feature_model_known, picture_previews.get(),
                     &PicturePreviews::feature_model_known);
    QObject::connect(vr, &ViscaReplies::layout_suggested, layout, &TabLayout::choose_layout);
    QObject::connect(vr, &ViscaReplies::preset_target_known, teacher_tab.get(), &TeacherTab::preset_target_known);
    QObject::connect(vr, &ViscaReplies::preset_target_known, student_tab.get(), &StudentTab::preset_target_known);
    QObject::connect(vr, &ViscaReplies::pan_tilt_reported, auto_calibration_feature.get(),
                     &AutoCalibration::pan_tilt_reported);
    QObject::connect(vr, &ViscaReplies::track_check_wanted, teacher_tab.get(), &TeacherTab::side_track_check);
    QObject::connect(vr, &ViscaReplies::track_check_wanted, student_tab.get(), &StudentTab::side_track_check);
    QObject::connect(vr, &ViscaReplies::tabs_enabled_wanted, layout, &TabLayout::update_tab_enabled);
    QObject::connect(pads.get(), &Pads::zoom_homed, vr, &ViscaReplies::zoom_homed);
    QObject::connect(pads.get(), &Pads::zoom_stopped, vr, &ViscaReplies::zoom_stopped);

    // What the pads and the camera menu keys tell.
    QObject::connect(pads.get(), &Pads::apply_mark_wanted, teacher_tab.get(), &TeacherTab::mark_side_changed);
    QObject::connect(pads.get(), &Pads::apply_mark_wanted, student_tab.get(), &StudentTab::mark_side_changed);
    QObject::connect(pads.get(), &Pads::apply_mark_wanted, board_tab.get(), &BoardTab::mark_side_changed);
    QObject::connect(pads.get(), &Pads::widget_status_wanted, layout, &TabLayout::set_widget_status);
    QObject::connect(menu_keys.get(), &CameraMenuKeys::camera_menu_closed, picture_previews.get(),
                     &PicturePreviews::menu_dialog_closed);
    QObject::connect(picture_previews.get(), &PicturePreviews::stream_picture, picture_previews.get(),
                     [this](PicturePreviews::Stream stream, QImage &image) { m_shell.send_stream(stream, image); });

    // What the calibration cross changes around it.
    ManualCalibration *mc = manual_calibration.get();
    QObject::connect(mc, &ManualCalibration::apply_mark_wanted, teacher_tab.get(), &TeacherTab::mark_side_changed);
    QObject::connect(mc, &ManualCalibration::apply_mark_wanted, student_tab.get(), &StudentTab::mark_side_changed);
    QObject::connect(mc, &ManualCalibration::auto_calibration_enabled_wanted, auto_calibration_feature.get(),
                     &AutoCalibration::enable_button);
    QObject::connect(mc, &ManualCalibration::pad_slowed, teacher_tab.get(), &TeacherTab::pad_slowed);
    QObject::connect(mc, &ManualCalibration::pad_slowed, student_tab.get(), &StudentTab::pad_slowed);
    QObject::connect(mc, &ManualCalibration::zoom_enabled_wanted, pads.get(), &Pads::set_zoom_enabled);
    QObject::connect(mc, &ManualCalibration::region_display_off_wanted, region_editor.get(),
                     &RegionEditor::region_display_off);
    QObject::connect(mc, &ManualCalibration::region_display_off_wanted, preview_regions.get(),
                     &StudentRegions::region_display_off);

    // What the teacher region controls change around them.
    RegionEditor *re = region_editor.get();
    QObject::connect(re, &RegionEditor::apply_mark_wanted, teacher_tab.get(), &TeacherTab::mark_side_changed);
    QObject::connect(re, &RegionEditor::applied_shown_wanted, teacher_tab.get(), &TeacherTab::show_side_applied);
    QObject::connect(re, &RegionEditor::zoom_enabled_wanted, pads.get(), &Pads::set_zoom_enabled);
    QObject::connect(re, &RegionEditor::board_effect_enabled_wanted, teacher_tab.get(),
                     &TeacherTab::enable_board_effect);
    QObject::connect(picture_previews.get(), &PicturePreviews::detector_picture_taken, re, &RegionEditor::QImage2cvMat);

    // What the Teacher tab tells.
    TeacherTab *tt = teacher_tab.get();
    QObject::connect(tt, &TeacherTab::widget_status_wanted, layout, &TabLayout::set_widget_status);
    QObject::connect(tt, &TeacherTab::tabs_enabled_wanted, layout, &TabLayout::update_tab_enabled);
    QObject::connect(tt, &TeacherTab::request_armed, parameter_requests.get(), &ParameterRequests::arm);
    QObject::connect(tt, &TeacherTab::tracking_switched, re, &RegionEditor::side_tracking_switched);
    QObject::connect(tt, &TeacherTab::region_display_enabled_wanted, re, &RegionEditor::enable_region_display);
    QObject::connect(tt, &TeacherTab::pad_redirection_changed, pads.get(), &Pads::set_teacher_redirection);

    // What the Student tab and its regions tell.
    StudentTab *st = student_tab.get();
    StudentRegions *sr = preview_regions.get();
    QObject::connect(st, &StudentTab::widget_status_wanted, layout, &TabLayout::set_widget_status);
    QObject::connect(st, &StudentTab::tabs_enabled_wanted, layout, &TabLayout::update_tab_enabled);
    QObject::connect(st, &StudentTab::request_armed, parameter_requests.get(), &ParameterRequests::arm);
    QObject::connect(st, &StudentTab::region_display_enabled_wanted, sr, &StudentRegions::enable_region_display);
    QObject::connect(st, &StudentTab::pad_crop_changed, pads.get(), &Pads::set_student_crop);
    QObject::connect(st, &StudentTab::board_controls_disable_wanted, layout, &TabLayout::disable_board_widgets);
    QObject::connect(st, &StudentTab::people_number_read, sr, &StudentRegions::people_number_read);
    QObject::connect(st, &StudentTab::calibration_height_reported, sr, &StudentRegions::show_calibration_height);
    QObject::connect(st, &StudentTab::regions_read, sr, &StudentRegions::student_regions_read);
    QObject::connect(st, &StudentTab::autocalibrate_failed, st, [this] { m_shell.autocalibrate_failed(); });
    QObject::connect(sr, &StudentRegions::apply_mark_wanted, st, &StudentTab::mark_side_changed);
    QObject::connect(sr, &StudentRegions::apply_mark_wanted, board_tab.get(), &BoardTab::mark_side_changed);
    QObject::connect(sr, &StudentRegions::zoom_enabled_wanted, pads.get(), &Pads::set_zoom_enabled);
    QObject::connect(sr, &StudentRegions::calibration_height_chosen, st, &StudentTab::send_calibration_height);
    StudentCalibrateArea *area = student_calibrate_area.get();
    QObject::connect(sr, &StudentRegions::calibrate_area_clicked, area,
                     &StudentCalibrateArea::on_student_calibrate_area_toolButton_clicked);
    QObject::connect(area, &StudentCalibrateArea::calibrate_button_enabled_wanted, sr,
                     &StudentRegions::enable_calibrate_button);
    QObject::connect(area, &StudentCalibrateArea::region_display_checked_wanted, sr,
                     &StudentRegions::check_region_display);
    QObject::connect(area, &StudentCalibrateArea::dialog_open_changed, picture_previews.get(),
                     &PicturePreviews::set_student_image_expand_open);
    QObject::connect(area, &StudentCalibrateArea::auto_calibrate_wanted, st, &StudentTab::run_auto_calibrate);
    QObject::connect(area, &StudentCalibrateArea::points_synced, sr, &StudentRegions::repaint_student_regions);

    // What the Board tab and the Options tab tell.
    BoardTab *bt = board_tab.get();
    QObject::connect(bt, &BoardTab::request_armed, parameter_requests.get(), &ParameterRequests::arm);
    QObject::connect(bt, &BoardTab::default_addresses_wanted, cc, &CameraConnections::show_default_addresses);
    QObject::connect(bt, &BoardTab::shields_read, sr, &StudentRegions::board_shields_read);
    QObject::connect(options_tab.get(), &OptionsTab::port_change_disconnect_wanted, cc,
                     &CameraConnections::disconnect_for_port_change);
    QObject::connect(options_tab.get(), &OptionsTab::camera_addresses_mapped, cc,
                     &CameraConnections::set_mapped_addresses);
}

WindowFeatures::~WindowFeatures() = default;

// ---------------------------------------------------------------------------
// Across features

void WindowFeatures::set_all_defaults()
{
    for (Side side : {Side::Teacher, Side::Student, Side::Board})
        camera_connections->show_default_addresses(side);
    teacher_tab->on_teacher_default_Button_clicked();
    student_tab->on_student_default_Button_clicked();
    board_tab->on_board_default_Button_clicked();
    director_tab->set_director_defaults();

    // The strips say what a click on them would do at the present width.
    const int width = m_shell.window_width();
    QString strip;
    if (width == kWideWidth)
        strip = tr("<\nf\no\nl\nd\n<");
    else if (width >= kNarrowWidthMin && width <= kNarrowWidthMax)
        strip = tr(">\ne\nx\np\na\nn\nd\n>");
    else
        return;
    for (QPushButton *b : {ui->teacher_show_param_pushButton, ui->student_show_param_pushButton,
                           ui->board_show_param_pushButton, ui->director_show_param_pushButton})
        b->setText(strip);
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

void WindowFeatures::retranslate_code_texts()
{
    options_tab->retranslate();
    menu_keys->retranslate();
    camera_connections->retranslate();
    board_tab->retranslate(tab_layout->camera_layout());
    if (QFileInfo::exists(QStringLiteral("data.tar.gz")))
        ui->label_81->setText(tr("exist"));
}

// ---------------------------------------------------------------------------
// The settings file, the options and the layout

void WindowFeatures::take_system_language(int index) { m_shell.take_system_language(index); }

void WindowFeatures::create_translator(int index) { m_shell.create_translator(index); }

bool WindowFeatures::customer_model(bool teacher) const
{
    return teacher ? teacher_values.customer_model : student_values.customer_model;
}

// ---------------------------------------------------------------------------
// The request poller, the pads and the camera menu keys

QString WindowFeatures::teacher_feature_model() const { return camera_slots[Slot::TeacherFeature].device_model; }

bool WindowFeatures::lectern_mode_chosen() const { return ui->lectern_mode_radioButton->isChecked(); }

void WindowFeatures::teacher_obtain_quietly() { teacher_tab->teacher_obtain(true); }

void WindowFeatures::student_points_read_back() { m_shell.student_points_read_back(); }

// ---------------------------------------------------------------------------
// The region editor, the camera connections, the VISCA replies and the pictures

void WindowFeatures::set_widget_status(int camera, bool enable) { tab_layout->set_widget_status(camera, enable); }

// ---------------------------------------------------------------------------
// Manual calibration and the reversal compensation

// ---------------------------------------------------------------------------
// The parameter tabs

int WindowFeatures::camera_layout() const { return tab_layout->camera_layout(); }

void WindowFeatures::arm_request(request_poller::Kind kind, bool silent) { parameter_requests->arm(kind, silent); }

// ---------------------------------------------------------------------------
// The reply parser

bool WindowFeatures::request_pending(request_poller::Kind kind) const { return parameter_requests->pending(kind); }

bool WindowFeatures::answer_request(request_poller::Kind kind) { return parameter_requests->answer_request(kind); }

void WindowFeatures::read_teacher_section(const QString &text) { teacher_tab->read_teacher_section(text); }

void WindowFeatures::read_student_section(const QString &text) { student_tab->read_student_section(text); }

void WindowFeatures::read_board_section(const QString &text) { board_tab->read_board_section(text); }

void WindowFeatures::read_director_section(const QString &text) { director_tab->read_director_section(text); }

void WindowFeatures::resolve_student_autocalibrate_status(const QString &value)
{
    student_tab->resolve_student_autocalibrate_status(value);
}

void WindowFeatures::show_board_relayed_keys(const board_parameters::RelayReading &reading)
{
    board_tab->show_relayed_keys(reading);
}

bool WindowFeatures::board_tracking_status_changed(const parameter_reply::StatusPart &part)
{
    return board_tab->board_tracking_status_changed(part);
}

void WindowFeatures::stop_board_tracking() { pads->on_board_stopTrack_Button_clicked(); }

void WindowFeatures::toggle_pano_connect(Side side) { camera_connections->toggle_pano(side); }

void WindowFeatures::flash_status_label(bool teacher, const QString &text) { tab_layout->flash_status_label(teacher, text); }

void WindowFeatures::set_lectern_director_enabled(bool enable) { teacher_tab->set_lectern_director_enabled(enable); }
