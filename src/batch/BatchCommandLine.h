#pragma once

#include "rrstudy/GageAnova.h"
#include "rrstudy/StudyInformation.h"

#include <QString>
#include <QStringList>

class QCommandLineParser;

// What one run of quorvel-rr is to do: the study file and its template, the verdict
// limits, the study information for the sheets, and where the reports go.
struct BatchOptions {
    QString studyPath;
    QString templatePath;
    // The texts the study window's two lists offer; the unaccept limit is at least the
    // accept limit.
    QString acceptLimit;
    QString unacceptLimit;
    QString pdfPath;  // empty: no PDF
    QString csvPath;  // empty: no results table
    bool allSheets = true;  // the PDF holds every feature's data sheet after the summary
    StudyInformation information;
    bool anovaColumns = false;  // the CSV rows end with the ANOVA method's figures
    bool chartPages = false;    // each data sheet in the PDF is followed by its feature's charts
    GageAnovaOptions anova;
};

// The command line of quorvel-rr, read with the rules of a command-line program:
// --help and --version answer at once, anything it cannot use is a usage error.
class BatchCommandLine
{
public:
    enum class Action { Run, ShowHelp, ShowVersion, UsageError };

    // `arguments` includes the program name first, as the application gives them.
    void parse(const QStringList& arguments);

    Action action() const { return m_action; }
    const BatchOptions& options() const { return m_options; }
    // Why the command line cannot be used (UsageError only).
    const QString& error() const { return m_error; }
    // A remark on what the options became, such as a raised unaccept limit; may be empty.
    const QString& note() const { return m_note; }

    static QString helpText();
    static QString versionText();

private:
    void usageError(const QString& error);
    // --anova, --charts and their two options; false after a usage error.
    bool parseAnovaOptions(const QCommandLineParser& parser);

    Action m_action = Action::UsageError;
    BatchOptions m_options;
    QString m_error;
    QString m_note;
};
