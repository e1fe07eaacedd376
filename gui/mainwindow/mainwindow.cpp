#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "dialogs/calibrate_area_expand.h"
#include "core/log_handler.h"
#include "support/resources.h"
#include "support/wrapped_tab_labels.h"
#include "core/wait.h"
#include "guide/guideconfig.h"
#include "dialogs/image_expand.h"
#include "dialogs/manual_direct.h"
#include "dialogs/osdmenu.h"
#include "settings/input_rules.h"
#include "settings/language_table.h"
#include "seams/message_box.h"
#include "settings/settings_path.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QMetaMethod>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QGraphicsItem>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTranslator>


MainWindow *gMainWindow = nullptr;

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui((corvane_init_resources(), new Ui::MainWindow))
{
    ui->setupUi(this);
    features = std::make_unique<WindowFeatures>(ui, this, static_cast<WindowFeatures::Shell &>(*this));
    connect(&features->options(), &OptionsTab::language_chosen, this, &MainWindow::on_language_select_comboBox_activated);
    qDebug() << 806 << " MainWindow:: program entry!!!";
    gMainWindow = this;
    slot_init_main_window();
    initGuideConfig();
}

MainWindow::~MainWindow()
{
    qDebug() << "~MainWindow Destruct!";
    qDebug().nospace() << "~MainWindow direct:[" << features->manual_direct_running() << "]";
    // The wizard (its links and preview threads) goes first: it borrows the region scene. The
    // features (with the connections' decoding threads) go before the form's widgets.
    delete guide_config;
    guide_config = nullptr;
    features.reset();
    delete ui;
    delete translator;
}

void MainWindow::slot_init_main_window()
{
    qDebug() << "MainWindow::slot_init_main_window()";

    setWindowTitle(tr("Corvane V3.0.1"));

    teacher_image_expand = new Image_Expand(this);
    student_image_expand = new Image_Expand(this);
    calibrate_area_expand = new Calibrate_Area_Expand(features->calibrate_area().dialog_host(), this);
    features->previews().attach_enlarged_dialogs(teacher_image_expand, student_image_expand);

    setWindowFlags(Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(899, 757);

    // Student and Board tabs: controls the form keeps for their slots but the window never offers.
    ui->groupBox_4->hide();
    ui->groupBox_8->hide();
    ui->groupBox_34->hide();
    ui->groupBox_32->hide();

    // Pictures for the enlarged and calibration dialogs: the student pictures reach the
    // enlarged dialog first, then the calibration dialog.
    connect(this, &MainWindow::student_send_stream_to_feature, student_image_expand, &Image_Expand::display_image);
    connect(this, &MainWindow::student_send_stream_to_pano, student_image_expand, &Image_Expand::display_pano_image);
    connect(this, &MainWindow::teacher_send_stream_to_feature, teacher_image_expand, &Image_Expand::display_image);
    connect(this, &MainWindow::teacher_send_stream_to_pano, teacher_image_expand, &Image_Expand::display_pano_image);
    connect(this, &MainWindow::student_send_stream_to_feature, calibrate_area_expand, &Calibrate_Area_Expand::display_image);
    connect(this, &MainWindow::student_send_stream_to_pano, calibrate_area_expand, &Calibrate_Area_Expand::display_pano_image);
    connect(this, &MainWindow::close_mainwindow, this, &QWidget::close);

    // Setting a control from the file runs its change slots; those of the parameter and
    // director tabs leave their Apply buttons unmarked meanwhile.
    features->settings().load_config();

    qDebug() << 477 << " MainWindow::" << QDateTime::currentDateTime().toString(QStringLiteral("yyyy MM dd hh mm ss zzz"));

    // The device list's columns as the search page set them, widened to their headers.
    features->search().fit_columns();
    // The settings columns are too narrow for some tabs' labels on one line: they break onto more.
    wrapped_tabs::install(ui->tabWidget->findChildren<QTabWidget *>(), this);

    features->menu_key_controls().retranslate();

    features->requests().start_polling();

    // The calibration dialog: a click of its button loads its points after the button opened it,
    // and the camera's own calibration reports to it.
    features->calibrate_area().attach_dialog(calibrate_area_expand);
    connect(this, &MainWindow::autocalibrate_update_success, calibrate_area_expand,
            &Calibrate_Area_Expand::update_success);
    connect(this, &MainWindow::autocalibrate_update_fail, calibrate_area_expand, &Calibrate_Area_Expand::update_fail);

    // The customer model has no board cameras.
    features->layout().set_customer_disable();

    // The student camera has four shield zones; 5 to 8 are never offered.
    ui->student_shield_five_checkBox->hide();
    ui->student_shield_six_checkBox->hide();
    ui->student_shield_seven_checkBox->hide();
    ui->student_shield_eight_checkBox->hide();
    // The captions of the board lose and space times, the PTZ speed tip and the
    // installation-position row's captions stay hidden (their fields are the tabs', its button
    // the dialogs' openers').
    for (QWidget *w : std::initializer_list<QWidget *>{ui->label_54, ui->label_190, ui->label_189, ui->label_191,
                                                       ui->label_192, ui->label_45, ui->label_55})
        w->hide();

    // The preset lists the settings file chose the stored entries in.
    features->teacher().fill_mode_preset_list();
    features->student().fill_pano_preset_list();

    // Board tab: regions, basic settings and versions are never offered.
    ui->groupBox_29->hide();
    ui->groupBox_30->hide();
    ui->groupBox_33->hide();

    features->layout().remove_unused_tabs(false);

    // The student configuration page stays read-only.
    ui->tab_22->setEnabled(false);

    // The empty logo strip lies over the bottom edge of the Teacher tab's Stop Track button:
    // clicks there go to the button.
    ui->oem_logo_label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MainWindow::load_config() { features->settings().load_config(); }

bool MainWindow::save_config() { return features->settings().save_config(); }

void MainWindow::set_all_defaults() { features->set_all_defaults(); }

void MainWindow::stop_all_tracking() { features->stop_all_tracking(); }

CustomGraphicsScene *MainWindow::region_scene() const { return features->region_scene(); }

// ---- what the features need of the window ----

bool MainWindow::window_visible() const { return isVisible(); }

void MainWindow::close_for_wizard()
{
    emit close_mainwindow();
    // Refused while another close runs: the request must not steer a later close.
    features->layout().take_wizard_request();
}

void MainWindow::take_system_language(int index) { language = *language::name_for_index(index); }

void MainWindow::create_translator(int index)
{
    translator = new QTranslator;
    features->options().show_language(index);
}

void MainWindow::send_stream(PicturePreviews::Stream stream, QImage &image)
{
    switch (stream) {
    case PicturePreviews::Stream::TeacherFeature:
        emit teacher_send_stream_to_feature(image);
        return;
    case PicturePreviews::Stream::TeacherPano:
        emit teacher_send_stream_to_pano(image);
        return;
    case PicturePreviews::Stream::StudentFeature:
        emit student_send_stream_to_feature(image);
        return;
    case PicturePreviews::Stream::StudentPano:
        emit student_send_stream_to_pano(image);
        return;
    case PicturePreviews::Stream::MenuFeature:
        emit send_stream_to_feature(image);
        return;
    case PicturePreviews::Stream::MenuPano:
        emit send_stream_to_pano(image);
        return;
    }
}

void MainWindow::autocalibrate_failed() { emit autocalibrate_update_fail(); }

void MainWindow::student_points_read_back() { emit autocalibrate_update_success(); }

void MainWindow::console_reply(const QString &message) { emit send(message); }

bool MainWindow::console_listens() const { return isSignalConnected(QMetaMethod::fromSignal(&MainWindow::send)); }

QString MainWindow::interface_language() const { return language; }

void MainWindow::feed_camera_menu(OSDMenu *dialog)
{
    connect(this, &MainWindow::send_stream_to_feature, dialog, &OSDMenu::display_image);
}

void MainWindow::attach_console(manual_direct *console) { connect(this, &MainWindow::send, console, &manual_direct::getMsg); }

void MainWindow::close_for_director()
{
    close_by_director = true;
    close();
}

void MainWindow::wizard_reply(const QByteArray &reply) { wizard().resolver_param(reply); }

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The student and board region widgets: their overlays and the mouse drawing on them.
    if (features)
        features->student_regions().filter_event(watched, event);
    return QMainWindow::eventFilter(watched, event);
}

// ---- closing ----

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The questions and the disconnects' waits handle events; a close that comes meanwhile is
    // refused by the widget itself and never reaches here.
    const bool closes = features->layout().take_wizard_request() ? enter_wizard()
                        : close_by_director                      ? close_for_good()
                                                                 : ask_exit();
    event->setAccepted(closes);
}

bool MainWindow::enter_wizard()
{
    const QMessageBox::StandardButton answer =
        msgbox::information(this, tr("Information"),
                            tr("Enter the wizard configuration,other operations will be interrupted!"),
                            QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        features->layout().show_first_tab();
    if (answer != QMessageBox::Ok)
        return false;
    // Built before the save: it takes its options from the settings file as the start found it.
    wizard();
    features->close_enlarged_dialogs();
    features->stop_all_tracking();
    if (!save_and_disconnect_all()) {
        features->layout().show_first_tab();
        return false;
    }
    guide_config->show();
    send_guide_data();
    guide_config->initGuideConfig();
    guide_config->setExitVisible(QStringLiteral("1"));
    features->link().stop_keepalive_timers();
    return true;
}

bool MainWindow::ask_exit()
{
    const QMessageBox::StandardButton answer = msgbox::information(
        this, tr("Information"), tr("Do you really want to exit?"), QMessageBox::Ok | QMessageBox::Cancel);
    return answer == QMessageBox::Ok && close_for_good();
}

bool MainWindow::close_for_good()
{
    if (!save_and_disconnect_all())
        return false;
    release_sockets_and_timers();
    return true;
}

bool MainWindow::save_and_disconnect_all()
{
    // The disconnects clear the director tab's camera address fields: the file is written first.
    if (!save_config() && !leave_with_unsaved_settings())
        return false;
    // A calibration under way ends on every road while its cameras are still connected, then no
    // decoding thread may outlive the window: the director road lets its cameras go as well.
    features->release_cameras();
    return true;
}

bool MainWindow::leave_with_unsaved_settings()
{
    // A file set aside at start that could not be moved is never written over: no write was tried.
    const QString path = QDir::toNativeSeparators(settings_file_path());
    const QString text =
        features->settings().keeps_unreadable_file()
            ? tr("The settings were not written: %1 could not be read at start, or was cut short, and could not be "
                 "moved aside; it is kept as it was found, so that nothing in it is lost. Move or remove it to save "
                 "the settings.\nLeave anyway (OK) or stay with the cameras connected (Cancel)?")
                  .arg(path)
            : tr("The settings could not be written to %1. The previous file is kept, without the changes made "
                 "since.\nLeave anyway (OK) or stay with the cameras connected (Cancel)?")
                  .arg(path);
    const bool leave = msgbox::warning(this, tr("Warning"), text, QMessageBox::Ok | QMessageBox::Cancel,
                                       QMessageBox::Cancel)
                       == QMessageBox::Ok;
    qDebug() << "MainWindow::closeEvent settings not saved, leave anyway:" << leave;
    return leave;
}

void MainWindow::release_sockets_and_timers()
{
    // The control links close and no keep-alive fires any more (the calibrations were stopped
    // before the cameras let go). The sockets, timers and the lectern HTTP client belong to the
    // feature objects, which other features hold by reference: they are deleted with them when
    // the window is destroyed right after.
    features->link().stop_keepalive_timers();
}

QString MainWindow::getStartState()
{
    QString state = features->settings().stored_value(QStringLiteral("TEACHER_CONF/Tracking_Guide_State")).toString();
    qDebug() << "MainWindow:: enter getStartState = " << state;
    // Nothing writes another state; a start that showed neither window would keep the lock
    // while nothing could be done.
    if (state != QLatin1String("1"))
        state = QStringLiteral("0");
    qDebug() << "MainWindow:: leave getStartState = " << state;
    return state;
}

GuideConfig &MainWindow::wizard()
{
    if (guide_config)
        return *guide_config;
    guide_config = new GuideConfig(features->wizard_region_scene(), nullptr);
    connect(guide_config, &GuideConfig::setupCompleted, this, &QWidget::show);
    connect(guide_config, &GuideConfig::setupCompleted, this, &MainWindow::updateGuideConfig);
    connect(guide_config, &GuideConfig::transferData, this, &MainWindow::updateGuideData);
    // The wizard's text commands by datagram are answered on this window's reply socket.
    connect(guide_config, &GuideConfig::datagramAnswersExpected, &features->link(),
            &ControlLink::expect_datagram_answers);
    return *guide_config;
}

void MainWindow::initGuideConfig()
{
    const SettingsFile &settings = features->settings();
    guide_state = settings.stored_value(QStringLiteral("TEACHER_CONF/Tracking_Guide_State")).toString();
    if (guide_state.isEmpty()) {
        guide_state = QStringLiteral("0");
        qDebug() << 79 << " Obtain configuration exception!";
    }
    int layout = settings.stored_value(QStringLiteral("TEACHER_CONF/Tracking_Number_Camera")).toInt();
    if (layout < 0 || layout > 3) {
        layout = 0;
        qDebug() << 84 << " Obtain configuration exception!";
    }
    features->layout().set_camera_layout(layout);
    // Selecting an entry that differs from the current one has run the layout choice already;
    // it runs once more in every case.
    features->layout().choose_layout(layout);
    qDebug() << "MainWindow::initGuideConfig-> guide_state:" << guide_state << ",config_number_camera:" << layout;

    // A state that nothing writes (neither "0" nor "1") would leave no window at all: such a
    // file is treated as an unfinished wizard.
    if (guide_state != QLatin1String("1")) {
        wizard().show();
    } else {
        features->layout().show_board_tab(layout >= 2);
    }
}

void MainWindow::updateGuideData(QVariant data)
{
    features->layout().show_first_tab();
    // The options the wizard stored (tracking mode, lost and multi-object actions, ...): the
    // window's next save writes the whole file from its own values, which must hold them.
    features->settings().take_wizard_keys();
    Guide_Data_Update_Manage record;
    if (data.canConvert<Guide_Data_Update_Manage>())
        record = data.value<Guide_Data_Update_Manage>();
    features->layout().set_camera_layout(record.camera_number);
    // With two cameras one camera per side serves as close-up and panorama camera.
    const bool two = record.camera_number == 0;
    features->connections().show_addresses({record.teacher_feature_ip, two ? record.teacher_feature_ip : record.teacher_pano_ip,
                                            record.student_feature_ip, two ? record.student_feature_ip : record.student_pano_ip,
                                            record.board_feature_ip, record.board_pano_ip});
    features->layout().show_layout(features->layout().camera_layout());
}

void MainWindow::updateGuideConfig()
{
    qDebug() << "MainWindow::enter updateGuideConfig :";
}

void MainWindow::send_guide_data()
{
    using camera_slot::Slot;
    const CameraSlots &cameras = features->slot_records();
    guide_data.teacher_feature_ip = cameras[Slot::TeacherFeature].field_text;
    guide_data.teacher_pano_ip = cameras[Slot::TeacherPano].field_text;
    guide_data.student_feature_ip = cameras[Slot::StudentFeature].field_text;
    guide_data.student_pano_ip = cameras[Slot::StudentPano].field_text;
    guide_data.board_feature_ip = cameras[Slot::BoardFeature].field_text;
    guide_data.board_pano_ip = cameras[Slot::BoardPano].field_text;
    guide_data.camera_number = features->choices().camera_layout;
    guide_data.current_language = language;
    wizard().receiverData(QVariant::fromValue(guide_data));
}
