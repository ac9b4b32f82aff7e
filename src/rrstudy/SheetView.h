#pragma once

#include "rrstudy/SheetRecording.h"

#include <QAbstractScrollArea>

// The on-screen sheet (`pic2`): keeps the sheet as drawing commands and paints only
// the part in view, so a sheet of any length costs the same to show and scroll.
// Heights and positions are in twips; the sheet is drawn in points.
class SheetView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit SheetView(QWidget* parent = nullptr);

    // The commands the sheets are drawn into.
    SheetRecording& recording() { return m_recording; }
    const SheetRecording& recording() const { return m_recording; }
    // Wipes the sheet (the recording and what is shown).
    void clearSheet();
    // Shows what was drawn into the recording since the last call.
    void showRecording();

    // The sheet's full height and width and where its top lies in view, in twips.
    double sheetHeight() const { return m_sheetHeight; }
    void setSheetHeight(double twips) { m_sheetHeight = twips; }
    static double sheetWidth();
    double sheetTop() const { return m_sheetTop; }
    void setSheetTop(double twips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SheetRecording m_recording;
    double m_sheetHeight;
    double m_sheetTop;
};
