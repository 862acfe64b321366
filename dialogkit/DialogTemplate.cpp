#include "dialogkit/DialogTemplate.h"

#include "dialogkit/GroupFrame.h"
#include "dialogkit/StaticText.h"
#include "platform/DialogUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <stdexcept>

namespace {

// The height of a closed drop-down list: one edit line.
constexpr int kDropListHeight = 12;

// A new control of the class, or the member given for it.
template <class Control> Control* Take(QWidget* dialog, QWidget* member)
{
    if (!member)
        return new Control(dialog);
    auto* control = qobject_cast<Control*>(member);
    if (!control)
        throw std::invalid_argument("a dialog member does not fit the kind of its control");
    control->setParent(dialog);
    return control;
}

QLabel* MakeStatic(QWidget* dialog, QWidget* member, const QString& text, QRect rect)
{
    QLabel* label = Take<QLabel>(dialog, member);
    label->setText(text);
    PlaceStatic(label, rect);
    return label;
}

template <class Frame> Frame* MakeSunken(QWidget* dialog, QWidget* member)
{
    auto* frame = Take<Frame>(dialog, member);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    return frame;
}

QPushButton* MakeButton(QWidget* dialog, QWidget* member, const ControlTemplate& row, const QString& text)
{
    auto* button = Take<QPushButton>(dialog, member);
    const bool icon = row.kind == ControlKind::IconButton || row.kind == ControlKind::DefaultIconButton;
    button->setDefault(row.kind == ControlKind::DefaultPushButton ||
                       row.kind == ControlKind::DefaultIconButton);
    if (!icon) {
        button->setText(text);
        return button;
    }
    // The icon stands for the text; the text stays the button's name.
    button->setAccessibleName(text);
    const QSize size = row.Rect().size();
    const int side = std::max(4, std::min(size.width(), size.height()) - 4);
    button->setIconSize(QSize(side, side));
    return button;
}

QLineEdit* MakeEdit(QWidget* dialog, QWidget* member, ControlKind kind)
{
    auto* edit = Take<QLineEdit>(dialog, member);
    if (kind == ControlKind::CentredEdit)
        edit->setAlignment(Qt::AlignCenter);
    if (kind == ControlKind::NumberEdit)
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

} // namespace

QRect ControlTemplate::Rect() const
{
    return platform::DialogRect(x, y, cx, cy);
}

QWidget* MakeControl(QWidget* dialog, const ControlTemplate& row, QWidget* member)
{
    const QString text = QString::fromUtf8(row.text);
    QRect rect = row.Rect();
    QWidget* control = nullptr;
    switch (row.kind) {
    case ControlKind::BlackFrame: {
        auto* frame = Take<QFrame>(dialog, member);
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        frame->setPalette(palette);
        control = frame;
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::IconButton:
    case ControlKind::DefaultIconButton: control = MakeButton(dialog, member, row, text); break;
    case ControlKind::GroupBox:
        if (member)
            throw std::invalid_argument("a group box is no dialog member");
        control = new GroupFrame(text, dialog);
        break;
    case ControlKind::Static:
    case ControlKind::CentredStatic:
    case ControlKind::SunkenStatic: {
        // Placed as wide as its text needs: its rectangle is its own.
        QLabel* label = MakeStatic(dialog, member, text, rect);
        rect = label->geometry();
        if (row.kind == ControlKind::CentredStatic)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (row.kind == ControlKind::SunkenStatic) {
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setIndent(0); // a static draws its text right inside its edge
        }
        control = label;
        break;
    }
    case ControlKind::SunkenPicture: control = MakeSunken<QLabel>(dialog, member); break;
    case ControlKind::Edit:
    case ControlKind::CentredEdit:
    case ControlKind::NumberEdit: control = MakeEdit(dialog, member, row.kind); break;
    case ControlKind::DropList:
        control = Take<QComboBox>(dialog, member);
        rect.setHeight(platform::DluToPixelsY(kDropListHeight));
        break;
    case ControlKind::CheckBox: {
        auto* box = Take<QCheckBox>(dialog, member);
        box->setText(text);
        control = box;
        break;
    }
    case ControlKind::SwatchStatic: control = MakeSunken<QFrame>(dialog, member); break;
    }
    if (row.id != IDC_STATIC)
        control->setObjectName(QString::number(row.id));
    control->setGeometry(rect);
    control->setVisible(row.visible);
    return control;
}
