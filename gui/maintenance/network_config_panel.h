#pragma once

#include "discovery/dev_info.h"
#include "discovery/network_config.h"
#include "support/form_widgets.h"

#include <QCoreApplication>
#include <QObject>

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

#define NETWORK_CONFIG_PANEL_WIDGETS(X) \
    X(QComboBox, dhcp_comboBox) \
    X(QLineEdit, fdns_lineEdit) \
    X(QLineEdit, gateway_lineEdit) \
    X(QLineEdit, ip_address_lineEdit) \
    X(QLineEdit, mac1_lineEdit) \
    X(QLineEdit, mac2_lineEdit) \
    X(QLineEdit, mac3_lineEdit) \
    X(QLineEdit, mac4_lineEdit) \
    X(QLineEdit, mac5_lineEdit) \
    X(QLineEdit, mac6_lineEdit) \
    X(QLineEdit, netmask_lineEdit) \
    X(QPushButton, reset_net_pushButton) \
    X(QPushButton, set_net_pushButton)

// The Upgrade tab's Config page: the network settings of the camera chosen in the device list,
// filled from its row, checked by the Set button and sent to it; "Set Success" empties the form.
class NetworkConfigPanel : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        NETWORK_CONFIG_PANEL_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // What the page needs of the device list.
    class Devices
    {
    public:
        virtual ~Devices() = default;
        // The camera of the list's current row, if there is one.
        virtual std::optional<Dev_info> current_device() const = 0;
        // Sends the checked settings to the camera of the current row (or says that none is chosen).
        virtual void send_network_config(const netconfig::NetworkConfig &config) = 0;
    };

    NetworkConfigPanel(const Widgets &widgets, Devices &devices, QWidget *window);

    // The "Config" action of the device list, and the Reset button: the form from a listed camera.
    void fill(const Dev_info &device);
    // The camera confirmed its new settings.
    void clear_form();

    void on_set_net_pushButton_clicked();
    void on_reset_net_pushButton_clicked();
    void on_dhcp_comboBox_currentIndexChanged(int index);

private:
    netconfig::NetworkConfig form() const;
    QList<QLineEdit *> mac_fields() const;

    const Widgets ui;
    Devices &m_devices;
    QWidget *m_window;
};
