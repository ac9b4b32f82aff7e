#include "WindowDriver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace WindowDriver {

QWidget* findControl(const QWidget& window, const QString& name)
{
    auto* found = window.findChild<QWidget*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QString text(const QWidget& window, const QString& name)
{
    QWidget* found = findControl(window, name);
    if (auto* box = qobject_cast<QLineEdit*>(found))
        return box->text();
    if (auto* label = qobject_cast<QLabel*>(found))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(found))
        return button->text();
    if (auto* list = qobject_cast<QComboBox*>(found))
        return list->currentText();
    return control<QPlainTextEdit>(window, name)->toPlainText();
}

void type(const QWidget& window, const QString& name, const QString& text)
{
    auto* box = control<QLineEdit>(window, name);
    box->clear();
    QTest::keyClicks(box, text);
}

void click(const QWidget& window, const QString& name)
{
    auto* button = control<QAbstractButton>(window, name);
    const bool indicator = qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      indicator ? QPoint(6, button->height() / 2) : button->rect().center());
}

void perform(const QWidget& window, const QString& steps)
{
    for (const QString& step : steps.split(QStringLiteral("; "))) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        QWidget* target = findControl(window, name);
        if (!step.contains(QLatin1Char('=')))
            click(window, name);
        else if (auto* list = qobject_cast<QComboBox*>(target))
            list->setCurrentIndex(list->findText(value));
        else if (auto* tabs = qobject_cast<QTabWidget*>(target)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                if (tabs->tabText(tab) == value)
                    tabs->setCurrentIndex(tab);
        } else
            type(window, name, value);
    }
}

QString shown(const QWidget& window, const QString& expected)
{
    QStringList actual;
    for (const QString& item : expected.split(QStringLiteral("; "))) {
        const QString name = item.section(QLatin1Char('='), 0, 0);
        actual.append(name + QLatin1Char('=') + text(window, name));
    }
    return actual.join(QStringLiteral("; "));
}

} // namespace WindowDriver
