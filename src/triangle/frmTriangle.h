#pragma once

#include "shell/CalculatorFrame.h"

// The right-triangle solver's tool window.
class frmTriangle : public CalculatorFrame
{
    Q_OBJECT

public:
    explicit frmTriangle(QWidget* parent = nullptr);
};
