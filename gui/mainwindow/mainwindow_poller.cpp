// The request poller: every 500 ms it turns the answered obtain and apply requests of both
// sides into success boxes and the ones left unanswered too long into failure boxes.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "seams/message_box.h"

#include <QDebug>

using request_poller::Kind;
using request_poller::Outcome;

bool MainWindow::answer_request(Kind kind) { return requests.answer(kind); }

void MainWindow::get_para_response()
{
    // Every pair is settled before a box opens: a box runs its own event loop, in which this
    // slot runs again, and must find nothing of this tick left to do.
    const QVector<request_poller::Result> ended = requests.tick();
    for (const request_poller::Result &result : ended)
        show_request_outcome(result);
}

void MainWindow::show_request_outcome(const request_poller::Result &result)
{
    const bool failed = result.outcome == Outcome::Failed;
    switch (result.kind) {
    case Kind::TeacherObtain:
        if (failed) {
            qDebug() << "MainWindow::Teacher Obtain Timeout Notice!!!";
            msgbox::warning(this, tr("Warning"), tr("teacher obtain fail"));
        } else if (result.silent) {
            qInfo().noquote() << tr("Nothing will be executed!");
        } else {
            msgbox::information(this, tr("Information"), tr("teacher obtain success"));
        }
        break;
    case Kind::TeacherApply:
        if (failed) {
            qDebug() << "MainWindow::Teacher Apply Timeout Notice!!!";
            msgbox::warning(this, tr("Warning"), tr("teacher apply fail"));
            break;
        }
        qDebug() << "teacher apply success!";
        msgbox::information(this, tr("Information"), tr("teacher apply success"));
        // A lectern-mode M19 changes its own settings with the apply: read them back, quietly.
        if (teacher_feature_device_model == QLatin1String("M19") && ui->lectern_mode_radioButton->isChecked())
            teacher_obtain(true);
        break;
    case Kind::StudentObtain:
        if (failed) {
            qDebug() << "i:" << result.ticks;
            qDebug() << "MainWindow::Student Obtain Timeout Notice!!!";
            msgbox::warning(this, tr("Warning"), tr("student obtain fail"));
            break;
        }
        qDebug() << "get  success!";
        if (result.silent)
            emit autocalibrate_update_success();
        else
            msgbox::information(this, tr("Information"), tr("student obtain success"));
        break;
    case Kind::StudentApply:
        if (failed) {
            qDebug() << "l:" << result.ticks;
            qDebug() << "MainWindow::Student Apply Timeout Notice!!!";
            msgbox::warning(this, tr("Warning"), tr("student apply fail"));
            break;
        }
        qDebug() << "student apply success!";
        msgbox::information(this, tr("Information"), tr("student apply success"));
        break;
    }
}
