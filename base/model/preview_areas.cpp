#include "model/preview_areas.h"

namespace preview_areas {

namespace {
constexpr int kLeft = 20;
constexpr int kRight = 500;        // the picture's right edge as the installer's drag reaches it
constexpr int kAreaRight = 499;    // first x outside the area
constexpr int kAreaHeight = 268;   // rows of the area below its top
constexpr int kClampMargin = 2;    // clamped points stay this far inside the picture
constexpr int kLocalRight = 480;
constexpr int kLocalBottom = 270;
constexpr int kBand = 10;          // width of the edge band a shield must end in
} // namespace

bool in_area(const QPoint &p, const QPoint &origin)
{
    return p.x() >= kLeft && p.x() < kAreaRight && p.y() >= origin.y() && p.y() < origin.y() + kAreaHeight;
}

QPoint clamp_press(const QPoint &p, const QPoint &origin)
{
    const int top = origin.y();
    return {qBound(kLeft + kClampMargin, p.x(), kRight - kClampMargin),
            qBound(top + kClampMargin, p.y(), top + kAreaHeight)};
}

QPoint clamp_release(const QPoint &p, const QPoint &origin)
{
    const int top = origin.y();
    QPoint r = p;
    if (r.x() < kLeft)
        r.setX(kLeft + kClampMargin);
    else if (r.x() > kRight)
        r.setX(kRight - kClampMargin);
    if (r.y() < top)
        r.setY(top + kClampMargin);
    else if (r.y() > top + kLocalBottom)
        r.setY(top + kAreaHeight);
    return r;
}

QPoint shield_anchor(int shield, const QPoint &press)
{
    switch (shield) {
    case 0:
        return {kLeft, press.y()};
    case 1:
    case 2:
        return {kRight, press.y()};
    default:
        return {press.x(), kPanoOrigin.y()};
    }
}

bool shield_release(int shield, const QPoint &a, QPoint &end, std::array<QPoint, 4> &q)
{
    const int top = kPanoOrigin.y();
    const int bottom = top + kAreaHeight - 1; // 607, the last row of the picture
    const int ex = end.x(), ey = end.y();
    const bool alongBottom = kLeft <= ex && ex <= kRight && bottom - kBand <= ey && ey <= bottom;
    const bool alongTop = kLeft <= ex && ex <= kRight && top <= ey && ey <= top + kBand;
    const bool alongLeft = kLeft <= ex && ex <= kLeft + kBand && top <= ey && ey <= top + kLocalBottom;
    const bool alongRight = kAreaRight - 1 - kBand <= ex && ex <= kAreaRight - 1 && top <= ey
                            && ey <= top + kLocalBottom;
    switch (shield) {
    case 0:
        if (alongBottom) {
            end.setY(bottom);
            q = {a, QPoint(0, 268), QPoint(0, 268), QPoint(ex - kLeft, 267)};
            return true;
        }
        if (alongRight) {
            end.setX(kAreaRight - 1);
            q = {a, QPoint(0, 268), QPoint(kLocalRight, kLocalBottom), QPoint(478, ey - top)};
            return true;
        }
        return false;
    case 1:
    case 2:
        if (alongTop) {
            end.setY(top);
            q = {a, QPoint(kLocalRight, 0), QPoint(kLocalRight, 0), QPoint(ex - kLeft, 0)};
            return true;
        }
        if (alongLeft) {
            end.setX(kLeft);
            q = {a, QPoint(kLocalRight, 0), QPoint(0, 0), QPoint(0, ey - top)};
            return true;
        }
        return false;
    default:
        if (alongLeft) {
            end.setX(kLeft);
            q = {a, QPoint(0, 0), QPoint(0, 0), QPoint(0, ey - top)};
            return true;
        }
        if (alongBottom) {
            end.setY(bottom);
            q = {a, QPoint(0, 0), QPoint(0, kLocalBottom), QPoint(ex - kLeft, 267)};
            return true;
        }
        return false;
    }
}

} // namespace preview_areas
