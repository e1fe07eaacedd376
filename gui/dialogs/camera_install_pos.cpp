#include "dialogs/camera_install_pos.h"
#include "ui_camera_install_pos.h"

#include "support/resources.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
constexpr int kWidth = 529;
constexpr int kHeight = 396;
// Digits, optionally one point and more digits: a length in metres.
const char kMeasurePattern[] = "^([0-9]+([.]{1}[0-9]+){0,1})$";
} // namespace

camera_install_pos::camera_install_pos(QWidget *parent, const QString &height, const QString &length,
                                       const QString &objectHeight, bool chinese)
    : QDialog(parent)
    , ui((corvane_init_resources(), new Ui::camera_install_pos))
{
    ui->setupUi(this);
    setWindowTitle(tr("Camera install position"));
    setFixedSize(kWidth, kHeight);
    for (QLineEdit *field : {ui->student_camera_height_lineEdit, ui->student_camera_length_lineEdit,
                             ui->student_object_height_lineEdit})
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(kMeasurePattern)), field));
    ui->student_camera_height_lineEdit->setText(height);
    ui->student_camera_length_lineEdit->setText(length);
    ui->student_object_height_lineEdit->setText(objectHeight);
    ui->Chinese_label->setVisible(chinese);
    ui->English_label->setVisible(!chinese);

    connect(ui->Default_pushButton, &QPushButton::clicked, this, &camera_install_pos::on_Default_pushButton_clicked);
    connect(ui->Apply_pushButton, &QPushButton::clicked, this, &camera_install_pos::on_Apply_pushButton_clicked);
}

camera_install_pos::~camera_install_pos()
{
    delete ui;
}

void camera_install_pos::on_Default_pushButton_clicked()
{
    ui->student_camera_height_lineEdit->setText(QStringLiteral("2.2"));
    ui->student_camera_length_lineEdit->setText(QStringLiteral("6.0"));
    ui->student_object_height_lineEdit->setText(QStringLiteral("0.0"));
}

void camera_install_pos::on_Apply_pushButton_clicked()
{
    emit ret_install_pos(ui->student_camera_height_lineEdit->text(), ui->student_camera_length_lineEdit->text(),
                         ui->student_object_height_lineEdit->text());
}
