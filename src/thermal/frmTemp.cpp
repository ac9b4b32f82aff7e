#include "thermal/frmTemp.h"

frmTemp::frmTemp(QWidget* parent) : CalculatorFrame(10575, 6975, parent)
{
    setObjectName(QStringLiteral("frmTemp"));
}
