#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>

namespace Ui {
class GuideConfig;
}

// The first-run wizard.
class GuideConfig : public QWidget
{
    Q_OBJECT
public:
    explicit GuideConfig(QWidget *parent = nullptr);
    ~GuideConfig() override;

    void receiverData(QVariant data);
    void initGuideConfig();
    void setExitVisible(QString visible);

    // What the last page's Apply button says once the director step is reached: the bar sets it
    // in its own translation context, and the wizard knows the end by this text in its own, so
    // every catalogue must word it alike in both.
    static QString finishText() { return tr("Guide Finish"); }

signals:
    void setupCompleted();
    void transferData(QVariant data);

private:
    Ui::GuideConfig *ui;
};
