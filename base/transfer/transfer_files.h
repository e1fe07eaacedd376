#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QObject>
#include <QString>

class QThread;

// The files of the transfers: MD5 texts, the archive names and their saved copies, the name a
// camera gives a file, the checks of an archive chosen for an import, and where a transfer
// connects.
namespace transfer {

// The archive of a full restore, as the camera is told its name.
constexpr const char *kFullArchiveName = "data.tar.gz";
// The camera's configuration service: upgrade, query, full backup and restore.
constexpr quint16 kBackupPort = 5555;
// The camera's parameter service: role export and import.
constexpr quint16 kParameterPort = 10791;

enum class Role { None = 0, Teacher = 1, Student = 2, Board = 3 };

// "teacher_conf.tar.gz", "student_conf.tar.gz" ("zr72_student_conf.tar.gz" for the student
// camera model that names it so), "board_conf.tar.gz"; empty for no role.
QString role_archive_name(Role role, bool zr72_student);
// The copy an archive is saved as before a new one is received: its name and "_bak".
QString saved_copy_name(const QString &path);

// What stands at a name in the working folder, seen without following a link. A camera names
// files there, and the installer may have put anything under such a name: a link would carry a
// write out of the folder, and a FIFO or a device would hold the window on its open.
enum class Entry {
    Missing,
    Regular, // a regular file, not a link
    Other,   // a symbolic link (also a dangling one), a folder, a FIFO, a device, a socket
};
Entry folder_entry(const QString &path);

// Keeps the archive at path as its saved copy before it is replaced. The full archive's copy,
// once made, is never replaced, so a full backup's first saved copy stays; any other archive's
// copy becomes the one it replaces. Nothing is read or written through a link or anything but a
// regular file. False (logged) when a copy was due and could not be kept.
bool keep_saved_copy(const QString &path);

// The MD5 digest of the whole file as 32 lower-case hexadecimal characters; empty when the file
// cannot be read (logged).
QByteArray file_md5(const QString &path);

// The last path component of a name the camera sends, so a file it names is created inside
// the working folder and nowhere else; empty when nothing usable is left ("", ".", "..", or a
// control character in it).
QString plain_file_name(const QByteArray &camera_name);

// A file the installer chose to send: a regular file, or a link to one. Anything else (a FIFO,
// a device, a folder) is no archive, and opening a FIFO would wait for a writer for good.
bool chosen_file_readable(const QString &path);

enum class ImportCheck {
    Ok,
    NoFile,    // "Please select backup file"
    Missing,   // "Not exist backup files"
    WrongName, // "File type does not match"
};
// An archive chosen for a role's import: chosen, there as a file, and named for the role (the path holds
// the role archive's name; the zr72 student name only for that model, and only it).
ImportCheck check_import_file(Role role, const QString &path, bool zr72_student);
const char *import_check_message(ImportCheck check);

struct Endpoint {
    QString host;
    quint16 port = kBackupPort;
};
// The recorder's port mapping as the Recorder Map Config tab holds it.
struct PortMapping {
    bool enabled = false;
    QString teacher_ip;  // recorder_teacher_ip_Edit
    QString student_ip;  // recorder_student_ip_Edit
    QString host_ip;     // recorder_host_ip_Edit
    int teacher_backup_port = kBackupPort; // backup_port_Edit
    int student_backup_port = kBackupPort; // student_backup_port_Edit
};
// Where an upgrade, query, backup or restore of the camera at address connects: through the
// recorder's host on the mapped backup port when the mapping is on and the address is the
// teacher or student machine configured there, else the address itself on 5555.
Endpoint set_upgrade_backup_port(const QString &address, const PortMapping &mapping);
// Where a role export or import connects: the address field up to its first "/", port 10791.
Endpoint parameter_endpoint(const QString &address_field);

// The MD5 of a file computed on a thread of its own (a firmware image is too large to read on
// the GUI thread); done() comes in the thread of the job's owner. The destructor waits for a
// running computation.
class Md5Job : public QObject
{
    Q_OBJECT

public:
    explicit Md5Job(QObject *parent = nullptr) : QObject(parent) {}
    ~Md5Job() override;
    // Starts one computation; a running one is waited for first and its result dropped.
    void start(const QString &path);
    bool running() const { return m_thread != nullptr; }

signals:
    void done(const QByteArray &md5);

private:
    void finish();

    QThread *m_thread = nullptr;
    QByteArray m_result;
};

} // namespace transfer

Q_DECLARE_METATYPE(transfer::Role)
