#pragma once

#include <QRadioButton>

#include <initializer_list>

// The index of the first checked button of a radio group as the block items count them, or -1
// when none is checked.
inline int checked_index(std::initializer_list<const QRadioButton *> buttons)
{
    int i = 0;
    for (const QRadioButton *b : buttons) {
        if (b->isChecked())
            return i;
        ++i;
    }
    return -1;
}
