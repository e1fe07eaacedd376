#pragma once

#include "model/camera_slot.h"
#include "model/preview_areas.h"
#include "protocol/board_parameters.h"
#include "protocol/request_poller.h"
#include "support/form_widgets.h"
#include "tabs/board_status_memory.h"

#include <QCoreApplication>
#include <QObject>
#include <QPoint>

class CameraPorts;
class CameraSlots;
class ControlLink;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
namespace parameter_reply {
struct StatusPart;
}

#define BOARD_TAB_WIDGETS(X) \
    X(QPushButton, board_apply_Button) \
    X(QPushButton, board_default_Button) \
    X(QCheckBox, board_enable_checkBox) \
    X(QCheckBox, board_enable_checkBox_2) \
    X(QRadioButton, board_lose_object_pano_one_radioButton) \
    X(QRadioButton, board_lose_object_pano_two_radioButton) \
    X(QSpinBox, board_lost_pano_delay_label) \
    X(QRadioButton, board_multi_object_pano_one_radioButton) \
    X(QRadioButton, board_multi_object_pano_two_radioButton) \
    X(QPushButton, board_obtain_Button) \
    X(QSlider, board_sensitivity_Slider) \
    X(QLabel, board_sensitivity_label) \
    X(QSlider, board_target_lost_timeout_Slider) \
    X(QLabel, board_target_lost_timeout_label) \
    X(QLabel, board_version_feature_info_label) \
    X(QLabel, board_version_pano_info_label) \
    X(QLabel, board_feature_ip_label) \
    X(QWidget, board_2_connect_widget) \
    X(QWidget, board_2_preset_widget) \
    X(QWidget, board_2_ptz_widget) \
    X(QGroupBox, groupBox_23) \
    X(QGroupBox, groupBox_24) \
    X(QGroupBox, groupBox_25) \
    X(QGroupBox, groupBox_26)

// The Board tab's parameters. Which blackboard cameras take part, their addresses and the delay
// back to the panorama live in the teacher pano camera (Apply and Obtain go there); the board
// pano camera's own tracking block is only read, and its areas are kept for the board preview.
// With them the tab's Default, its slider labels and "Apply(*)" marks, and the memory of the
// board tracking status that keeps a camera answering every command with its status from
// being stopped for ever.
// What the Board tab tells the features around it.
class BoardTabSignals : public QObject
{
    Q_OBJECT

signals:
    // A request of this kind went out and waits for the camera's echo (board requests are
    // teacher ones, never silent).
    void request_armed(request_poller::Kind kind, bool silent);
    // The board cameras' address fields as a fresh installation has them (a connected camera
    // keeps its address).
    void default_addresses_wanted(camera_slot::Side side);
    // The board pano's reply switched its shields ("1"/"0" per shield).
    void shields_read(const QString &pano_shield_enable);
};

class BoardTab : public BoardTabSignals, public BoardStatusMemory
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        BOARD_TAB_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // The board preview's painting record as restore_board_region left it, window points.
    struct Preview {
        bool track_known = false;
        board_parameters::WindowArea track;
        board_parameters::WindowArea shields[board_parameters::kShieldCount];
        bool shield_drawn[board_parameters::kShieldCount] = {};
        bool shield_visible[board_parameters::kShieldCount] = {};
    };

    // values: the board section the tab shows and edits; the board cameras' addresses are the
    // slots' address fields.
    BoardTab(const Widgets &widgets, BoardSection &values, const CameraSlots &cameras, const CameraPorts &ports,
             ControlLink &link, const bool &loading_config, QWidget *window);

    // The board pano camera's tracking block into the tab and the preview's areas.
    // The board settings a teacher pano relays: the enable boxes and the lost-to-pano delay.
    void show_relayed_keys(const board_parameters::RelayReading &reading);
    void read_board_section(const QString &text);
    // The settings file read the board group into the section: the tab shows it.
    void show_stored();
    // The tab's values count as applied (a fresh installation's defaults).
    void show_applied();
    // "Apply(*)": the tab has changes not yet sent (the board feature camera's toggle says so too).
    void mark_changed();
    // A board preset stored on the teacher pano or a board region drawn: the Board side's marks
    // the Apply.
    void mark_side_changed(camera_slot::Side side);
    // The tab's controls usable or not (camera group 2); the customer model has none.
    void enable_group_controls(int camera, bool enable);
    void disable_board_controls();
    // One board camera or two: the second camera's rows, and the first one named Board 1.
    void show_board_view(bool two_boards);
    // The texts the view sets over the form's, which the form's re-texting put back.
    void retranslate(int camera_layout);
    // The board pano camera's areas as window points of the board preview.
    void restore_board_region();
    // Records the status of a board status answer; true when it differs from the last one
    // reported since the board pano camera was connected.
    bool board_tracking_status_changed(const parameter_reply::StatusPart &part) override;
    // A board pano camera (dis)connected: its next status answer counts as a change.
    void forget_board_tracking_status();
    Preview preview() const;
    // The same record, lent to the board preview's drawing and painting.
    BoardPreviewAreas &preview_areas() { return board_areas; }

    void on_board_default_Button_clicked();
    void on_board_sensitivity_Slider_sliderMoved(int value);
    void on_board_sensitivity_Slider_valueChanged(int value);
    void on_board_target_lost_timeout_Slider_sliderMoved(int value);
    void on_board_target_lost_timeout_Slider_valueChanged(int value);
    void on_board_enable_checkBox_stateChanged(int state);
    void on_board_lost_pano_delay_label_valueChanged(const QString &text);
    void on_board_apply_Button_clicked();
    void on_board_obtain_Button_clicked();
    void on_board_sensitivity_Slider_sliderPressed();
    void on_board_target_lost_timeout_Slider_sliderPressed();
    void on_board_multi_object_pano_one_radioButton_clicked();
    void on_board_multi_object_pano_two_radioButton_clicked();
    void on_board_lose_object_pano_one_radioButton_clicked();
    void on_board_lose_object_pano_two_radioButton_clicked();
    void on_board_enable_checkBox_clicked(bool checked);
    void on_board_enable_checkBox_2_clicked();

private:
    bool board_pano_connected() const;
    // The section follows its widgets.
    void keep_values();

    const Widgets ui;
    BoardSection &m_values;
    const CameraSlots &m_slots;
    const CameraPorts &m_ports;
    ControlLink &m_link;
    const bool &m_loading_config;
    QWidget *m_window;

    // The board tracking status last reported by the board pano camera: 0 none yet, 1 start,
    // 2 stop, 3 a status with neither word.
    int board_reported_track_status = 0;
    // The board pano camera's tracking area and shield areas, camera units (640 by 360).
    board_parameters::BoardRegionCoord board_region_coord;
    // Board area painting record, window coordinates (the board preview's 480 by 270 at window
    // point (20, 340)); written by restore_board_region and the mouse, painted on
    // board_pano_region_widget.
    BoardPreviewAreas board_areas;
};
