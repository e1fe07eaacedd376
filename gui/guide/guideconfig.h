#pragma once

#include <QVariant>
#include <QWidget>

// The first-run wizard.
class GuideConfig : public QWidget
{
    Q_OBJECT
public:
    explicit GuideConfig(QWidget *parent = nullptr);

    void receiverData(QVariant data);
    void initGuideConfig();
    void setExitVisible(QString visible);

signals:
    void setupCompleted();
    void transferData(QVariant data);
};
