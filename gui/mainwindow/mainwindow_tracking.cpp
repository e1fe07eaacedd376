// Start and stop of the cameras' own tracking, the switch between their two stored tracking
// configurations, the panorama cameras' focus mode, the teacher tracking mode with its settings
// page and preset list, and the checks that keep Obtain and Apply off while a side tracks.
// Nothing here waits for an answer: a lost command shows only in the next status or reply.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "protocol/parameter_block.h"
#include "protocol/tracking_command.h"
#include "protocol/tracking_modes.h"

#include <QDebug>
#include <QSignalBlocker>

namespace {
// Between the stop and the configuration switch, so the camera has ended its tracking first.
constexpr int kStopBeforeSwitchMs = 200;
} // namespace

// ---- start and stop ----

void MainWindow::send_teacher_tracking_command(const QString &word)
{
    sendMsg_Net(teacher_pano_destination, teacher_udp_port,
                tracking_command::command_text(QString::fromLatin1(parameter_block::kTeacherSection), word), false);
}

void MainWindow::send_student_tracking_command(const QString &word)
{
    sendMsg_Net(student_pano_destination, student_udp_port,
                tracking_command::command_text(QString::fromLatin1(parameter_block::kStudentSection), word), false);
}

// While the teacher camera tracks, the teacher and board tabs are locked.
void MainWindow::teacher_tracking(bool start)
{
    send_teacher_tracking_command(QString::fromLatin1(start ? tracking_command::kStart : tracking_command::kStop));
    set_widget_status(0, !start);
    set_widget_status(2, !start);
    teacher_cur_track_status = start ? 1 : 2;
    if (teacher_feature_device_model == QLatin1String("M19"))
        ui->groupBox_36->setEnabled(!start);
    if (ui->teacher_show_region_checkBox->isChecked())
        set_teacher_region_widgets(!start);
}

void MainWindow::student_tracking(bool start)
{
    const QString word = QString::fromLatin1(start ? tracking_command::kStart : tracking_command::kStop);
    send_student_tracking_command(word);
    if (!start)
        qDebug() << "MainWindow::student stop track:"
                 << tracking_command::command_text(QString::fromLatin1(parameter_block::kStudentSection), word);
    set_widget_status(1, !start);
    student_cur_track_status = start ? 1 : 2;
}

void MainWindow::on_teacher_startTrack_Button_clicked()
{
    if (!udp_teacher_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    teacher_tracking(true);
}

void MainWindow::on_teacher_stopTrack_Button_clicked()
{
    if (!udp_teacher_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    teacher_tracking(false);
}

void MainWindow::on_student_startTrack_Button_clicked()
{
    if (!udp_student_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    student_tracking(true);
}

void MainWindow::on_student_stopTrack_Button_clicked()
{
    if (!udp_student_pano_flag) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        return;
    }
    student_tracking(false);
}

void MainWindow::stop_all_tracking()
{
    if (teacher_cur_track_status == 1 && udp_teacher_pano_flag)
        teacher_tracking(false);
    if (student_cur_track_status == 1 && udp_student_pano_flag)
        student_tracking(false);
}

// ---- tracking configuration ----

void MainWindow::set_teacher_config_combo(int index)
{
    ui->teacher_config_comboBox->setCurrentIndex(tracking_command::other_config_index(index));
}

void MainWindow::set_student_config_combo(int index)
{
    ui->student_config_comboBox->setCurrentIndex(tracking_command::other_config_index(index));
}

// The camera cannot switch while it tracks: the installer may stop the tracking first. A switch
// that does not happen puts the list back on the other entry.
void MainWindow::switch_tracking_config(bool teacher, int index)
{
    QComboBox *combo = teacher ? ui->teacher_config_comboBox : ui->student_config_comboBox;
    const QSignalBlocker blocker(combo);
    const auto connected = [this, teacher] { return teacher ? udp_teacher_pano_flag : udp_student_pano_flag; };
    const auto putBack = [this, teacher, index] {
        if (teacher)
            set_teacher_config_combo(index);
        else
            set_student_config_combo(index);
    };

    if (!connected()) {
        msgbox::warning(this, tr("Warning"), tr("Please connect the camera"));
        putBack();
        return;
    }
    const QString word = tracking_command::config_word(index);
    const int status = teacher ? teacher_cur_track_status : student_cur_track_status;
    if (status == 1) {
        const QMessageBox::StandardButton answer = msgbox::warning(
            this, tr("Information"), tr("Unable to update tracking configurations, do you want to stop tracking?"),
            QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) {
            putBack();
            return;
        }
        if (teacher)
            teacher_tracking(false);
        else
            student_tracking(false);
        wait_ms(kStopBeforeSwitchMs);
        // The pano camera may have gone during the wait: its command would go nowhere while
        // the list claimed the switch.
        if (!connected()) {
            putBack();
            return;
        }
    }
    if (teacher)
        send_teacher_tracking_command(word);
    else
        send_student_tracking_command(word);
}

void MainWindow::on_teacher_config_comboBox_currentIndexChanged(int index)
{
    qDebug() << "on_teacher_config_comboBox_currentIndexChanged:" << index;
    switch_tracking_config(true, index);
}

void MainWindow::on_student_config_comboBox_currentIndexChanged(int index)
{
    qDebug() << "on_student_config_comboBox_currentIndexChanged:" << index;
    switch_tracking_config(false, index);
}

void MainWindow::on_teacher_config_comboBox_activated(int index)
{
    qDebug() << "on_teacher_config_comboBox_activated:" << index;
}

void MainWindow::on_student_config_comboBox_activated(int index)
{
    qDebug() << "on_student_config_comboBox_activated:" << index;
}

// ---- pano focus mode ----

void MainWindow::send_pano_focus(bool teacher, bool manual)
{
    if (!(teacher ? udp_teacher_pano_flag : udp_student_pano_flag))
        return;
    const QString text =
        tracking_command::pano_focus_text(teacher ? teacher_feature_device_model : student_feature_device_model, manual);
    static const char *const kLogPrefix[2][2] = {
        {"Student Auto Mode\xEF\xBC\x9A", "Student Manual Mode\xEF\xBC\x9A"},
        {"Teacher Pano Auto Mode\xEF\xBC\x9A", "Teacher Pano Manual Mode\xEF\xBC\x9A"}};
    qDebug().noquote() << QString::fromUtf8(kLogPrefix[teacher][manual]) + text;
    if (teacher)
        sendMsg_Net(teacher_pano_destination, teacher_visca_port, text, true);
    else
        sendMsg_Net(student_pano_destination, student_visca_port, text, true);
}

void MainWindow::on_teacher_pano_auto_mode_Button_clicked(bool) { send_pano_focus(true, false); }
void MainWindow::on_teacher_pano_manual_mode_Button_clicked(bool) { send_pano_focus(true, true); }
void MainWindow::on_student_pano_auto_mode_Button_clicked(bool) { send_pano_focus(false, false); }
void MainWindow::on_student_pano_manual_mode_Button_clicked(bool) { send_pano_focus(false, true); }

// ---- tracking modes and preset lists ----

// Nothing goes to the camera: the mode travels with the next teacher Apply.
void MainWindow::show_teacher_mode(int mode)
{
    ui->mode_stackedWidget->setCurrentIndex(tracking_modes::settings_page(mode));
    const QVector<const char *> entries = tracking_modes::teacher_preset_entries(mode);
    if (entries.isEmpty())
        return;
    ui->teacher_preset_list->clear();
    for (const char *entry : entries)
        ui->teacher_preset_list->addItem(tr(entry));
}

void MainWindow::on_other_mode_radioButton_clicked(bool checked)
{
    if (checked)
        show_teacher_mode(tracking_modes::Other);
}

void MainWindow::on_follow_mode_radioButton_clicked(bool checked)
{
    if (checked)
        show_teacher_mode(tracking_modes::Follow);
}

// Binocular and mixed mode offer the follow mode's presets.
void MainWindow::on_binocular_mode_radioButton_clicked(bool checked) { on_follow_mode_radioButton_clicked(checked); }
void MainWindow::on_mixed_mode_radioButton_clicked(bool checked) { on_follow_mode_radioButton_clicked(checked); }

void MainWindow::on_board_pano_mode_radioButton_clicked(bool checked)
{
    if (checked)
        show_teacher_mode(tracking_modes::BoardPano);
}

// The refill keeps the chosen entry: the set-up refills the list after the settings file has
// chosen the stored preset.
void MainWindow::fill_pano_preset_list()
{
    const int chosen = ui->student_preset_list->currentIndex();
    ui->student_preset_list->clear();
    for (const char *entry : tracking_modes::student_preset_entries())
        ui->student_preset_list->addItem(tr(entry));
    if (chosen > 0 && chosen < ui->student_preset_list->count())
        ui->student_preset_list->setCurrentIndex(chosen);
}

void MainWindow::on_teacher_preset_list_currentIndexChanged(const QString &text)
{
    qDebug() << "teacher currentIndexChanged :" << text << ", device model:" << teacher_feature_device_model;
    const bool crop = text == tr(tracking_modes::kPanoCropEntry);
    teacher_ptz_pano_prefix = crop && tracking_modes::crop_by_prefix(teacher_feature_device_model);
    teacher_ptz_to_pano = crop && tracking_modes::crop_on_pano(teacher_feature_device_model);
}

void MainWindow::on_student_preset_list_currentIndexChanged(const QString &text)
{
    qDebug() << "student currentIndexChanged :" << text << ", device model:" << student_feature_device_model;
    student_ptz_pano_prefix =
        text == tr(tracking_modes::kPanoCropEntry) && tracking_modes::crop_by_prefix(student_feature_device_model);
}

// ---- obtain and apply only while a side does not track ----

void MainWindow::set_teacher_obtain_apply_enabled(bool enable)
{
    ui->teacher_obtain_Button->setEnabled(enable);
    ui->teacher_apply_Button->setEnabled(enable);
}

void MainWindow::set_student_obtain_apply_enabled(bool enable)
{
    ui->student_obtain_Button->setEnabled(enable);
    ui->student_apply_Button->setEnabled(enable);
}

void MainWindow::teacher_track_check(bool enable)
{
    ui->teacher_show_region_checkBox->setEnabled(enable);
    set_teacher_obtain_apply_enabled(enable && teacher_cur_track_status != 1);
    qDebug() << "MainWindow::teacher check:" << (enable ? "true" : "false") << ",teacher_cur_track_status:"
             << teacher_cur_track_status;
}

void MainWindow::student_track_check(bool enable)
{
    ui->student_show_region_checkBox->setEnabled(enable);
    set_student_obtain_apply_enabled(enable && student_cur_track_status != 1);
    qDebug() << "MainWindow::student check :" << (enable ? "true" : "false") << ",student_cur_track_status:"
             << student_cur_track_status;
}
