#pragma once

#include "printing/PrintTarget.h"

#include <QString>

#include <memory>

class QWidget;

// The one way to paper. Printing goes to the system's default printer; where there is
// none, it goes to PDF files the user names once per print action. Tests install a
// recording implementation, so no test needs a printer.
class Printing
{
public:
    virtual ~Printing() = default;

    // The default printer's name; empty when no printer is installed.
    virtual QString defaultPrinterName() const = 0;

    // The target for one print action that means to make `documents` documents, named
    // `documentName` (the printer's job name, the suggested PDF file name). nullptr
    // when the user cancelled the choice of the PDF file: nothing is to be printed.
    virtual std::unique_ptr<PrintTarget> openTarget(QWidget* parent, const QString& documentName,
                                                    int documents) = 0;
};

// The implementation in force; the desktop one unless a test installed another.
Printing& printing();

// Installs an implementation (not owned); nullptr restores the desktop one.
void installPrinting(Printing* implementation);

// The PDF road on its own: asks for the file through dialogs().saveFileName (".pdf" is
// added when the name has no suffix) and returns its target, or nullptr when the user
// cancelled.
std::unique_ptr<PrintTarget> openPdfTarget(QWidget* parent, const QString& documentName,
                                           int documents);
