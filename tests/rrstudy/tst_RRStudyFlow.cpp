// The Gage R&R study from end to end, as a user works it: the "RR" tool button, Import
// with a CMM file of the reference manual's readings (Bore 1 at TOL 5, Bore 2 at TOL 20),
// the import window's Process, the tree and the summary with their figures, and the
// summary printed.
#include "PdfPageReader.h"
#include "ScriptedDialogs.h"
#include "StudyBuilder.h"
#include "TestSettings.h"
#include "printing/Printing.h"
#include "rrstudy/SheetView.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
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
    void fromToolButtonToPrintedSummary()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
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
        QCOMPARE(study->objectName(), QStringLiteral("frmRR"));

        answers.queueFileName(testDataPath("gage-rr-reference-cmm.csv"));
        answers.queueModal([](QDialog* importWindow) {
            for (const auto& [box, text] : {std::pair{"txtSP_3", "R1"}, {"txtSP_2", "R2"}, {"txtSP_1", "R3"},
                                            {"txtSP_0", "R4 - C2"}})
                QTest::keyClicks(importWindow->findChild<QLineEdit*>(QLatin1String(box)), QLatin1String(text));
            importWindow->findChild<QComboBox*>(QStringLiteral("cmbNumParts"))->setCurrentIndex(8);
            QTest::mouseClick(importWindow->findChild<QPushButton*>(QStringLiteral("cmdProcess")), Qt::LeftButton);
            return importWindow->result();
        });
        QTest::mouseClick(study->findChild<QPushButton*>(QStringLiteral("cmdImport")), Qt::LeftButton);
        QVERIFY2(answers.messages().isEmpty(), qPrintable(answers.messages().value(0).text));

        auto* tree = study->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        QStringList nodes;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            nodes << (*it)->text(0);
        QCOMPARE(nodes, (QStringList{"Acceptable (1)", "Bore 2 (7.9)", "Caution (0)", "Unacceptable (1)",
                                     "Bore 1 (31.5)"}));
        const QStringList summary = study->findChild<SheetView*>(QStringLiteral("pic2"))->recording().pageText(0);
        QVERIFY(summary.contains(QStringLiteral("  Bore 2").leftJustified(33) + "28.44     5.20      5.91      7.87"));
        QVERIFY(summary.contains(QStringLiteral("  Bore 1").leftJustified(33) + "113.76    20.79     23.66     31.50"));

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
};

QTEST_MAIN(tst_RRStudyFlow)
#include "tst_RRStudyFlow.moc"
