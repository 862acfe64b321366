#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace platform {
namespace {

QMessageBox::Icon IconOf(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    default: return QMessageBox::NoIcon;
    }
}

// Windows boxes break lines at a carriage return as well; Qt's only at a line feed.
QString LineBreaks(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

class QtMessageBox : public IMessageBox {
public:
    int Show(QWidget* owner, const QString& text, const QString& caption, unsigned flags) override
    {
        QMessageBox box(IconOf(flags), caption, LineBreaks(text), QMessageBox::NoButton, owner);
        struct Choice {
            QMessageBox::StandardButton button;
            int answer;
        };
        std::vector<Choice> choices;
        if ((flags & 0x0F) == MB_YESNO)
            choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
        else
            choices = {{QMessageBox::Ok, IDOK}};
        for (const auto& c : choices)
            box.addButton(c.button);
        box.exec();
        const auto pressed = box.standardButton(box.clickedButton());
        for (const auto& c : choices)
            if (c.button == pressed)
                return c.answer;
        return choices.size() > 1 ? IDNO : IDOK;
    }
};

QtMessageBox g_qtBox;
IMessageBox* g_box = nullptr;

} // namespace

void SetMessageBox(IMessageBox* box)
{
    g_box = box;
}

int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned flags)
{
    return (g_box ? g_box : &g_qtBox)->Show(owner, text, caption, flags);
}

int ShowQuestion(QWidget* owner, const QString& text, const QString& caption, const QString& yesText,
                 const QString& noText)
{
    if (g_box)
        return g_box->Show(owner, text, caption, MB_YESNO | MB_ICONQUESTION);
    QMessageBox box(QMessageBox::Question, caption, LineBreaks(text), QMessageBox::NoButton, owner);
    QPushButton* yes = box.addButton(yesText, QMessageBox::YesRole);
    box.addButton(noText, QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes ? IDYES : IDNO;
}

} // namespace platform
