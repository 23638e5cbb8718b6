#include "archive/core/ArchiveFolder.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// What the searches over many archives rest on, on real files in a private folder: the archives
// found in a folder.
class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void archivesInAFolder_data();
    void archivesInAFolder();

private:
    QString game() const { return environment_.path() + u"/game"_s; }
    QByteArray nativeGame() const { return QFile::encodeName(game()); }

    TestEnvironment environment_;
};

// A game folder with archives in subfolders, links, and names that are not text.
void SearchTest::initTestCase()
{
    const QString root = game();
    const QString outside = environment_.path() + u"/outside"_s;
    for (const char* file : {"b.vol", "A.VOL", "a.vol", "a-b.vol", "notes.txt", "a/x.vol", "sub/c.vol",
                             "sub/deeper/d.Vol", "sub/deeper/e.vo", "folder.vol/f.vol"})
        TestEnvironment::writeFile(root + u'/' + QLatin1String(file), "archive");
    TestEnvironment::writeFile(outside + u"/e.vol"_s, "archive");
    QVERIFY(QFile::link(outside, root + u"/linked"_s) && QFile::link(outside, root + u"/linked.vol"_s) &&
            QFile::link(outside + u"/e.vol"_s, root + u"/link.vol"_s) &&
            QFile::link(outside + u"/gone.vol"_s, root + u"/dangling.vol"_s));
    QVERIFY(::mkdir(nativeGame() + "/bad\xfe", 0700) == 0);
    for (const char* name : {"/bad\xff.vol", "/bad\xfe/g.vol"})
        QVERIFY(::close(::open(nativeGame() + name, O_CREAT | O_WRONLY, 0600)) == 0);
}

// Qt cannot remove what it cannot name.
void SearchTest::cleanupTestCase()
{
    QVERIFY(::unlink(nativeGame() + "/bad\xff.vol") == 0 && ::unlink(nativeGame() + "/bad\xfe/g.vol") == 0 &&
            ::rmdir(nativeGame() + "/bad\xfe") == 0);
}

void SearchTest::archivesInAFolder_data()
{
    QTest::addColumn<bool>("includeSubfolders");
    QTest::addColumn<QString>("rows"); // relative paths, "!" after a row with a problem
    QTest::newRow("the folder alone")
        << false << u"A.VOL a-b.vol a.vol b.vol bad\uFFFD.vol! dangling.vol! link.vol"_s;
    QTest::newRow("with subfolders")
        << true
        << u"A.VOL a-b.vol a.vol a/x.vol b.vol bad\uFFFD! bad\uFFFD.vol! dangling.vol! "
           "folder.vol/f.vol link.vol sub/c.vol sub/deeper/d.Vol"_s;
}

// Every name ending in ".vol" in any case, in byte order ("-" < "." < "/"); links to folders not
// followed, a link to a file taken; names that are not text, and a link to nothing, are rows of their own.
void SearchTest::archivesInAFolder()
{
    QFETCH(bool, includeSubfolders);
    QFETCH(QString, rows);
    const QString root = game();
    QStringList found;
    for (const ArchiveFolder::Found& archive : ArchiveFolder::find(root, includeSubfolders)) {
        found.append(archive.relativePath + (archive.problem.isEmpty() ? QString() : u"!"_s));
        QCOMPARE(archive.path, archive.problem.isEmpty() ? root + u'/' + archive.relativePath : QString());
    }
    QCOMPARE(found.join(u' '), rows);

    const QList<ArchiveFolder::Found> notAFolder = ArchiveFolder::find(root + u"/b.vol"_s, true);
    QCOMPARE(notAFolder.size(), 1);
    QCOMPARE(notAFolder.first().relativePath, u"."_s);
    QVERIFY2(notAFolder.first().problem.contains(u"Not a directory"_s),
             qPrintable(notAFolder.first().problem));
}

QTEST_GUILESS_MAIN(SearchTest)
#include "tst_search.moc"
