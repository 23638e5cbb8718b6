#include "app/frmAbout.h"
#include "platform/ProgramPaths.h"
#include "platform/Twips.h"
#include "support/FakeSeams.h"
#include "support/TestEnvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The About box.
class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTheVersionInItsLayout();
    void readMeOpensTheReadmeAndTheBoxStaysOpen();
    void aViewerThatCannotStartIsReported();

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

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
