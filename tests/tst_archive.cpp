#include "archive/ObjectName.h"
#include "archive/ResultsFile.h"
#include "archive/ToolCommands.h"
#include "archive/VolTable.h"
#include "archive/Windows1252.h"
#include "archive/WorkFolder.h"
#include "archive/frmExtract.h"
#include "support/TestEnvironment.h"

#include <QTest>

// The pieces of the archive workflow that run no tool: the listing parser, name checks and the
// command lines built from them.
class ArchiveTest : public QObject {
    Q_OBJECT

private slots:
    void listingFromToolOutput_data();
    void listingFromToolOutput();
    void listingStopsAtTheNameLimit();
    void windows1252RoundTrip();
    void untrustedNames_data();
    void untrustedNames();
    void toolCommandLines();
    void volTableNumbersFromOne();
    void extractionProgress_data();
    void extractionProgress();
};

void ArchiveTest::listingFromToolOutput_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("three objects, CR LF")
        << "listing-three-objects-crlf.txt" << QStringList{"a.bmp", "b.wav", "c.cs"};
    QTest::newRow("three objects, bare LF")
        << "listing-three-objects-lf.txt" << QStringList{"a.bmp", "b.wav", "c.cs"};
    QTest::newRow("heading with a comma")
        << "listing-heading-with-comma.txt" << QStringList{"2 objects", "sky.bmp"};
    QTest::newRow("blanks, commas, empty line")
        << "listing-blanks-commas-empty-line.txt" << QStringList{"d.bmp", "e.bmp", "f.bmp", "g.wav"};
    QTest::newRow("quoted names") << "listing-quoted-names.txt"
                                  << QStringList{"two words.cs", "a,b.wav", "unclosed.bmp"};
    QTest::newRow("empty file") << "listing-empty.txt" << QStringList{};
    QTest::newRow("heading only") << "listing-heading-only.txt" << QStringList{};
    QTest::newRow("Windows-1252, no final line end")
        << "listing-windows1252-no-final-line-end.txt"
        << QStringList{QStringLiteral("café.wav"), QStringLiteral("€uro.cs")};
}

void ArchiveTest::listingFromToolOutput()
{
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    const QByteArray bytes = TestEnvironment::readFile(QStringLiteral(KADRILLO_TEST_DATA_DIR "/") + file);
    QVERIFY(!bytes.isEmpty() || file == QLatin1String("listing-empty.txt"));
    const ResultsFile::Listing listing = ResultsFile::ReadListing(bytes);
    QCOMPARE(listing.names, names);
    QVERIFY(!listing.truncated);
}

void ArchiveTest::listingStopsAtTheNameLimit()
{
    QByteArray text = "Volume contents\r\n";
    for (int i = 0; i <= ResultsFile::maximumNames; ++i)
        text += "object" + QByteArray::number(i) + ".cs\r\n";
    const ResultsFile::Listing listing = ResultsFile::ReadListing(text);
    QCOMPARE(listing.names.size(), ResultsFile::maximumNames);
    QCOMPARE(listing.names.last(), QStringLiteral("object32766.cs"));
    QVERIFY(listing.truncated);
}

void ArchiveTest::windows1252RoundTrip()
{
    QByteArray all;
    for (int byte = 1; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.at(0x80 - 1), QChar(0x20AC));
    QCOMPARE(text.at(0xE9 - 1), QChar(0xE9));
    QCOMPARE(Windows1252::encode(text), all);
    QCOMPARE(Windows1252::encode(QStringLiteral("a\u4e00b")), QByteArray("a?b"));
}

void ArchiveTest::untrustedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("inToolLine");
    QTest::newRow("plain") << "sky.bmp" << false << "sky.bmp";
    QTest::newRow("blank") << "two words.cs" << false << "\"two words.cs\"";
    QTest::newRow("ampersand command") << "a&calc & touch pwned.cs" << false << "\"a&calc & touch pwned.cs\"";
    for (const char* name :
         {"semi;colon.cs", "caret^x.cs", "paren(1).cs", "comma,x.cs", "eq=x.cs", "bang!.cs"})
        QTest::newRow(name) << name << false << QStringLiteral("\"%1\"").arg(QLatin1String(name));
    QTest::newRow("accented") << QStringLiteral("café.wav") << false << QStringLiteral("café.wav");
    for (const char* name :
         {"", ".", "..", "../escape.cs", "sub/dir.cs", "back\\slash.cs", "100%.cs", "%PATH%.cs", "quote\".cs",
          "pipe|x.cs", "lt<gt>.cs", "star*.cs", "what?.cs", "colon:x.cs"})
        QTest::newRow(qPrintable(QStringLiteral("refused %1").arg(QLatin1String(name))))
            << name << true << QString();
    QTest::newRow("control character") << "tab\there.cs" << true << QString();
    QTest::newRow("delete character") << "del\x7f.cs" << true << QString();
}

void ArchiveTest::untrustedNames()
{
    QFETCH(QString, name);
    QFETCH(bool, refused);
    QFETCH(QString, inToolLine);
    QCOMPARE(!ObjectName::refusal(name).isEmpty(), refused);
    if (!refused)
        QCOMPARE(ObjectName::forToolLine(name), inToolLine);
}

void ArchiveTest::toolCommandLines()
{
    QCOMPARE(ToolCommands::listingLine(), QStringLiteral("vtlist.exe *.* temp.vol >results.dat"));
    QCOMPARE(ToolCommands::extractLine(QStringLiteral("sky.bmp"), QStringLiteral("temp.bmp")),
             QStringLiteral("extract.exe temp.vol sky.bmp temp.bmp"));
    QCOMPARE(ToolCommands::extractLine(QStringLiteral("a&b.cs"), QStringLiteral("temp.cs")),
             QStringLiteral("extract.exe temp.vol \"a&b.cs\" temp.cs"));
    QCOMPARE(ToolCommands::extractionCommand(WorkFolder(QStringLiteral("/tmp/k")), QStringLiteral("/out"),
                                             QStringLiteral("two words.bmp")),
             QStringLiteral("\"/tmp/k/extract.exe\" \"/tmp/k/temp.vol\" \"/out/two words.bmp\""));
}

void ArchiveTest::volTableNumbersFromOne()
{
    VolTable vols;
    QVERIFY(!vols.current());
    QVERIFY(!vols.record(0));
    QCOMPARE(vols.AddVol(QStringLiteral("/a/x.vol"), QStringLiteral("x.vol")), 1);
    QCOMPARE(vols.AddVol(QStringLiteral("/a/x.vol"), QStringLiteral("x.vol")), 2);
    QCOMPARE(vols.VolCount(), 2);
    QCOMPARE(vols.CurrentVol, 2);
    QVERIFY(!vols.record(3));
    QCOMPARE(vols.record(1)->FileTitle, QStringLiteral("x.vol"));
    QVERIFY(!vols.record(1)->Listed);
    QVERIFY(vols.record(1) != vols.record(2));
}

void ArchiveTest::extractionProgress_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("one") << 1 << QList<int>{100};
    QTest::newRow("three") << 3 << QList<int>{33, 67, 100};
    QTest::newRow("seven") << 7 << QList<int>{14, 29, 43, 57, 71, 86, 100};
}

void ArchiveTest::extractionProgress()
{
    QFETCH(int, total);
    QFETCH(QList<int>, values);
    QList<int> actual;
    for (int done = 1; done <= total; ++done)
        actual.append(frmExtract::progressValue(done, total));
    QCOMPARE(actual, values);
    QCOMPARE(frmExtract::progressText(2, 3), QStringLiteral("File 2 of 3"));
    for (const int many : {45, 199, 32767})
        QCOMPARE(frmExtract::progressValue(many, many), 100);
}

QTEST_GUILESS_MAIN(ArchiveTest)
#include "tst_archive.moc"
