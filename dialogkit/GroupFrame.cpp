#include "dialogkit/GroupFrame.h"

#include <QPainter>

namespace {

constexpr int kTitleIndent = 6;
constexpr int kTitlePadding = 2;

} // namespace

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), m_strTitle(title)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect GroupFrame::TitleRect() const
{
    if (m_strTitle.isEmpty())
        return {};
    const QFontMetrics fm(font());
    return {kTitleIndent, 0, fm.horizontalAdvance(m_strTitle) + 2 * kTitlePadding, fm.height()};
}

void GroupFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int top = QFontMetrics(font()).height() / 2;
    const QRect frame(0, top, width() - 2, height() - top - 2);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    p.setPen(light);
    p.drawRect(frame.translated(1, 1));
    p.setPen(shadow);
    p.drawRect(frame);
    const QRect text = TitleRect();
    if (text.isEmpty())
        return; // the top line runs through
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text, Qt::AlignCenter, m_strTitle);
}
