// The chart widget paints the model it is given: white ground, the series in their colours,
// lines kept inside the plot.
#include "dynalyt/core/ChartModel.h"
#include "dynalyt/ui/TChart.h"
#include "platform/Colour.h"

#include <QElapsedTimer>
#include <QImage>

#include <gtest/gtest.h>

namespace dynalyt {
namespace {

int CountColour(const QImage& image, QRgb colour, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

class Chart : public ::testing::Test {
protected:
    Chart() : widget(model, nullptr) { widget.resize(665, 425); }

    void Fill(double topPower)
    {
        for (int i = 0; i <= 47; ++i) {
            const double rpm = 2000 + i * 100;
            model.Series1.AddXY(rpm, topPower * i / 47);
            model.Series2.AddXY(rpm, 200 - i);
            model.Series3.AddXY(rpm, 0.5 - i * 0.01);
        }
        model.RightAxis.SetMaximum(0.6);
        model.RightAxis.SetIncrement(0.1);
        model.LeftAxis.SetMaximum(260);
        model.LeftAxis.SetIncrement(20);
        model.BottomAxis.SetMaximum(6700);
        model.BottomAxis.SetMinimum(2000);
        model.BottomAxis.SetIncrement(50);
    }

    ChartModel model;
    TChart widget;
};

const QRgb kRed = qRgb(0xFF, 0, 0);
const QRgb kNavy = qRgb(0, 0, 0x80);
const QRgb kSeries3 = platform::ToQColor(0x00FF80).rgb(); // Windows value: red 0x80, green 0xFF

TEST_F(Chart, EmptyChartShowsWhiteGroundLegendAndNoSeriesLines)
{
    const QImage image = widget.ToImage();
    EXPECT_EQ(image.size(), QSize(665, 425));
    for (QPoint corner : {QPoint(0, 0), QPoint(664, 0), QPoint(0, 424), QPoint(664, 424)})
        EXPECT_EQ(image.pixel(corner) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_GT(CountColour(image, qRgb(0xC0, 0xC0, 0xC0)), 100); // the legend on silver
    // Only the legend's sample lines carry the series' colours.
    EXPECT_LT(CountColour(image, kRed), 30);
}

TEST_F(Chart, SeriesAreDrawnInTheirColours)
{
    EXPECT_EQ(kSeries3, qRgb(0x80, 0xFF, 0x00));
    Fill(150);
    const QImage image = widget.ToImage();
    EXPECT_GT(CountColour(image, kRed), 300);
    EXPECT_GT(CountColour(image, kNavy), 300);
    EXPECT_GT(CountColour(image, kSeries3), 300);
}

TEST_F(Chart, LinesStayInsideThePlot)
{
    Fill(2000); // far above the left axis
    const QImage image = widget.ToImage();
    // Nothing red above the plot (the title's band) or to the right of the legend's column.
    EXPECT_EQ(CountColour(image, kRed, QRect(0, 0, 665, 25)), 0);
    EXPECT_GT(CountColour(image, kRed), 100);
}

TEST_F(Chart, GreyDottedGridOnlyWhereTheAxesHaveSteps)
{
    // Inside the plot, away from every text.
    const QRect inside(120, 60, 380, 280);
    const int gridless = CountColour(widget.ToImage(), qRgb(0x80, 0x80, 0x80), inside);
    Fill(0);
    const int grid = CountColour(widget.ToImage(), qRgb(0x80, 0x80, 0x80), inside);
    EXPECT_EQ(gridless, 0);
    EXPECT_GT(grid, 1000);
}

// Axes far beyond any real measurement, as absurd typed values give them: the chart still
// paints, in bounded time, with a handful of labels.
TEST_F(Chart, ExtremeAxesPaintInBoundedTime)
{
    struct Case {
        const char* what;
        double bottomMin, bottomMax, leftMax;
    };
    const Case cases[] = {
        {"huge left axis", 2000, 6700, 1e300},
        {"bottom axis narrower than its values resolve", 1e20, 1e20 + 16384, 260},
    };
    for (const Case& c : cases) {
        ChartModel m;
        m.Series1.AddXY(c.bottomMin, c.leftMax / 2);
        m.Series1.AddXY(c.bottomMax, c.leftMax);
        m.LeftAxis.SetMaximum(c.leftMax);
        m.LeftAxis.SetIncrement(20);
        m.BottomAxis.SetMaximum(c.bottomMax);
        m.BottomAxis.SetMinimum(c.bottomMin);
        m.BottomAxis.SetIncrement(50);
        TChart chart(m, nullptr);
        chart.resize(665, 425);
        QElapsedTimer timer;
        timer.start();
        const QImage image = chart.ToImage();
        EXPECT_LT(timer.elapsed(), 5000) << c.what;
        EXPECT_EQ(image.size(), QSize(665, 425)) << c.what;
    }
}

} // namespace
} // namespace dynalyt
