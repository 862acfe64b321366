#include "platform/StringTable.h"
#include "platform/SystemMetrics.h"
#include "scopecontrols/3DMeterCtrl.h"
#include "scopecontrols/tests/MeterTestSupport.h"

#include <cmath>
#include <gtest/gtest.h>

using metertest::At;
using metertest::Count;
using metertest::Paint;
using platform::Rect;

namespace {

constexpr COLORREF kNavy = 0x800000;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kRedShade = 0x0000A5;
constexpr COLORREF kYellow = 0x00FFFF;

class MeterPaint : public testing::Test {
protected:
    void SetUp() override
    {
        platform::SetStringTable({{49, "Spitze:"}});
        meter.resize(200, 200);
    }
    C3DMeterCtrl* owner = nullptr;
    C3DMeterCtrl meter{&owner};
};

TEST_F(MeterPaint, FaceOfANewMeter)
{
    const QImage image = Paint(meter);
    EXPECT_EQ(At(image, {0, 0}), 0u) << "the default pen frames the window in black";
    EXPECT_EQ(At(image, {199, 199}), 0u);
    EXPECT_EQ(At(image, {5, 5}), kNavy) << "background";
    EXPECT_EQ(At(image, {135, 80}), 0u) << "dial, at 30 degrees and radius 40";
    EXPECT_EQ(At(image, {100, 37}), 0xFFFFFFu) << "the tick straight up";
    EXPECT_EQ(At(image, {100, 33}), GetSysColor(COLOR_BTNSHADOW)) << "bevel above the outer arc";
    EXPECT_EQ(At(image, {100, 95}), GetSysColor(COLOR_BTNHIGHLIGHT)) << "bevel inside the hub arc";

    EXPECT_EQ(meter.m_dial.nRadius, 66);
    EXPECT_EQ(meter.m_fontDigits.lfHeight, 16);
    EXPECT_EQ(meter.m_nTextHeight, 16);
    EXPECT_EQ(meter.m_nReadoutY, 26);
    EXPECT_EQ(meter.m_nReadoutX, 100);
    EXPECT_EQ(meter.m_nPeakY, 196) << "100 + 66 + trunc(1.9 x 16)";

    // Labels "0.0" and "100.0" centred under the ends of the scale on the baseline 182, in
    // light grey over the background.
    const auto text = [](COLORREF c) { return c == 0xC8C8C8; };
    EXPECT_GT(Count(image, Rect(70, 168, 97, 183), text), 0);
    EXPECT_GT(Count(image, Rect(100, 168, 134, 183), text), 0);
}

TEST_F(MeterPaint, NeedleIsLitOnTheSideTowardTheTop)
{
    struct Case {
        double value;
        bool litLeft;
    };
    // 50 is straight up; a little more turns the needle just past 90 degrees to the right.
    for (const Case c : {Case{50, true}, Case{49.5, false}, Case{50.5, true}}) {
        meter.SetValue(c.value);
        const QImage image = Paint(meter);
        const Rect left(80, 40, 100, 116), right(101, 40, 121, 116);
        const auto lit = [](COLORREF p) { return p == kRed; };
        const auto shade = [](COLORREF p) { return p == kRedShade; };
        SCOPED_TRACE(c.value);
        if (c.litLeft) {
            EXPECT_GT(Count(image, left, lit), 10);
            EXPECT_EQ(Count(image, left, shade), 0);
            EXPECT_GT(Count(image, right, shade), 10);
        } else {
            EXPECT_GT(Count(image, right, lit), 10);
            EXPECT_EQ(Count(image, right, shade), 0);
            EXPECT_GT(Count(image, left, shade), 10);
        }
    }
}

TEST_F(MeterPaint, MarkersAtTheLowestAndHighestValueAndThePeakReadout)
{
    for (double v : {5.0, 3.0, 8.0, 6.0})
        meter.SetValue(v);
    ASSERT_EQ(meter.m_dMinMarker, 3);
    ASSERT_EQ(meter.m_dMaxMarker, 8);
    const auto centroid = [](const Triangle& t) {
        return POINT{(t[0].x + t[1].x + t[2].x) / 3, (t[0].y + t[1].y + t[2].y) / 3};
    };
    QImage image = Paint(meter);
    const POINT minAt = centroid(meter.m_dial.MinMarker(ValueAngle(3, 0, 100)));
    const POINT maxAt = centroid(meter.m_dial.MaxMarker(ValueAngle(8, 0, 100)));
    EXPECT_EQ(At(image, minAt), kYellow);
    EXPECT_EQ(At(image, maxAt), kYellow);
    const auto notBack = [](COLORREF c) { return c != kNavy; };
    // Below the scale labels' baseline, down to the peak readout's.
    const Rect peakBand(40, meter.m_nPeakY - 13, 160, meter.m_nPeakY + 1);
    EXPECT_GT(Count(image, peakBand, notBack), 0);

    meter.OnToggleMinMarker();
    meter.OnToggleMaxMarker();
    meter.OnTogglePeakReadout();
    image = Paint(meter);
    EXPECT_EQ(At(image, minAt), 0u) << "markers off: only the dial";
    EXPECT_EQ(At(image, maxAt), 0u);
    EXPECT_EQ(Count(image, peakBand, notBack), 0) << "peak readout off";
    const Rect valueBand(40, meter.m_nReadoutY - meter.m_nTextHeight, 160, meter.m_nReadoutY + 2);
    EXPECT_GT(Count(image, valueBand, notBack), 0) << "the value readout stays";
}

TEST_F(MeterPaint, NeedleIsClippedToTheDial)
{
    meter.SetValue(50);
    const QImage image = Paint(meter);
    EXPECT_EQ(At(image, {99, 80}), kRed);
    EXPECT_EQ(At(image, {100, 100}), kNavy) << "the hub is not part of the dial";
    EXPECT_EQ(At(image, {100, 112}), kNavy) << "nor is the gap at the bottom, where the tail lies";
}

TEST_F(MeterPaint, ValuesRepaintOverTheCachedFaceAndSettingsDiscardIt)
{
    struct Case {
        const char* what;
        std::function<void(C3DMeterCtrl&)> change;
        bool discards;
    };
    const Case cases[] = {
        {"a value", [](C3DMeterCtrl& m) { m.SetValue(42); }, false},
        {"the same scale", [](C3DMeterCtrl& m) { m.SetScaleRange(0, 100); }, false},
        {"a new scale", [](C3DMeterCtrl& m) { m.SetScaleRange(0, 200); }, true},
        {"the same scale digits", [](C3DMeterCtrl& m) { m.SetScaleDigits(1); }, true},
        {"the same readout digits", [](C3DMeterCtrl& m) { m.SetReadoutDigits(3); }, false},
        {"other readout digits", [](C3DMeterCtrl& m) { m.SetReadoutDigits(1); }, true},
        {"the same units", [](C3DMeterCtrl& m) { m.SetUnits(QString()); }, false},
        {"other units", [](C3DMeterCtrl& m) { m.SetUnits(QStringLiteral("km/h")); }, true},
        {"the background", [](C3DMeterCtrl& m) { m.SetBackColor(0x123456); }, true},
        {"the dial", [](C3DMeterCtrl& m) { m.SetDialColor(0x123456); }, true},
        {"the ticks", [](C3DMeterCtrl& m) { m.SetTickColor(0x123456); }, true},
        {"the needle", [](C3DMeterCtrl& m) { m.SetNeedleColor(0x123456); }, true},
        {"the title", [](C3DMeterCtrl& m) { m.SetTitle(QStringLiteral("x")); }, false},
    };
    for (const Case& c : cases) {
        C3DMeterCtrl* slot = nullptr;
        C3DMeterCtrl fresh(&slot);
        fresh.resize(120, 120);
        Paint(fresh);
        ASSERT_TRUE(fresh.m_dcFace);
        c.change(fresh);
        EXPECT_EQ(!fresh.m_dcFace, c.discards) << c.what;
    }
}

TEST_F(MeterPaint, ANewSizeRebuildsTheFaceWithItsRadiusAndFont)
{
    Paint(meter);
    meter.resize(300, 90);
    meter.OnSize(0, 300, 90);
    const QImage image = Paint(meter);
    EXPECT_EQ(meter.m_dial.nRadius, 30);
    EXPECT_EQ(meter.m_dial.nCentreX, 150);
    EXPECT_EQ(meter.m_fontDigits.lfHeight, 7);
    EXPECT_EQ(meter.m_bitmapFace.GetSize(), (SIZE{300, 90}));
    EXPECT_EQ(At(image, {299, 89}), 0u);
}

TEST_F(MeterPaint, AMeterOnlyAFewPixelsBigStillPaints)
{
    // Sizes where the radius, the hub, the marker length or the font height come out as 0 or less.
    const SIZE sizes[] = {{0, 0}, {1, 1}, {200, 1}, {200, 3}, {3, 200}, {40, 7}, {0, 50}};
    for (const SIZE s : sizes) {
        SCOPED_TRACE(testing::Message() << s.cx << " x " << s.cy);
        C3DMeterCtrl* slot = nullptr;
        C3DMeterCtrl tiny(&slot);
        tiny.resize(s.cx, s.cy);
        tiny.SetValue(50);
        Paint(tiny);
        EXPECT_GE(tiny.m_fontDigits.lfHeight, 1) << "a font height of 0 would mean the default height";
        if (s.cx > 0 && s.cy > 0) {
            EXPECT_EQ(tiny.m_bitmapFace.GetSize(), s);
        }
    }
}

} // namespace
