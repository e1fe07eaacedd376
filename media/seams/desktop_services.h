#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// What the program asks of the desktop beside message boxes: a file chosen in the open or save
// dialog, and a web page opened in the browser. Tests put their own services in, so that no
// test opens a dialog or a browser.
namespace desktop {

struct FileRequest {
    enum Kind { Open, Save };
    Kind kind = Open;
    QWidget *parent = nullptr;
    QString caption;
    QString dir;    // the folder or file the dialog starts at
    QString filter; // e.g. "Backup Files(*.tar.gz)"
};

class Services {
public:
    virtual ~Services() = default;
    // The file chosen, or an empty text when the installer chose none.
    virtual QString choose_file(const FileRequest &request) = 0;
    // False when no browser took the address.
    virtual bool open_url(const QUrl &url) = 0;
};

// nullptr puts back the real services: Qt's file dialogs and the desktop's browser.
void setServices(Services *services);
Services *services();

QString open_file_name(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
QString save_file_name(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
bool open_url(const QUrl &url);

} // namespace desktop
