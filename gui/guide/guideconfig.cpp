#include "guide/guideconfig.h"

GuideConfig::GuideConfig(QWidget *parent)
    : QWidget(parent)
{
}

void GuideConfig::receiverData(QVariant) {}
void GuideConfig::initGuideConfig() {}
void GuideConfig::setExitVisible(QString) {}
