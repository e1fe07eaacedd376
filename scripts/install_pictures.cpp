// Draws the installation position dialog's two pictures (resources/images/camera_install_pos_*.png):
// a side view of the classroom with the camera on the wall and a student, and the three
// measures H, d and h, captioned in English or Chinese. Run by scripts/make_install_pictures.sh.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace {

struct Words {
    QString camera, student, floor, caption, family;
};

void arrow(QPainter &p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QLineF line(to, from);
    for (const qreal turn : {25.0, -25.0}) {
        QLineF head = line;
        head.setLength(8);
        head.setAngle(line.angle() + turn);
        p.drawLine(head);
        QLineF back(from, to);
        back.setLength(8);
        back.setAngle(back.angle() + turn);
        p.drawLine(back);
    }
}

QImage draw(QSize size, const Words &w)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int width = size.width(), height = size.height();
    const int floorY = height - 70, wallX = 48;
    const QColor ink(40, 40, 40), measure(0, 85, 255);

    // Floor and wall.
    p.setPen(QPen(ink, 2));
    p.drawLine(wallX, 14, wallX, floorY);
    p.drawLine(wallX, floorY, width - 14, floorY);
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (int x = wallX + 6; x < width - 14; x += 12)
        p.drawLine(x, floorY + 1, x - 6, floorY + 7);

    // The camera on the wall, looking down into the room.
    const QPointF lens(wallX + 38, 58);
    p.save();
    p.translate(wallX + 20, 52);
    p.rotate(20);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(70, 70, 70));
    p.drawRoundedRect(QRectF(-14, -9, 34, 18), 3, 3);
    p.setBrush(QColor(120, 180, 230));
    p.drawEllipse(QPointF(20, 0), 5, 5);
    p.restore();
    p.setPen(QPen(ink, 2));
    p.drawLine(wallX, 52, wallX + 8, 52);

    // A student standing in the room.
    const qreal studentX = width - 110, headY = floorY - 118;
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(studentX, headY), 11, 11);
    p.drawLine(QPointF(studentX, headY + 11), QPointF(studentX, floorY - 52));
    p.drawLine(QPointF(studentX, headY + 30), QPointF(studentX - 18, headY + 58));
    p.drawLine(QPointF(studentX, headY + 30), QPointF(studentX + 18, headY + 58));
    p.drawLine(QPointF(studentX, floorY - 52), QPointF(studentX - 14, floorY));
    p.drawLine(QPointF(studentX, floorY - 52), QPointF(studentX + 14, floorY));

    // The camera's line of sight.
    p.setPen(QPen(QColor(200, 60, 60), 1.5, Qt::DashLine));
    p.drawLine(lens, QPointF(studentX - 10, headY));

    // The measures.
    p.setPen(QPen(measure, 1.5));
    arrow(p, QPointF(wallX - 22, floorY), QPointF(wallX - 22, 52));
    arrow(p, QPointF(wallX, floorY + 18), QPointF(studentX, floorY + 18));
    arrow(p, QPointF(studentX + 44, floorY), QPointF(studentX + 44, headY));
    p.setPen(QPen(measure, 1, Qt::DotLine));
    p.drawLine(QPointF(studentX, floorY), QPointF(studentX, floorY + 24));
    p.drawLine(QPointF(studentX + 12, headY), QPointF(studentX + 50, headY));

    QFont letters(QStringLiteral("DejaVu Sans"), 13, QFont::Bold);
    p.setFont(letters);
    p.setPen(measure);
    p.drawText(QPointF(wallX - 42, (floorY + 52) / 2 + 6), QStringLiteral("H"));
    p.drawText(QPointF((wallX + studentX) / 2 - 4, floorY + 38), QStringLiteral("d"));
    p.drawText(QPointF(studentX + 52, (floorY + headY) / 2 + 6), QStringLiteral("h"));

    QFont words(w.family, 10);
    p.setFont(words);
    p.setPen(ink);
    p.drawText(QPointF(wallX + 12, 30), w.camera);
    p.drawText(QPointF(studentX - 30, headY - 20), w.student);
    p.drawText(QPointF(width - 60, floorY - 6), w.floor);
    p.drawText(QRectF(0, height - 20, width, 18), Qt::AlignCenter, w.caption);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const Words english{QStringLiteral("Camera"), QStringLiteral("Student"), QStringLiteral("Floor"),
                        QStringLiteral("H: camera height    d: distance    h: object height"),
                        QStringLiteral("DejaVu Sans")};
    const Words chinese{QStringLiteral("摄像机"), QStringLiteral("学生"), QStringLiteral("地面"),
                        QStringLiteral("H：摄像机高度    d：水平距离    h：目标高度"),
                        QStringLiteral("Noto Sans CJK SC")};
    const bool ok = draw(QSize(411, 311), english).save(folder + QStringLiteral("/camera_install_pos_en.png"))
                    && draw(QSize(431, 291), chinese).save(folder + QStringLiteral("/camera_install_pos_zh.png"));
    return ok ? 0 : 1;
}
