#include "rrstudy/frmRR.h"

frmRR::frmRR(QWidget* parent) : CalculatorFrame(10575, 6975, parent)
{
    setObjectName(QStringLiteral("frmRR"));
}
