#pragma once

#include "support/form_widgets.h"
#include "transfer/transfer_files.h"

#include <QCoreApplication>
#include <QObject>

#include <array>

class ArchiveSession;
class QLineEdit;
class QPushButton;
class QWidget;

#define PARAMETER_ARCHIVE_WIDGETS(X) \
    X(QLineEdit, board_filepath_lineEdit) \
    X(QPushButton, board_open_file_pushButton) \
    X(QPushButton, board_param_export_pushButton) \
    X(QPushButton, board_param_import_pushButton) \
    X(QLineEdit, student_filepath_lineEdit) \
    X(QPushButton, student_open_file_pushButton) \
    X(QPushButton, student_param_export_pushButton) \
    X(QPushButton, student_param_import_pushButton) \
    X(QLineEdit, teacher_filepath_lineEdit) \
    X(QPushButton, teacher_open_file_pushButton) \
    X(QPushButton, teacher_param_export_pushButton) \
    X(QPushButton, teacher_param_import_pushButton)

// The "Param Backup" groups of the Teacher, Student and Board tabs: the export of a role's
// tracking parameters from its panorama camera into the role's archive in the working folder,
// the choice of an archive, and its import, on the command socket's session.
class ParameterArchive : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Widgets {
        PARAMETER_ARCHIVE_WIDGETS(CORVANE_WIDGET_MEMBER)
    };
    // What the groups need of the camera connections: the role's panorama camera.
    class Cameras
    {
    public:
        virtual ~Cameras() = default;
        virtual bool pano_connected(transfer::Role role) const = 0;
        // The text of its address field.
        virtual QString pano_address_field(transfer::Role role) const = 0;
    };

    // Where each role's parameters are exported, as its file field holds it (the settings file
    // keeps it with the role's section).
    struct SavePaths {
        QString &teacher;
        QString &student;
        QString &board;
    };

    ParameterArchive(const Widgets &widgets, ArchiveSession &session, const Cameras &cameras,
                     const SavePaths &save_paths, QWidget *window);

    // The settings file read the teacher group: the teacher's file field shows its path.
    void show_stored_teacher_path();
    // The archive controls of a camera group (0 teacher, 1 student, 2 board) usable or not.
    void enable_group_controls(int camera, bool enable);

    void on_teacher_param_export_pushButton_clicked() { export_role(transfer::Role::Teacher); }
    void on_student_param_export_pushButton_clicked() { export_role(transfer::Role::Student); }
    void on_board_param_export_pushButton_clicked() { export_role(transfer::Role::Board); }
    void on_teacher_open_file_pushButton_clicked() { open_file(transfer::Role::Teacher); }
    void on_student_open_file_pushButton_clicked() { open_file(transfer::Role::Student); }
    void on_board_open_file_pushButton_clicked() { open_file(transfer::Role::Board); }
    void on_teacher_param_import_pushButton_clicked() { import_role(transfer::Role::Teacher); }
    void on_student_param_import_pushButton_clicked() { import_role(transfer::Role::Student); }
    void on_board_param_import_pushButton_clicked() { import_role(transfer::Role::Board); }

private:
    void export_role(transfer::Role role);
    void open_file(transfer::Role role);
    void import_role(transfer::Role role);
    // False, with the warning, while the role's panorama camera is not connected.
    bool camera_connected(transfer::Role role) const;
    QLineEdit *path_field(transfer::Role role) const;
    // The role's Export, Import, file field and Open, in the order they are enabled.
    std::array<QWidget *, 4> controls(transfer::Role role) const;

    const Widgets ui;
    ArchiveSession &m_session;
    const Cameras &m_cameras;
    SavePaths m_save_paths;
    QWidget *m_window;
    QString import_file_path;
};
