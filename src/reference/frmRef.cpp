#include "reference/frmRef.h"

frmRef::frmRef(QWidget* parent) : CalculatorFrame(10575, 6975, parent)
{
    setObjectName(QStringLiteral("frmRef"));
}
