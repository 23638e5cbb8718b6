#include "app/VolAssociation.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

// The ".vol" association, checked with the desktop's own query tool in private folders.
class AssociationTest : public QObject {
    Q_OBJECT

private slots:
    void registersKadrilloForVolFiles();

private:
    QString xdgMime(const QStringList& arguments) const;

    TestEnvironment environment_;
};

QString AssociationTest::xdgMime(const QStringList& arguments) const
{
    QProcess query;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    environment.remove(QStringLiteral("DESKTOP_SESSION"));
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/share"));
    query.setProcessEnvironment(environment);
    query.start(QStringLiteral("xdg-mime"), arguments);
    query.waitForFinished(30000);
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

void AssociationTest::registersKadrilloForVolFiles()
{
    for (const char* tool : {"xdg-mime", "mimetype", "update-mime-database", "update-desktop-database"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (scripts/deps.sh installs it)").arg(tool)));
    }
    const QString list = environment_.configHome() + QStringLiteral("/mimeapps.list");
    TestEnvironment::writeFile(list,
                               "[Default Applications]\ntext/plain=editor.desktop\n\n[Other]\nkeep=me\n");
    const QString archive = environment_.path() + QStringLiteral("/maps.vol");
    TestEnvironment::writeFile(archive, "KVOL");

    QCOMPARE(RegisterVolAssociation(), QString());
    QCOMPARE(xdgMime({QStringLiteral("query"), QStringLiteral("filetype"), archive}),
             QStringLiteral("application/x-starsiege-volume"));
    QCOMPARE(xdgMime({QStringLiteral("query"), QStringLiteral("default"),
                      QStringLiteral("application/x-starsiege-volume")}),
             QStringLiteral("kadrillo.desktop"));

    const QByteArray entry =
        TestEnvironment::readFile(environment_.dataHome() + QStringLiteral("/applications/kadrillo.desktop"));
    QVERIFY2(
        entry.contains("\nExec=\"" + QFile::encodeName(QCoreApplication::applicationFilePath()) + "\" %f\n"),
        entry.constData());
    QVERIFY(entry.contains("\nMimeType=application/x-starsiege-volume;\n"));
    QVERIFY(
        QFile::exists(environment_.dataHome() + QStringLiteral("/icons/hicolor/scalable/apps/kadrillo.svg")));
    const QByteArray mime =
        TestEnvironment::readFile(environment_.dataHome() + QStringLiteral("/mime/packages/kadrillo.xml"));
    QVERIFY(mime.contains("<comment>Starsiege Volume File</comment>"));
    QVERIFY(mime.contains("<sub-class-of type=\"application/x-compress\"/>"));

    const QByteArray lists = TestEnvironment::readFile(list);
    QVERIFY2(lists.contains("text/plain=editor.desktop\n") && lists.contains("[Other]\nkeep=me\n"),
             lists.constData());
    QCOMPARE(RegisterVolAssociation(), QString()); // again: the same records, nothing doubled
    QCOMPARE(TestEnvironment::readFile(list), lists);
}

QTEST_GUILESS_MAIN(AssociationTest)
#include "tst_association.moc"
