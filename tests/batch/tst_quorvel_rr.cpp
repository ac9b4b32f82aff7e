// quorvel-rr as a user runs it: a process with arguments, standard output, standard
// error and an exit status. The expected results are computed here from the readings
// of the generated file, by the average-and-range method written out plainly.
#include "PdfPageReader.h"
#include "rrstudy/GageAnova.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cmath>

namespace {

// The d2 values of a 3 appraiser x 3 trial x 10 part study, from the shipped table:
// K1 uses m = 3 with 30 groups (the line for 16 or more), K2 m = 3, g = 1, K3 m = 10, g = 1.
constexpr double d2Trials = 1.69257;
constexpr double d2Appraisers = 1.91155;
constexpr double d2Parts = 3.17905;

struct Expected {
    QString name;
    QString upper;
    QString lower;
    bool problem = false;
    bool tolComputed = true;
    double tol = 0;
    double ev = 0;
    double av = 0;
    double rr = 0;
    double pv = 0;
    QString status;
    double pct(double value) const { return problem ? 0 : 100 * value / tol; }
};

QString F2(double value)
{
    return QString::number(value, 'f', 2).left(6);
}

double spread(const std::vector<double>& values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return *high - *low;
}

// The features of a file as the generator lays it out: names on line 1, upper and lower
// tolerances on lines 2 and 3 from column 3 on, then appraiser 1's parts 1 to 10 with
// trials 1 to 3 each, then appraisers 2 and 3.
QList<Expected> expectedFeatures(const QStringList& lines, double accept, double unaccept)
{
    const auto cells = [&](int line) { return lines.at(line).split(QLatin1Char(',')); };
    const QStringList names = cells(0);
    QList<Expected> features;
    for (int column = 2; column < names.size(); ++column) {
        Expected f;
        f.name = names.at(column).trimmed();
        f.upper = cells(1).at(column).trimmed();
        f.lower = cells(2).at(column).trimmed();
        double reading[3][10][3];
        bool allNumbers = true;
        for (int a = 0; a < 3; ++a) {
            for (int p = 0; p < 10; ++p) {
                for (int t = 0; t < 3; ++t) {
                    bool ok = false;
                    reading[a][p][t] = cells(3 + a * 30 + p * 3 + t).at(column).toDouble(&ok);
                    allNumbers = allNumbers && ok;
                }
            }
        }
        f.tol = f.upper.toDouble() + f.lower.toDouble();
        // A feature that cannot be computed keeps the zeros of a fresh study.
        if (!allNumbers || f.tol == 0) {
            f.problem = true;
            f.tolComputed = allNumbers;
            f.tol = 0;
            f.status = QStringLiteral("Caution");
            features.append(f);
            continue;
        }
        double rangeSum = 0;
        std::vector<double> appraiserAverages, partAverages(10, 0.0);
        for (int a = 0; a < 3; ++a) {
            double sum = 0;
            for (int p = 0; p < 10; ++p) {
                rangeSum += spread({reading[a][p][0], reading[a][p][1], reading[a][p][2]});
                for (int t = 0; t < 3; ++t) {
                    sum += reading[a][p][t];
                    partAverages[p] += reading[a][p][t] / 9;
                }
            }
            appraiserAverages.push_back(sum / 30);
        }
        f.ev = rangeSum / 30 * 5.15 / d2Trials;
        const double q = std::pow(spread(appraiserAverages) * 5.15 / d2Appraisers, 2) - f.ev * f.ev / 30;
        f.av = q < 0 ? 0 : std::sqrt(q);
        f.rr = std::sqrt(f.ev * f.ev + f.av * f.av);
        f.pv = spread(partAverages) * 5.15 / d2Parts;
        const double pctRR = f.pct(f.rr);
        f.status = pctRR <= accept ? QStringLiteral("Acceptable")
            : pctRR >= unaccept    ? QStringLiteral("Unacceptable")
                                   : QStringLiteral("Caution");
        features.append(f);
    }
    return features;
}

// The fields of one CSV line, with quoted fields read back.
QStringList csvFields(const QString& line)
{
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted && c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"'))
            fields.last() += line.at(++i);
        else if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(',') && !quoted)
            fields.append(QString());
        else
            fields.last() += c;
    }
    return fields;
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class tst_quorvel_rr : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QByteArray m_results;  // the results table of study.csv
    QString m_summary;     // its summary on standard output

    static QString program(const QString& name)
    {
        return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    }

    QString path(const QString& name) const { return m_folder.filePath(name); }

    // Runs quorvel-rr (the copy in the folder "copy" when asked) in the temporary folder.
    // A first argument named by `rawName` bytes that are not UTF-8 reaches it through the
    // shell, which alone can pass such bytes.
    Run run(const QStringList& arguments, bool copy = false, const QByteArray& rawName = {}) const
    {
        QProcess process;
        process.setWorkingDirectory(m_folder.path());
        const QString quorvelRr = copy ? path(QStringLiteral("copy/quorvel-rr")) : program(QStringLiteral("quorvel-rr"));
        if (rawName.isEmpty()) {
            process.start(quorvelRr, arguments);
        } else {
            QString octal;
            for (char byte : rawName)
                octal += QStringLiteral("\\%1").arg(uint(static_cast<unsigned char>(byte)), 3, 8, QLatin1Char('0'));
            process.start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"),
                                                                 QStringLiteral("exec \"$0\" \"$(printf '%1')\" \"$@\"").arg(octal),
                                                                 quorvelRr} + arguments);
        }
        Run result;
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return result;
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    // A generated study of `features` features and its template, named by `name`.
    bool generate(const QString& name, int features, int seed = 7) const
    {
        return QProcess::execute(program(QStringLiteral("quorvel-gen-study")),
                                 {QString::number(features), path(name + QStringLiteral(".csv")),
                                  path(name + QStringLiteral(".tpl")), QString::number(seed)})
            == 0;
    }

    QStringList fileLines(const QString& name) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.constLast().isEmpty())
            lines.removeLast();
        return lines;
    }

    void writeLines(const QString& name, const QStringList& lines) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(generate(QStringLiteral("study"), 12));
        // Three features that cannot be judged or whose name needs quoting in CSV.
        QStringList lines = fileLines(QStringLiteral("study.csv"));
        QCOMPARE(lines.size(), 93);
        const auto setCell = [&](int line, int column, const QString& text) {
            QStringList cells = lines.at(line).split(QLatin1Char(','));
            cells[column] = text;
            lines[line] = cells.join(QLatin1Char(','));
        };
        setCell(2, 2 + 3, QStringLiteral("-0.0100"));       // feature 4: the tolerance adds up to 0
        setCell(40, 2 + 6, QStringLiteral("n/a"));          // feature 7: a reading that is no number
        setCell(0, 2 + 9, QStringLiteral("Bore \"10\""));  // feature 10: quotes stay in the name
        writeLines(QStringLiteral("special.csv"), lines);
        QFile::copy(path(QStringLiteral("study.tpl")), path(QStringLiteral("special.tpl")));

        lines = fileLines(QStringLiteral("study.csv"));
        setCell(5, 3, QStringLiteral("1e-400"));  // too small for a double: 0
        setCell(6, 4, QStringLiteral("1e-320"));  // a subnormal
        writeLines(QStringLiteral("tiny.csv"), lines);
        QVERIFY(::link(QFile::encodeName(path(QStringLiteral("study.csv"))).constData(),
                       (QFile::encodeName(m_folder.path()) + "/\xe9tude.csv").constData()) == 0);
        QVERIFY(QFile::link(path(QStringLiteral("study.tpl")), path(QStringLiteral("link.tpl"))));
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("afolder")) && QDir(m_folder.path()).mkpath(QStringLiteral("copy")));
        QVERIFY(QFile::copy(program(QStringLiteral("quorvel-rr")), path(QStringLiteral("copy/quorvel-rr"))));
        QVERIFY(QFile::setPermissions(path(QStringLiteral("copy/quorvel-rr")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("locked"))
                && QFile::setPermissions(path(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(::mkfifo(QFile::encodeName(path(QStringLiteral("fifo"))).constData(), 0600) == 0);
        const Run reference = run({QStringLiteral("study.csv"), QStringLiteral("--template"), QStringLiteral("study.tpl"),
                                   QStringLiteral("--csv"), QStringLiteral("reference.csv")});
        QCOMPARE(reference.exitCode, 0);
        m_results = fileBytes(QStringLiteral("reference.csv"));
        m_summary = reference.out;
    }

    QByteArray fileBytes(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Command lines and what they leave: the exit status, the first line on standard
    // error, standard output ("summary", "csv", or "*" not compared), and each named file afterwards:
    // "same" as before the run, "none", "csv" or "pdf" (the reports), or "fifo" (still a
    // FIFO, the results written through it).
    void outputsNeverHarmAnInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("table");  // the copy's d2 table; empty: the shipped program
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QStringList>("files");

        const QStringList study{QStringLiteral("study.csv"), QStringLiteral("--template"), QStringLiteral("study.tpl")};
        const QString csv = QStringLiteral("--csv");
        const QString pdf = QStringLiteral("--pdf");
        const QByteArray none;
        QFile shipped(program(QStringLiteral("tbld2.txt")));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray good = shipped.readAll();
        const QByteArray notANumber = QByteArray(good).replace(16 * 9, 7, "x      ");
        QByteArray negative = good;
        negative.replace(negative.indexOf("1.91155"), 7, "-1.2000");

        QTest::newRow("csv names the study") << study + QStringList{csv, QStringLiteral("./study.csv")} << none << 2
            << "quorvel-rr: --csv ./study.csv is the study file: a report never replaces its input." << ""
            << QStringList{"study.csv=same"};
        QTest::newRow("pdf names the template through a link") << study + QStringList{pdf, QStringLiteral("link.tpl")}
            << none << 2 << "quorvel-rr: --pdf link.tpl is the template file: a report never replaces its input." << ""
            << QStringList{"study.tpl=same", "link.tpl=same"};
        QTest::newRow("csv and pdf one new file") << study + QStringList{csv, QStringLiteral("new.out"), pdf, QStringLiteral("./new.out")}
            << none << 2 << "quorvel-rr: --csv and --pdf name the same file, ./new.out: each report needs its own." << ""
            << QStringList{"new.out=none"};
        QTest::newRow("a FIFO is written straight") << study + QStringList{csv, QStringLiteral("fifo")} << none << 0 << ""
            << "summary" << QStringList{"fifo=fifo"};
        QTest::newRow("- is standard output") << study + QStringList{csv, QStringLiteral("-")} << none << 0 << "" << "csv"
            << QStringList{};
        QTest::newRow("the PDF fails after the CSV: no new output")
            << study + QStringList{csv, QStringLiteral("old.csv"), pdf, QStringLiteral("afolder")} << none << 1
            << "quorvel-rr: Cannot write afolder: 75: Path/File access error" << "" << QStringList{"old.csv=same"};
        QTest::newRow("both written") << study + QStringList{csv, QStringLiteral("old.csv"), pdf, QStringLiteral("old.pdf")}
            << none << 0 << "" << "summary" << QStringList{"old.csv=csv", "old.pdf=pdf"};
        QTest::newRow("a folder that does not exist") << study + QStringList{pdf, QStringLiteral("missing/x.pdf")} << none
            << 1 << "quorvel-rr: Cannot write missing/x.pdf: 76: Path not found" << "" << QStringList{};
        if (::geteuid() != 0)  // root may write anywhere
            QTest::newRow("a folder the user may not write in") << study + QStringList{csv, QStringLiteral("locked/x.csv")}
                << none << 1 << "quorvel-rr: Cannot write locked/x.csv: 70: Permission denied" << "" << QStringList{};
        QTest::newRow("an empty output path") << study + QStringList{csv, QString()} << none << 2
            << "quorvel-rr: --csv needs a file name (- for standard output)." << "" << QStringList{};
        QTest::newRow("d2 table missing") << study << QByteArray("missing") << 1
            << "quorvel-rr: The d2 table {copy}/tbld2.txt cannot be used: it is missing." << "" << QStringList{};
        QTest::newRow("d2 line not a number") << study << notANumber << 1
            << "quorvel-rr: The d2 table {copy}/tbld2.txt cannot be used: line 17 is not a number (\"x\")." << ""
            << QStringList{};
        QTest::newRow("d2 value below 0") << study << negative << 1
            << "quorvel-rr: The d2 table {copy}/tbld2.txt cannot be used: line 17 holds -1.2; a d2 value must be above 0."
            << "" << QStringList{};
        QTest::newRow("readings too small for a double are numbers")
            << QStringList{QStringLiteral("tiny.csv"), QStringLiteral("--template"), QStringLiteral("study.tpl")} << none
            << 0 << "" << "*" << QStringList{};
        QTest::newRow("a study name that is not UTF-8") << QStringList{QStringLiteral("--template"), QStringLiteral("study.tpl")}
            << none << 0 << "" << "summary" << QStringList{};
    }

    void outputsNeverHarmAnInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, table);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        QFETCH(QString, out);
        QFETCH(QStringList, files);
        for (const QString& name : {QStringLiteral("old.csv"), QStringLiteral("old.pdf")})
            writeLines(name, {QStringLiteral("old ") + name});
        QFile::remove(path(QStringLiteral("copy/tbld2.txt")));
        if (!table.isEmpty() && table != "missing")
            writeLines(QStringLiteral("copy/tbld2.txt"), {QString::fromLatin1(table).chopped(2)});
        QMap<QString, QByteArray> before;
        for (const QString& file : files.filter(QStringLiteral("=same")))
            before[file.section(QLatin1Char('='), 0, 0)] = fileBytes(file.section(QLatin1Char('='), 0, 0));
        const int reader = ::open(QFile::encodeName(path(QStringLiteral("fifo"))).constData(), O_RDONLY | O_NONBLOCK);

        const bool rawName = QString::fromLatin1(QTest::currentDataTag()).contains(QLatin1String("UTF-8"));
        const Run done = run(arguments, !table.isEmpty(), rawName ? QByteArray("\xe9tude.csv") : QByteArray());
        QByteArray throughFifo(1 << 16, '\0');
        throughFifo.truncate(qMax<qsizetype>(0, ::read(reader, throughFifo.data(), throughFifo.size())));
        ::close(reader);

        QCOMPARE(done.exitCode, exitCode);
        QCOMPARE(done.err.section(QLatin1Char('\n'), 0, 0), QString(error).replace(QLatin1String("{copy}"), path(QStringLiteral("copy"))));
        if (out != QLatin1String("*"))
            QCOMPARE(done.out, out == QLatin1String("summary") ? m_summary
                               : out == QLatin1String("csv")   ? QString::fromUtf8(m_results)
                                                               : QString());
        struct stat status;
        for (const QString& file : files) {
            const QString name = file.section(QLatin1Char('='), 0, 0);
            const QString state = file.section(QLatin1Char('='), 1);
            if (state == QLatin1String("same"))
                QCOMPARE(fileBytes(name), before[name]);
            else if (state == QLatin1String("none"))
                QVERIFY(!QFile::exists(path(name)));
            else if (state == QLatin1String("csv"))
                QCOMPARE(fileBytes(name), m_results);
            else if (state == QLatin1String("pdf"))
                QVERIFY(fileBytes(name).startsWith("%PDF-"));
            else
                QVERIFY(::lstat(QFile::encodeName(path(name)).constData(), &status) == 0 && S_ISFIFO(status.st_mode)
                        && throughFifo == m_results);
        }
    }

    void summaryAndResultsMatchTheReadings_data()
    {
        QTest::addColumn<QString>("study");
        QTest::addColumn<QStringList>("limits");
        QTest::addColumn<double>("accept");
        QTest::addColumn<double>("unaccept");
        QTest::addColumn<QString>("note");
        QTest::newRow("generated, default limits") << "study" << QStringList() << 10.0 << 30.0 << "";
        QTest::newRow("unjudgeable features and quotes")
            << "special" << QStringList() << 10.0 << 30.0
            << "quorvel-rr: Features not computed for their own data (a reading or tolerance that is not a number, "
               "or a zero tolerance), counted as Caution: 2 (Bore 4, Bore 7)\n";
        QTest::newRow("unaccept raised to accept")
            << "study"
            << QStringList{QStringLiteral("--accept"), QStringLiteral("15"), QStringLiteral("--unaccept"),
                           QStringLiteral("5")}
            << 15.0 << 15.0
            << "quorvel-rr: The unacceptable limit 5 is below the acceptable limit; it is raised to 15.\n";
    }

    void summaryAndResultsMatchTheReadings()
    {
        QFETCH(QString, study);
        QFETCH(QStringList, limits);
        QFETCH(double, accept);
        QFETCH(double, unaccept);
        QFETCH(QString, note);
        const QList<Expected> features =
            expectedFeatures(fileLines(study + QStringLiteral(".csv")), accept, unaccept);
        QCOMPARE(features.size(), 12);

        const QString results = path(study + QStringLiteral("-results.csv"));
        const Run done = run(QStringList{path(study + QStringLiteral(".csv")), QStringLiteral("--template"),
                                         path(study + QStringLiteral(".tpl")), QStringLiteral("--csv"), results,
                                         QStringLiteral("--title"), QStringLiteral("Bracket study"),
                                         QStringLiteral("--date"), QStringLiteral("2026-12-06")}
                             + limits);
        QCOMPARE(done.exitCode, 0);
        QCOMPARE(done.err, note);

        const QString acceptText = QString::number(accept);
        const QString unacceptText = QString::number(unaccept);
        const auto count = [&](const QString& status) {
            return std::count_if(features.begin(), features.end(),
                                 [&](const Expected& f) { return f.status == status; });
        };
        const QStringList summary = done.out.split(QLatin1Char('\n'));
        QVERIFY(summary.contains(QStringLiteral("        Gage Repeatability And Reproducibility Summary")));
        QVERIFY(summary.contains(QStringLiteral("        Title: Bracket study")));
        QVERIFY(summary.contains(QStringLiteral("     Features: 12")));
        QVERIFY(summary.contains(QStringLiteral("    Part Name:") + QString(30, QLatin1Char(' '))
                                 + QStringLiteral("Appraisers : 3")));
        QVERIFY(summary.contains(QStringLiteral("           In: %1").arg(count(QStringLiteral("Acceptable"))).leftJustified(20)
                                 + QStringLiteral(" Tolerance: 0 to %1").arg(acceptText).leftJustified(24)
                                 + QStringLiteral("   Run Date: 06-Dec-26")));
        QVERIFY(summary.contains(QStringLiteral("      Caution: %1").arg(count(QStringLiteral("Caution"))).leftJustified(20)
                                 + QStringLiteral(" Tolerance: %1 to %2").arg(acceptText, unacceptText).leftJustified(24)
                                 + QStringLiteral("      Start:")));
        QVERIFY(summary.contains(QStringLiteral("          Out: %1").arg(count(QStringLiteral("Unacceptable"))).leftJustified(20)
                                 + QStringLiteral(" Tolerance: %1 to 100").arg(unacceptText).leftJustified(24)
                                 + QStringLiteral("        End:")));

        // One line per feature in verdict order, after the column heading and an empty line.
        const QString heading = QStringLiteral("  Feature Name").leftJustified(33) + QStringLiteral("% PV").leftJustified(10)
            + QStringLiteral("% EV").leftJustified(10) + QStringLiteral("% AV").leftJustified(10) + QStringLiteral("% RR");
        const qsizetype headingLine = summary.indexOf(heading);
        QVERIFY(headingLine > 0);
        QCOMPARE(summary.at(headingLine + 1), QString());
        QStringList expectedLines;
        for (const QString& status : {QStringLiteral("Acceptable"), QStringLiteral("Caution"), QStringLiteral("Unacceptable")}) {
            for (const Expected& f : features) {
                if (f.status == status)
                    expectedLines.append(QStringLiteral("  ") + f.name.left(28).leftJustified(31) + F2(f.pct(f.pv)).leftJustified(10)
                                         + F2(f.pct(f.ev)).leftJustified(10) + F2(f.pct(f.av)).leftJustified(10) + F2(f.pct(f.rr)));
            }
        }
        QCOMPARE(summary.mid(headingLine + 2, 12), expectedLines);
        QCOMPARE(summary.mid(headingLine + 14), QStringList{QString()});

        const QStringList rows = fileLines(study + QStringLiteral("-results.csv"));
        QCOMPARE(rows.size(), 13);
        QCOMPARE(rows.at(0), QStringLiteral("Number,Name,Upper,Lower,TOL,EV,AV,RR,PV,%EV,%AV,%RR,%PV,Status,Problem"));
        for (int i = 0; i < 12; ++i) {
            const Expected& f = features.at(i);
            const QStringList fields = csvFields(rows.at(i + 1));
            QCOMPARE(fields.size(), 15);
            QCOMPARE(fields.at(0), QString::number(i + 1));
            QCOMPARE(fields.at(1), f.name);
            QCOMPARE(fields.at(2), f.upper);
            QCOMPARE(fields.at(3), f.lower);
            const double values[] = {f.tol, f.ev, f.av, f.rr, f.pv,
                                     f.pct(f.ev), f.pct(f.av), f.pct(f.rr), f.pct(f.pv)};
            // Figures the calculation never reached are empty.
            for (int v = f.problem ? int(f.tolComputed) : 9; v < 9; ++v)
                QCOMPARE(fields.at(4 + v), QString());
            for (int v = 0; v < (f.problem ? int(f.tolComputed) : 9); ++v)
                QVERIFY2(std::abs(fields.at(4 + v).toDouble() - values[v]) <= 1e-9 * std::max(1.0, std::abs(values[v])),
                         qPrintable(QStringLiteral("feature %1 field %2: %3, expected %4")
                                        .arg(i + 1).arg(4 + v).arg(fields.at(4 + v)).arg(values[v])));
            QCOMPARE(fields.at(13), f.status);
            QCOMPARE(fields.at(14), f.problem ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
        }
    }

    void failuresGiveExitOneAndTheWindowsMessage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");

        QStringList lines = fileLines(QStringLiteral("study.tpl"));
        QCOMPARE(lines.size(), 40);
        writeLines(QStringLiteral("short.tpl"), lines.mid(0, 39));
        QStringList noFirstRun = lines;
        noFirstRun[6] = QStringLiteral("C3");
        writeLines(QStringLiteral("no-first-run.tpl"), noFirstRun);
        // Trials listed by hand: appraiser 2's list for part 3 has one row only.
        QStringList oneTrial = lines;
        oneTrial[1] = QStringLiteral(" 0");
        oneTrial[10 + 10 + 2] = QStringLiteral("5");
        writeLines(QStringLiteral("one-trial.tpl"), oneTrial);

        QStringList quoted = fileLines(QStringLiteral("study.csv"));
        quoted[0].replace(QStringLiteral(",Bore 3,"), QStringLiteral(",\"Bore 3, Y\","));
        writeLines(QStringLiteral("quoted.csv"), quoted);

        const QString study = path(QStringLiteral("study.csv"));
        const QString layout = path(QStringLiteral("study.tpl"));
        const QString templateOption = QStringLiteral("--template");
        QTest::newRow("a quoted name holding a comma")
            << QStringList{path(QStringLiteral("quoted.csv")), templateOption, layout}
            << "The text in line 1, column 5 holds a comma inside quotes; the names after it would not match "
               "their readings.\n";
        QTest::newRow("missing study") << QStringList{path(QStringLiteral("missing.csv")), templateOption, layout}
                                       << "Unanticipated error 53: File not found\n";
        QTest::newRow("missing template") << QStringList{study, templateOption, path(QStringLiteral("missing.tpl"))}
                                          << "Unanticipated error cmdLoad53: File not found\n";
        QTest::newRow("template of 39 lines") << QStringList{study, templateOption, path(QStringLiteral("short.tpl"))}
                                              << "The file is corrupt, not enough lines of data.\n";
        QTest::newRow("first run block without a row")
            << QStringList{study, templateOption, path(QStringLiteral("no-first-run.tpl"))}
            << "First run row - col. block contains invalid data.\n";
        QTest::newRow("trial list of one row")
            << QStringList{study, templateOption, path(QStringLiteral("one-trial.tpl"))}
            << "There is a problem with the Appraiser 2, Part 3 block.\n";
    }

    void failuresGiveExitOneAndTheWindowsMessage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run done = run(arguments);
        QCOMPARE(done.exitCode, 1);
        QCOMPARE(done.err, message);
        QCOMPARE(done.out, QString());
    }

    void wrongUsageGivesExitTwoAndTheUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        const QString study = path(QStringLiteral("study.csv"));
        const QString templateOption = QStringLiteral("--template");
        const QString layout = path(QStringLiteral("study.tpl"));
        QTest::newRow("nothing") << QStringList() << "No study file given.";
        QTest::newRow("no template") << QStringList{study} << "--template LAYOUT.tpl is required.";
        QTest::newRow("template without its file") << QStringList{study, templateOption} << "Missing value after '--template'.";
        QTest::newRow("unknown option") << QStringList{study, templateOption, layout, QStringLiteral("--colour")}
                                        << "Unknown option 'colour'.";
        QTest::newRow("two studies") << QStringList{study, study, templateOption, layout} << "One study file at a time";
        QTest::newRow("accept limit not offered")
            << QStringList{study, templateOption, layout, QStringLiteral("--accept"), QStringLiteral("12")}
            << "--accept takes 5, 10, 15, 20, 25 or 30, not \"12\".";
        QTest::newRow("unaccept limit not offered")
            << QStringList{study, templateOption, layout, QStringLiteral("--unaccept"), QStringLiteral("40")}
            << "--unaccept takes 5, 10, 15, 20, 25, 30 or 35, not \"40\".";
        QTest::newRow("sheets") << QStringList{study, templateOption, layout, QStringLiteral("--sheets"), QStringLiteral("some")}
                                << "--sheets takes summary or all";
        QTest::newRow("date") << QStringList{study, templateOption, layout, QStringLiteral("--date"), QStringLiteral("2026-02-30")}
                              << "--date takes a date as YYYY-MM-DD";
        QTest::newRow("time") << QStringList{study, templateOption, layout, QStringLiteral("--start"), QStringLiteral("25:00")}
                              << "--start takes a time as HH:MM";
        QTest::newRow("charts without data sheets")
            << QStringList{study, templateOption, layout, QStringLiteral("--pdf"), QStringLiteral("x.pdf"),
                           QStringLiteral("--sheets"), QStringLiteral("summary"), QStringLiteral("--charts")}
            << "--charts puts each feature's charts after its data sheet: it needs --pdf with every data sheet";
        QTest::newRow("removal level no probability")
            << QStringList{study, templateOption, layout, QStringLiteral("--csv"), QStringLiteral("x.csv"),
                           QStringLiteral("--anova"), QStringLiteral("--alpha-interaction"), QStringLiteral("5")}
            << "--alpha-interaction takes a probability from 0 to 1, not \"5\".";
    }

    // --anova appends the ANOVA figures to the rows a plain run writes, with the study
    // variation and the removal level given; a feature without an analysis (a reading
    // that is not a number) has them empty, one with a zero tolerance lacks %Tolerance.
    void anovaColumnsFollowTheResults()
    {
        const QString templateOption = QStringLiteral("--template");
        const QStringList special{path(QStringLiteral("special.csv")), templateOption, path(QStringLiteral("special.tpl"))};
        QCOMPARE(run(special + QStringList{QStringLiteral("--csv"), path(QStringLiteral("plain.csv"))}).exitCode, 0);
        QCOMPARE(run(special + QStringList{QStringLiteral("--csv"), path(QStringLiteral("anova.csv")), QStringLiteral("--anova"),
                                           QStringLiteral("--study-variation"), QStringLiteral("5.15"),
                                           QStringLiteral("--alpha-interaction"), QStringLiteral("0.2")})
                     .exitCode,
                 0);
        const QStringList plain = fileLines(QStringLiteral("plain.csv"));
        const QStringList rows = fileLines(QStringLiteral("anova.csv"));
        QCOMPARE(rows.size(), plain.size());
        QCOMPARE(rows.at(0), plain.at(0) + QStringLiteral(",ANOVA %Contribution,ANOVA %Study Var,ANOVA %Tolerance,"
                                                          "ANOVA ndc,Interaction p,Interaction pooled"));

        const QStringList lines = fileLines(QStringLiteral("special.csv"));
        for (int f = 1; f < rows.size(); ++f) {
            QVERIFY(rows.at(f).startsWith(plain.at(f) + QLatin1Char(',')));
            const QStringList fields = csvFields(rows.at(f)).mid(15);
            GageReadings readings;
            readings.appraisers = readings.trials = 3;
            readings.parts = 10;
            const int column = 1 + f;
            for (int a = 0; a < 3; ++a)
                for (int p = 0; p < 10; ++p)
                    for (int t = 0; t < 3; ++t)
                        readings.values[a][t][p] = lines.at(3 + a * 30 + p * 3 + t).split(QLatin1Char(',')).at(column).toDouble();
            const double tolerance = lines.at(1).split(QLatin1Char(',')).at(column).toDouble()
                + lines.at(2).split(QLatin1Char(',')).at(column).toDouble();
            const GageAnova anova = ComputeGageAnova(readings, tolerance, {5.15, 0.2});
            const auto text = [](const std::optional<double>& value) {
                return value ? QString::number(*value, 'g', QLocale::FloatingPointShortest) : QString();
            };
            const QStringList expected =
                f == 7 ? QStringList(6, QString())  // "n/a" among its readings
                       : QStringList{text(anova.percentContribution(GageComponent::GageRR)),
                                     text(anova.percentStudyVariation(GageComponent::GageRR)),
                                     text(anova.percentTolerance(GageComponent::GageRR)),
                                     QString::number(*anova.distinctCategories()), text(anova.interactionP),
                                     anova.interactionPooled ? QStringLiteral("TRUE") : QStringLiteral("FALSE")};
            QCOMPARE(fields, expected);
        }
    }

    void wrongUsageGivesExitTwoAndTheUsage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const Run done = run(arguments);
        QCOMPARE(done.exitCode, 2);
        QVERIFY2(done.err.startsWith(QStringLiteral("quorvel-rr: ")) && done.err.contains(error), qPrintable(done.err));
        QVERIFY(done.err.contains(QStringLiteral("Usage: ")));
        QCOMPARE(done.out, QString());
    }

    void helpAndVersion()
    {
        const Run help = run({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("Usage: ")));
        QVERIFY(help.out.contains(QStringLiteral("--template <LAYOUT.tpl>")));
        const Run version = run({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QStringLiteral("quorvel-rr 1.0\n"));
    }

    void pdfHoldsTheChosenSheets_data()
    {
        QTest::addColumn<QStringList>("sheets");
        QTest::addColumn<int>("pages");
        QTest::newRow("all by default") << QStringList() << 1 + 12;
        QTest::newRow("all") << QStringList{QStringLiteral("--sheets"), QStringLiteral("all")} << 1 + 12;
        QTest::newRow("summary") << QStringList{QStringLiteral("--sheets"), QStringLiteral("summary")} << 1;
        QTest::newRow("a chart page after each data sheet") << QStringList{QStringLiteral("--charts")} << 1 + 2 * 12;
    }

    void pdfHoldsTheChosenSheets()
    {
        QFETCH(QStringList, sheets);
        QFETCH(int, pages);
        const QString pdf = path(QStringLiteral("sheets.pdf"));
        QFile::remove(pdf);
        const Run done = run(QStringList{path(QStringLiteral("study.csv")), QStringLiteral("--template"),
                                         path(QStringLiteral("study.tpl")), QStringLiteral("--pdf"), pdf}
                             + sheets);
        QCOMPARE(done.exitCode, 0);
        const PdfPageReader inspector(pdf);
        QVERIFY(inspector.isValid());
        QCOMPARE(inspector.pageCount(), pages);
    }
};

QTEST_GUILESS_MAIN(tst_quorvel_rr)
#include "tst_quorvel_rr.moc"
