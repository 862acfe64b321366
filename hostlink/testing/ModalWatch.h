#pragma once
// For tests of the plug-in dialogs: runs a call that shows a modal dialog and says whether that
// dialog was still open after a while, as a person would find it; it is then closed by hand, so
// that the call returns and the test goes on.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

inline bool StillOpenAfter(int ms, const std::function<void()>& showModal)
{
    QObject guard; // drops the timer when the call returns first
    bool stillOpen = false;
    QTimer::singleShot(ms, &guard, [&] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            stillOpen = true;
            box->reject();
        }
    });
    showModal();
    return stillOpen;
}
