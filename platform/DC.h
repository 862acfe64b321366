#pragma once
// A GDI-shaped drawing context over QPainter, for controls whose drawing is written as GDI
// calls: it keeps the selected pen, brush and font, text and background colours, background
// mode, text alignment, current position, window origin and clip, starts from the Windows
// defaults (black one-pixel pen, white brush, black text on an opaque white background,
// left-top alignment), and draws one-pixel lines with their end pixel left out. A context
// draws on a widget during its paint, on a memory surface (a Bitmap), or on a printer.

#include "platform/GdiObjects.h"
#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"

#include <QString>

#include <memory>

class QPaintDevice;
class QPixmap;
class QPrinter;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;

constexpr UINT BDR_RAISEDOUTER = 0x1;
constexpr UINT BDR_SUNKENOUTER = 0x2;
constexpr UINT BDR_RAISEDINNER = 0x4;
constexpr UINT BDR_SUNKENINNER = 0x8;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x1;
constexpr UINT BF_TOP = 0x2;
constexpr UINT BF_RIGHT = 0x4;
constexpr UINT BF_BOTTOM = 0x8;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_ADJUST = 0x2000;

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;

constexpr int MM_TEXT = 1;

constexpr int HORZRES = 8;
constexpr int VERTRES = 10;

constexpr int SP_ERROR = -1;

constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

namespace platform {

// The state and surface behind a context, what a device-context handle names.
class DeviceContext;

struct TextMetrics {
    int tmHeight = 0; // cell height: ascent plus descent
};

class CDC {
public:
    // A context without a surface; CreateCompatibleDC or Attach gives it one.
    CDC();
    // Draws on a widget (inside its paint event) or an image for the lifetime of the object.
    explicit CDC(QPaintDevice* device);
    // A printer context: drawing starts with StartDoc. Its printing flag is set.
    explicit CDC(QPrinter* printer);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory context with a 1 x 1 surface, as a Bitmap selected into it replaces.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Takes another context's handle as this object's own; Detach hands it back.
    void Attach(DeviceContext* hDC);
    DeviceContext* Detach();
    DeviceContext* GetSafeHdc() const { return m_hDC; }
    bool IsPrinting() const { return m_bPrinting; }

    // Selecting returns the object that was selected before.
    Pen SelectObject(const Pen& pen);
    Brush SelectObject(const Brush& brush);
    LogFont SelectObject(const LogFont& font);
    Bitmap SelectObject(const Bitmap& bitmap); // memory contexts only
    Pen GetCurrentPen() const;
    Brush GetCurrentBrush() const;
    LogFont GetCurrentFont() const;

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    UINT SetTextAlign(UINT align);
    UINT GetTextAlign() const;

    // Only MM_TEXT is known: one logical unit is one device pixel; the window origin shifts.
    int SetMapMode(int mode);
    int GetMapMode() const;
    POINT SetWindowOrg(int x, int y);
    POINT GetWindowOrg() const;
    void LPtoDP(POINT* points, int count = 1) const;
    void DPtoLP(POINT* points, int count = 1) const;

    // Saves the whole state; RestoreDC(-1) restores the latest, RestoreDC(n) the n-th.
    int SaveDC();
    BOOL RestoreDC(int saved);

    // Clip, in logical coordinates as given, kept in device coordinates.
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(const Rect& rect)
    {
        return IntersectClipRect(rect.left, rect.top, rect.right, rect.bottom);
    }
    int SelectClipRgn(const Region* region); // nullptr removes the clip
    int GetClipBox(Rect* rect) const;

    POINT MoveTo(int x, int y);
    POINT MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    POINT GetCurrentPosition() const;
    BOOL Polyline(const POINT* points, int count);
    BOOL Polygon(const POINT* points, int count);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const Rect& r) { return Rectangle(r.left, r.top, r.right, r.bottom); }
    // Fills with the colour and leaves it as the background colour.
    void FillSolidRect(const Rect& rect, COLORREF color);
    void FillRect(const Rect& rect, const Brush& brush);
    void FrameRect(const Rect& rect, const Brush& brush);
    // A region in logical coordinates, filled, or framed by a border of width x height pixels
    // along the inside of its edge.
    BOOL FillRgn(const Region* region, const Brush& brush);
    BOOL FrameRgn(const Region* region, const Brush& brush, int width, int height);
    BOOL DrawEdge(Rect* rect, UINT edge, UINT flags);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const; // memory contexts; 0xFFFFFFFF elsewhere
    // An icon over what is there (its transparent pixels leave it), in cx x cy; 0 takes its own size.
    BOOL DrawIconEx(int x, int y, const QPixmap& icon, int cx, int cy);

    // Text at a reference point, placed by the text alignment, in the text colour, over a
    // cell of the background colour when the background mode is OPAQUE.
    virtual BOOL TextOut(int x, int y, const QString& text);
    virtual SIZE GetTextExtent(const QString& text) const;
    TextMetrics GetTextMetrics() const;

    // Copies a block from a memory context (SRCCOPY, SRCPAINT).
    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, DWORD rop);
    // The same, the source block scaled to the destination, pixel by pixel.
    BOOL StretchBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, DWORD rop);
    // Copies and scales a block, leaving out the source pixels of the transparent colour.
    BOOL TransparentBlt(int x, int y, int width, int height, CDC* src, int xSrc, int ySrc, int srcWidth,
                        int srcHeight, COLORREF transparent);
    // Moves the pixels of scroll (within clip) of a memory context by dx, dy.
    BOOL ScrollDC(int dx, int dy, const Rect& scroll, const Rect& clip);

    int GetDeviceCaps(int index) const;

    // Printer contexts.
    int StartDoc(const QString& docName);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();

protected:
    DeviceContext* m_hDC = nullptr;
    bool m_bPrinting = false;

private:
    std::unique_ptr<DeviceContext> m_owned;
};

} // namespace platform
