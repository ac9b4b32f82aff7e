#include "StudyBuilder.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

QString testDataPath(const QString& name)
{
    return QStringLiteral(QUORVEL_TEST_DATA "/") + name;
}

QByteArray testData(const QString& name)
{
    QFile file(testDataPath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}

Study studyOfShape(int appraisers, int trials, int parts)
{
    Study study;
    study.AppraiserCount = appraisers;
    study.TrialCount = trials;
    study.PartCount = parts;
    return study;
}

StudyFeature measuredFeature(int number, const std::function<double(int a, int t, int p)>& reading,
                             const QString& upper, const QString& lower)
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

StudyFeature judgedFeature(int number, const QString& name, const QString& status, double pctRR, bool problem)
{
    StudyFeature feature;
    feature.Number = qint16(number);
    feature.Name = name;
    feature.Status = status;
    feature.PctRR = pctRR;
    feature.Problem = problem;
    feature.UpperTol = feature.LowerTol = QStringLiteral("0.005");
    return feature;
}

Study studyFromReadings(const QString& name, const QString& upper, const QString& lower)
{
    QFile file(testDataPath(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    Study study;
    StudyFeature feature;
    feature.Number = 1;
    feature.Name = QStringLiteral("Bore 1");
    feature.UpperTol = upper;
    feature.LowerTol = lower;
    QStringList appraisers;
    file.readLine();
    while (!file.atEnd()) {
        const QStringList cells = QString::fromLatin1(file.readLine().trimmed()).split(QLatin1Char(','));
        if (!appraisers.contains(cells.at(0)))
            appraisers << cells.at(0);
        const int trial = cells.at(1).toInt();
        study.AppraiserCount = int(appraisers.size());
        study.TrialCount = qMax(study.TrialCount, trial);
        study.PartCount = int(cells.size()) - 2;
        for (int p = 0; p < study.PartCount; ++p)
            feature.Readings[appraisers.size() - 1][trial - 1][p] = cells.at(2 + p);
    }
    study.Features << feature;
    return study;
}

Study referenceStudy()
{
    return studyFromReadings(QStringLiteral("gage-rr-reference-3x3x10.csv"), QStringLiteral("2.5"),
                             QStringLiteral("2.5"));
}

QByteArray placeNamedGrid(int lines, int columns)
{
    QByteArray text;
    for (int line = 1; line <= lines; ++line) {
        QStringList cells;
        for (int column = 1; column <= columns; ++column)
            cells << QStringLiteral("L%1C%2").arg(line).arg(column);
        text += cells.join(u',').toUtf8() + "\r\n";
    }
    return text;
}

QString writeTestFile(const QTemporaryDir& folder, const QString& name, const QByteArray& content)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}
