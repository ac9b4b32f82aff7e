// The Gage R&R study from end to end, as a user works it: the "RR" tool button, Import
// with a CMM file, the import window's Process, the tree, and the summary printed.
#include "ImportTestFiles.h"
#include "PdfPageReader.h"
#include "ScriptedDialogs.h"
#include "TestSettings.h"
#include "rrstudy/modRR.h"
#include "printing/Printing.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// A machine without a printer: every print action writes a PDF file.
class PdfOnlyPrinting final : public Printing
{
public:
    PdfOnlyPrinting() { installPrinting(this); }
    ~PdfOnlyPrinting() override { installPrinting(nullptr); }

    QString defaultPrinterName() const override { return {}; }
    std::unique_ptr<PrintTarget> openTarget(QWidget* parent, const QString& documentName, int documents) override
    {
        return openPdfTarget(parent, documentName, documents);
    }
};

} // namespace

class tst_RRStudyFlow : public QObject
{
    Q_OBJECT

private slots:
    void fromToolButtonToPrintedSummary();
};

void tst_RRStudyFlow::fromToolButtonToPrintedSummary()
{
    TestSettings store;
    ScriptedDialogs answers;
    PdfOnlyPrinting printing;
    QTemporaryDir folder;
    theStudy() = Study();

    frmMain window(store.settings());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    QTest::mouseClick(toolBar->widgetForAction(window.findChild<QAction*>(QStringLiteral("RR"))), Qt::LeftButton);
    QWidget* study = window.activeToolWindow();
    QVERIFY(study);
    QCOMPARE(study->objectName(), QStringLiteral("frmRR"));

    // 12 features, 3 appraisers x 5 parts x 3 trials = 45 reading lines below the
    // names and the two tolerance lines.
    answers.queueFileName(ImportTestFiles::write(folder, QStringLiteral("bores.csv"), ImportTestFiles::cmmFile(12, 45)));
    answers.queueModal([](QDialog* importWindow) {
        const auto type = [importWindow](const char* box, const char* text) {
            QTest::keyClicks(importWindow->findChild<QLineEdit*>(QLatin1String(box)), QLatin1String(text));
        };
        type("txtSP_3", "R1");
        type("txtSP_2", "R2");
        type("txtSP_1", "R3");
        type("txtSP_0", "R4 - C2");
        QTest::mouseClick(importWindow->findChild<QPushButton*>(QStringLiteral("cmdProcess")), Qt::LeftButton);
        return importWindow->result();
    });
    QTest::mouseClick(study->findChild<QPushButton*>(QStringLiteral("cmdImport")), Qt::LeftButton);
    QVERIFY2(answers.messages().isEmpty(), qPrintable(answers.messages().value(0).text));

    auto* tree = study->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    QCOMPARE(tree->topLevelItemCount(), 3);
    int listed = 0;
    static const QRegularExpression countInText(QStringLiteral("^(Acceptable|Caution|Unacceptable) \\((\\d+)\\)$"));
    for (int group = 0; group < 3; ++group) {
        QTreeWidgetItem* node = tree->topLevelItem(group);
        const QRegularExpressionMatch match = countInText.match(node->text(0));
        QVERIFY2(match.hasMatch(), qPrintable(node->text(0)));
        QCOMPARE(match.captured(2).toInt(), node->childCount());
        listed += node->childCount();
    }
    QCOMPARE(listed, 12);
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));

    const QString pdf = folder.filePath(QStringLiteral("summary.pdf"));
    study->findChild<QCheckBox*>(QStringLiteral("ckSummary"))->click();
    answers.queueModal([](QDialog* printerDialog) {
        QTest::mouseClick(printerDialog->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);
        return printerDialog->result();
    });
    answers.queueFileName(pdf);
    QTest::mouseClick(study->findChild<QPushButton*>(QStringLiteral("cmdPrint")), Qt::LeftButton);

    const PdfPageReader printed(pdf);
    QVERIFY(printed.isValid());
    QCOMPARE(printed.pageCount(), 1);
}

QTEST_MAIN(tst_RRStudyFlow)
#include "tst_RRStudyFlow.moc"
