#include "batch/ResultsCsv.h"

#include "rrstudy/modRR.h"

#include <QLocale>
#include <QStringList>

namespace {

const QLatin1String lineEnd("\r\n");

QString number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QStringList anovaFields(const Study& study, const StudyFeature& feature, const GageAnovaOptions& options)
{
    const GageAnova anova = AnalyseFeature(study, feature, options);
    if (!anova.computed())
        return QStringList(6, QString());
    const auto figure = [](const std::optional<double>& value) { return value ? number(*value) : QString(); };
    const std::optional<int> categories = anova.distinctCategories();
    return {figure(anova.percentContribution(GageComponent::GageRR)),
            figure(anova.percentStudyVariation(GageComponent::GageRR)),
            figure(anova.percentTolerance(GageComponent::GageRR)),
            categories ? QString::number(*categories) : QString(),
            figure(anova.interactionP),
            anova.interactionPooled ? QStringLiteral("TRUE") : QStringLiteral("FALSE")};
}

void appendRow(QString& text, const QStringList& fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        text += ResultsCsv::field(fields.at(i));
    }
    text += lineEnd;
}

} // namespace

namespace ResultsCsv {

QString field(const QString& text)
{
    const bool needsQuotes = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))
        || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray table(const Study& study, const std::optional<GageAnovaOptions>& anova)
{
    QString text;
    QStringList heading = {QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Upper"),
                           QStringLiteral("Lower"), QStringLiteral("TOL"), QStringLiteral("EV"),
                           QStringLiteral("AV"), QStringLiteral("RR"), QStringLiteral("PV"),
                           QStringLiteral("%EV"), QStringLiteral("%AV"), QStringLiteral("%RR"),
                           QStringLiteral("%PV"), QStringLiteral("Status"), QStringLiteral("Problem")};
    if (anova)
        heading << QStringLiteral("ANOVA %Contribution") << QStringLiteral("ANOVA %Study Var")
                << QStringLiteral("ANOVA %Tolerance") << QStringLiteral("ANOVA ndc") << QStringLiteral("Interaction p")
                << QStringLiteral("Interaction pooled");
    appendRow(text, heading);
    for (const StudyFeature& feature : study.Features) {
        // A figure the calculation never reached stays empty: never a measured-looking 0.
        const auto figure = [&feature](FeatureResult result, double value) {
            return feature.computed(result) ? number(value) : QString();
        };
        QStringList row = {QString::number(feature.Number), feature.Name, feature.UpperTol, feature.LowerTol,
                           figure(FeatureResult::TOL, feature.TOL), figure(FeatureResult::EV, feature.EV),
                           figure(FeatureResult::AV, feature.AV), figure(FeatureResult::RR, feature.RR),
                           figure(FeatureResult::PV, feature.PV), figure(FeatureResult::PctEV, feature.PctEV),
                           figure(FeatureResult::PctAV, feature.PctAV), figure(FeatureResult::PctRR, feature.PctRR),
                           figure(FeatureResult::PctPV, feature.PctPV), feature.Status,
                           feature.Problem ? QStringLiteral("TRUE") : QStringLiteral("FALSE")};
        if (anova)
            row << anovaFields(study, feature, *anova);
        appendRow(text, row);
    }
    return text.toUtf8();
}

} // namespace ResultsCsv
