#pragma once

#include "rrstudy/modRR.h"

#include <QFile>
#include <QStringList>

// A study of one feature from a file of tests/data in rows "appraiser,trial,part 1,...",
// after a header line.
inline Study loadGageStudy(const QString& name, const QString& upper = "0.5",
                           const QString& lower = "0.5")
{
    QFile file(QStringLiteral(TEST_DATA "/") + name);
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
        const QStringList cells =
            QString::fromLatin1(file.readLine().trimmed()).split(QLatin1Char(','));
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
