#include "maintenance/parameter_archive.h"

#include "seams/desktop_services.h"
#include "seams/message_box.h"
#include "support/value_widgets.h"
#include "transfer/archive_session.h"

#include <QLineEdit>
#include <QPushButton>

using transfer::Role;

namespace {
// No camera model of the installation is known to name its student archive with the "zr72"
// prefix: the student archive is "student_conf.tar.gz".
constexpr bool kZr72Student = false;
} // namespace

ParameterArchive::ParameterArchive(const Widgets &widgets, ArchiveSession &session, const Cameras &cameras,
                                   const SavePaths &save_paths, QWidget *window)
    : ui(widgets)
    , m_session(session)
    , m_cameras(cameras)
    , m_save_paths(save_paths)
    , m_window(window)
{
    value_widgets::keep_text(this, ui.teacher_filepath_lineEdit, m_save_paths.teacher);
    value_widgets::keep_text(this, ui.student_filepath_lineEdit, m_save_paths.student);
    value_widgets::keep_text(this, ui.board_filepath_lineEdit, m_save_paths.board);
    using P = ParameterArchive;
    connect(ui.teacher_param_export_pushButton, &QPushButton::clicked, this, &P::on_teacher_param_export_pushButton_clicked);
    connect(ui.student_param_export_pushButton, &QPushButton::clicked, this, &P::on_student_param_export_pushButton_clicked);
    connect(ui.board_param_export_pushButton, &QPushButton::clicked, this, &P::on_board_param_export_pushButton_clicked);
    connect(ui.teacher_open_file_pushButton, &QPushButton::clicked, this, &P::on_teacher_open_file_pushButton_clicked);
    connect(ui.student_open_file_pushButton, &QPushButton::clicked, this, &P::on_student_open_file_pushButton_clicked);
    connect(ui.board_open_file_pushButton, &QPushButton::clicked, this, &P::on_board_open_file_pushButton_clicked);
    connect(ui.teacher_param_import_pushButton, &QPushButton::clicked, this, &P::on_teacher_param_import_pushButton_clicked);
    connect(ui.student_param_import_pushButton, &QPushButton::clicked, this, &P::on_student_param_import_pushButton_clicked);
    connect(ui.board_param_import_pushButton, &QPushButton::clicked, this, &P::on_board_param_import_pushButton_clicked);
}

void ParameterArchive::show_stored_teacher_path()
{
    value_widgets::show_text(ui.teacher_filepath_lineEdit, m_save_paths.teacher);
}

void ParameterArchive::enable_group_controls(int camera, bool enable)
{
    const Role role = camera == 0 ? Role::Teacher : camera == 1 ? Role::Student : camera == 2 ? Role::Board : Role::None;
    if (role == Role::None)
        return;
    for (QWidget *w : controls(role))
        w->setEnabled(enable);
}

std::array<QWidget *, 4> ParameterArchive::controls(Role role) const
{
    switch (role) {
    case Role::Teacher:
        return {ui.teacher_param_export_pushButton, ui.teacher_param_import_pushButton, ui.teacher_filepath_lineEdit,
                ui.teacher_open_file_pushButton};
    case Role::Student:
        return {ui.student_param_export_pushButton, ui.student_param_import_pushButton, ui.student_filepath_lineEdit,
                ui.student_open_file_pushButton};
    case Role::Board:
        return {ui.board_param_export_pushButton, ui.board_param_import_pushButton, ui.board_filepath_lineEdit,
                ui.board_open_file_pushButton};
    case Role::None: break;
    }
    return {};
}

QLineEdit *ParameterArchive::path_field(Role role) const
{
    switch (role) {
    case Role::Teacher: return ui.teacher_filepath_lineEdit;
    case Role::Student: return ui.student_filepath_lineEdit;
    case Role::Board: return ui.board_filepath_lineEdit;
    case Role::None: break;
    }
    return nullptr;
}

bool ParameterArchive::camera_connected(Role role) const
{
    if (m_cameras.pano_connected(role))
        return true;
    msgbox::warning(m_window, tr("Warning"), tr("Please connect the camera"));
    return false;
}

void ParameterArchive::export_role(Role role)
{
    if (camera_connected(role))
        m_session.export_role(role, m_cameras.pano_address_field(role), kZr72Student);
}

void ParameterArchive::open_file(Role role)
{
    if (!camera_connected(role))
        return;
    QLineEdit *field = path_field(role);
    const QString path = desktop::open_file_name(m_window, tr("select backup file"), import_file_path,
                                                 QStringLiteral("tar.gz files(*.tar.gz)"));
    if (path.isEmpty()) {
        import_file_path = field->text();
        return;
    }
    import_file_path = path;
    field->setText(path);
}

void ParameterArchive::import_role(Role role)
{
    if (!camera_connected(role))
        return;
    import_file_path = path_field(role)->text();
    m_session.import_role(role, m_cameras.pano_address_field(role), import_file_path, kZr72Student);
}
