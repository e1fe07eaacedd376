#pragma once

#include <QString>

// A value that a slider and the label beside it show: the label's text is what the block and the
// settings file carry, the slider's position where it stands. The two agree once the slider has
// moved; a reply or the settings file may give a text whose position the slider already holds,
// and then the text stays as it came (a camera's "37" beside the slider at 47, whose own text
// would be "+35").
struct SliderText {
    QString text;
    int position = 0;

    bool operator==(const SliderText &other) const { return text == other.text && position == other.position; }
    bool operator!=(const SliderText &other) const { return !(*this == other); }
};

// The texts the sliders' labels show for a position, and the positions their stored texts give
// back. No widget is touched here.
namespace slider_text {

// The plain sliders (sensitivity, times): the position in decimal.
QString number_text(int position);

// Distance sliders (1 to 171) show (p - 1) * 0.1 + 3.0 with one decimal; a text gives back the
// nearest position. A text that is no number counts as 0.
QString distance_text(int position);
int distance_position(const QString &text);

// Object size slider (1 to 16): (p - 1) * 0.1 + 0.5, the same way round.
QString size_text(int position);
int size_position(const QString &text);

// Pan and tilt offset sliders (0 to 80): 5 * p - 200, written "0" at 40 and with its sign
// otherwise ("+35", "-120").
QString offset_text(int position);

} // namespace slider_text
