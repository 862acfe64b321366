#pragma once
// For widget tests: a right click on a widget, as the window system reports it, with a call that
// runs while the context menu is open (given nullptr when none opened within 200 ms). A menu the
// call leaves open is closed, so that the click returns and the test goes on.

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
    const auto take = [&](QMenu* shown) {
        seen = true;
        // The call may end what owns the menu.
        const QPointer<QMenu> menu = shown;
        onMenu(menu);
        if (menu && menu->isVisible())
            menu->close();
    };
    // Looks for the menu from inside the loop that shows it.
    QTimer look;
    look.setInterval(1);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!seen && menu && menu->isVisible())
            take(menu);
    });
    look.start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, widget->mapToGlobal(local));
    QApplication::sendEvent(widget, &event);
    if (!QTest::qWaitFor([&] { return seen; }, 200))
        take(nullptr);
}

} // namespace platform
