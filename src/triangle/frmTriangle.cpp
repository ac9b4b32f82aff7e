#include "triangle/frmTriangle.h"

frmTriangle::frmTriangle(QWidget* parent) : CalculatorFrame(10575, 6975, parent)
{
    setObjectName(QStringLiteral("frmTriangle"));
}
