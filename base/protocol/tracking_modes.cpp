#include "protocol/tracking_modes.h"

#include <QtGlobal>

#include <iterator>

namespace tracking_modes {

const char *const kPanoCropEntry = QT_TRANSLATE_NOOP("MainWindow", "Num 60 : Pano Crop");

namespace {

// "Paltform" is the entry's text as the form and the translation catalogues have it.
const char *const kOtherEntries[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Num 0 : Pano"),         QT_TRANSLATE_NOOP("MainWindow", "Num 1 : Left Board"),
    QT_TRANSLATE_NOOP("MainWindow", "Num 2 : Center Board"), QT_TRANSLATE_NOOP("MainWindow", "Num 3 : Right Board"),
    QT_TRANSLATE_NOOP("MainWindow", "Num 11 : Board Pano"),  QT_TRANSLATE_NOOP("MainWindow", "Num 60 : Pano Crop"),
};
const char *const kFollowEntries[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Num 0 : Pano"),        QT_TRANSLATE_NOOP("MainWindow", "Num 1 : Paltform"),
    QT_TRANSLATE_NOOP("MainWindow", "Num 2 : Left Board"),  QT_TRANSLATE_NOOP("MainWindow", "Num 3 : Right Board"),
    QT_TRANSLATE_NOOP("MainWindow", "Num 11 : Board Pano"), QT_TRANSLATE_NOOP("MainWindow", "Num 60 : Pano Crop"),
};
// The board pano mode has no panorama preset.
const char *const kBoardPanoEntries[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Num 1 : Paltform"),    QT_TRANSLATE_NOOP("MainWindow", "Num 2 : Left Board"),
    QT_TRANSLATE_NOOP("MainWindow", "Num 3 : Right Board"), QT_TRANSLATE_NOOP("MainWindow", "Num 11 : Board Pano"),
    QT_TRANSLATE_NOOP("MainWindow", "Num 60 : Pano Crop"),
};
const char *const kStudentEntries[] = {QT_TRANSLATE_NOOP("MainWindow", "Num 0 : Pano"),
                                       QT_TRANSLATE_NOOP("MainWindow", "Num 60 : Pano Crop")};

template <size_t N>
QVector<const char *> entries(const char *const (&table)[N])
{
    return QVector<const char *>(std::begin(table), std::end(table));
}

} // namespace

int settings_page(int mode) { return mode == Lectern ? 1 : 0; }

QVector<const char *> teacher_preset_entries(int mode)
{
    switch (mode) {
    case Other:
        return entries(kOtherEntries);
    case Follow:
    case Binocular:
    case Mixed:
        return entries(kFollowEntries);
    case BoardPano:
        return entries(kBoardPanoEntries);
    default:
        return {};
    }
}

QVector<const char *> student_preset_entries() { return entries(kStudentEntries); }

bool crop_by_prefix(const QString &featureModel)
{
    return featureModel == QLatin1String("M19") || featureModel == QLatin1String("R6")
           || featureModel == QLatin1String("M5");
}

bool crop_on_pano(const QString &featureModel)
{
    return featureModel == QLatin1String("M19") || featureModel == QLatin1String("J57");
}

} // namespace tracking_modes
