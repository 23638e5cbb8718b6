#include "app/frmAbout.h"
#include "platform/ProgramPaths.h"
#include "platform/Twips.h"
#include "support/FakeSeams.h"
#include "support/TestEnvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The About box, and the installation that puts its read-me where the box looks for it.
class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTheVersionInItsLayout();
    void readMeOpensTheReadmeAndTheBoxStaysOpen();
    void aViewerThatCannotStartIsReported();
    void installsIntoAnEmptyPrefix();

private:
    TestEnvironment environment_;
    FakeSeams fakes_;
};

namespace {

// A desktop with no program for the file.
class RefusingDesktopOpener final : public DesktopOpener {
public:
    bool open(const QUrl&) override { return false; }
};

struct Finished {
    bool ok;
    QString report;
};

// Runs a program to its end; the report says why it did not end well.
Finished run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120000);
    if (!ended)
        process.kill();
    process.waitForFinished(5000);
    const QString output = QString::fromLocal8Bit(process.readAll());
    if (!ended)
        return {false, program + u" did not end within two minutes: "_s + process.errorString() + output};
    const bool ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return {ok, program + u" exited with %1: "_s.arg(process.exitCode()) + output};
}

} // namespace

void AboutTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void AboutTest::showsTheVersionInItsLayout()
{
    QWidget owner;
    owner.setGeometry(200, 150, 900, 700);
    frmAbout box(fakes_.seams(), &owner);
    box.Form_Load();

    QCOMPARE(box.windowTitle(), u"About Kadrillo"_s);
    QCOMPARE(box.lblVersion->text(), u"Version 1.0.3"_s);
    QVERIFY2(box.lblVersion->width() >= box.lblVersion->sizeHint().width(), "the version is cut off");
    QCOMPARE(box.size(), Twips::toPixels(&box, 0, 0, 6735, 3855).size());
    QVERIFY((box.geometry().center() - owner.geometry().center()).manhattanLength() <= 1);
    QCOMPARE(box.Label1->font().pointSizeF(), 24.0);
    QCOMPARE(box.lblVersion->font().pointSizeF(), 13.5);
    QCOMPARE(box.Label2->font().pointSizeF(), 12.0);
    QVERIFY(box.cmdOK->isDefault());

    const auto controls = box.findChildren<QWidget*>();
    QCOMPARE(controls.size(), 10);
    for (QWidget* control : controls)
        QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                 qPrintable(control->objectName() + u" has no accessible name"_s));
}

void AboutTest::readMeOpensTheReadmeAndTheBoxStaysOpen()
{
    frmAbout box(fakes_.seams(), nullptr);
    box.Form_Load();
    box.show();
    QTest::mouseClick(box.cmdReadme, Qt::LeftButton);

    const QString readme = ProgramPaths::readmePath();
    QCOMPARE(fakes_.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(readme)});
    // A program run from the build folder finds the build's copy of the read-me.
    QVERIFY2(TestEnvironment::readFile(readme).startsWith("KADRILLO 1.0.3 - READ ME"), qPrintable(readme));
    QVERIFY(box.isVisible());
    QCOMPARE(fakes_.messages.shown().size(), 0);

    QTest::mouseClick(box.cmdOK, Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
}

void AboutTest::aViewerThatCannotStartIsReported()
{
    RefusingDesktopOpener desktop;
    fakes_.messages.clear();
    frmAbout box(Seams{fakes_.messages, fakes_.files, desktop}, nullptr);
    box.show();
    QTest::mouseClick(box.cmdReadme, Qt::LeftButton);

    QCOMPARE(fakes_.messages.shown().size(), 1);
    const ScriptedMessageBoxes::Shown& shown = fakes_.messages.shown().first();
    QCOMPARE(shown.title, u"Kadrillo"_s);
    QCOMPARE(shown.icon, MessageBoxes::Icon::Exclamation);
    QVERIFY2(shown.text.contains(ProgramPaths::readmePath()), qPrintable(shown.text));
    QVERIFY(box.isVisible());
}

void AboutTest::installsIntoAnEmptyPrefix()
{
    const QString cmake = QStandardPaths::findExecutable(u"cmake"_s);
    QVERIFY2(!cmake.isEmpty(), "cmake is not on the PATH");
    for (const char* tool : {"desktop-file-validate", "appstreamcli", "update-mime-database"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP(
                qPrintable(u"%1 is not installed (scripts/deps.sh installs it)"_s.arg(QLatin1String(tool))));
    }
    QTemporaryDir prefixFolder;
    const QString prefix = prefixFolder.path();
    const QString build = QFileInfo(QStringLiteral(KADRILLO_BIN_DIR)).path();
    const Finished install = run(cmake, {u"--install"_s, build, u"--prefix"_s, prefix});
    QVERIFY2(install.ok, qPrintable(install.report));

    const QStringList installed = {
        u"bin/kadrillo"_s,
        u"bin/kadrillo-batch"_s,
        u"share/kadrillo/readme.txt"_s,
        u"share/applications/kadrillo.desktop"_s,
        u"share/icons/hicolor/scalable/apps/kadrillo.svg"_s,
        u"share/mime/packages/kadrillo.xml"_s,
        u"share/metainfo/org.kadrillo.Kadrillo.metainfo.xml"_s,
    };
    for (const QString& file : installed)
        QVERIFY2(QFileInfo::exists(prefix + u'/' + file), qPrintable(file + u" is not installed"_s));
    QVERIFY(QFileInfo(prefix + u"/bin/kadrillo"_s).isExecutable());

    // The installed program looks for its read-me where the build's program finds it.
    const QString fromBuild =
        QDir(QStringLiteral(KADRILLO_BIN_DIR)).relativeFilePath(ProgramPaths::readmePath());
    QVERIFY2(QFileInfo::exists(prefix + u"/bin/"_s + fromBuild), qPrintable(fromBuild));

    const Finished entry = run(u"desktop-file-validate"_s, {prefix + u'/' + installed[3]});
    QVERIFY2(entry.ok, qPrintable(entry.report));
    const Finished metainfo =
        run(u"appstreamcli"_s, {u"validate"_s, u"--no-net"_s, prefix + u'/' + installed[6]});
    QVERIFY2(metainfo.ok, qPrintable(metainfo.report));
    const Finished mime = run(u"update-mime-database"_s, {prefix + u"/share/mime"_s});
    QVERIFY2(mime.ok, qPrintable(mime.report));
    QVERIFY2(QFileInfo::exists(prefix + u"/share/mime/application/x-starsiege-volume.xml"_s),
             "the MIME package defines no application/x-starsiege-volume");
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
