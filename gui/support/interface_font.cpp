#include "support/interface_font.h"

#include <QFont>
#include <QString>
#include <QWidget>

namespace {
constexpr int kThaiPointSize = 11; // Thai script needs the larger size to stay legible
constexpr int kPointSize = 10;
const char *const kInterfaceFamily = "微软雅黑";
} // namespace

void apply_interface_font(QWidget *root, const QString &language)
{
    QFont interfaceFont = root->font();
    interfaceFont.setPointSize(language == QLatin1String("Thai") ? kThaiPointSize : kPointSize);
    interfaceFont.setFamily(QString::fromUtf8(kInterfaceFamily));
    // A combo box builds its popup list when its font first changes; the second round reaches
    // the widgets built during the first.
    for (int round = 0; round < 2; ++round) {
        for (QWidget *w : root->findChildren<QWidget *>())
            w->setFont(interfaceFont);
    }
}
