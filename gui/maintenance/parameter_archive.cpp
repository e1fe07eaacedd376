#include "maintenance/parameter_archive.h"

#include "seams/desktop_services.h"
#include "seams/message_box.h"
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
                                   QWidget *window)
    : ui(widgets)
    , m_session(session)
    , m_cameras(cameras)
    , m_window(window)
{
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
