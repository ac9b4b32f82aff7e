#include "rrstudy/StudyInformation.h"

QDateTime StudyInformation::zeroDateTime()
{
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

StudyInformation& theStudyInformation()
{
    static StudyInformation information;
    return information;
}
