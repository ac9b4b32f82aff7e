#include "shell/frmSplash.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

// The splash screen of start-up, its timer driven by the test.
class tst_frmSplash : public QObject
{
    Q_OBJECT

private slots:
    void closesAtTheSixthTickOrOnAClick();
};

void tst_frmSplash::closesAtTheSixthTickOrOnAClick()
{
    frmSplash splash;
    splash.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    splash.show();
    for (int tick = 1; tick <= 5; ++tick)
        QMetaObject::invokeMethod(&splash, "Timer1_Timer");
    QVERIFY(splash.isVisible());
    QMetaObject::invokeMethod(&splash, "Timer1_Timer");
    QVERIFY(!splash.isVisible());

    frmSplash clicked;
    clicked.show();
    QTest::mouseClick(clicked.findChild<QLabel*>(QStringLiteral("Label3")), Qt::LeftButton);
    QVERIFY(!clicked.isVisible());
}

QTEST_MAIN(tst_frmSplash)
#include "tst_frmSplash.moc"
