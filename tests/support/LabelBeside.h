#pragma once

#include <QString>

class QWidget;

// The text of the label a user reads as the control's own: the nearest label of the
// control's window that ends left of the control on the control's line. Empty when
// there is none.
QString labelBeside(const QWidget& control);
