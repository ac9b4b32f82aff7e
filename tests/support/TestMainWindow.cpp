#include "TestMainWindow.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolBar>

bool TestMainWindow::open()
{
    m_window = std::make_unique<frmMain>(store.settings());
    m_window->show();
    return QTest::qWaitForWindowExposed(m_window.get());
}

void TestMainWindow::clickButton(const QString& key)
{
    auto* action = m_window->findChild<QAction*>(key);
    QWidget* button = action ? m_window->findChild<QToolBar*>()->widgetForAction(action) : nullptr;
    if (!button)
        QFAIL(qPrintable(QStringLiteral("no tool bar button ") + key));
    // Left of the centre: button 8's right part opens its menu.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

void TestMainWindow::chooseFromButton8Menu(const QString& itemKey)
{
    auto* item = m_window->findChild<QAction*>(QStringLiteral("Menu") + itemKey);
    if (!item)
        QFAIL(qPrintable(QStringLiteral("no menu item ") + itemKey));
    item->trigger();
}

QStringList TestMainWindow::visibleToolWindows() const
{
    QStringList visible;
    for (QMdiSubWindow* subWindow : m_window->findChild<QMdiArea*>()->subWindowList())
        if (subWindow->isVisible())
            visible.append(subWindow->widget()->objectName());
    return visible;
}
