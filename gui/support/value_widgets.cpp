#include "support/value_widgets.h"

#include "support/radio_choice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

namespace value_widgets {

void keep_text(QObject *context, QLineEdit *edit, QString &member)
{
    member = edit->text();
    QObject::connect(edit, &QLineEdit::textChanged, context, [&member](const QString &text) { member = text; });
}

void keep_checked(QObject *context, QCheckBox *box, bool &member)
{
    member = box->isChecked();
    QObject::connect(box, &QCheckBox::toggled, context, [&member](bool on) { member = on; });
}

void keep_value(QObject *context, QSpinBox *spin, int &member)
{
    member = spin->value();
    QObject::connect(spin, qOverload<int>(&QSpinBox::valueChanged), context, [&member](int value) { member = value; });
}

void keep_index(QObject *context, QComboBox *list, int &member)
{
    member = list->currentIndex();
    QObject::connect(list, qOverload<int>(&QComboBox::currentIndexChanged), context,
                     [&member](int index) { member = index; });
}

void keep_checked_index(QObject *context, std::vector<QRadioButton *> group, int &member)
{
    const auto index = [group] {
        int i = 0;
        for (const QRadioButton *b : group) {
            if (b->isChecked())
                return i;
            ++i;
        }
        return -1;
    };
    member = index();
    for (QRadioButton *b : group)
        QObject::connect(b, &QRadioButton::toggled, context, [&member, index] { member = index(); });
}

void show_text(QLineEdit *edit, QString &member)
{
    edit->setText(member);
    member = edit->text();
}

void show_value(QSpinBox *spin, int &member)
{
    spin->setValue(member);
    member = spin->value();
}

void show_index(QComboBox *list, int &member)
{
    list->setCurrentIndex(member);
    member = list->currentIndex();
}

void show_checked_index(std::initializer_list<QRadioButton *> group, int index)
{
    if (index >= 0 && index < int(group.size()))
        group.begin()[index]->setChecked(true);
}

void show_slider(SliderText &member, QLabel *label, QSlider *slider)
{
    label->setText(member.text);
    slider->setValue(member.position);
    member.position = slider->value();
}

} // namespace value_widgets
