// The reset of every tab at once.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "protocol/board_parameters.h"

#include <QLineEdit>

#include <initializer_list>

namespace {

// The camera addresses of a fresh installation (those the form shows).
const char *const kTeacherFeatureAddress = "192.168.1.100";
const char *const kTeacherPanoAddress = "192.168.1.101";
const char *const kStudentFeatureAddress = "192.168.1.163";
const char *const kStudentPanoAddress = "192.168.1.164";
const char *const kBoardFeatureAddress = board_parameters::kDefaultFeatureAddress;
const char *const kBoardPanoAddress = board_parameters::kDefaultPanoAddress;

} // namespace

void MainWindow::set_all_defaults()
{
    // A connected camera keeps the address it was reached at: later applies send that field
    // to the camera as its own address.
    const struct {
        QLineEdit *field;
        bool connected;
        const char *address;
    } cameras[] = {
        {ui->teacher_feature_IP_Edit, udp_teacher_feature_flag, kTeacherFeatureAddress},
        {ui->teacher_pano_IP_Edit, udp_teacher_pano_flag, kTeacherPanoAddress},
        {ui->student_feature_IP_Edit, udp_student_feature_flag, kStudentFeatureAddress},
        {ui->student_pano_IP_Edit, udp_student_pano_flag, kStudentPanoAddress},
        {ui->board_feature_IP_Edit, udp_board_feature_flag, kBoardFeatureAddress},
        {ui->board_pano_IP_Edit, udp_board_pano_flag, kBoardPanoAddress},
    };
    for (const auto &camera : cameras) {
        if (!camera.connected)
            camera.field->setText(QString::fromLatin1(camera.address));
    }
    teacher_tab->on_teacher_default_Button_clicked();
    student_tab->on_student_default_Button_clicked();
    board_tab->on_board_default_Button_clicked();
    director_tab->set_director_defaults();

    // The strips say what a click on them would do at the present width.
    QString strip;
    if (width() == 1164)
        strip = tr("<\nf\no\nl\nd\n<");
    else if (width() >= 894 && width() <= 899)
        strip = tr(">\ne\nx\np\na\nn\nd\n>");
    else
        return;
    for (QPushButton *b : {ui->teacher_show_param_pushButton, ui->student_show_param_pushButton,
                           ui->board_show_param_pushButton, ui->director_show_param_pushButton})
        b->setText(strip);
}
