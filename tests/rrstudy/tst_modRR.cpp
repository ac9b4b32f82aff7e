#include "rrstudy/GageSheets.h"
#include "rrstudy/modRR.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>

namespace {

using ReadingFn = std::function<double(int a, int t, int p)>;

// A table whose value for (m, g) is m + g / 100, so each lookup shows where it read.
QStringList positionTableLines()
{
    QStringList lines;
    for (int m = 2; m <= 10; ++m)
        for (int g = 1; g <= 16; ++g)
            lines << QString::number(m + g / 100.0, 'f', 2);
    return lines;
}

// A table holding `value` everywhere except the lines given.
QStringList uniformTableLines(double value, const QMap<int, double>& lineValues = {})
{
    QStringList lines;
    for (int line = 1; line <= 144; ++line)
        lines << QString::number(lineValues.value(line, value), 'g', 17);
    return lines;
}

int tableLine(int m, int g)
{
    return 16 * (m - 2) + g;
}

StudyFeature makeFeature(int number, const ReadingFn& reading, const QString& upper = "0.5",
                         const QString& lower = "0.5")
{
    StudyFeature feature;
    feature.Number = qint16(number);
    feature.Name = QStringLiteral("F%1").arg(number);
    feature.UpperTol = upper;
    feature.LowerTol = lower;
    for (int a = 0; a < maxAppraisers; ++a)
        for (int t = 0; t < maxTrials; ++t)
            for (int p = 0; p < maxParts; ++p)
                feature.Readings[a][t][p] = QString::number(reading(a, t, p), 'g', 17);
    return feature;
}

Study makeStudy(int appraisers, int trials, int parts)
{
    Study study;
    study.AppraiserCount = appraisers;
    study.TrialCount = trials;
    study.PartCount = parts;
    return study;
}

// The computed fields as a previous calculation left them.
void fillWithPreviousResults(StudyFeature& feature)
{
    for (double* field : {&feature.RBar, &feature.XDiff, &feature.Rp, &feature.TOL, &feature.K1,
                          &feature.EV, &feature.K2, &feature.AV, &feature.RR, &feature.PctRR,
                          &feature.K3, &feature.PV, &feature.PctPV})
        *field = -1;
    feature.Status = QStringLiteral("Acceptable");
}

// Two appraisers read part p as p + trial / 4, the second 0.25 higher than the first.
double steadyReading(int a, int t, int p)
{
    return p + t * 0.25 + a * 0.25;
}

} // namespace

class tst_modRR : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString folder() const { return m_dir.path(); }
    void writeTable(const QStringList& lines, const QByteArray& ending = "\r\n");
    void writeTableBytes(const QByteArray& bytes);

private slots:
    void shippedTableIsThePublishedTable();
    void publishedWorkedExamplePrintsItsFigures();
    void lookupFailures_data();
    void lookupFailures();
    void lookupToleratesAMarkBlanksAndExtraLines();
    void lookupRereadsAnEditedTable();
    void workedStudy();
    void tablePositions_data();
    void tablePositions();
    void identicalReadingsGiveZerosAndAcceptable();
    void shiftedReadingsGiveTheSameSpreads_data();
    void shiftedReadingsGiveTheSameSpreads();
    void verdictBoundaries_data();
    void verdictBoundaries();
    void failedFeatureKeepsEarlierValues_data();
    void failedFeatureKeepsEarlierValues();
    void unreadableLimitComputesNothing();
    void emptyStudySucceeds();
    void tally_data();
    void tally();
};

void tst_modRR::writeTableBytes(const QByteArray& bytes)
{
    QFile file(m_dir.filePath(QStringLiteral("tbld2.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void tst_modRR::writeTable(const QStringList& lines, const QByteArray& ending)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + ending;
    writeTableBytes(bytes);
}

// The published table (tests/data) is the shipped one, value for value, in the file's order.
void tst_modRR::shippedTableIsThePublishedTable()
{
    QFile published(QStringLiteral(PUBLISHED_D2_TABLE));
    QVERIFY(published.open(QIODevice::ReadOnly | QIODevice::Text));
    QList<QList<QByteArray>> rows;
    while (!published.atEnd())
        if (const QByteArray row = published.readLine().trimmed(); !row.startsWith('#'))
            rows.append(row.split(' '));
    QByteArray expected;
    for (int m = 0; m < 9; ++m)
        for (const QList<QByteArray>& row : rows)
            expected += row.at(m) + "\r\n";
    QFile shipped(QStringLiteral(SHIPPED_D2_TABLE));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QCOMPARE(shipped.readAll(), expected);
}

// The reference manual's worked example, 3 appraisers x 3 trials x 10 parts, through the
// shipped table: Rbar 0.3417, Xdiff 0.4447, Rp 3.511 as published; K1 = 5.15 / 1.69257,
// K2 = 5.15 / 1.91155, K3 = 5.15 / 3.17905.
void tst_modRR::publishedWorkedExamplePrintsItsFigures()
{
    QFile reference(QStringLiteral(REFERENCE_STUDY));
    QVERIFY(reference.open(QIODevice::ReadOnly | QIODevice::Text));
    Study study = makeStudy(3, 3, 10);
    study.Features << makeFeature(1, [](int, int, int) { return 0.0; }, "2.5", "2.5");
    reference.readLine();
    for (int row = 0; row < 9; ++row) {
        const QList<QByteArray> cells = reference.readLine().trimmed().split(',');
        for (int p = 0; p < 10; ++p)
            study.Features[0].Readings[row / 3][row % 3][p] = QString::fromLatin1(cells.at(2 + p));
    }
    QFile::remove(m_dir.filePath(QStringLiteral("tbld2.txt")));
    QVERIFY(QFile::copy(QStringLiteral(SHIPPED_D2_TABLE), m_dir.filePath(QStringLiteral("tbld2.txt"))));

    QVERIFY(CalculateStudy(study, "10", "30", folder()));
    const StudyFeature& f = study.Features[0];
    QVERIFY(!f.Problem);
    const QStringList printed = {SheetFormat::F4(f.RBar), SheetFormat::F4(f.XDiff), SheetFormat::F4(f.Rp),
                                 SheetFormat::F4(f.EV),   SheetFormat::F4(f.AV),    SheetFormat::F4(f.RR),
                                 SheetFormat::F4(f.PV)};
    QCOMPARE(printed, (QStringList{"0.3417", "0.4447", "3.5111", "1.0396", "1.1829", "1.5748", "5.6879"}));
}

void tst_modRR::lookupFailures_data()
{
    QTest::addColumn<QByteArray>("table");  // empty: no file at all
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("g");

    QByteArray good;
    for (const QString& line : positionTableLines())
        good += line.toLatin1() + "\r\n";
    const qsizetype line144 = good.lastIndexOf("10.16");
    QByteArray textLine = good;
    textLine.replace(good.indexOf("2.03"), 4, "two");
    QByteArray blankLine = good;
    blankLine.replace(good.indexOf("2.03"), 4, "  ");
    QByteArray negative = good;
    negative.replace(good.indexOf("2.03"), 4, "-2.03");

    QTest::newRow("missing file") << QByteArray() << 2 << 1;
    QTest::newRow("143 lines") << good.left(line144) << 2 << 1;
    QTest::newRow("a line of text") << textLine << 5 << 1;
    QTest::newRow("a blank line") << blankLine << 5 << 1;
    QTest::newRow("a value below 0") << negative << 2 << 3;
    QTest::newRow("m below 2") << good << 1 << 1;
    QTest::newRow("m above 10") << good << 11 << 1;
    QTest::newRow("g below 1") << good << 2 << 0;
}

void tst_modRR::lookupFailures()
{
    QFETCH(QByteArray, table);
    QFETCH(int, m);
    QFETCH(int, g);
    QFile::remove(m_dir.filePath(QStringLiteral("tbld2.txt")));
    if (!table.isEmpty())
        writeTableBytes(table);

    QVERIFY(!LookupD2(m, g, folder()));
}

void tst_modRR::lookupToleratesAMarkBlanksAndExtraLines()
{
    QByteArray bytes = "\xEF\xBB\xBF";
    for (const QString& line : positionTableLines())
        bytes += "  " + line.toLatin1() + " \n";
    writeTableBytes(bytes + "not a number, and past the table\n");

    QCOMPARE(LookupD2(2, 1, folder()).value_or(-1), 2.01);
    QCOMPARE(LookupD2(7, 9, folder()).value_or(-1), 7.09);
    QCOMPARE(LookupD2(10, 16, folder()).value_or(-1), 10.16);
}

void tst_modRR::lookupRereadsAnEditedTable()
{
    writeTable(uniformTableLines(2.5));
    QCOMPARE(LookupD2(3, 4, folder()).value_or(-1), 2.5);

    writeTable(uniformTableLines(2.5, {{tableLine(3, 4), 3.75}}));
    QCOMPARE(LookupD2(3, 4, folder()).value_or(-1), 3.75);

    QFile::remove(m_dir.filePath(QStringLiteral("tbld2.txt")));
    QVERIFY(!LookupD2(3, 4, folder()));

    writeTable(uniformTableLines(2.5, {{tableLine(3, 4), 1.25}}));
    QCOMPARE(LookupD2(3, 4, folder()).value_or(-1), 1.25);
}

// Two appraisers, two trials, two parts, worked on paper:
//   appraiser 1: part 1 reads 1.0, 1.2 (range 0.2); part 2 reads 2.0, 2.1 (range 0.1)
//   appraiser 2: part 1 reads 1.1, 1.4 (range 0.3); part 2 reads 2.4, 2.2 (range 0.2)
//   R1 = 0.15, R2 = 0.25, RBar = 0.2; X1 = 6.3 / 4 = 1.575, X2 = 7.1 / 4 = 1.775, XDiff = 0.2
//   part averages 4.7 / 4 = 1.175 and 8.7 / 4 = 2.175, Rp = 1.0; TOL = 2.5 + 2.5 = 5
// With d2 = 2.575 at (m 2, g 4) and 1.03 elsewhere: K1 = 2, K2 = K3 = 5.
//   EV = 0.4 (8 %); q = (0.2 x 5)^2 - 0.16 / 4 = 0.96, AV = 0.9797959 (19.595918 %)
//   RR = sqrt(0.16 + 0.96) = 1.0583005 (21.166010 %): Caution between 10 and 30
//   PV = 1.0 x 5 = 5 (100 %)
void tst_modRR::workedStudy()
{
    writeTable(uniformTableLines(1.03, {{tableLine(2, 4), 2.575}}));
    const double readings[2][2][2] = {{{1.0, 2.0}, {1.2, 2.1}}, {{1.1, 2.4}, {1.4, 2.2}}};
    Study study = makeStudy(2, 2, 2);
    study.Features << makeFeature(1, [&](int a, int t, int p) {
        return a < 2 && t < 2 && p < 2 ? readings[a][t][p] : 99.0;
    }, "2.5", "2.5");
    // Cells beyond the study's counts are never read.
    study.Features[0].Readings[2][2][9] = QStringLiteral("not read");

    QVERIFY(CalculateStudy(study, "10", "30", folder()));
    QCOMPARE(study.AcceptLimit, 10.0f);
    QCOMPARE(study.UnacceptLimit, 30.0f);
    const StudyFeature& f = study.Features[0];
    const auto near = [](double actual, double expected) { return std::abs(actual - expected) < 1e-9; };
    QVERIFY(!f.Problem);
    QVERIFY(near(f.PartRange[0][0], 0.2) && near(f.PartRange[0][1], 0.1));
    QVERIFY(near(f.PartRange[1][0], 0.3) && near(f.PartRange[1][1], 0.2));
    QVERIFY(near(f.AppraiserRangeAverage[0], 0.15) && near(f.AppraiserRangeAverage[1], 0.25));
    QVERIFY(near(f.RBar, 0.2));
    QVERIFY(near(f.AppraiserAverage[0], 1.575) && near(f.AppraiserAverage[1], 1.775));
    QVERIFY(near(f.PartAverage[0], 1.175) && near(f.PartAverage[1], 2.175));
    QVERIFY(near(f.XDiff, 0.2));
    QVERIFY(near(f.Rp, 1.0));
    QCOMPARE(f.TOL, 5.0);
    QVERIFY(near(f.K1, 2) && near(f.K2, 5) && near(f.K3, 5));
    QVERIFY(near(f.EV, 0.4) && near(f.PctEV, 8));
    QVERIFY(near(f.AV, std::sqrt(0.96)) && near(f.PctAV, 19.595917942265423));
    QVERIFY(near(f.RR, std::sqrt(1.12)) && near(f.PctRR, 21.166010488516726));
    QVERIFY(near(f.PV, 5) && near(f.PctPV, 100));
    QCOMPARE(f.Status, QStringLiteral("Caution"));
}

void tst_modRR::tablePositions_data()
{
    QTest::addColumn<int>("appraisers");
    QTest::addColumn<int>("trials");
    QTest::addColumn<int>("parts");
    QTest::addColumn<double>("d2ForK1");
    QTest::addColumn<double>("d2ForK2");
    QTest::addColumn<double>("d2ForK3");

    QTest::newRow("2 x 3 x 10: 20 groups use line 16") << 2 << 3 << 10 << 3.16 << 2.01 << 10.01;
    QTest::newRow("3 x 2 x 5") << 3 << 2 << 5 << 2.15 << 3.01 << 5.01;
    QTest::newRow("2 x 2 x 2") << 2 << 2 << 2 << 2.04 << 2.01 << 2.01;
    QTest::newRow("3 x 3 x 7") << 3 << 3 << 7 << 3.16 << 3.01 << 7.01;
}

void tst_modRR::tablePositions()
{
    QFETCH(int, appraisers);
    QFETCH(int, trials);
    QFETCH(int, parts);
    QFETCH(double, d2ForK1);
    QFETCH(double, d2ForK2);
    QFETCH(double, d2ForK3);
    writeTable(positionTableLines());
    Study study = makeStudy(appraisers, trials, parts);
    study.Features << makeFeature(1, steadyReading);

    QVERIFY(CalculateStudy(study, "10", "30", folder()));
    const StudyFeature& f = study.Features[0];
    QVERIFY(!f.Problem);
    QCOMPARE(f.K1, 5.15 / d2ForK1);
    QCOMPARE(f.K2, 5.15 / d2ForK2);
    QCOMPARE(f.K3, 5.15 / d2ForK3);
}

void tst_modRR::identicalReadingsGiveZerosAndAcceptable()
{
    writeTable(positionTableLines());
    Study study = makeStudy(3, 3, 10);
    study.Features << makeFeature(1, [](int, int, int) { return 12.5; });
    study.Features[0].Status = QStringLiteral("Unacceptable");

    QVERIFY(CalculateStudy(study, "10", "30", folder()));
    const StudyFeature& f = study.Features[0];
    QVERIFY(!f.Problem);
    for (double value : {f.RBar, f.XDiff, f.Rp, f.EV, f.AV, f.RR, f.PV, f.PctEV, f.PctAV, f.PctRR,
                         f.PctPV})
        QCOMPARE(value, 0.0);
    QCOMPARE(f.AppraiserAverage[2], 12.5);
    QCOMPARE(f.Status, QStringLiteral("Acceptable"));
}

void tst_modRR::shiftedReadingsGiveTheSameSpreads_data()
{
    QTest::addColumn<double>("shift");
    QTest::newRow("deviations below nominal") << -100.0;
    QTest::newRow("large positive") << 1000.0;
}

void tst_modRR::shiftedReadingsGiveTheSameSpreads()
{
    QFETCH(double, shift);
    writeTable(positionTableLines());
    const ReadingFn base = [](int a, int t, int p) { return 0.01 * ((a * 7 + t * 3 + p * p) % 11); };
    Study study = makeStudy(3, 3, 10);
    study.Features << makeFeature(1, base)
                   << makeFeature(2, [&](int a, int t, int p) { return base(a, t, p) + shift; });

    QVERIFY(CalculateStudy(study, "10", "30", folder()));
    const StudyFeature& plain = study.Features[0];
    const StudyFeature& shifted = study.Features[1];
    const auto same = [](double x, double y) { return std::abs(x - y) < 1e-9; };
    for (int a = 0; a < 3; ++a)
        for (int p = 0; p < 10; ++p)
            QVERIFY(same(plain.PartRange[a][p], shifted.PartRange[a][p]));
    QVERIFY(same(shifted.AppraiserAverage[1] - plain.AppraiserAverage[1], shift));
    QVERIFY(plain.RBar > 0 && plain.XDiff > 0 && plain.Rp > 0);
    QVERIFY(same(plain.RBar, shifted.RBar) && same(plain.XDiff, shifted.XDiff));
    QVERIFY(same(plain.Rp, shifted.Rp) && same(plain.PctRR, shifted.PctRR));
    QCOMPARE(shifted.Status, plain.Status);
}

// Both appraisers read 0 and then 0.25 on every part: RBar = 0.25, XDiff = 0, so q is
// below 0, AV is 0 and, with every K = 1 and TOL = 1, PctRR = PctEV = 25 exactly.
void tst_modRR::verdictBoundaries_data()
{
    QTest::addColumn<QString>("accept");
    QTest::addColumn<QString>("unaccept");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("below accept") << "30" << "40" << "Acceptable";
    QTest::newRow("equal to accept") << "25" << "30" << "Acceptable";
    QTest::newRow("between") << "20" << "30" << "Caution";
    QTest::newRow("equal to unaccept") << "10" << "25" << "Unacceptable";
    QTest::newRow("above unaccept") << "10" << "20" << "Unacceptable";
    QTest::newRow("equal to both limits") << "25" << "25" << "Unacceptable";
}

void tst_modRR::verdictBoundaries()
{
    QFETCH(QString, accept);
    QFETCH(QString, unaccept);
    QFETCH(QString, verdict);
    writeTable(uniformTableLines(5.15));
    Study study = makeStudy(2, 2, 4);
    study.Features << makeFeature(1, [](int, int t, int) { return t * 0.25; });

    QVERIFY(CalculateStudy(study, accept, unaccept, folder()));
    const StudyFeature& f = study.Features[0];
    QCOMPARE(f.AV, 0.0);
    QCOMPARE(f.PctAV, 0.0);
    QCOMPARE(f.RR, f.EV);
    QCOMPARE(f.PctRR, 25.0);
    QCOMPARE(f.Status, verdict);
}

// Feature 1 fails at some step; feature 2 is computed all the same. Fields the failing
// calculation did not reach keep the previous calculation's values (-1).
void tst_modRR::failedFeatureKeepsEarlierValues_data()
{
    QTest::addColumn<QStringList>("table");
    QTest::addColumn<int>("appraisers");
    QTest::addColumn<QString>("badReading");  // put at appraiser 2, trial 1, part 3
    QTest::addColumn<QString>("lower");
    QTest::addColumn<bool>("rangesStored");
    QTest::addColumn<bool>("tolStored");
    QTest::addColumn<bool>("evStored");
    QTest::addColumn<bool>("verdictGiven");
    QTest::addColumn<bool>("feature2Computed");

    const QStringList good = positionTableLines();
    QStringList zeroAtK1 = good;
    zeroAtK1[tableLine(2, 12) - 1] = "0";
    QStringList zeroAtK2 = good;
    zeroAtK2[tableLine(3, 1) - 1] = "0.0";
    QStringList zeroAtK3 = good;
    zeroAtK3[tableLine(4, 1) - 1] = "0";
    const QStringList shortTable = good.mid(0, 143);

    QTest::newRow("text reading") << good << 3 << "1,5" << "0.5" << false << false << false << false << true;
    QTest::newRow("empty reading") << good << 3 << "" << "0.5" << false << false << false << false << true;
    QTest::newRow("overflowing percentage") << good << 3 << "1e308" << "0.5" << true << true << true << false << true;
    QTest::newRow("text tolerance") << good << 3 << "1" << "lower" << true << false << false << false << true;
    QTest::newRow("zero tolerance") << good << 3 << "1" << "-0.5" << true << true << false << false << true;
    QTest::newRow("143-line table") << shortTable << 3 << "1" << "0.5" << true << true << false << false << false;
    QTest::newRow("d2 zero for K1") << zeroAtK1 << 3 << "1" << "0.5" << true << true << false << false << false;
    QTest::newRow("d2 zero for K2") << zeroAtK2 << 3 << "1" << "0.5" << true << true << true << false << false;
    QTest::newRow("d2 zero for K3") << zeroAtK3 << 3 << "1" << "0.5" << true << true << true << true << false;
    QTest::newRow("four appraisers") << good << 4 << "1" << "0.5" << false << false << false << false << false;
    QTest::newRow("no appraisers") << good << 0 << "1" << "0.5" << false << false << false << false << false;
}

void tst_modRR::failedFeatureKeepsEarlierValues()
{
    QFETCH(QStringList, table);
    QFETCH(int, appraisers);
    QFETCH(QString, badReading);
    QFETCH(QString, lower);
    QFETCH(bool, rangesStored);
    QFETCH(bool, tolStored);
    QFETCH(bool, evStored);
    QFETCH(bool, verdictGiven);
    QFETCH(bool, feature2Computed);
    writeTable(table);
    Study study = makeStudy(appraisers, 2, 4);
    study.Features << makeFeature(1, steadyReading, "0.5", lower) << makeFeature(2, steadyReading);
    study.Features[0].Readings[1][0][2] = badReading;
    fillWithPreviousResults(study.Features[0]);
    study.Features[0].Problem = true;
    study.Features[1].Problem = true;

    QVERIFY(CalculateStudy(study, "10", "30", folder()));
    const StudyFeature& f = study.Features[0];
    QVERIFY(f.Problem);
    QCOMPARE(f.RBar != -1, rangesStored);
    QCOMPARE(f.TOL != -1, tolStored);
    QCOMPARE(f.EV != -1, evStored);
    QCOMPARE(f.Status != QStringLiteral("Acceptable"), verdictGiven);
    QCOMPARE(f.PV, -1.0);
    QCOMPARE(study.Features[1].Problem, !feature2Computed);

    TallyStatuses(study);
    QCOMPARE(f.Status, QStringLiteral("Caution"));
}

void tst_modRR::unreadableLimitComputesNothing()
{
    writeTable(positionTableLines());
    Study study = makeStudy(2, 2, 2);
    study.Features << makeFeature(1, steadyReading);
    fillWithPreviousResults(study.Features[0]);

    QVERIFY(!CalculateStudy(study, "10", "", folder()));
    QVERIFY(!CalculateStudy(study, "ten", "30", folder()));
    QCOMPARE(study.Features[0].RBar, -1.0);
    QVERIFY(!study.Features[0].Problem);
}

void tst_modRR::emptyStudySucceeds()
{
    Study study = makeStudy(2, 2, 2);
    QVERIFY(CalculateStudy(study, "10", "30", folder()));
    QCOMPARE(study.UnacceptLimit, 30.0f);
}

void tst_modRR::tally_data()
{
    QTest::addColumn<QStringList>("statuses");
    QTest::addColumn<QList<bool>>("problems");
    QTest::addColumn<QStringList>("afterwards");
    QTest::addColumn<QList<int>>("counts");  // acceptable, caution, unacceptable

    QTest::newRow("one of each")
        << QStringList{"Acceptable", "Caution", "Unacceptable"} << QList<bool>{false, false, false}
        << QStringList{"Acceptable", "Caution", "Unacceptable"} << QList<int>{1, 1, 1};
    QTest::newRow("failed features become Caution")
        << QStringList{"Acceptable", "", "Unacceptable"} << QList<bool>{true, true, false}
        << QStringList{"Caution", "Caution", "Unacceptable"} << QList<int>{0, 2, 1};
    QTest::newRow("no verdict is not counted")
        << QStringList{"", "acceptable", "Acceptable"} << QList<bool>{false, false, false}
        << QStringList{"", "acceptable", "Acceptable"} << QList<int>{1, 0, 0};
    QTest::newRow("no features") << QStringList{} << QList<bool>{} << QStringList{} << QList<int>{0, 0, 0};
}

void tst_modRR::tally()
{
    QFETCH(QStringList, statuses);
    QFETCH(QList<bool>, problems);
    QFETCH(QStringList, afterwards);
    QFETCH(QList<int>, counts);
    Study study;
    study.AcceptableCount = study.CautionCount = study.UnacceptableCount = 7;
    for (int i = 0; i < statuses.size(); ++i) {
        StudyFeature feature;
        feature.Status = statuses[i];
        feature.Problem = problems[i];
        study.Features << feature;
    }

    TallyStatuses(study);
    QStringList after;
    for (const StudyFeature& feature : study.Features)
        after << feature.Status;
    QCOMPARE(after, afterwards);
    QCOMPARE((QList<int>{study.AcceptableCount, study.CautionCount, study.UnacceptableCount}), counts);
}

QTEST_GUILESS_MAIN(tst_modRR)
#include "tst_modRR.moc"
