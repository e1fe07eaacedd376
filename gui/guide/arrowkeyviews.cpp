#include "guide/arrowkeyviews.h"

#include "ui_arrowkeyviews.h"

ArrowKeyViews::ArrowKeyViews(QWidget *parent)
    : QWidget(parent), ui(new Ui::ArrowKeyViews)
{
    ui->setupUi(this);
    // A held button gives one press and one release: the camera moves while it is held and
    // stops as soon as the pointer lets go or leaves the button.
    const struct {
        QPushButton *button;
        void (ArrowKeyViews::*pressed)();
        void (ArrowKeyViews::*released)();
    } holds[] = {
        {ui->ptz_left_up, &ArrowKeyViews::ptz_left_up_pressed, &ArrowKeyViews::ptz_left_up_released},
        {ui->ptz_up, &ArrowKeyViews::ptz_up_pressed, &ArrowKeyViews::ptz_up_released},
        {ui->ptz_right_up, &ArrowKeyViews::ptz_right_up_pressed, &ArrowKeyViews::ptz_right_up_released},
        {ui->ptz_left, &ArrowKeyViews::ptz_left_pressed, &ArrowKeyViews::ptz_left_released},
        {ui->ptz_right, &ArrowKeyViews::ptz_right_pressed, &ArrowKeyViews::ptz_right_released},
        {ui->ptz_left_down, &ArrowKeyViews::ptz_left_down_pressed, &ArrowKeyViews::ptz_left_down_released},
        {ui->ptz_down, &ArrowKeyViews::ptz_down_pressed, &ArrowKeyViews::ptz_down_released},
        {ui->ptz_right_down, &ArrowKeyViews::ptz_right_down_pressed, &ArrowKeyViews::ptz_right_down_released},
        {ui->zoom_in, &ArrowKeyViews::zoom_in_pressed, &ArrowKeyViews::zoom_in_released},
        {ui->zoom_out, &ArrowKeyViews::zoom_out_pressed, &ArrowKeyViews::zoom_out_released},
    };
    for (const auto &hold : holds) {
        connect(hold.button, &QPushButton::pressed, this, hold.pressed);
        connect(hold.button, &QPushButton::released, this, hold.released);
    }
    // Home is one command per click, nothing on press or release.
    connect(ui->ptz_reset, &QPushButton::clicked, this, &ArrowKeyViews::ptz_reset_click);
}

ArrowKeyViews::~ArrowKeyViews()
{
    delete ui;
}

void ArrowKeyViews::setZoomInText()
{
    ui->zoom_in->setText(tr("Zoom in"));
}

void ArrowKeyViews::setZoomOutText()
{
    ui->zoom_out->setText(tr("Zoom out"));
}
