#include "uncertainty/frmMPunc.h"

#include "WindowDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace WindowDriver;

namespace {

const QString tolerance = QStringLiteral("SSTab1=Part Tolerance Based on Machine Accuracy");
const QString isoProposal = tolerance + "; txt4ISO=0.002; txt4L=300; cmd4calc";

} // namespace

// The uncertainty window's wiring, driven through its own controls as a user works it; the
// calculations' rules have their own tests.
class tst_frmMPunc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        m_window = std::make_unique<frmMPunc>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }
    void startState()
    {
        const frmMPunc& window = *m_window;
        QVERIFY(control<QLineEdit>(window, "txt4PT")->isReadOnly());
        QVERIFY(!control(window, "cmdmpt")->isEnabled());
        QCOMPARE(window.focusProxy(), control(window, "txtpt"));

        // The first proposal unlocks the part boxes and the "M" buttons; Clear does not undo it.
        perform(window, isoProposal + "; cmd4calcclear");
        QVERIFY(!control<QLineEdit>(window, "txt4PT")->isReadOnly());
        QCOMPARE(control(window, "txt4PT")->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::Base));
        QVERIFY(control(window, "cmdmpt")->isEnabled());
    }

    void handlers_data()
    {
        // The steps a user takes (WindowDriver::perform), then what the controls show.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");

        const auto row = [](const char* name, const QString& steps, const char* expected) {
            QTest::newRow(name) << steps << expected;
        };
        const QString accuracy =
            "txtpt=0.05; txtpd=200; txtl=333; cmd3cmmCalc; txtppt=0.01; cmd3pCalc";
        row("Enter calculates the accuracy", "txtpt=0.05; txtpd=200; txtl=333\r",
            "lble=0.0044; lblu3=0.0044; txtbbl=200.0000; lblvol=0.0050");
        row("probing with the percentage chosen", "cmbper=20; txtppt=0.01; cmd3pCalc",
            "lbliso=0.0020; lblvdi=0.0020; lblb89=0.0020");
        row("inches and back", "txtpd=200; optin; txtd=1; optmm", "txtpd=200.0001; txtd=25.4000");
        row("clear the accuracy", accuracy + "; cmd3cmmCalcclear",
            "txtpt=; txtpd=; txtl=; txtbbl=; lble=; lblu3=; lblvol=; txtppt=0.01; lbliso=0.0010");
        row("clear the probing", accuracy + "; cmd3pCalcclear",
            "txtppt=; lbliso=; lblvdi=; lblb89=; lble=0.0044");
        row("ISO proposal", isoProposal,
            "txt4dist=300.000; txt4PT=0.0300; txt4Dia=300.000; txt4DT=0.0300");
        row("VDI/VDE proposal", tolerance + "; optVDI; txt4U3=0.002; txt4L=300; cmb4=20; cmd4calc",
            "txt4dist=300.0000; txt4PT=0.0150");
        row("M from the distance", isoProposal + "; txt4dist=150; cmdmdist", "txt4PT=0.0250");
        row("M from the positional tolerance", isoProposal + "; txt4PT=0.0250; cmdmpt",
            "txt4dist=150.0000");
        row("M from the diameter", isoProposal + "; txt4Dia=150; cmdmdia", "txt4DT=0.0250");
        row("M from the diameter tolerance", isoProposal + "; txt4DT=0.0250; cmdmdt",
            "txt4Dia=150.0000");
        row("Enter in a part box presses its M", isoProposal + "; txt4dist=150\r", "txt4PT=0.0250");
        row("tolerance tab in inches", isoProposal + "; opt4in",
            "txt4L=11.81102; txt4dist=11.81102");
        row("form tolerance of the figure chosen",
            tolerance + "; txt4R=0.001; optV3; txt4V3=0.002; cmd4FT", "lbl4FT=0.0200");
        row("clear the part tolerance", isoProposal + "; txt4R=0.001; cmd4calcclear",
            "txt4ISO=; txt4L=; txt4dist=; txt4PT=; txt4Dia=; txt4DT=; txt4R=0.001");
        row("clear the form tolerance", isoProposal + "; txt4R=0.001; cmd4FT; cmd4FTclear",
            "txt4R=; lbl4FT=; txt4ISO=0.002");
    }

    void handlers()
    {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        perform(*m_window, steps);
        QCOMPARE(shown(*m_window, expected), expected);
    }

    void optionsSwitchTheBoxes()
    {
        perform(*m_window, tolerance);
        const char* boxes[] = {"txt4ISO", "txt4L", "txt4U3", "txt4Vol",
                               "txt4bbl", "txt4R", "txt4V3", "txt4B89pp"};
        // Which boxes are on after each option, in the order above; each option changes the state.
        const std::pair<const char*, const char*> options[] = {
            {"optVDI", "01100100"}, {"optB89", "00011100"},   {"optISO", "11000100"},
            {"optV3", "11000010"},  {"optB89pp", "11000001"}, {"optR", "11000100"}};
        const QColor buttonFace = QApplication::palette().color(QPalette::Button);
        for (const auto& [option, on] : options) {
            click(*m_window, option);
            QVERIFY2(m_window->focusProxy()->isEnabled(), option);
            for (int i = 0; i < 8; ++i) {
                QWidget* box = control(*m_window, boxes[i]);
                const bool faced = box->palette().color(QPalette::Base) == buttonFace;
                QVERIFY2(box->isEnabled() == (on[i] == '1') && faced != box->isEnabled(), boxes[i]);
            }
        }
    }

private:
    std::unique_ptr<frmMPunc> m_window;
};

QTEST_MAIN(tst_frmMPunc)
#include "tst_frmMPunc.moc"
