#pragma once

#include "shell/CalculatorFrame.h"

// The temperature conversion and thermal expansion tool window.
class frmTemp : public CalculatorFrame
{
    Q_OBJECT

public:
    explicit frmTemp(QWidget* parent = nullptr);
};
