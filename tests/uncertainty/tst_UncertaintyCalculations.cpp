#include "uncertainty/MachineAccuracy.h"
#include "uncertainty/PartTolerance.h"
#include "uncertainty/UncertaintyLengths.h"

#include <QSet>
#include <QTest>

using namespace UncertaintyLengths;
using Accuracy = MachineAccuracy;
using Convention = PartTolerance::Convention;
using From = PartTolerance::Recalculation;

namespace {

// `texts` with "a|b|c" typed into the first three of `fields`.
Texts typed(const QString& values, std::initializer_list<std::size_t> fields, Texts texts = {})
{
    const QStringList parts = values.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); ++i)
        texts[fields.begin()[i]] = parts[i];
    return texts;
}

QString shown(const Texts& texts, std::initializer_list<std::size_t> fields)
{
    QStringList parts;
    for (const std::size_t field : fields)
        parts.append(texts[field]);
    return parts.join(QLatin1Char('|'));
}

// Required accuracy from positional tolerance|distance|diameter|diameter tolerance|(L)|ballbar,
// shown as ISO (E) (= VDI/VDE (U3))|B89 volumetric|(L)|ballbar; `earlier` inputs go first.
const std::initializer_list<std::size_t> accuracyInputs = {
    Accuracy::PositionalTolerance, Accuracy::Distance, Accuracy::Diameter,
    Accuracy::DiameterTolerance,   Accuracy::LValue,   Accuracy::BallbarLength};

struct AccuracyCase
{
    const char *inputs, *percentage;
    Unit unit;
    const char *shown, *earlier = nullptr;
};

// The machine boxes, typed as "ISO (E)|(L) value|VDI/VDE (U3)|B89 volumetric|ballbar length".
const std::initializer_list<std::size_t> machineBoxes = {
    PartTolerance::IsoE, PartTolerance::LValue, PartTolerance::VdiU3, PartTolerance::Volumetric,
    PartTolerance::BallbarLength};

// The part boxes: distance|positional tolerance|diameter|diameter tolerance.
const std::initializer_list<std::size_t> partBoxes = {
    PartTolerance::Distance, PartTolerance::PositionalTolerance, PartTolerance::Diameter,
    PartTolerance::DiameterTolerance};

// First proposal: "size|tolerance" in both groups ("": none); `earlier` figures go first.
struct ProposalCase
{
    const char* figures;
    Convention convention;
    const char *percentage, *proposal;
    Unit unit = Unit::Millimetre;
    const char* earlier = nullptr;
};

// An "M" button pressed over the part boxes `before`, after an ISO calculation at 10%.
struct RecalculationCase
{
    const char* figures;
    Convention convention;
    const char* percentage;
    From from;
    const char *before, *after;
};

} // namespace

// The calculations of both uncertainty tabs and the rules they share, on the tabs' texts.
class tst_UncertaintyCalculations : public QObject
{
    Q_OBJECT

private slots:
    void toleranceShare()
    {
        QCOMPARE(UncertaintyLengths::toleranceShare(QStringLiteral("10"), m_locale), 0.1);
        QCOMPARE(UncertaintyLengths::toleranceShare(QStringLiteral("100"), m_locale), 1.0);
        for (const char* invalid : {"100.001", "0", "-1", "ten"})
            QVERIFY2(!UncertaintyLengths::toleranceShare(QLatin1String(invalid), m_locale),
                     invalid);
    }

    // Every numeric field is rewritten; 1e308 inches would not be finite in mm and stays.
    void convertTexts()
    {
        for (const auto& [text, newUnit, converted] :
             std::initializer_list<std::tuple<const char*, Unit, const char*>>{
                 {"1", Unit::Millimetre, "25.4000"},
                 {"25.4000", Unit::Inch, "1.00000"},
                 {"1e308", Unit::Millimetre, "1e308"}}) {
            Texts texts;
            texts.fill(QLatin1String(text));
            UncertaintyLengths::convertTexts(texts, newUnit, m_locale);
            QCOMPARE(QSet<QString>(texts.begin(), texts.end()),
                     QSet<QString>{QLatin1String(converted)});
        }
    }

    void accuracy_data()
    {
        QTest::addColumn<AccuracyCase>("row");
        const auto row = [](const char* name, AccuracyCase row) { QTest::newRow(name) << row; };
        const Unit mm = Unit::Millimetre;
        row("worked example", {"0.05|200|||333|", "10", mm, "0.0044|0.0050|333|200.0000"});
        row("only a diameter, no (L)", {"||50|0.02||", "10", mm, "0.0020|0.0020|0|50.0000"});
        row("smaller ratio governs",
            {"0.05|200|10|1|333|", "10", mm, "0.0044|0.0050|333|200.0000"});
        row("equal ratios: diameter",
            {"0.5|100|50|0.25|500|", "10", mm, "0.0249|0.0250|500|50.0000"});
        row("ratio 1000000 governs", {"1|0.000001||||", "10", mm, "0.1000|0.1000|0|0.0000"});
        row("ballbar given", {"0.05|200|||333|100", "10", mm, "0.0044|0.0025|333|100"});
        row("(L) 0", {"0.05|200|||0|200", "10", mm, "0.0050|0.0050|0|200"});
        row("negative as it is", {"0.01|1000|||100|", "10", mm, "-0.0090|0.0010|100|1000.0000"});
        row("inches", {"0.002|8||||", "10", Unit::Inch, "0.00020|0.00020|0|8.00000"});
        row("overflow: no accuracy", {"0.05|1e300|||1e-10|1e300", "10", mm, "|0.0050|1e-10|1e300"});
        row("no complete positive pair", {"0.05||-50|0.1|333|", "10", mm, "||333|"});
        // The ballbar length filled in gives the same figure again; the emptied (L) box still
        // counts.
        row("second calculate",
            {"0.05|200||||200.0000", "10", mm, "0.0044|0.0050||200.0000", "0.05|200|||333|"});
    }

    void accuracy()
    {
        QFETCH(AccuracyCase, row);
        MachineAccuracy accuracy(m_locale);
        Texts texts;
        for (const char* inputs : {row.earlier, row.inputs})
            if (inputs) {
                texts = typed(QLatin1String(inputs), accuracyInputs);
                accuracy.calculateAccuracy(texts, QLatin1String(row.percentage), row.unit);
            }
        QCOMPARE(shown(texts, {Accuracy::IsoE, Accuracy::Volumetric, Accuracy::LValue,
                               Accuracy::BallbarLength}),
                 QLatin1String(row.shown));
        QCOMPARE(texts[Accuracy::VdiU3], texts[Accuracy::IsoE]);
    }

    // A zero form tolerance gives no probing figures.
    void probing()
    {
        const std::initializer_list<std::size_t> fields = {
            Accuracy::FormTolerance, Accuracy::IsoR, Accuracy::VdiV3, Accuracy::B89PointToPoint};
        Texts texts = typed(QStringLiteral("0"), fields);
        MachineAccuracy(m_locale).calculateProbing(texts, QStringLiteral("10"), Unit::Millimetre);
        QCOMPARE(shown(texts, fields), QStringLiteral("0|||"));
    }

    void proposal_data()
    {
        QTest::addColumn<ProposalCase>("row");
        const auto row = [](const char* name, ProposalCase row) { QTest::newRow(name) << row; };
        const char* all = "0.002|300|0.002|0.003|400";
        using enum PartTolerance::Convention;
        row("worked example", {all, Iso, "10", "300.000|0.0300"});
        row("VDI four decimals", {all, VdiVde, "10", "300.0000|0.0300"});
        row("B89 at the ballbar", {all, B89, "10", "400.0000|0.0300"});
        row("20% halves", {all, Iso, "20", "300.000|0.0150"});
        row("inches", {"0.0001|10", Iso, "10", "10.00000|0.00139", Unit::Inch});
        row("ISO (L) 0", {"0.002|0", Iso, "10", ""});
        row("VDI without U3", {"0.002|300", VdiVde, "10", ""});
        row("B89 without ballbar", {"|||0.003", B89, "10", ""});
        row("E emptied", {"|300", Iso, "10", "300.000|0.0300", Unit::Millimetre, "0.002|300"});
    }

    void proposal()
    {
        QFETCH(ProposalCase, row);
        PartTolerance part(m_locale);
        Texts texts;
        bool wrote = false;
        for (const char* figures : {row.earlier, row.figures})
            if (figures) {
                texts = typed(QLatin1String(figures), machineBoxes);
                wrote =
                    part.calculate(texts, row.convention, QLatin1String(row.percentage), row.unit);
            }
        QCOMPARE(wrote, *row.proposal != '\0');
        const QString both = wrote ? QLatin1String(row.proposal) + '|' + row.proposal : "|||";
        QCOMPARE(shown(texts, partBoxes), both);
    }

    void recalculation_data()
    {
        QTest::addColumn<RecalculationCase>("row");
        const auto row = [](const char* name, RecalculationCase row) {
            QTest::newRow(name) << row;
        };
        const char* all = "0.002|300|0.004|0.003|400";
        using enum PartTolerance::Convention;
        using enum PartTolerance::Recalculation;
        row("distance 150", {all, Iso, "10", FromDistance, "150|||", "150|0.0250||"});
        row("tolerance 0.025",
            {all, Iso, "10", FromPositionalTolerance, "|0.0250||", "150.0000|0.0250||"});
        row("20%, diameter", {all, Iso, "20", FromDiameter, "||150|", "||150|0.0125"});
        row("20%, diameter tolerance",
            {all, Iso, "20", FromDiameterTolerance, "|||0.0125", "||150.0000|0.0125"});
        row("switched to VDI", {all, VdiVde, "10", FromDistance, "150|||", "150|0.0450||"});
        row("switched to B89",
            {all, B89, "10", FromPositionalTolerance, "|0.015||", "200.0000|0.015||"});
        row("U3 never loaded",
            {"0.002|300", VdiVde, "10", FromPositionalTolerance, "|0.03||", "|0.03||"});
        row("(L) 0 divides", {"0.002|0", Iso, "10", FromDistance, "150|||", "150|||"});
        row("ballbar never loaded",
            {"0.002|300||0.003", B89, "10", FromDiameter, "||150|", "||150|"});
        row("volumetric 0 divides",
            {"0.002|300||0|400", B89, "10", FromDiameterTolerance, "|||0.03", "|||0.03"});
    }

    void recalculation()
    {
        QFETCH(RecalculationCase, row);
        PartTolerance part(m_locale);
        Texts texts = typed(QLatin1String(row.figures), machineBoxes);
        part.calculate(texts, Convention::Iso, QStringLiteral("10"), Unit::Millimetre);
        texts = typed(QLatin1String(row.before), partBoxes, texts);
        part.recalculate(texts, row.from, row.convention, QLatin1String(row.percentage),
                         Unit::Millimetre);
        QCOMPARE(shown(texts, partBoxes), QLatin1String(row.after));
    }

    void formTolerance()
    {
        for (const auto& [figure, percentage, unit, result] : std::initializer_list<
                 std::tuple<PartTolerance::Field, const char*, Unit, const char*>>{
                 {PartTolerance::IsoR, "10", Unit::Millimetre, "0.0100"},
                 {PartTolerance::VdiV3, "20", Unit::Millimetre, "0.0100"},
                 {PartTolerance::B89PointToPoint, "30", Unit::Inch, "0.01000"}}) {
            Texts texts =
                typed(QStringLiteral("0.001|0.002|0.003"),
                      {PartTolerance::IsoR, PartTolerance::VdiV3, PartTolerance::B89PointToPoint});
            texts[PartTolerance::FormTolerance] = QStringLiteral("kept");
            PartTolerance(m_locale).calculateFormTolerance(texts, figure, QLatin1String(percentage),
                                                           unit);
            QCOMPARE(texts[PartTolerance::FormTolerance], QLatin1String(result));
        }
    }

private:
    const QLocale m_locale{QLocale::English, QLocale::UnitedStates};
};

QTEST_APPLESS_MAIN(tst_UncertaintyCalculations)
#include "tst_UncertaintyCalculations.moc"
