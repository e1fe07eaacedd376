#pragma once

#include "discovery/device_discovery.h"
#include "maintenance/network_config_panel.h"
#include "maintenance/upgrade_pages.h"
#include "support/form_widgets.h"

#include <QObject>
#include <QTimer>

class CameraPorts;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QModelIndex;
class QPoint;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

#define DEVICE_SEARCH_WIDGETS(X) \
    X(QLabel, label_62) \
    X(QComboBox, local_ip_list_comboBox) \
    X(QPushButton, search_Button) \
    X(QTreeWidget, searchTreeWidget) \
    X(QWidget, tab_11) \
    X(QTabWidget, upgrade_tabWidget)

// The Upgrade tab's Search page: the device search on the chosen local network, the list of the
// cameras that answered, and what the installer does with a listed camera: open its web page,
// copy its address, hand it to the Upgrade, Config, Backup or Preview page, reboot it. It owns the
// search (DeviceDiscovery) and sends the Config page's settings to the camera of the current row.
class DeviceSearch : public QObject, public NetworkConfigPanel::Devices, public UpgradePages
{
    Q_OBJECT

public:
    struct Widgets {
        DEVICE_SEARCH_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // The pages of upgrade_tabWidget.
    enum Page { SearchPage = 0, UpgradePage = 1, ConfigPage = 2, BackupPage = 3, PreviewPage = 4 };
    // While answers come, the tree is rebuilt from the list at most this often: the list may
    // trail them by a fraction of a second, and a flood of answers leaves the window's event
    // loop free between the rebuilds (a full list's rebuild takes a few milliseconds).
    static constexpr int kRebuildDelayMs = 200;

    DeviceSearch(const Widgets &widgets, const CameraPorts &ports, QWidget *window);
    ~DeviceSearch() override;

    // The texts set over the form's, which a language switch's re-texting put back.
    void retranslate();
    // Widens a device list column that is narrower than its header text (and sort arrow) needs,
    // in the interface font; a list not shown yet is fitted when it is first shown.
    void fit_columns();

    // UpgradePages
    bool preview_page_open() const override;

    // NetworkConfigPanel::Devices
    std::optional<Dev_info> current_device() const override;
    void send_network_config(const netconfig::NetworkConfig &config) override;

    void on_search_Button_clicked();
    void on_searchTreeWidget_doubleClicked(const QModelIndex &index);
    void onTreeWidgetClicked(QTreeWidgetItem *item, int column);
    void onGrpMenuTriggered(QAction *action);
    // The Copy key: the addresses of the selected rows, one a line.
    void copy_device_rows();

signals:
    // A listed camera handed to another page (its address, or its whole record for the Config page).
    void upgrade_chosen(const QString &address);
    void backup_chosen(const QString &address);
    void preview_chosen(const QString &address);
    void config_chosen(const Dev_info &device);
    // The camera configured last confirmed its new settings ("Set Success").
    void network_config_confirmed();

private:
    void createItemMent();
    void retranslate_menu();
    void show_device_menu(const QPoint &position);
    void schedule_rebuild();
    void show_device_list();
    void rebuild_device_tree();
    void show_device_count();
    void set_success();
    void reboot_current_device();
    QTreeWidgetItem *current_row() const;
    // The search port in use follows the Recorder Map Config tab's Apply.
    void take_search_port();

    const Widgets ui;
    const CameraPorts &m_ports;
    QWidget *m_window;
    DeviceDiscovery device_discovery;
    QMenu *device_menu = nullptr;
    QAction *upgrade_action = nullptr;
    QAction *config_action = nullptr;
    QAction *backup_action = nullptr;
    QAction *preview_action = nullptr;
    QAction *reboot_action = nullptr;
    QTimer m_rebuild_timer;
    bool m_searched = false;
    bool m_fit_waiting = false;
};
