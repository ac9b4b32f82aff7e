#include "rrstudy/GageSheets.h"
#include "rrstudy/SheetPainter.h"
#include "rrstudy/SheetRecording.h"
#include "rrstudy/StudyInformation.h"
#include "rrstudy/modRR.h"

#include "PdfPageReader.h"
#include "RecordingPrintTarget.h"
#include "printing/PdfPrintTarget.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const LimitTexts limits{QStringLiteral("10"), QStringLiteral("10 to 30"), QStringLiteral("30")};

StudyFeature feature(int number, const QString& status, double pctRR = 12.5)
{
    StudyFeature f;
    f.Number = qint16(number);
    f.Name = QStringLiteral("Feature %1").arg(number);
    f.Status = status;
    f.PctRR = pctRR;
    f.UpperTol = QStringLiteral("0.005");
    f.LowerTol = QStringLiteral("0.005");
    return f;
}

// A study of `count` features whose verdicts cycle Acceptable, Caution, Unacceptable.
Study studyOf(int count)
{
    static const QString verdicts[] = {QStringLiteral("Acceptable"), QStringLiteral("Caution"),
                                       QStringLiteral("Unacceptable")};
    Study study;
    study.AppraiserCount = 3;
    study.TrialCount = 3;
    study.PartCount = 10;
    for (int i = 1; i <= count; ++i)
        study.Features.append(feature(i, verdicts[(i - 1) % 3]));
    return study;
}

// The text from a 1-based character column on, as the sheet prints it.
QString fromColumn(const QString& line, int column)
{
    return line.mid(column - 1);
}

// A line as the sheet prints it: each text from its 1-based character column, or
// straight after the text before it when the line is already past that column.
QString line(std::initializer_list<std::pair<int, QString>> items)
{
    QString text;
    for (const auto& [column, item] : items)
        text = text.leftJustified(column - 1) + item;
    return text;
}

// The first line of every page: the sheet title or the repeated column heading.
QStringList pageStarts(const SheetRecording& recording)
{
    QStringList starts;
    for (int page = 0; page < recording.pageCount(); ++page) {
        const QStringList lines = recording.pageText(page);
        starts.append(lines.value(0).trimmed() + QLatin1Char('|')
                      + lines.value(1).trimmed().section(QStringLiteral("  "), 0, 0));
    }
    return starts;
}

} // namespace

class tst_GageSheets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readingCell_data();
    void readingCell();
    void notations_data();
    void notations();
    void summaryListsFeaturesByVerdictWithTheirPercentages();
    void summaryCutsPercentagesToSixCharacters_data();
    void summaryCutsPercentagesToSixCharacters();
    void summaryHeaderPutsItemsAtTheirColumns();
    void unsetDatesPrintBlankAndSetOnesInTheirFormats();
    void summaryOnScreenHasNoPageNumbers();
    void summaryOnPaperBreaksPagesAfter600Points();
    void shortSummaryOnPaperNumbersItsOnlyPageAt600Points();
    void dataSheetShowsAllNineRowsAndLinesOfATwoAppraiserStudy();
    void dataSheetPrintsResultsAtTheirColumns();
    void dataSheetLinesKeepClearOfText();
    void dataSheetOfAFeatureOutsideTheStudyDrawsNothing();
    void printJobPrintsSheetsInOrderForEveryCopy();
    void selectedOnlyPrintsTheSelectedSheetPerCopy_data();
    void selectedOnlyPrintsTheSelectedSheetPerCopy();
    void printerPlacesTheSheetCentredAnd72PointsDown();
    void printJobMakesOneDocumentForAllCopies();
    void printJobThatDrawsNothingMakesNoDocument();
    void printJobCountsItsPagesAndCanBeCancelled();
    void sheetsGoIntoARealPdfAsPages();
};

void tst_GageSheets::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_GageSheets::readingCell_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cut to eight characters") << "12345.6789" << "12345.67 ";
    QTest::newRow("four decimals forced") << "1.5" << "1.5000   ";
    QTest::newRow("negative deviation") << "-0.0125" << "-0.0125  ";
    QTest::newRow("blanks around a number") << " 2 " << "2.0000   ";
    QTest::newRow("empty cell") << "" << "         ";
    QTest::newRow("text cell") << "n/a" << "         ";
    QTest::newRow("decimal comma is not a file number") << "1,5" << "         ";
}

void tst_GageSheets::readingCell()
{
    QFETCH(QString, cell);
    QFETCH(QString, expected);
    QCOMPARE(FormatReadingCell(cell), expected);
}

void tst_GageSheets::notations_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("F2 rounds") << SheetFormat::F2(123.456) << "123.46";
    QTest::newRow("F2 cuts") << SheetFormat::F2(1234.567) << "1234.5";
    QTest::newRow("F4 optional digits") << SheetFormat::F4(0.01) << "0.01";
    QTest::newRow("F4 rounds") << SheetFormat::F4(0.123456) << "0.1235";
    QTest::newRow("F4 cuts to six") << SheetFormat::F4(1234.5678) << "1234.5";
    QTest::newRow("F4 of a numeric cell") << SheetFormat::F4(QStringLiteral("0.0050")) << "0.005";
    QTest::newRow("F4 of a text cell") << SheetFormat::F4(QStringLiteral("upper tol")) << "upper ";
    QTest::newRow("FP keeps its blanks") << SheetFormat::FP(5) << "5.00  ";
    QTest::newRow("F9") << SheetFormat::F9(1234.56789) << "1234.5679";
    QTest::newRow("FK is not cut") << SheetFormat::FK(1234.567) << "1234.57";
    QTest::newRow("N") << SheetFormat::N(3) << "3";
    QTest::newRow("T") << SheetFormat::T(QStringLiteral("  Bore 1 ")) << "Bore 1";
}

void tst_GageSheets::notations()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void tst_GageSheets::summaryListsFeaturesByVerdictWithTheirPercentages()
{
    Study study = studyOf(6);
    study.Features[4].Status.clear();  // never given a verdict
    study.Features[0].PctPV = 1.5;
    study.Features[0].PctEV = 2.25;
    study.Features[0].PctAV = 0;
    SheetRecording recording;
    PrintSummarySheet(recording, study, StudyInformation(), limits);

    QStringList featureLines;
    for (const QString& line : recording.pageText(0))
        if (line.startsWith(QLatin1String("  Feature ")) && !line.contains(QLatin1String("Name")))
            featureLines.append(line);
    QCOMPARE(featureLines.size(), 5);
    const QStringList order = {QStringLiteral("Feature 1"), QStringLiteral("Feature 4"),
                               QStringLiteral("Feature 2"), QStringLiteral("Feature 3"),
                               QStringLiteral("Feature 6")};
    for (int i = 0; i < order.size(); ++i)
        QCOMPARE(featureLines[i].mid(2, 28).trimmed(), order[i]);
    QCOMPARE(fromColumn(featureLines[0], 34), QStringLiteral("1.50      2.25      0.00      12.50"));
    const QStringList lines = recording.pageText(0);
    QVERIFY(lines.contains(QStringLiteral("  Feature Name                   % PV      % EV      % AV      % RR")));
}

void tst_GageSheets::summaryCutsPercentagesToSixCharacters_data()
{
    QTest::addColumn<double>("pctRR");
    QTest::addColumn<QString>("printed");
    QTest::newRow("three integer digits") << 123.456 << "123.46";
    QTest::newRow("four integer digits") << 1234.567 << "1234.5";
    QTest::newRow("small") << 0.004 << "0.00";
}

void tst_GageSheets::summaryCutsPercentagesToSixCharacters()
{
    QFETCH(double, pctRR);
    QFETCH(QString, printed);
    Study study;
    study.Features.append(feature(1, QStringLiteral("Unacceptable"), pctRR));
    SheetRecording recording;
    PrintSummarySheet(recording, study, StudyInformation(), limits);
    const QStringList lines = recording.pageText(0);
    QCOMPARE(fromColumn(lines.constLast(), 64), printed);
}

void tst_GageSheets::summaryHeaderPutsItemsAtTheirColumns()
{
    Study study = studyOf(7);
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
    information.AppraiserName = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")};
    SheetRecording recording;
    PrintSummarySheet(recording, study, information, limits);
    const QStringList lines = recording.pageText(0);

    QCOMPARE(lines[0], QStringLiteral("        Gage Repeatability And Reproducibility Summary"));
    QVERIFY(lines.contains(QStringLiteral("        Title: Housing study")));
    const QStringList expected = {
        line({{1, QStringLiteral("    Part Name: Housing")}, {45, QStringLiteral("Appraisers : 3")}}),
        line({{1, QStringLiteral("  Part Number: PN-7")}, {30, QStringLiteral("Trials: 3")},
              {45, QStringLiteral("Appraiser 1: Ann")}}),
        line({{1, QStringLiteral("    Gage Name: CMM 2")}, {30, QStringLiteral(" Parts: 10")},
              {45, QStringLiteral("Appraiser 2: Bob")}}),
        line({{1, QStringLiteral("  Gage Number: G-12")}, {30, QStringLiteral("  Temp: 20-21 C")},
              {45, QStringLiteral("Appraiser 3: Cy")}}),
        QStringLiteral("     Features: 7"),
        line({{1, QStringLiteral("           In: 3")}, {21, QStringLiteral(" Tolerance: 0 to 10")},
              {45, QStringLiteral("   Run Date: ")}}),
        line({{1, QStringLiteral("      Caution: 2")}, {21, QStringLiteral(" Tolerance: 10 to 30")},
              {45, QStringLiteral("      Start: ")}}),
        line({{1, QStringLiteral("          Out: 2")}, {21, QStringLiteral(" Tolerance: 30 to 100")},
              {45, QStringLiteral("        End: ")}}),
    };
    for (const QString& expectedLine : expected)
        QVERIFY2(lines.contains(expectedLine), qPrintable(expectedLine + QLatin1Char('\n') + lines.join(QLatin1Char('\n'))));
}

void tst_GageSheets::unsetDatesPrintBlankAndSetOnesInTheirFormats()
{
    StudyInformation information;
    information.RunDate = QDateTime(QDate(2026, 12, 6), QTime(0, 0));
    information.EndTime = QDateTime(QDate(2026, 12, 6), QTime(16, 5));
    SheetRecording recording;
    PrintSummarySheet(recording, studyOf(1), information, limits);
    const QStringList lines = recording.pageText(0);
    QVERIFY(lines.contains(line({{1, QStringLiteral("           In: 0")}, {21, QStringLiteral(" Tolerance: 0 to 10")},
                                 {45, QStringLiteral("   Run Date: 06-Dec-26")}})));
    QVERIFY(lines.contains(line({{1, QStringLiteral("      Caution: 0")}, {21, QStringLiteral(" Tolerance: 10 to 30")},
                                 {45, QStringLiteral("      Start: ")}})));
    QVERIFY(lines.contains(line({{1, QStringLiteral("          Out: 0")}, {21, QStringLiteral(" Tolerance: 30 to 100")},
                                 {45, QStringLiteral("        End: 04:05 PM")}})));
}

void tst_GageSheets::summaryOnScreenHasNoPageNumbers()
{
    SheetRecording screen;
    PrintSummarySheet(screen, studyOf(300), StudyInformation(), limits);
    QCOMPARE(screen.pageCount(), 1);
    for (const QString& line : screen.pageText(0))
        QVERIFY(!line.contains(QLatin1String("Page")));
}

void tst_GageSheets::summaryOnPaperBreaksPagesAfter600Points()
{
    SheetRecording paper(true);
    PrintSummarySheet(paper, studyOf(100), StudyInformation(), limits);
    QVERIFY(paper.pageCount() >= 2);

    int featureLines = 0;
    for (int page = 0; page < paper.pageCount(); ++page) {
        const QStringList lines = paper.pageText(page);
        QCOMPARE(lines.constLast(), QStringLiteral("%1Page %2").arg(QString(29, QLatin1Char(' '))).arg(page + 1));
        if (page > 0)
            QCOMPARE(lines.constFirst(), QStringLiteral("  Feature Name                   % PV      % EV      % AV      % RR"));
        for (const QString& line : lines)
            if (line.startsWith(QLatin1String("  Feature ")) && !line.contains(QLatin1String("Name")))
                ++featureLines;
    }
    QCOMPARE(featureLines, 100);

    // A page ends with the first feature line below 600 points, never before.
    for (const SheetRecording::TextLine& line : paper.textLines()) {
        if (!line.text.startsWith(QLatin1String("  Feature ")) || line.text.contains(QLatin1String("Name")))
            continue;
        const double bottom = line.y + SheetFontMetrics::of(SheetFont::body()).height;
        const bool lastOnPage = [&] {
            for (const SheetRecording::TextLine& other : paper.textLines())
                if (other.page == line.page && other.y > line.y && other.text.startsWith(QLatin1String("  Feature ")))
                    return false;
            return true;
        }();
        if (line.page + 1 < paper.pageCount())
            QCOMPARE(bottom > 600, lastOnPage);
    }
}

void tst_GageSheets::shortSummaryOnPaperNumbersItsOnlyPageAt600Points()
{
    SheetRecording paper(true);
    PrintSummarySheet(paper, studyOf(3), StudyInformation(), limits);
    QCOMPARE(paper.pageCount(), 1);
    const QList<SheetRecording::TextLine> lines = paper.textLines();
    QCOMPARE(lines.constLast().text.trimmed(), QStringLiteral("Page 1"));
    QCOMPARE(lines.constLast().y, 600 + SheetFontMetrics::of(SheetFont::body()).height);
}

void tst_GageSheets::dataSheetShowsAllNineRowsAndLinesOfATwoAppraiserStudy()
{
    Study study = studyOf(1);
    study.AppraiserCount = 2;
    study.TrialCount = 2;
    StudyFeature& f = study.Features[0];
    f.Readings[0][0][0] = QStringLiteral("12345.6789");
    f.Readings[0][0][1] = QStringLiteral("1.5");
    f.Readings[1][1][9] = QStringLiteral("-2.25");
    SheetRecording recording;
    PrintDataSheet(recording, study, StudyInformation(), 1);
    const QStringList lines = recording.pageText(0);

    const QString blankCell(9, QLatin1Char(' '));
    QVERIFY(lines.contains(QStringLiteral("  App 1/Run1 12345.67 1.5000   ") + blankCell.repeated(8)));
    QVERIFY(lines.contains(QStringLiteral("  App 2/Run2 ") + blankCell.repeated(9) + QStringLiteral("-2.2500  ")));
    for (const QString& label : {QStringLiteral("  App 3/Run1"), QStringLiteral("  App 3/Run2"),
                                 QStringLiteral("  App 3/Run3")})
        QVERIFY2(lines.contains(label), qPrintable(label));
    int rows = 0;
    for (const QString& line : lines)
        rows += line.startsWith(QLatin1String("  App ")) ? 1 : 0;
    QCOMPARE(rows, 9);
    // Tab(2) puts the label in column 2, Tab(29) the description in column 29.
    QVERIFY(lines.contains(QStringLiteral("     X3 = 0.0").leftJustified(28) + QStringLiteral("Average of Appraiser 3")));
    QVERIFY(lines.contains(QStringLiteral("     R3 = 0.0").leftJustified(28) + QStringLiteral("Range of Appraiser 3")));
}

void tst_GageSheets::dataSheetPrintsResultsAtTheirColumns()
{
    Study study = studyOf(2);
    StudyFeature& f = study.Features[1];
    f.Name = QStringLiteral("Bore diameter with a very long name indeed");
    f.EV = 0.0012345;
    f.RBar = 0.0021;
    f.K1 = 3.0469;
    f.TOL = 0.01;
    f.PctRR = 12.345;
    f.XDiff = 0.25;
    SheetRecording recording;
    PrintDataSheet(recording, study, StudyInformation(), 2);
    const QStringList lines = recording.pageText(0);

    QCOMPARE(lines[0], QStringLiteral("        Gage Repeatability And Reproducibility Data Sheet"));
    const QStringList expected = {
        line({{1, QStringLiteral(" Feature Name: Bore diameter with a very lo")}, {45, QStringLiteral("   Run Date: ")}}),
        line({{2, QStringLiteral("  EV = 0.0012")}, {16, QStringLiteral("          R x K1")},
              {47, QStringLiteral("    R = 0.0021")}, {63, QStringLiteral("K1 = 3.05")}}),
        line({{2, QStringLiteral(" TOL = 0.01")}, {16, QStringLiteral("       Upper - Lower")},
              {47, QStringLiteral("Upper = 0.005")}}),
        line({{47, QStringLiteral("Lower = 0.005")}}),
        line({{2, QStringLiteral("%R&R = 12.35  ")}, {16, QStringLiteral("       100 x (R&R/TOL)")},
              {47, QStringLiteral("K1,K2,K3 = 5.15/d2")}}),
        line({{2, QStringLiteral(" Xdiff = 0.25")}, {29, QStringLiteral("Max(X1, X2, X3) - Min(X1, X2, X3)")}}),
    };
    for (const QString& expectedLine : expected)
        QVERIFY2(lines.contains(expectedLine), qPrintable(expectedLine + QLatin1Char('\n') + lines.join(QLatin1Char('\n'))));
    QVERIFY(lines.contains(QStringLiteral("                 1        2        3        4        5        6"
                                          "        7        8        9        10    ")));
}

// No rule strikes through a line of text, and every column line stands at least one
// point clear of the characters beside it.
void tst_GageSheets::dataSheetLinesKeepClearOfText()
{
    Study study = studyOf(1);
    for (int a = 0; a < 3; ++a)
        for (int t = 0; t < 3; ++t)
            for (int p = 0; p < 10; ++p)
                study.Features[0].Readings[a][t][p] = QStringLiteral("1234.5678");
    SheetRecording recording;
    PrintDataSheet(recording, study, StudyInformation(), 1);

    QList<double> rules;
    QList<QLineF> verticals;
    for (const SheetRecording::LineItem& item : recording.lines()) {
        if (item.line.dy() == 0)
            rules.append(item.line.y1());
        else
            verticals.append(item.line);
    }
    QCOMPARE(rules.size(), 15);
    QCOMPARE(verticals.size(), 2 + 2 + 10 + 1);
    for (const SheetRecording::TextItem& item : recording.texts()) {
        const SheetFontMetrics& metrics = SheetFontMetrics::of(recording.fonts().at(item.font));
        // The glyphs of a line stand between its cap height and its base line.
        const double glyphTop = item.topLeft.y() + metrics.ascent * 0.3;
        const double baseLine = item.topLeft.y() + metrics.ascent;
        for (double y : rules)
            QVERIFY2(y <= glyphTop || y >= baseLine, qPrintable(item.text));
        for (const QLineF& line : verticals) {
            if (line.y1() >= baseLine || line.y2() <= glyphTop)
                continue;
            for (qsizetype i = 0; i < item.text.size(); ++i) {
                const double left = item.topLeft.x() + i * metrics.blankWidth;
                QVERIFY2(item.text.at(i).isSpace() || line.x1() <= left - 1 || line.x1() >= left + metrics.blankWidth + 1,
                         qPrintable(QStringLiteral("%1 at %2").arg(item.text).arg(line.x1())));
            }
        }
    }
}

void tst_GageSheets::dataSheetOfAFeatureOutsideTheStudyDrawsNothing()
{
    SheetRecording recording;
    PrintDataSheet(recording, studyOf(2), StudyInformation(), 3);
    PrintDataSheet(recording, studyOf(2), StudyInformation(), 0);
    QVERIFY(recording.isEmpty());
}

void tst_GageSheets::printJobPrintsSheetsInOrderForEveryCopy()
{
    const Study study = studyOf(4);  // Acceptable 1, 4; Caution 2; Unacceptable 3
    SheetChoice choice;
    choice.summary = true;
    choice.inTolerance = true;
    choice.outOfTolerance = true;
    SheetRecording paper(true);
    int sheets = 0;
    PrintStudySheets(paper, 2, choice, study, StudyInformation(), limits, [&sheets](int) { ++sheets; });

    const QString summary = QStringLiteral("Gage Repeatability And Reproducibility Summary|Title:");
    const auto data = [](int n) {
        return QStringLiteral("Gage Repeatability And Reproducibility Data Sheet|Feature Name: Feature %1").arg(n);
    };
    const QStringList once = {summary, data(1), data(4), data(2), data(3)};
    QCOMPARE(pageStarts(paper), once + once);
    QCOMPARE(sheets, 10);
}

void tst_GageSheets::selectedOnlyPrintsTheSelectedSheetPerCopy_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("start");
    QTest::newRow("feature node") << "F3" << "Gage Repeatability And Reproducibility Data Sheet|Feature Name: Feature 3";
    QTest::newRow("caution group") << "Y" << "Gage Repeatability And Reproducibility Summary|Title:";
}

void tst_GageSheets::selectedOnlyPrintsTheSelectedSheetPerCopy()
{
    QFETCH(QString, key);
    QFETCH(QString, start);
    SheetChoice choice;
    choice.selectedOnly = true;
    choice.selectedKey = key;
    SheetRecording paper(true);
    PrintStudySheets(paper, 3, choice, studyOf(4), StudyInformation(), limits);
    QCOMPARE(pageStarts(paper), QStringList({start, start, start}));
}

void tst_GageSheets::printerPlacesTheSheetCentredAnd72PointsDown()
{
    RecordingPrintTarget printer;
    {
        PrinterSheetTarget sheet(printer, sheetWidthTwips / 20);
        PrintSummarySheet(sheet, studyOf(2), StudyInformation(), limits);
    }
    QCOMPARE(printer.documents().size(), 1);
    QVERIFY(printer.documents()[0].ended);
    const RecordedPage& page = printer.documents()[0].pages.at(0);
    const QRectF paper = printer.paperRect();
    double left = 1e9;
    for (const RecordedItem& item : page.ofKind(RecordedItem::Line))
        left = qMin(left, qMin(item.line.x1(), item.line.x2()));
    QCOMPARE(left, paper.left() + (paper.width() - 396) / 2);
    const RecordedItem* title = page.findText(QStringLiteral("Gage Repeatability And Reproducibility Summary"));
    QVERIFY(title);
    QCOMPARE(title->position.y(), 72 + SheetFontMetrics::of(SheetFont::title()).ascent);
}

void tst_GageSheets::printJobMakesOneDocumentForAllCopies()
{
    RecordingPrintTarget printer;
    SheetChoice choice;
    choice.selectedOnly = true;
    choice.selectedKey = QStringLiteral("F1");
    {
        PrinterSheetTarget sheet(printer, sheetWidthTwips / 20);
        PrintStudySheets(sheet, 3, choice, studyOf(2), StudyInformation(), limits);
    }
    QCOMPARE(printer.documents().size(), 1);
    const QList<RecordedPage>& pages = printer.documents()[0].pages;
    QCOMPARE(pages.size(), 3);
    for (const RecordedPage& page : pages)
        QVERIFY(page.findText(QStringLiteral("Feature Name: Feature 1")));
}

void tst_GageSheets::printJobThatDrawsNothingMakesNoDocument()
{
    RecordingPrintTarget printer;
    SheetChoice choice;
    choice.outOfTolerance = true;
    {
        PrinterSheetTarget sheet(printer, sheetWidthTwips / 20);
        PrintStudySheets(sheet, 2, choice, studyOf(2), StudyInformation(), limits);  // nothing Unacceptable
    }
    QVERIFY(printer.documents().isEmpty());
}

// The page count is what the job prints; a job cancelled as page 3 starts keeps two
// pages and never ends its document.
void tst_GageSheets::printJobCountsItsPagesAndCanBeCancelled()
{
    SheetChoice choice;
    choice.summary = choice.inTolerance = true;
    const int pages = StudySheetPages(2, choice, studyOf(120), StudyInformation(), limits);
    for (int cancelAt : {0, 3}) {
        RecordingPrintTarget printer;
        int started = 0;
        {
            PrinterSheetTarget sheet(printer, 396, [&](int page) { return (started = page) != cancelAt; });
            PrintStudySheets(sheet, 2, choice, studyOf(120), StudyInformation(), limits);
        }
        QCOMPARE(printer.documents().at(0).pages.size(), cancelAt ? cancelAt - 1 : pages);
        QCOMPARE(printer.documents().at(0).ended, cancelAt == 0);
        QCOMPARE(started, cancelAt ? cancelAt : pages);
    }
}

void tst_GageSheets::sheetsGoIntoARealPdfAsPages()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sheets.pdf"));
    PdfPrintTarget pdf(path, 1);
    {
        PrinterSheetTarget sheet(pdf, sheetWidthTwips / 20);
        SheetChoice choice;
        choice.summary = true;
        choice.inTolerance = true;
        PrintStudySheets(sheet, 1, choice, studyOf(4), StudyInformation(), limits);
    }
    const PdfPageReader inspector(path);
    QVERIFY(inspector.isValid());
    QCOMPARE(inspector.pageCount(), 4);  // summary, then features 1, 4 and 2
}

QTEST_MAIN(tst_GageSheets)
#include "tst_GageSheets.moc"
