#include "support/retranslate_keeping.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include <memory>
#include <vector>

void retranslate_keeping_line_edits(QWidget *root, const std::function<void()> &retranslate)
{
    struct KeptText {
        QLineEdit *edit;
        QString text;
    };
    std::vector<KeptText> kept;
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QLineEdit *edit : root->findChildren<QLineEdit *>()) {
        QWidget *parent = edit->parentWidget();
        if (qobject_cast<QAbstractSpinBox *>(parent) || qobject_cast<QComboBox *>(parent))
            continue;
        kept.push_back({edit, edit->text()});
        blockers.push_back(std::make_unique<QSignalBlocker>(edit));
    }
    retranslate();
    for (const KeptText &k : kept) {
        if (k.edit->text() != k.text)
            k.edit->setText(k.text);
    }
}
