// Which network output holds which level: known by the grid, whatever the order and the shape in
// front of it; outputs that do not fit are named with their shapes.
#include "detection/yolo_decode.h"

#include <QtTest>

using yolo_decode::OutputShape;

Q_DECLARE_METATYPE(std::vector<OutputShape>)

class TstYoloDecode : public QObject
{
    Q_OBJECT
private slots:
    void matchOutputs_data()
    {
        QTest::addColumn<std::vector<OutputShape>>("outputs"); // the network's list, 2 classes
        QTest::addColumn<QString>("levels");                   // the output of level 0, 1, 2
        QTest::addColumn<QString>("error");
        const OutputShape p3{"p3", {1, 21, 52, 52}}, p4{"p4", {1, 21, 26, 26}}, p5{"p5", {1, 21, 13, 13}};
        QTest::newRow("in level order") << std::vector<OutputShape>{p3, p4, p5} << "0 1 2" << "";
        QTest::newRow("sorted by name, stride 32 first") << std::vector<OutputShape>{p5, p3, p4} << "1 2 0" << "";
        QTest::newRow("anchors in a dimension of their own")
            << std::vector<OutputShape>{{"a", {1, 3, 7, 52, 52}}, {"b", {1, 3, 7, 26, 26}}, {"c", {3, 7, 13, 13}}}
            << "0 1 2" << "";
        QTest::newRow("cell values last") << std::vector<OutputShape>{p3, p4, {"p5", {1, 3, 13, 13, 7}}} << "0 1 -1"
            << "output \"p5\" of shape 1x3x13x13x7 has none of the grids 52x52, 26x26, 13x13";
        QTest::newRow("a grid twice") << std::vector<OutputShape>{p3, p5, {"q", {1, 21, 13, 13}}} << "0 -1 1"
            << "outputs \"p5\" of shape 1x21x13x13 and \"q\" of shape 1x21x13x13 both have the grid 13x13";
        QTest::newRow("flat") << std::vector<OutputShape>{p3, p4, {"flat", {3549}}} << "0 1 -1"
            << "output \"flat\" of shape 3549 has none of the grids";
        QTest::newRow("four outputs") << std::vector<OutputShape>{p3, p4, p5, p5} << "-1 -1 -1"
            << "4 outputs (\"p3\" of shape 1x21x52x52, \"p4\"";
    }
    void matchOutputs()
    {
        QFETCH(std::vector<OutputShape>, outputs);
        QFETCH(QString, error);
        const yolo_decode::Layout layout{{}, {8, 16, 32}, 416, 416, 0.3f, 0.3f};
        const yolo_decode::OutputMatch match = yolo_decode::match_outputs(layout, outputs, 2);
        QTEST(QString("%1 %2 %3").arg(match.output[0]).arg(match.output[1]).arg(match.output[2]), "levels");
        QVERIFY2(error.isEmpty() ? match.fits() : match.error.startsWith(error), qPrintable(match.error));
    }
};

QTEST_GUILESS_MAIN(TstYoloDecode)
#include "tst_yolo_decode.moc"
