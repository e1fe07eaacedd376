#pragma once

#include <QProcess>
#include <QStringList>
#include <QVector>

// Detector-shaped ONNX models whose outputs are known, written by
// tests/auto/detection/yolo/make_model.py into the test's working folder as "Zerorod.onnx".
namespace generated_model {

// A cell: level, anchor, row, column, objectness logit, then logits of the classes from 0.
// Offsets and size factors are 0.5 (logit 0): the box is the anchor centred on the cell; a size
// logit changes both factors.
inline QString cell(int level, int anchor, int row, int col, double obj, QVector<double> classes, double size = 0)
{
    QStringList logits{"\"0\":0", "\"1\":0", QString("\"2\":%1").arg(size), QString("\"3\":%1").arg(size),
                       QString("\"4\":%1").arg(obj)};
    for (int c = 0; c < classes.size(); ++c)
        logits << QString("\"%1\":%2").arg(5 + c).arg(classes[c]);
    return QString("{\"level\":%1,\"anchor\":%2,\"row\":%3,\"col\":%4,\"logits\":{%5}}")
        .arg(level).arg(anchor).arg(row).arg(col).arg(logits.join(','));
}

// names: the outputs' names by level, comma-separated (make_model.py's default when empty).
inline bool make(int classes, int outputs, const QStringList &cells, int channels = 3, const QString &names = {})
{
    const QString script = qEnvironmentVariable("CORVANE_SOURCE_DIR") + "/tests/auto/detection/yolo/make_model.py";
    QProcess python;
    QStringList arguments{script, "Zerorod.onnx", QString::number(classes), QString::number(outputs),
                          "[" + cells.join(',') + "]", QString::number(channels)};
    if (!names.isEmpty())
        arguments << names;
    python.start("/usr/bin/python3", arguments);
    return python.waitForFinished(60000) && python.exitCode() == 0;
}

} // namespace generated_model
