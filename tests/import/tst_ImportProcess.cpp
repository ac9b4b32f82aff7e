#include "import/ImportLayout.h"
#include "import/ImportProcess.h"
#include "rrstudy/GageSheets.h"

#include "StudyBuilder.h"

#include <QTemporaryDir>
#include <QTest>

// Process: how a validated layout fills the study from the file, the errors that end
// it, and the calculation it runs.
namespace {

// Names on line 1, tolerances on lines 2 and 3, 2 appraisers x 3 parts x 2 trials in
// order from line 5, column 3.
ImportLayout workedExampleLayout()
{
    ImportLayout layout = ImportLayout::startLayout();
    layout.chooseAppraisers(true);
    layout.chooseParts(1);
    layout.chooseTrials(0);
    layout.blocks = {"R5 - C3", "R3", "R2", "R1", ""};
    return layout;
}

ImportOutcome process(const ImportLayout& layout, const QString& path, Study& study)
{
    return ProcessImport(layout, path, study, QStringLiteral("10"), QStringLiteral("30"));
}

} // namespace

class tst_ImportProcess : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    Study m_earlier; // what an earlier import left: a failing Process must not touch it

    QString write(const QByteArray& content) const
    {
        return writeTestFile(m_folder, "data.csv", content);
    }

private slots:
    // The reference example as a CMM writes it, read and computed: its published figures.
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        ImportLayout layout = ImportLayout::startLayout();
        layout.chooseParts(8);
        layout.blocks = {"R4 - C2", "R3", "R2", "R1", ""};
        QVERIFY(process(layout, testDataPath("gage-rr-reference-cmm.csv"), m_earlier).succeeded());
    }

    void computesTheStudy()
    {
        QVERIFY(m_earlier.ImportSucceeded);
        QCOMPARE((QList<int>{m_earlier.AppraiserCount, m_earlier.PartCount, m_earlier.TrialCount}),
                 (QList<int>{3, 10, 3}));
        QCOMPARE(m_earlier.FeatureCount(), 2);
        for (const StudyFeature& f : m_earlier.Features)
            QCOMPARE((QStringList{f.Name, f.LowerTol, f.Readings[2][2][9], SheetFormat::F2(f.PctRR),
                                  f.Status}),
                     (f.Number == 1 ? QStringList{"Bore 1", "2.5", "-2.16", "31.50", "Unacceptable"}
                                    : QStringList{"Bore 2", "10", "-2.16", "7.87", "Acceptable"}));
    }

    // Trial 2 of appraiser 1's part 1 is read from `line`: past 32,767, and with a fractional
    // entry added before rounding (3 + 1.5 is 4.5, a half that rounds to the even 4; rounding
    // the entry first gave 5); two appraisers never read the third's lists.
    void readsTheLinesTheTrialListsName()
    {
        for (const auto& [lines, firstRun, trialList, line] :
             {std::tuple{32800, "R32780 - C3", "1,2", 32781},
              std::tuple{16, "R4 - C3", "1,1.5", 4}}) {
            ImportLayout layout = workedExampleLayout();
            layout.blocks[ImportLayout::FirstRun] = QLatin1String(firstRun);
            layout.trialLists[0][0] = QLatin1String(trialList);
            layout.trialLists[2] = {"999,999", "x", "1,2"};
            Study study;
            QVERIFY(process(layout, write(placeNamedGrid(lines, 4)), study).succeeded());
            QCOMPARE(study.Features[0].Readings[0][1][0], QStringLiteral("L%1C3").arg(line));
            QVERIFY(study.Features[0].Readings[2][0][0].isEmpty() &&
                    study.Features[0].Readings[2][0][2].isEmpty());
        }
    }

    // Cells are trimmed and keep their quotes; a line may hold one field more than the
    // first (a comma at its end adds none), and a shorter one leaves empty cells.
    void cellsOfTheTable_data()
    {
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<QByteArray>("laterLine");
        QTest::addColumn<QStringList>("cells"); // last feature's name and reading 1, 1, 1
        QTest::newRow("quotes kept, blanks trimmed")
            << QByteArray("a,b,\"Bore 1\"") << QByteArray("1,2, \"10.5\" ")
            << QStringList{"\"Bore 1\"", "\"10.5\""};
        QTest::newRow("one field more than the first line")
            << QByteArray("a,b,c,d") << QByteArray("1,2,3,4,5") << QStringList{"d", "4"};
        QTest::newRow("fewer fields leave empty cells")
            << QByteArray("a,b,c,d,e,f") << QByteArray("1,2") << QStringList{"f", ""};
    }

    void cellsOfTheTable()
    {
        QFETCH(QByteArray, firstLine);
        QFETCH(QByteArray, laterLine);
        QFETCH(QStringList, cells);
        QByteArray content = firstLine + "\r\n";
        for (int line = 2; line <= 16; ++line)
            content += laterLine + "\r\n";
        Study study;
        QVERIFY(process(workedExampleLayout(), write(content), study).succeeded());
        QCOMPARE((QStringList{study.Features.last().Name, study.Features.last().Readings[0][0][0]}),
                 cells);
    }

    void errorsEndProcess_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("firstRun");
        QTest::addColumn<QString>("acceptLimit");
        QTest::addColumn<QString>("message");

        const QByteArray grid = placeNamedGrid(22, 6);
        const QString beyond = AppError(AppError::SubscriptOutOfRange)
                                   .message(QStringLiteral("Unanticipated error ")) +
                               ", please check your values.";
        QTest::newRow("a line two fields wider than the first") << grid + "1,2,3,4,5,6,7,8\r\n"
                                                                << "R5 - C3"
                                                                << "10" << beyond;
        QTest::newRow("a trial row beyond the last line") << placeNamedGrid(21, 4) << "R5 - C3"
                                                          << "10" << beyond;
        QTest::newRow("first run column after the first line's last") << grid << "R5 - C8"
                                                                      << "10" << beyond;
        QTest::newRow("a quoted name holding a comma")
            << QByteArray(grid).replace("L1C4", "\"PNT3, Y\"") << "R5 - C3"
            << "10"
            << "The text in line 1, column 4 holds a comma inside quotes; the names after it would "
               "not match their "
               "readings.";
        QTest::newRow("the calculation fails") << grid << "R5 - C3"
                                               << "ten"
                                               << "There was a problem the calculation of your "
                                                  "data. Please verify the data in your file.";
    }

    // A failed Process leaves the earlier study as it was: Recalculate then gives its figures.
    void errorsEndProcess()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, firstRun);
        QFETCH(QString, acceptLimit);
        QFETCH(QString, message);
        ImportLayout layout = workedExampleLayout();
        layout.chooseAppraisers(false);
        layout.blocks[ImportLayout::FirstRun] = firstRun;
        Study study = m_earlier;
        const ImportOutcome outcome =
            ProcessImport(layout, write(content), study, acceptLimit, QStringLiteral("30"));
        QCOMPARE(outcome.message(), message);
        QVERIFY(CalculateStudy(study, QStringLiteral("10"), QStringLiteral("30")));
        QCOMPARE((QList<int>{study.AppraiserCount, study.PartCount, study.TrialCount}),
                 (QList<int>{3, 10, 3}));
        QCOMPARE((QStringList{study.Features.value(1).Name, study.Features.value(1).Status}),
                 (QStringList{"Bore 2", "Acceptable"}));
        QCOMPARE(study.Features[0].PctRR, m_earlier.Features[0].PctRR);
    }

    void refusesMoreFeaturesThanAStudyHolds()
    {
        const QByteArray wide = "Name" + QByteArray(",1").repeated(32768) + "\r\n";
        ImportLayout layout = workedExampleLayout();
        layout.blocks[ImportLayout::FirstRun] = QStringLiteral("R5 - C2");
        Study study;
        const ImportOutcome outcome = process(layout, write(wide.repeated(16)), study);
        QCOMPARE(outcome.result, ImportOutcome::Result::TooManyFeatures);
        QCOMPARE(outcome.featureCount, 32768);
        QVERIFY(outcome.message().contains("32768") && outcome.message().contains("32767"));
    }
};

QTEST_GUILESS_MAIN(tst_ImportProcess)
#include "tst_ImportProcess.moc"
