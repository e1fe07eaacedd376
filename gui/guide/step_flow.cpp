#include "guide/step_flow.h"

#include "core/wait.h"
#include "guide/address_check.h"
#include "guide/buttomview.h"
#include "model/guide_state.h"
#include "net/wizard_link.h"
#include "protocol/camera_address.h"
#include "protocol/tracking_command.h"
#include "seams/message_box.h"

#include <QDebug>
#include <QHostAddress>
#include <QTreeWidgetItemIterator>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>

using camera_slot::Side;
using camera_slot::Slot;

namespace {
constexpr int kStudentBlockWaitMs = 100; // the student block goes out before the previews connect

// The step list: each step's parent (0 device manager, 1 teacher, 2 student, 3 director) and name.
struct StepName {
    int parent;
    const char *name;
};
const StepName kSteps[StepFlow::kStepCount] = {
    {0, QT_TRANSLATE_NOOP("GuideConfig", "Camera Settings")},
    {1, QT_TRANSLATE_NOOP("GuideConfig", "Calibration Pano")},
    {1, QT_TRANSLATE_NOOP("GuideConfig", "Track Mode")},
    {1, QT_TRANSLATE_NOOP("GuideConfig", "Region Settings")},
    {1, QT_TRANSLATE_NOOP("GuideConfig", "Set Preset")},
    {1, QT_TRANSLATE_NOOP("GuideConfig", "Advanced Options")},
    {1, QT_TRANSLATE_NOOP("GuideConfig", "Track Test")},
    {2, QT_TRANSLATE_NOOP("GuideConfig", "Calibration Pano")},
    {2, QT_TRANSLATE_NOOP("GuideConfig", "Region Settings")},
    {2, QT_TRANSLATE_NOOP("GuideConfig", "Set Preset")},
    {2, QT_TRANSLATE_NOOP("GuideConfig", "Advanced Options")},
    {2, QT_TRANSLATE_NOOP("GuideConfig", "Track Test")},
    {3, QT_TRANSLATE_NOOP("GuideConfig", "Director Strategy")},
};
// The numbered parents: the number is not translated, the name is.
const char *const kParents[4] = {
    QT_TRANSLATE_NOOP("GuideConfig", "Device Manager"),
    QT_TRANSLATE_NOOP("GuideConfig", "Teacher"),
    QT_TRANSLATE_NOOP("GuideConfig", "Student"),
    QT_TRANSLATE_NOOP("GuideConfig", "Director"),
};
enum Parent { DeviceManager, TeacherSteps, StudentSteps, DirectorSteps };

// The first page of each parent's steps, by the item's row below it.
constexpr int kFirstTeacherPage = 1;
constexpr int kFirstStudentPage = 7;

const char *bool_text(bool b) { return b ? "true" : "false"; }
} // namespace

StepFlow::StepFlow(const Widgets &widgets, GuideState &state, WizardLink &link, AddressCheck &check, QWidget *window)
    : w(widgets)
    , m_state(state)
    , m_link(link)
    , m_check(check)
    , m_window(window)
{
    bottom_bars = {w.bottom_step1, w.bottom_step2, w.bottom_step3,  w.bottom_step4,  w.bottom_step5,
                   w.bottom_step6, w.bottom_step7, w.bottom_step8,  w.bottom_step9,  w.bottom_step10,
                   w.bottom_step11, w.bottom_step12, w.bottom_step13};
    init_step_tree();
    w.treeWidget->expandAll();
    w.bottom_step1->setPreviousStepVisible(false);
    for (ButtomView *bar : bottom_bars) {
        connect(bar, &ButtomView::previous_step_clicked, this, &StepFlow::previous_step_clicked);
        connect(bar, &ButtomView::apply_clicked, this, &StepFlow::apply_clicked);
        connect(bar, &ButtomView::next_step_clicked, this, &StepFlow::next_step_clicked);
    }
    connect(w.exit_pushButton, &QPushButton::clicked, this, &StepFlow::on_exit_pushButton_clicked);
    connect(w.stackedWidget, &QStackedWidget::currentChanged, this, &StepFlow::on_stackedWidget_currentChanged);
    m_link.set_page(w.stackedWidget->currentIndex());
}

void StepFlow::init_step_tree()
{
    w.treeWidget->clear();
    w.treeWidget->setStyleSheet(QStringLiteral("QTreeWidget::item{height:22px;}"));
    for (int i = 0; i < 4; ++i) {
        m_parents[size_t(i)] = new QTreeWidgetItem(w.treeWidget);
        m_parents[size_t(i)]->setFlags(Qt::ItemIsEnabled);
    }
    for (int i = 0; i < kStepCount; ++i)
        step_items[size_t(i)] = new QTreeWidgetItem(m_parents[size_t(kSteps[i].parent)]);
    translate_step_tree();
    w.treeWidget->setCurrentItem(step_items[kCameraSettings]);
    connect(w.treeWidget, &QTreeWidget::itemClicked, this, &StepFlow::treeWidgetItemClicked);
}

void StepFlow::translate_step_tree()
{
    w.treeWidget->setHeaderLabel(tr("Config steps"));
    for (int i = 0; i < 4; ++i)
        m_parents[size_t(i)]->setText(0, QString::number(i + 1) + QLatin1Char('.') + tr(kParents[i]));
    for (int i = 0; i < kStepCount; ++i)
        step_items[size_t(i)]->setText(0, tr(kSteps[i].name));
    for (ButtomView *bar : bottom_bars) {
        bar->retranslateNextStep();
        bar->retranslatePreviousStep();
    }
    // The last Apply is known by its text in the language in use.
    if (m_finish_shown)
        w.bottom_step13->setGuideFinishVisible(true);
}

void StepFlow::set_calibration_steps_hidden(bool hidden)
{
    const QString calibration = tr("Calibration Pano");
    for (QTreeWidgetItemIterator it(w.treeWidget); *it; ++it) {
        if ((*it)->text(0) == calibration) {
            qDebug() << "choose camera --" << (*it)->text(0);
            (*it)->setHidden(hidden);
        }
    }
}

void StepFlow::setExitVisible(const QString &state)
{
    qDebug() << "GuideConfig::setExitVisible:" << state;
    for (ButtomView *bar : bottom_bars)
        bar->setExitButtonVisible(state != QLatin1String("0"));
}

void StepFlow::show_first_step()
{
    w.stackedWidget->setCurrentIndex(kCameraSettings);
    w.treeWidget->setCurrentItem(step_items[kCameraSettings]);
}

QTreeWidgetItem *StepFlow::step_item(int page) const
{
    return page >= 0 && page < kStepCount ? step_items[size_t(page)] : nullptr;
}

int StepFlow::layout() const { return m_state.current_number_camera; }

bool StepFlow::refused(const char *what) const
{
    if (!busy())
        return false;
    qDebug() << "GuideConfig::" << what << "refused: a step is busy";
    return true;
}

void StepFlow::go_to(int page)
{
    QTreeWidgetItem *item = step_item(page);
    if (!item)
        return;
    w.treeWidget->setCurrentItem(item);
    item->setSelected(true);
    w.stackedWidget->setCurrentIndex(page);
}

void StepFlow::show_guide_finish()
{
    m_finish_shown = true;
    w.bottom_step13->setNextStepVisible(false);
    w.bottom_step13->setGuideFinishVisible(true);
}

void StepFlow::next_step_clicked()
{
    if (refused("Next"))
        return;
    m_state.tree_item_clicked = false;
    QTreeWidgetItem *item = w.treeWidget->currentItem();
    const bool selected = item && item->isSelected();
    qDebug() << "GuideConfig::treeWidgetSelected:" << bool_text(selected);
    if (!selected) {
        const int i = w.stackedWidget->currentIndex();
        if (i == kDirectorStrategy) {
            show_guide_finish();
            return;
        }
        int target = i + 1;
        if (layout() == 0 && (i == 0 || i == 6))
            target = i + 2;
        qDebug() << "GuideConfig::Next:" << target;
        go_to(target);
        return;
    }
    emit addresses_wanted();
    QTreeWidgetItem *parent = item->parent();
    if (!parent)
        return;
    qDebug() << "GuideConfig::treeParentText:" << parent->text(0);
    const int row = parent->indexOfChild(item);
    if (parent == m_parents[DeviceManager]) {
        if (layout() != 0) {
            go_to(1);
            return;
        }
        m_checking = true;
        const bool usable = m_check.checkAddress(m_state.t_feature_ip_edit)
                            || m_check.checkAddress(m_state.s_feature_ip_edit);
        m_checking = false;
        if (usable)
            go_to(2);
    } else if (parent == m_parents[TeacherSteps]) {
        qDebug() << "GuideConfig::teacherIndex:" << row;
        if (row >= 0 && row <= 4)
            go_to(row + 2);
        else if (row == 5)
            go_to(layout() == 0 ? 8 : 7);
    } else if (parent == m_parents[StudentSteps]) {
        if (row >= 0 && row <= 3) {
            go_to(row + 8);
        } else if (row == 4) {
            go_to(kDirectorStrategy);
            show_guide_finish();
        }
    } else if (parent == m_parents[DirectorSteps]) {
        qDebug() << "------configuration is complete!";
    }
}

void StepFlow::previous_step_clicked()
{
    qDebug() << "GuideConfig::on_previous_step_clicked";
    if (refused("Back"))
        return;
    QTreeWidgetItem *item = w.treeWidget->currentItem();
    const bool selected = item && item->isSelected();
    qDebug() << "GuideConfig::treeWidgetSelected:" << bool_text(selected);
    if (!selected) {
        const int i = w.stackedWidget->currentIndex();
        if (i == kCameraSettings) {
            w.bottom_step1->setPreviousStepVisible(false);
            return;
        }
        int target = i - 1;
        if (layout() == 0 && (i == 2 || i == 8))
            target = i - 2;
        qDebug() << "GuideConfig::Back:" << target;
        go_to(target);
        return;
    }
    QTreeWidgetItem *parent = item->parent();
    if (!parent)
        return;
    qDebug() << "GuideConfig::treeParentText:" << parent->text(0);
    const int row = parent->indexOfChild(item);
    if (parent == m_parents[DeviceManager]) {
        qDebug() << "GuideConfig::" << "------it's already the first!";
    } else if (parent == m_parents[TeacherSteps]) {
        if (row == 0 || (row == 1 && layout() == 0))
            go_to(kCameraSettings);
        else if (row >= 1 && row <= 5)
            go_to(row);
    } else if (parent == m_parents[StudentSteps]) {
        if (row == 0 || (row == 1 && layout() == 0))
            go_to(6);
        else if (row >= 1 && row <= 4)
            go_to(row + 6);
    } else if (parent == m_parents[DirectorSteps]) {
        go_to(11);
    }
}

void StepFlow::treeWidgetItemClicked(QTreeWidgetItem *item, int column)
{
    qDebug() << "GuideConfig::treeWidgetItemClicked:";
    if (refused("treeWidgetItemClicked") || !item)
        return;
    m_state.tree_item_clicked = true;
    QTreeWidgetItem *parent = item->parent();
    if (!parent)
        return;
    qDebug() << "GuideConfig::treeWidgetItemClicked->treeParentText" << parent->text(column);
    const int row = parent->indexOfChild(item);
    if (parent == m_parents[DeviceManager]) {
        w.stackedWidget->setCurrentIndex(kCameraSettings);
    } else if (parent == m_parents[TeacherSteps]) {
        emit addresses_wanted();
        if (row >= 0 && row <= 5)
            w.stackedWidget->setCurrentIndex(row + kFirstTeacherPage);
    } else if (parent == m_parents[StudentSteps]) {
        emit addresses_wanted();
        if (row >= 0 && row <= 4) {
            item->setSelected(true);
            w.stackedWidget->setCurrentIndex(row + kFirstStudentPage);
        }
    } else if (parent == m_parents[DirectorSteps]) {
        w.stackedWidget->setCurrentIndex(kDirectorStrategy);
        show_guide_finish();
    }
}

void StepFlow::apply_clicked()
{
    if (!refused("apply_clicked") && w.bottom_step13->applyText() == tr("Guide Finish")) {
        const QMessageBox::StandardButton answer =
            msgbox::information(m_window, tr("Information"),
                                tr("Config is complete. Do you want to go to the home page now?"),
                                QMessageBox::Ok | QMessageBox::Cancel);
        if (answer == QMessageBox::Ok) {
            emit finish_wanted();
            qDebug() << "GuideConfig::apply_clicked: exit guide config!!";
        }
    }
    qDebug() << "GuideConfig::on_apply_clicked";
}

bool StepFlow::ask_exit()
{
    return msgbox::information(m_window, tr("Information"),
                               tr("Exiting the wizard configuration,other operations will be interrupted!"),
                               QMessageBox::Ok | QMessageBox::Cancel)
           == QMessageBox::Ok;
}

void StepFlow::on_exit_pushButton_clicked()
{
    qDebug() << "GuideConfig::on_exit_clicked";
    if (!refused("on_exit_clicked") && ask_exit())
        emit finish_wanted();
}

void StepFlow::warn_input_empty()
{
    msgbox::warning(m_window, tr("Warning"), tr("输入为空!"));
}

void StepFlow::warn_connect_camera()
{
    msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
}

bool StepFlow::addresses_given(const QString &first, const QString &second)
{
    if (!first.isEmpty() || !second.isEmpty())
        return true;
    warn_input_empty();
    return false;
}

bool StepFlow::side_linked(Side side) const
{
    return m_link.destination(side == Side::Teacher ? Slot::TeacherPano : Slot::StudentPano) != nullptr;
}

void StepFlow::on_stackedWidget_currentChanged(int index)
{
    m_link.set_page(index);
    // The entry's waits handle events: a page shown meanwhile has its entry right after.
    if (m_entering) {
        m_pending_entry = index;
        return;
    }
    m_entering = true;
    for (int page = index; page >= 0;) {
        m_pending_entry = -1;
        enter_step(page);
        page = m_pending_entry;
    }
    m_entering = false;
}

void StepFlow::enter_step(int page)
{
    qDebug() << "GuideConfig::treeWidgetSelected 左侧菜单--:" << page;
    const GuideState &s = m_state;
    const bool two = layout() == 0;
    switch (page) {
    case 0:
        qDebug() << "CameraConfig !!!";
        break;
    case 1:
        if (!addresses_given(s.t_feature_ip_edit, s.t_pano_ip_edit))
            return;
        m_state.student_step = false;
        break;
    case 2: {
        const QString address = camera_address::address_part(s.t_feature_ip_edit);
        if (two && !m_check.verifyHostOnLine(address)) {
            qDebug() << "teacherTrackingMode verifyHostOnLine:";
            m_link.set_connected(Slot::TeacherPano, false);
            m_link.delete_teacher_destinations();
            return;
        }
        m_state.student_step = false;
        if (side_linked(Side::Teacher)) {
            if (!s.tree_item_clicked)
                emit sign_teacher_params_complete();
        } else if (!two) {
            warn_connect_camera();
            return;
        } else {
            QHostAddress *pano = m_link.set_destination(Slot::TeacherPano, address);
            m_link.startTeacherPanoTcp(address);
            m_link.set_connected(Slot::TeacherPano, true);
            m_link.sendMsg_Net(pano, WizardLink::kTrackingPort,
                               tracking_command::tracking_status_request(QStringLiteral("teacher_parameter")), false);
            emit sign_teacher_params_complete();
            qDebug() << "teacherTrackingMode tmp_pano_ip:" << address;
        }
        break;
    }
    case 3:
        if (!addresses_given(two ? s.t_feature_ip_edit : s.t_pano_ip_edit, QString()))
            return;
        m_state.student_step = false;
        break;
    case 4:
    case 6:
        if (!addresses_given(s.t_feature_ip_edit, two ? s.t_feature_ip_edit : s.t_pano_ip_edit))
            return;
        m_state.student_step = false;
        if (page == 4) {
            if (!side_linked(Side::Teacher))
                warn_connect_camera();
            else if (!s.tree_item_clicked)
                emit sign_teacher_params_complete();
        }
        break;
    case 5:
        qDebug() << "TeacherAdvanced !!!";
        if (!side_linked(Side::Teacher))
            warn_connect_camera();
        m_state.student_step = false;
        break;
    case 7:
    case 9:
    case 11:
        if (!addresses_given(s.s_feature_ip_edit, (two && page != 7) ? s.s_feature_ip_edit : s.s_pano_ip_edit))
            return;
        m_state.student_step = true;
        if (page != 11 && side_linked(Side::Student) && !s.tree_item_clicked) {
            emit student_apply_wanted();
            wait_ms(kStudentBlockWaitMs);
        }
        break;
    case 8:
        if (!addresses_given(two ? s.s_feature_ip_edit : s.s_pano_ip_edit, QString()))
            return;
        m_state.student_step = true;
        break;
    case 10:
        if (!side_linked(Side::Student))
            warn_connect_camera();
        m_state.student_step = true;
        break;
    case kDirectorStrategy:
        qDebug() << "director strategy!!!";
        break;
    default:
        return;
    }
    emit step_entered(page);
}
