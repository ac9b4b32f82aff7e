#include "import/ImportLayout.h"
#include "import/ImportProcess.h"
#include "rrstudy/modRR.h"

#include "ImportTestFiles.h"

#include <QTest>

// Process: how a validated layout fills the study from the file, the errors that end
// it, and the calculation it runs.
class tst_ImportProcess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fillsTheWorkedExample();
    void readsTheLinesTheTrialListsName();
    void twoAppraisersNeverReadTheThird();
    void cellsAreTrimmedAndKeepTheirQuotes();
    void linesMayHaveOneFieldMore_data();
    void linesMayHaveOneFieldMore();
    void errorsEndProcess_data();
    void errorsEndProcess();
    void refusesMoreFeaturesThanAStudyHolds();
    void computesTheStudy();

private:
    QString write(const QByteArray& content) const
    {
        return ImportTestFiles::write(m_folder, QStringLiteral("data.csv"), content);
    }

    QTemporaryDir m_folder;
    Study m_earlier;  // what an earlier import left: a failing Process must not touch it
};

namespace {

// Names on line 1, tolerances on lines 2 and 3, 2 appraisers x 3 parts x 2 trials in
// order from line 5, column 3.
ImportLayout workedExampleLayout()
{
    ImportLayout layout = ImportLayout::startLayout();
    layout.chooseAppraisers(true);
    layout.chooseParts(1);
    layout.chooseTrials(0);
    layout.blocks[ImportLayout::FeatureName] = QStringLiteral("R1");
    layout.blocks[ImportLayout::UpperTolerance] = QStringLiteral("R2");
    layout.blocks[ImportLayout::LowerTolerance] = QStringLiteral("R3");
    layout.blocks[ImportLayout::FirstRun] = QStringLiteral("R5 - C3");
    return layout;
}

ImportOutcome process(const ImportLayout& layout, const QString& path, Study& study)
{
    return ProcessImport(layout, path, study, QStringLiteral("10"), QStringLiteral("30"));
}

} // namespace

void tst_ImportProcess::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(process(workedExampleLayout(), write(ImportTestFiles::cmmFile(5, 13)), m_earlier).succeeded());
}

void tst_ImportProcess::fillsTheWorkedExample()
{
    Study study = m_earlier;
    const ImportOutcome outcome =
        process(workedExampleLayout(), write(ImportTestFiles::placeNamedGrid(16, 10)), study);
    QVERIFY(outcome.succeeded());
    QVERIFY(study.ImportSucceeded);
    QCOMPARE(study.AppraiserCount, 2);
    QCOMPARE(study.PartCount, 3);
    QCOMPARE(study.TrialCount, 2);
    QCOMPARE(study.FeatureCount(), 8);

    const StudyFeature& first = study.Features.first();
    QCOMPARE(first.Number, 1);
    QCOMPARE(first.Name, QStringLiteral("L1C3"));
    QCOMPARE(first.UpperTol, QStringLiteral("L2C3"));
    QCOMPARE(first.LowerTol, QStringLiteral("L3C3"));
    // Appraiser 2, part 1 has the list 7,8: trial 2 is line 5 - 1 + 8.
    QCOMPARE(first.Readings[1][1][0], QStringLiteral("L12C3"));
    QCOMPARE(first.Readings[0][0][0], QStringLiteral("L5C3"));
    QCOMPARE(first.Readings[1][1][2], QStringLiteral("L16C3"));

    const StudyFeature& last = study.Features.last();
    QCOMPARE(last.Number, 8);
    QCOMPARE(last.Name, QStringLiteral("L1C10"));
    QCOMPARE(last.Readings[1][1][0], QStringLiteral("L12C10"));
}

// Appraiser 1's part 1 lists the rows of its trials; trial 2 is read from `line`: past
// 32,767, and with a fractional entry added before rounding (3 + 1.5 is 4.5, a half that
// rounds to the even 4; rounding the entry first gave 5).
void tst_ImportProcess::readsTheLinesTheTrialListsName()
{
    for (const auto& [lines, firstRun, trialList, line] :
         {std::tuple{32800, "R32780 - C3", "1,2", 32781}, std::tuple{16, "R4 - C3", "1,1.5", 4}}) {
        ImportLayout layout = workedExampleLayout();
        layout.blocks[ImportLayout::FirstRun] = QLatin1String(firstRun);
        layout.trialLists[0][0] = QLatin1String(trialList);
        Study study;
        QVERIFY(process(layout, write(ImportTestFiles::placeNamedGrid(lines, 4)), study).succeeded());
        QCOMPARE(study.Features[0].Readings[0][1][0], QStringLiteral("L%1C3").arg(line));
    }
}

void tst_ImportProcess::twoAppraisersNeverReadTheThird()
{
    ImportLayout layout = workedExampleLayout();
    layout.setTrialsInOrder(false);
    layout.trialLists[0] = {"1,2", "3,4", "5,6"};
    layout.trialLists[1] = {"7,8", "9,10", "11,12"};
    layout.trialLists[2] = {"999,999", "x", "1,2"};
    Study study;
    QVERIFY(process(layout, write(ImportTestFiles::placeNamedGrid(16, 10)), study).succeeded());
    QCOMPARE(study.Features[0].Readings[1][0][2], QStringLiteral("L15C3"));
    QVERIFY(study.Features[0].Readings[2][0][0].isEmpty());
    QVERIFY(study.Features[0].Readings[2][0][2].isEmpty());
}

void tst_ImportProcess::cellsAreTrimmedAndKeepTheirQuotes()
{
    QByteArray content = ImportTestFiles::placeNamedGrid(16, 4);
    content.replace("L1C3", "\"Bore 1\"");
    content.replace("L5C3", " \"10.5\" ");
    content.replace("L6C3", "  10.25\t");
    Study study;
    QVERIFY(process(workedExampleLayout(), write(content), study).succeeded());
    QCOMPARE(study.FeatureCount(), 2);
    QCOMPARE(study.Features[0].Name, QStringLiteral("\"Bore 1\""));
    QCOMPARE(study.Features[0].Readings[0][0][0], QStringLiteral("\"10.5\""));
    QCOMPARE(study.Features[0].Readings[0][1][0], QStringLiteral("10.25"));
}

void tst_ImportProcess::linesMayHaveOneFieldMore_data()
{
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<QByteArray>("laterLine");
    QTest::addColumn<int>("features");

    QTest::newRow("one field more than the first line")
        << QByteArray("a,b,c,d") << QByteArray("1,2,3,4,5") << 2;
    QTest::newRow("comma at the end adds no field")
        << QByteArray("a,b,c,d,") << QByteArray("1,2,3,4,5,") << 2;
    QTest::newRow("fewer fields leave empty cells")
        << QByteArray("a,b,c,d,e,f") << QByteArray("1,2") << 4;
}

void tst_ImportProcess::linesMayHaveOneFieldMore()
{
    QFETCH(QByteArray, firstLine);
    QFETCH(QByteArray, laterLine);
    QFETCH(int, features);

    QByteArray content = firstLine + "\r\n";
    for (int line = 2; line <= 16; ++line)
        content += laterLine + "\r\n";
    Study study;
    QVERIFY(process(workedExampleLayout(), write(content), study).succeeded());
    QCOMPARE(study.FeatureCount(), features);
    QCOMPARE(study.Features.last().Readings[0][0][0],
             QString::fromLatin1(laterLine.split(',').value(features + 1)));
}

void tst_ImportProcess::errorsEndProcess_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("firstRun");
    QTest::addColumn<QString>("acceptLimit");
    QTest::addColumn<QString>("message");

    const auto error = [](AppError::Number number) {
        return AppError(number).message(QStringLiteral("Unanticipated error "))
            + QStringLiteral(", please check your values.");
    };
    const QByteArray grid = ImportTestFiles::placeNamedGrid(22, 6);
    QTest::newRow("a line two fields wider than the first")
        << grid + "1,2,3,4,5,6,7,8\r\n" << "R5 - C3" << "10" << error(AppError::SubscriptOutOfRange);
    QTest::newRow("a trial row beyond the last line")
        << ImportTestFiles::placeNamedGrid(21, 4) << "R5 - C3" << "10" << error(AppError::SubscriptOutOfRange);
    QTest::newRow("first run column after the first line's last")
        << grid << "R5 - C8" << "10" << error(AppError::SubscriptOutOfRange);
    QTest::newRow("first run column 0") << grid << "R5 - C0" << "10" << error(AppError::SubscriptOutOfRange);
    QTest::newRow("first run row 0") << grid << "R0 - C3" << "10" << error(AppError::SubscriptOutOfRange);
    QTest::newRow("row number beyond 32 bits") << grid << "R1e10 - C3" << "10" << error(AppError::Overflow);
    QTest::newRow("file gone") << QByteArray() << "R5 - C3" << "10" << error(AppError::FileNotFound);
    QTest::newRow("a quoted name holding a comma")
        << QByteArray(grid).replace("L1C4", "\"PNT3, Y\"") << "R5 - C3" << "10"
        << "The text in line 1, column 4 holds a comma inside quotes; the names after it would not "
           "match their readings.";
    QTest::newRow("a quoted reading holding a comma")
        << QByteArray(grid).replace("L9C2", "\"a \"\"b\"\", c\"") << "R5 - C3" << "10"
        << "The text in line 9, column 2 holds a comma inside quotes; the names after it would not "
           "match their readings.";
    QTest::newRow("the calculation fails") << grid << "R5 - C3" << "ten"
        << "There was a problem the calculation of your data. Please verify the data in your file.";
}

// A failed Process leaves the earlier study as it was: Recalculate then gives its figures.
void tst_ImportProcess::errorsEndProcess()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, firstRun);
    QFETCH(QString, acceptLimit);
    QFETCH(QString, message);

    ImportLayout layout = workedExampleLayout();
    layout.chooseAppraisers(false);
    layout.blocks[ImportLayout::FirstRun] = firstRun;
    const QString path = content.isEmpty() ? m_folder.filePath("gone.csv") : write(content);
    Study study = m_earlier;
    const ImportOutcome outcome = ProcessImport(layout, path, study, acceptLimit, QStringLiteral("30"));
    QCOMPARE(outcome.message(), message);
    QVERIFY(study.ImportSucceeded);
    QCOMPARE(study.AppraiserCount, 2);
    QCOMPARE(study.FeatureCount(), 4);

    QVERIFY(CalculateStudy(study, QStringLiteral("10"), QStringLiteral("30")));
    for (int f = 0; f < 4; ++f) {
        QCOMPARE(study.Features[f].Name, m_earlier.Features[f].Name);
        QCOMPARE(study.Features[f].PctRR, m_earlier.Features[f].PctRR);
        QCOMPARE(study.Features[f].Status, m_earlier.Features[f].Status);
    }
}

void tst_ImportProcess::refusesMoreFeaturesThanAStudyHolds()
{
    QByteArray wide = "Name";
    for (int column = 2; column <= 32769; ++column)
        wide += ",1";
    QByteArray content;
    for (int line = 1; line <= 16; ++line)
        content += wide + "\r\n";
    ImportLayout layout = workedExampleLayout();
    layout.blocks[ImportLayout::FirstRun] = QStringLiteral("R5 - C2");

    Study study;
    const ImportOutcome outcome = process(layout, write(content), study);
    QCOMPARE(outcome.result, ImportOutcome::Result::TooManyFeatures);
    QCOMPARE(outcome.featureCount, 32768);
    QVERIFY(outcome.message().contains(QStringLiteral("32768")));
    QVERIFY(outcome.message().contains(QStringLiteral("32767")));
}

void tst_ImportProcess::computesTheStudy()
{
    ImportLayout layout = ImportLayout::startLayout();
    layout.blocks[ImportLayout::FeatureName] = QStringLiteral("R1");
    layout.blocks[ImportLayout::UpperTolerance] = QStringLiteral("R2");
    layout.blocks[ImportLayout::LowerTolerance] = QStringLiteral("R3");
    layout.blocks[ImportLayout::FirstRun] = QStringLiteral("R4 - C2");
    Study study;
    QVERIFY(process(layout, write(ImportTestFiles::cmmFile(4, 45)), study).succeeded());
    QCOMPARE(study.FeatureCount(), 4);
    QCOMPARE(study.AcceptLimit, 10.0f);
    for (const StudyFeature& feature : study.Features) {
        QVERIFY(!feature.Problem);
        QVERIFY(!feature.Status.isEmpty());
        QVERIFY(feature.TOL > 0.099 && feature.TOL < 0.101);
        QVERIFY(feature.EV > 0);
    }
    QCOMPARE(study.Features[3].Name, QStringLiteral("DIA4"));
}

QTEST_GUILESS_MAIN(tst_ImportProcess)
#include "tst_ImportProcess.moc"
