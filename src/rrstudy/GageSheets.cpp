#include "rrstudy/GageSheets.h"

#include "common/NumberText.h"
#include "rrstudy/PrintListTarget.h"
#include "rrstudy/StudyInformation.h"
#include "rrstudy/modRR.h"

#include <QList>

#include <algorithm>

namespace SheetFormat {

QString F2(double value)
{
    return NumberText::formatNumber(value, QStringLiteral("##0.00")).left(6);
}

QString F4(double value)
{
    return NumberText::formatNumber(value, QStringLiteral("##0.0###")).left(6);
}

QString F4(const QString& cell)
{
    const auto value = NumberText::toDouble(cell, QLocale::c());
    return value ? F4(*value) : cell.left(6);
}

QString FP(double value)
{
    return NumberText::formatNumber(value, QStringLiteral("##0.00  ")).left(6);
}

QString F9(double value)
{
    return NumberText::formatNumber(value, QStringLiteral("###0.0###")).left(9);
}

QString FK(double value)
{
    return NumberText::formatNumber(value, QStringLiteral("##0.00"));
}

QString N(qint64 value)
{
    return QString::number(value);
}

QString T(const QString& text)
{
    return text.trimmed();
}

} // namespace SheetFormat

using namespace SheetFormat;

QString FormatReadingCell(const QString& cell)
{
    const auto value = NumberText::toDouble(cell, QLocale::c());
    if (!value)
        return QString(9, QLatin1Char(' '));
    return NumberText::formatNumber(*value, QStringLiteral("###0.0000")).left(8).leftJustified(9);
}

namespace {

const QString acceptable = QStringLiteral("Acceptable");
const QString caution = QStringLiteral("Caution");
const QString unacceptable = QStringLiteral("Unacceptable");

// Horizontal rules recorded while the text is written and drawn after it, numbered
// from 1 in the order they were recorded.
class Rules
{
public:
    // Half the current font size above the drawing position: inside the empty line
    // just written.
    void recordAboveHere(const PrintListTarget& target)
    {
        m_positions.append(target.currentY() - target.font().size / 2);
    }
    // At the drawing position: under the line just written.
    void recordHere(const PrintListTarget& target) { m_positions.append(target.currentY()); }

    double operator[](int rule) const { return m_positions.at(rule - 1); }

    void draw(PrintListTarget& target, double right) const
    {
        for (double y : m_positions)
            target.drawLine(QLineF(0, y, right, y));
    }

private:
    QList<double> m_positions;
};

// One printed line: each text after a Tab to its column (none for column 0).
void printLine(PrintListTarget& target, std::initializer_list<std::pair<int, QString>> items)
{
    for (const auto& [column, text] : items) {
        if (column > 0)
            target.tab(column);
        target.print(text);
    }
    target.endLine();
}

void verticalLine(PrintListTarget& target, double x, double top, double bottom)
{
    target.drawLine(QLineF(x, top, x, bottom));
}

QString dateText(const QDateTime& value)
{
    return StudyInformation::isSet(value) ? NumberText::formatDate(value.date()) : QString();
}

QString timeText(const QDateTime& value)
{
    return StudyInformation::isSet(value) ? NumberText::formatTime(value.time()) : QString();
}

void printTitle(PrintListTarget& target, const QString& title)
{
    target.setFont(SheetFont::title());
    target.spc(8);
    target.print(title);
    target.endLine();
    target.setFont(SheetFont::body());
}

void printSummaryColumnHeading(PrintListTarget& target)
{
    target.tab(3);
    target.print(QStringLiteral("Feature Name"));
    target.tab(34);
    target.print(QStringLiteral("% PV"));
    target.tab(44);
    target.print(QStringLiteral("% EV"));
    target.tab(54);
    target.print(QStringLiteral("% AV"));
    target.tab(64);
    target.print(QStringLiteral("% RR"));
    target.endLine();
}

void printPageNumber(PrintListTarget& target, int page)
{
    target.endLine();
    target.tab(30);
    target.print(QStringLiteral("Page ") + QString::number(page));
    target.endLine();
}

// The column of the readings table's first reading: one blank after the row label.
constexpr int firstReadingColumn = 14;

// The vertical position below which a printed summary page is full, in points from
// the sheet's origin.
constexpr double pageEnd = 600;

} // namespace

void PrintSummarySheet(PrintListTarget& target, const Study& study, const StudyInformation& information,
                       const LimitTexts& limits)
{
    printTitle(target, QStringLiteral("Gage Repeatability And Reproducibility Summary"));
    Rules rules;
    target.endLine();
    rules.recordAboveHere(target);
    const double right = target.widthOfW(74);

    printLine(target, {{0, QStringLiteral("        Title: ") + information.StudyTitle}});
    target.endLine();
    printLine(target, {{0, QStringLiteral("     Comments: ") + information.StudyComments}});
    target.endLine();
    rules.recordAboveHere(target);

    printLine(target, {{0, QStringLiteral("    Part Name: ") + T(information.PartName)},
          {45, QStringLiteral("Appraisers : ") + N(study.AppraiserCount)}});
    printLine(target, {{0, QStringLiteral("  Part Number: ") + T(information.PartNumber)},
          {30, QStringLiteral("Trials: ") + N(study.TrialCount)},
          {45, QStringLiteral("Appraiser 1: ") + information.AppraiserName[0]}});
    printLine(target, {{0, QStringLiteral("    Gage Name: ") + T(information.GageName)},
          {30, QStringLiteral(" Parts: ") + N(study.PartCount)},
          {45, QStringLiteral("Appraiser 2: ") + information.AppraiserName[1]}});
    printLine(target, {{0, QStringLiteral("  Gage Number: ") + T(information.GageNumber)},
          {30, QStringLiteral("  Temp: ") + information.Temperature},
          {45, QStringLiteral("Appraiser 3: ") + information.AppraiserName[2]}});
    target.endLine();
    rules.recordAboveHere(target);

    printLine(target, {{0, QStringLiteral("     Features: ") + N(study.FeatureCount())}});
    printLine(target, {{0, QStringLiteral("           In: ") + N(study.AcceptableCount)},
          {21, QStringLiteral(" Tolerance: 0 to ") + limits.accept},
          {45, QStringLiteral("   Run Date: ") + dateText(information.RunDate)}});
    printLine(target, {{0, QStringLiteral("      Caution: ") + N(study.CautionCount)},
          {21, QStringLiteral(" Tolerance: ") + limits.caution},
          {45, QStringLiteral("      Start: ") + timeText(information.StartTime)}});
    printLine(target, {{0, QStringLiteral("          Out: ") + N(study.UnacceptableCount)},
          {21, QStringLiteral(" Tolerance: ") + limits.unaccept + QStringLiteral(" to 100")},
          {45, QStringLiteral("        End: ") + timeText(information.EndTime)}});
    target.endLine();
    rules.recordAboveHere(target);

    verticalLine(target, 0, rules[1], rules[4]);
    verticalLine(target, right, rules[1], rules[4]);
    verticalLine(target, target.widthOfW(28.5), rules[2], rules[3]);
    verticalLine(target, target.widthOfW(43.5), rules[2], rules[3]);
    rules.draw(target, right);

    target.setFont(SheetFont::heading());
    target.endLine();
    printSummaryColumnHeading(target);
    target.setFont(SheetFont::body());
    target.endLine();

    int page = 1;
    for (const QString& verdict : {acceptable, caution, unacceptable}) {
        for (const StudyFeature& feature : study.Features) {
            if (feature.Status != verdict)
                continue;
            if (target.stopped())
                return;
            printLine(target, {{3, T(feature.Name).left(28)},
                  {34, F2(feature.PctPV)},
                  {44, F2(feature.PctEV)},
                  {54, F2(feature.PctAV)},
                  {64, F2(feature.PctRR)}});
            if (target.breaksPages() && target.currentY() > pageEnd) {
                printPageNumber(target, page);
                ++page;
                target.newPage();
                target.setFont(SheetFont::heading());
                printSummaryColumnHeading(target);
                target.setFont(SheetFont::body());
            }
        }
    }
    if (target.breaksPages() && target.currentY() < pageEnd) {
        target.setCurrentY(pageEnd);
        printPageNumber(target, page);
    }
}

void PrintDataSheet(PrintListTarget& target, const Study& study, const StudyInformation& information,
                    int feature)
{
    if (feature < 1 || feature > study.FeatureCount())
        return;
    const StudyFeature& data = study.Features.at(feature - 1);
    printTitle(target, QStringLiteral("Gage Repeatability And Reproducibility Data Sheet"));
    Rules rules;
    target.endLine();
    rules.recordAboveHere(target);
    const SheetFont table = SheetFont::body(6);
    const double right = qMax(target.widthOfW(74), PrintListTarget::widthOfW(table, 104));

    printLine(target, {{0, QStringLiteral(" Feature Name: ") + T(data.Name).left(28)},
          {45, QStringLiteral("   Run Date: ") + dateText(information.RunDate)}});
    printLine(target, {{0, QStringLiteral("    Part Name: ") + T(information.PartName)}});
    printLine(target, {{0, QStringLiteral("  Part Number: ") + T(information.PartNumber)},
          {30, QStringLiteral("    Trials: ") + N(study.TrialCount)},
          {45, QStringLiteral("Appraiser 1: ") + information.AppraiserName[0]}});
    printLine(target, {{0, QStringLiteral("    Gage Name: ") + T(information.GageName)},
          {30, QStringLiteral("     Parts: ") + N(study.PartCount)},
          {45, QStringLiteral("Appraiser 2: ") + information.AppraiserName[1]}});
    printLine(target, {{0, QStringLiteral("  Gage Number: ") + T(information.GageNumber)},
          {30, QStringLiteral("Appraisers: ") + N(study.AppraiserCount)},
          {45, QStringLiteral("Appraiser 3: ") + information.AppraiserName[2]}});

    target.setFont(SheetFont::heading());
    target.endLine();
    rules.recordAboveHere(target);
    printLine(target, {{5, QStringLiteral("Results")}, {26, QStringLiteral("Formula")}, {53, QStringLiteral("Variable Values")}});
    target.setFont(SheetFont::body());
    target.endLine();

    printLine(target, {{2, QStringLiteral("  EV = ") + F4(data.EV)},
          {16, QStringLiteral("          R x K1")},
          {47, QStringLiteral("    R = ") + F4(data.RBar)},
          {63, QStringLiteral("K1 = ") + FK(data.K1)}});
    printLine(target, {{2, QStringLiteral("  AV = ") + F4(data.AV)},
          {16, QStringLiteral("{(Xdiff x K2)^2-(EV^2/nr)}^.5")},
          {47, QStringLiteral("Xdiff = ") + F4(data.XDiff)},
          {63, QStringLiteral("K2 = ") + FK(data.K2)}});
    printLine(target, {{2, QStringLiteral(" R&R = ") + F4(data.RR)},
          {16, QStringLiteral("  (EV ^ 2 + AV ^ 2) ^ 0.5")},
          {47, QStringLiteral("    n = ") + N(study.PartCount)},
          {63, QStringLiteral(" r = ") + N(study.TrialCount)}});
    printLine(target, {{2, QStringLiteral("  PV = ") + F4(data.PV)},
          {16, QStringLiteral("          Rp x K3")},
          {47, QStringLiteral("   Rp = ") + F4(data.Rp)},
          {63, QStringLiteral("K3 = ") + FK(data.K3)}});
    printLine(target, {{2, QStringLiteral(" TOL = ") + F4(data.TOL)},
          {16, QStringLiteral("       Upper - Lower")},
          {47, QStringLiteral("Upper = ") + F4(data.UpperTol)}});
    printLine(target, {{47, QStringLiteral("Lower = ") + F4(data.LowerTol)}});

    target.setFont(SheetFont::heading());
    printLine(target, {{3, QStringLiteral("% Tolerance")}, {57, QStringLiteral("Notes")}});
    target.setFont(SheetFont::body());
    target.endLine();

    printLine(target, {{2, QStringLiteral(" %EV = ") + FP(data.PctEV)},
          {16, QStringLiteral("       100 x (EV/TOL)")},
          {47, QStringLiteral("5.15 sigma predictions")}});
    printLine(target, {{2, QStringLiteral(" %AV = ") + FP(data.PctAV)},
          {16, QStringLiteral("       100 x (AV/TOL)")},
          {47, QStringLiteral("If AV is negative, AV = 0")}});
    printLine(target, {{2, QStringLiteral("%R&R = ") + FP(data.PctRR)},
          {16, QStringLiteral("       100 x (R&R/TOL)")},
          {47, QStringLiteral("K1,K2,K3 = 5.15/d2")}});
    printLine(target, {{2, QStringLiteral(" %PV = ") + FP(data.PctPV)},
          {16, QStringLiteral("       100 x (PV/TOL)")},
          {47, QStringLiteral("d2 = table value (see help)")}});
    target.endLine();
    rules.recordAboveHere(target);

    target.setFont(SheetFont::heading(7));
    target.spc(3);
    printLine(target, {{0, QStringLiteral("App/Run")}, {53, QStringLiteral("Part")}});
    target.setFont(table);
    target.endLine();
    rules.recordAboveHere(target);
    printLine(target, {{0, QStringLiteral("                 1        2        3        4        5        6"
                                          "        7        8        9        10    ")}});
    target.endLine();
    rules.recordAboveHere(target);

    for (int appraiser = 0; appraiser < maxAppraisers; ++appraiser) {
        for (int trial = 0; trial < maxTrials; ++trial) {
            QString readings;
            for (int part = 0; part < maxParts; ++part)
                readings += FormatReadingCell(data.Readings[appraiser][trial][part]);
            printLine(target, {{0, QStringLiteral("  App %1/Run%2").arg(appraiser + 1).arg(trial + 1)},
                               {firstReadingColumn, readings}});
            // Under the row, so the rule never strikes through the readings.
            rules.recordHere(target);
        }
    }

    target.endLine();
    target.setFont(SheetFont::heading());
    printLine(target, {{8, QStringLiteral("Results")}, {45, QStringLiteral("Formula")}});
    target.endLine();
    target.setFont(SheetFont::body());
    const std::pair<QString, double> averages[] = {
        {QStringLiteral("    X1 = "), data.AppraiserAverage[0]},
        {QStringLiteral("    X2 = "), data.AppraiserAverage[1]},
        {QStringLiteral("    X3 = "), data.AppraiserAverage[2]},
        {QStringLiteral("    R1 = "), data.AppraiserRangeAverage[0]},
        {QStringLiteral("    R2 = "), data.AppraiserRangeAverage[1]},
        {QStringLiteral("    R3 = "), data.AppraiserRangeAverage[2]},
        {QStringLiteral("    Rp = "), data.Rp},
        {QStringLiteral("     R = "), data.RBar},
        {QStringLiteral(" Xdiff = "), data.XDiff},
    };
    const QString descriptions[] = {
        QStringLiteral("Average of Appraiser 1"), QStringLiteral("Average of Appraiser 2"),
        QStringLiteral("Average of Appraiser 3"), QStringLiteral("Range of Appraiser 1"),
        QStringLiteral("Range of Appraiser 2"),   QStringLiteral("Range of Appraiser 3"),
        QStringLiteral("Range of all Appraisers"),
        QStringLiteral("(R1 + R2 + R3) / (Number of Appraisers)"),
        QStringLiteral("Max(X1, X2, X3) - Min(X1, X2, X3)"),
    };
    for (int i = 0; i < 9; ++i)
        printLine(target, {{2, averages[i].first + F9(averages[i].second)}, {29, descriptions[i]}});
    rules.recordHere(target);

    verticalLine(target, 0, rules[1], rules[15]);
    verticalLine(target, right, rules[1], rules[15]);
    const SheetFont body = SheetFont::body();
    verticalLine(target, PrintListTarget::widthOfW(body, 14.5), rules[2], rules[3]);
    verticalLine(target, PrintListTarget::widthOfW(body, 44.5), rules[2], rules[3]);
    // The readings start one column after the 12-character label, so each separator
    // stands half a column clear of the text on either side.
    const double labelColumn = PrintListTarget::widthOfW(table, 12.5);
    verticalLine(target, labelColumn, rules[3], rules[14]);
    for (int part = 1; part <= 9; ++part)
        verticalLine(target, labelColumn + PrintListTarget::widthOfW(table, 9 * part), rules[4], rules[14]);
    verticalLine(target, PrintListTarget::widthOfW(body, 22), rules[14], rules[15]);
    rules.draw(target, right);
}

namespace {

// A printer that only counts the pages a job would take.
class PageCounter final : public PrintListTarget
{
public:
    int pages() const { return m_pages; }
    bool breaksPages() const override { return true; }

protected:
    void drawTextItem(const QPointF&, const SheetFont&, const QString&) override { count(); }
    void drawLineItem(const QLineF&) override { count(); }
    void startPage() override { ++m_pages; }

private:
    void count() { m_pages = qMax(m_pages, 1); }

    int m_pages = 0;
};

bool isGroupKey(const QString& key)
{
    return key == QLatin1String("G") || key == QLatin1String("Y") || key == QLatin1String("R");
}

int featuresWithVerdict(const Study& study, const QString& verdict)
{
    return int(std::count_if(study.Features.begin(), study.Features.end(),
                             [&](const StudyFeature& feature) { return feature.Status == verdict; }));
}

} // namespace

int StudySheetPages(int copies, const SheetChoice& choice, const Study& study, const StudyInformation& information,
                    const LimitTexts& limits)
{
    const QString& key = choice.selectedKey;
    const bool selectedSummary = choice.selectedOnly && isGroupKey(key);
    int summaryPages = 0;
    if (choice.summary || selectedSummary) {
        PageCounter counter;
        PrintSummarySheet(counter, study, information, limits);
        summaryPages = counter.pages();
    }
    int pages = (choice.summary ? summaryPages : 0) + (selectedSummary ? summaryPages : 0);
    if (choice.selectedOnly && key.startsWith(QLatin1Char('F')))
        ++pages;
    if (choice.inTolerance)
        pages += featuresWithVerdict(study, acceptable) + featuresWithVerdict(study, caution);
    if (choice.outOfTolerance)
        pages += featuresWithVerdict(study, unacceptable);
    return copies * pages;
}

void PrintStudySheets(PrintListTarget& printer, int copies, const SheetChoice& choice, const Study& study,
                      const StudyInformation& information, const LimitTexts& limits, const SheetEnd& afterSheet)
{
    const auto endSheet = [&](int feature) {
        printer.newPage();
        if (afterSheet)
            afterSheet(feature);
    };
    const auto printDataSheets = [&](const QString& verdict) {
        for (const StudyFeature& feature : study.Features) {
            if (printer.stopped())
                return;
            if (feature.Status != verdict)
                continue;
            PrintDataSheet(printer, study, information, feature.Number);
            endSheet(feature.Number);
        }
    };

    for (int copy = 0; copy < copies && !printer.stopped(); ++copy) {
        if (choice.selectedOnly) {
            const QString& key = choice.selectedKey;
            const int feature = key.startsWith(QLatin1Char('F')) ? key.mid(1).toInt() : 0;
            if (isGroupKey(key))
                PrintSummarySheet(printer, study, information, limits);
            else if (feature > 0)
                PrintDataSheet(printer, study, information, feature);
            endSheet(feature);
        }
        if (choice.summary) {
            PrintSummarySheet(printer, study, information, limits);
            endSheet(0);
        }
        if (choice.inTolerance) {
            printDataSheets(acceptable);
            printDataSheets(caution);
        }
        if (choice.outOfTolerance)
            printDataSheets(unacceptable);
    }
}
