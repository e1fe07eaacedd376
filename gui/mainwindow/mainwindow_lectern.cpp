// The lectern mode: the teacher feature camera is set through its HTTP parameter interface.
// Each lectern control posts its one setting; the answers (JSON or key=value text) come back
// through http_manager in any order and are written into the lectern page.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "net/httpmanager.h"
#include "protocol/camera_address.h"
#include "protocol/lectern_reply.h"
#include "protocol/lectern_request.h"

#include <QDebug>
#include <QSignalBlocker>

namespace {
// The custom threshold each fixed person size stands for.
constexpr int kFullBodyThresh = 80;
constexpr int kHalfBodyThresh = 141;
constexpr int kCloseUpThresh = 290;
} // namespace

QUrl MainWindow::getUrl(const QString &action)
{
    const QString addressField = ui->teacher_feature_IP_Edit->text();
    const QUrl url = lectern_request::camera_url(addressField, web_username, web_password, action);
    // The password stays out of the log.
    qDebug() << "getUrl()" << lectern_request::loggable(url) << ",userName:" << url.userName()
             << ",ipAddress:" << camera_address::address_part(addressField);
    return url;
}

void MainWindow::post_lectern_setting(const char *key, const QString &value)
{
    http_manager->sendPostRequest(getUrl(QString::fromLatin1(lectern_request::kPostFullTrack)),
                                  lectern_request::form_pair(QString::fromLatin1(key), value));
}

bool MainWindow::post_tracking_server()
{
    QString enable;
    if (ui->teacher_director_on_radioButton->isChecked())
        enable = QStringLiteral("1");
    else if (ui->teacher_director_off_radioButton->isChecked())
        enable = QStringLiteral("0");
    const QString port = ui->lectern_director_port_Edit->text().trimmed();
    const QString address = ui->lectern_director_ip_Edit->text().trimmed();
    const QString times = ui->lectern_director_hold_time_label->text();
    if (port.isEmpty() || address.isEmpty()) {
        msgbox::warning(this, tr("Warning"), tr("The director port and address cannot be empty!"));
        return false;
    }
    const QString body = lectern_request::server_body(enable, address, port, times);
    http_manager->sendPostRequest(getUrl(QString::fromLatin1(lectern_request::kPostFullTrack2)), body);
    qDebug() << "postData:" << body;
    return true;
}

void MainWindow::post_effect_area(int leftUpX, int leftUpY, int rightDownX, int rightDownY)
{
    const QJsonObject area = lectern_request::effect_area(leftUpX, leftUpY, rightDownX, rightDownY);
    http_manager->sendJsonPostRequest(getUrl(QString::fromLatin1(lectern_request::kEffectArea)), area);
    qDebug() << "postData tracking area:" << area;
}

// ---- the lectern page ----

void MainWindow::on_lectern_mode_radioButton_clicked(bool checked)
{
    ui->mode_stackedWidget->setCurrentIndex(1);
    if (!checked)
        return;
    http_manager->sendGetRequest(getUrl(QString::fromLatin1(lectern_request::kGetFullTrack)));
    http_manager->sendJsonPostRequest(getUrl(QString::fromLatin1(lectern_request::kGetPath)),
                                      lectern_request::track_conf_request());
}

void MainWindow::on_auto_zoom_enable_checkBox_clicked(bool checked)
{
    qDebug() << "LecternMode auto zoom clicked:" << checked;
    post_lectern_setting(lectern_request::kAutoZoom, checked ? QStringLiteral("1") : QStringLiteral("0"));
}

void MainWindow::on_auto_tilt_enable_checkBox_clicked(bool checked)
{
    qDebug() << "LecternMode auto tilt clicked:" << checked;
    post_lectern_setting(lectern_request::kAutoTilt, checked ? QStringLiteral("1") : QStringLiteral("0"));
}

void MainWindow::on_target_retention_time_label_spinBox_valueChanged(const QString &text)
{
    qDebug() << "LecternMode retention time1:" << text;
    post_lectern_setting(lectern_request::kReturnPresetTime, text);
}

void MainWindow::on_tracking_start_postion_comboBox_currentIndexChanged(int index)
{
    qDebug() << "LecternMode tracking start postion currentIndexChanged:" << index;
    post_lectern_setting(lectern_request::kPreset, lectern_request::start_position_value(index));
}

void MainWindow::on_full_body_action_radioButton_clicked(bool checked)
{
    qDebug() << "LecternMode full body click:" << checked;
    if (!checked)
        return;
    ui->body_thresh_time_spinBox->setEnabled(false);
    ui->body_thresh_time_spinBox->setValue(kFullBodyThresh);
    post_lectern_setting(lectern_request::kBodyMode, QStringLiteral("0"));
}

void MainWindow::on_half_body_action_radioButton_clicked(bool checked)
{
    qDebug() << "LecternMode half body click:" << checked;
    if (!checked)
        return;
    ui->body_thresh_time_spinBox->setValue(kHalfBodyThresh);
    ui->body_thresh_time_spinBox->setEnabled(false);
    post_lectern_setting(lectern_request::kBodyMode, QStringLiteral("1"));
}

void MainWindow::on_close_body_action_radioButton_clicked(bool checked)
{
    qDebug() << "LecternMode close body click:" << checked;
    if (!checked)
        return;
    ui->body_thresh_time_spinBox->setValue(kCloseUpThresh);
    ui->body_thresh_time_spinBox->setEnabled(false);
    post_lectern_setting(lectern_request::kBodyMode, QStringLiteral("2"));
}

// The custom size sends its threshold alone; the camera takes it as the custom body mode.
void MainWindow::on_custom_body_action_radioButton_clicked(bool checked)
{
    qDebug() << "LecternMode custom body click:" << checked;
    if (!checked)
        return;
    ui->body_thresh_time_spinBox->setEnabled(true);
    post_lectern_setting(lectern_request::kBodyThresh, ui->body_thresh_time_spinBox->text());
}

void MainWindow::on_body_thresh_time_spinBox_valueChanged(const QString &text)
{
    qDebug() << "LecternMode body thresh valueChanged:" << text;
    if (ui->custom_body_action_radioButton->isChecked())
        post_lectern_setting(lectern_request::kBodyThresh, text);
}

// A click on the radio already chosen sends nothing. A post refused for an empty port or
// address leaves the last state as it was, so the next click, once the fields are filled,
// sends.
void MainWindow::on_teacher_director_on_radioButton_clicked(bool checked)
{
    if (checked == teacher_director_on_last)
        return;
    if (!post_tracking_server())
        return;
    teacher_director_on_last = checked;
    teacher_director_off_last = false;
    qDebug() << "LecternMode:ON" << (checked ? "true" : "false");
}

void MainWindow::on_teacher_director_off_radioButton_clicked(bool checked)
{
    if (checked == teacher_director_off_last)
        return;
    if (!post_tracking_server())
        return;
    teacher_director_off_last = checked;
    teacher_director_on_last = false;
    qDebug() << "LecternMode:OFF" << (checked ? "true" : "false");
}

// ---- answers ----

void MainWindow::onRequestJsonFinished(QJsonObject json)
{
    qDebug() << "HTTP  JSON 1 Response:" << json;
    const std::optional<lectern_reply::DirectorServer> server = lectern_reply::director_server(json);
    if (!server)
        return;
    teacher_director_on_last = server->on();
    teacher_director_off_last = !server->on();
    if (server->on())
        ui->teacher_director_on_radioButton->setChecked(true);
    else
        ui->teacher_director_off_radioButton->setChecked(true);
    ui->lectern_director_port_Edit->setText(server->port);
    ui->lectern_director_ip_Edit->setText(server->address);
    ui->lectern_director_hold_time_label->setValue(server->timesNumber());
    qDebug() << "Tracking Server Enable:" << server->enable;
    qDebug() << "Tracking Server Address:" << server->address;
    qDebug() << "Tracking Server Port:" << server->port;
    qDebug() << "Tracking Times:" << server->times;
}

void MainWindow::onRequestStringFinished(QString text)
{
    qDebug() << "HTTP  String Response:" << text;
    parse_lectern_reply(text);
}

void MainWindow::onRequestError(QString error)
{
    qDebug() << "HTTP  Error:" << error;
}

// What the camera reports is shown, never sent back: the controls' change slots stay quiet
// meanwhile, so a value the control cannot hold (clamped to its range, or no number at all)
// does not overwrite the camera's own setting.
void MainWindow::parse_lectern_reply(const QString &text)
{
    using lectern_reply::Target;
    const QSignalBlocker retentionBlocker(ui->target_retention_time_label_spinBox);
    const QSignalBlocker startBlocker(ui->tracking_start_postion_comboBox);
    const QSignalBlocker threshBlocker(ui->body_thresh_time_spinBox);
    QRadioButton *const bodyModes[] = {ui->full_body_action_radioButton, ui->half_body_action_radioButton,
                                       ui->close_body_action_radioButton, ui->custom_body_action_radioButton};

    for (const lectern_reply::Pair &pair : lectern_reply::key_values(text)) {
        const Target target = lectern_reply::target_of(pair.key);
        if (target == Target::Unknown) {
            qDebug() << "Unknown key:" << pair.key;
            continue;
        }
        qDebug().noquote() << pair.key + QLatin1Char(':') + pair.value;
        switch (target) {
        case Target::RetentionTime:
            ui->target_retention_time_label_spinBox->setValue(lectern_reply::number(pair.value));
            break;
        case Target::StartPosition:
            ui->tracking_start_postion_comboBox->setCurrentIndex(lectern_reply::start_position_index(pair.value));
            break;
        case Target::BodyMode: {
            const int choice = lectern_reply::body_mode_choice(pair.value);
            if (choice >= 0)
                bodyModes[choice]->setChecked(true);
            break;
        }
        case Target::BodyThresh:
            ui->body_thresh_time_spinBox->setValue(lectern_reply::number(pair.value));
            break;
        case Target::AutoZoom:
            ui->auto_zoom_enable_checkBox->setChecked(lectern_reply::switch_on(pair.value));
            break;
        case Target::AutoTilt:
            ui->auto_tilt_enable_checkBox->setChecked(lectern_reply::switch_on(pair.value));
            break;
        case Target::LogOnly:
        case Target::Unknown:
            break;
        }
    }
}
