#include "printing/PrinterChoice.h"
#include "printing/frmPrinter.h"

#include "RecordingPrintTarget.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <functional>

class tst_frmPrinter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadNamesTheDefaultPrinter_data();
    void loadNamesTheDefaultPrinter();
    void loadClearsTheConfirmationAndOffersOneToNinetyNine();
    void scrollingSelectsTheTopItem_data();
    void scrollingSelectsTheTopItem();
    void choosingWithTheKeyboardIsNotOverruledByTheScroll();
    void cancelOrCloseLeavesTheChoiceUnconfirmed_data();
    void cancelOrCloseLeavesTheChoiceUnconfirmed();

private:
    std::unique_ptr<RecordingPrinting> m_printing;
    std::unique_ptr<frmPrinter> m_dialog;

    void openDialog();
    template <typename T> T* control(const char* name) const
    {
        return m_dialog->findChild<T*>(QLatin1String(name));
    }
    QListWidget* list() const { return control<QListWidget>("List1"); }
};

void tst_frmPrinter::init()
{
    m_printing = std::make_unique<RecordingPrinting>();
    printerChoice() = PrinterChoice{};
}

void tst_frmPrinter::cleanup()
{
    m_dialog.reset();
    m_printing.reset();
}

void tst_frmPrinter::openDialog()
{
    m_dialog = std::make_unique<frmPrinter>();
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void tst_frmPrinter::loadNamesTheDefaultPrinter_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("label");
    QTest::newRow("printer") << "Office LaserJet" << "Office LaserJet";
    QTest::newRow("no printer") << "" << "No Printer Detected !";
}

void tst_frmPrinter::loadNamesTheDefaultPrinter()
{
    QFETCH(QString, printer);
    QFETCH(QString, label);
    m_printing->setPrinterName(printer);
    openDialog();
    QCOMPARE(m_dialog->objectName(), QStringLiteral("frmPrinter"));
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Print"));
    QCOMPARE(control<QLabel>("Label1")->text(), label);
    QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("Number of copies:"));
    QCOMPARE(control<QPushButton>("cmdPrint")->text(), QStringLiteral("Print"));
    QCOMPARE(control<QPushButton>("cmdCancel")->text(), QStringLiteral("Cancel"));
}

void tst_frmPrinter::loadClearsTheConfirmationAndOffersOneToNinetyNine()
{
    printerChoice() = PrinterChoice{true, 12};
    openDialog();
    QCOMPARE(printerChoice().PrintConfirmed, false);
    QCOMPARE(printerChoice().PrintCopies, 12);
    QCOMPARE(list()->count(), 99);
    for (int row = 0; row < list()->count(); ++row)
        QCOMPARE(list()->item(row)->text(), QString::number(row + 1));
    QCOMPARE(list()->currentRow(), 0);
    QVERIFY(list()->currentItem()->isSelected());
}

void tst_frmPrinter::scrollingSelectsTheTopItem_data()
{
    using Scroll = std::function<void(QScrollBar*)>;
    QTest::addColumn<Scroll>("scroll");
    QTest::addColumn<int>("copies");
    QTest::newRow("six clicks on the down arrow") << Scroll([](QScrollBar* bar) {
        for (int click = 0; click < 6; ++click)
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }) << 7;
    QTest::newRow("thumb dragged") << Scroll([](QScrollBar* bar) {
        bar->setSliderDown(true);
        bar->setSliderPosition(6);
        bar->setSliderDown(false);
    }) << 7;
    QTest::newRow("mouse wheel, two notches") << Scroll([](QScrollBar* bar) {
        auto* list = qobject_cast<QListWidget*>(bar->parentWidget()->parentWidget());
        for (int notch = 0; notch < 2; ++notch) {
            const QPointF at(5, 5);
            QWheelEvent wheel(at, list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list->viewport(), &wheel);
        }
    }) << 1 + 2 * QApplication::wheelScrollLines();
    QTest::newRow("down and back up") << Scroll([](QScrollBar* bar) {
        for (int click = 0; click < 10; ++click)
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }) << 10;
    QTest::newRow("to the end") << Scroll([](QScrollBar* bar) {
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
    }) << -1;
}

void tst_frmPrinter::scrollingSelectsTheTopItem()
{
    using Scroll = std::function<void(QScrollBar*)>;
    QFETCH(Scroll, scroll);
    QFETCH(int, copies);
    openDialog();
    QScrollBar* bar = list()->verticalScrollBar();
    QVERIFY(bar->maximum() > 10);
    scroll(bar);
    // -1: the last item that can reach the top.
    const int expected = copies > 0 ? copies : bar->maximum() + 1;
    QCOMPARE(list()->currentItem()->text(), QString::number(expected));
    QCOMPARE(list()->indexAt(QPoint(2, 2)).row(), expected - 1);

    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);
    QCOMPARE(printerChoice().PrintConfirmed, true);
    QCOMPARE(printerChoice().PrintCopies, expected);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
}

void tst_frmPrinter::choosingWithTheKeyboardIsNotOverruledByTheScroll()
{
    openDialog();
    list()->setFocus();
    for (int press = 0; press < 10; ++press)
        QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(list()->currentItem()->text(), QStringLiteral("11"));
    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);
    QCOMPARE(printerChoice().PrintCopies, 11);
}

void tst_frmPrinter::cancelOrCloseLeavesTheChoiceUnconfirmed_data()
{
    QTest::addColumn<bool>("viaCancel");
    QTest::newRow("Cancel") << true;
    QTest::newRow("closing the window") << false;
}

void tst_frmPrinter::cancelOrCloseLeavesTheChoiceUnconfirmed()
{
    QFETCH(bool, viaCancel);
    printerChoice() = PrinterChoice{true, 4};
    openDialog();
    list()->setCurrentRow(8);
    if (viaCancel)
        QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
    else
        m_dialog->close();
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(printerChoice().PrintConfirmed, false);
    QCOMPARE(printerChoice().PrintCopies, 4);
}

QTEST_MAIN(tst_frmPrinter)
#include "tst_frmPrinter.moc"
