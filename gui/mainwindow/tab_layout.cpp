#include "mainwindow/tab_layout.h"

#include "core/wait.h"
#include "net/control_link.h"
#include "support/value_widgets.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr int kNarrowWidth = 899;   // the window as it starts, the parameter panels folded
constexpr int kNarrowWidthMin = 894; // the narrowest width a folded window is taken to have
constexpr int kWideWidth = 1164;    // a parameter panel unfolded
constexpr int kWindowHeight = 757;
constexpr int kNoticeMs = 1000;     // a status notice stays this long

} // namespace

TabLayout::TabLayout(const Widgets &widgets, const TeacherSection &teacher, const StudentSection &student,
                     WindowChoices &choices, ControlLink &link, QWidget *window)
    : ui(widgets)
    , m_teacher(teacher)
    , m_student(student)
    , m_link(link)
    , m_window(window)
{
    value_widgets::keep_index(this, ui.choose_camera_comboBox, choices.camera_layout);
    tell_link_main_tabs();
    connect(ui.choose_camera_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TabLayout::on_choose_camera_comboBox_currentIndexChanged);
    connect(ui.tabWidget, &QTabWidget::currentChanged, this, &TabLayout::on_tabWidget_currentChanged);
    connect(ui.teacher_show_param_pushButton, &QPushButton::clicked, this,
            &TabLayout::on_teacher_show_param_pushButton_clicked);
    connect(ui.student_show_param_pushButton, &QPushButton::clicked, this,
            &TabLayout::on_student_show_param_pushButton_clicked);
    connect(ui.board_show_param_pushButton, &QPushButton::clicked, this,
            &TabLayout::on_board_show_param_pushButton_clicked);
    connect(ui.director_show_param_pushButton, &QPushButton::clicked, this,
            &TabLayout::on_director_show_param_pushButton_clicked);
    connect(ui.upgrade_show_param_pushButton, &QPushButton::clicked, this,
            &TabLayout::on_upgrade_show_param_pushButton_clicked);
    // The status strips show only while a notice shows; the window starts on the Teacher tab.
    ui.teacher_tip_label->hide();
    ui.student_tip_label->hide();
    ui.tabWidget->setCurrentIndex(0);
}

void TabLayout::set_widget_status(int camera, bool enable)
{
    if (camera >= 0 && camera <= 2)
        emit widget_status_changed(camera, enable);
}

void TabLayout::disable_board_widgets()
{
    set_widget_status(2, false);
    emit board_widgets_disabled();
}

void TabLayout::set_customer_disable()
{
    if (customer_model())
        disable_board_widgets();
}

void TabLayout::update_tab_enabled(bool enable)
{
    const int count = ui.tabWidget->count();
    const int current = ui.tabWidget->currentIndex();
    qDebug() << "tabCount:" << count - 1 << ",localCurrentIndex:" << current;
    // The current tab stays usable: a connection or request runs on it.
    for (int i = 0; i < count; ++i) {
        if (i != current)
            ui.tabWidget->setTabEnabled(i, enable);
    }
}

void TabLayout::widgetChanged(int layout)
{
    qDebug() << "MainWindow::widgetChanged:" << layout;
    if (layout < 0 || layout > 3)
        return;

    // With two cameras each side has one camera serving as close-up and panorama: the controls
    // of the second camera go off, and the calibration crosses with them.
    emit layout_widgets_changed(layout);

    const int count = ui.tabWidget->count();
    if (layout <= 1) {
        if (count == eight_tab && ui.tabWidget->indexOf(ui.tab_board) >= 0)
            ui.tabWidget->removeTab(ui.tabWidget->indexOf(ui.tab_board));
    } else if (count == seven_tab && ui.tabWidget->indexOf(ui.tab_board) < 0) {
        ui.tabWidget->insertTab(2, ui.tab_board, tr("Board"));
    }
    // An inserted tab moves the current index without a signal.
    tell_link_main_tabs();
}

void TabLayout::tell_link_main_tabs()
{
    const int count = ui.tabWidget->count();
    m_link.set_main_tabs(count, count == eight_tab && ui.tabWidget->currentIndex() == 2);
}

void TabLayout::set_board_view_status(bool two_boards)
{
    qDebug() << "MainWindow::set_board_view_status bool=" << (two_boards ? "true" : "false");
    emit board_view_changed(two_boards);
    if (!two_boards)
        emit board_cameras_released();
}

void TabLayout::choose_layout(int layout)
{
    ui.choose_camera_comboBox->setCurrentIndex(layout);
    on_choose_camera_comboBox_currentIndexChanged(layout);
}

void TabLayout::show_first_tab() { ui.tabWidget->setCurrentIndex(0); }

void TabLayout::show_board_tab(bool with_board)
{
    if (!with_board && ui.tabWidget->count() == eight_tab)
        ui.tabWidget->removeTab(2);
    else if (with_board && ui.tabWidget->count() == seven_tab)
        ui.tabWidget->insertTab(2, ui.tab_board, tr("Board"));
}

void TabLayout::show_layout(int layout)
{
    ui.choose_camera_comboBox->setCurrentIndex(layout);
    widgetChanged(layout);
}

OpenPage::Page TabLayout::open_page() const
{
    // The pages are found by their objects: the Board tab sits at index 2 in both layouts that
    // have it, and the later tabs' indexes depend on it.
    const QWidget *page = ui.tabWidget->currentWidget();
    if (page == ui.tab_teacher)
        return Page::Teacher;
    if (page == ui.tab_student)
        return Page::Student;
    if (page == ui.tab_board)
        return Page::Board;
    if (page == ui.tab_6)
        return Page::Upgrade;
    return Page::Other;
}

int TabLayout::open_index() const { return ui.tabWidget->currentIndex(); }

void TabLayout::on_choose_camera_comboBox_currentIndexChanged(int index)
{
    qDebug() << "on_choose_camera_comboBox_currentIndexChanged:" << index;
    config_number_camera = index;
    widgetChanged(index);
    if (index >= 0 && index < 3)
        set_board_view_status(false);
    else if (index == 3)
        set_board_view_status(true);
    if (index == 2 || index == 3)
        emit board_cameras_released();
}

void TabLayout::on_tabWidget_currentChanged(int index)
{
    // First: what this tab change leads to may already send.
    tell_link_main_tabs();
    const int count = ui.tabWidget->count();
    qDebug() << " MainWindow::tabWidget index =" << index << ",count=" << count;
    const bool wizardTab = (count == seven_tab && index == 4) || (count == eight_tab && index == 5);
    const bool narrowTab = (count == seven_tab && (index == 5 || index == 6)) || (count == eight_tab && index == 6);
    if (wizardTab) {
        m_window->setFixedSize(kNarrowWidth, kWindowHeight);
        wizard_entry_requested = true;
        emit wizard_requested();
    } else if (narrowTab) {
        // These pages have no parameter panel to unfold.
        m_window->setFixedSize(kNarrowWidth, kWindowHeight);
    } else {
        qDebug() << " MainWindow::on_tabWidget_currentChanged";
    }
}

void TabLayout::remove_unused_tabs(bool remove)
{
    // The director interval page is never offered; the Teacher tab's snapshot, detection,
    // clearing, preset deleting, feature tracking and board pano controls are (unless removed).
    ui.tab_driector_settings->hide();
    emit unused_controls_shown(!remove);
}

void TabLayout::toggle_param_panel()
{
    const int w = m_window->width();
    QString strip;
    if (w >= kNarrowWidthMin && w <= kNarrowWidth) {
        m_window->setFixedSize(kWideWidth, kWindowHeight);
        strip = tr("<\nf\no\nl\nd\n<");
    } else if (w == kWideWidth) {
        m_window->setFixedSize(kNarrowWidth, kWindowHeight);
        strip = tr(">\ne\nx\np\na\nn\nd\n>");
    } else {
        return;
    }
    ui.teacher_show_param_pushButton->setText(strip);
    ui.student_show_param_pushButton->setText(strip);
    ui.board_show_param_pushButton->setText(strip);
    ui.director_show_param_pushButton->setText(strip);
}

void TabLayout::show_strip_texts()
{
    const int w = m_window->width();
    QString strip;
    if (w == kWideWidth)
        strip = tr("<\nf\no\nl\nd\n<");
    else if (w >= kNarrowWidthMin && w <= kNarrowWidth)
        strip = tr(">\ne\nx\np\na\nn\nd\n>");
    else
        return;
    for (QPushButton *b : {ui.teacher_show_param_pushButton, ui.student_show_param_pushButton,
                           ui.board_show_param_pushButton, ui.director_show_param_pushButton})
        b->setText(strip);
}

void TabLayout::flash_status_label(bool teacher, const QString &text)
{
    QLabel *label = teacher ? ui.teacher_tip_label : ui.student_tip_label;
    label->show();
    label->setText(text);
    wait_ms(kNoticeMs);
    label->hide();
}

void TabLayout::on_teacher_show_param_pushButton_clicked() { toggle_param_panel(); }
void TabLayout::on_student_show_param_pushButton_clicked() { toggle_param_panel(); }
void TabLayout::on_board_show_param_pushButton_clicked() { toggle_param_panel(); }
void TabLayout::on_director_show_param_pushButton_clicked() { toggle_param_panel(); }
void TabLayout::on_upgrade_show_param_pushButton_clicked() { toggle_param_panel(); }
