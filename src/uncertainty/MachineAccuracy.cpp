#include "uncertainty/MachineAccuracy.h"

#include "common/NumberText.h"

using namespace UncertaintyLengths;

MachineAccuracy::MachineAccuracy(const QLocale& locale) : m_locale(locale) {}

std::optional<double> MachineAccuracy::ratio(const Texts& texts, Field tolerance, Field size) const
{
    const auto positive = [&](Field field) {
        return NumberText::toDouble(texts[field], m_locale).value_or(0) > 0;
    };
    if (!positive(tolerance) || !positive(size))
        return std::nullopt;
    return *m_stored.value(tolerance) / *m_stored.value(size);
}

void MachineAccuracy::calculateAccuracy(Texts& texts, const QString& percentage, Unit unit)
{
    m_stored.load(texts, unit, m_locale);
    const auto share = toleranceShare(percentage, m_locale);
    if (!share)
        return;
    const auto positionRatio = ratio(texts, PositionalTolerance, Distance);
    const auto diameterRatio = ratio(texts, DiameterTolerance, Diameter);
    if (!positionRatio && !diameterRatio)
        return;
    // The feature whose tolerance is the smaller share of its size governs; a pair that
    // was given governs over one that was not, however large its ratio.
    const bool positionGoverns =
        positionRatio && (!diameterRatio || *positionRatio < *diameterRatio);
    const double tolerance =
        *m_stored.value(positionGoverns ? PositionalTolerance : DiameterTolerance);
    const double size = *m_stored.value(positionGoverns ? Distance : Diameter);
    const double allowedError = *share * tolerance;

    double accuracy = allowedError;
    if (m_stored.isPositive(LValue))
        accuracy -= (size / *m_stored.value(LValue)) / 1000;
    else
        texts[LValue] = QStringLiteral("0");
    writeLength(texts[IsoE], accuracy, unit, m_locale);
    writeLength(texts[VdiU3], accuracy, unit, m_locale);

    double volumetric = allowedError;
    if (m_stored.isPositive(BallbarLength))
        volumetric = allowedError * *m_stored.value(BallbarLength) / size;
    else
        writeLength(texts[BallbarLength], size, unit, m_locale);
    writeLength(texts[Volumetric], volumetric, unit, m_locale);
}

void MachineAccuracy::calculateProbing(Texts& texts, const QString& percentage, Unit unit)
{
    m_stored.load(texts, unit, m_locale);
    const auto share = toleranceShare(percentage, m_locale);
    if (!share || NumberText::toDouble(texts[FormTolerance], m_locale).value_or(0) <= 0)
        return;
    const double probing = *share * *m_stored.value(FormTolerance);
    for (const Field result : {IsoR, VdiV3, B89PointToPoint})
        writeLength(texts[result], probing, unit, m_locale);
}
