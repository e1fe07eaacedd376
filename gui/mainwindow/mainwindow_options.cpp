// The Options tab's decoder choice and About button, and the input validators the window puts
// on a few line edits at set-up.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"
#include "settings/input_rules.h"
#include "video/decoder_choice.h"

#include <QDebug>
#include <QRegularExpressionValidator>

namespace {
// Threads a decoder uses: one in software, four with hardware decoding.
constexpr int kSoftwareThreads = 1;
constexpr int kHardwareThreads = 4;

QString about_qt_text()
{
    return QStringLiteral(
               "<h3>About Qt</h3>"
               "<p>This program uses Qt version %1.</p>"
               "<p>Qt is a C++ toolkit for cross-platform application development.</p>"
               "<p>Qt provides single-source portability across all major desktop operating systems. "
               "It is also available for embedded Linux and other embedded and mobile operating systems.</p>"
               "<p>Qt is available under multiple licensing options designed to accommodate the needs of "
               "its various users.</p>"
               "<p>Qt licensed under a commercial license agreement is appropriate for development of "
               "proprietary/commercial software where you do not want to share any source code with third "
               "parties or otherwise cannot comply with the terms of the GNU (L)GPL.</p>"
               "<p>Qt licensed under the GNU (L)GPL is appropriate for the development of Qt&nbsp;applications "
               "provided you can comply with the terms and conditions of the respective licenses.</p>"
               "<p>Please see <a href=\"http://qt.io/licensing/\">qt.io/licensing</a> for an overview of Qt "
               "licensing.</p>"
               "<p>Copyright (C) The Qt Company Ltd. and other contributors.</p>"
               "<p>Qt and the Qt logo are trademarks of The Qt Company Ltd.</p>"
               "<p>Qt is The Qt Company Ltd. product developed as an open source project. "
               "See <a href=\"http://qt.io/\">qt.io</a> for more information.</p>")
        .arg(QLatin1String(qVersion()));
}
} // namespace

void MainWindow::on_decoder_select_comboBox_currentTextChanged(const QString &text)
{
    qDebug() << "MainWindow::on_decoder_select_comboBox_currentTextChanged - 选择解码器:" << text;
    gDecoderType = text;
    gHwAccelEnabled = text != QLatin1String("NONE");
    qDebug() << "MainWindow::全局解码状态更新 - 硬件加速:" << (gHwAccelEnabled ? "true" : "false")
             << "线程数:" << (gHwAccelEnabled ? kHardwareThreads : kSoftwareThreads) << "解码器类型:" << text;
}

void MainWindow::on_copyright_description_btn_clicked()
{
    msgbox::Request about;
    about.parent = this;
    about.title = tr("About Corvane");
    about.text = about_qt_text();
    about.buttons = QMessageBox::Ok;
    msgbox::show(about);
}

void MainWindow::install_input_validators()
{
    const QRegularExpression port(input::port_number_pattern());
    ui->txtPort->setValidator(new QRegularExpressionValidator(port, this));
    ui->director_server_Port_Edit->setValidator(new QRegularExpressionValidator(port, this));
    const QRegularExpression macByte(input::mac_byte_pattern());
    for (QLineEdit *edit : {ui->mac1_lineEdit, ui->mac2_lineEdit, ui->mac3_lineEdit, ui->mac4_lineEdit,
                            ui->mac5_lineEdit, ui->mac6_lineEdit})
        edit->setValidator(new QRegularExpressionValidator(macByte, this));
}
