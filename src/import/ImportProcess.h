#pragma once

#include "common/AppError.h"
#include "import/CsvText.h"

#include <QString>

#include <optional>

struct ImportLayout;
struct Study;

// A cell of the file as the grid numbers it: line and column from 1.
struct FilePlace {
    int line = 0;
    int column = 0;
};

// How a Process of the import ended.
struct ImportOutcome {
    enum class Result { Succeeded, Failed, TooManyFeatures, QuotedComma, CalculationFailed };

    ImportOutcome() = default;
    ImportOutcome(Result result, std::optional<AppError> error = std::nullopt, qsizetype featureCount = 0,
                  FilePlace place = {})
        : result(result), error(std::move(error)), featureCount(featureCount), place(place)
    {
    }

    Result result = Result::Succeeded;
    std::optional<AppError> error;  // what ended a Failed Process
    qsizetype featureCount = 0;     // the features a TooManyFeatures file would have held
    FilePlace place;                // where a QuotedComma file's first split quoted text starts

    bool succeeded() const { return result == Result::Succeeded; }
    // The message for the user; empty on success.
    QString message() const;
};

// The most features a study holds: its verdict counters are 16-bit.
constexpr qsizetype maxStudyFeatures = 32767;

// Reads the CSV file once more and makes a study from a layout that passed
// ValidateImportLayout: the study's shape, one feature per first-line column from the
// first run column on (name, tolerances, every reading), computed with the given
// limits. Only when all of it succeeds does the new study replace `study` (with
// ImportSucceeded set); the first error ends Process and leaves `study` as it was. A
// line the study is read from may not hold a quoted text with a comma in it.
ImportOutcome ProcessImport(const ImportLayout& layout, const QString& csvPath, Study& study,
                            const QString& acceptLimitText, const QString& unacceptLimitText,
                            const QString& tableFolder = QString());
// The same for the file's text read before (the command-line report reads it once).
ImportOutcome ProcessImport(const ImportLayout& layout, CsvText text, Study& study,
                            const QString& acceptLimitText, const QString& unacceptLimitText,
                            const QString& tableFolder = QString());
