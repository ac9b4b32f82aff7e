#include "uncertainty/frmMPunc.h"

#include "TwipPlacement.h"
#include "WindowDriver.h"
#include "common/Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
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
    void init();
    void cleanup() { m_window.reset(); }
    void startState();
    void placement();
    void handlers_data();
    void handlers();
    void optionsSwitchTheBoxes();

private:
    std::unique_ptr<frmMPunc> m_window;
};

void tst_frmMPunc::init()
{
    m_window = std::make_unique<frmMPunc>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_frmMPunc::startState()
{
    const frmMPunc& window = *m_window;
    QCOMPARE(control<QTabWidget>(window, "SSTab1")->currentIndex(), 0);
    for (const char* selected : {"optmm", "opt4mm", "optISO", "optR"})
        QVERIFY2(control<QAbstractButton>(window, selected)->isChecked(), selected);
    QCOMPARE(shown(window, "cmbper=10; cmb4=10"), QStringLiteral("cmbper=10; cmb4=10"));
    for (const char* locked : {"txt4dist", "txt4PT", "txt4Dia", "txt4DT", "lble"})
        QVERIFY2(control<QLineEdit>(window, locked)->isReadOnly(), locked);
    for (const char* modify : {"cmdmdist", "cmdmpt", "cmdmdia", "cmdmdt"})
        QVERIFY2(!control(window, modify)->isEnabled(), modify);
    QCOMPARE(window.focusProxy(), control(window, "txtpt"));
    // Tool tips as the window's users know them, odd spacing and spelling included.
    QCOMPARE(control(window, "txtdtol")->toolTip(), QStringLiteral("Example: .030  = +/- .030"));
    QCOMPARE(control(window, "cmdmdia")->toolTip(),
             QStringLiteral("Recalculates diameter tolerance based on modified diamerter"));

    // The first proposal unlocks the part boxes and the "M" buttons; Clear does not undo it.
    perform(window, isoProposal + "; cmd4calcclear");
    QVERIFY(!control<QLineEdit>(window, "txt4PT")->isReadOnly());
    QCOMPARE(control(window, "txt4PT")->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
    QVERIFY(control(window, "cmdmpt")->isEnabled());
}

// The design rectangles of both tabs, in twips.
void tst_frmMPunc::placement()
{
    QCOMPARE(control(*m_window, "Picture1")->size(), Twips::size(10575, 6975));
    const std::initializer_list<TwipPlacement> design = {
        {"Frame1", 120, 120, 10335, 6735},
        {"SSTab1", 120, 120, 10095, 6495},
        {"txtpt", 5160, 420, 1200, 315},
        {"txtpd", 5160, 1020, 1200, 315},
        {"txtd", 5160, 2220, 1200, 315},
        {"txtdtol", 5160, 2760, 1200, 315},
        {"cmbper", 5160, 3195, 1200, 330},
        {"txtl", 8220, 420, 1320, 315},
        {"txtbbl", 8220, 840, 1320, 315},
        {"lble", 8220, 1440, 1320, 315},
        {"lblu3", 8220, 1860, 1320, 315},
        {"lblvol", 8220, 2280, 1320, 315},
        {"cmd3cmmCalc", 6600, 3120, 1410, 420},
        {"cmd3cmmCalcclear", 8130, 3120, 1410, 420},
        {"txtppt", 1680, 870, 1440, 315},
        {"cmd3pCalc", 240, 1350, 1380, 420},
        {"cmd3pCalcclear", 1740, 1350, 1380, 420},
        {"lbliso", 5580, 390, 1860, 315},
        {"lblvdi", 5580, 870, 1860, 315},
        {"lblb89", 5580, 1350, 1860, 315},
        {"optmm", 240, 390, 720, 285},
        {"optin", 1080, 390, 720, 285},
        {"lblFootnote", 120, 5730, 9780, 255},
        {"optISO", 240, 405, 300, 285},
        {"txt4ISO", 2460, 390, 1560, 315},
        {"txt4L", 2460, 810, 1560, 315},
        {"optVDI", 240, 1305, 300, 285},
        {"txt4U3", 2460, 1290, 1560, 315},
        {"optB89", 240, 1785, 300, 285},
        {"txt4Vol", 2460, 1770, 1560, 315},
        {"txt4bbl", 2460, 2190, 1560, 315},
        {"cmb4", 2700, 2685, 1320, 330},
        {"cmd4calc", 240, 3120, 1830, 420},
        {"cmd4calcclear", 2190, 3120, 1830, 420},
        {"txt4dist", 4110, 270, 900, 315},
        {"cmdmdist", 5070, 255, 330, 345},
        {"txt4PT", 4110, 870, 900, 315},
        {"cmdmpt", 5070, 855, 330, 345},
        {"txt4Dia", 4110, 1995, 900, 315},
        {"cmdmdia", 5070, 1980, 330, 345},
        {"txt4DT", 4110, 2595, 900, 315},
        {"cmdmdt", 5070, 2580, 330, 345},
        {"optR", 240, 405, 300, 285},
        {"txt4R", 2520, 390, 1320, 315},
        {"optV3", 240, 885, 300, 285},
        {"txt4V3", 2520, 870, 1320, 315},
        {"optB89pp", 240, 1365, 300, 285},
        {"txt4B89pp", 2520, 1350, 1320, 315},
        {"lbl4FT", 5580, 870, 1860, 315},
        {"cmd4FT", 4200, 1350, 1500, 420},
        {"cmd4FTclear", 5940, 1350, 1500, 420},
        {"opt4mm", 240, 390, 720, 285},
        {"opt4in", 1080, 390, 720, 285},
    };
    const QString misplaced = misplacedControls(*m_window, design);
    QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced));
}

void tst_frmMPunc::handlers_data()
{
    // The steps a user takes (WindowDriver::perform), then what the controls show.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const QString& steps, const char* expected) {
        QTest::newRow(name) << steps << expected;
    };
    const QString accuracy = "txtpt=0.05; txtpd=200; txtl=333; cmd3cmmCalc; txtppt=0.01; cmd3pCalc";
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
    row("B89 proposal", tolerance + "; optB89; txt4Vol=0.003; txt4bbl=400; cmd4calc",
        "txt4Dia=400.0000; txt4DT=0.0300");
    row("M from the distance", isoProposal + "; txt4dist=150; cmdmdist", "txt4PT=0.0250");
    row("M from the positional tolerance", isoProposal + "; txt4PT=0.0250; cmdmpt",
        "txt4dist=150.0000");
    row("M from the diameter", isoProposal + "; txt4Dia=150; cmdmdia", "txt4DT=0.0250");
    row("M from the diameter tolerance", isoProposal + "; txt4DT=0.0250; cmdmdt",
        "txt4Dia=150.0000");
    row("Enter in a part box presses its M", isoProposal + "; txt4dist=150\r", "txt4PT=0.0250");
    row("tolerance tab in inches", isoProposal + "; opt4in", "txt4L=11.81102; txt4dist=11.81102");
    row("form tolerance of the figure chosen",
        tolerance + "; txt4R=0.001; optV3; txt4V3=0.002; cmd4FT", "lbl4FT=0.0200");
    row("clear the part tolerance", isoProposal + "; txt4R=0.001; cmd4calcclear",
        "txt4ISO=; txt4L=; txt4dist=; txt4PT=; txt4Dia=; txt4DT=; txt4R=0.001");
    row("clear the form tolerance", isoProposal + "; txt4R=0.001; cmd4FT; cmd4FTclear",
        "txt4R=; lbl4FT=; txt4ISO=0.002");
}

void tst_frmMPunc::handlers()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    perform(*m_window, steps);
    QCOMPARE(shown(*m_window, expected), expected);
}

void tst_frmMPunc::optionsSwitchTheBoxes()
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

QTEST_MAIN(tst_frmMPunc)
#include "tst_frmMPunc.moc"
