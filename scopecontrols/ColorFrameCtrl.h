#pragma once
// The colour swatch: a plain child window with a static edge whose client area is filled with
// one colour and framed by a one-pixel line in another.

#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"

#include <QWidget>

class CColorFrameCtrl : public QWidget {
public:
    CColorFrameCtrl();
    ~CColorFrameCtrl() override;

    // Makes the swatch a child of the parent over rect (the parent's client coordinates, the
    // edge included) with the child id; shown when the style has WS_VISIBLE.
    BOOL Create(DWORD dwStyle, const platform::Rect& rect, QWidget* pParentWnd, UINT nID);

    // Each repaints the swatch, even with the colour it already has.
    void SetBackColor(COLORREF color);
    void SetFrameColor(COLORREF color);

    // The message handlers, called by the Qt events below.
    void OnPaint(platform::CDC* paintDC);
    void OnSize(UINT type, int cx, int cy);

    COLORREF m_crBackColor = 0x000000; // read by the owner, to skip setting the colour it has
    COLORREF m_crFrameColor = 0xFFFF00;
    platform::Rect m_rectClient;
    platform::Brush m_brushBack;
    platform::Brush m_brushFrame;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
