#pragma once

#include <QString>
#include <QWidget>

// Works a window's controls by their objectNames, as a user does: typing, clicking, reading.
namespace WindowDriver {

QWidget* findControl(const QWidget& window, const QString& name);

// The control named `name` inside `window`; the test stops when there is none.
template <typename Control = QWidget> Control* control(const QWidget& window, const QString& name)
{
    auto* found = qobject_cast<Control*>(findControl(window, name));
    if (!found)
        qFatal("control %s is not of the kind asked for", qPrintable(name));
    return found;
}

// What the control shows: a box's, label's or button's text, a list's current item.
QString text(const QWidget& window, const QString& name);
// Empties the box and types `text` into it key by key ("\r" presses Enter).
void type(const QWidget& window, const QString& name, const QString& text);
// A left click: on an option button or a check box, on its indicator.
void click(const QWidget& window, const QString& name);

// Runs steps separated by "; ": "name" clicks the control; "name=text" types the text into
// a box, chooses a list's item ("" for none) or brings a tab control's tab of that caption
// to the front.
void perform(const QWidget& window, const QString& steps);
// For "name=text; name=text ...", what the window shows in the same form, to compare.
QString shown(const QWidget& window, const QString& expected);

} // namespace WindowDriver
