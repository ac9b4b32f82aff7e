#include "StudyBuilder.h"
#include "rrstudy/GageSheets.h"
#include "rrstudy/ToleranceLimits.h"
#include "rrstudy/modRR.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A table whose value for (m, g) is m + g / 100, so each lookup shows where it read.
QStringList positionTable()
{
    QStringList lines;
    for (int m = 2; m <= 10; ++m)
        for (int g = 1; g <= 16; ++g)
            lines << QString::number(m + g / 100.0, 'f', 2);
    return lines;
}

QByteArray tableBytes(const QStringList& lines, const QByteArray& before = {},
                      const QByteArray& after = "\r\n")
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += before + line.toLatin1() + after;
    return bytes;
}

int tableLine(int m, int g)
{
    return 16 * (m - 2) + g;
}

// Two appraisers read part p as p + trial / 4, the second 0.25 higher than the first.
double steadyReading(int a, int t, int p)
{
    return p + t * 0.25 + a * 0.25;
}

int openFiles()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

} // namespace

class tst_modRR : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString folder() const { return m_dir.path(); }
    void writeTable(const QByteArray& bytes) const
    {
        QFile::remove(m_dir.filePath(QStringLiteral("tbld2.txt")));
        if (!bytes.isNull())
            QVERIFY(!writeTestFile(m_dir, QStringLiteral("tbld2.txt"), bytes).isEmpty());
    }

private slots:
    // The shipped table is the published d2* table (Duncan; AIAG MSA, Appendix C), held in
    // tests/data as printed: one row per g, one column per m.
    void shippedTableIsThePublishedTable()
    {
        QFile published(testDataPath(QStringLiteral("published-d2-table.txt")));
        QVERIFY(published.open(QIODevice::ReadOnly | QIODevice::Text));
        QList<QList<QByteArray>> rows;
        while (!published.atEnd())
            if (const QByteArray row = published.readLine().trimmed(); !row.startsWith('#'))
                rows.append(row.split(' '));
        QCOMPARE(rows.size(), 16);
        QByteArray expected;
        for (int m = 0; m < 9; ++m)
            for (const QList<QByteArray>& row : rows)
                expected += row.at(m) + "\r\n";
        QFile shipped(QStringLiteral(D2_TABLE_FOLDER "/tbld2.txt"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QCOMPARE(shipped.readAll(), expected);
    }

    // The reference manual's worked example through the shipped table: the averages and
    // ranges by appraiser, Rbar 0.3417 and Rp 3.511 as published, and the sheet's figures
    // with K1 = 5.15 / 1.69257, K2 = 5.15 / 1.91155, K3 = 5.15 / 3.17905 and TOL = 5.
    void referenceExampleGivesThePublishedFigures()
    {
        Study study = referenceStudy();
        study.Features[0].Status = QStringLiteral("Acceptable");
        QVERIFY(CalculateStudy(study, "10", "30", QStringLiteral(D2_TABLE_FOLDER)));
        const StudyFeature& f = study.Features[0];
        QVERIFY(!f.Problem);
        QStringList printed;
        for (double value :
             {f.AppraiserAverage[0], f.AppraiserAverage[1], f.AppraiserAverage[2],
              f.AppraiserRangeAverage[0], f.AppraiserRangeAverage[1], f.AppraiserRangeAverage[2],
              f.PartRange[2][9], f.PartAverage[9], f.RBar, f.XDiff, f.Rp, f.EV, f.AV, f.RR, f.PV})
            printed << QString::number(value, 'f', 4);
        QCOMPARE(printed, (QStringList{"0.1903", "0.0683", "-0.2543", "0.1840", "0.5130", "0.3280",
                                       "0.6700", "-1.5711", "0.3417", "0.4447", "3.5111", "1.0396",
                                       "1.1829", "1.5748", "5.6879"}));
        const QStringList percentages = {SheetFormat::F2(f.PctEV), SheetFormat::F2(f.PctAV),
                                         SheetFormat::F2(f.PctRR), SheetFormat::F2(f.PctPV)};
        QCOMPARE(percentages, (QStringList{"20.79", "23.66", "31.50", "113.76"}));
        QCOMPARE(f.Status, QStringLiteral("Unacceptable"));
    }

    void lookup_data()
    {
        QTest::addColumn<QByteArray>("table"); // null: no file at all
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("g");
        QTest::addColumn<double>("d2"); // 0: the lookup fails

        const QStringList good = positionTable();
        const auto with = [&good](int line, const QString& text) {
            QStringList lines = good;
            lines[line - 1] = text;
            return tableBytes(lines);
        };
        QTest::newRow("m 7, g 9") << tableBytes(good) << 7 << 9 << 7.09;
        QTest::newRow("g above 16 reads line 16") << tableBytes(good) << 10 << 40 << 10.16;
        QTest::newRow("byte-order mark, blanks, LF and lines past the table")
            << "\xEF\xBB\xBF" + tableBytes(good, "  ", " \n") + "not a number\n"
            << 10 << 16 << 10.16;
        QTest::newRow("missing file") << QByteArray() << 2 << 1 << 0.0;
        QTest::newRow("143 lines") << tableBytes(good.mid(0, 143)) << 2 << 1 << 0.0;
        QTest::newRow("a line of text") << with(3, "two") << 5 << 1 << 0.0;
        QTest::newRow("a value below 0") << with(3, "-2.03") << 2 << 3 << 0.0;
    }

    void lookup()
    {
        QFETCH(QByteArray, table);
        QFETCH(int, m);
        QFETCH(int, g);
        QFETCH(double, d2);
        writeTable(table);
        QCOMPARE(LookupD2(m, g, folder()).value_or(0), d2);
    }

    // Every lookup sees the table as it is now, and the file it read before is let go.
    void lookupReadsAnEditedOrReplacedTable()
    {
        const int filesBefore = openFiles();
        for (const char* text : {"2.5", "3.75", "", "1.25", "", "4.5"}) {
            const QString value = QLatin1String(text);
            QStringList lines = positionTable();
            lines[tableLine(3, 4) - 1] = value;
            writeTable(value.isEmpty() ? QByteArray() : tableBytes(lines));
            QCOMPARE(LookupD2(3, 4, folder()).value_or(0), value.isEmpty() ? 0 : value.toDouble());
        }
        QVERIFY(openFiles() <= filesBefore + 1);
    }

    // Both appraisers read 0 and then 0.25 on every part: with every K = 1 and TOL = 1,
    // PctRR = PctEV = 25 exactly, and AV is 0.
    void verdictBoundaries_data()
    {
        QTest::addColumn<QString>("accept");
        QTest::addColumn<QString>("unaccept");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("equal to accept") << "25"
                                         << "30"
                                         << "Acceptable";
        QTest::newRow("between") << "20"
                                 << "30"
                                 << "Caution";
        QTest::newRow("equal to both limits") << "25"
                                              << "25"
                                              << "Unacceptable";
    }

    void verdictBoundaries()
    {
        QFETCH(QString, accept);
        QFETCH(QString, unaccept);
        QFETCH(QString, verdict);
        writeTable(tableBytes(QStringList(144, QStringLiteral("5.15"))));
        Study study = studyOfShape(2, 2, 4);
        study.Features << measuredFeature(1, [](int, int t, int) { return t * 0.25; });
        QVERIFY(CalculateStudy(study, accept, unaccept, folder()));
        const StudyFeature& f = study.Features[0];
        QCOMPARE((QList<double>{f.AV, f.PctAV, f.PctEV, f.PctRR}), (QList<double>{0, 0, 25, 25}));
        QCOMPARE(f.Status, verdict);
    }

    // Feature 1 fails at some step; feature 2 is computed all the same. Fields the failing
    // calculation did not reach keep the previous calculation's values (-1).
    void failedFeatureKeepsEarlierValues_data()
    {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<int>("appraisers");
        QTest::addColumn<QString>("badReading"); // at appraiser 2, trial 1, part 3
        QTest::addColumn<QString>("lower");
        // Stored: ranges, TOL, EV; verdict given; feature 2 computed.
        QTest::addColumn<QList<bool>>("reached");

        const QStringList good = positionTable();
        const auto zeroAt = [&good](int m, int g) {
            QStringList lines = good;
            lines[tableLine(m, g) - 1] = QStringLiteral("0");
            return lines;
        };
        using R = QList<bool>;
        QTest::newRow("text reading") << good << 3 << "1,5"
                                      << "0.5" << R{0, 0, 0, 0, 1};
        QTest::newRow("text tolerance") << good << 3 << "1"
                                        << "lower" << R{1, 0, 0, 0, 1};
        QTest::newRow("zero tolerance") << good << 3 << "1"
                                        << "-0.5" << R{1, 1, 0, 0, 1};
        QTest::newRow("d2 zero for K1") << zeroAt(2, 12) << 3 << "1"
                                        << "0.5" << R{1, 1, 0, 0, 0};
        QTest::newRow("d2 zero for K3") << zeroAt(4, 1) << 3 << "1"
                                        << "0.5" << R{1, 1, 1, 1, 0};
        QTest::newRow("four appraisers") << good << 4 << "1"
                                         << "0.5" << R{0, 0, 0, 0, 0};
    }

    void failedFeatureKeepsEarlierValues()
    {
        QFETCH(QStringList, table);
        QFETCH(int, appraisers);
        QFETCH(QString, badReading);
        QFETCH(QString, lower);
        QFETCH(QList<bool>, reached);
        writeTable(tableBytes(table));
        Study study = studyOfShape(appraisers, 2, 4);
        study.Features << measuredFeature(1, steadyReading, "0.5", lower)
                       << measuredFeature(2, steadyReading);
        StudyFeature& f = study.Features[0];
        f.Readings[1][0][2] = badReading;
        for (double* field : {&f.RBar, &f.TOL, &f.EV, &f.PV})
            *field = -1;
        f.Status = QStringLiteral("Acceptable");
        study.Features[1].Problem = true;

        QVERIFY(CalculateStudy(study, "10", "30", folder()));
        QVERIFY(f.Problem);
        QCOMPARE(
            (QList<bool>{f.RBar != -1, f.TOL != -1, f.EV != -1,
                         f.Status != QStringLiteral("Acceptable"), !study.Features[1].Problem}),
            reached);
        QCOMPARE(f.PV, -1.0);
        TallyStatuses(study);
        QCOMPARE(f.Status, QStringLiteral("Caution"));
    }

    void tally_data()
    {
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QList<bool>>("problems");
        QTest::addColumn<QStringList>("afterwards");
        QTest::addColumn<QList<int>>("counts"); // acceptable, caution, unacceptable

        QTest::newRow("one of each")
            << QStringList{"Acceptable", "Caution", "Unacceptable"}
            << QList<bool>{false, false, false}
            << QStringList{"Acceptable", "Caution", "Unacceptable"} << QList<int>{1, 1, 1};
        QTest::newRow("failed features become Caution")
            << QStringList{"Acceptable", "", "Unacceptable"} << QList<bool>{true, true, false}
            << QStringList{"Caution", "Caution", "Unacceptable"} << QList<int>{0, 2, 1};
    }

    void tally()
    {
        QFETCH(QStringList, statuses);
        QFETCH(QList<bool>, problems);
        QFETCH(QStringList, afterwards);
        QFETCH(QList<int>, counts);
        Study study;
        study.AcceptableCount = study.CautionCount = study.UnacceptableCount = 7;
        for (int i = 0; i < statuses.size(); ++i)
            study.Features << judgedFeature(i + 1, QString(), statuses[i], 0, problems[i]);
        TallyStatuses(study);
        QStringList after;
        for (const StudyFeature& feature : study.Features)
            after << feature.Status;
        QCOMPARE(after, afterwards);
        QCOMPARE((QList<int>{study.AcceptableCount, study.CautionCount, study.UnacceptableCount}),
                 counts);
    }

    // The unaccept limit is raised to the accept limit, never lowered; list positions of
    // "5" .. "30" in both lists, "35" only in the unaccept list.
    void toleranceLimits_data()
    {
        QTest::addColumn<int>("accept");
        QTest::addColumn<int>("unaccept");
        QTest::addColumn<QString>("caution");
        QTest::newRow("unaccept below accept snaps to it") << 1 << 0 << "10 to 10";
        QTest::newRow("accept above unaccept raises it") << 5 << 3 << "30 to 30";
        QTest::newRow("unaccept above accept stays") << 1 << 5 << "10 to 30";
        QTest::newRow("unaccept beyond the accept list") << 1 << 6 << "10 to 35";
    }

    void toleranceLimits()
    {
        QFETCH(int, accept);
        QFETCH(int, unaccept);
        QFETCH(QString, caution);
        const int synced = ToleranceLimits::syncedUnacceptIndex(accept, unaccept);
        QCOMPARE(ToleranceLimits::cautionText(ToleranceLimits::acceptChoices().at(accept),
                                              ToleranceLimits::unacceptChoices().at(synced)),
                 caution);
    }
};

QTEST_GUILESS_MAIN(tst_modRR)
#include "tst_modRR.moc"
