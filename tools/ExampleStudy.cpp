#include "ExampleStudy.h"

#include "common/Dialogs.h"
#include "rrstudy/StudyInformation.h"
#include "rrstudy/modRR.h"

#include <QAbstractButton>
#include <QTest>
#include <QWidget>

#include <cmath>

namespace ExampleStudy {
namespace {

// Answers the study window's import: a file name, and an import window that succeeds
// with the study as it stands.
class ImportAnswers final : public Dialogs
{
public:
    Answer message(QWidget*, const QString&, const QString&, Icon, Buttons) override { return Answer::Ok; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return QStringLiteral("pump-housing.csv");
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog*) override
    {
        theStudy().ImportSucceeded = true;
        return 1;
    }
};

} // namespace

void fill(int featureCount)
{
    StudyInformation& information = theStudyInformation();
    information.StudyTitle = QStringLiteral("Pump housing, first article");
    information.StudyComments = QStringLiteral("CMM 2, program PH-104 rev C");
    information.PartName = QStringLiteral("Pump housing");
    information.PartNumber = QStringLiteral("PH-104");
    information.GageName = QStringLiteral("Bridge CMM");
    information.GageNumber = QStringLiteral("CMM-02");
    information.Temperature = QStringLiteral("20.4 C");
    information.AppraiserName = {QStringLiteral("A. Moreau"), QStringLiteral("J. Okafor"), QStringLiteral("L. Chen")};
    information.RunDate = QDateTime(QDate(2026, 12, 4), QTime(8, 0));
    information.StartTime = QDateTime(QDate(2026, 12, 4), QTime(8, 10));
    information.EndTime = QDateTime(QDate(2026, 12, 4), QTime(11, 35));

    const char* const kinds[] = {"Bore", "Face", "Slot width", "Pin position", "Flatness", "Thread depth"};
    Study& study = theStudy();
    study = Study();
    study.AppraiserCount = 3;
    study.TrialCount = 3;
    study.PartCount = 10;
    study.Features.reserve(featureCount);
    for (int f = 0; f < featureCount; ++f) {
        StudyFeature feature;
        feature.Number = qint16(qMin(f + 1, 32767));
        feature.Name = QStringLiteral("%1 %2").arg(QLatin1String(kinds[f % 6])).arg(f / 6 + 1);
        const double nominal = 10 + 2.5 * (f % 7);
        feature.UpperTol = QString::number(0.004 + 0.002 * (f % 5), 'f', 4);
        feature.LowerTol = feature.UpperTol;
        for (int a = 0; a < 3; ++a)
            for (int t = 0; t < 3; ++t)
                for (int p = 0; p < 10; ++p) {
                    // Part-to-part variation, an appraiser bias and a repeatability
                    // wobble that differs from feature to feature.
                    const double wobble = std::sin(1.7 * f + 2.3 * p + 3.1 * t + 0.7 * a) * 0.0004 * (1 + f % 4);
                    const double reading = nominal + 0.003 * std::sin(p + f) + 0.0002 * a * (f % 3) + wobble;
                    feature.Readings[a][t][p] = QString::number(reading, 'f', 4);
                }
        study.Features.append(std::move(feature));
    }
    CalculateStudy(study, QStringLiteral("10"), QStringLiteral("30"));
    study.ImportSucceeded = true;
}

void importInto(QWidget* rrWindow)
{
    ImportAnswers answers;
    installDialogs(&answers);
    QTest::mouseClick(rrWindow->findChild<QAbstractButton*>(QStringLiteral("cmdImport")), Qt::LeftButton);
    installDialogs(nullptr);
}

} // namespace ExampleStudy
