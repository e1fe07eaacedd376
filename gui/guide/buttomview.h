#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class ButtomView;
}

// The navigation bar at the foot of each wizard page: exit, Back, Apply and Next. It turns the
// clicks into signals and lets the wizard show, hide and re-text its buttons; what a click does is
// the wizard's business.
class ButtomView : public QWidget
{
    Q_OBJECT
public:
    explicit ButtomView(QWidget *parent);
    ~ButtomView() override;

    void setPreviousStepVisible(bool visible);
    void setNextStepVisible(bool visible);
    // Shows Apply as the wizard's last button ("Guide Finish"); hiding it keeps whatever it says.
    void setGuideFinishVisible(bool visible);
    void setExitButtonVisible(bool visible);
    void retranslateNextStep();
    void retranslatePreviousStep();
    QString applyText() const;

signals:
    void exit_clicked();
    void previous_step_clicked();
    void apply_clicked();
    void next_step_clicked();

private:
    Ui::ButtomView *ui;
};
