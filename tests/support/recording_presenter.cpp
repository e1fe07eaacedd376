#include "recording_presenter.h"

RecordingPresenter::RecordingPresenter() { msgbox::setPresenter(this); }

RecordingPresenter::~RecordingPresenter()
{
    if (msgbox::presenter() == this)
        msgbox::setPresenter(nullptr);
}

QMessageBox::StandardButton RecordingPresenter::present(const msgbox::Request &request)
{
    shown.append(request);
    if (!answers.isEmpty())
        return answers.dequeue();
    if (request.defaultButton != QMessageBox::NoButton)
        return request.defaultButton;
    for (int bit = 0; bit < 32; ++bit) {
        const auto button = static_cast<QMessageBox::StandardButton>(1u << bit);
        if (request.buttons.testFlag(button))
            return button;
    }
    return QMessageBox::NoButton;
}

void RecordingPresenter::presentNotice(const msgbox::Request &request, int)
{
    msgbox::Request recorded = request;
    recorded.buttons = QMessageBox::NoButton;
    shown.append(recorded);
}

QStringList RecordingPresenter::texts() const
{
    QStringList list;
    for (const msgbox::Request &r : shown)
        list << r.text;
    return list;
}
