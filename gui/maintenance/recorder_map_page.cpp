#include "maintenance/recorder_map_page.h"

#include <QGroupBox>
#include <QPushButton>

RecorderMapPage::RecorderMapPage(const Widgets &widgets)
    : ui(widgets)
{
    connect(ui.recorder_show_param_pushButton, &QPushButton::clicked, this,
            &RecorderMapPage::on_recorder_show_param_pushButton_clicked);
    connect(ui.default_port_Button, &QPushButton::clicked, this, &RecorderMapPage::on_default_port_Button_clicked);
    // The page opens with only the switch, the recorder's address and the buttons.
    fold();
}

void RecorderMapPage::fold() { show_parameters(false); }

void RecorderMapPage::show_parameters(bool shown)
{
    for (QWidget *part : {static_cast<QWidget *>(ui.port_set_groupBox), ui.widget_username, ui.widget_password})
        part->setVisible(shown);
    ui.recorder_show_param_pushButton->setText(shown ? tr("Hide More") : tr("Show More"));
}

void RecorderMapPage::on_recorder_show_param_pushButton_clicked()
{
    show_parameters(ui.port_set_groupBox->isHidden());
}

void RecorderMapPage::on_default_port_Button_clicked() { emit default_ports_wanted(); }
