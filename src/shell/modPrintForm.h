#pragma once

#include <QString>

class PrintTarget;
class QWidget;

// Printing a tool window as a picture of its panel.
namespace modPrintForm {

// How many dots per inch the panel's picture is made with: sharp on paper without
// making a print job of hundreds of megabytes.
constexpr double pictureDpi = 300.0;

// Puts the panel, as it shows, on the clipboard as a bitmap. False when there was
// nothing to capture.
bool CopyPictureToClipboard(QWidget* box);

// Prints the panel with all the controls on it as one document, its top-left corner
// at x, y twips from the top-left corner of the printable area, at its size on screen.
// The first failing step ends it: its reason is shown in a "Printer Error!" box and the
// result is false.
bool PrintPictureBox(PrintTarget& target, QWidget* box, double x, double y,
                     QWidget* messageParent = nullptr);

// The print-form action on a tool window's panel: the panel goes to the clipboard, the
// printer dialog asks for copies, and each copy is printed as a document of its own at
// 500, 500 twips. `documentName` names the print job (and the suggested PDF file).
void PrintForm(QWidget* parent, QWidget* picture, const QString& documentName);

} // namespace modPrintForm
