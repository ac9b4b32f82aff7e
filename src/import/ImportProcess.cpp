#include "import/ImportProcess.h"

#include "common/NumberText.h"
#include "import/ImportLayout.h"
#include "import/ImportTable.h"
#include "rrstudy/modRR.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// A row or column number as Process uses it: a whole number, halves to even, 32 bits.
int wholeNumber(double number)
{
    const double whole = std::nearbyint(number);
    if (!(whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max()))
        throw AppError(AppError::Overflow);
    return int(whole);
}

double layoutValue(const QString& text)
{
    const auto number = NumberText::toDouble(text);
    if (!number)
        throw AppError(AppError::TypeMismatch);
    return *number;
}

int layoutNumber(const QString& text)
{
    return wholeNumber(layoutValue(text));
}

QStringView tableCell(const ImportTable& table, int line, int column)
{
    const auto cell = table.cellView(line, column);
    if (!cell)
        throw AppError(AppError::SubscriptOutOfRange);
    return *cell;
}

struct BlockNumbers {
    int nameRow = 0;
    int upperRow = 0;
    int lowerRow = 0;
    int firstRow = 0;
    int firstColumn = 0;
};

BlockNumbers blockNumbers(const ImportLayout& layout)
{
    const auto& blocks = layout.blocks;
    return {layoutNumber(BlockNumberText(blocks[ImportLayout::FeatureName])),
            layoutNumber(BlockNumberText(blocks[ImportLayout::UpperTolerance])),
            layoutNumber(BlockNumberText(blocks[ImportLayout::LowerTolerance])),
            layoutNumber(FirstRunRowText(blocks[ImportLayout::FirstRun])),
            layoutNumber(FirstRunColumnText(blocks[ImportLayout::FirstRun]))};
}

// The file line of every reading of the study's shape, [a][t][p] from 0.
using ReadingLines = std::array<std::array<std::array<int, maxParts>, maxTrials>, maxAppraisers>;

// The trial list's entry is added to the first run row as it stands and the sum made a
// line number afterwards: an entry of 1.5 counts as 1.5, not as 2.
ReadingLines readingLines(const ImportLayout& layout, int firstRow)
{
    ReadingLines lines{};
    for (int appraiser = 0; appraiser < layout.appraiserCount(); ++appraiser) {
        for (int part = 0; part < layout.partCount(); ++part) {
            const auto entries = TrialRowEntries(layout.trialLists[appraiser][part]);
            for (int trial = 0; trial < layout.trialCount(); ++trial)
                lines[appraiser][trial][part] = wholeNumber(firstRow - 1.0 + layoutValue(entries[trial]));
        }
    }
    return lines;
}

// The lines the study is filled from, in file order.
std::vector<int> linesRead(const ImportLayout& layout, const BlockNumbers& at, const ReadingLines& lines)
{
    std::vector<int> read{at.nameRow, at.upperRow, at.lowerRow};
    for (int appraiser = 0; appraiser < layout.appraiserCount(); ++appraiser)
        for (int trial = 0; trial < layout.trialCount(); ++trial)
            for (int part = 0; part < layout.partCount(); ++part)
                read.push_back(lines[appraiser][trial][part]);
    std::sort(read.begin(), read.end());
    read.erase(std::unique(read.begin(), read.end()), read.end());
    return read;
}

void fillFeatures(const ImportLayout& layout, const ImportTable& table, const BlockNumbers& at,
                  const ReadingLines& lines, Study& study)
{
    for (qsizetype index = 0; index < study.Features.size(); ++index) {
        StudyFeature& feature = study.Features[index];
        const int column = at.firstColumn + int(index);
        feature.Number = qint16(index + 1);
        feature.Name = tableCell(table, at.nameRow, column).toString();
        feature.UpperTol = tableCell(table, at.upperRow, column).toString();
        feature.LowerTol = tableCell(table, at.lowerRow, column).toString();
        for (int trial = 0; trial < layout.trialCount(); ++trial) {
            for (int part = 0; part < layout.partCount(); ++part) {
                for (int appraiser = 0; appraiser < layout.appraiserCount(); ++appraiser) {
                    feature.Readings[appraiser][trial][part] =
                        tableCell(table, lines[appraiser][trial][part], column);
                }
            }
        }
    }
}

// Fills a new, empty study.
ImportOutcome fillStudy(const ImportLayout& layout, CsvText text, Study& study)
{
    ImportTable table;
    if (auto error = table.setText(std::move(text)))
        return {ImportOutcome::Result::Failed, error};
    const BlockNumbers at = blockNumbers(layout);
    const qsizetype featureCount = qsizetype(table.width()) - at.firstColumn;
    if (featureCount > maxStudyFeatures)
        return {ImportOutcome::Result::TooManyFeatures, std::nullopt, featureCount};

    study.AppraiserCount = layout.appraiserCount();
    study.PartCount = layout.partCount();
    study.TrialCount = layout.trialCount();
    const ReadingLines lines = readingLines(layout, at.firstRow);
    // A study of no features cannot be made: there is no column to take them from.
    if (featureCount < 1)
        throw AppError(AppError::SubscriptOutOfRange);
    // The grid splits at every comma, quoted or not: a quoted text with a comma in it
    // moves every later cell of its line one column on, under another feature.
    for (int line : linesRead(layout, at, lines)) {
        if (const auto column = table.quotedCommaColumn(line)) {
            return {ImportOutcome::Result::QuotedComma, std::nullopt, 0, {line, *column}};
        }
    }
    study.Features = QList<StudyFeature>(featureCount);
    fillFeatures(layout, table, at, lines, study);
    return {};
}

} // namespace

QString ImportOutcome::message() const
{
    switch (result) {
    case Result::Succeeded: return QString();
    case Result::Failed:
        return error->message(QStringLiteral("Unanticipated error "))
            + QStringLiteral(", please check your values.");
    case Result::QuotedComma:
        return QStringLiteral("The text in line %1, column %2 holds a comma inside quotes; the names "
                              "after it would not match their readings.")
            .arg(place.line)
            .arg(place.column);
    case Result::TooManyFeatures:
        return QStringLiteral("This file holds %1 feature columns from the first run column on; "
                              "a study can hold at most %2 features.")
            .arg(featureCount)
            .arg(maxStudyFeatures);
    case Result::CalculationFailed:
        return QStringLiteral("There was a problem the calculation of your data. Please verify "
                              "the data in your file.");
    }
    return QString();
}

ImportOutcome ProcessImport(const ImportLayout& layout, const QString& csvPath, Study& study,
                            const QString& acceptLimitText, const QString& unacceptLimitText,
                            const QString& tableFolder)
{
    CsvText text;
    if (auto error = text.read(csvPath))
        return {ImportOutcome::Result::Failed, error};
    return ProcessImport(layout, std::move(text), study, acceptLimitText, unacceptLimitText, tableFolder);
}

ImportOutcome ProcessImport(const ImportLayout& layout, CsvText text, Study& study,
                            const QString& acceptLimitText, const QString& unacceptLimitText,
                            const QString& tableFolder)
{
    // The new study is made apart and takes the old one's place only when all went
    // well, so a failure leaves the study window's study exactly as it was.
    Study imported;
    ImportOutcome outcome;
    try {
        outcome = fillStudy(layout, std::move(text), imported);
    } catch (const AppError& error) {
        outcome = {ImportOutcome::Result::Failed, error};
    }
    if (!outcome.succeeded())
        return outcome;
    if (!CalculateStudy(imported, acceptLimitText, unacceptLimitText, tableFolder)) {
        outcome.result = ImportOutcome::Result::CalculationFailed;
        return outcome;
    }
    imported.ImportSucceeded = true;
    study = std::move(imported);
    return outcome;
}
