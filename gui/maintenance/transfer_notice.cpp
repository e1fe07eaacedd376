#include "maintenance/transfer_notice.h"

#include "seams/message_box.h"

void show_transfer_notice(QWidget *parent, const transfer::Notice &notice)
{
    if (notice.kind == transfer::Notice::Warning)
        msgbox::warning(parent, transfer::shown(QT_TRANSLATE_NOOP("MainWindow", "Warning")), notice.text);
    else
        msgbox::information(parent, transfer::shown(QT_TRANSLATE_NOOP("MainWindow", "Information")), notice.text);
}
