#pragma once
// The balloon tip: a borderless popup that shows a short text (and optionally an icon) in a
// rounded balloon whose callout points at the cursor, once the cursor has rested on a window
// registered with the tip. The windows it describes need nothing of it: their owner passes
// every event of the thread through RelayEvent, and the tip arms, shows and hides itself from
// mouse moves, clicks, keys and focus changes.

#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"
#include "platform/WindowTimers.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <unordered_map>

class CInfoTip : public QWidget {
public:
    static constexpr UINT kShowTimer = 100;  // the cursor has rested
    static constexpr UINT kWatchTimer = 101; // the cursor is watched while the balloon shows
    static constexpr UINT kWatchPeriod = 650;

    struct TipToolInfo {
        QString text;
        QPixmap icon;
    };

    CInfoTip();
    ~CInfoTip() override;

    // Makes the hidden popup; it goes when the owner's window goes.
    BOOL Create(QWidget* pParentWnd);
    // With an owner, every direct child of it that has a control id (its object name) is
    // registered with the text of that id.
    void Activate(BOOL bActive, QWidget* pOwner = nullptr);
    // Registers the window and its direct children. A null icon stands for the current one.
    void AddTool(QWidget* pWnd, const QString& text = QString(), const QPixmap& icon = QPixmap());
    // As AddTool with the text of the string id; an id without a string gives an empty text,
    // which never shows a balloon.
    void AddToolById(QWidget* pWnd, UINT nID, const QPixmap& icon = QPixmap());
    // The owner's event filter; never consumes the event.
    void RelayEvent(QObject* receiver, QEvent* event);
    // Arms the tip to show text after the delay, for the cursor at pt (null: where it is now).
    void Show(const QString& text, const POINT* pt = nullptr);
    void Hide();
    void SetIcon(const QPixmap& icon);
    // The balloon's region and the window's size (may be null) for the text, the font
    // selected into pDC and the icon.
    void MakeTipRegion(platform::CDC* pDC, platform::Region* pRgn, SIZE* pSize) const;
    bool IsTimerRunning(UINT id) const { return m_timers.IsTimerRunning(id); }

    // The message handlers.
    void OnTimer(UINT nIDEvent);
    void OnPaint(platform::CDC* pDC);
    void OnDestroy();

    UINT m_nDelay = 1250;
    POINT m_ptCursor;
    QString m_strText;
    UINT m_nTimer = 0;
    QPixmap m_hIcon;
    SIZE m_sizeIcon;
    platform::LogFont m_font;
    BOOL m_bActive = TRUE;
    BOOL m_bJustShown = FALSE;
    QWidget* m_pParentWnd = nullptr;
    std::unordered_map<const QWidget*, TipToolInfo> m_toolMap;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnMouseMove(POINT p);
    void Register(QWidget* pWnd, const TipToolInfo& info);
    void OnToolDestroyed(QObject* tool);

    platform::WindowTimers m_timers;
    bool m_bWindow = false; // Create made the window, and it has not gone since
};
