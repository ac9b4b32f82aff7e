#pragma once

#include <QRectF>

class QSettings;

// The main window's placement in the per-user settings store: section "Settings",
// keys "MainLeft", "MainTop", "MainWidth", "MainHeight", in twips, each written as the
// text of a single-precision number. A missing or unreadable value gives its default, and
// so does one no window can have.
class PlacementSettings
{
public:
    explicit PlacementSettings(QSettings& settings);

    static QRectF defaultPlacement();

    QRectF read() const;
    void write(const QRectF& placementTwips);

private:
    QSettings& m_settings;
};
