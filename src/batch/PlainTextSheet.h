#pragma once

#include "rrstudy/PrintListTarget.h"

#include <QString>

class QTextStream;

// A sheet as plain text: every printed line becomes one line of text, each item at
// its character column in its own font, blanks at the end dropped; an empty printed
// line stays an empty line. Lines are written out as soon as they end, so a long
// summary is never held whole. Ruling lines are not drawn, and the text never breaks
// pages.
class PlainTextSheet final : public PrintListTarget
{
public:
    explicit PlainTextSheet(QTextStream& out) : m_out(out) {}

    bool breaksPages() const override { return false; }

protected:
    void drawTextItem(const QPointF& topLeft, const SheetFont& font, const QString& text) override;
    void drawLineItem(const QLineF&) override {}
    void startPage() override {}
    void lineEnded() override;

private:
    double columnWidth(const SheetFont& font);

    QTextStream& m_out;
    QString m_line;
    SheetFont m_measuredFont;
    double m_columnWidth = 0;
};
