#include <QByteArray>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct Output {
    int exitCode;
    QList<QByteArray> lines;
    QByteArray errors;
};

Output EvaluateWith(const QStringList& arguments)
{
    QProcess p;
    p.start(QStringLiteral(TOOLSET_PROGRAM_DYNALYT_EVALUATE), arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    QByteArray out = p.readAllStandardOutput();
    if (out.endsWith('\n'))
        out.chop(1);
    return {p.exitCode(), out.split('\n'), p.readAllStandardError()};
}

Output Evaluate(const QString& file)
{
    return EvaluateWith({file});
}

QString WriteFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes)
{
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

// 48 samples taken as they are: speed 36 + 3.6 i km/h (10 + i m/s) every 0.5 s, engine speed
// 2000 + 50 i; a coast-down falling 2.5 km/h per second from 250 km/h. 1000 kg, 1013 mbar,
// and an implausible temperature that the chain replaces by 20 degrees.
QByteArray HandMeasurement()
{
    QByteArray text =
        "[eingaben]\r\n\r\n \r\n \r\n \r\n \r\n \r\n1000\r\n1013\r\n81\r\n \r\n \r\n \r\n \r\n \r\n"
        "1,0\r\n\r\n[beschleunigen]\r\n\r\n";
    for (int i = 0; i < 48; ++i)
        text += QByteArray::number(0.5 * i).replace('.', ',') + "\t" + QByteArray::number(2000 + 50 * i) +
                "\t" + QByteArray::number(36 + 3.6 * i, 'f', 2).replace('.', ',') + "\r\n";
    text += "\r\n[ausrollen]\r\n\r\n0\t250\r\n100\t0\r\n";
    return text;
}

TEST(Evaluate, PrintsMessagesResultRowsLabelsAndAxes)
{
    QTemporaryDir dir;
    const Output run = Evaluate(WriteFile(dir, "hand.dym", HandMeasurement()));
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 1 + 48 + 3 + 3);
    EXPECT_EQ(QString::fromUtf8(run.lines[0]),
              QString::fromUtf8("Einstellungen prüfen!\\r\\rTemperatur unplausibel (-30 - 80°C)."));
    // Row 10 by hand: v 20 m/s, E 200000 J, pAcc 41 kW over 0.5 s, the coast-down 1.44 s per
    // 3.6 km/h (pDrag 41 / 2.88), smoothing leaves a straight line as it is, pCorr =
    // 1.13 x 41 x (1 + 1 / 2.88) x 1013.25 / 1013, torque = pCorr / (2500 x 0.000104719...).
    EXPECT_EQ(run.lines[1 + 10],
              "72,00\t5,00\t71,20\t2500\t20,00\t200000\t41,00\t14,24\t62,43\t238,47\t0,20\t");
    EXPECT_EQ(run.lines[1 + 47].left(30), "205,20\t23,50\t17,92\t4350\t57,00\t");
    // The highest power is that of row 43, the last whose smoothing does not reach row 47.
    EXPECT_EQ(run.lines[49], "kW: 162,93 (221,59PS)");
    EXPECT_EQ(run.lines[50], "Nm: 374,91");
    EXPECT_EQ(run.lines[51], "G: 0,20");
    EXPECT_EQ(run.lines[52], "LeftAxis\t0\t400\t20");
    EXPECT_EQ(run.lines[53], "RightAxis\t0\t0.6\t0.1");
    EXPECT_EQ(run.lines[54], "BottomAxis\t2000\t4350\t50");
}

TEST(Evaluate, AxesArePrintedWithAllTheirDigits)
{
    QTemporaryDir dir;
    const Output run = Evaluate(WriteFile(dir, "fast.dym",
                                          "[beschleunigen]\r\n\r\n1\t10000,5\t50\r\n2\t12345,67\t60\r\n"
                                          "[ausrollen]\r\n\r\n0\t100\r\n10\t90\r\n"));
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.lines.size(), 48 + 3 + 3);
    EXPECT_EQ(run.lines.last(), "BottomAxis\t10000.5\t12345.67\t50");
}

TEST(Evaluate, ExitStatusTellsWhetherTheTableWasFilled)
{
    QTemporaryDir dir;
    const Output shortRun = Evaluate(WriteFile(dir, "short.dym", "[beschleunigen]\r\n\r\n1\t2000\t50\r\n"));
    EXPECT_EQ(shortRun.exitCode, 1);
    EXPECT_EQ(shortRun.lines.value(0), "\t\t\t\t\t\t\t\t\t\t\t");
    EXPECT_EQ(shortRun.lines.value(48), "kW: ...");

    const Output failed = Evaluate(WriteFile(dir, "zero.dym",
                                             "[beschleunigen]\r\n\r\n1\t0\t50\r\n2\t3000\t60\r\n"
                                             "[ausrollen]\r\n\r\n0\t100\r\n10\t90\r\n"));
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.lines.value(0), "Gleitkommadivision durch Null");

    const Output missing = Evaluate(dir.filePath("absent.dym"));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(QString::fromUtf8(missing.lines.value(0)),
              QString::fromUtf8("Messungsdatei kann nicht geöffnet werden."));
}

TEST(Evaluate, HelpSaysWhatIsPrintedAndAnyOtherOptionIsRefused)
{
    for (const char* help : {"--help", "-h"}) {
        SCOPED_TRACE(help);
        const Output run = EvaluateWith({help});
        EXPECT_EQ(run.exitCode, 0);
        ASSERT_FALSE(run.lines.empty());
        EXPECT_EQ(run.lines[0].toStdString(), "usage: dynalyt-evaluate FILE");
        EXPECT_TRUE(run.lines.contains("  BottomAxis MIN MAX STEP"));
        EXPECT_EQ(std::count_if(run.lines.begin(), run.lines.end(),
                                [](const QByteArray& line) { return line.startsWith("Exit status: 0 "); }),
                  1);
        EXPECT_EQ(run.errors.toStdString(), "");
    }

    // An argument starting with "-" is an option the aid does not know, never a file to open.
    const QStringList refused[] = {
        {"--version"}, {"-x"}, {"-"}, {"--help=all"}, {}, {"--help", "run.dym"}, {"a.dym", "b.dym"}};
    for (const QStringList& arguments : refused) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const Output run = EvaluateWith(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.lines.join('\n').toStdString(), "");
        EXPECT_EQ(run.errors.toStdString(), "usage: dynalyt-evaluate FILE (--help says more)\n");
    }
}

} // namespace
