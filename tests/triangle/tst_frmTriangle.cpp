#include "triangle/frmTriangle.h"

#include "RecordingPrintTarget.h"
#include "WindowDriver.h"
#include "common/Twips.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace WindowDriver;

namespace {

const QStringList boxNames = {"txtsa", "txtsb", "txtsc", "txtA", "txtB"};
const QStringList panelNames = {"picsasb", "picsasc", "picsbsc", "picscab", "picscaa",
                                "picsbab", "picsbaa", "picsaab", "picsaaa"};

} // namespace

// The triangle window's wiring, worked through its real controls; the solver's rules have
// their own tests.
class tst_frmTriangle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        m_window = std::make_unique<frmTriangle>();
        m_window->resize(800, 560);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }
    void orientation_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("places"); // box left top, in twips

        const auto row = [](const char* name, const char* button, const char* lines,
                            const char* places) {
            QTest::newRow(name) << button << lines << places;
        };
        row("bottom left", "cmdTri1", "Line2 Line3 Line5 Line13 Line14",
            "txtA 7080 5040 txtB 2040 960 txtsa 360 3120 txtsb 3960 5160 txtsc 4800 2880");
        row("top left", "cmdTri2", "Line1 Line3 Line6 Line7 Line8",
            "txtA 1920 5160 txtB 7080 1080 txtsa 4320 960 txtsb 360 3240 txtsc 4680 3360");
        row("top right", "cmdTri3", "Line1 Line4 Line5 Line9 Line10",
            "txtA 2040 960 txtB 7080 5040 txtsa 7080 3000 txtsb 4680 960 txtsc 2760 3360");
        row("bottom right", "cmdTri4", "Line2 Line4 Line6 Line11 Line12",
            "txtA 7080 1080 txtB 2040 5160 txtsa 4440 5160 txtsb 7080 3000 txtsc 2760 2760");
    }

    // The values typed and the formulas shown before the change: the values move with their
    // boxes, the panel goes.
    void orientation()
    {
        QFETCH(QString, button);
        QFETCH(QString, lines);
        QFETCH(QString, places);

        perform(*m_window, "txtsa=3; txtsb=4; cmdTriCalc; cmdTri2; cmdTriForm; " + button);
        QCOMPARE(selectedOrientation(), button);
        QStringList lineNames;
        for (int line = 1; line <= 14; ++line)
            lineNames.append(QStringLiteral("Line%1").arg(line));
        QCOMPARE(visible(lineNames).join(' '), lines);
        QVERIFY(visible(panelNames).isEmpty());
        QCOMPARE(shown(*m_window, "txtsa=3.0; txtsc=5.0"), QStringLiteral("txtsa=3.0; txtsc=5.0"));
        const QStringList word = places.split(QLatin1Char(' '));
        for (qsizetype i = 0; i < word.size(); i += 3)
            QCOMPARE(control(*m_window, word[i])->pos(),
                     Twips::point(word[i + 1].toDouble(), word[i + 2].toDouble()));
    }

    void handlers_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("boxes");  // the boxes a, b, c, A, B afterwards
        QTest::addColumn<QString>("panels"); // the panels shown afterwards, in twips
        QTest::addColumn<QString>("orientation");

        const auto row = [](const char* name, const char* steps, const char* boxes,
                            const char* panels, const char* orientation = "cmdTri1") {
            QTest::newRow(name) << steps << boxes << panels << orientation;
        };
        row("Calculate shows the case's panel under the triangle",
            "txtsa=10; txtA=30; cmdTriForm; cmdTriCalc", "10.0 17.32050808 20.0 30.0 60.0",
            "picsaaa 0 5760");
        row("Calculate with nothing to solve hides the panels",
            "cmdTriForm; txtsa=3; txtB=ninety; cmdTriCalc", "3 _ _ _ ninety", "");
        row("Formulas stack the nine panels", "cmdTriForm", "_ _ _ _ _",
            "picsasb 0 0 picsasc 0 720 picsbsc 0 1440 picscab 0 2160 picscaa 0 2880 picsbab 0 3600 "
            "picsbaa 0 4320 picsaab 0 5040 picsaaa 0 5760");
        row("Clear empties the boxes, keeps the orientation",
            "cmdTri4; txtsb=5; txtB=30; cmdTriCalc; cmdTriClear", "_ _ _ _ _", "", "cmdTri4");
    }

    void handlers()
    {
        QFETCH(QString, steps);
        QFETCH(QString, boxes);
        QFETCH(QString, panels);
        QFETCH(QString, orientation);

        perform(*m_window, steps);
        QStringList texts;
        for (const QString& box : boxNames)
            texts.append(text(*m_window, box).isEmpty() ? QStringLiteral("_")
                                                        : text(*m_window, box));
        QCOMPARE(texts.join(' '), boxes);
        QStringList shownPanels;
        for (const QString& panel : visible(panelNames)) {
            const QRect place = control(*m_window, panel)->geometry();
            QCOMPARE(place.size(), Twips::size(8775, 721));
            shownPanels << panel << QString::number(Twips::fromPixels(place.x()))
                        << QString::number(Twips::fromPixels(place.y()));
        }
        QCOMPARE(shownPanels.join(' '), panels);
        QCOMPARE(selectedOrientation(), orientation);
    }

    void formulaPanelsDrawTheirFormulas_data()
    {
        // The texts each panel draws, in order; a fraction draws its two lines around a bar, a
        // root its radical, an exponent a small 2.
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("drawn");
        const char* const drawn[] = {
            "Using Side a & Side b c = a 2 + b 2 tanA = a b B = 90 - A",
            "Using Side a & Side c b = c 2 - a 2 sinA = a c B = 90 - A",
            "Using Side b & Side c a = c 2 - b 2 sinB = b c A = 90 - B",
            "Using Side c & Angle B b = c x sinB a = c x cosB A = 90 - B",
            "Using Side c & Angle A b = c x cosA a = c x sinA B = 90 - A",
            "Using Side b & Angle B c = b sinB a = b x cotB A = 90 - B",
            "Using Side b & Angle A c = b cosA a = b x tanA B = 90 - A",
            "Using Side a & Angle B c = a sinA b = a x tanB A = 90 - B",
            "Using Side a & Angle A c = a sinA b = a x cotA B = 90 - A",
        };
        for (int i = 0; i < 9; ++i)
            QTest::newRow(qPrintable(panelNames[i])) << panelNames[i] << drawn[i];
    }

    void formulaPanelsDrawTheirFormulas()
    {
        QFETCH(QString, panel);
        QFETCH(QString, drawn);
        RecordingPrintTarget target;
        QVERIFY(target.beginDocument());
        control(*m_window, panel)->render(&target.painter());
        QCOMPARE(target.documents().first().pages.first().texts().join(' ').simplified(), drawn);
    }

    // A value longer than its box shows its start, and the tool tip adds it whole.
    void enterCalculatesAndALongResultShowsItsStart()
    {
        perform(*m_window, "txtsa=1234567890123.25; txtsb=3\r");
        auto* hypotenuse = control<QLineEdit>(*m_window, "txtsc");
        QCOMPARE(hypotenuse->cursorPosition(), 0);
        QCOMPARE(hypotenuse->toolTip(), QStringLiteral("Distance c\n1234567890123.25"));
    }

private:
    QStringList visible(const QStringList& names) const
    {
        QStringList shown;
        for (const QString& name : names)
            if (control(*m_window, name)->isVisible())
                shown.append(name);
        return shown;
    }

    // The orientation buttons in light blue: the selected one only.
    QString selectedOrientation() const
    {
        QStringList selected;
        for (const char* button : {"cmdTri1", "cmdTri2", "cmdTri3", "cmdTri4"}) {
            const QColor colour = control(*m_window, button)->palette().color(QPalette::Button);
            if (colour == QColor(0x80, 0x80, 0xFF))
                selected.append(button);
        }
        return selected.join(QLatin1Char(' '));
    }

    std::unique_ptr<frmTriangle> m_window;
};

QTEST_MAIN(tst_frmTriangle)
#include "tst_frmTriangle.moc"
