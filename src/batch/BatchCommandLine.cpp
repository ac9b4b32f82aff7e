#include "batch/BatchCommandLine.h"

#include "common/NumberText.h"
#include "rrstudy/ToleranceLimits.h"

#include <QCommandLineParser>
#include <QDate>
#include <QTime>

#include <array>

namespace {

const QString programName = QStringLiteral("quorvel-rr");

struct InformationOption {
    const char* name;
    const char* description;
    QString StudyInformation::*field;
};

const std::array informationOptions = {
    InformationOption{"title", "Study title on the sheets.", &StudyInformation::StudyTitle},
    InformationOption{"comments", "Comments on the summary sheet.", &StudyInformation::StudyComments},
    InformationOption{"part-name", "Part name.", &StudyInformation::PartName},
    InformationOption{"part-number", "Part number.", &StudyInformation::PartNumber},
    InformationOption{"gage-name", "Gage name.", &StudyInformation::GageName},
    InformationOption{"gage-number", "Gage number.", &StudyInformation::GageNumber},
    InformationOption{"temperature", "Temperature, free text (e.g. \"20-21 C\").",
                      &StudyInformation::Temperature},
};

QString choicesText(const QStringList& choices)
{
    return QStringList(choices.begin(), choices.end() - 1).join(QLatin1String(", "))
        + QLatin1String(" or ") + choices.constLast();
}

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Computes a Gage R&R study (average-and-range method) from a CMM's CSV file laid out\n"
        "by an import template, and reports it as the study window does: the summary sheet\n"
        "on standard output, and on request a PDF of the sheets and a CSV table of results."));
    parser.addPositionalArgument(QStringLiteral("STUDY.csv"), QStringLiteral("The measured data."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("template"),
                      QStringLiteral("The import layout template (*.tpl) saved by the import window. Required."),
                      QStringLiteral("LAYOUT.tpl")});
    parser.addOption({QStringLiteral("accept"),
                      QStringLiteral("Acceptable limit in percent: %1 (default %2).")
                          .arg(choicesText(ToleranceLimits::acceptChoices()), ToleranceLimits::defaultAccept()),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("unaccept"),
                      QStringLiteral("Unacceptable limit in percent: %1 (default %2); raised to the "
                                     "acceptable limit when below it.")
                          .arg(choicesText(ToleranceLimits::unacceptChoices()), ToleranceLimits::defaultUnaccept()),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("pdf"), QStringLiteral("Print the sheets into this PDF file (- for standard output)."),
                      QStringLiteral("OUT.pdf")});
    parser.addOption({QStringLiteral("sheets"),
                      QStringLiteral("The sheets of the PDF: summary, or all (the summary and every "
                                     "feature's data sheet; the default)."),
                      QStringLiteral("summary|all")});
    parser.addOption({QStringLiteral("csv"),
                      QStringLiteral("Write one row of results per feature into this CSV file (- for "
                                     "standard output, which then carries no summary)."),
                      QStringLiteral("OUT.csv")});
    for (const InformationOption& option : informationOptions)
        parser.addOption({QString::fromLatin1(option.name), QString::fromLatin1(option.description),
                          QStringLiteral("TEXT")});
    for (int appraiser = 1; appraiser <= 3; ++appraiser)
        parser.addOption({QStringLiteral("appraiser%1").arg(appraiser),
                          QStringLiteral("Name of appraiser %1.").arg(appraiser), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("anova"),
                      QStringLiteral("Append to each CSV row the ANOVA method's %Contribution, %Study Var, "
                                     "%Tolerance and ndc of Gage R&R, the interaction's p and whether it was pooled.")});
    parser.addOption({QStringLiteral("charts"),
                      QStringLiteral("Put each feature's charts and ANOVA tables on a page after its data sheet.")});
    parser.addOption({QStringLiteral("study-variation"),
                      QStringLiteral("Standard deviations the study variation spans, for --anova and --charts: 6 "
                                     "(default) or 5.15."),
                      QStringLiteral("6|5.15")});
    parser.addOption({QStringLiteral("alpha-interaction"),
                      QStringLiteral("Pool the appraiser x part interaction into repeatability when its p is above "
                                     "P (default 0.05), for --anova and --charts."),
                      QStringLiteral("P")});
    parser.addOption({QStringLiteral("date"), QStringLiteral("Run date."), QStringLiteral("YYYY-MM-DD")});
    parser.addOption({QStringLiteral("start"), QStringLiteral("Start time."), QStringLiteral("HH:MM")});
    parser.addOption({QStringLiteral("end"), QStringLiteral("End time."), QStringLiteral("HH:MM")});
}

} // namespace

void BatchCommandLine::parse(const QStringList& arguments)
{
    m_options = BatchOptions();
    m_error.clear();
    m_note.clear();
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        m_action = Action::ShowHelp;
        return;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        m_action = Action::ShowVersion;
        return;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return usageError(QStringLiteral("No study file given."));
    if (positional.size() > 1)
        return usageError(QStringLiteral("One study file at a time; also given: %1")
                              .arg(positional.mid(1).join(QLatin1Char(' '))));
    m_options.studyPath = positional.constFirst();
    m_options.templatePath = parser.value(QStringLiteral("template"));
    if (m_options.templatePath.isEmpty())
        return usageError(QStringLiteral("No template given: --template LAYOUT.tpl is required."));

    const auto limit = [&](const QString& name, const QStringList& choices, const QString& fallback,
                           QString& value) {
        value = parser.isSet(name) ? parser.value(name).trimmed() : fallback;
        if (choices.contains(value))
            return true;
        usageError(QStringLiteral("--%1 takes %2, not \"%3\".").arg(name, choicesText(choices), value));
        return false;
    };
    if (!limit(QStringLiteral("accept"), ToleranceLimits::acceptChoices(), ToleranceLimits::defaultAccept(),
               m_options.acceptLimit)
        || !limit(QStringLiteral("unaccept"), ToleranceLimits::unacceptChoices(),
                  ToleranceLimits::defaultUnaccept(), m_options.unacceptLimit))
        return;
    const QString unaccept = ToleranceLimits::syncedUnaccept(m_options.acceptLimit, m_options.unacceptLimit);
    if (unaccept != m_options.unacceptLimit) {
        m_note = QStringLiteral("The unacceptable limit %1 is below the acceptable limit; it is raised to %2.")
                     .arg(m_options.unacceptLimit, unaccept);
        m_options.unacceptLimit = unaccept;
    }

    m_options.pdfPath = parser.value(QStringLiteral("pdf"));
    m_options.csvPath = parser.value(QStringLiteral("csv"));
    for (const QString& output : {QStringLiteral("csv"), QStringLiteral("pdf")}) {
        if (parser.isSet(output) && parser.value(output).isEmpty())
            return usageError(QStringLiteral("--%1 needs a file name (- for standard output).").arg(output));
    }
    if (parser.isSet(QStringLiteral("sheets"))) {
        const QString sheets = parser.value(QStringLiteral("sheets"));
        if (sheets != QLatin1String("summary") && sheets != QLatin1String("all"))
            return usageError(QStringLiteral("--sheets takes summary or all, not \"%1\".").arg(sheets));
        m_options.allSheets = sheets == QLatin1String("all");
    }

    if (!parseAnovaOptions(parser))
        return;

    StudyInformation& information = m_options.information;
    for (const InformationOption& option : informationOptions)
        information.*option.field = parser.value(QString::fromLatin1(option.name));
    for (int appraiser = 0; appraiser < 3; ++appraiser)
        information.AppraiserName[appraiser] = parser.value(QStringLiteral("appraiser%1").arg(appraiser + 1));

    QDate runDate = QDate::currentDate();
    if (parser.isSet(QStringLiteral("date"))) {
        runDate = QDate::fromString(parser.value(QStringLiteral("date")), Qt::ISODate);
        if (!runDate.isValid())
            return usageError(QStringLiteral("--date takes a date as YYYY-MM-DD, not \"%1\".")
                                  .arg(parser.value(QStringLiteral("date"))));
        information.RunDate = QDateTime(runDate, QTime(0, 0));
    }
    for (const auto& [name, field] : {std::pair{QStringLiteral("start"), &StudyInformation::StartTime},
                                      std::pair{QStringLiteral("end"), &StudyInformation::EndTime}}) {
        if (!parser.isSet(name))
            continue;
        const QTime time = QTime::fromString(parser.value(name), QStringLiteral("H:mm"));
        if (!time.isValid())
            return usageError(QStringLiteral("--%1 takes a time as HH:MM, not \"%2\".").arg(name, parser.value(name)));
        information.*field = QDateTime(runDate, time);
    }
    m_action = Action::Run;
}

bool BatchCommandLine::parseAnovaOptions(const QCommandLineParser& parser)
{
    m_options.anovaColumns = parser.isSet(QStringLiteral("anova"));
    m_options.chartPages = parser.isSet(QStringLiteral("charts"));
    if (m_options.anovaColumns && m_options.csvPath.isEmpty()) {
        usageError(QStringLiteral("--anova adds columns to the results table: it needs --csv."));
        return false;
    }
    if (m_options.chartPages && (m_options.pdfPath.isEmpty() || !m_options.allSheets)) {
        usageError(QStringLiteral("--charts puts each feature's charts after its data sheet: it needs --pdf with "
                                  "every data sheet (--sheets all)."));
        return false;
    }
    const bool analysed = m_options.anovaColumns || m_options.chartPages;
    if (parser.isSet(QStringLiteral("study-variation"))) {
        const QString text = parser.value(QStringLiteral("study-variation")).trimmed();
        if (text != QLatin1String("6") && text != QLatin1String("5.15")) {
            usageError(QStringLiteral("--study-variation takes 6 or 5.15, not \"%1\".").arg(text));
            return false;
        }
        m_options.anova.studyVariation = text.toDouble();
    }
    if (parser.isSet(QStringLiteral("alpha-interaction"))) {
        const QString text = parser.value(QStringLiteral("alpha-interaction")).trimmed();
        const auto level = NumberText::toDouble(text, QLocale::c());
        if (!level || *level < 0 || *level > 1) {
            usageError(QStringLiteral("--alpha-interaction takes a probability from 0 to 1, not \"%1\".").arg(text));
            return false;
        }
        m_options.anova.removalLevel = *level;
    }
    if (!analysed && (parser.isSet(QStringLiteral("study-variation")) || parser.isSet(QStringLiteral("alpha-interaction")))) {
        usageError(QStringLiteral("--study-variation and --alpha-interaction apply to --anova and --charts."));
        return false;
    }
    return true;
}

void BatchCommandLine::usageError(const QString& error)
{
    m_action = Action::UsageError;
    m_error = error;
}

QString BatchCommandLine::helpText()
{
    QCommandLineParser parser;
    describe(parser);
    return parser.helpText();
}

QString BatchCommandLine::versionText()
{
    return QStringLiteral("%1 %2.%3\n").arg(programName).arg(QUORVEL_VERSION_MAJOR).arg(QUORVEL_VERSION_MINOR);
}
