#include "shell/modPrintForm.h"

#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <optional>

using FailingStep = std::optional<RecordingPrintTarget::Step>;

// Print Form on a tool's panel: the panel to the clipboard, the copies asked for, one
// document a copy with the panel's picture at 500, 500 twips.
class tst_PrintForm : public QObject
{
    Q_OBJECT

private slots:
    void printsOneDocumentPerCopy_data();
    void printsOneDocumentPerCopy();
};

void tst_PrintForm::printsOneDocumentPerCopy_data()
{
    // copies: 0 is Cancel in the printer dialog.
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("pdfChoiceCancelled");
    QTest::addColumn<FailingStep>("failing");
    QTest::addColumn<int>("printed");

    QTest::newRow("1 copy") << 1 << false << FailingStep() << 1;
    QTest::newRow("3 copies") << 3 << false << FailingStep() << 3;
    QTest::newRow("Cancel") << 0 << false << FailingStep() << 0;
    QTest::newRow("PDF file choice cancelled") << 3 << true << FailingStep() << 0;
    QTest::newRow("a copy cannot start: the others print")
        << 3 << false << FailingStep(RecordingPrintTarget::Step::Begin) << 2;
    QTest::newRow("a copy cannot end: the others print")
        << 3 << false << FailingStep(RecordingPrintTarget::Step::End) << 2;
}

void tst_PrintForm::printsOneDocumentPerCopy()
{
    QFETCH(int, copies);
    QFETCH(bool, pdfChoiceCancelled);
    QFETCH(FailingStep, failing);
    QFETCH(int, printed);
    ScriptedDialogs dialogs;
    RecordingPrinting printing;
    QWidget panel;
    panel.setFixedSize(300, 200);
    auto* marker = new QWidget(&panel); // a control on the panel, printed with it
    marker->setGeometry(40, 30, 20, 10);
    marker->setStyleSheet(QStringLiteral("background: red"));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QApplication::clipboard()->clear();
    if (pdfChoiceCancelled)
        printing.cancelNextAction();
    if (failing)
        printing.failNext(*failing, QStringLiteral("The printer is out of paper."));
    dialogs.queueModal([copies](QDialog* dialog) {
        QScrollBar* bar = dialog->findChild<QListWidget*>()->verticalScrollBar();
        for (int click = 1; click < copies; ++click)
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        const char* button = copies > 0 ? "cmdPrint" : "cmdCancel";
        QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
        return dialog->result();
    });

    modPrintForm::PrintForm(nullptr, &panel, QStringLiteral("Temperature"));

    QCOMPARE(dialogs.modalWindows(), QStringList{"frmPrinter"});
    QCOMPARE(QApplication::clipboard()->image().size(), panel.size() * panel.devicePixelRatio());
    QCOMPARE(printing.actions().size(), copies > 0 ? 1 : 0);
    if (copies > 0) {
        QCOMPARE(printing.actions().constFirst().documentName, QStringLiteral("Temperature"));
        QCOMPARE(printing.actions().constFirst().documents, copies);
    }
    QCOMPARE(dialogs.messages().size(), failing ? 1 : 0);
    if (failing) {
        QCOMPARE(dialogs.messages().constFirst().title, QStringLiteral("Printer Error!"));
        QCOMPARE(dialogs.messages().constFirst().text,
                 QStringLiteral("The printer is out of paper."));
    }
    int ended = 0;
    for (const RecordedDocument& document : printing.documents()) {
        if (!document.ended)
            continue;
        ++ended;
        QCOMPARE(document.pages.size(), 1);
        const QList<RecordedItem> images = document.pages.constFirst().ofKind(RecordedItem::Image);
        QCOMPARE(images.size(), 1);
        QCOMPARE(images.constFirst().bounds, QRectF(25, 25, 300 * 0.75, 200 * 0.75));
        const QImage picture = images.constFirst().image;
        const double scale = picture.width() / 300.0;
        QVERIFY2(scale > 3, "the panel is drawn at the print resolution");
        QCOMPARE(QColor(picture.pixel(int(50 * scale), int(35 * scale))), QColor(Qt::red));
        QVERIFY(QColor(picture.pixel(int(10 * scale), int(10 * scale))) != QColor(Qt::red));
    }
    QCOMPARE(ended, printed);
}

QTEST_MAIN(tst_PrintForm)
#include "tst_PrintForm.moc"
