#pragma once
// The power diagram's widget: shows the chart model through the one paint routine, draws
// itself into a bitmap of its on-screen size and prints itself on the default printer.

#include <QImage>
#include <QWidget>

namespace dynalyt {

struct ChartModel;

class TChart : public QWidget {
    Q_OBJECT
public:
    TChart(const ChartModel& model, QWidget* parent);

    // The chart at its on-screen size on its white background, without what lies over it.
    QImage ToImage() const;
    // Writes ToImage() as a Windows BMP file under exactly this name; raises DynalytError when
    // the file cannot be written, and then leaves no file behind.
    void SaveToBitmapFile(const QString& fileName) const;
    // One job named after the component on the default printer, scaled to the page with the
    // proportions of the screen; raises DynalytError when there is no printer or the job fails.
    void Print() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ChartModel& m_model;
};

} // namespace dynalyt
