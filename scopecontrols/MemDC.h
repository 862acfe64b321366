#pragma once
// The off-screen drawing surface of a paint: everything drawn goes into a memory bitmap over
// the painted area, copied onto the target in one transfer when the object is destroyed, so a
// window never shows a half-drawn picture. A printer target, or an owner that asks for no
// buffering, is drawn on directly instead.

#include "platform/DC.h"

class CMemDC : public platform::CDC {
public:
    // area null: the target's clip box.
    explicit CMemDC(platform::CDC* pDC, const platform::Rect* pRect = nullptr, bool bBuffer = true);
    ~CMemDC() override;

private:
    platform::Bitmap m_bitmap;
    platform::Bitmap m_pOldBitmap;
    platform::CDC* m_pTargetDC;
    platform::Rect m_rcArea;
    BOOL m_bBuffering;
};
