#pragma once

#include "model/camera_slot.h"
#include "protocol/wizard_reply.h"
#include "support/form_widgets.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QObject>

class DirectorPage;
class QLabel;
class StudentAreaStep;
class StudentParams;
class TeacherParams;
class TeacherRegionStep;
class TrackingModeStep;
class WizardLink;

#define WIZARD_REPLIES_WIDGETS(X) \
    X(QLabel, student_tip_label) \
    X(QLabel, teacher_tip_label)

class WizardRepliesSignals : public QObject
{
    Q_OBJECT

signals:
    // sign_teacher_params_complete, sign_student_params_complete: a side's parameter block was
    // read into the pages.
    void teacher_params_complete();
    void student_params_complete();
    // A side's tracking status: the branches to run, start before stop (its pages locked or
    // unlocked, its run state, its show-tracking box; a start the wizard did not ask for is
    // stopped). An error has closed nothing yet: the side's previews are to be closed; the
    // warning follows.
    void tracking_status(camera_slot::Side side, bool start, bool stop, bool error);
};

// The wizard's reading of its cameras' text replies (`resolver_param`): crop statuses shown for
// a second, tracking statuses handed on and answered with the follow-up requests, the echoes
// logged, and the teacher, student and director blocks read into their pages.
class WizardReplies : public WizardRepliesSignals
{
    Q_DECLARE_TR_FUNCTIONS(GuideConfig)

public:
    struct Widgets {
        WIZARD_REPLIES_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    struct Pages {
        TrackingModeStep &mode;
        TeacherParams &teacher;
        TeacherRegionStep &teacher_regions;
        StudentParams &student;
        StudentAreaStep &student_area;
        DirectorPage &director;
    };

    WizardReplies(const Widgets &widgets, WizardLink &link, const Pages &pages, QWidget *window);

    void resolver_param(const QByteArray &reply);

    // A side's region panorama preview connected: its next crop change answers the question
    // asked then and is not announced. Disconnected or failed: its crop state is forgotten.
    void crop_preview_connected(camera_slot::Side side);
    void crop_preview_closed(camera_slot::Side side);

    void flash_status_label(bool teacher, const QString &text);

private:
    void teacher_block(const QString &text);
    void student_block(const QString &text);
    void tracking_status_part(const wizard_reply::StatusPart &part);

    const Widgets ui;
    WizardLink &m_link;
    Pages m_pages;
    QWidget *m_window;
    wizard_reply::CropState m_teacher_crop;
    wizard_reply::CropState m_student_crop;
    wizard_reply::Pending m_pending;
    bool teacher_director_query_due = false;
    bool student_director_query_due = false;
};
