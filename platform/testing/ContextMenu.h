#pragma once
// For widget tests: a right click on a widget, as the window system reports it, with a call that
// runs while the context menu is open (given nullptr when none opened). A menu the call leaves
// open is closed, so that the click returns and the test goes on.

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>

namespace platform {

inline void RightClickWithMenu(QWidget* widget, QPoint local, const std::function<void(QMenu*)>& onMenu)
{
    bool seen = false;
    QTimer::singleShot(200, [&] {
        seen = true;
        // The call may end what owns the menu.
        const QPointer<QMenu> menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        onMenu(menu);
        if (menu && menu->isVisible())
            menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, widget->mapToGlobal(local));
    QApplication::sendEvent(widget, &event);
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen; }, 5000));
}

} // namespace platform
