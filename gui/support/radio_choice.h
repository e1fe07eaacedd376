#pragma once

#include <QRadioButton>

#include <initializer_list>

// The index of the first checked button of a radio group as the block items count them, or
// `none` when no button is checked (the teacher block says -1, the director block 0).
inline int checked_index(std::initializer_list<const QRadioButton *> buttons, int none = -1)
{
    int i = 0;
    for (const QRadioButton *b : buttons) {
        if (b->isChecked())
            return i;
        ++i;
    }
    return none;
}
