#include "printing/PrinterChoice.h"

PrinterChoice& printerChoice()
{
    static PrinterChoice choice;
    return choice;
}
