#include "VolArchive.h"
#include "archive/core/ArchiveCache.h"
#include "archive/core/ArchiveFolder.h"
#include "archive/core/ArchiveSearch.h"
#include "archive/core/CacheEntry.h"
#include "archive/core/ToolRunner.h"
#include "archive/ui/MatchDelegate.h"
#include "archive/ui/frmFind.h"
#include "archive/ui/frmFindScripts.h"
#include "platform/core/PrivateFolder.h"
#include "preview/ui/ScriptView.h"
#include "preview/ui/frmScript.h"
#include "support/MainWindowRun.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QTreeWidget>
#include <QtEndian>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

using namespace Qt::StringLiterals;

// The searches over many archives and what they rest on, on real files in private folders: the
// archives found in a folder, the cache of listings and scripts, and the search itself with the
// stand-in tools, several at once.
class SearchTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void archivesInAFolder_data();
    void archivesInAFolder();
    void listingKeptUntilAFileChanges_data();
    void listingKeptUntilAFileChanges();
    void scriptsKeptByObjectAndTool();
    void unsoundEntriesAreDroppedAndMadeAgain_data();
    void unsoundEntriesAreDroppedAndMadeAgain();
    void cacheFolderMustBeTheUsersAlone_data();
    void cacheFolderMustBeTheUsersAlone();
    void clearRemovesOnlyEntries();
    void findsTheMatchingObjects_data();
    void findsTheMatchingObjects();
    void secondSearchStartsNoToolForAnUnchangedArchive();
    void findsTextInScripts_data();
    void findsTextInScripts();
    void cancelEndsTheListingTools();
    void closingTheFindWindowCancelsTheSearch();
    void rowsOfSeveralArchivesGoToASubfolderEach();
    void findWindowOpensAndExtractsTheObjects();
    void findInScriptsOpensTheScriptAtTheMatch();

private:
    QString ini() const { return environment_.configHome() + u"/Kadrillo/Kadrillo.ini"_s; }
    QString destination() const { return environment_.path() + u"/dest"_s; }
    // The main window, loaded, with the stand-in tools and Auto List off; its Find in Archives window
    // has searched finds() and its subfolders for `pattern`.
    std::unique_ptr<MainWindowRun> searchedWindow(const QString& pattern);
    static QStringList texts(const QTreeWidget& list);
    QString finds() const { return environment_.path() + u"/finds"_s; }
    QString work() const { return environment_.path() + u"/work"_s; }
    QString log() const { return environment_.path() + u"/tools.log"_s; }
    // The stand-ins in the working folder, each logging its run; `listing` replaces the listing
    // tool's body when given.
    void installTools(const QByteArray& listing = QByteArray());
    int toolRuns(const char* tool) const;
    std::unique_ptr<ToolRunner> runner() const;
    static ArchiveSearch::Tools tools(const QString& folder);
    // The rows as "archive<TAB>object", or "archive<TAB>!" for an archive not listed.
    static QStringList shown(const QList<ArchiveSearch::FoundObject>& rows);
    // What the search of finds() hands over, in order.
    QList<ArchiveSearch::FoundObject> found(ArchiveSearch& search, bool subfolders,
                                            const QString& pattern = QString()) const;

    QString game() const { return environment_.path() + u"/game"_s; }
    QByteArray nativeGame() const { return QFile::encodeName(game()); }

    TestEnvironment environment_;
};

namespace {

void writeArchive(const QString& path, const QList<std::pair<QString, QByteArray>>& objects)
{
    QDir().mkpath(QFileInfo(path).path());
    std::vector<VolEntry> entries;
    for (const auto& [name, data] : objects)
        entries.push_back({name.toStdString(), {data.begin(), data.end()}});
    std::string error;
    QVERIFY2(VolArchive::write(path.toStdString(), entries, error), error.c_str());
}

} // namespace

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
    writeArchive(finds() + u"/base.vol"_s, {{u"sky.bmp"_s, "BM"},
                                            {u"a&calc & touch pwned.cs"_s, "// nothing here"},
                                            {u"tab\there.cs"_s, "echo(1);"},
                                            {u"README.CS"_s, "Echo(\"caf\xe9\");\r\n\r\necho(\"\x80\");"}});
    writeArchive(finds() + u"/sub/mission.vol"_s,
                 {{u"mission.cs"_s, "// mission\necho(1);\n"}, {u"notes.txt"_s, "notes\rno echo\r"}});
    TestEnvironment::writeFile(finds() + u"/sub/broken.vol"_s, "not an archive");
    writeArchive(finds() + u"/sub/deeper/empty.vol"_s, {});
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

namespace {

const ResultsFile::Listing listed{{u"café.wav"_s, u"two words.cs"_s, u"€uro.bmp"_s}, true};

void setModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime));
}

} // namespace

void SearchTest::listingKeptUntilAFileChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("kept");
    QTest::newRow("nothing") << u""_s << true;
    QTest::newRow("archive touched") << u"touch archive"_s << false;
    QTest::newRow("archive's mode set") << u"mode archive"_s << false;
    QTest::newRow("archive replaced by a copy of the same time") << u"replace archive"_s << false;
    QTest::newRow("listing tool touched") << u"touch tool"_s << false;
    QTest::newRow("listing tool rewritten, its time kept") << u"rewrite tool"_s << false;
}

// The listing is read back for an unchanged archive and tool, and for no other: an entry for a file
// since changed is removed.
void SearchTest::listingKeptUntilAFileChanges()
{
    QFETCH(QString, change);
    QFETCH(bool, kept);
    const QString folder = environment_.path() + u"/kept/"_s + QLatin1String(QTest::currentDataTag());
    const QString archive = folder + u"/game.vol"_s;
    const QString tool = folder + u"/vtlist.exe"_s;
    TestEnvironment::writeFile(archive, "archive");
    TestEnvironment::writeFile(tool, "tool", true);
    // Whole seconds, so that a time set again is exactly the time it was.
    const QDateTime time(QDate(2001, 2, 3), QTime(4, 5, 6));
    setModified(archive, time);
    setModified(tool, time);
    const ArchiveCache cache;
    QCOMPARE(cache.folder().path(), environment_.cacheHome() + u"/kadrillo"_s);
    const std::optional<CacheFolder::Key> before = ArchiveCache::listingKey(archive, tool);
    QVERIFY(before && !cache.listing(*before));
    // A line end in a name would split it in two.
    QVERIFY(!cache.keepListing(*before, {{u"two\nlines.cs"_s}, false}).isEmpty());
    QCOMPARE(cache.keepListing(*before, listed), QString());

    const QString changed = change.endsWith(u"archive"_s) ? archive : tool;
    if (change.startsWith(u"touch"_s)) {
        setModified(changed, time.addSecs(-60));
    } else if (change.startsWith(u"mode"_s)) {
        QVERIFY(QFile::setPermissions(changed, QFile::ReadOwner));
    } else if (change.startsWith(u"replace"_s)) {
        TestEnvironment::writeFile(changed + u".new"_s, TestEnvironment::readFile(changed));
        setModified(changed + u".new"_s, time);
        QVERIFY(std::rename(qPrintable(changed + u".new"_s), qPrintable(changed)) == 0);
    } else if (change.startsWith(u"rewrite"_s)) {
        TestEnvironment::writeFile(changed, "a larger tool", true);
        setModified(changed, time);
    }
    const std::optional<CacheFolder::Key> after = ArchiveCache::listingKey(archive, tool);
    QVERIFY(after);
    QCOMPARE(cache.listing(*after), kept ? std::optional(listed) : std::nullopt);
    QCOMPARE(QFileInfo::exists(cache.folder().entryPath(*after)), kept);
}

void SearchTest::scriptsKeptByObjectAndTool()
{
    const QString folder = environment_.path() + u"/scripts"_s;
    const QString archive = folder + u"/game.vol"_s;
    const QString tool = folder + u"/extract.exe"_s;
    TestEnvironment::writeFile(archive, "archive");
    TestEnvironment::writeFile(tool, "tool", true);
    const ArchiveCache cache;
    const std::optional<CacheFolder::Key> script = ArchiveCache::scriptKey(archive, u"a.cs"_s, tool);
    QVERIFY(script && !ArchiveCache::scriptKey(archive, u"a.cs"_s, folder + u"/none.exe"_s));
    QCOMPARE(cache.keepScript(*script, "echo(\"\x80\");\r\n"), QString());
    QCOMPARE(cache.script(*script), QByteArray("echo(\"\x80\");\r\n"));
    QVERIFY(!cache.script(*ArchiveCache::scriptKey(archive, u"A.cs"_s, tool)));
    setModified(tool, QDateTime::currentDateTime().addDays(1));
    QVERIFY(!cache.script(*ArchiveCache::scriptKey(archive, u"a.cs"_s, tool)));
}

void SearchTest::unsoundEntriesAreDroppedAndMadeAgain_data()
{
    QTest::addColumn<QString>("damage");
    for (const char* damage : {"a content byte flipped", "cut short", "another magic", "another version",
                               "another archive's entry", "empty", "a link to a sound entry", "a pipe"})
        QTest::newRow(damage) << QString::fromLatin1(damage);
}

// What is not exactly an entry for this key is a miss, removed, and the entry is made again; a link
// is never followed.
void SearchTest::unsoundEntriesAreDroppedAndMadeAgain()
{
    QFETCH(QString, damage);
    const QString folder = environment_.path() + u"/damaged/"_s + QLatin1String(QTest::currentDataTag());
    const QString tool = folder + u"/vtlist.exe"_s;
    TestEnvironment::writeFile(tool, "tool", true);
    for (const char* archive : {"/a.vol", "/b.vol"})
        TestEnvironment::writeFile(folder + QLatin1String(archive), "archive");
    const ArchiveCache cache;
    const CacheFolder::Key key = *ArchiveCache::listingKey(folder + u"/a.vol"_s, tool);
    const CacheFolder::Key other = *ArchiveCache::listingKey(folder + u"/b.vol"_s, tool);
    const ResultsFile::Listing otherListing{{u"b.bmp"_s}, false};
    QVERIFY(cache.keepListing(key, listed).isEmpty() && cache.keepListing(other, otherListing).isEmpty());
    const QString entry = cache.folder().entryPath(key);
    QByteArray bytes = TestEnvironment::readFile(entry);
    const QByteArray sound = bytes;
    const QString outside = folder + u"/outside.entry"_s;
    if (damage == u"a link to a sound entry"_s) {
        QVERIFY(QFile::rename(entry, outside) && QFile::link(outside, entry));
    } else if (damage == u"a pipe"_s) {
        QVERIFY(QFile::remove(entry) && ::mkfifo(QFile::encodeName(entry).constData(), 0600) == 0);
    } else {
        if (damage == u"a content byte flipped"_s)
            bytes[bytes.size() - CacheEntry::checksumSize - 2] ^= 0x20;
        else if (damage == u"cut short"_s)
            bytes.chop(1);
        else if (damage == u"another magic"_s)
            bytes[0] = 'X';
        else if (damage == u"another version"_s)
            ++bytes[8];
        else if (damage == u"another archive's entry"_s)
            bytes = TestEnvironment::readFile(cache.folder().entryPath(other));
        else
            bytes.clear();
        // Sealed again, so that the magic and the version are checked for themselves.
        if (damage == u"another magic"_s || damage == u"another version"_s) {
            const qsizetype sealed = bytes.size() - CacheEntry::checksumSize;
            const auto crc =
                quint32(::crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(sealed)));
            qToLittleEndian(crc, bytes.data() + sealed);
        }
        TestEnvironment::writeFile(entry, bytes);
    }
    QVERIFY(!cache.listing(key));
    QVERIFY(!QFileInfo(entry).exists() && !QFileInfo(entry).isSymLink());
    QCOMPARE(cache.keepListing(key, listed), QString());
    QCOMPARE(cache.listing(key), listed);
    QCOMPARE(cache.listing(other), otherListing);
    QVERIFY(!QFileInfo::exists(outside) || TestEnvironment::readFile(outside) == sound);
}

void SearchTest::cacheFolderMustBeTheUsersAlone_data()
{
    QTest::addColumn<QString>("standing"); // what stands where the cache folder goes
    QTest::addColumn<QString>("refusal");  // a part of it; empty: the folder is used
    QTest::newRow("nothing: it is made private") << u""_s << u""_s;
    QTest::newRow("the user's, mode 0700") << u"0700"_s << u""_s;
    QTest::newRow("mode 0755") << u"0755"_s << u"mode is 0755"_s;
    QTest::newRow("mode 0710") << u"0710"_s << u"mode is 0710"_s;
    // What the program sees of another user's folder: lstat tells it no more about a link than that.
    QTest::newRow("a link to the user's own") << u"link"_s << u"a link"_s;
    QTest::newRow("a file") << u"file"_s << u"a file"_s;
}

// A refused folder is neither read nor written nor cleared, though a sound entry stands in it.
void SearchTest::cacheFolderMustBeTheUsersAlone()
{
    QFETCH(QString, standing);
    QFETCH(QString, refusal);
    const QString base = environment_.path() + u"/refusals/"_s + QLatin1String(QTest::currentDataTag());
    const QString path = base + u"/kadrillo"_s;
    const QString real = base + u"/real"_s;
    const CacheFolder::Key key{"identity", "state"};
    if (standing == u"file"_s) {
        TestEnvironment::writeFile(path, "a file");
    } else if (!standing.isEmpty()) {
        const QString made = standing == u"link"_s ? real : path;
        QCOMPARE(CacheFolder(made).write(key, "sound"), QString());
        QVERIFY(standing == u"link"_s
                    ? QFile::link(real, path)
                    : ::chmod(QFile::encodeName(path).constData(), standing.toUInt(nullptr, 8)) == 0);
    }
    const CacheFolder folder(path);
    QVERIFY2(refusal.isEmpty() ? folder.refusal().isEmpty() : folder.refusal().contains(refusal),
             qPrintable(folder.refusal()));
    if (refusal.isEmpty()) {
        QVERIFY(PrivateFolder::isPrivate(path));
        QCOMPARE(folder.read(key), standing.isEmpty() ? std::nullopt : std::optional<QByteArray>("sound"));
        return;
    }
    QVERIFY(!folder.read(key));
    QCOMPARE(folder.write(key, "written"), folder.refusal());
    QCOMPARE(folder.clear(), folder.refusal());
    if (standing == u"file"_s)
        return;
    // The entry stands as it was: the refused folder was neither written nor cleared.
    QVERIFY(standing == u"link"_s || ::chmod(QFile::encodeName(path).constData(), 0700) == 0);
    QCOMPARE(CacheFolder(standing == u"link"_s ? real : path).read(key), std::optional<QByteArray>("sound"));
}

// Clear removes the entries, and a link in an entry's place as a link: where it points, and every
// other file of the folder, stay.
void SearchTest::clearRemovesOnlyEntries()
{
    const QString path = environment_.path() + u"/clear/kadrillo"_s;
    const QString outside = environment_.path() + u"/clear/outside.txt"_s;
    TestEnvironment::writeFile(outside, "the user's");
    const CacheFolder folder(path);
    const CacheFolder::Key planted{"planted", ""};
    QVERIFY(QFile::link(outside, folder.entryPath(planted)));
    QCOMPARE(folder.write(planted, "written"), QString());
    QVERIFY(!QFileInfo(folder.entryPath(planted)).isSymLink());
    QVERIFY(QFile::link(outside, folder.entryPath({"link", ""})));
    QCOMPARE(folder.write({"kept", ""}, "kept"), QString());
    TestEnvironment::writeFile(path + u"/notes.txt"_s, "mine");
    QCOMPARE(folder.clear(), QString());
    QCOMPARE(QDir(path).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{u"notes.txt"_s});
    QCOMPARE(TestEnvironment::readFile(outside), QByteArray("the user's"));
    QVERIFY(!folder.read(planted));
}

void SearchTest::installTools(const QByteArray& listing)
{
    QVERIFY(QDir().mkpath(work()));
    for (const char* tool : {"vtlist.exe", "extract.exe"}) {
        const QByteArray body = listing.isEmpty() || tool[0] == 'e'
                                    ? "exec '" + QByteArray(KADRILLO_STANDIN_DIR) + '/' + tool + "' \"$@\"\n"
                                    : listing;
        TestEnvironment::writeFile(
            work() + u'/' + QLatin1String(tool),
            "#!/bin/sh\necho " + QByteArray(tool) + " >> '" + QFile::encodeName(log()) + "'\n" + body, true);
    }
}

int SearchTest::toolRuns(const char* tool) const
{
    return int(TestEnvironment::readFile(log()).split('\n').count(QByteArray(tool)));
}

std::unique_ptr<ToolRunner> SearchTest::runner() const
{
    auto runner = std::make_unique<ToolRunner>();
    runner->setWorkFolder(WorkFolder(work()));
    return runner;
}

ArchiveSearch::Tools SearchTest::tools(const QString& folder)
{
    return {folder + u"/vtlist.exe"_s, folder + u"/extract.exe"_s};
}

QStringList SearchTest::shown(const QList<ArchiveSearch::FoundObject>& rows)
{
    QStringList lines;
    for (const ArchiveSearch::FoundObject& row : rows)
        lines.append(row.archive + u'\t' + (row.problem.isEmpty() ? row.object : u"!"_s));
    return lines;
}

QList<ArchiveSearch::FoundObject> SearchTest::found(ArchiveSearch& search, bool subfolders,
                                                    const QString& pattern) const
{
    QList<ArchiveSearch::FoundObject> rows;
    search.find(finds(), subfolders, NamePattern(pattern),
                [&rows](const ArchiveSearch::FoundObject& row) { rows.append(row); });
    return rows;
}

void SearchTest::findsTheMatchingObjects_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("subfolders");
    QTest::addColumn<int>("parallel");
    QTest::addColumn<QStringList>("rows");
    const QStringList problems{u"sub/broken.vol\t!"_s, u"sub/deeper/empty.vol\t!"_s};
    QTest::newRow("every object, one tool at a time")
        << u""_s << true << 1
        << QStringList{u"base.vol\tsky.bmp"_s, u"base.vol\ta&calc & touch pwned.cs"_s,
                       u"base.vol\ttab\there.cs"_s, u"base.vol\tREADME.CS"_s} +
               problems + QStringList{u"sub/mission.vol\tmission.cs"_s, u"sub/mission.vol\tnotes.txt"_s};
    QTest::newRow("scripts in any case, four at once")
        << u"*.cs"_s << true << 4
        << QStringList{u"base.vol\ta&calc & touch pwned.cs"_s, u"base.vol\ttab\there.cs"_s,
                       u"base.vol\tREADME.CS"_s} +
               problems + QStringList{u"sub/mission.vol\tmission.cs"_s};
    QTest::newRow("one character, the folder alone")
        << u"sk?.BMP"_s << false << 4 << QStringList{u"base.vol\tsky.bmp"_s};
}

// Archives in subfolders, one that is not an archive and one with no objects, give the matching
// objects in the order of the archives' paths and then of the archives themselves, and the two that
// cannot be listed as rows of their own with the tool's reason.
void SearchTest::findsTheMatchingObjects()
{
    QFETCH(QString, pattern);
    QFETCH(bool, subfolders);
    QFETCH(int, parallel);
    QFETCH(QStringList, rows);
    installTools();
    const ArchiveCache cache(environment_.path() + u"/cache-"_s + QLatin1String(QTest::currentDataTag()));
    const auto tools = runner();
    ArchiveSearch search(*tools, cache, this->tools(work()), parallel);
    // The rows come as each archive is done, while the rest are still listed.
    int listedWhenFirstFound = -1;
    int listed = 0;
    connect(&search, &ArchiveSearch::progressed, this, [&listed](int done) { listed = done; });
    QList<ArchiveSearch::FoundObject> rowsFound;
    search.find(finds(), subfolders, NamePattern(pattern), [&](const ArchiveSearch::FoundObject& row) {
        if (rowsFound.isEmpty())
            listedWhenFirstFound = listed;
        rowsFound.append(row);
    });
    QCOMPARE(listedWhenFirstFound, 0);
    QCOMPARE(shown(rowsFound), rows);
    QCOMPARE(rowsFound, ArchiveSearch::matches(search.list(ArchiveFolder::find(finds(), subfolders)),
                                               NamePattern(pattern)));
    for (const ArchiveSearch::FoundObject& row : rowsFound) {
        QCOMPARE(row.path, finds() + u'/' + row.archive);
        if (row.archive == u"sub/broken.vol"_s)
            QVERIFY2(row.problem.startsWith(u"vtlist.exe ended with status 1: vtlist: "_s),
                     qPrintable(row.problem));
        if (row.archive.endsWith(u"empty.vol"_s))
            QVERIFY2(row.problem.startsWith(u"lists no objects"_s), qPrintable(row.problem));
    }
}

// The first search lists every archive; the second starts the tool only for the archives it could not
// list, and for one touched since or whose kept listing was damaged, whose entries are then sound again.
void SearchTest::secondSearchStartsNoToolForAnUnchangedArchive()
{
    installTools();
    QFile::remove(log());
    const ArchiveCache cache(environment_.path() + u"/cache-again"_s);
    const auto tools = runner();
    ArchiveSearch search(*tools, cache, this->tools(work()), 2);
    const QStringList rows = shown(found(search, true));
    QCOMPARE(toolRuns("vtlist.exe"), 4);
    QCOMPARE(shown(found(search, true)), rows);
    QCOMPARE(toolRuns("vtlist.exe"), 6);

    const QString base = finds() + u"/base.vol"_s;
    const QString mission = finds() + u"/sub/mission.vol"_s;
    setModified(base, QDateTime::currentDateTime().addSecs(-3600));
    const QString entry =
        cache.folder().entryPath(*ArchiveCache::listingKey(mission, work() + u"/vtlist.exe"_s));
    QByteArray bytes = TestEnvironment::readFile(entry);
    bytes[bytes.size() - 1] ^= 1;
    TestEnvironment::writeFile(entry, bytes);
    const QList<ListingJob::Listed> listed = search.list(ArchiveFolder::find(finds(), true));
    QCOMPARE(shown(ArchiveSearch::matches(listed, NamePattern())), rows);
    QCOMPARE(toolRuns("vtlist.exe"), 10);
    QCOMPARE(listed.first().fromCache, false);
    QVERIFY(cache.listing(*ArchiveCache::listingKey(mission, work() + u"/vtlist.exe"_s)));
    found(search, true);
    QCOMPARE(toolRuns("vtlist.exe"), 12);
}

void SearchTest::findsTextInScripts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("regex");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QStringList>("lines"); // archive, script, line number, line, the first match
    QTest::newRow("plain, any case") << u"echo"_s << false << false
                                     << QStringList{u"base.vol\tREADME.CS\t1\tEcho(\"caf\u00e9\");\tEcho"_s,
                                                    u"base.vol\tREADME.CS\t3\techo(\"\u20ac\");\techo"_s,
                                                    u"sub/mission.vol\tmission.cs\t2\techo(1);\techo"_s,
                                                    u"sub/mission.vol\tnotes.txt\t2\tno echo\techo"_s};
    QTest::newRow("regular expression, case-sensitive")
        << u"^e\\w+\\(\"."_s << true << true
        << QStringList{u"base.vol\tREADME.CS\t3\techo(\"\u20ac\");\techo(\"\u20ac"_s};
}

// Scripts with CR LF, LF and no line end at the end, with Windows-1252 bytes, found in the order of the
// archives, scripts and lines; a name the tool may not be given is a row with the reason, and an
// archive not listed one with its own. A second search takes every script from the cache.
void SearchTest::findsTextInScripts()
{
    QFETCH(QString, text);
    QFETCH(bool, regex);
    QFETCH(bool, caseSensitive);
    QFETCH(QStringList, lines);
    installTools();
    QFile::remove(log());
    const ArchiveCache cache(environment_.path() + u"/cache-scripts-"_s +
                             QLatin1String(QTest::currentDataTag()));
    const auto tools = runner();
    ArchiveSearch search(*tools, cache, this->tools(work()), 4);
    const QList<ListingJob::Listed> listed = search.list(ArchiveFolder::find(finds(), true));
    for (int round = 0; round < 2; ++round) {
        QStringList found;
        QStringList problems;
        for (const ArchiveSearch::FoundLine& line :
             search.searchScripts(listed, ScriptSearch(text, regex, caseSensitive))) {
            if (!line.problem.isEmpty()) {
                problems.append(line.archive + u'\t' + line.script);
                continue;
            }
            const ScriptSearch::Span span = line.match.spans.first();
            found.append(QStringList{line.archive, line.script, QString::number(line.match.number),
                                     line.match.line, line.match.line.mid(span.start, span.length)}
                             .join(u'\t'));
        }
        QCOMPARE(found, lines);
        QCOMPARE(problems, (QStringList{u"base.vol\ttab\there.cs"_s, u"sub/broken.vol\t"_s,
                                        u"sub/deeper/empty.vol\t"_s}));
        // "a&calc & touch pwned.cs", "README.CS", "mission.cs", "notes.txt"
        QCOMPARE(toolRuns("extract.exe"), 4);
    }
}

// Cancel while the listing tools hang: every tool and its child is ended, no tool starts after it, and
// the archives not listed are rows that say so.
void SearchTest::cancelEndsTheListingTools()
{
    const QString pids = environment_.path() + u"/pids"_s;
    installTools("echo $$ >> '" + QFile::encodeName(pids) + "'\nsleep 600 &\necho $! >> '" +
                 QFile::encodeName(pids) + "'\nwait\n");
    QFile::remove(log());
    const ArchiveCache cache(environment_.path() + u"/cache-cancel"_s);
    const auto tools = runner();
    ArchiveSearch search(*tools, cache, this->tools(work()), 2);
    const auto running = [&] {
        QList<qint64> found;
        for (const QByteArray& line : TestEnvironment::readFile(pids).split('\n')) {
            if (!line.isEmpty())
                found.append(line.toLongLong());
        }
        return found;
    };
    QTimer canceller;
    connect(&canceller, &QTimer::timeout, this, [&] {
        if (running().size() >= 4)
            search.cancel();
    });
    canceller.start(20);
    const QList<ListingJob::Listed> listed = search.list(ArchiveFolder::find(finds(), true));
    canceller.stop();
    const QList<qint64> started = running();
    const auto guard = qScopeGuard([&] {
        for (const qint64 pid : started)
            ::kill(pid_t(pid), SIGKILL);
    });
    QVERIFY(search.isCancelled());
    QCOMPARE(toolRuns("vtlist.exe"), 2);
    QTRY_VERIFY_WITH_TIMEOUT(std::none_of(started.cbegin(), started.cend(), OwnedProgram::isAlive), 10000);
    QCOMPARE(listed.size(), 4);
    for (const ListingJob::Listed& archive : listed)
        QVERIFY2(archive.names.isEmpty() && archive.problem.startsWith(u"not read"_s),
                 qPrintable(archive.problem));
}

// Closing the window while it lists cancels the search; the window closes once the search has ended,
// with no tool left running.
void SearchTest::closingTheFindWindowCancelsTheSearch()
{
    const QString pids = environment_.path() + u"/window-pids"_s;
    installTools("echo $$ >> '" + QFile::encodeName(pids) + "'\nsleep 600 &\necho $! >> '" +
                 QFile::encodeName(pids) + "'\nwait\n");
    MainWindowRun::writeSettings(ini(), {u"Extract Path="_s + work() + u"/extract.exe"_s,
                                         u"Vtlist Path="_s + work() + u"/vtlist.exe"_s,
                                         u"Dest Path="_s + destination(), u"Auto List=False"_s});
    MainWindowRun run(ini());
    run.window.Form_Load();
    run.window.show();
    run.control<QAction>("mnuToolsFind")->trigger();
    // Gone once closed: the main window's search windows are deleted on close.
    const QPointer<frmFind> find = run.window.findWindow();
    QVERIFY(find);
    find->txtFolder->setText(finds());
    find->chkSubfolders->setChecked(true);
    bool openWhileEnding = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        // The first tool and the program it waits for.
        if (TestEnvironment::readFile(pids).count('\n') < 2)
            return;
        closer.stop();
        find->close();
        openWhileEnding = find->isVisible();
    });
    closer.start(20);
    find->cmdFind->click();
    QList<qint64> started;
    for (const QByteArray& line : TestEnvironment::readFile(pids).split('\n')) {
        if (!line.isEmpty())
            started.append(line.toLongLong());
    }
    const auto guard = qScopeGuard([&] {
        for (const qint64 pid : started)
            ::kill(pid_t(pid), SIGKILL);
    });
    QVERIFY(openWhileEnding);
    QVERIFY2(find->lblStatus->text().startsWith(u"Cancelled"_s), qPrintable(find->lblStatus->text()));
    QTRY_VERIFY(!find);
    QTRY_VERIFY_WITH_TIMEOUT(std::none_of(started.cbegin(), started.cend(), OwnedProgram::isAlive), 10000);
}

std::unique_ptr<MainWindowRun> SearchTest::searchedWindow(const QString& pattern)
{
    MainWindowRun::writeSettings(ini(), {u"Extract Path=" KADRILLO_STANDIN_DIR "/extract.exe"_s,
                                         u"Vtlist Path=" KADRILLO_STANDIN_DIR "/vtlist.exe"_s,
                                         u"Dest Path="_s + destination(), u"Auto List=False"_s,
                                         u"Auto Preview=False"_s});
    auto run = std::make_unique<MainWindowRun>(ini());
    run->window.Form_Load();
    run->window.show();
    run->control<QAction>("mnuToolsFind")->trigger();
    frmFind* find = run->window.findWindow();
    if (!find)
        return run;
    find->txtFolder->setText(finds());
    find->chkSubfolders->setChecked(true);
    find->txtPattern->setText(pattern);
    find->cmdFind->click();
    return run;
}

QStringList SearchTest::texts(const QTreeWidget& list)
{
    QStringList rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column)
            cells.append(list.topLevelItem(row)->text(column));
        rows.append(cells.join(u'|'));
    }
    return rows;
}

// The rows with their kinds and the unlistable archives' reasons, kept settings; a row opens its
// archive in a tab (listed though Auto List is off) with the object selected, or switches to that tab;
// rows of two archives are extracted into a subfolder each.
// Archives of one name in two folders, in any case, must not share a subfolder, or one's objects
// would replace the other's.
void SearchTest::rowsOfSeveralArchivesGoToASubfolderEach()
{
    const QList<ArchiveSearch::FoundObject> rows{
        {u"a/base.vol"_s, u"/g/a/base.vol"_s, u"x.cs"_s, 1, {}},
        {u"b/BASE.VOL"_s, u"/g/b/BASE.VOL"_s, u"x.cs"_s, 0, {}},
        {u"c/base.vol"_s, u"/g/c/base.vol"_s, u"x.cs"_s, 0, {}},
        {u"d.vol"_s, u"/g/d.vol"_s, {}, 0, u"cannot be listed"_s},
        {u".vol"_s, u"/g/.vol"_s, u"y.cs"_s, 0, {}},
        {u"a/base.vol"_s, u"/g/a/base.vol"_s, u"x.cs"_s, 1, {}},
    };
    QStringList folders;
    for (const ArchiveSearch::ArchiveObjects& archive : ArchiveSearch::byArchive(rows, {}, u"/out"_s))
        folders.append(archive.destination + u':' + QString::number(archive.rows.size()));
    QCOMPARE(folders, (QStringList{"/out/base:1", "/out/BASE (2):1", "/out/base (3):1", "/out/.vol:1"}));
    QCOMPARE(ArchiveSearch::byArchive(rows.mid(0, 1), {}, u"/out"_s).constFirst().destination, u"/out"_s);
}

void SearchTest::findWindowOpensAndExtractsTheObjects()
{
    const auto run = searchedWindow(u"*.cs"_s);
    frmFind* find = run->window.findWindow();
    QVERIFY(find && find->isVisible());
    const QStringList rows = texts(*find->lvwFound);
    QCOMPARE(rows.size(), 6);
    QCOMPARE(rows.mid(0, 3),
             (QStringList{u"base.vol|a&calc & touch pwned.cs|Script"_s, u"base.vol|tab\there.cs|Script"_s,
                          u"base.vol|README.CS|Script"_s}));
    QVERIFY2(rows.at(3).startsWith(u"sub/broken.vol|cannot be listed: vtlist.exe ended with status 1"_s) &&
                 rows.at(3).endsWith(u"|not listed"_s),
             qPrintable(rows.at(3)));
    QVERIFY2(rows.at(4).startsWith(u"sub/deeper/empty.vol|cannot be listed: lists no objects"_s),
             qPrintable(rows.at(4)));
    QCOMPARE(rows.at(5), u"sub/mission.vol|mission.cs|Script"_s);
    const QSettings kept(ini(), QSettings::IniFormat);
    QCOMPARE(kept.value(u"Find/Folder"_s).toString(), finds());
    QCOMPARE(kept.value(u"Find/Subfolders"_s).toString(), u"True"_s);
    QCOMPARE(kept.value(u"Find/Pattern"_s).toString(), u"*.cs"_s);

    auto* list = run->control<QListWidget>("lstList");
    const auto open = [&](int row) {
        emit find->lvwFound->itemActivated(find->lvwFound->topLevelItem(row), 0);
    };
    open(5);
    QCOMPARE(run->core.Vols.VolCount(), 1);
    QCOMPARE(run->core.Vols.current()->FilePath, finds() + u"/sub/mission.vol"_s);
    QVERIFY(run->core.Vols.current()->Listed);
    QCOMPARE(list->currentItem()->text(), u"mission.cs"_s);
    QCOMPARE(list->selectedItems().size(), 1);
    open(2);
    QCOMPARE(run->core.Vols.VolCount(), 2);
    QCOMPARE(list->currentRow(), 3);
    QCOMPARE(list->currentItem()->text(), u"README.CS"_s);
    open(5);
    QCOMPARE(run->core.Vols.VolCount(), 2);
    QCOMPARE(run->core.Vols.CurrentVol, 1);
    QCOMPARE(list->currentItem()->text(), u"mission.cs"_s);
    // Enter opens the current row, and searches nothing again.
    find->txtPattern->setText(u"*.txt"_s);
    find->lvwFound->setCurrentItem(find->lvwFound->topLevelItem(2));
    QTest::keyClick(find->lvwFound, Qt::Key_Return);
    QCOMPARE(run->core.Vols.CurrentVol, 2);
    QCOMPARE(texts(*find->lvwFound), rows);
    // A row that cannot be listed opens nothing.
    open(3);
    QCOMPARE(run->core.Vols.VolCount(), 2);

    for (const int row : {2, 3, 5})
        find->lvwFound->topLevelItem(row)->setSelected(true);
    QVERIFY(find->cmdExtract->isEnabled() && !find->cmdPreview->isEnabled());
    find->cmdExtract->click();
    QCOMPARE(TestEnvironment::readFile(destination() + u"/base/README.CS"_s).left(4), QByteArray("Echo"));
    QCOMPARE(TestEnvironment::readFile(destination() + u"/mission/mission.cs"_s),
             QByteArray("// mission\necho(1);\n"));
    run->window.close();
}

// The lines of the archives Find in Archives found, with their numbers and the match's span for the
// highlight; a row opens the script window at that line with the match selected, a ".txt" too.
void SearchTest::findInScriptsOpensTheScriptAtTheMatch()
{
    const auto run = searchedWindow(QString());
    run->control<QAction>("mnuToolsFindScripts")->trigger();
    frmFindScripts* scripts = run->window.findScriptsWindow();
    QVERIFY(scripts && scripts->isVisible());
    scripts->cboScope->setCurrentIndex(int(frmFindScripts::Scope::FoundArchives));
    scripts->txtText->setText(u"echo"_s);
    scripts->cmdFind->click();
    const QStringList rows = texts(*scripts->lvwLines);
    QCOMPARE(rows.mid(0, 4),
             (QStringList{u"base.vol|tab\there.cs||cannot be read: it holds a control character"_s,
                          u"base.vol|README.CS|1|Echo(\"caf\u00e9\");"_s,
                          u"base.vol|README.CS|3|echo(\"\u20ac\");"_s,
                          u"sub/mission.vol|mission.cs|2|echo(1);"_s}));
    QCOMPARE(rows.value(4), u"sub/mission.vol|notes.txt|2|no echo"_s);
    QCOMPARE(scripts->lvwLines->topLevelItem(4)->data(3, MatchDelegate::spansRole).toList(),
             (QVariantList{3, 4}));

    for (const auto& [row, line, script] : {std::tuple{2, 3, u"README.CS"_s}, {4, 2, u"notes.txt"_s}}) {
        emit scripts->lvwLines->itemActivated(scripts->lvwLines->topLevelItem(row), 0);
        frmScript* window = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* shown = qobject_cast<frmScript*>(top); shown && shown->isVisible())
                window = shown;
        }
        QVERIFY2(window, qPrintable(script));
        const QTextCursor cursor = window->rtfScript->textCursor();
        QCOMPARE(cursor.block().blockNumber() + 1, line);
        QCOMPARE(cursor.selectedText(), u"echo"_s);
    }
    // Tools > Clear Cache removes the listings and scripts these searches kept.
    const QDir cache(environment_.cacheHome() + u"/kadrillo"_s);
    QVERIFY(!cache.isEmpty(QDir::Files));
    run->control<QAction>("mnuToolsClearCache")->trigger();
    QVERIFY(cache.isEmpty(QDir::Files));
    run->window.close();
}

QTEST_MAIN(SearchTest)
#include "tst_search.moc"
