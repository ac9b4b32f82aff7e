#include "rrstudy/GageSheets.h"
#include "rrstudy/SheetPainter.h"
#include "rrstudy/SheetRecording.h"
#include "rrstudy/StudyInformation.h"

#include "RecordingPrintTarget.h"
#include "StudyBuilder.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const LimitTexts limits{QStringLiteral("10"), QStringLiteral("10 to 30"), QStringLiteral("30")};
const QString featureHeading =
    QStringLiteral("  Feature Name                   % PV      % EV      % AV      % RR");

// A study of `count` features "Feature n" whose verdicts cycle Acceptable, Caution,
// Unacceptable, each at %R&R 12.5.
Study studyOf(int count)
{
    static const char* const verdicts[] = {"Acceptable", "Caution", "Unacceptable"};
    Study study = studyOfShape(3, 3, 10);
    for (int i = 1; i <= count; ++i)
        study.Features << judgedFeature(i, QStringLiteral("Feature %1").arg(i),
                                        QLatin1String(verdicts[(i - 1) % 3]), 12.5);
    return study;
}

// A line as the sheet prints it: each text from its 1-based character column.
QString line(std::initializer_list<std::pair<int, const char*>> items)
{
    QString text;
    for (const auto& [column, item] : items)
        text = text.leftJustified(column - 1) + QLatin1String(item);
    return text;
}

// Each printed sheet: "Summary", or the feature name of a data sheet.
QStringList printedSheets(const SheetRecording& paper)
{
    QStringList sheets;
    for (int page = 0; page < paper.pageCount(); ++page) {
        const QStringList lines = paper.pageText(page);
        sheets << (lines.value(0).contains(QLatin1String("Summary")) ? QStringLiteral("Summary")
                                                                     : lines.value(1).mid(15, 9));
    }
    return sheets;
}

void checkLinesAreThere(const QStringList& lines, const QStringList& expected)
{
    for (const QString& expectedLine : expected)
        QVERIFY2(lines.contains(expectedLine),
                 qPrintable(expectedLine + "\n--- in ---\n" + lines.join('\n')));
}

} // namespace

class tst_GageSheets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void notations_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cell cut to eight characters")
            << FormatReadingCell("12345.6789") << "12345.67 ";
        QTest::newRow("cell text") << FormatReadingCell("n/a") << "         ";
        QTest::newRow("F2 rounds") << SheetFormat::F2(123.456) << "123.46";
        QTest::newRow("F4 rounds") << SheetFormat::F4(0.123456) << "0.1235";
        QTest::newRow("FP keeps its blanks") << SheetFormat::FP(5) << "5.00  ";
        QTest::newRow("F9") << SheetFormat::F9(1234.56789) << "1234.5679";
    }

    void notations()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    // The header's items at their columns, unset dates blank, and one line per feature
    // with a verdict, Acceptable first, with its four percentages in their columns.
    void summary()
    {
        Study study = studyOf(7);
        study.Features[4].Status.clear(); // never given a verdict: no line
        study.Features[0].PctPV = 1.5;
        study.Features[0].PctEV = 2.25;
        study.AcceptableCount = 3;
        study.CautionCount = 2;
        study.UnacceptableCount = 2;
        StudyInformation information;
        information.StudyTitle = QStringLiteral("Housing study");
        information.PartName = QStringLiteral("  Housing  ");
        information.PartNumber = QStringLiteral("PN-7");
        information.GageName = QStringLiteral("CMM 2");
        information.GageNumber = QStringLiteral("G-12");
        information.Temperature = QStringLiteral("20-21 C");
        information.AppraiserName = {QStringLiteral("Ann"), QStringLiteral("Bob"),
                                     QStringLiteral("Cy")};
        information.RunDate = QDateTime(QDate(2026, 12, 6), QTime(0, 0));
        information.EndTime = QDateTime(QDate(2026, 12, 6), QTime(16, 5));
        SheetRecording recording;
        PrintSummarySheet(recording, study, information, limits);
        const QStringList lines = recording.pageText(0);

        QCOMPARE(lines[0],
                 QStringLiteral("        Gage Repeatability And Reproducibility Summary"));
        checkLinesAreThere(
            lines,
            {
                line({{1, "        Title: Housing study"}}),
                line({{1, "    Part Name: Housing"}, {45, "Appraisers : 3"}}),
                line({{1, "  Part Number: PN-7"}, {30, "Trials: 3"}, {45, "Appraiser 1: Ann"}}),
                line({{1, "    Gage Name: CMM 2"}, {30, " Parts: 10"}, {45, "Appraiser 2: Bob"}}),
                line(
                    {{1, "  Gage Number: G-12"}, {30, "  Temp: 20-21 C"}, {45, "Appraiser 3: Cy"}}),
                line({{1, "     Features: 7"}}),
                line({{1, "           In: 3"},
                      {21, " Tolerance: 0 to 10"},
                      {45, "   Run Date: 06-Dec-26"}}),
                line(
                    {{1, "      Caution: 2"}, {21, " Tolerance: 10 to 30"}, {45, "      Start: "}}),
                line({{1, "          Out: 2"},
                      {21, " Tolerance: 30 to 100"},
                      {45, "        End: 04:05 PM"}}),
                featureHeading,
            });
        QStringList featureLines =
            lines.filter(QRegularExpression(QStringLiteral("^  Feature \\d")));
        QCOMPARE(featureLines.size(), 6);
        QCOMPARE(featureLines[0],
                 line({{3, "Feature 1"}, {34, "1.50"}, {44, "2.25"}, {54, "0.00"}, {64, "12.50"}}));
        for (const auto& [i, name] :
             {std::pair{1, "Feature 4"}, {2, "Feature 7"}, {3, "Feature 2"}, {4, "Feature 3"}})
            QCOMPARE(featureLines[i].mid(2, 9), QLatin1String(name));
    }

    void dataSheetResults()
    {
        Study study = studyOf(2);
        StudyFeature& f = study.Features[1];
        f.Name = QStringLiteral("Bore diameter with a very long name indeed");
        f.EV = 0.0012345;
        f.RBar = 0.0021;
        f.K1 = 3.0469;
        f.TOL = 0.01;
        f.PctRR = 12.345;
        SheetRecording recording;
        PrintDataSheet(recording, study, StudyInformation(), 2);
        const QStringList lines = recording.pageText(0);
        QCOMPARE(lines[0],
                 QStringLiteral("        Gage Repeatability And Reproducibility Data Sheet"));
        checkLinesAreThere(
            lines,
            {
                line({{1, " Feature Name: Bore diameter with a very lo"}, {45, "   Run Date: "}}),
                line({{2, "  EV = 0.0012"},
                      {16, "          R x K1"},
                      {47, "    R = 0.0021"},
                      {63, "K1 = 3.05"}}),
                line({{2, " TOL = 0.01"}, {16, "       Upper - Lower"}, {47, "Upper = 0.005"}}),
                line({{47, "Lower = 0.005"}}),
                line({{2, "%R&R = 12.35  "},
                      {16, "       100 x (R&R/TOL)"},
                      {47, "K1,K2,K3 = 5.15/d2"}}),
            });
    }

    // Sheets of one copy in order: summary, data sheets in tree order (Acceptable, Caution,
    // then Unacceptable); Selected Only prints the node's sheet alone.
    void printJob_data()
    {
        QTest::addColumn<SheetChoice>("choice");
        QTest::addColumn<QStringList>("sheets");
        SheetChoice all;
        all.summary = all.inTolerance = all.outOfTolerance = true;
        SheetChoice feature;
        feature.selectedOnly = true;
        feature.selectedKey = QStringLiteral("F3");
        SheetChoice group = feature;
        group.selectedKey = QStringLiteral("Y");
        QTest::newRow("all") << all
                             << QStringList{"Summary", "Feature 1", "Feature 4", "Feature 2",
                                            "Feature 3"};
        QTest::newRow("selected feature") << feature << QStringList{"Feature 3"};
        QTest::newRow("selected group") << group << QStringList{"Summary"};
    }

    void printJob()
    {
        QFETCH(SheetChoice, choice);
        QFETCH(QStringList, sheets);
        SheetRecording paper(true);
        QList<int> ended;
        PrintStudySheets(paper, 2, choice, studyOf(4), StudyInformation(), limits,
                         [&ended](int feature) { ended << feature; });
        QCOMPARE(printedSheets(paper), sheets + sheets);
        QCOMPARE(ended.size(), 2 * sheets.size());
        QCOMPARE(ended.constLast(), sheets.constLast().right(1).toInt()); // "Summary" is 0
    }

    // On a printer the job is one document, its sheets centred and 72 points down; the page
    // count is what the job prints; a job cancelled as page 3 starts keeps two pages and
    // never ends its document.
    void printerJob()
    {
        SheetChoice choice;
        choice.summary = choice.inTolerance = true;
        const int pages = StudySheetPages(2, choice, studyOf(120), StudyInformation(), limits);
        for (int cancelAt : {0, 3}) {
            RecordingPrintTarget printer;
            int started = 0;
            {
                PrinterSheetTarget sheet(printer, 396,
                                         [&](int page) { return (started = page) != cancelAt; });
                PrintStudySheets(sheet, 2, choice, studyOf(120), StudyInformation(), limits);
            }
            QCOMPARE(printer.documents().size(), 1);
            QCOMPARE(printer.documents()[0].pages.size(), cancelAt ? cancelAt - 1 : pages);
            QCOMPARE(printer.documents()[0].ended, cancelAt == 0);
            QCOMPARE(started, cancelAt ? cancelAt : pages);
            const RecordedPage& page = printer.documents()[0].pages[0];
            double left = 1e9;
            for (const RecordedItem& item : page.ofKind(RecordedItem::Line))
                left = qMin(left, qMin(item.line.x1(), item.line.x2()));
            QCOMPARE(left, printer.paperRect().left() + (printer.paperRect().width() - 396) / 2);
            const RecordedItem* title =
                page.findText(QStringLiteral("Gage Repeatability And Reproducibility Summary"));
            QCOMPARE(title ? title->position.y() : 0,
                     72 + SheetFontMetrics::of(SheetFont::title()).ascent);
        }
    }
};

QTEST_MAIN(tst_GageSheets)
#include "tst_GageSheets.moc"
