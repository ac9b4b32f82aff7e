#include "rrstudy/frmRRCharts.h"

#include "GageStudyFile.h"
#include "RecordingPrintTarget.h"
#include "ScriptedDialogs.h"
#include "rrstudy/StudyInformation.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "rrstudy/TextTableView.h"

class tst_frmRRCharts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void copiesTheSelectedCellsTabSeparated();
    void studyVariationRecomputesTheTables();
    void printsOnePageWithTheChartsAsVectors();
    void savesThePage_data();
    void savesThePage();
    void featureThatCannotBeAnalysedSaysWhy();

private:
    template <typename T> T* control(const char* name) const
    {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    Study m_study;
    StudyInformation m_information;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<frmRRCharts> m_window;
};

void tst_frmRRCharts::init()
{
    QLocale::setDefault(QLocale::c());
    m_study = loadGageStudy(QStringLiteral("gage-rr-reference-3x3x10.csv"), "2.5", "2.5");
    m_study.Features[0].Status = QStringLiteral("Unacceptable");
    StudyFeature failed = m_study.Features[0];
    failed.Number = 2;
    failed.Readings[1][0][4] = QStringLiteral("n/a");
    m_study.Features << failed;
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_window = std::make_unique<frmRRCharts>(m_study, m_information);
    m_window->showFeature(1);
    m_window->show();
}

void tst_frmRRCharts::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
}

void tst_frmRRCharts::copiesTheSelectedCellsTabSeparated()
{
    auto* table = control<TextTableView>("tblComponents");
    table->setFocus();
    table->selectAll();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(
        lines.value(0),
        QStringLiteral(
            "Source\tVarComp\t%Contribution\tStdDev\tStudy Var (6 x SD)\t%Study Var\t%Tolerance"));
    QVERIFY(lines.value(1).startsWith(QStringLiteral("Total Gage R&R\t0.0914285\t7.76\t")));
}

void tst_frmRRCharts::studyVariationRecomputesTheTables()
{
    auto* variation = control<QComboBox>("cmbStudyVariation");
    variation->setCurrentIndex(variation->findData(5.15));
    QCOMPARE(control<TextTableView>("tblComponents")->item(0, 4)->text(),
             QStringLiteral("Study Var (5.15 x SD)"));
}

void tst_frmRRCharts::printsOnePageWithTheChartsAsVectors()
{
    RecordingPrinting printer;
    m_dialogs->queueModal([](QDialog* dialog) {
        dialog->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(0);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                          Qt::LeftButton);
        return dialog->result();
    });
    QTest::mouseClick(control<QPushButton>("cmdPrint"), Qt::LeftButton);
    QCOMPARE(printer.documents().size(), 1);
    const RecordedPage& page = printer.documents()[0].pages.value(0);
    QCOMPARE(printer.documents()[0].pages.size(), 1);
    QVERIFY(page.findText(QStringLiteral("Feature: Bore 1    Verdict: Unacceptable")));
    QVERIFY(page.findText(QStringLiteral("Xbar chart: mean 0.001, UCL 0.351, LCL -0.348")));
    QVERIFY(page.findText(QStringLiteral("Total Gage R&R")));
    QVERIFY(page.ofKind(RecordedItem::Image).isEmpty());
}

void tst_frmRRCharts::savesThePage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("signature");
    QTest::newRow("png") << "charts.png" << QByteArray("\x89PNG");
    QTest::newRow("no suffix is png") << "charts" << QByteArray("\x89PNG");
    QTest::newRow("pdf") << "charts.PDF" << QByteArray("%PDF");
}

void tst_frmRRCharts::savesThePage()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, signature);
    QTemporaryDir folder;
    m_dialogs->queueFileName(folder.filePath(name));
    QTest::mouseClick(control<QPushButton>("cmdSave"), Qt::LeftButton);
    QFile file(
        folder.filePath(name.contains(QLatin1Char('.')) ? name : name + QStringLiteral(".png")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(4).startsWith(signature));
    QVERIFY(m_dialogs->messages().isEmpty());
}

void tst_frmRRCharts::featureThatCannotBeAnalysedSaysWhy()
{
    m_window->showFeature(2);
    QCOMPARE(
        control<QLabel>("lblSummary")->text(),
        QStringLiteral("The reading of appraiser 2, trial 1, part 5 is not a number: \"n/a\"."));
    QVERIFY(!control<QPushButton>("cmdPrint")->isEnabled());
}

QTEST_MAIN(tst_frmRRCharts)
#include "tst_frmRRCharts.moc"
