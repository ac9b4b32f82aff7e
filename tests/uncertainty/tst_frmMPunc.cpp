#include "uncertainty/frmMPunc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>

// The uncertainty window's wiring, driven through its own controls as a user works it.
class tst_frmMPunc : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_window.reset(); }
    void startState();
    void accuracyTab();
    void toleranceTab();
    void optionsSwitchTheBoxes();

private:
    template <typename Control = QWidget> Control* find(const char* name) const
    {
        return m_window->findChild<Control*>(QLatin1String(name));
    }
    QString text(const char* name) const { return find(name)->property("text").toString(); }
    void type(const char* box, const char* text);
    void click(const char* button);

    std::unique_ptr<frmMPunc> m_window;
};

void tst_frmMPunc::init()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_window = std::make_unique<frmMPunc>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_frmMPunc::type(const char* box, const char* text)
{
    find<QLineEdit>(box)->clear();
    QTest::keyClicks(find(box), QLatin1String(text));
}

// On the left end, where an option button has its round indicator.
void tst_frmMPunc::click(const char* button)
{
    auto* widget = find<QAbstractButton>(button);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

void tst_frmMPunc::startState()
{
    QCOMPARE(find<QTabWidget>("SSTab1")->currentIndex(), 0);
    for (const char* selected : {"optmm", "opt4mm", "optISO", "optR"})
        QVERIFY2(find<QAbstractButton>(selected)->isChecked(), selected);
    for (const char* percentage : {"cmbper", "cmb4"})
        QCOMPARE(find(percentage)->property("currentText").toString(), QStringLiteral("10"));
    for (const char* on : {"txt4ISO", "txt4L", "txt4R"})
        QVERIFY2(find(on)->isEnabled(), on);
    for (const char* locked : {"txt4dist", "txt4PT", "txt4Dia", "txt4DT", "lble"})
        QVERIFY2(find<QLineEdit>(locked)->isReadOnly(), locked);
    QCOMPARE(m_window->focusProxy(), find("txtpt"));
    for (const char* modify : {"cmdmdist", "cmdmpt", "cmdmdia", "cmdmdt"})
        QVERIFY2(!find(modify)->isEnabled(), modify);
}

void tst_frmMPunc::accuracyTab()
{
    type("txtpt", "0.05");
    type("txtpd", "200");
    type("txtl", "333");
    QTest::keyClick(find("txtl"), Qt::Key_Return);
    QCOMPARE(text("lble") + " " + text("txtbbl"), QStringLiteral("0.0044 200.0000"));
    type("txtppt", "0.01");
    click("cmd3pCalc");
    QCOMPARE(text("lblb89"), QStringLiteral("0.0010"));
    click("optin");
    QCOMPARE(text("txtpd"), QStringLiteral("7.87402"));
    click("optmm");
    QCOMPARE(text("txtpd"), QStringLiteral("200.0001"));
    click("cmd3cmmCalcclear");
    QCOMPARE(text("txtpt") + text("lblvol") + text("txtl") + "|" + text("txtppt"),
             QStringLiteral("|0.0099"));
    click("cmd3pCalcclear");
    QCOMPARE(text("txtppt") + text("lblvdi"), QString());
}

void tst_frmMPunc::toleranceTab()
{
    find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    type("txt4ISO", "0.002");
    type("txt4L", "300");
    click("cmd4calc");
    QCOMPARE(text("txt4Dia") + " " + text("txt4DT"), QStringLiteral("300.000 0.0300"));
    QCOMPARE(find("txt4PT")->palette().color(QPalette::Base),
             QApplication::palette().color(QPalette::Base));
    const char* presses[][5] = {{"txt4dist", "150", "cmdmdist", "txt4PT", "0.0250"},
                                {"txt4PT", "0.0250", "cmdmpt", "txt4dist", "150.0000"},
                                {"txt4Dia", "150", "cmdmdia", "txt4DT", "0.0250"},
                                {"txt4DT", "0.0250", "cmdmdt", "txt4Dia", "150.0000"}};
    for (const auto& [box, typed, button, partner, result] : presses) {
        type(box, typed);
        click(button);
        QCOMPARE(text(partner), QLatin1String(result));
    }
    click("opt4in");
    QCOMPARE(text("txt4L"), QStringLiteral("11.81102"));
    click("opt4mm");
    QCOMPARE(text("txt4dist"), QStringLiteral("150.0000"));
    type("txt4R", "0.001");
    click("cmd4FT");
    QCOMPARE(text("lbl4FT"), QStringLiteral("0.0100"));
    click("cmd4FTclear");
    QCOMPARE(text("txt4R") + text("lbl4FT"), QString());
    click("cmd4calcclear");
    QCOMPARE(text("txt4ISO") + text("txt4L") + text("txt4dist") + text("txt4DT"), QString());
    QVERIFY(find("cmdmpt")->isEnabled());
}

void tst_frmMPunc::optionsSwitchTheBoxes()
{
    find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    const char* boxes[] = {"txt4ISO", "txt4L", "txt4U3", "txt4Vol",
                           "txt4bbl", "txt4R", "txt4V3", "txt4B89pp"};
    // Which boxes are on after each option, in the order above; each option changes the state.
    const std::pair<const char*, const char*> options[] = {
        {"optVDI", "01100100"}, {"optB89", "00011100"},   {"optISO", "11000100"},
        {"optV3", "11000010"},  {"optB89pp", "11000001"}, {"optR", "11000100"}};
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    for (const auto& [option, on] : options) {
        click(option);
        QVERIFY2(m_window->focusProxy()->isEnabled(), option);
        for (int i = 0; i < 8; ++i) {
            auto* box = find(boxes[i]);
            const bool faced = box->palette().color(QPalette::Base) == buttonFace;
            QVERIFY2(box->isEnabled() == (on[i] == '1') && faced != box->isEnabled(), boxes[i]);
        }
    }
}

QTEST_MAIN(tst_frmMPunc)
#include "tst_frmMPunc.moc"
