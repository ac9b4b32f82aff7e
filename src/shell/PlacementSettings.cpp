#include "shell/PlacementSettings.h"

#include "common/NumberText.h"

#include <QSettings>

namespace {
const QString group = QStringLiteral("Settings");
const QString leftKey = QStringLiteral("MainLeft");
const QString topKey = QStringLiteral("MainTop");
const QString widthKey = QStringLiteral("MainWidth");
const QString heightKey = QStringLiteral("MainHeight");
constexpr float defaultLeft = 1000;
constexpr float defaultTop = 1000;
constexpr float defaultWidth = 6500;
constexpr float defaultHeight = 6500;

QString singleText(double value)
{
    return QString::number(static_cast<float>(value), 'g', 7);
}
} // namespace

PlacementSettings::PlacementSettings(QSettings& settings) : m_settings(settings) {}

QRectF PlacementSettings::defaultPlacement()
{
    return QRectF(defaultLeft, defaultTop, defaultWidth, defaultHeight);
}

QRectF PlacementSettings::read() const
{
    const auto value = [this](const QString& key, float fallback) -> float {
        const QString text = m_settings.value(group + QLatin1Char('/') + key).toString();
        return NumberText::toSingle(text, QLocale::c()).value_or(fallback);
    };
    return QRectF(value(leftKey, defaultLeft), value(topKey, defaultTop),
                  value(widthKey, defaultWidth), value(heightKey, defaultHeight));
}

void PlacementSettings::write(const QRectF& placement)
{
    m_settings.beginGroup(group);
    m_settings.setValue(leftKey, singleText(placement.left()));
    m_settings.setValue(topKey, singleText(placement.top()));
    m_settings.setValue(widthKey, singleText(placement.width()));
    m_settings.setValue(heightKey, singleText(placement.height()));
    m_settings.endGroup();
    m_settings.sync();
}
