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
const QString featureHeading = QStringLiteral("  Feature Name                   % PV      % EV      % AV      % RR");

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

bool isFeatureLine(const QString& text)
{
    return text.startsWith(QLatin1String("  Feature ")) && !text.contains(QLatin1String("Name"));
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
        QVERIFY2(lines.contains(expectedLine), qPrintable(expectedLine + "\n--- in ---\n" + lines.join('\n')));
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
        QTest::newRow("cell cut to eight characters") << FormatReadingCell("12345.6789") << "12345.67 ";
        QTest::newRow("cell four decimals forced") << FormatReadingCell("1.5") << "1.5000   ";
        QTest::newRow("cell negative") << FormatReadingCell("-0.0125") << "-0.0125  ";
        QTest::newRow("cell blanks around a number") << FormatReadingCell(" 2 ") << "2.0000   ";
        QTest::newRow("cell empty") << FormatReadingCell("") << "         ";
        QTest::newRow("cell text") << FormatReadingCell("n/a") << "         ";
        QTest::newRow("cell decimal comma is no number") << FormatReadingCell("1,5") << "         ";
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
        study.Features[4].Status.clear();  // never given a verdict: no line
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
        information.AppraiserName = {QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")};
        information.RunDate = QDateTime(QDate(2026, 12, 6), QTime(0, 0));
        information.EndTime = QDateTime(QDate(2026, 12, 6), QTime(16, 5));
        SheetRecording recording;
        PrintSummarySheet(recording, study, information, limits);
        const QStringList lines = recording.pageText(0);

        QCOMPARE(lines[0], QStringLiteral("        Gage Repeatability And Reproducibility Summary"));
        checkLinesAreThere(lines, {
            line({{1, "        Title: Housing study"}}),
            line({{1, "    Part Name: Housing"}, {45, "Appraisers : 3"}}),
            line({{1, "  Part Number: PN-7"}, {30, "Trials: 3"}, {45, "Appraiser 1: Ann"}}),
            line({{1, "    Gage Name: CMM 2"}, {30, " Parts: 10"}, {45, "Appraiser 2: Bob"}}),
            line({{1, "  Gage Number: G-12"}, {30, "  Temp: 20-21 C"}, {45, "Appraiser 3: Cy"}}),
            line({{1, "     Features: 7"}}),
            line({{1, "           In: 3"}, {21, " Tolerance: 0 to 10"}, {45, "   Run Date: 06-Dec-26"}}),
            line({{1, "      Caution: 2"}, {21, " Tolerance: 10 to 30"}, {45, "      Start: "}}),
            line({{1, "          Out: 2"}, {21, " Tolerance: 30 to 100"}, {45, "        End: 04:05 PM"}}),
            featureHeading,
        });
        QStringList featureLines = lines.filter(QRegularExpression(QStringLiteral("^  Feature \\d")));
        QCOMPARE(featureLines.size(), 6);
        QCOMPARE(featureLines[0], line({{3, "Feature 1"}, {34, "1.50"}, {44, "2.25"}, {54, "0.00"}, {64, "12.50"}}));
        for (const auto& [i, name] : {std::pair{1, "Feature 4"}, {2, "Feature 7"}, {3, "Feature 2"}, {4, "Feature 3"}})
            QCOMPARE(featureLines[i].mid(2, 9), QLatin1String(name));
    }

    // On screen the summary is one page without numbers; on paper a page ends with the first
    // feature line below 600 points and its number, and the next repeats the heading.
    void summaryPages_data()
    {
        QTest::addColumn<bool>("paper");
        QTest::addColumn<int>("features");
        QTest::addColumn<int>("pages");
        QTest::newRow("screen") << false << 300 << 1;
        QTest::newRow("paper, one page") << true << 3 << 1;
        QTest::newRow("paper, several pages") << true << 100 << 2;
    }

    void summaryPages()
    {
        QFETCH(bool, paper);
        QFETCH(int, features);
        QFETCH(int, pages);
        SheetRecording recording(paper);
        PrintSummarySheet(recording, studyOf(features), StudyInformation(), limits);
        QCOMPARE(recording.pageCount(), pages);
        const double lineHeight = SheetFontMetrics::of(SheetFont::body()).height;
        QList<QList<double>> featureBottoms(pages);
        double lastNumber = 0;  // a short last page numbers itself at 600 points
        for (const SheetRecording::TextLine& textLine : recording.textLines()) {
            if (isFeatureLine(textLine.text))
                featureBottoms[textLine.page] << textLine.y + lineHeight;
            else if (textLine.text.contains("Page") && textLine.page + 1 == pages)
                lastNumber = textLine.y;
        }
        QCOMPARE(lastNumber, paper ? 600 + lineHeight : 0);
        int featureLines = 0;
        for (int page = 0; page < pages; ++page) {
            const QStringList lines = recording.pageText(page);
            featureLines += int(featureBottoms[page].size());
            const QString number = QString(29, ' ') + QStringLiteral("Page %1").arg(page + 1);
            QCOMPARE(lines.filter("Page").value(0), paper ? number : QString());
            QCOMPARE(lines.constFirst(), page ? featureHeading : lines.constFirst());
            const QList<double>& bottoms = featureBottoms[page];
            if (page + 1 < pages)
                QVERIFY(bottoms.constLast() > 600 && bottoms[bottoms.size() - 2] <= 600);
        }
        QCOMPARE(featureLines, features);
    }

    // Rows of every appraiser and trial, readings in 9-character cells after Tab(14).
    void dataSheetReadings()
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
        checkLinesAreThere(lines, {QStringLiteral("  App 1/Run1 12345.67 1.5000   ") + blankCell.repeated(8),
                                   "  App 2/Run2 " + blankCell.repeated(9) + "-2.2500  ",
                                   QStringLiteral("  App 3/Run3"),
                                   QStringLiteral("     X3 = 0.0").leftJustified(28) + "Average of Appraiser 3",
                                   QStringLiteral("     R3 = 0.0").leftJustified(28) + "Range of Appraiser 3"});
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^  App \\d/Run\\d"))).size(), 9);
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
        f.XDiff = 0.25;
        SheetRecording recording;
        PrintDataSheet(recording, study, StudyInformation(), 2);
        const QStringList lines = recording.pageText(0);
        QCOMPARE(lines[0], QStringLiteral("        Gage Repeatability And Reproducibility Data Sheet"));
        checkLinesAreThere(lines, {
            line({{1, " Feature Name: Bore diameter with a very lo"}, {45, "   Run Date: "}}),
            line({{2, "  EV = 0.0012"}, {16, "          R x K1"}, {47, "    R = 0.0021"}, {63, "K1 = 3.05"}}),
            line({{2, " TOL = 0.01"}, {16, "       Upper - Lower"}, {47, "Upper = 0.005"}}),
            line({{47, "Lower = 0.005"}}),
            line({{2, "%R&R = 12.35  "}, {16, "       100 x (R&R/TOL)"}, {47, "K1,K2,K3 = 5.15/d2"}}),
            line({{2, " Xdiff = 0.25"}, {29, "Max(X1, X2, X3) - Min(X1, X2, X3)"}}),
            QStringLiteral("                 1        2        3        4        5        6"
                           "        7        8        9        10    "),
        });
        SheetRecording outside;
        PrintDataSheet(outside, study, StudyInformation(), 3);
        PrintDataSheet(outside, study, StudyInformation(), 0);
        QVERIFY(outside.isEmpty());
    }

    // No rule strikes through a line of text, and every column line stands at least one
    // point clear of the characters beside it.
    void dataSheetLinesKeepClearOfText()
    {
        Study study = studyOf(1);
        for (auto& appraiser : study.Features[0].Readings)
            for (auto& trial : appraiser)
                for (StudyCell& reading : trial)
                    reading = QStringLiteral("1234.5678");
        SheetRecording recording;
        PrintDataSheet(recording, study, StudyInformation(), 1);
        QList<double> rules;
        QList<QLineF> verticals;
        for (const SheetRecording::LineItem& item : recording.lines()) {
            if (item.line.dy() == 0)
                rules << item.line.y1();
            else
                verticals << item.line;
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
            for (const QLineF& rule : verticals) {
                if (rule.y1() >= baseLine || rule.y2() <= glyphTop)
                    continue;
                for (qsizetype i = 0; i < item.text.size(); ++i) {
                    const double left = item.topLeft.x() + i * metrics.blankWidth;
                    QVERIFY2(item.text.at(i).isSpace() || rule.x1() <= left - 1
                                 || rule.x1() >= left + metrics.blankWidth + 1,
                             qPrintable(QStringLiteral("%1 at %2").arg(item.text).arg(rule.x1())));
                }
            }
        }
    }

    // Sheets of one copy in order: summary, data sheets in tree order (Acceptable, Caution,
    // then Unacceptable); Selected Only prints the node's sheet alone.
    void printJob_data()
    {
        QTest::addColumn<SheetChoice>("choice");
        QTest::addColumn<QStringList>("sheets");
        SheetChoice all;
        all.summary = all.inTolerance = all.outOfTolerance = true;
        SheetChoice out;
        out.outOfTolerance = true;
        SheetChoice feature;
        feature.selectedOnly = true;
        feature.selectedKey = QStringLiteral("F3");
        SheetChoice group = feature;
        group.selectedKey = QStringLiteral("Y");
        QTest::newRow("all") << all << QStringList{"Summary", "Feature 1", "Feature 4", "Feature 2", "Feature 3"};
        QTest::newRow("out of tolerance") << out << QStringList{"Feature 3"};
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
        QCOMPARE(ended.constLast(), sheets.constLast().right(1).toInt());  // "Summary" is 0
    }

    // On a printer the job is one document, its sheets centred and 72 points down; the page
    // count is what the job prints; a job cancelled as page 3 starts keeps two pages and
    // never ends its document; a job that draws nothing makes none.
    void printerJob()
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
            QCOMPARE(printer.documents().size(), 1);
            QCOMPARE(printer.documents()[0].pages.size(), cancelAt ? cancelAt - 1 : pages);
            QCOMPARE(printer.documents()[0].ended, cancelAt == 0);
            QCOMPARE(started, cancelAt ? cancelAt : pages);
            const RecordedPage& page = printer.documents()[0].pages[0];
            double left = 1e9;
            for (const RecordedItem& item : page.ofKind(RecordedItem::Line))
                left = qMin(left, qMin(item.line.x1(), item.line.x2()));
            QCOMPARE(left, printer.paperRect().left() + (printer.paperRect().width() - 396) / 2);
            const RecordedItem* title = page.findText(QStringLiteral("Gage Repeatability And Reproducibility Summary"));
            QCOMPARE(title ? title->position.y() : 0, 72 + SheetFontMetrics::of(SheetFont::title()).ascent);
        }
        RecordingPrintTarget idle;
        choice = SheetChoice();
        choice.outOfTolerance = true;  // nothing is Unacceptable
        {
            PrinterSheetTarget sheet(idle, 396);
            PrintStudySheets(sheet, 2, choice, studyOf(2), StudyInformation(), limits);
        }
        QVERIFY(idle.documents().isEmpty());
    }
};

QTEST_MAIN(tst_GageSheets)
#include "tst_GageSheets.moc"
