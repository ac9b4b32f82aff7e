#include "reference/frmRef.h"

#include "TwipPlacement.h"
#include "WindowDriver.h"
#include "common/Twips.h"
#include "reference/GdtSymbols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

using namespace WindowDriver;

namespace {

const QStringList angleBoxes = {"txtDegD", "txtDegM", "txtDegS", "txtCAH",
                                "txtCAM",  "txtCAS",  "txtDD"};

} // namespace

// The reference window driven through its real controls: each handler is wired to its
// controls and to the logic (whose rules have their own tests). The sweep's timer is
// ticked by the test, never waited for.
class tst_frmRef : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        m_window = std::make_unique<frmRef>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }
    // A row for each container and the rules of its place: positions on a tab count from the
    // tab control's top, its strip of tabs included; Check1_3 leaves a gap for Label12.
    void placement()
    {
        QCOMPARE(control(*m_window, "Picture1")->size(), Twips::size(10575, 6975));
        const double strip = Twips::fromPixels(
            control<QTabWidget>(*m_window, "SSTab1")->tabBar()->sizeHint().height());
        const std::initializer_list<TwipPlacement> design = {
            {"Frame1", 120, 0, 10455, 6855},
            {"SSTab1", 120, 240, 10215, 6495},
            {"Label1", 120, 420 - strip, 9855, 255},
            {"Picture3", 6240, 900 - strip, 3615, 1695},
            {"Picture4", 360, 840 - strip, 5055, 5055},
            {"Label7", 0, 0, 5055, 255},
            {"Frame2", 5640, 720 - strip, 4215, 2775},
            {"txtDegD", 720, 720, 1095, 315},
            {"Frame3", 5640, 3720 - strip, 4215, 2175},
            {"cmdAEcalc", 3000, 1560, 975, 375},
            {"Frame4", 5880, 600 - strip, 3975, 1935},
            {"Frame6", 240, 360, 1335, 1095},
            {"optinTOmm", 120, 240, 1155, 285},
            {"txtinmmDist", 1800, 480, 1815, 285},
            {"Picture5", 240, 720 - strip, 5415, 5415},
            {"Frame5", 5880, 2640 - strip, 3975, 3495},
            {"Check1_3", 240, 1800, 3615, 285},
            {"Label12", 720, 1440, 3135, 255},
        };
        QString misplaced = misplacedControls(*m_window, design);
        // Seven symbols a row, 840 twips apart.
        for (int i = 0; i < 37; ++i)
            if (control(*m_window, QStringLiteral("Image1_%1").arg(i))->geometry() !=
                Twips::rect(840 * (i % 7), 840 * (i / 7), 855, 855))
                misplaced += QStringLiteral(" Image1_%1").arg(i);
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
    }

    // The clock option makes its three boxes the only editable ones and takes the focus.
    void optionUnlocksItsRow()
    {
        perform(*m_window, "SSTab1=Degrees / Angular Error; optCA");
        QCOMPARE(m_window->focusProxy(), control(*m_window, "txtCAH"));
        for (const QString& box : angleBoxes) {
            const bool editable = box.startsWith(QLatin1String("txtCA"));
            auto* edit = control<QLineEdit>(*m_window, box);
            QCOMPARE(edit->isReadOnly(), !editable);
            QCOMPARE(edit->palette().color(QPalette::Base) == Qt::white, editable);
        }
    }

    // A sweep draws a line a degree from 1 to its target and stops; a refused Calculate leaves
    // it running, and Clear redraws the dial under it.
    void sweepRunsToItsTargetThroughClearAndRefusal()
    {
        perform(*m_window, "SSTab1=Degrees / Angular Error; txtDegD=90; cmdDegCalc");
        tick(40);
        perform(*m_window, "txtDegD=400; cmdDegCalc");
        tick(10);
        QVERIFY(!sweptAt(20) && sweptAt(45));
        perform(*m_window, "cmdDegClear");
        QVERIFY(!sweptAt(45));
        for (const QString& box : angleBoxes)
            QVERIFY2(text(*m_window, box).isEmpty(), qPrintable(box));
        QCOMPARE(tick(400), 40);
        QVERIFY(sweptAt(70) && sweptAt(88) && !sweptAt(45) && !sweptAt(100));
    }

    void angularErrorConvertsInDecimalMode()
    {
        perform(*m_window, "SSTab1=Degrees / Angular Error; txtAEDist=10; txtAEerror=10\r");
        QCOMPARE(shown(*m_window, "txtDD=45.0; txtDegD=45"),
                 QStringLiteral("txtDD=45.0; txtDegD=45"));
        QVERIFY(control<QLineEdit>(*m_window, "txtDegD")->isReadOnly());
        QCOMPARE(tick(400), 45);
        perform(*m_window, "cmdAEclear");
        const QString cleared = "txtAEDist=; txtAEerror=; txtDegD=; txtDD=";
        QCOMPARE(shown(*m_window, cleared), cleared);
    }

    void symbolClick_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("index");
        QTest::newRow("a symbol") << "Image1_5" << 5;
        // The label lies over the wide picture and takes its clicks.
        QTest::newRow("the wide feature control frame") << "lbl37" << 37;
    }

    void symbolClick()
    {
        QFETCH(QString, clicked);
        QFETCH(int, index);
        QWidget* target = control(*m_window, clicked);
        QWidget* onTop = target->parentWidget()->childAt(target->geometry().center());
        QCOMPARE(onTop, target);
        QTest::mouseClick(onTop, Qt::LeftButton);
        QCOMPARE(control<QComboBox>(*m_window, "cmbGDT")->currentIndex(), index);
        QCOMPARE(text(*m_window, "txtGDT"), GdtSymbols::symbols()[index].description);
        QWidget* shownPicture = control(*m_window, "picIn");
        QCOMPARE(shownPicture->property("picture"),
                 control(*m_window, QStringLiteral("Image1_%1").arg(index))->property("picture"));
        const QPoint offset =
            shownPicture->geometry().center() - control(*m_window, "Picture3")->rect().center();
        QVERIFY(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1);
    }

    void inchMillimetre_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        const char* units = "SSTab1=IN / MM; ";
        QTest::newRow("Enter converts inches")
            << units + QString("txtinmmDist=1\r") << "lblinmmResult=25.4";
        QTest::newRow("millimetres to inches")
            << units + QString("optmmTOin; txtinmmDist=1; cmdinmmCalc")
            << "lblinmmResult=0.0393701";
        QTest::newRow("clear") << units + QString("txtinmmDist=1; cmdinmmCalc; cmdinmmClear")
                               << "txtinmmDist=; lblinmmResult=";
    }

    void inchMillimetre()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        perform(*m_window, steps);
        QCOMPARE(shown(*m_window, expected), expected);
    }

    // Clear All and Select All change only the check boxes; Plot draws what is checked.
    void sizeButtonsWaitForPlot()
    {
        perform(*m_window, "SSTab1=IN / MM");
        const QImage allSix = drawing("Picture5");
        perform(*m_window, "cmdPcall");
        QVERIFY(!control<QCheckBox>(*m_window, "Check1_3")->isChecked());
        QCOMPARE(drawing("Picture5"), allSix);
        perform(*m_window, "cmdPlot");
        QVERIFY(drawing("Picture5") != allSix);
        perform(*m_window, "cmdPsall; cmdPlot");
        QCOMPARE(drawing("Picture5"), allSix);
    }

private:
    // Ticks the sweep's timer while it runs, at most `times` times; how many ticks there were.
    int tick(int times)
    {
        int ticks = 0;
        for (; ticks < times && m_window->findChild<QTimer*>("Timer1")->isActive(); ++ticks)
            QMetaObject::invokeMethod(m_window.get(), "Timer1_Timer");
        return ticks;
    }

    // Whether the dial shows a sweep line at the angle, halfway out.
    bool sweptAt(double degrees) const
    {
        const QImage dial = drawing("Picture4");
        const double radius =
            control<QFrame>(*m_window, "Picture4")->contentsRect().height() / 2.25;
        const double t = degrees * M_PI / 180;
        const QColor colour =
            dial.pixelColor(int(dial.width() / 2.0 + 0.6 * radius * std::sin(t)),
                            int(dial.height() / 2.0 - 0.6 * radius * std::cos(t)));
        return colour.blue() > 200 && colour.red() < 60 && colour.green() < 60;
    }

    QImage drawing(const char* picture) const
    {
        return control(*m_window, picture)->grab().toImage();
    }

    std::unique_ptr<frmRef> m_window;
};

QTEST_MAIN(tst_frmRef)
#include "tst_frmRef.moc"
