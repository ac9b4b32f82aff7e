#pragma once

#include <QString>

#include <functional>

class PrintListTarget;
struct Study;
struct StudyInformation;

// The Gage R&R report sheets: the summary of a study and the data sheet of one
// feature, written on any print-list target (the screen sheet, a printer, a
// recording), and the print job that puts the chosen sheets on paper.

// The texts of the study window's limit controls, as the summary prints them.
struct LimitTexts {
    QString accept;    // "10"
    QString caution;   // "10 to 30"
    QString unaccept;  // "30"
};

// The number notations of the sheets.
namespace SheetFormat {
QString F2(double value);  // Left 6 of "##0.00"
QString F4(double value);  // Left 6 of "##0.0###"
QString F4(const QString& cell);  // a cell read as a number; other text as it stands
QString FP(double value);  // Left 6 of "##0.00  "
QString F9(double value);  // Left 9 of "###0.0###"
QString FK(double value);  // "##0.00", not cut
QString N(qint64 value);   // "0"
QString T(const QString& text);  // without leading and trailing blanks
} // namespace SheetFormat

// One cell of the readings table, 9 characters: the reading formatted "###0.0000" cut
// to 8 characters and padded with blanks; 9 blanks for an empty or non-numeric cell.
QString FormatReadingCell(const QString& cell);

// Sizes of the on-screen sheets, in twips; the sheets are drawn in points.
constexpr double twipsPerPoint = 20;
constexpr double sheetWidthTwips = 7920;
constexpr double dataSheetHeightTwips = 10080;

// Summary sheet: study information, verdict counts and one line per feature with a
// verdict (Acceptable, then Caution, then Unacceptable). On a target that breaks
// pages it numbers them and repeats the column heading.
void PrintSummarySheet(PrintListTarget& target, const Study& study, const StudyInformation& information,
                       const LimitTexts& limits);

// Data sheet of feature `feature` (its Number, 1 to FeatureCount); nothing for a
// number outside the study.
void PrintDataSheet(PrintListTarget& target, const Study& study, const StudyInformation& information,
                    int feature);

// What the "Print" button prints: the four check boxes and the selected tree node.
struct SheetChoice {
    bool selectedOnly = false;
    bool summary = false;
    bool inTolerance = false;
    bool outOfTolerance = false;
    QString selectedKey;  // "G", "Y", "R" or "F" and a feature number; empty without one
};

// The pages PrintStudySheets puts on paper for the same choice: a data sheet takes one
// page, the summary as many as it breaks into.
int StudySheetPages(int copies, const SheetChoice& choice, const Study& study, const StudyInformation& information,
                    const LimitTexts& limits);

// Runs after every sheet with the Number of the feature whose data sheet it was, 0
// after a summary.
using SheetEnd = std::function<void(int feature)>;

// Prints the chosen sheets `copies` times onto one printer target, each sheet ending
// its page; `afterSheet` runs after every sheet. A target that stops ends the job.
void PrintStudySheets(PrintListTarget& printer, int copies, const SheetChoice& choice, const Study& study,
                      const StudyInformation& information, const LimitTexts& limits, const SheetEnd& afterSheet = {});
