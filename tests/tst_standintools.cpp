#include "VolArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QString vtlistPath()
{
    return QStringLiteral(KADRILLO_STANDIN_DIR "/vtlist.exe");
}

QString extractPath()
{
    return QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe");
}

QString makeSamplePath()
{
    return QStringLiteral(KADRILLO_BIN_DIR "/make-sample-vol");
}

ToolRun runTool(const QString& program, const QStringList& arguments, const QString& workDir = {})
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Splits a listing into heading + names; tolerates CR LF so a Windows build can be checked too.
QList<QByteArray> listingLines(const QByteArray& out)
{
    QList<QByteArray> lines = out.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

QByteArray bytesOf(const std::vector<unsigned char>& data)
{
    return QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 u32At(const QByteArray& data, qsizetype offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(data.at(offset + i));
    return value;
}

QStringList filesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class StandinToolsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsMatchingNames_data();
    void listsMatchingNames();
    void extractsByteIdentical_data();
    void extractsByteIdentical();
    void rejectsBadInput_data();
    void rejectsBadInput();
    void leavesDestinationAloneOnFailure();
    void makeSampleVolWritesContent_data();
    void makeSampleVolWritesContent();

private:
    QString archive(const QString& name) const { return m_dir.filePath(name); }
    void writeArchive(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_dir;
    std::vector<VolEntry> m_entries;
};

void StandinToolsTest::writeArchive(const QString& name, const QByteArray& bytes)
{
    QFile file(archive(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void StandinToolsTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(vtlistPath()));
    QVERIFY(QFile::exists(extractPath()));

    // Every byte value, so text-mode translation (CR, LF, Ctrl-Z) or truncation would show.
    std::vector<unsigned char> binary;
    for (int round = 0; round < 40; ++round) {
        for (int value = 0; value < 256; ++value)
            binary.push_back(static_cast<unsigned char>(value ^ round));
    }
    m_entries = {
        {"readme.cs", {'e', 'c', 'h', 'o', '(', ')', ';', '\r', '\n'}},
        {"Sky.BMP", binary},
        {"noext", {'n', 'o', ' ', 'd', 'o', 't'}},
        {"two words.cs", {'b', 'l', 'a', 'n', 'k'}},
        {"a.cs", {'f', 'i', 'r', 's', 't'}},
        {"A.CS", {'s', 'e', 'c', 'o', 'n', 'd'}},
        {"empty.txt", {}},
    };
    std::vector<unsigned char> encoded;
    std::string error;
    QVERIFY2(VolArchive::encode(m_entries, encoded, error), error.c_str());
    const QByteArray good = bytesOf(encoded);
    writeArchive("good.vol", good);

    QByteArray badMagic = good;
    badMagic[0] = 'X';
    writeArchive("badmagic.vol", badMagic);
    writeArchive("truncated.vol", good.left(good.size() - 1));
    writeArchive("header.vol", good.left(6));
    QByteArray bigCount = good;
    bigCount[7] = '\x7f';
    writeArchive("bigcount.vol", bigCount);
    writeArchive("trailing.vol", good + "junk");
}

void StandinToolsTest::listsMatchingNames_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QList<QByteArray>>("names");

    QTest::newRow("star dot star lists all, even without a dot")
        << "*.*"
        << QList<QByteArray>{"readme.cs", "Sky.BMP", "noext", "two words.cs", "a.cs", "A.CS", "empty.txt"};
    QTest::newRow("extension, any case")
        << "*.CS" << QList<QByteArray>{"readme.cs", "two words.cs", "a.cs", "A.CS"};
    QTest::newRow("question mark") << "?.cs" << QList<QByteArray>{"a.cs", "A.CS"};
    QTest::newRow("exact name, other case") << "sky.bmp" << QList<QByteArray>{"Sky.BMP"};
    QTest::newRow("nothing matches") << "*.zip" << QList<QByteArray>{};
}

void StandinToolsTest::listsMatchingNames()
{
    QFETCH(QString, pattern);
    QFETCH(QList<QByteArray>, names);

    const ToolRun run = runTool(vtlistPath(), {pattern, archive("good.vol")});
    QCOMPARE(run.exitCode, 0);
    QList<QByteArray> lines = listingLines(run.out);
    QVERIFY(!lines.isEmpty());
    const QByteArray heading = lines.takeFirst();
    QVERIFY(!heading.isEmpty());
    QVERIFY(!heading.contains(',') && !heading.contains('"'));
    QVERIFY2(heading.contains(QByteArray::number(names.size())), heading.constData());
    QCOMPARE(lines, names);
}

void StandinToolsTest::extractsByteIdentical_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("entry");

    QTest::newRow("name and outfile") << QStringList{"readme.cs", "readme.out"} << "readme.out" << 0;
    QTest::newRow("binary, name in other case") << QStringList{"sky.bmp", "sky.out"} << "sky.out" << 1;
    QTest::newRow("folder/name") << QStringList{"sub/SKY.BMP"} << "sub/SKY.BMP" << 1;
    QTest::newRow("folder\\name") << QStringList{"sub\\noext"} << "sub\\noext" << 2;
    QTest::newRow("blank in name") << QStringList{"sub/two words.cs"} << "sub/two words.cs" << 3;
    QTest::newRow("first match wins") << QStringList{"A.cs", "a.out"} << "a.out" << 4;
    QTest::newRow("empty object") << QStringList{"EMPTY.TXT", "empty.out"} << "empty.out" << 6;
}

void StandinToolsTest::extractsByteIdentical()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(int, entry);

    QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkdir("sub"));
    const ToolRun run = runTool(extractPath(), QStringList{archive("good.vol")} + arguments, work.path());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    // A backslash is a separator on Windows but an ordinary name byte here; both land at this path.
    const QString written = work.filePath(output);
    QVERIFY2(QFile::exists(written), qPrintable(written));
    QCOMPARE(readAll(written), bytesOf(m_entries[static_cast<std::size_t>(entry)].data));
}

void StandinToolsTest::rejectsBadInput_data()
{
    QTest::addColumn<bool>("isVtlist");
    QTest::addColumn<QString>("archiveName");
    QTest::addColumn<QStringList>("arguments");

    const QStringList all{"*.*"};
    QTest::newRow("vtlist: missing archive") << true << "absent.vol" << all;
    QTest::newRow("vtlist: bad magic") << true << "badmagic.vol" << all;
    QTest::newRow("vtlist: truncated data") << true << "truncated.vol" << all;
    QTest::newRow("vtlist: truncated header") << true << "header.vol" << all;
    QTest::newRow("vtlist: count too large") << true << "bigcount.vol" << all;
    QTest::newRow("vtlist: trailing bytes") << true << "trailing.vol" << all;
    QTest::newRow("vtlist: too few arguments") << true << "" << all;
    QTest::newRow("extract: missing object") << false << "good.vol" << QStringList{"nope.cs", "out.bin"};
    QTest::newRow("extract: missing object, folder form") << false << "good.vol" << QStringList{"nope.cs"};
    QTest::newRow("extract: missing archive") << false << "absent.vol" << QStringList{"a.cs", "out.bin"};
    QTest::newRow("extract: bad magic") << false << "badmagic.vol" << QStringList{"a.cs", "out.bin"};
    QTest::newRow("extract: truncated data") << false << "truncated.vol" << QStringList{"a.cs", "out.bin"};
    QTest::newRow("extract: count too large") << false << "bigcount.vol" << QStringList{"a.cs", "out.bin"};
    QTest::newRow("extract: too many arguments")
        << false << "good.vol" << QStringList{"a.cs", "out.bin", "x"};
}

void StandinToolsTest::rejectsBadInput()
{
    QFETCH(bool, isVtlist);
    QFETCH(QString, archiveName);
    QFETCH(QStringList, arguments);

    QTemporaryDir work;
    QStringList fullArguments = arguments;
    if (!archiveName.isEmpty()) {
        if (isVtlist)
            fullArguments.append(archive(archiveName));
        else
            fullArguments.prepend(archive(archiveName));
    }
    const ToolRun run = runTool(isVtlist ? vtlistPath() : extractPath(), fullArguments, work.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY(!run.err.isEmpty());
    QVERIFY2(run.out.isEmpty(), run.out.constData());
    QCOMPARE(filesIn(work.path()), QStringList());
}

void StandinToolsTest::leavesDestinationAloneOnFailure()
{
    QTemporaryDir work;
    const ToolRun noFolder = runTool(extractPath(), {archive("good.vol"), "missing/readme.cs"}, work.path());
    QCOMPARE(noFolder.exitCode, 1);
    QCOMPARE(filesIn(work.path()), QStringList());

    const QString existing = work.filePath("keep.bin");
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep");
    file.close();
    const ToolRun noObject = runTool(extractPath(), {archive("good.vol"), "nope.cs", existing});
    QCOMPARE(noObject.exitCode, 1);
    QCOMPARE(readAll(existing), QByteArray("keep"));
}

void StandinToolsTest::makeSampleVolWritesContent_data()
{
    QTest::addColumn<bool>("hostile");
    QTest::newRow("plain") << false;
    QTest::newRow("hostile") << true;
}

void StandinToolsTest::makeSampleVolWritesContent()
{
    QFETCH(bool, hostile);

    QTemporaryDir work;
    const QString dir = work.filePath("new/folder");
    QStringList arguments{dir};
    if (hostile)
        arguments << "--hostile";
    const ToolRun make = runTool(makeSamplePath(), arguments);
    QVERIFY2(make.exitCode == 0, make.err.constData());
    for (const char* palette : {"base.pal", "1.pal", "2.pal", "-3.pal"})
        QCOMPARE(QFileInfo(QDir(dir).filePath(palette)).size(), 1048);
    QCOMPARE(QFile::exists(QDir(dir).filePath("hostile.vol")), hostile);

    const ToolRun list = runTool(vtlistPath(), {"*.*", QDir(dir).filePath("sample.vol")});
    QCOMPARE(list.exitCode, 0);
    const QList<QByteArray> expected{"readme.cs", "mission.cs", "sky.bmp", "logo.bmp",
                                     "pad.bmp",   "extra.bmp",  "dot.bmp", "tile.bmp",
                                     "beep.wav",  "taunt1.wav", "gui.ppl", "notes.txt"};
    QCOMPARE(listingLines(list.out).mid(1), expected);

    std::vector<VolEntry> entries;
    std::string error;
    QVERIFY2(VolArchive::read(QDir(dir).filePath("sample.vol").toStdString(), entries, error), error.c_str());
    auto object = [&entries](const char* name) {
        return bytesOf(VolArchive::find(entries, name)->data);
    };
    const QByteArray pad = object("pad.bmp");
    QVERIFY(pad.startsWith("PBMP"));
    QCOMPARE(u32At(pad, 20), 6u);
    QCOMPARE(u32At(pad, 24), 4u);
    QCOMPARE(u32At(pad, 40), 32u);
    QCOMPARE(u32At(pad, 64 + 32), 1u);
    const QByteArray extra = object("extra.bmp");
    QCOMPARE(u32At(extra, 40), 5461u);
    QCOMPARE(u32At(extra, 64 + 5461), 0u);
    QCOMPARE(static_cast<qint32>(u32At(object("logo.bmp"), 64 + 32 * 16)), -3);
    const QByteArray beep = object("beep.wav");
    QVERIFY(beep.startsWith("RIFF") && beep.mid(8, 8) == "WAVEfmt ");
    QCOMPARE(u32At(beep, 4), static_cast<quint32>(beep.size() - 8));
    QVERIFY(object("mission.cs").contains("\r\n"));
    const QByteArray ppl = object("gui.ppl");
    QCOMPARE(u32At(ppl, 4), 3u);
    QCOMPARE(ppl.size(), 52 + 3 * 1032);
    QCOMPARE(u32At(ppl, 52 + 1024), 1u);

    if (hostile) {
        const ToolRun hostileList = runTool(vtlistPath(), {"*.*", QDir(dir).filePath("hostile.vol")});
        QCOMPARE(hostileList.exitCode, 0);
        const QList<QByteArray> names = listingLines(hostileList.out).mid(1);
        QCOMPARE(names.size(), 20);
        for (const char* name :
             {"..", "../escape.cs", "back\\slash.cs", "quote\".cs", "a&calc & touch pwned.cs"})
            QVERIFY2(names.contains(name), name);
    }
}

QTEST_GUILESS_MAIN(StandinToolsTest)
#include "tst_standintools.moc"
