#include "app/CommandLine.h"

#include <QTest>

using namespace Qt::StringLiterals;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void tokens_data();
    void tokens();
    void archivePaths();
};

void CommandLineTest::tokens_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("quoted path with blanks")
        << u"\"/games/My Vols/a.vol\""_s << QStringList{"/games/My Vols/a.vol"} << QStringList{"a.vol"};
    QTest::newRow("blanks and tabs separate")
        << u"  /x/a.vol \t b.vol  "_s << QStringList{"/x/a.vol", "b.vol"} << QStringList{"a.vol", "b.vol"};
    QTest::newRow("tab inside quotes stays")
        << u"\"/v/a\tb.vol\""_s << QStringList{"/v/a\tb.vol"} << QStringList{"a\tb.vol"};
    QTest::newRow("blank right after a closing quote")
        << u"\"a b.vol\" c.vol"_s << QStringList{"a b.vol", "c.vol"} << QStringList{"a b.vol", "c.vol"};
    QTest::newRow("quote in the middle of a word")
        << u"/v/my\" \"x.vol"_s << QStringList{"/v/my ", "x.vol"} << QStringList{"my ", "x.vol"};
    QTest::newRow("unclosed quote runs to the end")
        << u"\"/v/a b.vol"_s << QStringList{"/v/a b.vol"} << QStringList{"a b.vol"};
    QTest::newRow("empty quotes name nothing")
        << u"\"\" a.vol"_s << QStringList{"a.vol"} << QStringList{"a.vol"};
    QTest::newRow("folder path ending in a separator") << u"/v/"_s << QStringList{"/v/"} << QStringList{""};
    QTest::newRow("empty") << QString() << QStringList{} << QStringList{};
}

void CommandLineTest::tokens()
{
    QFETCH(QString, commandLine);
    QFETCH(QStringList, paths);
    QFETCH(QStringList, titles);
    const QStringList tokens = CommandLine::tokens(commandLine);
    QCOMPARE(tokens, paths);
    QStringList names;
    for (const QString& token : tokens)
        names.append(CommandLine::fileName(token));
    QCOMPARE(names, titles);
}

// Joining the arguments and splitting the text again turned my"odd.vol and "a b.vol" into three
// wrong paths: each argument is one path, and on Windows the joined text splits back into the same.
void CommandLineTest::archivePaths()
{
    QCOMPARE(CommandLine::archivePaths({"/v/my\"odd.vol", "/v/a b.vol", "", "/v/\"quoted\".vol"}),
             (QStringList{"/v/my\"odd.vol", "/v/a b.vol", "/v/\"quoted\".vol"}));
    const QStringList arguments{"/home/me/My Vols/a.vol", "plain.vol", "/t/tab\there.vol", "/x/b&c.vol"};
    QCOMPARE(CommandLine::tokens(CommandLine::join(arguments)), arguments);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
