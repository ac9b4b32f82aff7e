#include "import/ImportProcess.h"

#include "common/NumberText.h"
#include "import/ImportLayout.h"
#include "import/ImportTable.h"
#include "rrstudy/modRR.h"

namespace {

// A row or column number as the layout gives it: a number, rounded to a whole one.
int layoutNumber(const QString& text)
{
    const auto number = NumberText::toDouble(text);
    if (!number)
        throw AppError(AppError::TypeMismatch);
    const auto whole = NumberText::toInt16(*number);
    if (!whole)
        throw AppError(AppError::Overflow);
    return *whole;
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

ReadingLines readingLines(const ImportLayout& layout, int firstRow)
{
    ReadingLines lines{};
    for (int appraiser = 0; appraiser < layout.appraiserCount(); ++appraiser) {
        for (int part = 0; part < layout.partCount(); ++part) {
            const auto entries = TrialRowEntries(layout.trialLists[appraiser][part]);
            for (int trial = 0; trial < layout.trialCount(); ++trial)
                lines[appraiser][trial][part] = firstRow - 1 + layoutNumber(entries[trial]);
        }
    }
    return lines;
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

ImportOutcome fillStudy(const ImportLayout& layout, CsvText text, Study& study)
{
    ImportTable table;
    if (auto error = table.setText(std::move(text)))
        return {ImportOutcome::Result::Failed, error};
    const BlockNumbers at = blockNumbers(layout);
    const qsizetype featureCount = qsizetype(table.width()) - at.firstColumn;
    if (featureCount > maxStudyFeatures)
        return {ImportOutcome::Result::TooManyFeatures, std::nullopt, featureCount};

    study.ImportSucceeded = false;
    study.AppraiserCount = layout.appraiserCount();
    study.PartCount = layout.partCount();
    study.TrialCount = layout.trialCount();
    const ReadingLines lines = readingLines(layout, at.firstRow);
    // A study of no features cannot be made: there is no column to take them from.
    if (featureCount < 1)
        throw AppError(AppError::SubscriptOutOfRange);
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
    ImportOutcome outcome;
    try {
        outcome = fillStudy(layout, std::move(text), study);
    } catch (const AppError& error) {
        outcome = {ImportOutcome::Result::Failed, error};
    }
    if (!outcome.succeeded())
        return outcome;
    study.ImportSucceeded = CalculateStudy(study, acceptLimitText, unacceptLimitText, tableFolder);
    if (!study.ImportSucceeded)
        outcome.result = ImportOutcome::Result::CalculationFailed;
    return outcome;
}
