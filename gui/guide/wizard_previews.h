#pragma once

#include "guide/region_picture.h"
#include "guide/wizard_command_keys.h"
#include "model/camera_slot.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class TrackingTest;
class VlcWidget;
class WizardLink;
class WizardRegions;

#define WIZARD_PREVIEWS_WIDGETS(X)                                                                                     \
    X(VlcWidget, teacher_calibration_feature_vlc_0)                                                                    \
    X(VlcWidget, teacher_calibration_pano_vlc_1)                                                                       \
    X(VlcWidget, teacher_track_region_vlc_2)                                                                           \
    X(VlcWidget, teacher_preset_feature_vlc_3)                                                                         \
    X(VlcWidget, teacher_preset_pano_vlc_4)                                                                            \
    X(VlcWidget, teacher_track_test_feature_vlc_5)                                                                     \
    X(VlcWidget, teacher_track_test_pano_vlc_6)                                                                        \
    X(VlcWidget, student_calibration_feature_vlc_7)                                                                    \
    X(VlcWidget, student_calibration_pano_vlc_8)                                                                       \
    X(VlcWidget, student_track_region_vlc_9)                                                                           \
    X(VlcWidget, student_preset_feature_vlc_10)                                                                        \
    X(VlcWidget, student_preset_pano_vlc_11)                                                                           \
    X(VlcWidget, student_track_test_feature_vlc_12)                                                                    \
    X(VlcWidget, student_track_test_pano_vlc_13)                                                                       \
    X(QPushButton, teacher_calibration_feature_connect_Button)                                                         \
    X(QPushButton, teacher_calibration_pano_connect_Button)                                                            \
    X(QPushButton, teacher_region_pano_connect_Button)                                                                 \
    X(QPushButton, teacher_perset_feature_connect_Button)                                                              \
    X(QPushButton, teacher_perset_pano_connect_Button)                                                                 \
    X(QPushButton, teacher_track_test_feature_connect_Button)                                                          \
    X(QPushButton, teacher_track_test_pano_connect_Button)                                                             \
    X(QPushButton, student_calibration_feature_connect_Button)                                                         \
    X(QPushButton, student_calibration_pano_connect_Button)                                                            \
    X(QPushButton, student_region_pano_connect_Button)                                                                 \
    X(QPushButton, student_perset_feature_connect_Button)                                                              \
    X(QPushButton, student_perset_pano_connect_Button)                                                                 \
    X(QPushButton, student_track_test_feature_connect_Button)                                                          \
    X(QPushButton, student_track_test_pano_connect_Button)                                                             \
    X(QLineEdit, teacher_calibration_feature_ip_lineEdit)                                                              \
    X(QLineEdit, teacher_calibration_pano_ip_lineEdit)                                                                 \
    X(QLineEdit, teacher_region_pano_ip_lineEdit)                                                                      \
    X(QLineEdit, teacher_preset_feature_ip_lineEdit)                                                                   \
    X(QLineEdit, teacher_preset_pano_ip_lineEdit)                                                                      \
    X(QLineEdit, teacher_track_test_feature_ip_lineEdit)                                                               \
    X(QLineEdit, teacher_track_test_pano_ip_lineEdit)                                                                  \
    X(QLineEdit, student_calibration_feature_ip_lineEdit)                                                              \
    X(QLineEdit, student_calibration_pano_ip_lineEdit)                                                                 \
    X(QLineEdit, student_region_pano_ip_lineEdit)                                                                      \
    X(QLineEdit, student_preset_feature_ip_lineEdit)                                                                   \
    X(QLineEdit, student_preset_pano_ip_lineEdit)                                                                      \
    X(QLineEdit, student_track_test_feature_ip_lineEdit)                                                               \
    X(QLineEdit, student_track_test_pano_ip_lineEdit)                                                                  \
    X(QComboBox, teacher_preset_comboBox)                                                                              \
    X(QComboBox, teacher_track_test_comboBox)                                                                          \
    X(QStackedWidget, teacher_preset_stackedWidget)                                                                    \
    X(QStackedWidget, teacher_track_test_stackedWidget)                                                                \
    X(QGroupBox, student_preset_groupBox)                                                                              \
    X(QGroupBox, groupBox_12)                                                                                          \
    X(QCheckBox, teacher_calibration_checkBox)                                                                         \
    X(QCheckBox, student_calibration_checkBox)

// What the step previews tell the wizard around them.
class WizardPreviewsSignals : public QObject
{
    Q_OBJECT

signals:
    void pad_enabled_wanted(WizardCommandKeys::Pad pad, bool enabled);
    // The preset keys of the side usable (a pano preview connected) or not.
    void presets_enabled_wanted(camera_slot::Side side, bool enabled);
    // The tracking-test page's controls of the side usable or not.
    void tracking_controls_enabled_wanted(camera_slot::Side side, bool enabled);
    // The board page's left and right keys (its set keys, or its call keys) shown or hidden by the board camera chosen.
    void board_keys_shown_wanted(bool call_keys, bool left, bool right);
    // The preset step's camera: 0 the teacher close-up camera, 1 board 1, 2 board 2.
    void preset_camera_chosen(int index);
    // The side's parameter block is owed (the changed mark), and due now (params complete).
    void params_changed(camera_slot::Side side);
    void params_complete(camera_slot::Side side);
    // The board block is due (a board camera's pano connected while its first apply is owed).
    void board_block_wanted();
    // A crop status was asked of the side's pano camera (the parser's first-answer mark), and
    // the side's crop status forgotten as its region pano went (the teacher's crop lock on).
    void crop_status_asked(camera_slot::Side side);
    void crop_status_forgotten(camera_slot::Side side);
    void teacher_crop_lock_wanted(bool locked);
    // The side's tracking-test pano is about to go (still connected): its tracking overlay off.
    void tracking_overlay_reset_wanted(camera_slot::Side side);
};

// The fourteen step previews of the wizard's calibration, region, preset and tracking-test steps:
// each connect button is a toggle that checks the camera, makes it the target of the wizard's
// link (destination, connected mark, TCP link), plays its picture and enables what depends on it;
// its disconnect undoes all of it. A failed check releases the camera that failed. A connect
// waits (the reachability check, the link's probe and connect), so a click, a step's entry work
// or a close-all that comes meanwhile is kept back until the connect is over. A tracking test
// runs only while its pano is there: the test stops before the pano's connected mark goes.
class WizardPreviews : public WizardPreviewsSignals, public RegionPicture
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        WIZARD_PREVIEWS_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    enum class Preview {
        TeacherCalibrationFeature, TeacherCalibrationPano, TeacherRegionPano, TeacherPresetFeature,
        TeacherPresetPano, TeacherTrackTestFeature, TeacherTrackTestPano,
        StudentCalibrationFeature, StudentCalibrationPano, StudentRegionPano, StudentPresetFeature,
        StudentPresetPano, StudentTrackTestFeature, StudentTrackTestPano
    };
    static constexpr int kPreviewCount = 14;
    enum class Step {
        TeacherCalibration, TeacherRegion, TeacherPreset, TeacherTrackTest,
        StudentCalibration, StudentRegion, StudentPreset, StudentTrackTest
    };

    WizardPreviews(const Widgets &widgets, WizardLink &link, TrackingTest &tracking, WizardRegions &regions,
                   QWidget *window);
    ~WizardPreviews() override;

    // What the wizard tells as it changes.
    void set_page(int page);
    // The layout: the target combos' cameras (the close-up camera, and the board cameras of layouts 2 and 3).
    void set_layout(int layout);
    void set_rtsp_ports(const QString &teacher, const QString &student);
    // The stored addresses the target combos put in the preset and tracking-test fields.
    void set_stored_addresses(const QString &teacher_feature, const QString &board1, const QString &board2);
    void set_tracking_mode(const QString &mode); // "0" .. "4"
    // isFirstClick: the board block is owed until a board camera's pano connects.
    void set_board_apply_owed(bool owed);

    // The step flow's switch of a preview (the connect slot as a toggle), kept back while a
    // connect runs; the finish and step entry's close-all of a side.
    void toggle(Preview preview);
    void close_teacher_previews();
    void close_student_previews();
    bool is_on(Preview preview) const;
    bool side_on(camera_slot::Side side) const; // a preview of the side is on
    bool step_closed(Step step) const;
    // A step with previews entered: its address fields take the step's cameras (the target
    // combos' choice on the teacher preset and tracking-test steps), the side's previews close,
    // and the step's previews connect unless the installer let them go.
    void enter_step(Step step, const QString &feature, const QString &pano);
    // The step with previews on the wizard's page, if any.
    std::optional<Step> step_of_page(int page) const;
    // The wizard's reset: every step mark clear.
    void reset();
    // The preset and tracking-test pages as the camera choice and the tracking mode pick them.
    void show_preset_pages();

    VlcWidget *player(Preview preview) const;
    // RegionPicture
    QImage teacher_region_picture() const override;

private:
    struct Member;
    const Member &member(Preview preview) const;
    void clicked(Preview preview);
    void run(std::function<void()> work);
    void connect_preview(const Member &m);
    void disconnect_preview(const Member &m);
    void check_failed(const Member &m);
    void after_connect(const Member &m);
    void before_disconnect(const Member &m);
    void after_disconnect(const Member &m);
    void close_side(camera_slot::Side side);
    void start_link(camera_slot::Slot slot, const QString &address);
    void stop_link(camera_slot::Slot slot);
    void ask_tracking_status(camera_slot::Side side);
    void board_block_after(int ms);
    void combo_changed(bool preset_combo, int index);
    void calibration_cross(camera_slot::Side side, int state);
    void play_error();

    Widgets ui;
    WizardLink &m_link;
    TrackingTest &m_tracking;
    WizardRegions &m_regions;
    QWidget *m_window;
    QList<Member> m_members;
    int m_page = 0;
    int m_layout = 0;
    QString m_rtsp_port[2] = {QStringLiteral("554"), QStringLiteral("554")};
    QString m_teacher_feature_address, m_board1_address, m_board2_address;
    QString m_tracking_mode = QStringLiteral("0");
    bool m_board_apply_owed = false;
    bool m_step_closed[8] = {};
    bool m_busy = false;
    QList<std::function<void()>> m_waiting; // kept back while a connect runs, in order
};
