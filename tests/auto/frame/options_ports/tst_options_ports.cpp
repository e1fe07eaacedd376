// The Options tab's decoder choice and About box, the validators the window puts on its port
// and MAC fields, and the Recorder Map Config tab's port getters and change marks.
#include "guide/guideconfig.h"
#include "mainwindow/mainwindow.h"
#include "recording_presenter.h"
#include "test_env.h"
#include "ui_mainwindow.h"
#include "video/decoder_choice.h"

#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {

struct WindowHolder {
    std::unique_ptr<MainWindow> window;
    explicit WindowHolder(const QString &ini = QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n"))
    {
        testenv::writeConfigIni(ini);
        window.reset(new MainWindow);
    }
    ~WindowHolder()
    {
        if (window)
            delete window->guide_config; // the window never deletes its wizard
    }
    MainWindow *operator->() const { return window.get(); }
    Ui::MainWindow *ui() const { return window->ui; }
};

// What ends in the field when the installer types the text key by key.
QString typed(QLineEdit *edit, const QString &text)
{
    edit->clear();
    QTest::keyClicks(edit, text);
    return edit->text();
}

using Getter = QString (MainWindow::*)();

} // namespace

class tst_OptionsPorts : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        gDecoderType = QStringLiteral("NONE");
        gHwAccelEnabled = false;
    }

    void decoderChoice_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("hardware");
        QTest::newRow("AUTO") << 1 << "AUTO" << true;
        QTest::newRow("QSV") << 2 << "QSV" << true;
        QTest::newRow("DXVA2") << 3 << "DXVA2" << true;
        QTest::newRow("D3D11VA") << 4 << "D3D11VA" << true;
    }

    void decoderChoice()
    {
        QFETCH(int, index);
        QFETCH(QString, type);
        QFETCH(bool, hardware);
        WindowHolder w;
        QCOMPARE(gDecoderType, QStringLiteral("NONE"));
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("MainWindow::on_decoder_select_comboBox_currentTextChanged - 选择解码器: \"%1\"").arg(type)));
        QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("MainWindow::全局解码状态更新 - 硬件加速: true 线程数: 4 解码器类型: \"%1\"").arg(type)));
        w.ui()->decoder_select_comboBox->setCurrentIndex(index);
        QCOMPARE(gDecoderType, type);
        QCOMPARE(gHwAccelEnabled, hardware);
        QTest::ignoreMessage(QtDebugMsg, "MainWindow::on_decoder_select_comboBox_currentTextChanged - 选择解码器: \"NONE\"");
        QTest::ignoreMessage(QtDebugMsg, "MainWindow::全局解码状态更新 - 硬件加速: false 线程数: 1 解码器类型: \"NONE\"");
        w.ui()->decoder_select_comboBox->setCurrentIndex(0);
        QCOMPARE(gDecoderType, QStringLiteral("NONE"));
        QVERIFY(!gHwAccelEnabled);
    }

    void aboutBox()
    {
        RecordingPresenter boxes;
        WindowHolder w;
        w.ui()->copyright_description_btn->click();
        QCOMPARE(boxes.shown.size(), 1);
        const msgbox::Request &about = boxes.shown.first();
        QCOMPARE(about.title, QStringLiteral("About Corvane"));
        QCOMPARE(about.parent, static_cast<QWidget *>(w.window.get()));
        QVERIFY(about.text.contains(QLatin1String(qVersion())));
        QVERIFY(about.text.contains(QLatin1String("Qt is a C++ toolkit")));
        QCOMPARE(about.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // Typed port numbers: 0 to 65535 without leading zeros.
    void portFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("result");
        for (const char *f : {"txtPort", "director_server_Port_Edit"}) {
            const QString name = QString::fromLatin1(f);
            QTest::newRow(qPrintable(name + " 0")) << name << "0" << "0";
            QTest::newRow(qPrintable(name + " 554")) << name << "554" << "554";
            QTest::newRow(qPrintable(name + " 65529")) << name << "65529" << "65529";
            QTest::newRow(qPrintable(name + " 65535")) << name << "65535" << "65535";
            QTest::newRow(qPrintable(name + " 65536")) << name << "65536" << "6553";
            QTest::newRow(qPrintable(name + " 0554")) << name << "0554" << "0";
            QTest::newRow(qPrintable(name + " letters")) << name << "5a5b4" << "554";
            QTest::newRow(qPrintable(name + " 700000")) << name << "700000" << "7000";
        }
    }

    void portFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, result);
        WindowHolder w;
        QCOMPARE(typed(w->findChild<QLineEdit *>(field), keys), result);
    }

    void macFields_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("result");
        QTest::newRow("two digits") << "d4" << "d4";
        QTest::newRow("third refused") << "D4E" << "D4";
        QTest::newRow("beyond f refused") << "gG0" << "0";
        QTest::newRow("upper case") << "AF" << "AF";
    }

    void macFields()
    {
        QFETCH(QString, keys);
        QFETCH(QString, result);
        WindowHolder w;
        for (QLineEdit *e : {w.ui()->mac1_lineEdit, w.ui()->mac2_lineEdit, w.ui()->mac3_lineEdit,
                             w.ui()->mac4_lineEdit, w.ui()->mac5_lineEdit, w.ui()->mac6_lineEdit}) {
            e->setEnabled(true);
            QCOMPARE(typed(e, keys), result);
        }
    }

    void addressCheck()
    {
        WindowHolder w;
        QVERIFY(w->is_valid_ipv4(QStringLiteral("192.168.1.100")));
        QVERIFY(w->is_valid_ipv4(QStringLiteral(" 10.1.2.3/24")));
        QTest::ignoreMessage(QtDebugMsg, "MainWindow IP 格式无效： \"01.2.3.4\"");
        QVERIFY(!w->is_valid_ipv4(QStringLiteral("01.2.3.4")));
        QTest::ignoreMessage(QtDebugMsg, "MainWindow 输入为空");
        QVERIFY(!w->is_valid_ipv4(QString()));
    }

    // Each getter: the mapped field while mapping is on and the field is filled, the camera's
    // own port otherwise; the result is kept in its port member.
    void getters_data()
    {
        QTest::addColumn<int>("getter");
        QTest::addColumn<bool>("mapping");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("result");
        const char *names[] = {"teacher rtsp", "teacher visca", "teacher udp", "teacher tcp", "teacher backup",
                               "student rtsp", "student visca", "student udp", "student tcp", "student backup"};
        const char *own[] = {"554", "1259", "6791", "6793", "5555", "554", "1259", "6791", "6793", "5555"};
        for (int i = 0; i < 10; ++i) {
            QTest::newRow(qPrintable(QStringLiteral("%1 mapped").arg(QLatin1String(names[i])))) << i << true << "40123" << "40123";
            QTest::newRow(qPrintable(QStringLiteral("%1 mapped, empty").arg(QLatin1String(names[i])))) << i << true << "" << own[i];
            QTest::newRow(qPrintable(QStringLiteral("%1 unmapped").arg(QLatin1String(names[i])))) << i << false << "40123" << own[i];
        }
    }

    void getters()
    {
        QFETCH(int, getter);
        QFETCH(bool, mapping);
        QFETCH(QString, field);
        QFETCH(QString, result);
        WindowHolder w;
        Ui::MainWindow *ui = w.ui();
        struct Row {
            Getter get;
            QLineEdit *field;
            QString CameraPorts::Values::*member;
        };
        const Row rows[] = {
            {&MainWindow::get_teacher_rtsp_port, ui->rtsp_port_Edit, &CameraPorts::Values::T_RTSP_Port},
            {&MainWindow::get_teacher_visca_port, ui->visca_port_Edit, &CameraPorts::Values::T_Visca_Port},
            {&MainWindow::get_teacher_udp_port, ui->udp_port_Edit, &CameraPorts::Values::T_UDP_Port},
            {&MainWindow::get_teacher_tcp_port, ui->tcp_port_Edit, &CameraPorts::Values::T_TCP_Port},
            {&MainWindow::get_teacher_backup_port, ui->backup_port_Edit, &CameraPorts::Values::T_Backup_Port},
            {&MainWindow::get_student_rtsp_port, ui->student_rtsp_port_Edit, &CameraPorts::Values::S_RTSP_Port},
            {&MainWindow::get_student_visca_port, ui->student_visca_port_Edit, &CameraPorts::Values::S_Visca_Port},
            {&MainWindow::get_student_udp_port, ui->student_udp_port_Edit, &CameraPorts::Values::S_UDP_Port},
            {&MainWindow::get_student_tcp_port, ui->student_tcp_port_Edit, &CameraPorts::Values::S_TCP_Port},
            {&MainWindow::get_student_backup_port, ui->student_backup_port_Edit, &CameraPorts::Values::S_Backup_Port},
        };
        const Row &r = rows[getter];
        w->recorder_port_map_enabled = mapping;
        r.field->setText(field);
        QCOMPARE((w.window.get()->*r.get)(), result);
        QCOMPARE(w->camera_ports.values().*r.member, result);
    }

    // The search port takes no mapping; an empty field keeps the port in use.
    void searchPort()
    {
        WindowHolder w;
        w->recorder_port_map_enabled = false;
        w.ui()->upgrade_port_Edit->setText(QStringLiteral("9005"));
        QCOMPARE(w->get_upgrade_port(), QStringLiteral("9005"));
        QCOMPARE(w->Mcast_Port, QStringLiteral("9005"));
        w.ui()->upgrade_port_Edit->clear();
        QCOMPARE(w->get_upgrade_port(), QStringLiteral("9005"));
    }

    // Every field of the port tab marks the port settings changed, whatever it holds.
    void changeMarks_data()
    {
        QTest::addColumn<QString>("field");
        for (const char *f : {"rtsp_port_Edit", "visca_port_Edit", "udp_port_Edit", "tcp_port_Edit", "backup_port_Edit",
                              "student_rtsp_port_Edit", "student_visca_port_Edit", "student_udp_port_Edit",
                              "student_tcp_port_Edit", "student_backup_port_Edit", "upgrade_port_Edit",
                              "recorder_username_Edit", "recorder_password_Edit", "recorder_host_ip_Edit",
                              "recorder_teacher_ip_Edit", "recorder_student_ip_Edit", "port_map_checkBox"})
            QTest::newRow(f) << QString::fromLatin1(f);
    }

    void changeMarks()
    {
        QFETCH(QString, field);
        WindowHolder w;
        QVERIFY(!w->port_settings_changed);
        QCOMPARE(w.ui()->apply_port_Button->text(), QStringLiteral("Apply"));
        if (auto *box = w->findChild<QCheckBox *>(field))
            box->setChecked(!box->isChecked());
        else
            w->findChild<QLineEdit *>(field)->setText(QString());
        QVERIFY(w->port_settings_changed);
        QCOMPARE(w.ui()->apply_port_Button->text(), QStringLiteral("Apply(*)"));
    }

    // The load sets the port fields through the same slots: a stored port that differs from
    // the form's text marks the tab, and the load leaves the mark.
    void loadMarksChangedPorts()
    {
        WindowHolder w(QStringLiteral("[TEACHER_CONF]\nTracking_Guide_State=1\n[PORT_CONF]\nT_RTSP_Port=30554\n"));
        QVERIFY(w->port_settings_changed);
        QCOMPARE(w.ui()->apply_port_Button->text(), QStringLiteral("Apply(*)"));
    }
};

QTEST_MAIN(tst_OptionsPorts)
#include "tst_options_ports.moc"
