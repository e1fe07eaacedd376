#pragma once

#include <QDialog>
#include <QString>

QT_BEGIN_NAMESPACE
namespace Ui {
class camera_install_pos;
}
QT_END_NAMESPACE

// How the student panorama camera is mounted: a picture of the three measures (camera height H,
// distance d, object height h) in Chinese or English, with a field for each. Default fills in
// the standard values; Apply hands the three texts to the window, as often as pressed. Nothing
// is sent to a camera from here.
class camera_install_pos : public QDialog
{
    Q_OBJECT

public:
    camera_install_pos(QWidget *parent, const QString &height, const QString &length, const QString &objectHeight,
                       bool chinese);
    ~camera_install_pos() override;

    Ui::camera_install_pos *form() const { return ui; }

signals:
    // The camera height, the distance and the object height, as the fields hold them.
    void ret_install_pos(QString height, QString length, QString objectHeight);

private:
    void on_Default_pushButton_clicked();
    void on_Apply_pushButton_clicked();

    Ui::camera_install_pos *ui = nullptr;
};
