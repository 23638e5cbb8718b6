#include "app/CommandLine.h"

#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void tokens_data();
    void tokens();
    void argumentsSurviveTheJoin();
    void eachArgumentIsOneArchivePath();
};

void CommandLineTest::tokens_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("quoted path with blanks")
        << "\"/games/My Vols/a.vol\"" << QStringList{"/games/My Vols/a.vol"} << QStringList{"a.vol"};
    QTest::newRow("two paths") << "/x/a.vol /y/b.vol" << QStringList{"/x/a.vol", "/y/b.vol"}
                               << QStringList{"a.vol", "b.vol"};
    QTest::newRow("bare name") << "a.vol" << QStringList{"a.vol"} << QStringList{"a.vol"};
    QTest::newRow("empty") << "" << QStringList{} << QStringList{};
    QTest::newRow("tab inside quotes stays")
        << "\"/v/a\tb.vol\"" << QStringList{"/v/a\tb.vol"} << QStringList{"a\tb.vol"};
    QTest::newRow("tab outside separates")
        << "a.vol\tb.vol" << QStringList{"a.vol", "b.vol"} << QStringList{"a.vol", "b.vol"};
    QTest::newRow("leading, doubled and trailing blanks")
        << "  a.vol   b.vol  " << QStringList{"a.vol", "b.vol"} << QStringList{"a.vol", "b.vol"};
    QTest::newRow("blank right after a closing quote")
        << "\"a b.vol\" c.vol" << QStringList{"a b.vol", "c.vol"} << QStringList{"a b.vol", "c.vol"};
    QTest::newRow("quote in the middle of a word")
        << "/v/my\" \"x.vol" << QStringList{"/v/my ", "x.vol"} << QStringList{"my ", "x.vol"};
    QTest::newRow("unclosed quote runs to the end")
        << "\"/v/a b.vol" << QStringList{"/v/a b.vol"} << QStringList{"a b.vol"};
    QTest::newRow("empty quotes name nothing")
        << "\"\" a.vol" << QStringList{"a.vol"} << QStringList{"a.vol"};
    QTest::newRow("folder path ending in a separator") << "/v/" << QStringList{"/v/"} << QStringList{""};
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

// What the desktop hands over as separate arguments comes back out as the same paths.
void CommandLineTest::argumentsSurviveTheJoin()
{
    const QStringList arguments{"/home/me/My Vols/a.vol", "plain.vol", "/t/tab\there.vol", "/x/b&c.vol"};
    QCOMPARE(CommandLine::tokens(CommandLine::join(arguments)), arguments);
    QCOMPARE(CommandLine::join({"a b", "c"}), QStringLiteral("\"a b\" c"));
}

// Joining the arguments and splitting the text again turned my"odd.vol and "a b.vol" into three
// wrong paths; a desktop hands each path over as one argument.
void CommandLineTest::eachArgumentIsOneArchivePath()
{
    const QStringList arguments{"/v/my\"odd.vol", "/v/a b.vol", "", "/v/\"quoted\".vol"};
    QCOMPARE(CommandLine::archivePaths(arguments),
             (QStringList{"/v/my\"odd.vol", "/v/a b.vol", "/v/\"quoted\".vol"}));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
