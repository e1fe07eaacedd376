// The language switch of the Options tab: the catalogue swap, the re-texting of the form, the
// interface font and the reset of the parameter tabs.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "core/installed_catalogue.h"
#include "settings/language_table.h"
#include "support/interface_font.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDebug>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

struct KeptText {
    QLineEdit *edit;
    QString text;
};

} // namespace

void MainWindow::on_language_select_comboBox_activated(int index)
{
    qDebug() << "Switch SystemLocal:" << index;
    const int row = language::name_for_index(index) ? index : language::kEnglishIndex;
    language = *language::name_for_index(row);

    if (!translator)
        translator = new QTranslator;
    QCoreApplication::removeTranslator(translator);
    // A catalogue that does not load leaves the translator empty: the source texts show.
    translator->load(language::catalogue_for_index(row));
    // Also takes the start-up catalogue out, so that only the chosen language can show.
    installed_catalogue::install(translator);

    retranslate_keeping_line_edits();
    retranslate_code_texts();

    features->options().show_language(row);

    apply_interface_font();
    features->search().fit_columns();
    set_all_defaults();
}

void MainWindow::retranslate_keeping_line_edits()
{
    // The form's re-texting would put every line edit back to its form text (ports, logins,
    // addresses typed by the installer) and run its change slot. Each edit keeps its text, and
    // no slot runs, so nothing is marked changed by the switch itself. The line edits inside
    // spin and combo boxes belong to those boxes and are left to them.
    std::vector<KeptText> kept;
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        QWidget *parent = edit->parentWidget();
        if (qobject_cast<QAbstractSpinBox *>(parent) || qobject_cast<QComboBox *>(parent))
            continue;
        kept.push_back({edit, edit->text()});
        blockers.push_back(std::make_unique<QSignalBlocker>(edit));
    }
    ui->retranslateUi(this);
    for (const KeptText &k : kept) {
        if (k.edit->text() != k.text)
            k.edit->setText(k.text);
    }
}

void MainWindow::retranslate_code_texts()
{
    // Texts the window sets over the form's: the re-texting put the form's back.
    setWindowTitle(tr("Corvane V3.0.1"));
    features->retranslate_code_texts();
}

void MainWindow::apply_interface_font() { ::apply_interface_font(this, language); }
