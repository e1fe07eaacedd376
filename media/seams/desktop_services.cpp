#include "seams/desktop_services.h"

#include <QDesktopServices>
#include <QFileDialog>

namespace desktop {
namespace {

class RealServices : public Services {
public:
    QString choose_file(const FileRequest &r) override
    {
        return r.kind == FileRequest::Save ? QFileDialog::getSaveFileName(r.parent, r.caption, r.dir, r.filter)
                                           : QFileDialog::getOpenFileName(r.parent, r.caption, r.dir, r.filter);
    }
    bool open_url(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

RealServices gReal;
Services *gServices = nullptr;

QString choose(FileRequest::Kind kind, QWidget *parent, const QString &caption, const QString &dir,
               const QString &filter)
{
    FileRequest r;
    r.kind = kind;
    r.parent = parent;
    r.caption = caption;
    r.dir = dir;
    r.filter = filter;
    return services()->choose_file(r);
}

} // namespace

void setServices(Services *s) { gServices = s; }
Services *services() { return gServices ? gServices : &gReal; }

QString open_file_name(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return choose(FileRequest::Open, parent, caption, dir, filter);
}

QString save_file_name(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return choose(FileRequest::Save, parent, caption, dir, filter);
}

bool open_url(const QUrl &url) { return services()->open_url(url); }

} // namespace desktop
