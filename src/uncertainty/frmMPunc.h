#pragma once

#include "frame/CalculatorFrame.h"

// The machine and part uncertainty tool window.
class frmMPunc : public CalculatorFrame
{
    Q_OBJECT

public:
    explicit frmMPunc(QWidget* parent = nullptr);
};
