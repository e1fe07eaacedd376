#include "seams/message_box.h"

#include "core/installed_catalogue.h"
#include "core/wait.h"

namespace msgbox {
namespace {

// The standard buttons the tool's boxes offer, as Qt asks the catalogues for them: through its
// platform theme, or on GNOME-like desktops through that theme, with mnemonics. Marked here so
// that the tool's catalogues carry them: Qt ships no catalogue for Thai and Indonesian, and a
// system may lack Qt's catalogues altogether.
[[maybe_unused]] const char *const kButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel"),
};

class ModalPresenter : public Presenter {
public:
    QMessageBox::StandardButton present(const Request &request) override
    {
        return static_cast<QMessageBox::StandardButton>(build(request)->exec());
    }
};

ModalPresenter gModal;
Presenter *gPresenter = nullptr;

QMessageBox::StandardButton make(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                                 const QString &text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    Request r;
    r.icon = icon;
    r.parent = parent;
    r.title = title;
    r.text = text;
    r.buttons = buttons;
    r.defaultButton = defaultButton;
    return show(r);
}

} // namespace

std::unique_ptr<QMessageBox> build(const Request &request)
{
    auto box = std::make_unique<QMessageBox>(request.icon, request.title, request.text, request.buttons, request.parent);
    if (request.defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(request.defaultButton);
    const Qt::LayoutDirection direction = installed_catalogue::text_direction();
    if (direction != Qt::LayoutDirectionAuto)
        box->setLayoutDirection(direction);
    return box;
}

void Presenter::presentNotice(const Request &request, int ms)
{
    Request notice = request;
    notice.buttons = QMessageBox::NoButton;
    notice.defaultButton = QMessageBox::NoButton;
    QMessageBox *box = build(notice).release();
    box->setModal(false);
    box->show();
    wait_ms(ms);
    box->hide();
    box->deleteLater();
}

void setPresenter(Presenter *p) { gPresenter = p; }
Presenter *presenter() { return gPresenter ? gPresenter : &gModal; }

QMessageBox::StandardButton show(const Request &request) { return presenter()->present(request); }

void notice(const Request &request, int ms) { presenter()->presentNotice(request, ms); }

QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
{
    return make(QMessageBox::Warning, parent, title, text, buttons, def);
}

QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
{
    return make(QMessageBox::Information, parent, title, text, buttons, def);
}

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
{
    return make(QMessageBox::Question, parent, title, text, buttons, def);
}

QMessageBox::StandardButton critical(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
{
    return make(QMessageBox::Critical, parent, title, text, buttons, def);
}

} // namespace msgbox
