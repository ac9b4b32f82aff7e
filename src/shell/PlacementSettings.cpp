#include "shell/PlacementSettings.h"

#include "common/NumberText.h"
#include "common/Twips.h"

#include <QSettings>

#include <cmath>

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
constexpr double largestTwips = 16777215.0 * Twips::perPixel; // QWIDGETSIZE_MAX pixels

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
    // A value no window can have, as a damaged file may hold, is as unreadable as text:
    // a position or side beyond Qt's largest widget, a side below one pixel.
    const auto value = [this](const QString& key, float fallback, bool side) -> float {
        const QString text = m_settings.value(group + QLatin1Char('/') + key).toString();
        const std::optional<float> read = NumberText::toSingle(text, QLocale::c());
        if (!read || std::fabs(*read) > largestTwips || (side && *read < Twips::perPixel))
            return fallback;
        return *read;
    };
    return QRectF(value(leftKey, defaultLeft, false), value(topKey, defaultTop, false),
                  value(widthKey, defaultWidth, true), value(heightKey, defaultHeight, true));
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
