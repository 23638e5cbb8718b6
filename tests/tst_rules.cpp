#include "app/MainLayout.h"
#include "app/ObjectFilter.h"
#include "app/SelectionRules.h"
#include "archive/ObjectName.h"
#include "platform/BatchLine.h"
#include "platform/WindowsCommandLine.h"

#include <QRect>
#include <QTest>
#include <utility>

using namespace Qt::StringLiterals;

// The rules that windows and the script interpreter follow, called directly: no process, no window.
class RulesTest : public QObject {
    Q_OBJECT

private slots:
    void batchLine_data();
    void batchLine();
    void windowsSplitting_data();
    void windowsSplitting();
    void selectionRules_data();
    void selectionRules();
    void tabStripLayout_data();
    void tabStripLayout();
    void objectNames_data();
    void objectNames();
    void objectKinds_data();
    void objectKinds();
    void objectFilter_data();
    void objectFilter();
};

void RulesTest::batchLine_data()
{
    QTest::addColumn<QString>("line");
    // What the line does, or "refused " and a part of the reason.
    QTest::addColumn<QString>("expected");
    QTest::newRow("echo off") << "@echo off" << u"ignored"_s;
    QTest::newRow("echo dot, quoted operator") << "ECHO.\"a&b\"" << u"ignored"_s;
    QTest::newRow("drive line") << "c:" << u"ignored"_s;
    QTest::newRow("blank line") << "  " << u"ignored"_s;
    QTest::newRow("exit, any case") << "EXIT" << u"exit"_s;
    QTest::newRow("cd") << "cd /tmp/k" << u"cd /tmp/k"_s;
    QTest::newRow("cd, quoted blank") << "cd \"/tmp/a b\"" << u"cd /tmp/a b"_s;
    QTest::newRow("listing line") << "vtlist.exe *.* temp.vol >results.dat"
                                  << u"vtlist.exe [*.*|temp.vol] >results.dat"_s;
    QTest::newRow("quoted operators and blanks")
        << "tool.exe \"a&b\" \"two words\" \"x>y\" a;b" << u"tool.exe [a&b|two words|x>y|a;b]"_s;
    QTest::newRow("redirection without blanks") << "tool.exe a>out.txt" << u"tool.exe [a] >out.txt"_s;
    QTest::newRow("append to a quoted target")
        << "tool.exe a >> \"my out.txt\"" << u"tool.exe [a] >>my out.txt"_s;
    QTest::newRow("command after &") << "tool.exe a & calc" << u"refused &"_s;
    QTest::newRow("pipe") << "tool.exe a | calc" << u"refused |"_s;
    QTest::newRow("caret") << "tool.exe a^b" << u"refused ^"_s;
    QTest::newRow("input redirection") << "tool.exe <in.txt" << u"refused <"_s;
    QTest::newRow("operator after a redirection") << "tool.exe >out.txt&calc" << u"refused &"_s;
    QTest::newRow("percent, even quoted") << "tool.exe \"100%\"" << u"refused %"_s;
    QTest::newRow("variable as the command") << "%COMSPEC% /c calc" << u"refused %"_s;
    QTest::newRow("command after an echo") << "echo x & calc" << u"refused &"_s;
    QTest::newRow("echo into a file") << "@echo x > pwned" << u"refused >"_s;
    QTest::newRow("operator in cd") << "cd /tmp/a&calc" << u"refused &"_s;
    QTest::newRow("quote inside cd") << "cd \"a\"b\"" << u"refused one folder"_s;
    QTest::newRow("unclosed quote") << "tool.exe \"a b" << u"refused quote"_s;
    QTest::newRow("redirection without file") << "tool.exe a >" << u"refused without a file"_s;
    QTest::newRow("two redirections") << "tool.exe >a.txt >>b.txt" << u"refused more than one"_s;
    QTest::newRow("redirection alone") << ">out.txt" << u"refused without a command"_s;
}

void RulesTest::batchLine()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    const BatchLine parsed = BatchLine::parse(line);
    if (expected.startsWith(u"refused "_s)) {
        QCOMPARE(parsed.kind, BatchLine::Kind::Invalid);
        QVERIFY2(parsed.error.contains(expected.mid(8)), qPrintable(parsed.error));
        return;
    }
    QString actual;
    switch (parsed.kind) {
    case BatchLine::Kind::Ignored:
        actual = u"ignored"_s;
        break;
    case BatchLine::Kind::Exit:
        actual = u"exit"_s;
        break;
    case BatchLine::Kind::ChangeFolder:
        actual = u"cd "_s + parsed.folder;
        break;
    case BatchLine::Kind::Tool:
        actual = u"%1 [%2]"_s.arg(parsed.program, parsed.arguments.join(u'|'));
        if (!parsed.outputFile.isEmpty())
            actual += (parsed.appendOutput ? u" >>"_s : u" >"_s) + parsed.outputFile;
        break;
    case BatchLine::Kind::Invalid:
        actual = u"refused: "_s + parsed.error;
    }
    QCOMPARE(actual, expected);
}

void RulesTest::windowsSplitting_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("quoted paths") << R"("C:\a b\extract.exe" "C:\TEMP\temp.vol")"
                                  << QStringList{R"(C:\a b\extract.exe)", R"(C:\TEMP\temp.vol)"};
    QTest::newRow("blanks and tabs, wildcard") << " *.*  b\tc " << QStringList{"*.*", "b", "c"};
    QTest::newRow("quote inside a word") << R"(a"b c"d)" << QStringList{"ab cd"};
    QTest::newRow("doubled quote") << R"("a""b")" << QStringList{R"(a"b)"};
    QTest::newRow("escaped quote") << R"(a\"b)" << QStringList{R"(a"b)"};
    QTest::newRow("backslash before closing quote") << R"("a\\" b)" << QStringList{R"(a\)", "b"};
    QTest::newRow("plain backslashes") << R"(C:\x\\y)" << QStringList{R"(C:\x\\y)"};
    QTest::newRow("empty quoted argument") << R"(a "" b)" << QStringList{"a", "", "b"};
    QTest::newRow("nothing") << "   " << QStringList{};
}

void RulesTest::windowsSplitting()
{
    QFETCH(QString, commandLine);
    QTEST(WindowsCommandLine::split(commandLine), "arguments");
}

void RulesTest::selectionRules_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("hasCurrent");
    QTest::addColumn<QString>("current");
    // Enabled commands: Extract, View (preview), List of palettes, Convert, All, None.
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing listed") << 0 << 0 << false << "" << u""_s;
    QTest::newRow("current row, no selection") << 0 << 3 << true << "a.bmp" << u"A"_s;
    QTest::newRow("selection, no current row") << 2 << 3 << false << "" << u"AN"_s;
    QTest::newRow("one picture, capitals") << 1 << 3 << true << "a.BMP" << u"EVCAN"_s;
    QTest::newRow("one sound") << 1 << 3 << true << "TAUNT1.WAV" << u"EVAN"_s;
    QTest::newRow("one script") << 1 << 3 << true << "run.CS" << u"EVAN"_s;
    QTest::newRow("one palette list") << 1 << 3 << true << "gui.ppl" << u"ELAN"_s;
    QTest::newRow("other kind") << 1 << 3 << true << "notes.txt" << u"EAN"_s;
    QTest::newRow("two rows, current a picture") << 2 << 3 << true << "x.bmp" << u"ECAN"_s;
    QTest::newRow("two rows, current a palette list") << 2 << 3 << true << "p.ppl" << u"EAN"_s;
    QTest::newRow("all rows, current a picture") << 3 << 3 << true << "x.bmp" << u"ECN"_s;
}

void RulesTest::selectionRules()
{
    QFETCH(int, selected);
    QFETCH(int, rows);
    QFETCH(bool, hasCurrent);
    QFETCH(QString, current);
    QFETCH(QString, expected);
    const SelectionRules::Commands commands = SelectionRules::apply({selected, rows, hasCurrent, current});
    QString actual;
    for (const auto& [enabled, letter] : {std::pair{commands.extract, u'E'},
                                          {commands.preview, u'V'},
                                          {commands.palette, u'L'},
                                          {commands.convert, u'C'},
                                          {commands.selectAll, u'A'},
                                          {commands.selectNone, u'N'}}) {
        if (enabled)
            actual += letter;
    }
    QCOMPARE(actual, expected);
    QCOMPARE(commands.selectedCaption, QString::number(selected));
}

void RulesTest::tabStripLayout_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("statusBar");
    QTest::addColumn<bool>("toolbar");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("both bars") << 5520.0 << 5595.0 << true << true << QRect(10, 370, 5500, 4915);
    QTest::newRow("status bar only") << 5520.0 << 5595.0 << true << false << QRect(10, 10, 5500, 5275);
    QTest::newRow("toolbar only") << 5520.0 << 5595.0 << false << true << QRect(10, 370, 5500, 5215);
    QTest::newRow("half rounds to even: down")
        << 5520.0 << 5594.5 << false << false << QRect(10, 10, 5500, 5574);
    QTest::newRow("half rounds to even: up")
        << 5520.5 << 5595.5 << false << false << QRect(10, 10, 5500, 5576);
    QTest::newRow("too small: no negative sizes") << 15.0 << 600.0 << true << true << QRect(10, 370, 0, 0);
    QTest::newRow("negative inner size") << -900.0 << -1e9 << false << false << QRect(10, 10, 0, 0);
    QTest::newRow("too large: 16-bit sizes")
        << 90000.0 << 1e12 << false << false << QRect(10, 10, 32747, 32747);
}

void RulesTest::tabStripLayout()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, statusBar);
    QFETCH(bool, toolbar);
    QFETCH(QRect, expected);
    MainLayout::Input input{width, height, statusBar, 300.0, toolbar, 360.0, false};
    const std::optional<MainLayout::Rect> strip = MainLayout::tabStrip(input);
    QVERIFY(strip);
    QCOMPARE(QRect(strip->left, strip->top, strip->width, strip->height), expected);
    input.minimized = true;
    QVERIFY(!MainLayout::tabStrip(input));
}

void RulesTest::objectNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("inToolLine"); // empty: refused
    QTest::newRow("plain") << "sky.bmp" << u"sky.bmp"_s;
    QTest::newRow("accented") << u"café.wav"_s << u"café.wav"_s;
    QTest::newRow("dots inside") << "a..b.cs" << u"a..b.cs"_s;
    QTest::newRow("blank") << "two words.cs" << u"\"two words.cs\""_s;
    QTest::newRow("leading blank") << " x.cs" << u"\" x.cs\""_s;
    QTest::newRow("commands after &") << "a&calc & touch pwned.cs" << u"\"a&calc & touch pwned.cs\""_s;
    for (const char* name :
         {"amp&x.cs", "semi;colon.cs", "caret^x.cs", "paren(1).cs", "comma,x.cs", "eq=x.cs", "bang!.cs"})
        QTest::newRow(name) << name << u"\"%1\""_s.arg(QLatin1String(name));
    for (const char* name : {"", ".", "..", "../escape.cs", "sub/dir.cs", "/etc/passwd", "back\\slash.cs",
                             "..\\up.cs", "C:evil.cs", "C:\\evil.cs", "100%.cs", "%PATH%.cs", "quote\".cs",
                             "pipe|x.cs", "lt<gt>.cs", "star*.cs", "what?.cs"})
        QTest::newRow(qPrintable(u"refused "_s + QString::fromLatin1(name))) << name << QString();
    QTest::newRow("refused tab") << "tab\there.cs" << QString();
    QTest::newRow("refused line break") << "line\nbreak.cs" << QString();
    QTest::newRow("refused delete") << "del\x7f.cs" << QString();
}

void RulesTest::objectNames()
{
    QFETCH(QString, name);
    QFETCH(QString, inToolLine);
    const QString refusal = ObjectName::refusal(name);
    QVERIFY2(refusal.isEmpty() != inToolLine.isEmpty(), qPrintable(refusal));
    if (refusal.isEmpty())
        QCOMPARE(ObjectName::forToolLine(name), inToolLine);
}

void RulesTest::objectKinds_data()
{
    using Kind = ObjectName::Kind;
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("pictures") << QStringList{"a.bmp", "A.BMP", "skybmp", "bmp"} << Kind::Picture;
    QTest::newRow("sounds") << QStringList{"x.wav", "TAUNT1.Wav"} << Kind::Sound;
    QTest::newRow("scripts") << QStringList{"x.cs", "X.CS", ".cs"} << Kind::Script;
    QTest::newRow("palette lists") << QStringList{"gui.ppl", "GUI.PPL"} << Kind::PaletteList;
    QTest::newRow("others") << QStringList{"", "cs", "mp", "xcs", "notes.txt", "a.bmp.txt", "a.bm"}
                            << Kind::Other;
}

void RulesTest::objectKinds()
{
    QFETCH(QStringList, names);
    QFETCH(ObjectName::Kind, kind);
    for (const QString& name : names)
        QVERIFY2(ObjectName::kindOf(name) == kind, qPrintable(name));
}

void RulesTest::objectFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");
    QTest::newRow("empty shows all") << u""_s << "sky.bmp" << true;
    QTest::newRow("substring, any case") << u"KY.B"_s << "sky.bmp" << true;
    QTest::newRow("substring missing") << u"skies"_s << "sky.bmp" << false;
    QTest::newRow("non-ASCII case") << u"ÉTÉ"_s << "été.wav" << true;
    QTest::newRow("star is a whole-name pattern") << u"*.BMP"_s << "sky.bmp" << true;
    QTest::newRow("star pattern, other ending") << u"*.bmp"_s << "sky.bmp.cs" << false;
    QTest::newRow("star at both ends") << u"*y.b*"_s << "sky.bmp" << true;
    QTest::newRow("question mark is one character") << u"s?y.bmp"_s << "sky.bmp" << true;
    QTest::newRow("question mark is not none") << u"sky?.bmp"_s << "sky.bmp" << false;
    QTest::newRow("stars in a row") << u"**a**"_s << "a" << true;
    QTest::newRow("star needs a step back") << u"*ab*abc"_s << "xabyababc" << true;
    QTest::newRow("brackets are plain") << u"[1]*"_s << "[1]tank.bmp" << true;
    QTest::newRow("brackets are not a class") << u"[12]*"_s << "1tank.bmp" << false;
    QTest::newRow("dot is plain in a pattern") << u"a.?"_s << "abc" << false;
}

void RulesTest::objectFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QFETCH(bool, shown);
    QCOMPARE(ObjectFilter(typed).matches(name), shown);
}

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
