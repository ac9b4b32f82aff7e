#pragma once

#include "frame/CalculatorFrame.h"

// The angles, units and GD&T reference tool window.
class frmRef : public CalculatorFrame
{
    Q_OBJECT

public:
    explicit frmRef(QWidget* parent = nullptr);
};
