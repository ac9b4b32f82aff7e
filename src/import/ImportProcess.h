#pragma once

#include "common/AppError.h"
#include "import/CsvText.h"

#include <QString>

#include <optional>

struct ImportLayout;
struct Study;

// How a Process of the import ended.
struct ImportOutcome {
    enum class Result { Succeeded, Failed, TooManyFeatures, CalculationFailed };

    Result result = Result::Succeeded;
    std::optional<AppError> error;  // what ended a Failed Process
    qsizetype featureCount = 0;     // the features a TooManyFeatures file would have held

    bool succeeded() const { return result == Result::Succeeded; }
    // The message for the user; empty on success.
    QString message() const;
};

// The most features a study holds: its verdict counters are 16-bit.
constexpr qsizetype maxStudyFeatures = 32767;

// Reads the CSV file once more and fills the study from a layout that passed
// ValidateImportLayout: the study's shape, one feature per first-line column from the
// first run column on (name, tolerances, every reading), then computes it with the
// given limits. The first error ends Process; the study keeps what was filled before
// it, and ImportSucceeded is false from the moment the study starts to change until
// a calculation succeeds. A file with too many features changes nothing.
ImportOutcome ProcessImport(const ImportLayout& layout, const QString& csvPath, Study& study,
                            const QString& acceptLimitText, const QString& unacceptLimitText,
                            const QString& tableFolder = QString());
// The same for the file's text read before (the command-line report reads it once).
ImportOutcome ProcessImport(const ImportLayout& layout, CsvText text, Study& study,
                            const QString& acceptLimitText, const QString& unacceptLimitText,
                            const QString& tableFolder = QString());
