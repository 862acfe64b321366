#pragma once
// What the graph tests share: a parent that records the notifications, a drawing context
// with fixed font metrics that records its texts, and a look at a painted picture.

#include "platform/Colour.h"
#include "platform/DC.h"
#include "platform/WindowStyles.h"
#include "sprintor/graph/GraphNotify.h"
#include "sprintor/graph/GraphWnd.h"

#include <QImage>
#include <QWidget>

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

inline constexpr UINT kGraphId = 1003;

// The control as a child of a widget that watches its notifications.
class NotifyParent : public QWidget, public IGraphNotify {
public:
    explicit NotifyParent(const platform::Rect& rect = platform::Rect(0, 0, 400, 300))
    {
        resize(rect.right + 10, rect.bottom + 10);
        graph.Create(rect, WS_CHILD | WS_VISIBLE, this, kGraphId);
    }
    void OnGraphNotify(const NMHDR& header) override
    {
        codes.push_back(header.code);
        ids.push_back(header.idFrom);
        EXPECT_EQ(header.hwndFrom, &graph);
    }
    int Count(UINT code) const { return int(std::count(codes.begin(), codes.end(), code)); }

    CGraphWnd graph;
    std::vector<UINT> codes;
    std::vector<UINT> ids;
};

struct RecordedText {
    QString text;
    int x, y;
    UINT align;
    int height, escapement;
};

// A memory context whose font measures every character kCharWidth wide and exactly as
// high as the font's height; it records each text instead of drawing it.
class RecordingDC : public platform::CDC {
public:
    static constexpr int kCharWidth = 8;
    RecordingDC(int w, int h)
    {
        CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(w, h);
        SelectObject(bitmap);
    }
    BOOL TextOut(int x, int y, const QString& text) override
    {
        const platform::LogFont f = GetCurrentFont();
        texts.push_back({text, x, y, GetTextAlign(), f.lfHeight, f.lfEscapement});
        return TRUE;
    }
    SIZE GetTextExtent(const QString& text) const override
    {
        return {int(text.size()) * kCharWidth, GetCurrentFont().lfHeight};
    }
    const RecordedText* Find(const QString& text) const
    {
        for (const RecordedText& t : texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }
    platform::Bitmap bitmap;
    std::vector<RecordedText> texts;
};

inline COLORREF PixelAt(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}
