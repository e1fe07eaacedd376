#pragma once

#include "seams/message_box.h"

#include <QList>
#include <QQueue>

// Records every box the program would show and answers it at once with the next queued answer
// (or the request's default, else its first button), so that no test blocks on a modal box.
class RecordingPresenter : public msgbox::Presenter
{
public:
    RecordingPresenter();
    ~RecordingPresenter() override;

    QMessageBox::StandardButton present(const msgbox::Request &request) override;
    // A notice is recorded like a box (with no buttons) and shows nothing.
    void presentNotice(const msgbox::Request &request, int ms) override;

    void answerNext(QMessageBox::StandardButton button) { answers.enqueue(button); }
    QStringList texts() const;
    void clear() { shown.clear(); }

    QList<msgbox::Request> shown;
    QQueue<QMessageBox::StandardButton> answers;
};
