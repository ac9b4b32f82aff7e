// quorvel-rr as a user runs it: a process with arguments, standard output, standard
// error, an exit status and files on disk. Its figures are the logic's tests; here the
// reference example only shows that a run computes and reports what it read.
#include "PdfPageReader.h"
#include "StudyBuilder.h"
#include "import/ImportLayout.h"
#include "import/LayoutTemplate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

QString program(const QString& name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

mode_t modeOf(const QString& path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode : 0;
}

} // namespace

class tst_quorvel_rr : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QByteArray m_results; // the results table of bores.csv
    QString m_summary;    // its summary on standard output

    QString path(const QString& name) const { return m_folder.filePath(name); }
    QByteArray fileBytes(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Runs quorvel-rr (the copy in the folder "copy", beside its own d2 table, when asked)
    // in the temporary folder.
    Run run(const QStringList& arguments, bool copy = false) const
    {
        QProcess process;
        process.setWorkingDirectory(m_folder.path());
        process.start(copy ? path("copy/quorvel-rr") : program("quorvel-rr"), arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        const QByteArray study = testData("gage-rr-reference-cmm.csv");
        const QByteArray layout = testData("gage-rr-reference-cmm.tpl");
        writeTestFile(m_folder, "bores.csv", study);
        writeTestFile(m_folder, "bores.tpl", layout);
        QVERIFY(QDir(m_folder.path()).mkpath("afolder") && QDir(m_folder.path()).mkpath("copy"));
        QVERIFY(QFile::link(path("bores.tpl"), path("link.tpl")));
        QVERIFY(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600) == 0);
        QVERIFY(QFile::copy(program("quorvel-rr"), path("copy/quorvel-rr")));
        QVERIFY(QFile::setPermissions(path("copy/quorvel-rr"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const Run reference =
            run({"bores.csv", "--template", "bores.tpl", "--csv", "reference.csv"});
        QCOMPARE(reference.exitCode, 0);
        m_results = fileBytes("reference.csv");
        m_summary = reference.out;
    }

    // Command lines and what they leave: the exit status, the first line on standard
    // error, standard output ("summary", "csv" or empty), and each named file afterwards:
    // "same" as before the run, "none", "csv" (the results, the file's own permissions
    // kept), "fifo" (still a FIFO, the results written through it), or "pdf" and its page
    // count.
    void outputsNeverHarmAnInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("table"); // the copy's d2 table; empty: the shipped program
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QStringList>("files");

        const QStringList study{"bores.csv", "--template", "bores.tpl"};
        const QByteArray none;
        const QString table = "quorvel-rr: The d2 table {copy}/tbld2.txt cannot be used: ";

        QTest::newRow("csv names the study")
            << study + QStringList{"--csv", "./bores.csv"} << none << 2
            << "quorvel-rr: --csv ./bores.csv is the study file: a report never replaces its input."
            << "" << QStringList{"bores.csv=same"};
        QTest::newRow("pdf names the template through a link")
            << study + QStringList{"--pdf", "link.tpl"} << none << 2
            << "quorvel-rr: --pdf link.tpl is the template file: a report never replaces its input."
            << "" << QStringList{"bores.tpl=same", "link.tpl=same"};
        QTest::newRow("csv and pdf one new file")
            << study + QStringList{"--csv", "new.out", "--pdf", "./new.out"} << none << 2
            << "quorvel-rr: --csv and --pdf name the same file, ./new.out: each report needs its "
               "own."
            << "" << QStringList{"new.out=none"};
        QTest::newRow("a FIFO is written straight")
            << study + QStringList{"--csv", "fifo"} << none << 0 << ""
            << "summary" << QStringList{"fifo=fifo"};
        QTest::newRow("- is standard output")
            << study + QStringList{"--csv", "-"} << none << 0 << ""
            << "csv" << QStringList{};
        QTest::newRow("the PDF fails after the CSV: no new output")
            << study + QStringList{"--csv", "old.csv", "--pdf", "afolder"} << none << 1
            << "quorvel-rr: Cannot write afolder: 75: Path/File access error"
            << "" << QStringList{"old.csv=same"};
        QTest::newRow("both written, every sheet")
            << study + QStringList{"--csv", "old.csv", "--pdf", "old.pdf"} << none << 0 << ""
            << "summary" << QStringList{"old.csv=csv", "old.pdf=pdf3"};
        QTest::newRow("a folder that does not exist")
            << study + QStringList{"--pdf", "missing/x.pdf"} << none << 1
            << "quorvel-rr: Cannot write missing/x.pdf: 76: Path not found"
            << "" << QStringList{};
        QTest::newRow("d2 table missing")
            << study << QByteArray("missing") << 1 << table + "it is missing."
            << "" << QStringList{};
        QTest::newRow("missing study") << QStringList{"missing.csv", "--template", "bores.tpl"}
                                       << none << 1 << "Unanticipated error 53: File not found"
                                       << "" << QStringList{};
    }

    void outputsNeverHarmAnInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, table);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        QFETCH(QString, out);
        QFETCH(QStringList, files);
        for (const char* name : {"old.csv", "old.pdf"}) {
            writeTestFile(m_folder, name, QByteArray("old ") + name);
            QVERIFY(::chmod(QFile::encodeName(path(name)).constData(), 0640) == 0);
        }
        QFile::remove(path("copy/tbld2.txt"));
        if (!table.isEmpty() && table != "missing")
            writeTestFile(m_folder, "copy/tbld2.txt", table);
        QMap<QString, QByteArray> before;
        for (const QString& file : files.filter("=same"))
            before[file.section('=', 0, 0)] = fileBytes(file.section('=', 0, 0));

        const int reader =
            ::open(QFile::encodeName(path("fifo")).constData(), O_RDONLY | O_NONBLOCK);
        const Run done = run(arguments, !table.isEmpty());
        QByteArray throughFifo(1 << 16, '\0');
        throughFifo.truncate(
            qMax<qsizetype>(0, ::read(reader, throughFifo.data(), throughFifo.size())));
        ::close(reader);

        QCOMPARE(done.exitCode, exitCode);
        QCOMPARE(done.err.section('\n', 0, 0), QString(error).replace("{copy}", path("copy")));
        QCOMPARE(done.out, out == "summary" ? m_summary
                           : out == "csv"   ? QString::fromUtf8(m_results)
                                            : QString());
        for (const QString& file : files) {
            const QString name = file.section('=', 0, 0);
            const QString state = file.section('=', 1);
            if (state == "same")
                QCOMPARE(fileBytes(name), before[name]);
            else if (state == "none")
                QVERIFY(!QFile::exists(path(name)));
            else if (state == "fifo")
                QVERIFY(S_ISFIFO(modeOf(path(name))) && throughFifo == m_results);
            else if (state == "csv")
                QVERIFY(fileBytes(name) == m_results && (modeOf(path(name)) & 0777) == 0640);
            else
                QCOMPARE(PdfPageReader(path(name)).pageCount(), state.mid(3).toInt());
        }
    }

    // What the run read, computed and judged reaches the summary and the results table:
    // the reference example's percentages, the study information and the limits given.
    void reportsTheStudy()
    {
        const Run done = run({"bores.csv", "--template", "bores.tpl", "--csv", "results.csv",
                              "--anova", "--study-variation", "5.15", "--title", "Bracket study",
                              "--accept", "15", "--unaccept", "5"});
        QCOMPARE(done.exitCode, 0);
        QCOMPARE(done.err.section('\n', 0, 0), "quorvel-rr: The unacceptable limit 5 is below the "
                                               "acceptable limit; it is raised to 15.");
        const QStringList summary = done.out.split('\n');
        for (const QString& line :
             {QStringLiteral("        Title: Bracket study"),
              QStringLiteral("          Out: 1").leftJustified(20) + " Tolerance: 15 to 100",
              QStringLiteral("  Bore 1").leftJustified(33) + "113.76    20.79     23.66     31.50"})
            QVERIFY2(summary.contains(line) || summary.filter(line).size() == 1,
                     qPrintable(line + "\n" + done.out));
        const QList<QByteArray> rows = fileBytes("results.csv").split('\n');
        QCOMPARE(rows.size(), 4);
        QStringList bore1;
        for (const QByteArray& field : rows.at(1).chopped(1).split(',').mid(4))
            bore1 << (field.at(0) >= 'A' ? QString::fromLatin1(field)
                                         : QString::number(field.toDouble(), 'f', 2));
        QCOMPARE(bore1, (QStringList{"5.00", "1.04", "1.18", "1.57", "5.69", "20.79", "23.66",
                                     "31.50", "113.76", "Unacceptable", "FALSE", "7.76", "27.86",
                                     "31.14", "4.00", "0.97", "TRUE"}));
    }
};

QTEST_GUILESS_MAIN(tst_quorvel_rr)
#include "tst_quorvel_rr.moc"
