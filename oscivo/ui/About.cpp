#include "oscivo/ui/About.h"

#include "dialogkit/StaticText.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/OscivoStrings.h"
#include "platform/Codec1252.h"
#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "platform/PointFont.h"
#include "platform/StringTable.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kWidth = 170;
constexpr int kHeight = 212;
constexpr int kMargin = 7;

// The static texts below the version line, top to bottom, with their top in dialog units.
struct Line {
    int y;
    const char* text;
};
constexpr Line kLines[] = {
    {40, "Oscivo: graphing plugin for Diagnoma"},        {50, "written by the Oscivo authors"},
    {66, "Oscivo: Virtual Meter plugin for Diagnoma"},   {76, "written by the Oscivo authors"},
    {96, "Scope drawn after a scrolling chart control"}, {106, "Meter drawn after an analog gauge control"},
    {122, "Adapted to the current plug-in interface"},   {144, "Oscivo project"},
    {154, "http://oscivo.example.org/source/"},
};

QLabel* AddCentred(QWidget* parent, const QString& text, int y)
{
    QLabel* label = AddStatic(parent, text, platform::DialogRect(kMargin, y, kWidth - 2 * kMargin, 8));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->move((parent->width() - label->width()) / 2, label->y());
    return label;
}

} // namespace

About::About(QWidget* parent) : QDialog(parent)
{
    using platform::DialogRect;
    setObjectName(QString::number(IDD));
    setWindowTitle(QString::fromUtf8("Über Oscivo"));
    setFont(platform::DialogFont());
    setFixedSize(DialogRect(0, 0, kWidth, kHeight).size());

    AddCentred(this, QStringLiteral("Oscivo"), 10);
    AddCentred(this, ResStr(IDS_VERSION) + QLatin1Char(' ') + platform::FromCp1252(g_strVersion), 22)
        ->setObjectName(QString::number(IDC_VERSION));
    for (const Line& line : kLines)
        AddCentred(this, QString::fromUtf8(line.text), line.y);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setGeometry(DialogRect((kWidth - 50) / 2, kHeight - 21, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
