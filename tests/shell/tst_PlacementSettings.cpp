#include "shell/PlacementSettings.h"

#include "TestSettings.h"

#include <QTest>

class tst_PlacementSettings : public QObject
{
    Q_OBJECT

private slots:
    void defaultsWhenAbsent();
    void unreadableValuesFallBack_data();
    void unreadableValuesFallBack();
    void writesSingleTextThatReadsBack();
};

void tst_PlacementSettings::defaultsWhenAbsent()
{
    TestSettings store;
    QCOMPARE(PlacementSettings(store.settings()).read(), QRectF(1000, 1000, 6500, 6500));
}

void tst_PlacementSettings::unreadableValuesFallBack_data()
{
    QTest::addColumn<QString>("storedLeft");
    QTest::addColumn<double>("left");
    QTest::newRow("text") << "left" << 1000.0;
    QTest::newRow("empty") << "" << 1000.0;
    QTest::newRow("number") << "1500" << 1500.0;
    QTest::newRow("negative number") << "-120" << -120.0;
}

void tst_PlacementSettings::unreadableValuesFallBack()
{
    QFETCH(QString, storedLeft);
    QFETCH(double, left);
    TestSettings store;
    store.settings().setValue(QStringLiteral("Settings/MainLeft"), storedLeft);
    store.settings().setValue(QStringLiteral("Settings/MainTop"), QStringLiteral("2000"));
    const QRectF placement = PlacementSettings(store.settings()).read();
    QCOMPARE(placement.left(), left);
    QCOMPARE(placement.top(), 2000.0);
    QCOMPARE(placement.width(), 6500.0);
}

void tst_PlacementSettings::writesSingleTextThatReadsBack()
{
    TestSettings store;
    PlacementSettings(store.settings()).write(QRectF(1200, 900.5, 12000, 8000));
    const auto reopened = store.reopen();
    QCOMPARE(reopened->value(QStringLiteral("Settings/MainTop")).toString(), QStringLiteral("900.5"));
    QCOMPARE(PlacementSettings(*reopened).read(), QRectF(1200, 900.5, 12000, 8000));
}

QTEST_GUILESS_MAIN(tst_PlacementSettings)
#include "tst_PlacementSettings.moc"
