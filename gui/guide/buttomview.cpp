#include "guide/buttomview.h"

#include "ui_buttomview.h"

ButtomView::ButtomView(QWidget *parent)
    : QWidget(parent), ui(new Ui::ButtomView)
{
    ui->setupUi(this);
    connect(ui->exit, &QPushButton::clicked, this, &ButtomView::exit_clicked);
    connect(ui->previous_step, &QPushButton::clicked, this, &ButtomView::previous_step_clicked);
    connect(ui->apply, &QPushButton::clicked, this, &ButtomView::apply_clicked);
    connect(ui->next_step, &QPushButton::clicked, this, &ButtomView::next_step_clicked);
    ui->apply->hide();
    ui->exit->hide();
}

ButtomView::~ButtomView()
{
    delete ui;
}

void ButtomView::setPreviousStepVisible(bool visible)
{
    ui->previous_step->setVisible(visible);
}

void ButtomView::setNextStepVisible(bool visible)
{
    ui->next_step->setVisible(visible);
}

void ButtomView::setGuideFinishVisible(bool visible)
{
    ui->apply->setVisible(visible);
    if (visible)
        ui->apply->setText(tr("Guide Finish"));
}

// The wizard leaves by its own exit panel beside the step list, on every page; a second exit
// button in each bar would only repeat it, so the bar's stays hidden whatever the stored state.
void ButtomView::setExitButtonVisible(bool)
{
}

void ButtomView::retranslateNextStep()
{
    ui->next_step->setText(tr("Next"));
}

void ButtomView::retranslatePreviousStep()
{
    ui->previous_step->setText(tr("Back"));
}

QString ButtomView::applyText() const
{
    return ui->apply->text();
}
