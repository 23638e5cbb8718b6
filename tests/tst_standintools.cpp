#include "VolArchive.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

using namespace Qt::StringLiterals;

// The stand-in game tools, run as the program runs them. What the sample maker writes is checked
// where it is used: the object list, picture and end-to-end tests.
class StandinToolsTest : public QObject {
    Q_OBJECT

    // Runs a stand-in in the current folder: empty when it ended with code 0, else the reason with what
    // it wrote on its error channel.
    static QString run(const QString& tool, const QStringList& arguments, QByteArray* output = nullptr)
    {
        return OwnedProgram::runToEnd(QStringLiteral(KADRILLO_STANDIN_DIR "/") + tool, arguments, output);
    }
    QString archive(const QString& name) const { return folder_.path() + u'/' + name; }

    QTemporaryDir folder_;
    std::vector<VolEntry> entries_;

private slots:
    void initTestCase()
    {
        // Every byte value, so text-mode translation (CR, LF, Ctrl-Z) or truncation would show.
        std::vector<unsigned char> binary;
        for (int i = 0; i < 40 * 256; ++i)
            binary.push_back(static_cast<unsigned char>(i ^ (i / 256)));
        const auto bytes = [](const char* text) {
            return std::vector<unsigned char>(text, text + std::strlen(text));
        };
        entries_ = {{"readme.cs", bytes("echo();\r\n")},
                    {"Sky.BMP", binary},
                    {"noext", bytes("no dot")},
                    {"two words.cs", bytes("blank")},
                    {"a.cs", bytes("first")},
                    {"A.CS", bytes("second")},
                    {"empty.txt", {}}};
        std::vector<unsigned char> encoded;
        std::string error;
        QVERIFY2(VolArchive::encode(entries_, encoded, error), error.c_str());
        const QByteArray good(reinterpret_cast<const char*>(encoded.data()), qsizetype(encoded.size()));
        QByteArray badMagic = good;
        badMagic[0] = 'X';
        QByteArray bigCount = good;
        bigCount[7] = '\x7f';
        const std::pair<const char*, QByteArray> files[] = {
            {"good.vol", good},           {"badmagic.vol", badMagic}, {"truncated.vol", good.chopped(1)},
            {"header.vol", good.left(6)}, {"bigcount.vol", bigCount}, {"trailing.vol", good + "junk"}};
        for (const auto& [name, content] : files)
            TestEnvironment::writeFile(archive(QLatin1String(name)), content);
    }

    // The program only ever lists "*.*": every name, even one without a dot, after a heading that
    // counts them.
    void listsEveryName()
    {
        QByteArray listed;
        const QString failed = run(u"vtlist.exe"_s, {u"*.*"_s, archive(u"good.vol"_s)}, &listed);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        const QByteArray heading = listed.left(listed.indexOf('\n') + 1);
        QVERIFY2(heading.contains("7") && !heading.contains(','), heading.constData());
        QCOMPARE(listed.mid(heading.size()),
                 QByteArray("readme.cs\nSky.BMP\nnoext\ntwo words.cs\na.cs\nA.CS\nempty.txt\n"));
    }

    void extractsByteIdentical_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("entry");
        QTest::newRow("binary, name in other case") << QStringList{"sky.bmp", "sky.out"} << 1;
        // A backslash is a separator on Windows but an ordinary name byte here.
        QTest::newRow("folder\\name") << QStringList{"sub\\noext"} << 2;
        QTest::newRow("blank in name") << QStringList{"sub/two words.cs"} << 3;
        QTest::newRow("first match wins") << QStringList{"A.cs", "a.out"} << 4;
        QTest::newRow("empty object") << QStringList{"EMPTY.TXT", "empty.out"} << 6;
    }

    void extractsByteIdentical()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, entry);
        QTemporaryDir work;
        QDir::setCurrent(work.path());
        QDir().mkdir(u"sub"_s);
        const QString failed = run(u"extract.exe"_s, QStringList{archive(u"good.vol"_s)} + arguments);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        const std::vector<unsigned char>& data = entries_.at(std::size_t(entry)).data;
        QCOMPARE(TestEnvironment::readFile(arguments.last()),
                 QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size())));
    }

    void refusesBadInputAndWritesNothing_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        for (const char* name :
             {"absent.vol", "badmagic.vol", "truncated.vol", "header.vol", "bigcount.vol", "trailing.vol"}) {
            const QString bad = archive(QLatin1String(name));
            QTest::addRow("vtlist: %s", name) << u"vtlist.exe"_s << QStringList{"*.*", bad};
            QTest::addRow("extract: %s", name) << u"extract.exe"_s << QStringList{bad, "a.cs", "keep.bin"};
        }
        const QString good = archive(u"good.vol"_s);
        QTest::newRow("vtlist: too few arguments") << u"vtlist.exe"_s << QStringList{good};
        QTest::newRow("extract: too many arguments")
            << u"extract.exe"_s << QStringList{good, "a.cs", "x", "y"};
        QTest::newRow("extract: missing object")
            << u"extract.exe"_s << QStringList{good, "nope.cs", "keep.bin"};
        QTest::newRow("extract: missing folder")
            << u"extract.exe"_s << QStringList{good, "missing/readme.cs"};
    }

    // A file the tool was to write is left as it was, so a failed run never passes for a good one.
    void refusesBadInputAndWritesNothing()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        QTemporaryDir work;
        QDir::setCurrent(work.path());
        TestEnvironment::writeFile(u"keep.bin"_s, "keep");
        QByteArray listed;
        const QString refused = run(tool, arguments, &listed);
        // Code 1 and a reason on the error channel, which follows the colon.
        QVERIFY2(refused.contains(u" exited with code 1: "_s) && !refused.endsWith(u' '),
                 qPrintable(refused));
        QVERIFY2(listed.isEmpty(), listed.constData());
        QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"keep.bin"});
        QCOMPARE(TestEnvironment::readFile(u"keep.bin"_s), QByteArray("keep"));
    }
};

QTEST_GUILESS_MAIN(StandinToolsTest)
#include "tst_standintools.moc"
