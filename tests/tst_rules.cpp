#include "app/core/MainLayout.h"
#include "app/core/ObjectFilter.h"
#include "app/core/SelectionRules.h"
#include "archive/core/ArchiveCache.h"
#include "archive/core/CacheEntry.h"
#include "archive/core/NamePattern.h"
#include "archive/core/ObjectName.h"
#include "archive/core/OwnerRecord.h"
#include "archive/core/ResultsFile.h"
#include "archive/core/ScriptSearch.h"
#include "archive/core/Windows1252.h"
#include "archive/core/WorkFolder.h"
#include "archive/ui/frmExtract.h"
#include "picture/core/ContactSheet.h"
#include "picture/core/IndexedPng.h"
#include "picture/core/PaletteChoices.h"
#include "picture/core/PaletteCodec.h"
#include "picture/core/PaletteExtraction.h"
#include "picture/core/PbmpLayout.h"
#include "picture/core/PictureCodec.h"
#include "picture/core/PictureExport.h"
#include "picture/core/PictureZoom.h"
#include "platform/core/BatchLine.h"
#include "platform/core/WindowsCommandLine.h"
#include "preview/core/FindInText.h"
#include "preview/core/ScriptSyntax.h"
#include "support/PictureFiles.h"
#include "support/PngCheck.h"
#include "support/TestEnvironment.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QTest>
#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

// The rules that windows and the script interpreter follow, the tools' listings and the picture and palette
// formats, called directly: no process, no window.
class RulesTest : public QObject {
    Q_OBJECT

private slots:
    void batchLine_data();
    void batchLine();
    void windowsSplitting();
    void selectionRules_data();
    void selectionRules();
    void tabStripLayout_data();
    void tabStripLayout();
    void objectNames_data();
    void objectNames();
    void objectKinds();
    void workFolderHoldsWhatLiesInside_data();
    void workFolderHoldsWhatLiesInside();
    void ownerRecords_data();
    void ownerRecords();
    void objectFilter();
    void namePatterns();
    void scriptSearch_data();
    void scriptSearch();
    void scriptSearchRefusals();
    void cacheForms();
    void listingFromToolOutput_data();
    void listingFromToolOutput();
    void listingStopsAtTheNameLimit();
    void windows1252RoundTrip();
    void extractionProgress();
    void fourByTwoIsExactlyTheKnownFile();
    void pbmpRowsBecomeBitmapRows_data();
    void pbmpRowsBecomeBitmapRows();
    void refusesInconsistentFiles_data();
    void refusesInconsistentFiles();
    void writerTellsAFailedWrite();
    void paletteBytesPassThroughInOrder();
    void pngKeepsIndicesAndPalette_data();
    void pngKeepsIndicesAndPalette();
    void pngIsMadeOnlyFromConvertedBitmaps();
    void writersReplaceALinkInTheirPlace();
    void contactSheetBounds_data();
    void contactSheetBounds();
    void contactSheetCells_data();
    void contactSheetCells();
    void contactSheetMoves_data();
    void contactSheetMoves();
    void zoomSteps_data();
    void zoomSteps();
    void visiblePart_data();
    void visiblePart();
    void paletteChoices_data();
    void paletteChoices();
    void scriptTokens_data();
    void scriptTokens();
    void findInText();

private:
    TestEnvironment environment_;
};

void RulesTest::batchLine_data()
{
    QTest::addColumn<QString>("line");
    // What the line does, or "refused " and a part of the reason.
    QTest::addColumn<QString>("expected");
    QTest::newRow("echo dot, quoted operator") << "ECHO.\"a&b\"" << u"ignored"_s;
    QTest::newRow("drive line") << "c:" << u"ignored"_s;
    QTest::newRow("blank line") << "  " << u"ignored"_s;
    QTest::newRow("exit, any case") << "EXIT" << u"exit"_s;
    QTest::newRow("cd, quoted blank") << "cd \"/tmp/a b\"" << u"cd /tmp/a b"_s;
    QTest::newRow("listing line") << "vtlist.exe *.* temp.vol >results.dat"
                                  << u"vtlist.exe [*.*|temp.vol] >results.dat"_s;
    QTest::newRow("quoted operators and blanks")
        << "tool.exe \"a&b\" \"two words\" \"x>y\" a;b" << u"tool.exe [a&b|two words|x>y|a;b]"_s;
    QTest::newRow("redirection without blanks") << "tool.exe a>out.txt" << u"tool.exe [a] >out.txt"_s;
    QTest::newRow("append to a quoted target")
        << "tool.exe a >> \"my out.txt\"" << u"tool.exe [a] >>my out.txt"_s;
    QTest::newRow("command after &") << "tool.exe a & calc" << u"refused &"_s;
    QTest::newRow("operator after a redirection") << "tool.exe >out.txt&calc" << u"refused &"_s;
    QTest::newRow("pipe") << "tool.exe a | calc" << u"refused |"_s;
    QTest::newRow("caret") << "tool.exe a^b" << u"refused ^"_s;
    QTest::newRow("input redirection") << "tool.exe <in.txt" << u"refused <"_s;
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

// Quotes group, a doubled or escaped quote is one, and backslashes are plain unless a quote follows them.
void RulesTest::windowsSplitting()
{
    for (const auto& [commandLine, arguments] :
         {std::pair{uR"("C:\a b\extract.exe" "C:\TEMP\temp.vol")"_s,
                    QStringList{R"(C:\a b\extract.exe)", R"(C:\TEMP\temp.vol)"}},
          {u" *.*  b\tc "_s, QStringList{"*.*", "b", "c"}},
          {uR"(a"b c"d)"_s, QStringList{"ab cd"}},
          {uR"("a""b")"_s, QStringList{R"(a"b)"}},
          {uR"(a\"b)"_s, QStringList{R"(a"b)"}},
          {uR"("a\\" b)"_s, QStringList{R"(a\)", "b"}},
          {uR"(C:\x\\y)"_s, QStringList{R"(C:\x\\y)"}},
          {uR"(a "" b)"_s, QStringList{"a", "", "b"}},
          {u"   "_s, QStringList{}}})
        QCOMPARE(WindowsCommandLine::split(commandLine), arguments);
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
    for (const char* name : {"",
                             ".",
                             "..",
                             "../escape.cs",
                             "sub/dir.cs",
                             "/etc/passwd",
                             "back\\slash.cs",
                             "..\\up.cs",
                             "C:evil.cs",
                             "C:\\evil.cs",
                             "100%.cs",
                             "%PATH%.cs",
                             "quote\".cs",
                             "pipe|x.cs",
                             "lt<gt>.cs",
                             "star*.cs",
                             "what?.cs",
                             "tab\there.cs",
                             "line\nbreak.cs",
                             "del\x7f.cs"})
        QTest::newRow(qPrintable(u"refused "_s + QString::fromLatin1(name))) << name << QString();
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

void RulesTest::objectKinds()
{
    using Kind = ObjectName::Kind;
    for (const auto& [names, kind] :
         {std::pair{QStringList{"a.bmp", "A.BMP", "skybmp", "bmp"}, Kind::Picture},
          {QStringList{"x.wav", "TAUNT1.Wav"}, Kind::Sound},
          {QStringList{"x.cs", "X.CS", ".cs"}, Kind::Script},
          {QStringList{"gui.ppl", "GUI.PPL"}, Kind::PaletteList},
          {QStringList{"", "cs", "mp", "xcs", "notes.txt", "a.bmp.txt", "a.bm"}, Kind::Other}}) {
        for (const QString& name : names)
            QVERIFY2(ObjectName::kindOf(name) == kind, qPrintable(name));
    }
    // Script text to search: ".txt" as well, never a name that only ends in the letters.
    for (const auto& [name, searched] : {std::pair{u"a.cs"_s, true},
                                         {u"A.CS"_s, true},
                                         {u"notes.txt"_s, true},
                                         {u"README.TXT"_s, true},
                                         {u"xcs"_s, false},
                                         {u"atxt"_s, false},
                                         {u"a.cs.bmp"_s, false},
                                         {u"a.text"_s, false}})
        QVERIFY2(ObjectName::isScriptText(name) == searched, qPrintable(name));
}

void RulesTest::workFolderHoldsWhatLiesInside_data()
{
    QTest::addColumn<QString>("path");   // in the test's own folder
    QTest::addColumn<QString>("holder"); // configured "kadrillo-1000", or claimed "kadrillo-1000-Ab12Cd"
    const QString configured = u"kadrillo-1000"_s;
    QTest::newRow("the folder itself") << u"kadrillo-1000"_s << configured;
    QTest::newRow("a subfolder") << u"kadrillo-1000/sub"_s << configured;
    QTest::newRow("a subfolder not made yet") << u"kadrillo-1000/new/deeper"_s << configured;
    QTest::newRow("a sibling with a common prefix") << u"kadrillo-1000x"_s << QString();
    QTest::newRow("the parent") << u"."_s << QString();
    QTest::newRow("out of it by ..") << u"kadrillo-1000/../outside"_s << QString();
    QTest::newRow("a link into it") << u"into/more"_s << configured;
    // The kernel takes .. after a link from where the link points.
    QTest::newRow("a link into it, then ..") << u"into/.."_s << configured;
    QTest::newRow("a link into it that points nowhere yet") << u"later"_s << configured;
    QTest::newRow("the private folder claimed beside it")
        << u"kadrillo-1000-Ab12Cd/out"_s << u"kadrillo-1000-Ab12Cd"_s;
}

void RulesTest::workFolderHoldsWhatLiesInside()
{
    QFETCH(QString, path);
    QFETCH(QString, holder);
    const QString root = environment_.path() + u"/holding/"_s;
    QVERIFY(QDir().mkpath(root + u"kadrillo-1000/sub"_s) && QDir().mkpath(root + u"kadrillo-1000-Ab12Cd"_s) &&
            QDir().mkpath(root + u"kadrillo-1000x"_s));
    for (const auto& [link, target] :
         {std::pair{u"into"_s, u"kadrillo-1000/sub"_s}, {u"later"_s, u"kadrillo-1000/later"_s}})
        QVERIFY(QFileInfo(root + link).isSymLink() || QFile::link(target, root + link));
    const WorkFolder work(root + u"kadrillo-1000-Ab12Cd"_s, root + u"kadrillo-1000"_s);
    QCOMPARE(work.holding(root + path), holder.isEmpty() ? QString() : root + holder);
}

void RulesTest::ownerRecords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("as written") << OwnerRecord{4242, u"box-1.example"_s}.text() << true;
    QTest::newRow("the largest pid") << QByteArray("kadrillo-owner 1\npid 2147483647\nhost h\n") << true;
    for (const char* pid : {"0", "-5", "+5", "042", "2147483648", "12a"})
        QTest::addRow("pid %s", pid) << "kadrillo-owner 1\npid " + QByteArray(pid) + "\nhost h\n" << false;
    QTest::newRow("another version") << QByteArray("kadrillo-owner 2\npid 5\nhost h\n") << false;
    QTest::newRow("no final line end") << QByteArray("kadrillo-owner 1\npid 5\nhost h") << false;
    QTest::newRow("CR LF line ends") << QByteArray("kadrillo-owner 1\r\npid 5\r\nhost h\r\n") << false;
    QTest::newRow("a fourth line") << QByteArray("kadrillo-owner 1\npid 5\nhost h\nmore\n") << false;
    QTest::newRow("a blank in the host") << QByteArray("kadrillo-owner 1\npid 5\nhost a b\n") << false;
    QTest::newRow("no host") << QByteArray("kadrillo-owner 1\npid 5\nhost \n") << false;
}

void RulesTest::ownerRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);
    const std::optional<OwnerRecord> read = OwnerRecord::read(bytes);
    QCOMPARE(read.has_value(), accepted);
    // Written back byte for byte, so the pid and host read are those written.
    QVERIFY(!read || (read->pid > 0 && read->text() == bytes));
}

// A substring in any case; with * or ? a pattern for the whole name, in which nothing else is special.
void RulesTest::objectFilter()
{
    for (const auto& [typed, name, shown] : {std::tuple{u""_s, u"sky.bmp"_s, true},
                                             {u"KY.B"_s, u"sky.bmp"_s, true},
                                             {u"skies"_s, u"sky.bmp"_s, false},
                                             {u"ÉTÉ"_s, u"été.wav"_s, true},
                                             {u"*.BMP"_s, u"sky.bmp"_s, true},
                                             {u"*.bmp"_s, u"sky.bmp.cs"_s, false},
                                             {u"s?y.bmp"_s, u"sky.bmp"_s, true},
                                             {u"sky?.bmp"_s, u"sky.bmp"_s, false},
                                             {u"**a**"_s, u"a"_s, true},
                                             {u"*ab*abc"_s, u"xabyababc"_s, true},
                                             {u"[1]*"_s, u"[1]tank.bmp"_s, true},
                                             {u"[12]*"_s, u"1tank.bmp"_s, false},
                                             {u"a.?"_s, u"abc"_s, false}})
        QVERIFY2(ObjectFilter(typed).matches(name) == shown, qPrintable(typed + u" on "_s + name));
}

// The patterns of Find in Archives: whole names only, an empty pattern takes every name.
void RulesTest::namePatterns()
{
    for (const auto& [pattern, name, matched] : {std::tuple{u""_s, u"sky.bmp"_s, true},
                                                 {u""_s, u""_s, true},
                                                 {u"sky"_s, u"sky.bmp"_s, false},
                                                 {u"*"_s, u""_s, true},
                                                 {u"*.VOL.cs"_s, u"a.vol.CS"_s, true},
                                                 {u"?"_s, u""_s, false},
                                                 {u"t??k*"_s, u"TANK1.bmp"_s, true},
                                                 {u"t??k*"_s, u"tak.bmp"_s, false},
                                                 {u"*€*"_s, u"€uro.cs"_s, true},
                                                 {u"[1]*"_s, u"[1]tank.bmp"_s, true}})
        QVERIFY2(NamePattern(pattern).matches(name) == matched, qPrintable(pattern + u" on "_s + name));
}

void RulesTest::scriptSearch_data()
{
    using Match = ScriptSearch::LineMatch;
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("regularExpression");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QList<Match>>("found");
    QTest::newRow("CR LF, any case") << QByteArray("first line\r\nsecond Line\r\n") << u"LINE"_s << false
                                     << false
                                     << QList<Match>{{1, u"first line"_s, {{6, 4}}},
                                                     {2, u"second Line"_s, {{7, 4}}}};
    QTest::newRow("LF, no final line end, case-sensitive")
        << QByteArray("a line\nLine two\nthe line") << u"line"_s << false << true
        << QList<Match>{{1, u"a line"_s, {{2, 4}}}, {3, u"the line"_s, {{4, 4}}}};
    QTest::newRow("bare CR and an empty line") << QByteArray("x\r\rx\r") << u"x"_s << false << false
                                               << QList<Match>{{1, u"x"_s, {{0, 1}}}, {3, u"x"_s, {{0, 1}}}};
    QTest::newRow("Windows-1252: 0x80 is the euro sign")
        << QByteArray("price \x80 5\r\ncaf\xe9\r\n") << u"€"_s << false << false
        << QList<Match>{{1, u"price € 5"_s, {{6, 1}}}};
    QTest::newRow("every match in a line") << QByteArray("aXaXa\n") << u"a"_s << false << true
                                           << QList<Match>{{1, u"aXaXa"_s, {{0, 1}, {2, 1}, {4, 1}}}};
    QTest::newRow("pattern characters as written") << QByteArray("f(x) f(y)\nfxy") << u"f(x)"_s << false
                                                   << false << QList<Match>{{1, u"f(x) f(y)"_s, {{0, 4}}}};
    QTest::newRow("regular expression")
        << QByteArray("function a::onAdd(%this)\r\nonAdd 42 7\r\n") << u"^on\\w+|\\d+"_s << true << true
        << QList<Match>{{2, u"onAdd 42 7"_s, {{0, 5}, {6, 2}, {9, 1}}}};
    QTest::newRow("an anchor sees each line's end")
        << QByteArray("ab\rcab\r\nabc") << u"AB$"_s << true << false
        << QList<Match>{{1, u"ab"_s, {{0, 2}}}, {2, u"cab"_s, {{1, 2}}}};
    QTest::newRow("nothing across a line end")
        << QByteArray("a\r\nb") << u"a\\s+b"_s << true << false << QList<Match>{};
}

void RulesTest::scriptSearch()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, text);
    QFETCH(bool, regularExpression);
    QFETCH(bool, caseSensitive);
    QFETCH(QList<ScriptSearch::LineMatch>, found);
    const ScriptSearch search(text, regularExpression, caseSensitive);
    QCOMPARE(search.refusal(), QString());
    QCOMPARE(search.find(script), found);
}

void RulesTest::scriptSearchRefusals()
{
    const ScriptSearch invalid(u"on(Add"_s, true, false);
    QVERIFY2(invalid.refusal().contains(u"missing closing parenthesis"_s), qPrintable(invalid.refusal()));
    QVERIFY(invalid.find("on(Add\n").isEmpty());
    QVERIFY(!ScriptSearch(QString(), false, false).refusal().isEmpty());
    QCOMPARE(ScriptSearch(u"on(Add"_s, false, false).find("on(Add\n").size(), 1);
}

// An entry file and a cached listing are read only in exactly the form they are written in.
void RulesTest::cacheForms()
{
    const QByteArray entry = CacheEntry::write("key", "content");
    QCOMPARE(entry.size(), CacheEntry::headerSize + 3 + 7 + CacheEntry::checksumSize);
    QCOMPARE(entry, QByteArray("KDRCACHE\2\0\0\0\3\0\0\0\7\0\0\0keycontent\xdf\xdd\xdc\xa8", 34));
    const std::optional<CacheEntry::Entry> read = CacheEntry::read(entry);
    QVERIFY(read && read->key == "key" && read->content == "content");
    QVERIFY(!CacheEntry::read(entry + '\0') && !CacheEntry::read(entry.chopped(1)));
    QVERIFY(CacheEntry::write({}, QByteArray(CacheEntry::maximumContent + 1, 'x')).isEmpty());
    for (const auto& [bytes, accepted] : {std::pair{QByteArray("0\n"), true},
                                          {QByteArray("1\ncaf\xc3\xa9.wav\ntwo words.cs\n"), true},
                                          {QByteArray("2\n"), false},
                                          {QByteArray("0\na.cs"), false},
                                          {QByteArray("0\n\n"), false},
                                          {QByteArray("0\ncaf\xe9.wav\n"), false},
                                          {QByteArray("0\n\xef\xbb\xbfmarked.cs\n"), true},
                                          {QByteArray(), false}}) {
        const std::optional<ResultsFile::Listing> listing = ArchiveCache::listingFrom(bytes);
        QVERIFY2(listing.has_value() == accepted, bytes.constData());
        QVERIFY(!listing || ArchiveCache::listingBytes(*listing) == bytes);
    }
    QVERIFY(ArchiveCache::canHold({{u"\uFEFFmarked.cs"_s, u"a.bmp"_s}, true}));
    for (const QString& name : {QString(), u"two\nlines.cs"_s, QString(QChar(0xd800)) + u"x.cs"_s})
        QVERIFY2(!ArchiveCache::canHold({{u"a.bmp"_s, name}, false}), qPrintable(name));
}

void RulesTest::listingFromToolOutput_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    const QStringList three{"a.bmp", "b.wav", "c.cs"};
    QTest::newRow("three objects, CR LF") << u"listing-three-objects-crlf.txt"_s << three;
    QTest::newRow("three objects, bare LF") << u"listing-three-objects-lf.txt"_s << three;
    QTest::newRow("heading with a comma")
        << u"listing-heading-with-comma.txt"_s << QStringList{"2 objects", "sky.bmp"};
    QTest::newRow("blanks, commas, empty line")
        << u"listing-blanks-commas-empty-line.txt"_s << QStringList{"d.bmp", "e.bmp", "f.bmp", "g.wav"};
    QTest::newRow("quoted names") << u"listing-quoted-names.txt"_s
                                  << QStringList{"two words.cs", "a,b.wav", "unclosed.bmp"};
    QTest::newRow("heading only") << u"listing-heading-only.txt"_s << QStringList{};
    QTest::newRow("Windows-1252, no final line end")
        << u"listing-windows1252-no-final-line-end.txt"_s << QStringList{u"café.wav"_s, u"€uro.cs"_s};
}

void RulesTest::listingFromToolOutput()
{
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    const QString path = QStringLiteral(KADRILLO_TEST_DATA_DIR "/") + file;
    const ResultsFile::Listing listing = ResultsFile::ReadListing(TestEnvironment::readFile(path));
    QCOMPARE(listing.names, names);
    QVERIFY(!listing.truncated);
}

void RulesTest::listingStopsAtTheNameLimit()
{
    QByteArray text = "Volume contents\r\n";
    for (int i = 0; i <= ResultsFile::maximumNames; ++i)
        text += "object" + QByteArray::number(i) + ".cs\r\n";
    const ResultsFile::Listing listing = ResultsFile::ReadListing(text);
    QCOMPARE(listing.names.size(), ResultsFile::maximumNames);
    QCOMPARE(listing.names.last(), u"object32766.cs"_s);
    QVERIFY(listing.truncated);
}

void RulesTest::windows1252RoundTrip()
{
    QByteArray all;
    for (int byte = 1; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.at(0x80 - 1), QChar(0x20AC));
    QCOMPARE(text.at(0xE9 - 1), QChar(0xE9));
    QCOMPARE(Windows1252::encode(text), all);
    QCOMPARE(Windows1252::encode(u"a\u4e00b"_s), QByteArray("a?b"));
}

// Whole per cent, and exactly 100 at the last object however the steps round.
void RulesTest::extractionProgress()
{
    QList<int> seven;
    for (int done = 1; done <= 7; ++done)
        seven.append(frmExtract::progressValue(done, 7));
    QCOMPARE(seven, (QList<int>{14, 29, 43, 57, 71, 86, 100}));
    for (const int many : {1, 3, 45, 199, 32767})
        QCOMPARE(frmExtract::progressValue(many, many), 100);
}

namespace {

QByteArray counting(int size)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = char(i % 251);
    return out;
}

} // namespace

void RulesTest::fourByTwoIsExactlyTheKnownFile()
{
    BitmapRecord bitmap;
    QVERIFY(PictureCodec::readPbmp(PictureFiles::pbmp(4, 2, counting(8), 0), bitmap).isEmpty());
    const QByteArray out = PictureCodec::writePbmpAsBitmap(bitmap, PictureFiles::ramp(3));
    QCOMPARE(out.left(54).toHex(' '),
             QByteArray(
                 "42 4d 3e 04 00 00 00 00 00 00 36 04 00 00 28 00 00 00 04 00 00 00 02 00 00 00 01 00 08 00 "
                 "00 00 00 00 08 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 01 00 00"));
    QCOMPARE(out.mid(54), PictureFiles::pal(PictureFiles::ramp(3), QByteArray()) +
                              QByteArray::fromHex("04050607 00010203"));
}

void RulesTest::pbmpRowsBecomeBitmapRows_data()
{
    // The BMP rows, bottom-up: each PBMP row with its own padding bytes, cut or filled with zeros to
    // a multiple of four bytes (our change: every BMP reader needs that).
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("paletteNumber");
    QTest::addColumn<QByteArray>("rows");
    const auto hex = &QByteArray::fromHex;
    QTest::newRow("3 pixels a row") << 3 << 2 << counting(6) << 2 << hex("03040500 00010200");
    QTest::newRow("own padding kept")
        << 2 << 2 << hex("0102 0909 0304 0808") << 0 << hex("03040808 01020909");
    QTest::newRow("padding wider than the row needs")
        << 2 << 2 << hex("0102 09090909 0304 08080808") << 0 << hex("03040808 01020909");
    // The padding is round(S / height - width), halves to even: 0.75 and 1.5 round up, 2.5 down.
    QTest::newRow("padding past the data, S 7")
        << 1 << 4 << counting(7) << 0 << hex("06000000 04050000 02030000 00010000");
    QTest::newRow("last pixel is the last byte, S 10")
        << 1 << 4 << counting(10) << 0 << hex("09000000 06070800 03040500 00010200");
    QTest::newRow("2.5 rounds to 2") << 1 << 2 << counting(7) << 0 << hex("03040500 00010200");
    QTest::newRow("10 bytes are still padding") << 1 << 2 << counting(22) << 0 << hex("0b0c0d0e 00010203");
    // More than 10 bytes a row beyond the pixels: data after the picture, not padding.
    QTest::newRow("data after the picture") << 1 << 2 << counting(24) << -3 << hex("01000000 00000000");
}

void RulesTest::pbmpRowsBecomeBitmapRows()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QByteArray, data);
    QFETCH(int, paletteNumber);
    QFETCH(QByteArray, rows);
    BitmapRecord bitmap;
    QVERIFY(PictureCodec::readPbmp(PictureFiles::pbmp(width, height, data, paletteNumber), bitmap).isEmpty());
    QCOMPARE(bitmap.PaletteIndex, paletteNumber);
    const QByteArray out = PictureCodec::writePbmpAsBitmap(bitmap, Palette{});
    QCOMPARE(out.mid(1078).toHex(' '), rows.toHex(' '));
    QCOMPARE(bitmap.biSizeImage, rows.size());
    QCOMPARE(bitmap.bfSize, out.size());
}

void RulesTest::refusesInconsistentFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray pbmp = PictureFiles::pbmp(4, 2, counting(8), 0);
    QTest::newRow("PBMP shorter than the header") << pbmp.left(40);
    QTest::newRow("PBMP without palette number") << pbmp.left(pbmp.size() - 2);
    QTest::newRow("PBMP of zero width") << PictureFiles::pbmp(0, 2, counting(8), 0);
    QTest::newRow("PBMP wider than 32768") << PictureFiles::pbmp(40000, 1, counting(8), 0);
    QTest::newRow("PBMP with fewer bytes than pixels") << PictureFiles::pbmp(4, 2, counting(7), 0);
    QTest::newRow("PBMP of 16 bits a pixel") << PictureFiles::pbmp(4, 2, counting(8), 0, 16);
    QTest::newRow("PBMP size beyond the file")
        << QByteArray(pbmp).replace(PbmpLayout::dataSizeOffset, 1, "\x7f");
    QTest::newRow("PBMP of negative size")
        << QByteArray(pbmp).replace(PbmpLayout::dataSizeOffset + 3, 1, "\x80");
    // The rounded padding can outgrow S: 1.97 rounds to 2, one byte short.
    QTest::newRow("PBMP rows past the data: 1 x 100, S 297") << PictureFiles::pbmp(1, 100, counting(297), 0);
    const QByteArray bitmap = PictureFiles::standardBitmap(4, 2, Palette{}, counting(8));
    QTest::newRow("bitmap cut in the colour table") << bitmap.left(600);
    QTest::newRow("bitmap cut in the pixels") << bitmap.left(1080);
    QTest::newRow("bitmap with a 16-colour table")
        << QByteArray(bitmap).replace(10, 2, QByteArray("\x76\0", 2)); // pixels at 118
    QTest::newRow("bitmap of height -2^31, which has no 32-bit absolute value")
        << QByteArray(bitmap).replace(22, 4, QByteArray("\0\0\0\x80", 4));
}

// Either reader leaves what it would fill as it was.
void RulesTest::refusesInconsistentFiles()
{
    QFETCH(QByteArray, file);
    BitmapRecord bitmap;
    bitmap.biWidth = 77;
    Palette colours = PictureFiles::ramp(5);
    const QString error = PictureCodec::kindOf(file) == PictureCodec::Kind::Pbmp
                              ? PictureCodec::readPbmp(file, bitmap)
                              : PictureCodec::readStandardBitmap(file, bitmap, colours);
    QVERIFY(!error.isEmpty());
    QCOMPARE(bitmap.biWidth, 77);
    QVERIFY(bitmap.Pixels.isEmpty() && bitmap.bfType.isEmpty());
    QCOMPARE(colours, PictureFiles::ramp(5));
}

// The file writer sends rows as it makes them; a full disk must not pass for a written picture.
void RulesTest::writerTellsAFailedWrite()
{
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly))
        QSKIP("no /dev/full to write to");
    BitmapRecord bitmap;
    QVERIFY(PictureCodec::readPbmp(PictureFiles::pbmp(200, 200, counting(200 * 200), 0), bitmap).isEmpty());
    QVERIFY(!PictureCodec::writePbmpAsBitmap(bitmap, Palette{}, full));
}

void RulesTest::paletteBytesPassThroughInOrder()
{
    Palette written = PictureFiles::ramp(2);
    written[1] = PaletteEntry{30, 20, 10, 0};
    const QByteArray file = PictureFiles::pal(written, "0123456789abcdefghijklmn");
    QCOMPARE(file.mid(24 + 4, 4), QByteArray::fromHex("0a141e00")); // blue first
    const PaletteCodec::Decoded read = PaletteCodec::decode(file);
    QCOMPARE(read.palette, written);
    QCOMPARE(PaletteCodec::encode(read.header, read.palette), file);
    QCOMPARE(PaletteCodec::encode(QByteArray(), read.palette).left(24), QByteArray(24, '\0'));
    QVERIFY(!PaletteCodec::decode(file.left(1047)).error.isEmpty());
}

void RulesTest::pngKeepsIndicesAndPalette_data()
{
    QTest::addColumn<QByteArray>("bitmap");
    QTest::addColumn<int>("transparent"); // -1: none
    Palette grey{};
    for (int i = 0; i < 256; ++i)
        grey[std::size_t(i)] = PaletteEntry{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
    using PictureFiles::standardBitmap;
    QTest::newRow("padded rows, index 5 transparent")
        << standardBitmap(5, 3, PictureFiles::ramp(7), counting(24)) << 5;
    QTest::newRow("index 255 transparent")
        << standardBitmap(16, 16, PictureFiles::ramp(1), counting(256)) << 255;
    // Qt's own PNG writer makes a grey PNG of this one.
    QTest::newRow("grey ramp palette, none transparent") << standardBitmap(16, 16, grey, counting(256)) << -1;
    QTest::newRow("top-down rows, index 0 transparent")
        << standardBitmap(4, -2, PictureFiles::ramp(3), counting(8)) << 0;
}

void RulesTest::pngKeepsIndicesAndPalette()
{
    QFETCH(QByteArray, bitmap);
    QFETCH(int, transparent);
    const std::optional<int> index = transparent < 0 ? std::nullopt : std::optional<int>(transparent);
    const QString bmpFile = environment_.path() + QStringLiteral("/picture.bmp");
    const QString pngFile = environment_.path() + QStringLiteral("/picture.png");
    TestEnvironment::writeFile(bmpFile, bitmap);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QVERIFY(IndexedPng::write(IndexedPng::sourceOf(bitmap).value(), index, png));
    TestEnvironment::writeFile(pngFile, png.data());
    const QString qt = PngCheck::qtDifferences(bmpFile, pngFile, index);
    QVERIFY2(qt.isEmpty(), qPrintable(qt));
    const QString magick = PngCheck::magickDifferences(bmpFile, pngFile, index);
    if (magick.startsWith(QLatin1String("SKIP")))
        QSKIP(qPrintable(magick));
    QVERIFY2(magick.isEmpty(), qPrintable(magick));
}

// Anything else is copied as it is, under the object's own name.
void RulesTest::pngIsMadeOnlyFromConvertedBitmaps()
{
    const QByteArray bitmap = PictureFiles::standardBitmap(4, 2, Palette{}, counting(8));
    const std::optional<IndexedPng::Source> source = IndexedPng::sourceOf(bitmap);
    QVERIFY(source);
    for (const QByteArray& other : {PictureFiles::pbmp(4, 2, counting(8), 0), bitmap.left(1080),
                                    QByteArray(bitmap).replace(30, 1, "\x01"), // run-length coded
                                    PictureFiles::standardBitmap(4, 2, Palette{}, counting(8), "BM", 40, 24)})
        QVERIFY(!IndexedPng::sourceOf(other));
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    QVERIFY(!IndexedPng::write(*source, 3, readOnly));
    QCOMPARE(PictureExport::pngName(QStringLiteral("sky.bmp")), QStringLiteral("sky.png"));
    QCOMPARE(PictureExport::pngName(QStringLiteral("SKY.BMP")), QStringLiteral("SKY.png"));
    QCOMPARE(PictureExport::pngName(QStringLiteral("notes.txt")), QStringLiteral("notes.txt.png"));
    using enum PictureExport::Format;
    for (const auto& [name, format] : {std::pair{u"sheet.png"_s, std::optional(Png)},
                                       {u"SHEET.BMP"_s, std::optional(Bmp)},
                                       {u"a.png.Bmp"_s, std::optional(Bmp)},
                                       {u"sheet.PnG"_s, std::optional(Png)},
                                       {u"sheetbmp"_s, std::optional<PictureExport::Format>()},
                                       {u"sheet.jpg"_s, std::optional<PictureExport::Format>()}})
        QCOMPARE(PictureExport::formatOf(name), format);
}

void RulesTest::contactSheetBounds_data()
{
    QTest::addColumn<QList<QSize>>("pictures"); // at their own sizes, placed in turn
    QTest::addColumn<int>("labelWidth");        // of every name
    QTest::addColumn<QRect>("place");           // of the last picture; null: refused
    QTest::addColumn<QSize>("sheet");           // after the last
    QTest::addColumn<QString>("label");         // of the last, named "a.bmp"
    QTest::newRow("at its own size") << QList{QSize(100, 50)} << 60 << QRect(8, 8, 100, 50) << QSize(116, 76)
                                     << u"a.bmp"_s;
    QTest::newRow("4096 on a side still at its own size")
        << QList{QSize(4096, 30)} << 60 << QRect(8, 8, 4096, 30) << QSize(4112, 56) << u"a.bmp"_s;
    QTest::newRow("wider: scaled, aspect kept and rounded")
        << QList{QSize(5000, 3000)} << 60 << QRect(8, 8, 4096, 2458) << QSize(4112, 2484)
        << u"a.bmp (5000 × 3000)"_s;
    QTest::newRow("32768 x 1 keeps a row of one pixel")
        << QList{QSize(32768, 1)} << 60 << QRect(8, 8, 4096, 1) << QSize(4112, 27) << u"a.bmp (32768 × 1)"_s;
    QTest::newRow("1 x 32768: the name is wider")
        << QList{QSize(1, 32768)} << 60 << QRect(8, 8, 1, 4096) << QSize(76, 4122) << u"a.bmp (1 × 32768)"_s;
    QTest::newRow("16384 x 16384") << QList{QSize(16384, 16384)} << 60 << QRect(8, 8, 4096, 4096)
                                   << QSize(4112, 4122) << u"a.bmp (16384 × 16384)"_s;
    // Each tall picture takes a row of its own below the wide one before it.
    const QSize tall(1, 4097);
    const QSize wide(4097, 1);
    QTest::newRow("tall and wide in turn: the seventh would pass 16384 rows")
        << QList{tall, wide, tall, wide, tall, wide, tall} << 60 << QRect() << QSize(4112, 12407)
        << u"a.bmp (1 × 4097)"_s;
    QTest::newRow("the sixth still fits")
        << QList{tall, wide, tall, wide, tall, wide} << 60 << QRect(8, 12388, 4096, 1) << QSize(4112, 12407)
        << u"a.bmp (4097 × 1)"_s;
    QTest::newRow("a name as wide as the sheet may be")
        << QList{QSize(1, 1)} << 16368 << QRect(8, 8, 1, 1) << QSize(16384, 27) << u"a.bmp"_s;
    QTest::newRow("a name one pixel wider")
        << QList{QSize(1, 1)} << 16369 << QRect() << QSize(8, 16) << u"a.bmp"_s;
}

// A sheet of labels 10 pixels high in rows of 1024.
void RulesTest::contactSheetBounds()
{
    QFETCH(QList<QSize>, pictures);
    QFETCH(int, labelWidth);
    QFETCH(QRect, place);
    QFETCH(QSize, sheet);
    QFETCH(QString, label);
    ContactSheetLayout layout(1024, 10);
    std::optional<ContactSheetLayout::Cell> last;
    for (const QSize picture : pictures)
        last = layout.add(ContactSheetLayout::drawnSize(picture), labelWidth);
    QCOMPARE(last ? last->picture : QRect(), place);
    QCOMPARE(layout.size(), sheet);
    const QSize own = pictures.constLast();
    QCOMPARE(ContactSheet::label(u"a.bmp"_s, ContactSheetLayout::drawnSize(own), own), label);
}

void RulesTest::contactSheetCells_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("count");     // expected by the sheet
    QTest::addColumn<int>("placed");    // pictures of one size, placed in turn
    QTest::addColumn<QSize>("picture"); // at its own size
    QTest::addColumn<QRect>("place");   // of the last picture; null: refused
    QTest::addColumn<QRect>("area");    // of the last cell
    QTest::addColumn<QSize>("sheet");   // after the last
    QTest::addColumn<int>("columns");
    QTest::newRow("reduced into the middle of its cell")
        << 128 << 1 << 1 << QSize(256, 128) << QRect(8, 40, 128, 64) << QRect(8, 8, 128, 148)
        << QSize(144, 164) << 7;
    QTest::newRow("enlarged, aspect kept") << 64 << 1 << 1 << QSize(10, 20) << QRect(24, 8, 32, 64)
                                           << QRect(8, 8, 64, 84) << QSize(80, 100) << 14;
    QTest::newRow("one pixel high stays one pixel high")
        << 64 << 1 << 1 << QSize(20000, 1) << QRect(8, 39, 64, 1) << QRect(8, 8, 64, 84) << QSize(80, 100)
        << 14;
    QTest::newRow("the eighth wraps below the first")
        << 128 << 8 << 8 << QSize(128, 128) << QRect(8, 164, 128, 128) << QRect(8, 164, 128, 148)
        << QSize(960, 320) << 7;
    QTest::newRow("1000 at 256: more columns, so that all fit")
        << 256 << 1000 << 1000 << QSize(256, 256) << QRect(2384, 15628, 256, 256)
        << QRect(2384, 15628, 256, 276) << QSize(4760, 15912) << 18;
    QTest::newRow("the last row that fits") << 256 << 0 << 171 << QSize(8, 8) << QRect(536, 15912, 256, 256)
                                            << QRect(536, 15912, 256, 276) << QSize(800, 16196) << 3;
    QTest::newRow("a row more would pass 16384")
        << 256 << 0 << 172 << QSize(8, 8) << QRect() << QRect() << QSize(800, 16196) << 3;
    QTest::newRow("never wider than 16384") << 64 << 1000000 << 1 << QSize(1, 1) << QRect(8, 8, 64, 64)
                                            << QRect(8, 8, 64, 84) << QSize(80, 100) << 227;
}

// Cells with labels 20 pixels high in rows of 1024.
void RulesTest::contactSheetCells()
{
    QFETCH(int, cell);
    QFETCH(int, count);
    QFETCH(int, placed);
    QFETCH(QSize, picture);
    QFETCH(QRect, place);
    QFETCH(QRect, area);
    QFETCH(QSize, sheet);
    QFETCH(int, columns);
    ContactSheetLayout layout(1024, 20, cell, count);
    std::optional<ContactSheetLayout::Cell> last;
    for (int i = 0; i < placed; ++i)
        last = layout.add(ContactSheetLayout::drawnSize(picture, cell), 5000);
    QCOMPARE(last ? last->picture : QRect(), place);
    QCOMPARE(last ? last->area : QRect(), area);
    QCOMPARE(layout.size(), sheet);
    QCOMPARE(layout.columns(), columns);
}

void RulesTest::contactSheetMoves_data()
{
    using Move = ContactSheetLayout::Move;
    QTest::addColumn<int>("from");
    QTest::addColumn<Move>("move");
    QTest::addColumn<int>("to");
    // Rows of a natural-size sheet: 0 1 2 / 3 (wide) / 4 5.
    QTest::newRow("right") << 0 << Move::Right << 1;
    QTest::newRow("right from the last stays") << 5 << Move::Right << 5;
    QTest::newRow("left from the first stays") << 0 << Move::Left << 0;
    QTest::newRow("left wraps to the row above") << 4 << Move::Left << 3;
    QTest::newRow("down to the only one below") << 2 << Move::Down << 3;
    QTest::newRow("down to the nearest across") << 3 << Move::Down << 5;
    QTest::newRow("up to the nearest across") << 4 << Move::Up << 3;
    QTest::newRow("up from the first row stays") << 1 << Move::Up << 1;
    QTest::newRow("home") << 4 << Move::First << 0;
    QTest::newRow("end") << 1 << Move::Last << 5;
}

void RulesTest::contactSheetMoves()
{
    QFETCH(int, from);
    QFETCH(ContactSheetLayout::Move, move);
    QFETCH(int, to);
    const QList<QRect> areas{QRect(8, 8, 40, 40),   QRect(56, 8, 40, 60),  QRect(104, 8, 40, 40),
                             QRect(8, 76, 900, 40), QRect(8, 124, 40, 40), QRect(600, 124, 40, 40)};
    QCOMPARE(ContactSheetLayout::moved(areas, from, move), to);
}

void RulesTest::zoomSteps_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("shown"); // also the area that fitting() fills
    QTest::addColumn<int>("larger");  // 0: none
    QTest::addColumn<int>("smaller"); // 0: none
    QTest::addColumn<int>("fitting");
    QTest::newRow("at its own size") << QSize(64, 48) << QSize(64, 48) << 2 << 0 << 1;
    QTest::newRow("4x: 6x and 3x beside it") << QSize(64, 48) << QSize(256, 192) << 6 << 3 << 4;
    QTest::newRow("16x is the last") << QSize(64, 48) << QSize(1024, 768) << 0 << 12 << 16;
    QTest::newRow("stretched 2.5 by 1.8: larger and smaller on both sides")
        << QSize(100, 100) << QSize(250, 180) << 3 << 1 << 1;
    QTest::newRow("stretched below 1x") << QSize(4096, 4096) << QSize(800, 600) << 1 << 0 << 1;
    QTest::newRow("stretched across only") << QSize(100, 100) << QSize(350, 90) << 4 << 0 << 1;
    QTest::newRow("fitting exactly") << QSize(2, 1) << QSize(24, 12) << 16 << 8 << 12;
}

void RulesTest::zoomSteps()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, shown);
    QTEST(PictureZoom::larger(picture, shown).value_or(0), "larger");
    QTEST(PictureZoom::smaller(picture, shown).value_or(0), "smaller");
    QTEST(PictureZoom::fitting(picture, shown), "fitting");
}

void RulesTest::visiblePart_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QRect>("view");
    QTest::addColumn<QRect>("source");
    QTest::addColumn<QRect>("target");
    QTest::newRow("all of it at 1x") << QSize(8, 4) << 1 << QPoint() << QRect(0, 0, 100, 100)
                                     << QRect(0, 0, 8, 4) << QRect(0, 0, 8, 4);
    QTest::newRow("2 x 1 at 4x") << QSize(2, 1) << 4 << QPoint() << QRect(0, 0, 100, 100) << QRect(0, 0, 2, 1)
                                 << QRect(0, 0, 8, 4);
    QTest::newRow("16x, scrolled into pixels")
        << QSize(4096, 4096) << 16 << QPoint(100, 40) << QRect(0, 0, 1280, 800) << QRect(6, 2, 81, 51)
        << QRect(-4, -8, 1296, 816);
    QTest::newRow("a strip exposed by scrolling")
        << QSize(4096, 4096) << 16 << QPoint(100, 40) << QRect(0, 780, 1280, 20) << QRect(6, 51, 81, 2)
        << QRect(-4, 776, 1296, 32);
    QTest::newRow("cut at the picture's edge") << QSize(10, 10) << 3 << QPoint(20, 20) << QRect(0, 0, 50, 50)
                                               << QRect(6, 6, 4, 4) << QRect(-2, -2, 12, 12);
    QTest::newRow("beside the picture")
        << QSize(10, 10) << 2 << QPoint() << QRect(30, 0, 10, 10) << QRect() << QRect();
}

// Only the pixels in view are copied, however large the zoomed picture; zooming keeps the pixel
// under the pointer where it was.
void RulesTest::visiblePart()
{
    QFETCH(QSize, picture);
    QFETCH(int, zoom);
    QFETCH(QPoint, offset);
    QFETCH(QRect, view);
    const PictureZoom::Visible visible = PictureZoom::visible(picture, zoom, offset, view);
    QTEST(visible.source, "source");
    QTEST(visible.target, "target");
    QCOMPARE(PictureZoom::anchored(QPoint(0, 0), QPoint(40, 30), 1, 4), QPoint(120, 90));
    QCOMPARE(PictureZoom::anchored(QPoint(120, 90), QPoint(40, 30), 4, 1), QPoint(0, 0));
}

void RulesTest::paletteChoices_data()
{
    // Palettes as "file:PATH" (in the palette folder unless absolute), "list:NAME:ID" or "own".
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("labels"); // "*" before the ticked one
    const QStringList files{"b/3.pal", "10.pal", "2.pal", "base.pal", "A/7.pal", "A/x.pal"};
    const QStringList lists{"gui.ppl:7", "gui.ppl:2", "world.ppl:1"};
    QTest::newRow("the folder by number, subfolders by name, lists in archive order")
        << files << lists << "file:10.pal"
        << "file:10.pal" << QStringList{"2.pal",   "*10.pal",    "base.pal",   "A/7.pal",     "A/x.pal",
                                        "b/3.pal", "gui.ppl: 7", "gui.ppl: 2", "world.ppl: 1"};
    QTest::newRow("a list's palette")
        << QStringList{"2.pal"} << lists << "list:gui.ppl:2"
        << "list:gui.ppl:2" << QStringList{"2.pal", "gui.ppl: 7", "*gui.ppl: 2", "world.ppl: 1"};
    QTest::newRow("a default palette outside the folder comes first")
        << QStringList{"2.pal"} << QStringList() << "file:/data/base.pal"
        << "file:/data/base.pal" << QStringList{"*/data/base.pal", "2.pal"};
    QTest::newRow("another chosen: the converted one stays offered")
        << QStringList{"2.pal"} << lists.mid(2) << "file:/data/base.pal"
        << "list:world.ppl:1" << QStringList{"/data/base.pal", "2.pal", "*world.ppl: 1"};
    QTest::newRow("a bitmap's own colours") << QStringList{"2.pal"} << QStringList() << "own"
                                            << "own" << QStringList{"*Own colours", "2.pal"};
    QTest::newRow("nothing else") << QStringList() << QStringList() << "file:/data/base.pal"
                                  << "file:/data/base.pal" << QStringList{"*/data/base.pal"};
}

void RulesTest::paletteChoices()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, lists);
    QFETCH(QString, converted);
    QFETCH(QString, current);
    const QString folder = u"/pal"_s;
    const auto origin = [&folder](const QString& described) {
        const QStringList parts = described.split(u':');
        if (parts.first() == "own"_L1)
            return PaletteOrigin{PaletteOrigin::Reason::Own, 0, {}, {}, 0};
        if (parts.first() == "list"_L1)
            return PaletteOrigin{PaletteOrigin::Reason::Listed, 7, {}, parts[1], parts[2].toInt()};
        return PaletteOrigin{PaletteOrigin::Reason::Numbered, 7, QDir(folder).filePath(parts[1]), {}, 0};
    };
    QStringList paths;
    for (const QString& file : files)
        paths.append(folder + u'/' + file);
    QList<ListedPalette> listed;
    for (const QString& list : lists)
        listed.append(
            {list.section(u':', 0, 0), list.section(u':', 1).toInt(), PictureFiles::ramp(list.size())});
    QStringList labels;
    for (const PaletteChoices::Choice& choice :
         PaletteChoices::build(folder, paths, listed, origin(converted), origin(current)))
        labels.append((choice.current ? u"*"_s : QString()) + choice.label);
    QTEST(labels, "labels");
}

void RulesTest::scriptTokens_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("inComment"); // a comment is open at the line's start
    QTest::addColumn<QStringList>("tokens");
    QTest::addColumn<bool>("open"); // and at its end
    QTest::newRow("keyword and a local")
        << u"function onAdd(%this, %obj) {"_s << false
        << QStringList{"keyword function", "variable %this", "variable %obj"} << false;
    QTest::newRow("a global with namespaces, a string")
        << u"$pref::Player::Name = \"x\";"_s << false
        << QStringList{"variable $pref::Player::Name", "string \"x\""} << false;
    QTest::newRow("percent as an operator, a lone dollar")
        << u"a % 2 + $ ;"_s << false << QStringList{"number 2"} << false;
    QTest::newRow("numbers, not in a word")
        << u"x = 12 + 1.5e-3 + 0x1F + .25 - abc123;"_s << false
        << QStringList{"number 12", "number 1.5e-3", "number 0x1F", "number .25"} << false;
    QTest::newRow("escaped quote and comment marks in strings")
        << u"echo(\"a \\\"//\\\" /* b\", 'tag');"_s << false
        << QStringList{"string \"a \\\"//\\\" /* b\"", "string 'tag'"} << false;
    QTest::newRow("string not closed") << u"\"open"_s << false << QStringList{"string \"open"} << false;
    QTest::newRow("line comment after code")
        << u"return 1; // done"_s << false << QStringList{"keyword return", "number 1", "comment // done"}
        << false;
    QTest::newRow("comment within a line")
        << u"if (/* x */ true)"_s << false << QStringList{"keyword if", "comment /* x */", "keyword true"}
        << false;
    QTest::newRow("comment opening") << u"else /* starts"_s << false
                                     << QStringList{"keyword else", "comment /* starts"} << true;
    QTest::newRow("inside a comment")
        << u"still while"_s << true << QStringList{"comment still while"} << true;
    QTest::newRow("empty, inside a comment") << QString() << true << QStringList() << true;
    QTest::newRow("comment closing") << u"ends */ for"_s << true
                                     << QStringList{"comment ends */", "keyword for"} << false;
    QTest::newRow("keywords in any case, whole words only")
        << u"If iffy newton New datablock"_s << false
        << QStringList{"keyword If", "keyword New", "keyword datablock"} << false;
}

void RulesTest::scriptTokens()
{
    QFETCH(QString, line);
    QFETCH(bool, inComment);
    static const char* const kinds[] = {"comment", "string", "number", "keyword", "variable"};
    const ScriptSyntax::Line tokenized = ScriptSyntax::tokenize(line, inComment);
    QStringList tokens;
    for (const ScriptSyntax::Token& token : tokenized.tokens)
        tokens.append(QLatin1String(kinds[int(token.kind)]) + u' ' + line.mid(token.start, token.length));
    QTEST(tokens, "tokens");
    QTEST(tokenized.openComment, "open");
}

// In any case, one after the other, round the end in either direction.
void RulesTest::findInText()
{
    const QList<qsizetype> found = FindInText::matches(u"Echo echo ECHOECHO"_s, u"echo"_s);
    QCOMPARE(found, (QList<qsizetype>{0, 5, 10, 14}));
    QCOMPARE(FindInText::matches(u"aaaa"_s, u"aa"_s), (QList<qsizetype>{0, 2}));
    QVERIFY(FindInText::matches(u"text"_s, QString()).isEmpty());
    QCOMPARE(FindInText::next(found, 4, false), 1);
    QCOMPARE(FindInText::next(found, 5, false), 1);
    QCOMPARE(FindInText::next(found, 15, false), 0);
    QCOMPARE(FindInText::next(found, 5, true), 0);
    QCOMPARE(FindInText::next(found, 0, true), 3);
    QCOMPARE(FindInText::next({}, 0, false), -1);
}

// A link where the file goes is replaced: the file it points to, outside the destination, stays as it was.
void RulesTest::writersReplaceALinkInTheirPlace()
{
    const QString dest = environment_.path() + u"/dest"_s;
    const QString outside = environment_.path() + u"/outside.txt"_s;
    const QString bitmap = environment_.path() + u"/converted.bmp"_s;
    QVERIFY(QDir().mkpath(dest));
    TestEnvironment::writeFile(outside, "the user's");
    TestEnvironment::writeFile(bitmap,
                               PictureFiles::standardBitmap(4, 2, PictureFiles::ramp(3), counting(8)));
    for (const QString& name : {u"sky.png"_s, u"7.pal"_s})
        QVERIFY(QFile::link(outside, dest + u'/' + name));
    const PictureExport png{PictureExport::Format::Png, 3};
    QVERIFY(png.deliver(bitmap, dest, u"sky.bmp"_s, false).written);
    QCOMPARE(PaletteExtraction::write(dest, {}, {PictureFiles::ramp(7), 7}), QString());
    QCOMPARE(TestEnvironment::readFile(outside), QByteArray("the user's"));
    for (const QString& name : {u"sky.png"_s, u"7.pal"_s}) {
        const QFileInfo written(dest + u'/' + name);
        QVERIFY2(written.isFile() && !written.isSymLink(), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
