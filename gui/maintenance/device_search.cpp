#include "maintenance/device_search.h"

#include "model/camera_ports.h"
#include "seams/desktop_services.h"
#include "seams/message_box.h"
#include "support/next_show.h"
#include "transfer/notice.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDebug>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>
#include <iterator>

using transfer::shown;

namespace {
// Columns of the device list.
enum Column { kNumber = 0, kAddress = 1, kNetmask = 2, kGateway = 3, kUptime = 4, kVersion = 5, kModel = 6,
              kMac = 7, kDeviceId = 8, kDns = 9, kDhcp = 10 };
const int kColumnWidths[] = {50, 118, 118, 118, 118, 65, 65, 150, 238, 118, 65};

const char *const kWarning = QT_TRANSLATE_NOOP("MainWindow", "Warning");
const char *const kInformation = QT_TRANSLATE_NOOP("MainWindow", "Information");
const char *const kDevices = QT_TRANSLATE_NOOP("MainWindow", "Devices: ");
const char *const kNotListed = QT_TRANSLATE_NOOP("MainWindow", "(%1 more answered, not listed)");
const char *const kInitFailed = QT_TRANSLATE_NOOP("MainWindow", "Initializes the multicast failure");
const char *const kJoinFailed = QT_TRANSLATE_NOOP("MainWindow", "Join the multicast group fail");
const char *const kSelectDevice = QT_TRANSLATE_NOOP("MainWindow", "Please select the need to configure the equipment");
const char *const kSetSuccess = QT_TRANSLATE_NOOP("MainWindow", "Set Success");
const char *const kRebootQuestion = QT_TRANSLATE_NOOP("MainWindow", "Do you really want reboot?");
const char *const kUpgrade = QT_TRANSLATE_NOOP("MainWindow", "Upgrade");
const char *const kConfig = QT_TRANSLATE_NOOP("MainWindow", "Config");
const char *const kBackup = QT_TRANSLATE_NOOP("MainWindow", "Backup");
const char *const kPreview = QT_TRANSLATE_NOOP("MainWindow", "Preview");
const char *const kReboot = QT_TRANSLATE_NOOP("MainWindow", "Reboot");
} // namespace

DeviceSearch::DeviceSearch(const Widgets &widgets, const CameraPorts &ports, QWidget *window)
    : ui(widgets)
    , m_ports(ports)
    , m_window(window)
{
    // The Upgrade tab opens on its Search page. A page that becomes current is laid out at once,
    // even in a hidden tab, and measuring the page's texts looks through every fallback font for
    // the full-width colon of "Devices："; the page is laid out when it is first shown instead.
    QLayout *searchLayout = ui.upgrade_tabWidget->widget(SearchPage)->layout();
    if (searchLayout)
        searchLayout->setEnabled(false);
    ui.upgrade_tabWidget->setCurrentIndex(SearchPage);
    if (searchLayout)
        searchLayout->setEnabled(true);
    for (int column = 0; column < int(std::size(kColumnWidths)); ++column)
        ui.searchTreeWidget->setColumnWidth(column, kColumnWidths[column]);
    ui.searchTreeWidget->setSortingEnabled(true);
    for (const DeviceDiscovery::LocalAddress &local : device_discovery.local_ip_list())
        ui.local_ip_list_comboBox->addItem(local.label);
    createItemMent();

    connect(ui.search_Button, &QPushButton::clicked, this, &DeviceSearch::on_search_Button_clicked);
    connect(ui.searchTreeWidget, &QTreeWidget::itemClicked, this, &DeviceSearch::onTreeWidgetClicked);
    connect(ui.searchTreeWidget, &QTreeWidget::doubleClicked, this, &DeviceSearch::on_searchTreeWidget_doubleClicked);
    ui.searchTreeWidget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui.searchTreeWidget, &QWidget::customContextMenuRequested, this, &DeviceSearch::show_device_menu);
    // The Copy key anywhere in the window that no field takes it for itself.
    auto *copy = new QShortcut(QKeySequence::Copy, m_window);
    connect(copy, &QShortcut::activated, this, &DeviceSearch::copy_device_rows);

    m_rebuild_timer.setSingleShot(true);
    m_rebuild_timer.setInterval(kRebuildDelayMs);
    connect(&m_rebuild_timer, &QTimer::timeout, this, &DeviceSearch::show_device_list);
    connect(&device_discovery, &DeviceDiscovery::device_list_changed, this, &DeviceSearch::schedule_rebuild);
    connect(&device_discovery, &DeviceDiscovery::set_success, this, &DeviceSearch::set_success);
}

DeviceSearch::~DeviceSearch() = default;

void DeviceSearch::retranslate()
{
    show_device_count();
    retranslate_menu();
}

void DeviceSearch::fit_columns()
{
    // Measuring the headers loads their font, which nothing else on a page not yet opened needs.
    if (!ui.searchTreeWidget->isVisible()) {
        if (!m_fit_waiting)
            on_next_show(ui.searchTreeWidget, [this] {
                m_fit_waiting = false;
                fit_columns();
            });
        m_fit_waiting = true;
        return;
    }
    QHeaderView *header = ui.searchTreeWidget->header();
    for (int column = 0; column < header->count(); ++column)
        header->resizeSection(column, std::max(header->sectionSize(column), header->sectionSizeHint(column)));
}

bool DeviceSearch::preview_page_open() const { return ui.upgrade_tabWidget->currentWidget() == ui.tab_11; }

void DeviceSearch::take_search_port() { device_discovery.set_mcast_port(m_ports.values().mcast_port); }

// ---------------------------------------------------------------------------
// The search and the list

void DeviceSearch::on_search_Button_clicked()
{
    m_searched = true;
    show_device_count();
    take_search_port();
    switch (device_discovery.search(ui.local_ip_list_comboBox->currentIndex())) {
    case DeviceDiscovery::SearchOutcome::Sent:
        break;
    case DeviceDiscovery::SearchOutcome::InitFailed:
        msgbox::warning(m_window, shown(kWarning), shown(kInitFailed));
        break;
    case DeviceDiscovery::SearchOutcome::JoinFailed:
        msgbox::warning(m_window, shown(kWarning), shown(kJoinFailed));
        break;
    }
}

void DeviceSearch::schedule_rebuild()
{
    // A new search empties the tree at once; answers are gathered into one rebuild.
    if (device_discovery.device_list().empty() && device_discovery.left_out() == 0) {
        m_rebuild_timer.stop();
        rebuild_device_tree();
    } else if (!m_rebuild_timer.isActive()) {
        m_rebuild_timer.start();
    }
}

void DeviceSearch::show_device_list()
{
    // Between two searches the list only grows: a tree with as many rows as the list shows it
    // already, and only the count of the answers left out of a full list changed.
    if (ui.searchTreeWidget->topLevelItemCount() == int(device_discovery.device_list().size()))
        show_device_count();
    else
        rebuild_device_tree();
}

void DeviceSearch::rebuild_device_tree()
{
    QTreeWidget *tree = ui.searchTreeWidget;
    tree->clear();
    int number = 0;
    for (const Dev_info &device : device_discovery.device_list()) {
        auto *item = new QTreeWidgetItem;
        item->setText(kNumber, QString::number(++number));
        const QString cells[] = {device.ip,      device.netmask, device.gateway,   device.uptime, device.version,
                                 device.device_model, device.mac, device.device_id, device.fdns};
        for (int i = 0; i < int(std::size(cells)); ++i) {
            if (!cells[i].isEmpty())
                item->setText(kAddress + i, cells[i]);
        }
        item->setText(kDhcp, device.dhcp ? QStringLiteral("true") : QStringLiteral("false"));
        tree->addTopLevelItem(item);
    }
    // The numbers are texts: from ten rows on they sort as 1, 10, 11, ..., 2.
    tree->sortItems(kNumber, Qt::AscendingOrder);
    show_device_count();
}

void DeviceSearch::show_device_count()
{
    // The form's text stands until the first search; from then on the count of the cameras that
    // answered, left open until one does.
    if (!m_searched)
        return;
    const size_t count = device_discovery.device_list().size();
    QString text = shown(kDevices) + (count > 0 ? QString::number(count) : QString());
    if (device_discovery.left_out() > 0)
        text += QLatin1Char(' ') + shown(kNotListed).arg(device_discovery.left_out());
    ui.label_62->setText(text);
}

QTreeWidgetItem *DeviceSearch::current_row() const { return ui.searchTreeWidget->currentItem(); }

std::optional<Dev_info> DeviceSearch::current_device() const
{
    const QTreeWidgetItem *row = current_row();
    if (!row)
        return std::nullopt;
    for (const Dev_info &device : device_discovery.device_list()) {
        if (device.device_id == row->text(kDeviceId))
            return device;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// Messages to the camera of the current row

void DeviceSearch::send_network_config(const netconfig::NetworkConfig &config)
{
    const QTreeWidgetItem *row = current_row();
    if (!row) {
        msgbox::warning(m_window, shown(kWarning), shown(kSelectDevice));
        ui.upgrade_tabWidget->setCurrentIndex(UpgradePage);
        return;
    }
    take_search_port();
    device_discovery.send_network_config(ui.local_ip_list_comboBox->currentIndex(), config, row->text(kDeviceId));
}

void DeviceSearch::set_success()
{
    msgbox::information(m_window, shown(kInformation), shown(kSetSuccess));
    ui.upgrade_tabWidget->setCurrentIndex(SearchPage);
    emit network_config_confirmed();
}

void DeviceSearch::reboot_current_device()
{
    // The camera is the one the question named, even when a search emptied the list meanwhile.
    const QString device_id = current_row()->text(kDeviceId);
    const QMessageBox::StandardButton answer = msgbox::warning(m_window, shown(kInformation), shown(kRebootQuestion),
                                                               QMessageBox::Ok | QMessageBox::Cancel);
    if (answer != QMessageBox::Ok)
        return;
    take_search_port();
    device_discovery.send_reboot(ui.local_ip_list_comboBox->currentIndex(), device_id);
}

// ---------------------------------------------------------------------------
// Gestures on the list

void DeviceSearch::createItemMent()
{
    device_menu = new QMenu(m_window);
    upgrade_action = device_menu->addAction(QString());
    config_action = device_menu->addAction(QString());
    backup_action = device_menu->addAction(QString());
    preview_action = device_menu->addAction(QString());
    reboot_action = device_menu->addAction(QString());
    for (QAction *action : device_menu->actions())
        connect(action, &QAction::triggered, this, [this, action] { onGrpMenuTriggered(action); });
    retranslate_menu();
}

void DeviceSearch::retranslate_menu()
{
    upgrade_action->setText(shown(kUpgrade));
    config_action->setText(shown(kConfig));
    backup_action->setText(shown(kBackup));
    preview_action->setText(shown(kPreview));
    reboot_action->setText(shown(kReboot));
}

void DeviceSearch::show_device_menu(const QPoint &position)
{
    if (!current_row())
        return;
    retranslate_menu();
    device_menu->popup(ui.searchTreeWidget->viewport()->mapToGlobal(position));
}

void DeviceSearch::onGrpMenuTriggered(QAction *action)
{
    const QTreeWidgetItem *row = current_row();
    if (!row)
        return;
    if (action == upgrade_action) {
        ui.upgrade_tabWidget->setCurrentIndex(UpgradePage);
        emit upgrade_chosen(row->text(kAddress));
    } else if (action == config_action) {
        ui.upgrade_tabWidget->setCurrentIndex(ConfigPage);
        if (const std::optional<Dev_info> device = current_device())
            emit config_chosen(*device);
    } else if (action == backup_action) {
        ui.upgrade_tabWidget->setCurrentIndex(BackupPage);
        emit backup_chosen(row->text(kAddress));
    } else if (action == preview_action) {
        ui.upgrade_tabWidget->setCurrentIndex(PreviewPage);
        emit preview_chosen(row->text(kAddress));
    } else if (action == reboot_action) {
        reboot_current_device();
    }
}

void DeviceSearch::onTreeWidgetClicked(QTreeWidgetItem *item, int column)
{
    if (!item)
        return;
    if (column != kAddress) {
        qDebug() << "Clicked column index:" << column << "Value:" << item->text(column);
        return;
    }
    const QUrl url(QStringLiteral("http://") + item->text(column));
    if (url.isValid() && !url.host().isEmpty())
        desktop::open_url(url);
    else
        qDebug() << "Invalid URL:" << url.toString();
}

void DeviceSearch::on_searchTreeWidget_doubleClicked(const QModelIndex &)
{
    if (const QTreeWidgetItem *row = current_row()) {
        ui.upgrade_tabWidget->setCurrentIndex(UpgradePage);
        emit upgrade_chosen(row->text(kAddress));
    }
}

void DeviceSearch::copy_device_rows()
{
    QStringList addresses;
    for (const QTreeWidgetItem *row : ui.searchTreeWidget->selectedItems())
        addresses << row->text(kAddress);
    QApplication::clipboard()->setText(addresses.join(QLatin1Char('\n')));
}
