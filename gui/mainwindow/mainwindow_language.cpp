// The language switch of the Options tab: the catalogue swap, the re-texting of the form, the
// interface font and the reset of the parameter tabs.
#include "mainwindow/mainwindow.h"
#include "ui_mainwindow.h"

#include "core/installed_catalogue.h"
#include "settings/language_table.h"
#include "support/interface_font.h"
#include "support/retranslate_keeping.h"

#include <QDebug>
#include <QTranslator>


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
    // Also takes the start-up catalogues out, so that only the chosen language can show; Qt's
    // catalogue of the language comes with it (the boxes' standard buttons).
    installed_catalogue::install(translator, language::locale_for_index(row));

    retranslate_keeping_line_edits();
    retranslate_code_texts();

    features->options().show_language(row);

    apply_interface_font();
    features->search().fit_columns();
    set_all_defaults();
}

void MainWindow::retranslate_keeping_line_edits()
{
    // The ports, logins and addresses typed by the installer stay, and nothing is marked changed
    // by the switch itself.
    ::retranslate_keeping_line_edits(this, [this] { ui->retranslateUi(this); });
}

void MainWindow::retranslate_code_texts()
{
    // Texts the window sets over the form's: the re-texting put the form's back.
    setWindowTitle(tr("Corvane V3.0.1"));
    features->retranslate_code_texts();
}

void MainWindow::apply_interface_font() { ::apply_interface_font(this, language); }
