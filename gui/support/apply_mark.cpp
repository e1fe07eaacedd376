#include "support/apply_mark.h"

#include <QCoreApplication>
#include <QPushButton>

void mark_apply(QPushButton *button) { button->setText(QCoreApplication::translate("MainWindow", "Apply(*)")); }

void mark_apply_unless_loading(bool loading_config, QPushButton *button)
{
    if (!loading_config)
        mark_apply(button);
}
