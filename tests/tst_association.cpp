#include "app/VolAssociation.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

// The ".vol" association, checked with the desktop's own query tool in private folders.
class AssociationTest : public QObject {
    Q_OBJECT

private slots:
    void registersKadrilloForVolFiles();

private:
    TestEnvironment environment_;
};

namespace {

// What xdg-mime answers, or why it gave no answer.
QString xdgMime(const QStringList& arguments)
{
    QProcess query;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"XDG_CURRENT_DESKTOP"_s);
    environment.remove(u"DESKTOP_SESSION"_s);
    environment.insert(u"XDG_DATA_DIRS"_s, u"/usr/share"_s);
    query.setProcessEnvironment(environment);
    query.start(u"xdg-mime"_s, arguments);
    if (!query.waitForFinished(30000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return u"xdg-mime failed: "_s + query.errorString() +
               QString::fromLocal8Bit(query.readAllStandardError());
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

} // namespace

void AssociationTest::registersKadrilloForVolFiles()
{
    for (const char* tool : {"xdg-mime", "mimetype", "update-mime-database", "update-desktop-database"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP(
                qPrintable(u"%1 is not installed (scripts/deps.sh installs it)"_s.arg(QLatin1String(tool))));
    }
    const QString list = environment_.configHome() + u"/mimeapps.list"_s;
    TestEnvironment::writeFile(list,
                               "[Default Applications]\ntext/plain=editor.desktop\n\n[Other]\nkeep=me\n");
    const QString archive = environment_.path() + u"/maps.vol"_s;
    TestEnvironment::writeFile(archive, "KVOL");

    QCOMPARE(RegisterVolAssociation(), QString());
    QCOMPARE(xdgMime({u"query"_s, u"filetype"_s, archive}), u"application/x-starsiege-volume"_s);
    QCOMPARE(xdgMime({u"query"_s, u"default"_s, u"application/x-starsiege-volume"_s}), u"kadrillo.desktop"_s);
    const QString data = environment_.dataHome();
    const QByteArray entry = TestEnvironment::readFile(data + u"/applications/kadrillo.desktop"_s);
    QVERIFY2(
        entry.contains("\nExec=\"" + QFile::encodeName(QCoreApplication::applicationFilePath()) + "\" %f\n"),
        entry.constData());
    QVERIFY(entry.contains("\nMimeType=application/x-starsiege-volume;\n"));
    QVERIFY(QFile::exists(data + u"/icons/hicolor/scalable/apps/kadrillo.svg"_s));

    const QByteArray lists = TestEnvironment::readFile(list);
    QVERIFY2(lists.contains("text/plain=editor.desktop\n") && lists.contains("[Other]\nkeep=me\n"),
             lists.constData());
    QCOMPARE(RegisterVolAssociation(), QString()); // again: the same records, nothing doubled
    QCOMPARE(TestEnvironment::readFile(list), lists);
}

QTEST_GUILESS_MAIN(AssociationTest)
#include "tst_association.moc"
