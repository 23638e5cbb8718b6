#include "archive/ResultsFile.h"
#include "archive/Windows1252.h"
#include "archive/frmExtract.h"
#include "support/TestEnvironment.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The pieces of the archive workflow that run no tool: the listing parser, the code page and the
// extraction's progress.
class ArchiveTest : public QObject {
    Q_OBJECT

private slots:
    void listingFromToolOutput_data();
    void listingFromToolOutput();
    void listingStopsAtTheNameLimit();
    void windows1252RoundTrip();
    void extractionProgress();
};

void ArchiveTest::listingFromToolOutput_data()
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
    QTest::newRow("empty file") << u"listing-empty.txt"_s << QStringList{};
    QTest::newRow("heading only") << u"listing-heading-only.txt"_s << QStringList{};
    QTest::newRow("Windows-1252, no final line end")
        << u"listing-windows1252-no-final-line-end.txt"_s << QStringList{u"café.wav"_s, u"€uro.cs"_s};
}

void ArchiveTest::listingFromToolOutput()
{
    QFETCH(QString, file);
    QFETCH(QStringList, names);
    const QString path = QStringLiteral(KADRILLO_TEST_DATA_DIR "/") + file;
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const ResultsFile::Listing listing = ResultsFile::ReadListing(TestEnvironment::readFile(path));
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
    QCOMPARE(listing.names.last(), u"object32766.cs"_s);
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
    QCOMPARE(Windows1252::encode(u"a\u4e00b"_s), QByteArray("a?b"));
}

// Whole per cent, and exactly 100 at the last object however the steps round.
void ArchiveTest::extractionProgress()
{
    QList<int> seven;
    for (int done = 1; done <= 7; ++done)
        seven.append(frmExtract::progressValue(done, 7));
    QCOMPARE(seven, (QList<int>{14, 29, 43, 57, 71, 86, 100}));
    for (const int many : {1, 3, 45, 199, 32767})
        QCOMPARE(frmExtract::progressValue(many, many), 100);
}

QTEST_GUILESS_MAIN(ArchiveTest)
#include "tst_archive.moc"
