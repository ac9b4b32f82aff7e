// The whole import, as the import window runs it: the input is a study's CSV file, a
// NUL byte and a layout template. The grid's shape, the template applied to the opening
// layout (a bad line keeps what came before it, as in the window), the layout checked
// against the grid, Process on the file, the verdict tally, the summary sheet as text
// and the results table, with the ANOVA columns for every other input.
//
// A failed Process leaves the study it was given exactly as it was. A processed study is
// numbered 1 to n; its tally adds up to its features and agrees with their verdicts; the
// summary prints those counts; the results table holds one row per feature carrying its
// number, name, tolerances, verdict and problem flag, every figure a finite number.
#include "FuzzSupport.h"

#include "batch/PlainTextSheet.h"
#include "batch/ResultsCsv.h"
#include "import/CsvText.h"
#include "import/ImportLayout.h"
#include "import/ImportProcess.h"
#include "import/LayoutTemplate.h"
#include "import/modImport.h"
#include "rrstudy/GageSheets.h"
#include "rrstudy/StudyInformation.h"
#include "rrstudy/ToleranceLimits.h"
#include "rrstudy/modRR.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>
#include <cstring>

namespace {

// The fields of an RFC 4180 table, a list to a line.
QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text.at(at);
        if (quoted) {
            if (c == u'"' && text.mid(at + 1, 1) == QLatin1String("\""))
                field += text.at(++at);
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << std::exchange(field, {});
        } else if (c == u'\r' && text.mid(at + 1, 1) == QLatin1String("\n")) {
            row << std::exchange(field, {});
            rows << std::exchange(row, {});
            ++at;
        } else {
            field += c;
        }
    }
    Fuzz::check(!quoted && field.isEmpty() && row.isEmpty(),
                "the results table ends its last line");
    return rows;
}

// The study in one text, to tell whether a failed Process changed it.
QByteArray fingerprint(const Study& study)
{
    return QByteArray::number(study.AppraiserCount) + ' ' + QByteArray::number(study.PartCount) +
           ' ' + QByteArray::number(study.TrialCount) + ' ' +
           QByteArray::number(study.AcceptLimit) + ' ' + QByteArray::number(study.ImportSucceeded) +
           '\n' + ResultsCsv::table(study);
}

// A study that an earlier import left, for Process to replace or leave alone.
Study earlierStudy()
{
    Study study;
    study.AppraiserCount = 2;
    study.PartCount = 2;
    study.TrialCount = 2;
    StudyFeature feature;
    feature.Name = QStringLiteral("earlier");
    feature.Number = 1;
    feature.Status = QStringLiteral("Acceptable");
    study.Features << feature;
    study.AcceptableCount = 1;
    study.ImportSucceeded = true;
    return study;
}

void checkTally(const Study& study)
{
    int counted[3] = {};
    const QString verdicts[3] = {QStringLiteral("Acceptable"), QStringLiteral("Caution"),
                                 QStringLiteral("Unacceptable")};
    for (qsizetype i = 0; i < study.FeatureCount(); ++i) {
        const StudyFeature& feature = study.Features[i];
        Fuzz::check(feature.Number == i + 1, "features are numbered in file order");
        const auto verdict = std::find(std::begin(verdicts), std::end(verdicts), feature.Status);
        Fuzz::check(verdict != std::end(verdicts), "every feature has a verdict", feature.Status);
        Fuzz::check(!feature.Problem || feature.Status == verdicts[1],
                    "a failed feature is Caution");
        ++counted[verdict - std::begin(verdicts)];
    }
    Fuzz::check(counted[0] == study.AcceptableCount && counted[1] == study.CautionCount &&
                    counted[2] == study.UnacceptableCount,
                "the tally counts the verdicts");
}

void checkSummary(const Study& study, const LimitTexts& limits)
{
    QString text;
    {
        QTextStream out(&text);
        PlainTextSheet sheet(out);
        PrintSummarySheet(sheet, study, StudyInformation(), limits);
    }
    const auto count = [&text](const char* label) {
        const QRegularExpression pattern(QStringLiteral("^ *%1: (\\d+)").arg(QLatin1String(label)),
                                         QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = pattern.match(text);
        return match.hasMatch() ? match.captured(1).toLongLong() : -1;
    };
    Fuzz::check(count("Features") == study.FeatureCount() && count("In") == study.AcceptableCount &&
                    count("Caution") == study.CautionCount &&
                    count("Out") == study.UnacceptableCount,
                "the summary prints the tally", text.left(1000));
}

void checkResultsTable(const Study& study, bool anova)
{
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(
        ResultsCsv::table(study, anova ? std::optional(GageAnovaOptions()) : std::nullopt)));
    const qsizetype width = anova ? 21 : 15;
    Fuzz::check(rows.size() == study.FeatureCount() + 1, "the results table has a row per feature");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList& row = rows[i];
        Fuzz::check(row.size() == width, "every row has every column", row.join(u'|'));
        if (i == 0)
            continue;
        const StudyFeature& feature = study.Features[i - 1];
        Fuzz::check(row[0] == QString::number(feature.Number) && row[1] == feature.Name &&
                        row[2] == feature.UpperTol && row[3] == feature.LowerTol &&
                        row[13] == feature.Status &&
                        row[14] ==
                            (feature.Problem ? QLatin1String("TRUE") : QLatin1String("FALSE")),
                    "a row carries its feature", row.join(u'|'));
        for (qsizetype column = 4; column < width; ++column) {
            if (column == 13 || column == 14 || column == 20 || row[column].isEmpty())
                continue;
            bool isNumber = false;
            const double value = row[column].toDouble(&isNumber);
            Fuzz::check(isNumber && std::isfinite(value), "a figure is a finite number",
                        row.join(u'|'));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // The sheets measure their fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto* separator = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
    const std::size_t csvSize = separator ? std::size_t(separator - data) : size;
    const QString csvPath = Fuzz::writeFile(QStringLiteral("study.csv"), data, csvSize);
    const QString templatePath =
        Fuzz::writeFile(QStringLiteral("study.tpl"), separator ? separator + 1 : data,
                        separator ? size - csvSize - 1 : 0);

    CsvText text;
    Fuzz::check(!text.read(csvPath), "a readable file reads");
    // The grid keeps the records before an error, and the window goes on with them.
    const GridShape grid = ReadGridShape(text);
    ImportLayout layout = ImportLayout::startLayout();
    LayoutTemplate::load(templatePath, layout);
    if (ValidateImportLayout(layout, grid.records, grid.columns))
        return 0;

    const QStringList& accepts = ToleranceLimits::acceptChoices();
    const QString accept = accepts[qsizetype(size % std::size_t(accepts.size()))];
    const QString unaccept = ToleranceLimits::syncedUnaccept(
        accept, ToleranceLimits::unacceptChoices()[qsizetype(size / 7 % 6)]);
    Study study = earlierStudy();
    const QByteArray before = fingerprint(study);
    const ImportOutcome outcome =
        ProcessImport(layout, csvPath, study, accept, unaccept, QStringLiteral(QUORVEL_DATA_DIR));
    if (!outcome.succeeded()) {
        Fuzz::check(!outcome.message().isEmpty(), "a failed Process says why");
        Fuzz::check(fingerprint(study) == before, "a failed Process leaves the study as it was");
        return 0;
    }
    Fuzz::check(study.ImportSucceeded && study.FeatureCount() >= 1 &&
                    study.FeatureCount() <= maxStudyFeatures &&
                    (study.AppraiserCount == 2 || study.AppraiserCount == 3),
                "a processed study has features and its appraisers");
    TallyStatuses(study);
    checkTally(study);
    checkSummary(study, ToleranceLimits::limitTexts(accept, unaccept));
    checkResultsTable(study, size % 2 == 1);
    return 0;
}
