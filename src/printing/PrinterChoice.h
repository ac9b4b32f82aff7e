#pragma once

// The answer of the printer dialog, read by everything that prints: whether the user
// pressed Print, and how many copies were chosen. Loading the dialog clears
// PrintConfirmed; both keep their values until then.
struct PrinterChoice {
    bool PrintConfirmed = false;
    int PrintCopies = 0;
};

PrinterChoice& printerChoice();
