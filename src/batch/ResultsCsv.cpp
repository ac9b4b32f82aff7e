#include "batch/ResultsCsv.h"

#include "rrstudy/modRR.h"

#include <QLocale>
#include <QSaveFile>
#include <QStringList>

namespace {

const QLatin1String lineEnd("\r\n");

QString number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
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

QByteArray table(const Study& study)
{
    QString text;
    appendRow(text, {QStringLiteral("Number"), QStringLiteral("Name"), QStringLiteral("Upper"),
                     QStringLiteral("Lower"), QStringLiteral("TOL"), QStringLiteral("EV"),
                     QStringLiteral("AV"), QStringLiteral("RR"), QStringLiteral("PV"),
                     QStringLiteral("%EV"), QStringLiteral("%AV"), QStringLiteral("%RR"),
                     QStringLiteral("%PV"), QStringLiteral("Status"), QStringLiteral("Problem")});
    for (const StudyFeature& feature : study.Features) {
        appendRow(text, {QString::number(feature.Number), feature.Name, feature.UpperTol,
                         feature.LowerTol, number(feature.TOL), number(feature.EV),
                         number(feature.AV), number(feature.RR), number(feature.PV),
                         number(feature.PctEV), number(feature.PctAV), number(feature.PctRR),
                         number(feature.PctPV), feature.Status,
                         feature.Problem ? QStringLiteral("TRUE") : QStringLiteral("FALSE")});
    }
    return text.toUtf8();
}

std::optional<AppError> write(const QString& path, const Study& study)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return AppError::fromFile(file);
    const QByteArray bytes = table(study);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return AppError::fromFile(file);
    return std::nullopt;
}

} // namespace ResultsCsv
