#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/frmOptions.h"
#include "archive/FailureTable.h"
#include "archive/ToolRunner.h"
#include "archive/VolTable.h"
#include "archive/frmExtract.h"
#include "picture/PictureState.h"
#include "picture/frmContactSheet.h"
#include "picture/frmExportFormat.h"
#include "picture/frmPreview.h"
#include "platform/SettingsStore.h"
#include "preview/frmPalExtract.h"
#include "preview/frmScript.h"
#include "preview/frmSound.h"
#include "support/FakeSeams.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTest>

// What a screen reader finds in each window: the window as a window or a dialog, and a name on
// every control a user can reach.
class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowAndControlIsNamed();

private:
    static QStringList problemsIn(QWidget* window);

    TestEnvironment environment_;
    FakeSeams fakes_;
};

void AccessibilityTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

QStringList AccessibilityTest::problemsIn(QWidget* window)
{
    QStringList problems;
    const QAccessible::Role role = QAccessible::queryAccessibleInterface(window)->role();
    if (role != QAccessible::Window && role != QAccessible::Dialog)
        problems.append(window->objectName() + QStringLiteral(" is not a window but role %1").arg(role));
    const auto controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const bool reachable = qobject_cast<QAbstractButton*>(control) ||
                               qobject_cast<QAbstractItemView*>(control) ||
                               qobject_cast<QProgressBar*>(control) || qobject_cast<QPlainTextEdit*>(control);
        // Qt's own helpers, such as the menu bar's overflow button, are named by Qt.
        if (!reachable || control->isHidden() || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).trimmed().isEmpty())
            problems.append(window->objectName() + QLatin1Char('/') + control->objectName() +
                            QLatin1Char(' ') + QLatin1String(control->metaObject()->className()) +
                            QStringLiteral(" has no name"));
    }
    return problems;
}

void AccessibilityTest::everyWindowAndControlIsNamed()
{
    AppState state;
    SettingsStore store(environment_.path() + QStringLiteral("/Kadrillo.ini"));
    ToolRunner runner;
    PictureState pictures;
    VolRecord vol;
    frmMain main(state, store, fakes_.seams());
    frmSound sound(runner, fakes_.messages);
    frmScript script(runner);
    frmPreview picture(pictures, fakes_.messages);
    frmExtract extraction(&main, vol, {0}, environment_.path(), runner, fakes_.seams());
    BatchReport report(BatchReport::Kind::Extraction, 1);
    report.addFailure(0, QStringLiteral("a.cs"), BatchReport::Step::CannotWrite, QStringLiteral("full"));
    FailureTable failures(report, &main);
    AppLifecycle lifecycle(state, store, runner, fakes_.messages);
    frmOptions options(lifecycle, fakes_.seams(), &main);
    frmAbout about(fakes_.seams(), &main);
    frmExportFormat format(PictureExport{}, &main);
    frmContactSheet sheet(fakes_.messages, fakes_.files);
    bool addPpl = false;
    frmPalExtract palettes({vol.FilePath, vol.FilePath, addPpl}, pictures, runner, fakes_.messages,
                           [] { return QString(); });

    QStringList problems;
    for (QWidget* window :
         std::initializer_list<QWidget*>{&main, &sound, &script, &picture, &extraction, &failures, &options,
                                         &about, &palettes, &format, &sheet})
        problems += problemsIn(window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
