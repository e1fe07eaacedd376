#include "guide/guideconfig.h"

#include "ui_guideconfig.h"

GuideConfig::GuideConfig(QWidget *parent)
    : QWidget(parent), ui(new Ui::GuideConfig)
{
    ui->setupUi(this);
}

GuideConfig::~GuideConfig()
{
    delete ui;
}

void GuideConfig::receiverData(QVariant) {}
void GuideConfig::initGuideConfig() {}
void GuideConfig::setExitVisible(QString) {}
