#include "maintenance/network_config_panel.h"

#include "seams/message_box.h"
#include "settings/input_rules.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

NetworkConfigPanel::NetworkConfigPanel(const Widgets &widgets, Devices &devices, QWidget *window)
    : ui(widgets)
    , m_devices(devices)
    , m_window(window)
{
    connect(ui.set_net_pushButton, &QPushButton::clicked, this, &NetworkConfigPanel::on_set_net_pushButton_clicked);
    connect(ui.reset_net_pushButton, &QPushButton::clicked, this, &NetworkConfigPanel::on_reset_net_pushButton_clicked);
    connect(ui.dhcp_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &NetworkConfigPanel::on_dhcp_comboBox_currentIndexChanged);
    // Each MAC field holds one byte: two hexadecimal digits.
    const QRegularExpression macByte(input::mac_byte_pattern());
    for (QLineEdit *edit : mac_fields())
        edit->setValidator(new QRegularExpressionValidator(macByte, m_window));
}

QList<QLineEdit *> NetworkConfigPanel::mac_fields() const
{
    return {ui.mac1_lineEdit, ui.mac2_lineEdit, ui.mac3_lineEdit, ui.mac4_lineEdit, ui.mac5_lineEdit, ui.mac6_lineEdit};
}

netconfig::NetworkConfig NetworkConfigPanel::form() const
{
    netconfig::NetworkConfig config;
    config.dhcp = ui.dhcp_comboBox->currentIndex();
    config.ip = ui.ip_address_lineEdit->text();
    config.netmask = ui.netmask_lineEdit->text();
    config.gateway = ui.gateway_lineEdit->text();
    config.fdns = ui.fdns_lineEdit->text();
    for (QLineEdit *edit : mac_fields())
        config.mac.append(edit->text());
    return config;
}

void NetworkConfigPanel::fill(const Dev_info &device)
{
    const netconfig::NetworkConfig config = netconfig::from_device(device);
    ui.dhcp_comboBox->setCurrentIndex(config.dhcp);
    ui.ip_address_lineEdit->setText(config.ip);
    ui.netmask_lineEdit->setText(config.netmask);
    ui.gateway_lineEdit->setText(config.gateway);
    ui.fdns_lineEdit->setText(config.fdns);
    const QList<QLineEdit *> macs = mac_fields();
    for (int i = 0; i < macs.size(); ++i)
        macs[i]->setText(config.mac.value(i));
}

void NetworkConfigPanel::clear_form()
{
    for (QLineEdit *edit : {ui.ip_address_lineEdit, ui.netmask_lineEdit, ui.gateway_lineEdit, ui.fdns_lineEdit})
        edit->clear();
    for (QLineEdit *edit : mac_fields())
        edit->clear();
}

void NetworkConfigPanel::on_set_net_pushButton_clicked()
{
    const netconfig::NetworkConfig config = form();
    const netconfig::Check check = netconfig::check(config);
    if (check != netconfig::Check::Ok) {
        msgbox::warning(m_window, tr("Warning"), tr(netconfig::check_message(check)));
        return;
    }
    m_devices.send_network_config(config);
}

void NetworkConfigPanel::on_reset_net_pushButton_clicked()
{
    if (const std::optional<Dev_info> device = m_devices.current_device())
        fill(*device);
}

void NetworkConfigPanel::on_dhcp_comboBox_currentIndexChanged(int index)
{
    // A camera on DHCP takes its address, mask, gateway and DNS server from the network; its MAC
    // address stays the installer's to set.
    const bool manual = index == 0;
    for (QLineEdit *edit : {ui.ip_address_lineEdit, ui.netmask_lineEdit, ui.gateway_lineEdit, ui.fdns_lineEdit})
        edit->setEnabled(manual);
}
