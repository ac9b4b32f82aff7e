#pragma once

#include "common/Twips.h"

#include <QLatin1String>
#include <QWidget>

#include <utility>

// Creates a control on its container at a rectangle given in twips. The control carries
// `name` as its objectName when the window refers to it by name (nullptr: unnamed).
// `arguments` go to the control's constructor before the parent, as in
// placeControl<QPushButton>(panel, "cmdCalc", 120, 600, 1215, 420, tr("Calculate")).
template <typename Control, typename... Arguments>
Control* placeControl(QWidget* parent, const char* name, double left, double top, double width,
                      double height, Arguments&&... arguments)
{
    auto* control = new Control(std::forward<Arguments>(arguments)..., parent);
    if (name)
        control->setObjectName(QLatin1String(name));
    control->setGeometry(Twips::rect(left, top, width, height));
    return control;
}
