#pragma once

#include <QDateTime>
#include <QString>

#include <array>

// The descriptive header of the Gage R&R study: what was measured, with which gage,
// by whom, when and at what temperature. It lives beside the study for the whole run;
// an import leaves it as it is.
struct StudyInformation {
    QDateTime RunDate = zeroDateTime();
    QDateTime StartTime = zeroDateTime();
    QDateTime EndTime = zeroDateTime();
    QString StudyTitle;
    QString StudyComments;
    std::array<QString, 3> AppraiserName;
    QString PartName;
    QString GageName;
    QString PartNumber;
    QString GageNumber;
    QString Temperature;

    // The zero date-time (30 Dec 1899, 12:00:00 AM): a date or time that was never set.
    static QDateTime zeroDateTime();
    static bool isSet(const QDateTime& value) { return value != zeroDateTime(); }

    bool operator==(const StudyInformation&) const = default;
};

// The study information of this run.
StudyInformation& theStudyInformation();
