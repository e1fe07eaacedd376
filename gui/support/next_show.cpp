#include "support/next_show.h"

#include <QEvent>
#include <QWidget>

namespace {

class NextShow : public QObject
{
public:
    NextShow(QWidget *widget, std::function<void()> work)
        : QObject(widget)
        , m_work(std::move(work))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            deleteLater();
            m_work();
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

void on_next_show(QWidget *widget, std::function<void()> work)
{
    if (widget->isVisible())
        work();
    else
        new NextShow(widget, std::move(work));
}
