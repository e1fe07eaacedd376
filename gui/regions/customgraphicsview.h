#pragma once

#include <QGraphicsView>

// The view of the region editor: transparent, borderless, without scroll bars, over the
// panorama preview; the pointer goes back to the arrow whenever it enters or a button is let go.
class CustomGraphicsView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit CustomGraphicsView(QWidget *parent = nullptr);

protected:
    void enterEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
