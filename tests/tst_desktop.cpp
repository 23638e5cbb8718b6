#include "app/core/CommandLine.h"
#include "app/core/StartArguments.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/VolAssociation.h"
#include "app/ui/frmAbout.h"
#include "platform/core/ProgramPaths.h"
#include "support/MainWindowRun.h"
#include "support/OwnedProgram.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// What passes between the program and the desktop: the ".vol" association, checked with the desktop's
// own query tool in private folders, the command line it starts the program with, and the read-me that
// the About box hands to it.
class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void aboutShowsTheVersionAndOpensTheReadme();
    void associateRegistersKadrilloForVolFiles();
    void associateFromAnInstalledProgram_data();
    void associateFromAnInstalledProgram();
    void commandLineTokens_data();
    void commandLineTokens();
    void archivePaths();
    void startArguments_data();
    void startArguments();

private:
    TestEnvironment environment_;
};

namespace {

// What xdg-mime answers, or why it gave no answer.
QString xdgMime(const QStringList& arguments, const QString& dataFolders = u"/usr/share"_s)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"XDG_CURRENT_DESKTOP"_s);
    environment.remove(u"DESKTOP_SESSION"_s);
    environment.insert(u"XDG_DATA_DIRS"_s, dataFolders);
    QByteArray answer;
    const QString failed = OwnedProgram::runToEnd(u"xdg-mime"_s, arguments, &answer, environment);
    return failed.isEmpty() ? QString::fromLocal8Bit(answer).trimmed() : failed;
}

} // namespace

// The box sits on its owner's centre with the version whole. Read Me hands the read-me to the
// desktop's viewer, or says which file it could not open; either way the box stays open until OK.
void DesktopTest::aboutShowsTheVersionAndOpensTheReadme()
{
    FakeSeams fakes;
    QWidget owner;
    owner.setGeometry(200, 150, 900, 700);
    frmAbout box(fakes.seams(), &owner);
    box.Form_Load();
    QCOMPARE(box.lblVersion->text(), u"Version 1.0.3"_s);
    QVERIFY2(box.lblVersion->width() >= box.lblVersion->sizeHint().width(), "the version is cut off");
    QVERIFY((box.geometry().center() - owner.geometry().center()).manhattanLength() <= 1);
    QVERIFY(box.cmdOK->isDefault());

    box.show();
    QTest::mouseClick(box.cmdReadme, Qt::LeftButton);
    const QString readme = ProgramPaths::readmePath();
    QCOMPARE(fakes.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(readme)});
    QVERIFY2(TestEnvironment::readFile(readme).startsWith("KADRILLO 1.0.3 - READ ME"), qPrintable(readme));
    QVERIFY(box.isVisible());

    fakes.desktop.refuse = true;
    QTest::mouseClick(box.cmdReadme, Qt::LeftButton);
    QCOMPARE(fakes.messages.shown().size(), 1);
    QCOMPARE(fakes.messages.shown().first().icon, MessageIcon::Exclamation);
    QVERIFY2(fakes.messages.texts().first().contains(readme), qPrintable(fakes.messages.texts().first()));
    QVERIFY(box.isVisible());

    QTest::mouseClick(box.cmdOK, Qt::LeftButton);
    QCOMPARE(box.result(), int(QDialog::Accepted));
}

// Tools > Associate makes the program the one for ".vol" files, keeps the user's other choices and
// doubles nothing when chosen again. The user's list is a link into a folder of dotfiles, and stays one.
void DesktopTest::associateRegistersKadrilloForVolFiles()
{
    const QString missing = TestEnvironment::missingPrograms(
        {"xdg-mime", "mimetype", "update-mime-database", "update-desktop-database"});
    if (!missing.isEmpty())
        QSKIP(qPrintable(u"needs %1 (scripts/deps.sh installs them)"_s.arg(missing)));
    const QString list = environment_.configHome() + u"/mimeapps.list"_s;
    const QString kept = environment_.path() + u"/dotfiles/mimeapps.list"_s;
    TestEnvironment::writeFile(kept,
                               "[Default Applications]\ntext/plain=editor.desktop\n\n[Other]\nkeep=me\n");
    QVERIFY(QDir().mkpath(environment_.configHome()) && QFile::link(kept, list));
    const QString archive = environment_.path() + u"/maps.vol"_s;
    TestEnvironment::writeFile(archive, "KVOL");
    MainWindowRun run(environment_.path() + u"/Kadrillo.ini"_s);

    run.control<QAction>("mnuToolsAcioate")->trigger();
    QCOMPARE(xdgMime({u"query"_s, u"filetype"_s, archive}), u"application/x-starsiege-volume"_s);
    QCOMPARE(xdgMime({u"query"_s, u"default"_s, u"application/x-starsiege-volume"_s}), u"kadrillo.desktop"_s);
    const QString data = environment_.dataHome();
    const QByteArray entry = TestEnvironment::readFile(data + u"/applications/kadrillo.desktop"_s);
    QVERIFY2(
        entry.contains("\nExec=\"" + QFile::encodeName(QCoreApplication::applicationFilePath()) + "\" %f\n"),
        entry.constData());
    QVERIFY(entry.contains("\nMimeType=application/x-starsiege-volume;\n"));
    QVERIFY(QFile::exists(data + u"/icons/hicolor/scalable/apps/kadrillo.svg"_s));
    QCOMPARE(run.control<MainStatusBar>("StatusBar1")->text(),
             u"Wrote %1/applications/kadrillo.desktop and made it the program for .vol files"_s.arg(data));

    QVERIFY(QFileInfo(list).isSymLink());
    const QByteArray lists = TestEnvironment::readFile(kept);
    QVERIFY2(lists.contains("text/plain=editor.desktop\n") && lists.contains("[Other]\nkeep=me\n"),
             lists.constData());
    run.control<QAction>("mnuToolsAcioate")->trigger();
    QCOMPARE(run.fakes.messages.texts(), QStringList());
    QCOMPARE(TestEnvironment::readFile(list), lists);
}

void DesktopTest::associateFromAnInstalledProgram_data()
{
    QTest::addColumn<bool>("desktopReadsPrefix"); // the prefix's share folder is in XDG_DATA_DIRS
    QTest::newRow("installed where the desktop looks") << true;
    QTest::newRow("installed where the desktop does not look") << false;
}

// A program installed with its desktop entry makes that entry the handler and leaves no user entry of
// the same name to hide it; one installed where the desktop does not look writes the user's own.
void DesktopTest::associateFromAnInstalledProgram()
{
    QFETCH(bool, desktopReadsPrefix);
    const QString missing =
        TestEnvironment::missingPrograms({"xdg-mime", "update-mime-database", "update-desktop-database"});
    if (!missing.isEmpty())
        QSKIP(qPrintable(u"needs %1 (scripts/deps.sh installs them)"_s.arg(missing)));
    const QString prefix = environment_.path() + u"/prefix-%1"_s.arg(desktopReadsPrefix);
    const QString installedEntry = prefix + u"/share/applications/kadrillo.desktop"_s;
    TestEnvironment::writeFile(
        installedEntry,
        "[Desktop Entry]\nType=Application\nName=Kadrillo\nExec=" + QFile::encodeName(prefix) +
            "/bin/kadrillo %F\nMimeType=application/x-starsiege-volume;\n");
    const QString userEntry = environment_.dataHome() + u"/applications/kadrillo.desktop"_s;
    TestEnvironment::writeFile(userEntry, "[Desktop Entry]\nType=Application\nName=Kadrillo\nExec=old %f\n");
    const QString dataFolders = (desktopReadsPrefix ? prefix + u"/share:"_s : QString()) + u"/usr/share"_s;
    const QByteArray folders = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(dataFolders));
    FileAssociation association = VolAssociation();
    association.programPath = prefix + u"/bin/kadrillo"_s;
    const QString failed = association.install();
    const QString handler = association.desktopEntryPath();
    qputenv("XDG_DATA_DIRS", folders);
    QVERIFY2(failed.isEmpty(), qPrintable(failed));

    QCOMPARE(handler, desktopReadsPrefix ? installedEntry : userEntry);
    QCOMPARE(QFileInfo::exists(userEntry), !desktopReadsPrefix);
    if (!desktopReadsPrefix)
        QVERIFY(TestEnvironment::readFile(userEntry).contains(QFile::encodeName(association.programPath)));
    QCOMPARE(xdgMime({u"query"_s, u"default"_s, u"application/x-starsiege-volume"_s}, dataFolders),
             u"kadrillo.desktop"_s);
}

void DesktopTest::commandLineTokens_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("quoted path with blanks")
        << u"\"/games/My Vols/a.vol\""_s << QStringList{"/games/My Vols/a.vol"} << QStringList{"a.vol"};
    QTest::newRow("blanks and tabs separate")
        << u"  /x/a.vol \t b.vol  "_s << QStringList{"/x/a.vol", "b.vol"} << QStringList{"a.vol", "b.vol"};
    QTest::newRow("quote in the middle of a word")
        << u"/v/my\" \"x.vol"_s << QStringList{"/v/my ", "x.vol"} << QStringList{"my ", "x.vol"};
    QTest::newRow("unclosed quote runs to the end")
        << u"\"/v/a b.vol"_s << QStringList{"/v/a b.vol"} << QStringList{"a b.vol"};
    QTest::newRow("empty quotes name nothing")
        << u"\"\" a.vol"_s << QStringList{"a.vol"} << QStringList{"a.vol"};
    QTest::newRow("folder path ending in a separator") << u"/v/"_s << QStringList{"/v/"} << QStringList{""};
    QTest::newRow("empty") << QString() << QStringList{} << QStringList{};
}

void DesktopTest::commandLineTokens()
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
void DesktopTest::archivePaths()
{
    QCOMPARE(CommandLine::archivePaths({"/v/my\"odd.vol", "/v/a b.vol", "", "/v/\"quoted\".vol"}),
             (QStringList{"/v/my\"odd.vol", "/v/a b.vol", "/v/\"quoted\".vol"}));
    const QStringList arguments{"/home/me/My Vols/a.vol", "plain.vol", "/t/tab\there.vol", "/x/b&c.vol"};
    QCOMPARE(CommandLine::tokens(CommandLine::join(arguments)), arguments);
}

void DesktopTest::startArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("read"); // "window: archives | Qt's options", or "command line"
    // With no display: how the program ended and the first line it wrote; empty: not started.
    QTest::addColumn<QString>("withoutDisplay");
    const QString noDisplay = u"kadrillo exited with code 2|kadrillo: "_s + StartArguments::noDisplay();
    QTest::newRow("archives among Qt's options")
        << QStringList{"-style", "fusion", "a.vol", "-reverse", "b c.vol", "-title", "-h", "-style=x"}
        << u"window: a.vol,b c.vol | -style,fusion,-reverse,-title,-h,-style=x"_s << noDisplay;
    QTest::newRow("-- ends the options") << QStringList{"a.vol", "--", "-h", "--list", "-platform"}
                                         << u"window: a.vol,-h,--list,-platform | "_s << noDisplay;
    // Qt would take a path that starts with a colon for one of its resources.
    QTest::newRow("archives that start with a colon")
        << QStringList{":a.vol", "--", ":b.vol"} << u"window: ./:a.vol,./:b.vol | "_s << noDisplay;
    QTest::newRow("a platform named") << QStringList{"-platform", "offscreen", "a.vol"}
                                      << u"window: a.vol | -platform,offscreen (platform)"_s << QString();
    QTest::newRow("-h") << QStringList{"a.vol", "-h"} << u"command line"_s << u"|Usage:"_s;
    QTest::newRow("not an option") << QStringList{"-x.vol"} << u"command line"_s
                                   << u"kadrillo exited with code 2|kadrillo: unknown option -x.vol"_s;
    QTest::newRow("-- alone") << QStringList{"--"} << u"window:  | "_s << noDisplay;
}

// Decided before Qt reads the arguments: Qt's options stay Qt's, anything else starting with "-" is
// the command line's, and a window that has no display says so instead of aborting in Qt.
void DesktopTest::startArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, read);
    QFETCH(QString, withoutDisplay);
    QByteArrayList bytes;
    for (const QString& argument : arguments)
        bytes.append(QFile::encodeName(argument));
    const StartArguments start = StartArguments::read(bytes);
    QCOMPARE(start.mode == StartArguments::Mode::CommandLine
                 ? u"command line"_s
                 : u"window: "_s + start.archives.join(u',') + u" | "_s +
                       QString::fromLocal8Bit(start.qtOptions.join(',')) +
                       (start.namesPlatform ? u" (platform)"_s : QString()),
             read);
    if (withoutDisplay.isEmpty())
        return;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& display : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(display);
    environment.insert(u"XDG_CONFIG_HOME"_s, environment_.configHome());
    environment.insert(u"XDG_DATA_HOME"_s, environment_.dataHome());
    environment.insert(u"TMPDIR"_s, environment_.tempHome());
    OwnedProgram program(u"kadrillo"_s);
    program.process().setProcessChannelMode(QProcess::MergedChannels);
    QVERIFY2(program.start(QStringLiteral(KADRILLO_BIN_DIR "/kadrillo"), arguments, environment),
             qPrintable(program.state()));
    const QString ended = program.waitForExit(30000);
    const QString said = QString::fromLocal8Bit(program.process().readAll()).section(u'\n', 0, 0);
    QCOMPARE(ended + u'|' + said, withoutDisplay);
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
