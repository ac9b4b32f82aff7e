#include "reference/ClockFace.h"
#include "reference/GdtSymbols.h"
#include "reference/InchMillimetre.h"
#include "reference/SizeComparison.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using InchMillimetre::Direction;

// The smaller rules of the reference window: inch/mm, the size comparison's scale, the
// sweep of the clock face and the symbol pictures.
class tst_ReferenceTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void inchMillimetre_data();
    void inchMillimetre();
    void sizeRadii_data();
    void sizeRadii();
    void sweep_data();
    void sweep();
    void everySymbolHasItsPicture();
};

void tst_ReferenceTables::inchMillimetre_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QString>("result"); // empty: the result stays as it was

    const auto toMm = Direction::InchToMillimetre;
    const auto toIn = Direction::MillimetreToInch;
    QTest::newRow("an inch") << "1" << toMm << "25.4";
    QTest::newRow("25.4 mm") << "25.4" << toIn << "1.0";
    QTest::newRow("a millimetre: seven decimals") << "1" << toIn << "0.0393701";
    QTest::newRow("negative converts too") << "-2" << toMm << "-50.8";
    QTest::newRow("a ten-thousandth") << ".0001" << toMm << "0.00254";
    QTest::newRow("empty") << "" << toMm << "";
    QTest::newRow("unit typed with it") << "1in" << toMm << "";
    QTest::newRow("beyond the range of a number") << "1e308" << toMm << "";
}

void tst_ReferenceTables::inchMillimetre()
{
    QFETCH(QString, length);
    QFETCH(Direction, direction);
    QFETCH(QString, result);
    QCOMPARE(InchMillimetre::resultText(length, direction).value_or(QString()), result);
}

void tst_ReferenceTables::sizeRadii_data()
{
    QTest::addColumn<SizeComparison::Selection>("selected");
    QTest::addColumn<QList<float>>("fractionsOfHeight"); // 0: not drawn

    QTest::newRow("all six: the thousandth is the largest")
        << SizeComparison::Selection{true, true, true, true, true, true}
        << QList<float>{0.45f, 0.045f, 0.0045f, 0.177165f, 0.0177165f, 0.00177165f};
    QTest::newRow("only 10 microns: it fills the drawing")
        << SizeComparison::Selection{false, false, false, true, false, false}
        << QList<float>{0, 0, 0, 0.45f, 0, 0};
    QTest::newRow("the metric three")
        << SizeComparison::Selection{false, false, false, true, true, true}
        << QList<float>{0, 0, 0, 0.45f, 0.045f, 0.0045f};
    QTest::newRow("nothing") << SizeComparison::Selection{} << QList<float>{0, 0, 0, 0, 0, 0};
}

void tst_ReferenceTables::sizeRadii()
{
    QFETCH(SizeComparison::Selection, selected);
    QFETCH(QList<float>, fractionsOfHeight);

    const float height = 5355;
    const SizeComparison::Radii radii = SizeComparison::radii(selected, height);
    for (int i = 0; i < SizeComparison::sizeCount; ++i) {
        QCOMPARE(radii[i].has_value(), fractionsOfHeight[i] > 0);
        if (radii[i])
            QVERIFY2(qAbs(*radii[i] / height - fractionsOfHeight[i]) < 1e-5f,
                     qPrintable(QString::number(i)));
    }
}

void tst_ReferenceTables::sweep_data()
{
    QTest::addColumn<float>("target");
    QTest::addColumn<int>("lines");

    QTest::newRow("a right angle") << 90.0f << 90;
    QTest::newRow("a full turn") << 360.0f << 360;
    QTest::newRow("a fraction of a degree still draws the first line") << 0.25f << 1;
    QTest::newRow("a part degree is not drawn") << 45.75f << 45;
}

void tst_ReferenceTables::sweep()
{
    QFETCH(float, target);
    QFETCH(int, lines);

    QImage dial(100, 100, QImage::Format_ARGB32);
    QPainter painter(&dial);
    ClockFace clock;
    clock.placeOn(QSizeF(1500, 1500));
    clock.startSweep(target);
    int drawn = 1;
    while (clock.drawSweepLine(painter) && drawn <= 400)
        ++drawn;
    QCOMPARE(drawn, lines);
    QCOMPARE(clock.sweepAngle(), float(lines + 1));
}

void tst_ReferenceTables::everySymbolHasItsPicture()
{
    for (const GdtSymbols::Symbol& symbol : GdtSymbols::symbols()) {
        QSvgRenderer picture(symbol.picture);
        QVERIFY2(picture.isValid(), qPrintable(symbol.picture));
        const QSize size = picture.defaultSize();
        const bool wide = &symbol == &GdtSymbols::symbols()[GdtSymbols::featureControlFrame];
        QCOMPARE(size.width(), wide ? 5 * size.height() : size.height());
    }
}

QTEST_MAIN(tst_ReferenceTables)
#include "tst_ReferenceTables.moc"
