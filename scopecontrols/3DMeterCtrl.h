#pragma once
// The analog meter: a floating, resizable tool window that shows one value on a round dial
// with a two-tone needle, yellow markers at the lowest and highest value seen, the value above
// the dial and the peak below it. The dial face is drawn once into a cache bitmap and copied
// at every paint; needle, markers and readouts are drawn over the copy.
//
// The meter tells its owner when it goes: the owner passes the address of its pointer to the
// meter, and when the user closes the window, or the owner's window is destroyed, the meter
// empties that pointer and deletes itself. The owner may delete the meter itself; then the
// meter leaves the pointer alone and the owner empties it.

#include "platform/DC.h"
#include "platform/GdiObjects.h"
#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"
#include "scopecontrols/DialGeometry.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class C3DMeterCtrl : public QWidget {
    Q_OBJECT
public:
    // The commands of the context menu, by position.
    static constexpr UINT ID_MAXMARKER = 32776;
    static constexpr UINT ID_MINMARKER = 32775;
    static constexpr UINT ID_PEAK = 32782;
    static constexpr UINT ID_RESETPEAK = 32781;
    static constexpr UINT ID_INVERT = 32783;
    static constexpr UINT ID_NEEDLECOLOR = 32777;
    static constexpr UINT ID_BACKCOLOR = 32780;
    static constexpr UINT ID_DIALCOLOR = 32778;
    static constexpr UINT ID_TICKCOLOR = 32779;

    explicit C3DMeterCtrl(C3DMeterCtrl** ppOwner);
    ~C3DMeterCtrl() override;

    // Makes the floating tool window at rect (screen coordinates, caption and frame included),
    // owned by the parent, captioned "Oscivo Meter", and paints it. The class name and nID are
    // not used.
    BOOL Create(const QString& className, DWORD dwStyle, const platform::Rect& rect, QWidget* pParentWnd,
                UINT nID);

    void SetValue(double value);
    void SetScaleRange(double min, double max);
    void SetScaleDigits(int digits);
    void SetReadoutDigits(int digits);
    void SetTitle(const QString& title);
    void SetBackColor(COLORREF color);
    void SetDialColor(COLORREF color);
    void SetTickColor(COLORREF color);
    void SetNeedleColor(COLORREF color);
    void SetUnits(const QString& units);

    // The message handlers, called by the Qt events below.
    void OnPaint(platform::CDC* paintDC);
    void OnSize(UINT type, int cx, int cy);
    void OnDestroy();
    void OnContextMenu(QWidget* pWnd, POINT point);
    void OnCommand(UINT id);
    void OnToggleMaxMarker() { m_bShowMaxMarker = !m_bShowMaxMarker; }
    void OnToggleMinMarker() { m_bShowMinMarker = !m_bShowMinMarker; }
    void OnTogglePeakReadout() { m_bShowPeak = !m_bShowPeak; }
    void OnResetPeak() { m_dMaxMarker = m_dValue; }
    void OnInvertColors();
    void OnChooseNeedleColor();
    void OnChooseBackColor();
    void OnChooseDialColor();
    void OnChooseTickColor();

    // Drops the face cache and asks for a repaint; the next paint draws the face anew.
    void DiscardFaceCache();

    C3DMeterCtrl** m_ppOwner;
    DialGeometry m_dial{platform::Rect()}; // centre and radii of the latest face painting
    int m_nTextHeight = 0;
    int m_nReadoutY = 0;
    int m_nReadoutX = 0;
    int m_nPeakY = 0;
    double m_dStartAngle = 0;
    double m_dEndAngle = 0;
    platform::Rect m_rectCtrl;
    std::array<POINT, kOutlinePoints> m_ptOutline{};
    platform::Region m_rgnDial;
    platform::LogFont m_fontDigits;
    COLORREF m_crDial = 0x000000;
    COLORREF m_crHighlight = 0;
    COLORREF m_crShadow = 0;
    COLORREF m_crText = 0xC8C8C8;
    std::unique_ptr<platform::CDC> m_dcFace; // the face cache, with m_bitmapFace selected
    platform::Bitmap m_bitmapFace;
    int m_nScaleDigits = 1;
    int m_nReadoutDigits = 3;
    double m_dValue = 0;
    double m_dMaxValue = 100;
    double m_dMinValue = 0;
    double m_dMaxMarker = 0;
    double m_dMinMarker = 100;
    COLORREF m_crMarker = 0x00FFFF;
    bool m_bShowMaxMarker = true;
    bool m_bShowMinMarker = true;
    bool m_bShowPeak = true;
    bool m_bInverted = false;
    COLORREF m_crNeedle = 0x0000FF;
    COLORREF m_crNeedleShade = 0x0000A5;
    COLORREF m_crBack = 0x800000;
    COLORREF m_crTicks = 0xFFFFFF;
    QString m_strUnits;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void PaintFace(platform::CDC* pDC, const platform::Rect& rect);
    void PaintNeedle(platform::CDC* pDC);
    void PaintMinMarker(platform::CDC* pDC);
    void PaintMaxMarker(platform::CDC* pDC);
    void PaintNeedleBody(platform::CDC* pDC);
    void PaintReadout(platform::CDC* pDC);
    void ChooseColor(void (C3DMeterCtrl::*setter)(COLORREF));

    bool m_bGone = false; // the destroy handling ran
};
