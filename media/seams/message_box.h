#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>

// Every modal box the program shows goes through here, so that tests can record what would
// have been shown and answer it without blocking.
namespace msgbox {

struct Request {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QWidget *parent = nullptr;
};

class Presenter {
public:
    virtual ~Presenter() = default;
    virtual QMessageBox::StandardButton present(const Request &request) = 0;
    // A box without buttons that goes away by itself after ms milliseconds (notice()). The
    // real one shows a non-modal box and keeps handling events meanwhile.
    virtual void presentNotice(const Request &request, int ms);
};

// The box the real presenter runs for a request, not shown yet. Its standard buttons read in the
// installed catalogues' language (Qt asks them for the texts), and it lays out in that language's
// direction (right to left in Arabic) whatever its parent's.
std::unique_ptr<QMessageBox> build(const Request &request);

// nullptr puts back the real presenter, which runs a modal QMessageBox.
void setPresenter(Presenter *presenter);
Presenter *presenter();

QMessageBox::StandardButton show(const Request &request);
// Shows the request's text and title without buttons, not modal, for ms milliseconds
// (scaled by the time seam); the caller goes on once the box is gone.
void notice(const Request &request, int ms);
QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
QMessageBox::StandardButton critical(QWidget *parent, const QString &title, const QString &text,
                                     QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                     QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

} // namespace msgbox
