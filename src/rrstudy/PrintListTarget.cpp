#include "rrstudy/PrintListTarget.h"

#include <QFontMetricsF>
#include <QImage>

#include <map>

namespace {

// Fonts are measured large on a 72 dpi image, where a pixel is a point, so the widths
// are the font's design widths and not a hinted screen size.
constexpr double measuringScale = 16;

bool isFixedPitch(const SheetFont& font)
{
    return font.family.startsWith(QLatin1String("Courier"));
}

QFont baseFont(const SheetFont& sheetFont)
{
    QFont font(sheetFont.family);
    font.setStyleHint(isFixedPitch(sheetFont) ? QFont::TypeWriter : QFont::SansSerif);
    font.setBold(sheetFont.bold);
    font.setUnderline(sheetFont.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

// A font's metrics on the measuring device, with the factor that turns them into points.
struct Measure {
    QFontMetricsF metrics;
    double toPoints;
};

Measure measure(const SheetFont& font)
{
    QImage device(1, 1, QImage::Format_Mono);
    const int dotsPerMeter = qRound(72 / 0.0254);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    const double pixelsPerPoint = dotsPerMeter * 0.0254 / 72;
    return {QFontMetricsF(font.toFont(measuringScale * pixelsPerPoint, 72 * pixelsPerPoint), &device),
            1 / (measuringScale * pixelsPerPoint)};
}

} // namespace

QString SheetFont::key() const
{
    return QStringLiteral("%1|%2|%3|%4").arg(family).arg(size).arg(bold).arg(underline);
}

QFont SheetFont::toFont(double devicePerPoint, double dotsPerInch) const
{
    QFont font = baseFont(*this);
    font.setPointSizeF(size * devicePerPoint * 72.0 / dotsPerInch);
    return font;
}

const SheetFontMetrics& SheetFontMetrics::of(const SheetFont& font)
{
    // A map keeps its elements in place, so the references handed out stay valid.
    static std::map<QString, SheetFontMetrics> cache;
    const QString key = font.key();
    const auto found = cache.find(key);
    if (found != cache.end())
        return found->second;

    const Measure measured = measure(font);
    SheetFontMetrics metrics;
    metrics.fixedPitch = isFixedPitch(font);
    metrics.blankWidth = measured.metrics.horizontalAdvance(QLatin1Char(' ')) * measured.toPoints;
    metrics.wWidth = measured.metrics.horizontalAdvance(QLatin1Char('W')) * measured.toPoints;
    metrics.height = measured.metrics.height() * measured.toPoints;
    metrics.ascent = measured.metrics.ascent() * measured.toPoints;
    return cache.emplace(key, metrics).first->second;
}

double SheetFontMetrics::textWidth(const SheetFont& font, const QString& text)
{
    const SheetFontMetrics& metrics = of(font);
    // Every character of a fixed-pitch font takes one column.
    if (metrics.fixedPitch)
        return metrics.blankWidth * double(text.size());
    const Measure measured = measure(font);
    return measured.metrics.horizontalAdvance(text) * measured.toPoints;
}

void PrintListTarget::setFont(const SheetFont& font)
{
    m_font = font;
    m_metrics = &SheetFontMetrics::of(font);
}

void PrintListTarget::print(const QString& text)
{
    if (text.isEmpty())
        return;
    if (!text.trimmed().isEmpty()) {
        startPendingPage();
        drawTextItem(QPointF(m_x, m_y), m_font, text);
    }
    m_x += m_metrics->fixedPitch ? m_metrics->blankWidth * double(text.size())
                                 : SheetFontMetrics::textWidth(m_font, text);
}

void PrintListTarget::tab(int column)
{
    const double target = (qMax(column, 1) - 1) * m_metrics->blankWidth;
    // A small tolerance keeps a position reached by printing exactly up to the column
    // on the same line.
    if (m_x > target + 1e-6)
        endLine();
    m_x = target;
}

void PrintListTarget::spc(int count)
{
    if (count > 0)
        print(QString(count, QLatin1Char(' ')));
}

void PrintListTarget::endLine()
{
    m_x = 0;
    m_y += m_metrics->height;
    lineEnded();
}

double PrintListTarget::widthOfW(const SheetFont& font, double count)
{
    return SheetFontMetrics::of(font).wWidth * count;
}

void PrintListTarget::drawLine(const QLineF& line)
{
    startPendingPage();
    drawLineItem(line);
}

void PrintListTarget::newPage()
{
    m_pageBreakPending = true;
    m_x = 0;
    m_y = 0;
}

void PrintListTarget::startPendingPage()
{
    if (!m_pageBreakPending)
        return;
    m_pageBreakPending = false;
    startPage();
}

void PrintListTarget::restart()
{
    setFont(SheetFont::body());
    m_x = 0;
    m_y = 0;
    m_pageBreakPending = false;
}
