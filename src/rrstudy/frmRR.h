#pragma once

#include "shell/CalculatorFrame.h"

// The Gage R&R study's tool window.
class frmRR : public CalculatorFrame
{
    Q_OBJECT

public:
    explicit frmRR(QWidget* parent = nullptr);
};
