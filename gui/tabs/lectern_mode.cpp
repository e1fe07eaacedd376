#include "tabs/lectern_mode.h"

#include "model/camera_slots.h"
#include "net/httpmanager.h"
#include "protocol/camera_address.h"
#include "protocol/lectern_reply.h"
#include "protocol/lectern_request.h"
#include "protocol/reply_values.h"
#include "seams/message_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
// The custom threshold each fixed person size stands for.
constexpr int kFullBodyThresh = 80;
constexpr int kHalfBodyThresh = 141;
constexpr int kCloseUpThresh = 290;
// A fresh installation's director hold and target retention times.
constexpr int kDefaultHoldTime = 120;
constexpr int kDefaultRetentionTime = 6;
} // namespace

LecternMode::LecternMode(const Widgets &widgets, const CameraSlots &cameras, QWidget *window)
    : ui(widgets)
    , m_slots(cameras)
    , m_window(window)
{
    connect(ui.auto_zoom_enable_checkBox, &QCheckBox::clicked, this,
            &LecternMode::on_auto_zoom_enable_checkBox_clicked);
    connect(ui.auto_tilt_enable_checkBox, &QCheckBox::clicked, this,
            &LecternMode::on_auto_tilt_enable_checkBox_clicked);
    connect(ui.target_retention_time_label_spinBox, qOverload<const QString &>(&QSpinBox::valueChanged), this,
            &LecternMode::on_target_retention_time_label_spinBox_valueChanged);
    connect(ui.tracking_start_postion_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &LecternMode::on_tracking_start_postion_comboBox_currentIndexChanged);
    connect(ui.full_body_action_radioButton, &QRadioButton::clicked, this,
            &LecternMode::on_full_body_action_radioButton_clicked);
    connect(ui.half_body_action_radioButton, &QRadioButton::clicked, this,
            &LecternMode::on_half_body_action_radioButton_clicked);
    connect(ui.close_body_action_radioButton, &QRadioButton::clicked, this,
            &LecternMode::on_close_body_action_radioButton_clicked);
    connect(ui.custom_body_action_radioButton, &QRadioButton::clicked, this,
            &LecternMode::on_custom_body_action_radioButton_clicked);
    connect(ui.body_thresh_time_spinBox, qOverload<const QString &>(&QSpinBox::valueChanged), this,
            &LecternMode::on_body_thresh_time_spinBox_valueChanged);
    connect(ui.teacher_director_on_radioButton, &QRadioButton::clicked, this,
            &LecternMode::on_teacher_director_on_radioButton_clicked);
    connect(ui.teacher_director_off_radioButton, &QRadioButton::clicked, this,
            &LecternMode::on_teacher_director_off_radioButton_clicked);
}

LecternMode::~LecternMode() = default;

HttpManager &LecternMode::http()
{
    if (!http_manager) {
        http_manager = std::make_unique<HttpManager>();
        connect(http_manager.get(), &HttpManager::requestStringFinished, this, &LecternMode::onRequestStringFinished);
        connect(http_manager.get(), &HttpManager::requestJsonFinished, this, &LecternMode::onRequestJsonFinished);
        connect(http_manager.get(), &HttpManager::requestError, this, &LecternMode::onRequestError);
    }
    return *http_manager;
}

QUrl LecternMode::getUrl(const QString &action)
{
    const QString &addressField = m_slots[camera_slot::Slot::TeacherFeature].field_text;
    const QUrl url = lectern_request::camera_url(addressField, web_username, web_password, action);
    // The password stays out of the log.
    qDebug() << "getUrl()" << lectern_request::loggable(url) << ",userName:" << url.userName()
             << ",ipAddress:" << camera_address::address_part(addressField);
    return url;
}

void LecternMode::post_lectern_setting(const char *key, const QString &value)
{
    http().sendPostRequest(getUrl(QString::fromLatin1(lectern_request::kPostFullTrack)),
                           lectern_request::form_pair(QString::fromLatin1(key), value));
}

bool LecternMode::post_tracking_server()
{
    QString enable;
    if (ui.teacher_director_on_radioButton->isChecked())
        enable = lectern_request::switch_value(true);
    else if (ui.teacher_director_off_radioButton->isChecked())
        enable = lectern_request::switch_value(false);
    const QString port = ui.lectern_director_port_Edit->text().trimmed();
    const QString address = ui.lectern_director_ip_Edit->text().trimmed();
    const QString times = ui.lectern_director_hold_time_label->text();
    if (port.isEmpty() || address.isEmpty()) {
        msgbox::warning(m_window, tr("Warning"), tr("The director port and address cannot be empty!"));
        return false;
    }
    const QString body = lectern_request::server_body(enable, address, port, times);
    http().sendPostRequest(getUrl(QString::fromLatin1(lectern_request::kPostFullTrack2)), body);
    qDebug() << "postData:" << body;
    return true;
}

void LecternMode::post_effect_area(int leftUpX, int leftUpY, int rightDownX, int rightDownY)
{
    const QJsonObject area = lectern_request::effect_area(leftUpX, leftUpY, rightDownX, rightDownY);
    http().sendJsonPostRequest(getUrl(QString::fromLatin1(lectern_request::kEffectArea)), area);
    qDebug() << "postData tracking area:" << area;
}

// ---- the lectern page ----

void LecternMode::show_defaults()
{
    // The page's own slots post each change to the camera over HTTP; a Default sends nothing.
    const QSignalBlocker quietHold(ui.lectern_director_hold_time_label);
    const QSignalBlocker quietRetention(ui.target_retention_time_label_spinBox);
    ui.lectern_director_hold_time_label->setValue(kDefaultHoldTime);
    ui.target_retention_time_label_spinBox->setValue(kDefaultRetentionTime);
}

void LecternMode::lectern_chosen(bool checked)
{
    if (!checked)
        return;
    http().sendGetRequest(getUrl(QString::fromLatin1(lectern_request::kGetFullTrack)));
    http().sendJsonPostRequest(getUrl(QString::fromLatin1(lectern_request::kGetPath)),
                               lectern_request::track_conf_request());
}

void LecternMode::on_auto_zoom_enable_checkBox_clicked(bool checked)
{
    qDebug() << "LecternMode auto zoom clicked:" << checked;
    post_lectern_setting(lectern_request::kAutoZoom, lectern_request::switch_value(checked));
}

void LecternMode::on_auto_tilt_enable_checkBox_clicked(bool checked)
{
    qDebug() << "LecternMode auto tilt clicked:" << checked;
    post_lectern_setting(lectern_request::kAutoTilt, lectern_request::switch_value(checked));
}

void LecternMode::on_target_retention_time_label_spinBox_valueChanged(const QString &text)
{
    qDebug() << "LecternMode retention time1:" << text;
    post_lectern_setting(lectern_request::kReturnPresetTime, text);
}

void LecternMode::on_tracking_start_postion_comboBox_currentIndexChanged(int index)
{
    qDebug() << "LecternMode tracking start postion currentIndexChanged:" << index;
    post_lectern_setting(lectern_request::kPreset, lectern_request::start_position_value(index));
}

void LecternMode::on_full_body_action_radioButton_clicked(bool checked)
{
    qDebug() << "LecternMode full body click:" << checked;
    if (!checked)
        return;
    ui.body_thresh_time_spinBox->setEnabled(false);
    ui.body_thresh_time_spinBox->setValue(kFullBodyThresh);
    post_lectern_setting(lectern_request::kBodyMode, lectern_request::body_mode_value(0));
}

void LecternMode::on_half_body_action_radioButton_clicked(bool checked)
{
    qDebug() << "LecternMode half body click:" << checked;
    if (!checked)
        return;
    ui.body_thresh_time_spinBox->setValue(kHalfBodyThresh);
    ui.body_thresh_time_spinBox->setEnabled(false);
    post_lectern_setting(lectern_request::kBodyMode, lectern_request::body_mode_value(1));
}

void LecternMode::on_close_body_action_radioButton_clicked(bool checked)
{
    qDebug() << "LecternMode close body click:" << checked;
    if (!checked)
        return;
    ui.body_thresh_time_spinBox->setValue(kCloseUpThresh);
    ui.body_thresh_time_spinBox->setEnabled(false);
    post_lectern_setting(lectern_request::kBodyMode, lectern_request::body_mode_value(2));
}

// The custom size sends its threshold alone; the camera takes it as the custom body mode.
void LecternMode::on_custom_body_action_radioButton_clicked(bool checked)
{
    qDebug() << "LecternMode custom body click:" << checked;
    if (!checked)
        return;
    ui.body_thresh_time_spinBox->setEnabled(true);
    post_lectern_setting(lectern_request::kBodyThresh, ui.body_thresh_time_spinBox->text());
}

void LecternMode::on_body_thresh_time_spinBox_valueChanged(const QString &text)
{
    qDebug() << "LecternMode body thresh valueChanged:" << text;
    if (ui.custom_body_action_radioButton->isChecked())
        post_lectern_setting(lectern_request::kBodyThresh, text);
}

// A click on the radio already chosen sends nothing. A post refused for an empty port or
// address leaves the last state as it was, so the next click, once the fields are filled,
// sends.
void LecternMode::on_teacher_director_on_radioButton_clicked(bool checked)
{
    if (checked == teacher_director_on_last)
        return;
    if (!post_tracking_server())
        return;
    teacher_director_on_last = checked;
    teacher_director_off_last = false;
    qDebug() << "LecternMode:ON" << (checked ? "true" : "false");
}

void LecternMode::on_teacher_director_off_radioButton_clicked(bool checked)
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

void LecternMode::onRequestJsonFinished(QJsonObject json)
{
    qDebug() << "HTTP  JSON 1 Response:" << json;
    const std::optional<lectern_reply::DirectorServer> server = lectern_reply::director_server(json);
    if (!server)
        return;
    teacher_director_on_last = server->on();
    teacher_director_off_last = !server->on();
    if (server->on())
        ui.teacher_director_on_radioButton->setChecked(true);
    else
        ui.teacher_director_off_radioButton->setChecked(true);
    ui.lectern_director_port_Edit->setText(server->port);
    ui.lectern_director_ip_Edit->setText(server->address);
    ui.lectern_director_hold_time_label->setValue(server->timesNumber());
    qDebug() << "Tracking Server Enable:" << server->enable;
    qDebug() << "Tracking Server Address:" << server->address;
    qDebug() << "Tracking Server Port:" << server->port;
    qDebug() << "Tracking Times:" << server->times;
}

void LecternMode::onRequestStringFinished(QString text)
{
    qDebug() << "HTTP  String Response:" << text;
    parse_lectern_reply(text);
}

void LecternMode::onRequestError(QString error) { qDebug() << "HTTP  Error:" << error; }

// What the camera reports is shown, never sent back: the controls' change slots stay quiet
// meanwhile, so a value the control cannot hold (clamped to its range, or no number at all)
// does not overwrite the camera's own setting.
void LecternMode::parse_lectern_reply(const QString &text)
{
    using lectern_reply::Target;
    const QSignalBlocker retentionBlocker(ui.target_retention_time_label_spinBox);
    const QSignalBlocker startBlocker(ui.tracking_start_postion_comboBox);
    const QSignalBlocker threshBlocker(ui.body_thresh_time_spinBox);
    QRadioButton *const bodyModes[] = {ui.full_body_action_radioButton, ui.half_body_action_radioButton,
                                       ui.close_body_action_radioButton, ui.custom_body_action_radioButton};

    for (const lectern_reply::Pair &pair : lectern_reply::key_values(text)) {
        const Target target = lectern_reply::target_of(pair.key);
        if (target == Target::Unknown) {
            qDebug() << "Unknown key:" << pair.key;
            continue;
        }
        qDebug().noquote() << pair.key + QLatin1Char(':') + pair.value;
        switch (target) {
        case Target::RetentionTime:
            ui.target_retention_time_label_spinBox->setValue(reply_values::number(pair.value));
            break;
        case Target::StartPosition:
            ui.tracking_start_postion_comboBox->setCurrentIndex(lectern_reply::start_position_index(pair.value));
            break;
        case Target::BodyMode: {
            const int choice = lectern_reply::body_mode_choice(pair.value);
            if (choice >= 0)
                bodyModes[choice]->setChecked(true);
            break;
        }
        case Target::BodyThresh:
            ui.body_thresh_time_spinBox->setValue(reply_values::number(pair.value));
            break;
        case Target::AutoZoom:
            ui.auto_zoom_enable_checkBox->setChecked(lectern_reply::switch_on(pair.value));
            break;
        case Target::AutoTilt:
            ui.auto_tilt_enable_checkBox->setChecked(lectern_reply::switch_on(pair.value));
            break;
        case Target::LogOnly:
        case Target::Unknown:
            break;
        }
    }
}
