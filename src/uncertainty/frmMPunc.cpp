#include "uncertainty/frmMPunc.h"

frmMPunc::frmMPunc(QWidget* parent) : CalculatorFrame(10575, 6975, parent)
{
    setObjectName(QStringLiteral("frmMPunc"));
}
