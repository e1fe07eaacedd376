#pragma once

#include "model/slider_text.h"

#include <QString>

#include <initializer_list>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QRadioButton;
class QSlider;
class QSpinBox;

// How a feature's widgets edit and show the values it holds (a section's members): each keep_
// connects a widget's change signal so that the member follows every change, by the installer or
// by code; each show_ puts a member into its widget and takes back what the widget made of it (a
// spin box or slider clamps, a list without the entry has none). The member must outlive the
// context object, which ends the connection.
namespace value_widgets {

void keep_text(QObject *context, QLineEdit *edit, QString &member);
void keep_checked(QObject *context, QCheckBox *box, bool &member);
void keep_value(QObject *context, QSpinBox *spin, int &member);
void keep_index(QObject *context, QComboBox *list, int &member);
// The index of the group's checked button, -1 while none is.
void keep_checked_index(QObject *context, std::vector<QRadioButton *> group, int &member);

void show_text(QLineEdit *edit, QString &member);
void show_value(QSpinBox *spin, int &member);
void show_index(QComboBox *list, int &member);
// The button of the index is checked; an index of no button leaves the group as it is.
void show_checked_index(std::initializer_list<QRadioButton *> group, int index);
// The label takes the text, then the slider the position. A slider that moves runs its own
// slots, which give the member the slider's text; one that clamps the position keeps the text.
void show_slider(SliderText &member, QLabel *label, QSlider *slider);

} // namespace value_widgets
