#include "batch/BatchRun.h"

#include "batch/BatchCommandLine.h"
#include "batch/PlainTextSheet.h"
#include "batch/ResultsCsv.h"
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

namespace {

const QString programName = QStringLiteral("quorvel-rr");
constexpr double twipsPerPoint = 20;

class Batch
{
public:
    Batch(const BatchOptions& options, QTextStream& out, QTextStream& errors)
        : m_options(options), m_out(out), m_errors(errors)
    {
    }

    int run()
    {
        if (!importStudy())
            return 1;
        TallyStatuses(m_study);
        const LimitTexts limits = ToleranceLimits::limitTexts(m_options.acceptLimit, m_options.unacceptLimit);
        if (!writeCsv() || !writePdf(limits))
            return 1;
        PlainTextSheet summary(m_out);
        PrintSummarySheet(summary, m_study, m_options.information, limits);
        return 0;
    }

private:
    bool fail(const QString& message)
    {
        m_errors << message << '\n';
        return false;
    }

    // The import window's road: the file as its grid shows it, the template applied to
    // the window's start layout, the layout checked against the grid, then Process. The
    // window reads the file again for Process; here the one text serves both, and a
    // file the grid cannot show whole is refused instead of being processed in part.
    bool importStudy()
    {
        CsvText text;
        if (const auto error = text.read(m_options.studyPath))
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

    bool writeCsv()
    {
        if (m_options.csvPath.isEmpty())
            return true;
        if (const auto error = ResultsCsv::write(m_options.csvPath, m_study))
            return fail(cannotWrite(m_options.csvPath, *error));
        return true;
    }

    // The summary and, with all sheets, every feature's data sheet in verdict order, as
    // the print job puts them on paper.
    bool writePdf(const LimitTexts& limits)
    {
        if (m_options.pdfPath.isEmpty())
            return true;
        PdfPrintTarget pdf(m_options.pdfPath, 1, QStringLiteral("Gage R&R study"));
        PrinterSheetTarget sheets(pdf, sheetWidthTwips / twipsPerPoint);
        SheetChoice choice;
        choice.summary = true;
        choice.inTolerance = m_options.allSheets;
        choice.outOfTolerance = m_options.allSheets;
        PrintStudySheets(sheets, 1, choice, m_study, m_options.information, limits);
        sheets.finish();
        if (pdf.writtenFiles().isEmpty())
            return fail(programName + QStringLiteral(": ") + pdf.errorString());
        return true;
    }

    static QString cannotWrite(const QString& path, const AppError& error)
    {
        return QStringLiteral("%1: cannot write %2: %3")
            .arg(programName, QDir::toNativeSeparators(path), error.message(QString()));
    }

    const BatchOptions& m_options;
    QTextStream& m_out;
    QTextStream& m_errors;
    Study m_study;
};

} // namespace

int RunBatch(const QStringList& arguments, QTextStream& out, QTextStream& errors)
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
    return Batch(commandLine.options(), out, errors).run();
}
