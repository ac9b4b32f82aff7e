#include "frame/CalculatorFrame.h"
#include "printing/Printing.h"
#include "shell/frmMain.h"

#include "PdfPageReader.h"
#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"
#include "TestSettings.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// A machine without a printer: every print action takes the PDF road.
class NoPrinter final : public Printing
{
public:
    NoPrinter() { installPrinting(this); }
    ~NoPrinter() override { installPrinting(nullptr); }
    QString defaultPrinterName() const override { return {}; }
    std::unique_ptr<PrintTarget> openTarget(QWidget* parent, const QString& documentName,
                                            int documents) override
    {
        return openPdfTarget(parent, documentName, documents);
    }
};

bool near(const QRectF& actual, const QRectF& expected)
{
    return qAbs(actual.left() - expected.left()) < 0.05 && qAbs(actual.top() - expected.top()) < 0.05
        && qAbs(actual.width() - expected.width()) < 0.05
        && qAbs(actual.height() - expected.height()) < 0.05;
}

} // namespace

// The main window's Print Form: the tool in view printed as a picture of its panel.
class tst_PrintForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void printsOneDocumentPerCopyAtFiveHundredTwips_data();
    void printsOneDocumentPerCopyAtFiveHundredTwips();
    void cancelPrintsNothingAndKeepsTheClipboard();
    void codeKeeperInViewShowsItsMessageAndPrintsNothing();
    void withoutAToolInViewNothingHappens();
    void cancelledPdfChoicePrintsNothing();
    void printerErrorIsShownAndTheOtherCopiesStillPrint_data();
    void printerErrorIsShownAndTheOtherCopiesStillPrint();
    void withoutAPrinterEachCopyIsAPdfWithThePanelInPlace();

private:
    std::unique_ptr<TestSettings> m_store;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<RecordingPrinting> m_printing;
    std::unique_ptr<frmMain> m_window;
    QLabel* m_marker = nullptr;

    void openWindow();
    void clickTool(const QString& key);
    void printForm();
    void queuePrinterChoice(int copies);
    void queuePrinterCancel();
    QWidget* panel() const;
    // The panel's place on the page: 500, 500 twips, its size on screen in points.
    QRectF expectedPlace() const;
};

void tst_PrintForm::init()
{
    m_store = std::make_unique<TestSettings>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_printing = std::make_unique<RecordingPrinting>();
    QApplication::clipboard()->clear();
}

void tst_PrintForm::cleanup()
{
    m_window.reset();
    m_printing.reset();
    m_dialogs.reset();
    m_store.reset();
}

void tst_PrintForm::openWindow()
{
    m_window = std::make_unique<frmMain>(m_store->settings());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // A control of the tool's own, to see that it is printed with the panel.
    m_marker = new QLabel(panel());
    m_marker->setObjectName(QStringLiteral("marker"));
    m_marker->setGeometry(40, 30, 20, 10);
    m_marker->setStyleSheet(QStringLiteral("background: red"));
    m_marker->show();
}

void tst_PrintForm::clickTool(const QString& key)
{
    auto* action = m_window->findChild<QAction*>(key);
    QVERIFY2(action, qPrintable(key));
    action->trigger();
}

void tst_PrintForm::printForm()
{
    m_window->findChild<QAction*>(QStringLiteral("MenuPrint"))->trigger();
    auto* button8 = m_window->findChild<QToolButton*>(QStringLiteral("button8"));
    QCOMPARE(button8->text(), QStringLiteral("Print Form"));
    QTest::mouseClick(button8, Qt::LeftButton, {}, QPoint(8, button8->height() / 2));
}

void tst_PrintForm::queuePrinterChoice(int copies)
{
    m_dialogs->queueModal([copies](QDialog* dialog) {
        QScrollBar* bar = dialog->findChild<QListWidget*>(QStringLiteral("List1"))->verticalScrollBar();
        for (int click = 1; click < copies; ++click)
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                          Qt::LeftButton);
        return dialog->result();
    });
}

void tst_PrintForm::queuePrinterCancel()
{
    m_dialogs->queueModal([](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel")),
                          Qt::LeftButton);
        return dialog->result();
    });
}

QWidget* tst_PrintForm::panel() const
{
    auto* tool = qobject_cast<CalculatorFrame*>(m_window->activeToolWindow());
    return tool ? tool->picture() : nullptr;
}

QRectF tst_PrintForm::expectedPlace() const
{
    return QRectF(25, 25, panel()->width() * 0.75, panel()->height() * 0.75);
}

void tst_PrintForm::printsOneDocumentPerCopyAtFiveHundredTwips_data()
{
    QTest::addColumn<int>("copies");
    QTest::newRow("1 copy") << 1;
    QTest::newRow("3 copies") << 3;
}

void tst_PrintForm::printsOneDocumentPerCopyAtFiveHundredTwips()
{
    QFETCH(int, copies);
    openWindow();
    queuePrinterChoice(copies);
    printForm();

    QCOMPARE(m_dialogs->modalWindows(), QStringList{QStringLiteral("frmPrinter")});
    QVERIFY(m_dialogs->messages().isEmpty());
    QCOMPARE(m_printing->actions().size(), 1);
    QCOMPARE(m_printing->actions().constFirst().documents, copies);
    QCOMPARE(m_printing->actions().constFirst().documentName, QStringLiteral("Angle Calculator"));
    QCOMPARE(m_printing->documents().size(), copies);
    for (const RecordedDocument& document : m_printing->documents()) {
        QVERIFY(document.ended);
        QCOMPARE(document.pages.size(), 1);
        const QList<RecordedItem> images = document.pages.constFirst().ofKind(RecordedItem::Image);
        QCOMPARE(images.size(), 1);
        QVERIFY2(near(images.constFirst().bounds, expectedPlace()),
                 qPrintable(QStringLiteral("panel printed at %1,%2")
                                .arg(images.constFirst().bounds.left())
                                .arg(images.constFirst().bounds.top())));
        // The controls on the panel are in the picture, at the print resolution.
        const QImage picture = images.constFirst().image;
        const double scale = double(picture.width()) / panel()->width();
        QVERIFY(scale > 2.5);
        QCOMPARE(QColor(picture.pixel(int(50 * scale), int(35 * scale))), QColor(Qt::red));
        QVERIFY(QColor(picture.pixel(int(10 * scale), int(10 * scale))) != QColor(Qt::red));
    }
    QCOMPARE(QApplication::clipboard()->image().size(),
             panel()->size() * panel()->devicePixelRatio());
}

void tst_PrintForm::cancelPrintsNothingAndKeepsTheClipboard()
{
    openWindow();
    queuePrinterCancel();
    printForm();
    QCOMPARE(m_dialogs->modalWindows(), QStringList{QStringLiteral("frmPrinter")});
    QVERIFY(m_printing->actions().isEmpty());
    QVERIFY(m_printing->documents().isEmpty());
    QVERIFY(!QApplication::clipboard()->image().isNull());
}

void tst_PrintForm::codeKeeperInViewShowsItsMessageAndPrintsNothing()
{
    openWindow();
    clickTool(QStringLiteral("CodeKeeper"));
    queuePrinterChoice(2);
    printForm();
    QCOMPARE(m_dialogs->messages().size(), 1);
    const ScriptedDialogs::Message message = m_dialogs->messages().constFirst();
    QCOMPARE(message.text, QStringLiteral("Use the print button on this form to print."));
    QCOMPARE(message.title, m_window->windowTitle());
    QCOMPARE(message.icon, Dialogs::Icon::Information);
    QVERIFY(m_dialogs->modalWindows().isEmpty());
    QVERIFY(m_printing->documents().isEmpty());
}

void tst_PrintForm::withoutAToolInViewNothingHappens()
{
    openWindow();
    for (QMdiSubWindow* subWindow : m_window->findChild<QMdiArea*>()->subWindowList())
        subWindow->hide();
    QVERIFY(!m_window->activeToolWindow());
    queuePrinterChoice(1);
    printForm();
    QVERIFY(m_dialogs->modalWindows().isEmpty());
    QVERIFY(m_dialogs->messages().isEmpty());
    QVERIFY(m_printing->documents().isEmpty());
}

void tst_PrintForm::cancelledPdfChoicePrintsNothing()
{
    openWindow();
    m_printing->cancelNextAction();
    queuePrinterChoice(3);
    printForm();
    QCOMPARE(m_printing->actions().size(), 1);
    QVERIFY(m_printing->documents().isEmpty());
    QVERIFY(m_dialogs->messages().isEmpty());
}

void tst_PrintForm::printerErrorIsShownAndTheOtherCopiesStillPrint_data()
{
    QTest::addColumn<RecordingPrintTarget::Step>("step");
    QTest::addColumn<int>("printed");
    QTest::newRow("document cannot start") << RecordingPrintTarget::Step::Begin << 2;
    QTest::newRow("document cannot end") << RecordingPrintTarget::Step::End << 2;
}

void tst_PrintForm::printerErrorIsShownAndTheOtherCopiesStillPrint()
{
    QFETCH(RecordingPrintTarget::Step, step);
    QFETCH(int, printed);
    openWindow();
    m_printing->failNext(step, QStringLiteral("The printer is out of paper."));
    queuePrinterChoice(3);
    printForm();

    QCOMPARE(m_dialogs->messages().size(), 1);
    QCOMPARE(m_dialogs->messages().constFirst().title, QStringLiteral("Printer Error!"));
    QCOMPARE(m_dialogs->messages().constFirst().text, QStringLiteral("The printer is out of paper."));
    int ended = 0;
    for (const RecordedDocument& document : m_printing->documents())
        ended += document.ended ? 1 : 0;
    QCOMPARE(ended, printed);
}

void tst_PrintForm::withoutAPrinterEachCopyIsAPdfWithThePanelInPlace()
{
    m_printing.reset();
    NoPrinter noPrinter;
    QTemporaryDir folder;
    openWindow();
    QString printerLabel;
    m_dialogs->queueModal([&printerLabel](QDialog* dialog) {
        printerLabel = dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        dialog->findChild<QListWidget*>(QStringLiteral("List1"))
            ->verticalScrollBar()
            ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                          Qt::LeftButton);
        return dialog->result();
    });
    m_dialogs->queueFileName(folder.filePath(QStringLiteral("triangle.pdf")));
    printForm();

    QCOMPARE(printerLabel, QStringLiteral("No Printer Detected !"));
    QCOMPARE(m_dialogs->fileRequests().size(), 1);
    QVERIFY(m_dialogs->messages().isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name),
             QStringList({"triangle-1.pdf", "triangle-2.pdf"}));
    // The PDF's pages have a quarter-inch margin.
    const QRectF expected = expectedPlace().translated(18, 18);
    for (const QString& name : {QStringLiteral("triangle-1.pdf"), QStringLiteral("triangle-2.pdf")}) {
        const PdfPageReader pdf(folder.filePath(name));
        QVERIFY(pdf.isValid());
        QCOMPARE(pdf.pageCount(), 1);
        const QList<QRectF> images = pdf.imagePlacements(0);
        QCOMPARE(images.size(), 1);
        QVERIFY2(near(images.constFirst(), expected),
                 qPrintable(QStringLiteral("%1: panel at %2,%3")
                                .arg(name)
                                .arg(images.constFirst().left())
                                .arg(images.constFirst().top())));
    }
}

QTEST_MAIN(tst_PrintForm)
#include "tst_PrintForm.moc"
