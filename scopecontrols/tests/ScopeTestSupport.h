#pragma once
// A scope in a parent window, built as Oscivo builds it, with its surfaces read by pixels.

#include "platform/Colour.h"
#include "platform/WindowStyles.h"
#include "scopecontrols/OScopeCtrl.h"
#include "scopecontrols/ScopeSettings.h"

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>
#include <memory>

namespace scopetest {

// Trace colours that OR into colours of their own on the black background.
inline constexpr COLORREF kTraceColors[kScopeSlots] = {
    RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0), RGB(0, 255, 255), RGB(255, 0, 255),
    RGB(128, 0, 0), RGB(0, 128, 0), RGB(0, 0, 128), RGB(128, 128, 0), RGB(0, 128, 128), RGB(128, 0, 128)};
inline constexpr COLORREF kBlack = 0x000000;
inline constexpr COLORREF kWhite = 0xFFFFFF;

// The box around the pixels of an image that are not the background colour.
inline QRect Inked(const QImage& image, COLORREF background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (platform::FromQColor(QColor::fromRgb(image.pixel(x, y))) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Whether any pixel of the box has the colour.
inline bool HasColor(const QImage& image, const QRect& box, COLORREF color)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.rect().contains(x, y) &&
                platform::FromQColor(QColor::fromRgb(image.pixel(x, y))) == color)
                return true;
    return false;
}

class ScopeTest : public ::testing::Test {
protected:
    ScopeTest() { ResetScopeSettings(); }
    ~ScopeTest() override { ResetScopeSettings(); }

    // A scope of the given client size (its window is 3 pixels larger on every side), its traces
    // coloured, as the dialog sets it up right after Create.
    void Make(int clientWidth, int clientHeight, int traces = kScopeSlots)
    {
        scope = std::make_unique<COScopeCtrl>(traces);
        traceCount = traces;
        ASSERT_TRUE(scope->Create(WS_CHILD | WS_VISIBLE,
                                  platform::Rect(0, 0, clientWidth + 6, clientHeight + 6), &parent, 0));
        for (int i = 0; i < traces && i < kScopeSlots; ++i)
            scope->SetTraceColor(kTraceColors[i], i);
    }
    void Push(double value)
    {
        std::vector<double> values(static_cast<std::size_t>(traceCount), value);
        scope->PushValues(values.data());
    }
    const QImage& Plot() const { return *scope->PlotSurface(); }
    const QImage& Grid() const { return *scope->GridSurface(); }
    COLORREF PlotAt(int x, int y) const { return platform::FromQColor(QColor::fromRgb(Plot().pixel(x, y))); }
    COLORREF GridAt(int x, int y) const { return platform::FromQColor(QColor::fromRgb(Grid().pixel(x, y))); }
    // What the window shows in its client area.
    QImage Painted() const
    {
        QImage image(scope->ClientRect().Width(), scope->ClientRect().Height(), QImage::Format_RGB32);
        {
            platform::CDC dc(&image);
            scope->OnPaint(&dc);
        }
        return image;
    }

    QWidget parent;
    std::unique_ptr<COScopeCtrl> scope;
    int traceCount = 0;
};

} // namespace scopetest
