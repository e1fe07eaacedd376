#include "maintenance/firmware_upgrade_panel.h"

#include "maintenance/transfer_notice.h"
#include "maintenance/transfer_ports.h"
#include "seams/desktop_services.h"
#include "support/value_widgets.h"
#include "transfer/upgrade_rules.h"

#include <QComboBox>
#include <QDebug>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QUrl>

using transfer::shown;

namespace {
const char *const kSelectPack = QT_TRANSLATE_NOOP("MainWindow", "select upgrade pack");
const QString kUriList = QStringLiteral("text/uri-list");
} // namespace

FirmwareUpgradePanel::FirmwareUpgradePanel(const Widgets &widgets, upgrade::Settings &settings,
                                           const TransferPorts &ports, QWidget *window)
    : ui(widgets)
    , m_settings(settings)
    , m_ports(ports)
    , m_window(window)
{
    connect(ui.open_Button, &QPushButton::clicked, this, &FirmwareUpgradePanel::on_open_Button_clicked);
    connect(ui.query_Button, &QPushButton::clicked, this, &FirmwareUpgradePanel::on_query_Button_clicked);
    connect(ui.upgrade_Button, &QPushButton::clicked, this, &FirmwareUpgradePanel::on_upgrade_Button_clicked);
    connect(ui.upgrade_type_comboBox, qOverload<int>(&QComboBox::activated), this,
            &FirmwareUpgradePanel::on_upgrade_type_comboBox_activated);
    connect(ui.worktype_comboBox, qOverload<int>(&QComboBox::activated), this,
            &FirmwareUpgradePanel::on_worktype_comboBox_activated);
    value_widgets::keep_text(this, ui.upgrade_ip_lineEdit, m_settings.ip_address);
    value_widgets::keep_text(this, ui.upgrade_filename_lineEdit, m_settings.file_field);
    m_settings.type_text = ui.upgrade_type_comboBox->currentText();
    connect(ui.upgrade_type_comboBox, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { m_settings.type_text = text; });
    // The transfer work type comes from the settings file.
    ui.worktype_comboBox->hide();

    connect(&m_session, &FirmwareSession::connection_text, this, [this](const QString &text) {
        m_connection_text = text;
        ui.label_66->setText(text);
    });
    connect(&m_session, &FirmwareSession::status_text, this, [this](const QString &text) {
        m_status_text = text;
        ui.label_67->setText(text);
    });
    connect(&m_session, &FirmwareSession::backup_status_text, this, &FirmwareUpgradePanel::backup_status_text);
    connect(&m_session, &FirmwareSession::backup_file_text, this, &FirmwareUpgradePanel::backup_file_text);
    connect(&m_session, &FirmwareSession::progress, this, [this](int value, int maximum) {
        ui.progressBar->setMaximum(maximum);
        ui.progressBar->setValue(value);
    });
    connect(&m_session, &FirmwareSession::progress_reset, ui.progressBar, &QProgressBar::reset);
    connect(&m_session, &FirmwareSession::log_text, this, &FirmwareUpgradePanel::show_log);
    connect(&m_session, &FirmwareSession::controls_enabled, this, &FirmwareUpgradePanel::set_controls_enabled);
    connect(&m_session, &FirmwareSession::query_enabled, ui.query_Button, &QPushButton::setEnabled);
    connect(&m_session, &FirmwareSession::type_list_changed, this, &FirmwareUpgradePanel::show_type_list);
    connect(&m_session, &FirmwareSession::file_name_refused, ui.upgrade_filename_lineEdit, &QLineEdit::clear);
    connect(&m_session, &FirmwareSession::upload_finished, ui.textEdit, [this] { ui.textEdit->setFocus(); });
    connect(&m_session, &FirmwareSession::notice, this,
            [this](const transfer::Notice &notice) { show_transfer_notice(m_window, notice); });

    // An upgrade file may be dropped anywhere on the window; the log and the file field would
    // take it as text instead.
    ui.textEdit->setAcceptDrops(false);
    ui.upgrade_filename_lineEdit->setAcceptDrops(false);
    m_window->setAcceptDrops(true);
    m_window->installEventFilter(this);
}

FirmwareUpgradePanel::~FirmwareUpgradePanel() { m_window->removeEventFilter(this); }

void FirmwareUpgradePanel::take_settings()
{
    m_session.set_upgrade_mode(m_settings.upgrade_mode);
    m_session.set_verify(m_settings.upgrade_verify);
    if (m_session.work_type() != m_settings.work_type)
        m_session.set_work_type(m_settings.work_type);
    // The type chosen last is the session's from its first use on.
    if (!m_model_taken) {
        m_session.set_upgrade_model(m_settings.upgradeModel);
        m_model_taken = true;
    }
}

void FirmwareUpgradePanel::set_address(const QString &address) { ui.upgrade_ip_lineEdit->setText(address); }

void FirmwareUpgradePanel::show_stored_settings(bool from_file)
{
    const QStringList items = upgrade::type_items(m_settings.upgrade_mode);
    // The session's list is the same; the settings keep the entry the list shows.
    const QString type = m_settings.type_text;
    ui.upgrade_type_comboBox->addItems(items);
    ui.upgrade_ip_lineEdit->setText(m_settings.ip_address);
    if (from_file)
        ui.upgrade_filename_lineEdit->setText(m_settings.file_field);
    if (items.contains(type))
        ui.upgrade_type_comboBox->setCurrentIndex(items.indexOf(type));
    m_settings.type_text = ui.upgrade_type_comboBox->currentText();
    ui.worktype_comboBox->setCurrentIndex(m_settings.work_type == 2 ? 1 : 0);
}

void FirmwareUpgradePanel::retranslate()
{
    if (!m_connection_text.isEmpty())
        ui.label_66->setText(m_connection_text);
    if (!m_status_text.isEmpty())
        ui.label_67->setText(m_status_text);
    show_log(m_log);
}

// ---------------------------------------------------------------------------
// The installer's choices

void FirmwareUpgradePanel::on_open_Button_clicked()
{
    const QString filter = upgrade::file_filter(ui.upgrade_type_comboBox->currentText());
    if (filter.isEmpty())
        return;
    const QString path = desktop::open_file_name(m_window, shown(kSelectPack), m_settings.upgrade_file_path, filter);
    if (path.isEmpty())
        m_settings.upgrade_file_path = ui.upgrade_filename_lineEdit->text();
    else
        take_upgrade_file(path);
}

void FirmwareUpgradePanel::take_upgrade_file(const QString &path)
{
    m_settings.upgrade_file_path = path;
    ui.upgrade_filename_lineEdit->setText(path);
}

void FirmwareUpgradePanel::on_upgrade_type_comboBox_activated(int index)
{
    take_settings();
    m_session.type_activated(index);
    qDebug() << " upgradeMode: " << m_session.upgrade_model();
}

void FirmwareUpgradePanel::on_worktype_comboBox_activated(int index)
{
    if (index != 0 && index != 1)
        return;
    m_settings.upgrade_model_type = index == 0;
    m_settings.work_type = upgrade::work_type_for(m_settings.upgrade_model_type);
    // A choice resets the page and the socket, also for the work type in use.
    m_session.set_work_type(m_settings.work_type);
    take_settings();
}

void FirmwareUpgradePanel::on_query_Button_clicked()
{
    take_settings();
    m_session.query(ui.upgrade_ip_lineEdit->text(), m_ports.transfer_mapping());
}

void FirmwareUpgradePanel::on_upgrade_Button_clicked()
{
    take_settings();
    // The file upgraded is the one the field shows, also when it was typed in.
    const QString path = ui.upgrade_filename_lineEdit->text();
    if (!path.isEmpty())
        m_settings.upgrade_file_path = path;
    m_session.upgrade(ui.upgrade_ip_lineEdit->text(), m_ports.transfer_mapping(), path,
                      ui.upgrade_type_comboBox->currentText());
}

// ---------------------------------------------------------------------------
// What the session reports

void FirmwareUpgradePanel::show_type_list(const upgrade::TypeList &list)
{
    ui.upgrade_type_comboBox->clear();
    ui.upgrade_type_comboBox->addItems(list.items);
    ui.upgrade_type_comboBox->setCurrentIndex(list.current);
    if (list.clear_file_name)
        ui.upgrade_filename_lineEdit->clear();
}

void FirmwareUpgradePanel::show_log(const QString &text)
{
    m_log = text;
    if (text.isEmpty()) {
        ui.textEdit->clear();
        return;
    }
    ui.textEdit->setPlainText(text);
    // The versions are read from the top.
    ui.textEdit->moveCursor(QTextCursor::Start);
}

void FirmwareUpgradePanel::set_controls_enabled(bool enabled)
{
    const bool coming_back = enabled && !ui.upgrade_Button->isEnabled();
    ui.upgrade_Button->setEnabled(enabled);
    ui.worktype_comboBox->setEnabled(enabled);
    // An upgrade that ended leaves the keyboard on the button for the next one.
    if (coming_back)
        ui.upgrade_Button->setFocus();
}

bool FirmwareUpgradePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *move = static_cast<QDragMoveEvent *>(event);
        if (move->mimeData()->hasFormat(kUriList)) {
            move->acceptProposedAction();
            return true;
        }
    } else if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QList<QUrl> urls = drop->mimeData()->urls();
        const QString path = urls.isEmpty() ? QString() : urls.first().toLocalFile();
        if (!path.isEmpty())
            take_upgrade_file(path);
        drop->acceptProposedAction();
        return true;
    }
    return false;
}
