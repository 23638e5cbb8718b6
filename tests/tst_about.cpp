#include "app/frmAbout.h"
#include "platform/ProgramPaths.h"
#include "support/FakeSeams.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The About box.
class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void showsTheVersionAndOpensTheReadme();

private:
    TestEnvironment environment_;
    FakeSeams fakes_;
};

// The box sits on its owner's centre with the version whole. Read Me hands the read-me to the
// desktop's viewer, or says which file it could not open; either way the box stays open until OK.
void AboutTest::showsTheVersionAndOpensTheReadme()
{
    QWidget owner;
    owner.setGeometry(200, 150, 900, 700);
    frmAbout box(fakes_.seams(), &owner);
    box.Form_Load();
    QCOMPARE(box.lblVersion->text(), u"Version 1.0.3"_s);
    QVERIFY2(box.lblVersion->width() >= box.lblVersion->sizeHint().width(), "the version is cut off");
    QVERIFY((box.geometry().center() - owner.geometry().center()).manhattanLength() <= 1);
    QVERIFY(box.cmdOK->isDefault());

    box.show();
    QTest::mouseClick(box.cmdReadme, Qt::LeftButton);
    const QString readme = ProgramPaths::readmePath();
    QCOMPARE(fakes_.desktop.opened, QList<QUrl>{QUrl::fromLocalFile(readme)});
    // A program run from the build folder finds the build's copy of the read-me.
    QVERIFY2(TestEnvironment::readFile(readme).startsWith("KADRILLO 1.0.3 - READ ME"), qPrintable(readme));
    QVERIFY(fakes_.messages.shown().isEmpty());
    QVERIFY(box.isVisible());

    fakes_.desktop.refuse = true;
    QTest::mouseClick(box.cmdReadme, Qt::LeftButton);
    QCOMPARE(fakes_.messages.shown().size(), 1);
    QCOMPARE(fakes_.messages.shown().first().icon, MessageBoxes::Icon::Exclamation);
    QVERIFY2(fakes_.messages.texts().first().contains(readme), qPrintable(fakes_.messages.texts().first()));
    QVERIFY(box.isVisible());

    QTest::mouseClick(box.cmdOK, Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
