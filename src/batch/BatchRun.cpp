#include "batch/BatchRun.h"

#include "batch/BatchCommandLine.h"
#include "batch/PlainTextSheet.h"
#include "batch/ReportOutput.h"
#include "batch/ResultsCsv.h"
#include "batch/SystemPath.h"
#include "import/ImportLayout.h"
#include "import/ImportProcess.h"
#include "import/LayoutTemplate.h"
#include "import/modImport.h"
#include "rrstudy/GageSheets.h"
#include "rrstudy/SheetPainter.h"
#include "rrstudy/ToleranceLimits.h"
#include "rrstudy/modRR.h"
#include "printing/PdfPrintTarget.h"

#include <QDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QString programName = QStringLiteral("quorvel-rr");
constexpr double twipsPerPoint = 20;

// The names of the first few features that failed their own calculation.
constexpr int namedProblems = 5;

class Batch
{
public:
    Batch(const BatchOptions& options, QTextStream& out, QTextStream& errors, const ChartPageDrawer& drawChartPage)
        : m_options(options), m_out(out), m_errors(errors), m_drawChartPage(drawChartPage)
    {
    }

    int run()
    {
        if (const auto clash = outputClash()) {
            m_errors << programName << ": " << *clash << '\n';
            return 2;
        }
        if (const auto problem = D2TableProblem()) {
            fail(QStringLiteral("%1: The d2 table %2 cannot be used: %3.")
                     .arg(programName, QDir::toNativeSeparators(D2TablePath()), *problem));
            return 1;
        }
        if (!importStudy())
            return 1;
        TallyStatuses(m_study);
        reportProblemFeatures();
        const LimitTexts limits = ToleranceLimits::limitTexts(m_options.acceptLimit, m_options.unacceptLimit);
        if (!writeReports(limits))
            return 1;
        if (!isOutput(QStringLiteral("-"))) {
            PlainTextSheet summary(m_out);
            PrintSummarySheet(summary, m_study, m_options.information, limits);
        }
        return 0;
    }

private:
    bool fail(const QString& message)
    {
        m_errors << message << '\n';
        return false;
    }

    bool isOutput(const QString& path) const { return m_options.csvPath == path || m_options.pdfPath == path; }

    // A report never replaces an input, nor the other report: the files themselves are
    // compared, so links and other names of one file count as that file.
    std::optional<QString> outputClash() const
    {
        const auto sameFile = [](const QString& first, const QString& second) {
            if (first == QLatin1String("-") || second == QLatin1String("-"))
                return first == second;
            const auto identity = SystemPath::identify(first);
            return identity && identity == SystemPath::identify(second);
        };
        const std::pair<QString, QString> outputs[] = {{QStringLiteral("--csv"), m_options.csvPath},
                                                       {QStringLiteral("--pdf"), m_options.pdfPath}};
        for (const auto& [option, path] : outputs) {
            if (path.isEmpty())
                continue;
            for (const auto& [input, inputPath] : {std::pair{QStringLiteral("study"), m_options.studyPath},
                                                   std::pair{QStringLiteral("template"), m_options.templatePath}}) {
                if (path != QLatin1String("-") && sameFile(path, inputPath))
                    return QStringLiteral("%1 %2 is the %3 file: a report never replaces its input.")
                        .arg(option, QDir::toNativeSeparators(path), input);
            }
        }
        if (!m_options.csvPath.isEmpty() && !m_options.pdfPath.isEmpty() && sameFile(m_options.csvPath, m_options.pdfPath))
            return QStringLiteral("--csv and --pdf name the same file, %1: each report needs its own.")
                .arg(QDir::toNativeSeparators(m_options.pdfPath));
        return std::nullopt;
    }

    // The import window's road: the file as its grid shows it, the template applied to
    // the window's start layout, the layout checked against the grid, then Process. The
    // window reads the file again for Process; here the one text serves both, and a
    // file the grid cannot show whole is refused instead of being processed in part.
    bool importStudy()
    {
        CsvText text;
        QFile file;
        auto error = SystemPath::openForReading(m_options.studyPath, file);
        if (!error)
            error = text.read(file);
        if (error)
            return fail(error->message(QStringLiteral("Unanticipated error ")));
        const GridShape grid = ReadGridShape(text);
        if (grid.error)
            return fail(grid.error->message(QStringLiteral("Unanticipated error ")));
        ImportLayout layout = ImportLayout::startLayout();
        if (const auto problem = LayoutTemplate::load(m_options.templatePath, layout))
            return fail(problem->message);
        if (const auto problem = ValidateImportLayout(layout, grid.records, grid.columns))
            return fail(*problem);
        const ImportOutcome outcome = ProcessImport(layout, std::move(text), m_study,
                                                    m_options.acceptLimit, m_options.unacceptLimit);
        if (!outcome.succeeded())
            return fail(outcome.message());
        return true;
    }

    // With the table sound, a feature fails only for its own data: a reading or
    // tolerance that is not a number, or a zero tolerance. The run still succeeds.
    void reportProblemFeatures()
    {
        QStringList names;
        for (const StudyFeature& feature : m_study.Features)
            if (feature.Problem)
                names.append(feature.Name);
        if (names.isEmpty())
            return;
        const qsizetype more = names.size() - namedProblems;
        m_errors << programName
                 << ": Features not computed for their own data (a reading or tolerance that is not a number, or a "
                    "zero tolerance), counted as Caution: "
                 << names.size() << " (" << names.mid(0, namedProblems).join(QLatin1String(", "))
                 << (more > 0 ? QStringLiteral(" and %1 more").arg(more) : QString()) << ")\n";
    }

    // Both reports are written in full before either is put in place, so a failed run
    // leaves no new report beside an old one.
    bool writeReports(const LimitTexts& limits)
    {
        std::vector<std::unique_ptr<ReportOutput>> reports;
        const auto write = [&](const QString& path, const std::function<bool(QIODevice&)>& writer) {
            if (path.isEmpty())
                return true;
            auto report = std::make_unique<ReportOutput>(path);
            auto error = report->open();
            if (!error && !writer(report->device()))
                error = AppError(AppError::DeviceIOError);
            if (!error)
                error = report->finishWriting();
            reports.push_back(std::move(report));
            return !error || fail(cannotWrite(path, *error));
        };
        if (!write(m_options.csvPath, [&](QIODevice& device) { return writeCsv(device); })
            || !write(m_options.pdfPath, [&](QIODevice& device) { return writePdf(device, limits); }))
            return false;
        // A straight write (a pipe that closes) may fail: those go first.
        std::stable_partition(reports.begin(), reports.end(), [](const auto& report) { return report->writesStraight(); });
        for (const auto& report : reports) {
            if (const auto error = report->commit())
                return fail(cannotWrite(report->path(), *error));
        }
        return true;
    }

    bool writeCsv(QIODevice& device)
    {
        const QByteArray bytes = ResultsCsv::table(
            m_study, m_options.anovaColumns ? std::optional<GageAnovaOptions>(m_options.anova) : std::nullopt);
        return device.write(bytes) == bytes.size();
    }

    // The summary and, with all sheets, every feature's data sheet in verdict order, as
    // the print job puts them on paper; with charts, each data sheet followed by its
    // feature's chart page.
    bool writePdf(QIODevice& device, const LimitTexts& limits)
    {
        PdfPrintTarget pdf(device, QStringLiteral("Gage R&R study"));
        {
            PrinterSheetTarget sheets(pdf, sheetWidthTwips / twipsPerPoint);
            SheetChoice choice;
            choice.summary = true;
            choice.inTolerance = m_options.allSheets;
            choice.outOfTolerance = m_options.allSheets;
            const auto chartPage = [&](int feature) {
                if (feature > 0 && m_options.chartPages)
                    sheets.drawPage([&](QPainter& painter, const QRectF& area) {
                        m_drawChartPage(painter, area,
                                        GageChartPage::of(m_study, m_options.information, feature, m_options.anova));
                    });
            };
            PrintStudySheets(sheets, 1, choice, m_study, m_options.information, limits, chartPage);
        }
        return pdf.errorString().isEmpty();
    }

    static QString cannotWrite(const QString& path, const AppError& error)
    {
        return QStringLiteral("%1: Cannot write %2: %3")
            .arg(programName, path == QLatin1String("-") ? QStringLiteral("standard output") : QDir::toNativeSeparators(path),
                 error.message(QString()));
    }

    const BatchOptions& m_options;
    QTextStream& m_out;
    QTextStream& m_errors;
    const ChartPageDrawer& m_drawChartPage;
    Study m_study;
};

} // namespace

int RunBatch(const QStringList& arguments, QTextStream& out, QTextStream& errors, const ChartPageDrawer& drawChartPage)
{
    BatchCommandLine commandLine;
    commandLine.parse(arguments);
    switch (commandLine.action()) {
    case BatchCommandLine::Action::ShowHelp:
        out << BatchCommandLine::helpText();
        return 0;
    case BatchCommandLine::Action::ShowVersion:
        out << BatchCommandLine::versionText();
        return 0;
    case BatchCommandLine::Action::UsageError:
        errors << programName << ": " << commandLine.error() << "\n\n" << BatchCommandLine::helpText();
        return 2;
    case BatchCommandLine::Action::Run:
        break;
    }
    if (!commandLine.note().isEmpty())
        errors << programName << ": " << commandLine.note() << '\n';
    return Batch(commandLine.options(), out, errors, drawChartPage).run();
}
