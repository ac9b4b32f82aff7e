#pragma once

#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QString>

// A font of the report sheets: family, size in points, bold, underlined.
struct SheetFont {
    QString family;
    double size = 8;
    bool bold = false;
    bool underline = false;

    static SheetFont title() { return {QStringLiteral("Arial"), 12, true, true}; }
    static SheetFont body(double size = 8) { return {QStringLiteral("Courier New"), size, false, false}; }
    static SheetFont heading(double size = 8) { return {QStringLiteral("Courier New"), size, true, true}; }

    // The font to draw with on a device of `dotsPerInch` where one point of the sheet
    // spans `devicePerPoint` device units.
    QFont toFont(double devicePerPoint, double dotsPerInch) const;

    // A text naming the font, for caches.
    QString key() const;

    bool operator==(const SheetFont&) const = default;
};

// Measures of a sheet font, in points, independent of any screen or printer.
struct SheetFontMetrics {
    bool fixedPitch = false;    double blankWidth = 0;  // the width of one character column
    double wWidth = 0;      // the width of the letter W
    double height = 0;      // a printed line's height
    double ascent = 0;      // from a line's top to its base line

    static const SheetFontMetrics& of(const SheetFont& font);
    static double textWidth(const SheetFont& font, const QString& text);
};

// The surface the report sheets are written on, with the print-list conventions of a
// printer: items follow each other without gaps, Tab(n) moves to character column n
// (on the next line when the line is already past it), Spc(n) inserts blanks, each
// line ends with a line break. Positions are in points from the sheet's origin.
// Implementations draw on the screen sheet, on a printer or into a recording.
class PrintListTarget
{
public:
    virtual ~PrintListTarget() = default;

    void setFont(const SheetFont& font);
    const SheetFont& font() const { return m_font; }

    void print(const QString& text);
    void tab(int column);
    void spc(int count);
    void endLine();

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentY(double y) { m_y = y; }

    // The printed width of `count` letters W in the current font.
    double widthOfW(double count) const { return widthOfW(m_font, count); }
    static double widthOfW(const SheetFont& font, double count);

    void drawLine(const QLineF& line);

    // A printer breaks long sheets into numbered pages; the screen does not.
    virtual bool breaksPages() const = 0;
    // A target that has stopped (a print job the user cancelled) takes nothing more:
    // the sheets stop writing on it.
    virtual bool stopped() const { return false; }
    // Ends the page: whatever is drawn next goes on a new one, from the origin. A page
    // with nothing on it is never made.
    void newPage();

protected:
    // Back to the origin of a first page, in the body font.
    void restart();
    // Starts the page a newPage() left pending, if any.
    void startPendingPage();

    virtual void drawTextItem(const QPointF& topLeft, const SheetFont& font, const QString& text) = 0;
    virtual void drawLineItem(const QLineF& line) = 0;
    virtual void startPage() = 0;
    // A printed line has ended, by a line break or a Tab past its column.
    virtual void lineEnded() {}

private:
    SheetFont m_font = SheetFont::body();
    const SheetFontMetrics* m_metrics = &SheetFontMetrics::of(m_font);
    double m_x = 0;
    double m_y = 0;
    bool m_pageBreakPending = false;
};
