#include "app/MainLayout.h"
#include "app/frmMain.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "support/FakeSeams.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <memory>

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void layoutArithmetic_data();
    void layoutArithmetic();
    void windowFrameAtStart();
    void tabStripFollowsTheWindowAndTheBars();
    void minimizingLeavesTheLayoutAlone();
    void settingToggles();
    void shortcuts();
    void toolbarButtons();

private:
    QRect twipsGeometry(const QWidget* widget) const;
    void setInnerSizeTwips(int width, int height);
    QAction* action(const char* name) const { return window_->findChild<QAction*>(QLatin1String(name)); }

    TestEnvironment environment_;
    AppState state_;
    std::unique_ptr<SettingsStore> store_;
    FakeSeams fakes_;
    std::unique_ptr<frmMain> window_;
};

void MainWindowTest::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void MainWindowTest::init()
{
    const QString ini = environment_.path() + QStringLiteral("/Kadrillo.ini");
    QFile::remove(ini);
    store_ = std::make_unique<SettingsStore>(ini);
    state_ = AppState();
    window_ = std::make_unique<frmMain>(state_, *store_, fakes_.seams());
}

void MainWindowTest::cleanup()
{
    window_.reset();
    fakes_.messages.clear();
}

QRect MainWindowTest::twipsGeometry(const QWidget* widget) const
{
    const double x = Twips::perPixelX(widget);
    const double y = Twips::perPixelY(widget);
    const QRect g = widget->geometry();
    return QRect(qRound(g.x() * x), qRound(g.y() * y), qRound(g.width() * x), qRound(g.height() * y));
}

void MainWindowTest::setInnerSizeTwips(int width, int height)
{
    QWidget* inner = window_->centralWidget();
    const QSize wanted = Twips::toPixels(inner, 0, 0, width, height).size();
    window_->resize(window_->size() + wanted - inner->size());
    QTRY_COMPARE(inner->size(), wanted);
}

void MainWindowTest::layoutArithmetic_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("statusBar");
    QTest::addColumn<bool>("toolbar");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("both bars") << 5520.0 << 5595.0 << true << true << QRect(10, 370, 5500, 4915);
    QTest::newRow("no bars") << 5520.0 << 5595.0 << false << false << QRect(10, 10, 5500, 5575);
    QTest::newRow("status bar only") << 5520.0 << 5595.0 << true << false << QRect(10, 10, 5500, 5275);
    QTest::newRow("toolbar only") << 5520.0 << 5595.0 << false << true << QRect(10, 370, 5500, 5215);
    QTest::newRow("height rounds half to even")
        << 5520.0 << 5594.5 << false << false << QRect(10, 10, 5500, 5574);
    QTest::newRow("too small: no negative sizes") << 15.0 << 600.0 << true << true << QRect(10, 370, 0, 0);
    QTest::newRow("too large: 16-bit sizes")
        << 90000.0 << 5595.0 << false << false << QRect(10, 10, 32747, 5575);
}

void MainWindowTest::layoutArithmetic()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(bool, statusBar);
    QFETCH(bool, toolbar);
    QFETCH(QRect, expected);
    MainLayout::Input input{width, height, statusBar, 300.0, toolbar, 360.0, false};
    const std::optional<MainLayout::Rect> strip = MainLayout::tabStrip(input);
    QVERIFY(strip);
    QCOMPARE(QRect(strip->left, strip->top, strip->width, strip->height), expected);
    input.minimized = true;
    QVERIFY(!MainLayout::tabStrip(input));
}

void MainWindowTest::windowFrameAtStart()
{
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Starsiege Kadrillo"));
    const QRect inner = twipsGeometry(window_->centralWidget());
    QVERIFY2(qAbs(inner.width() - 5520) < 15 && qAbs(inner.height() - 5595) < 15,
             qPrintable(QStringLiteral("%1 x %2 twips").arg(inner.width()).arg(inner.height())));

    const auto* list = window_->findChild<QListWidget*>(QStringLiteral("lstList"));
    QVERIFY(list);
    QCOMPARE(list->count(), 0);
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(!list->isSortingEnabled());
    for (const char* name :
         {"cmdSelect", "cmdNone", "cmdPreview", "cmdExtract", "cmdPalette", "cmdConvert"}) {
        const auto* button = window_->findChild<QPushButton*>(QLatin1String(name));
        QVERIFY2(button && !button->isEnabled(), name);
    }
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("lblFiles"))->text(), QStringLiteral("######"));
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("lblSelected"))->text(), QStringLiteral("######"));

    // Every caption of the object area shows whole at its fixed size.
    for (const QLabel* label :
         window_->findChild<QWidget*>(QStringLiteral("Frame1"))->findChildren<QLabel*>()) {
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
    }
    const auto* tabs = window_->findChild<QWidget*>(QStringLiteral("TabStrip1"))->findChild<QTabBar*>();
    QCOMPARE(tabs->count(), 0);
    const auto* status = window_->findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
    QVERIFY(status->findChild<QLabel*>(QStringLiteral("StatusText"))->text().isEmpty());
    QVERIFY(!status->findChild<QLabel*>(QStringLiteral("StatusClock"))->text().isEmpty());
}

void MainWindowTest::tabStripFollowsTheWindowAndTheBars()
{
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    setInnerSizeTwips(5520, 5595);
    auto* strip = window_->findChild<QWidget*>(QStringLiteral("TabStrip1"));
    auto* frame = window_->findChild<QWidget*>(QStringLiteral("Frame1"));
    const auto closeTo = [this](const QRect& actual, const QRect& twips) {
        const QRect expected =
            Twips::toPixels(window_->centralWidget(), twips.x(), twips.y(), twips.width(), twips.height());
        return qAbs(actual.x() - expected.x()) <= 1 && qAbs(actual.y() - expected.y()) <= 1 &&
               qAbs(actual.width() - expected.width()) <= 1 && qAbs(actual.height() - expected.height()) <= 1;
    };
    QVERIFY(closeTo(strip->geometry(), QRect(10, 370, 5500, 4915)));
    QVERIFY(strip->geometry().contains(frame->geometry()));
    QVERIFY(frame->geometry().top() > strip->geometry().top());

    action("mnuToolbarsMain")->trigger();
    action("mnuViewStatusbar")->trigger();
    QVERIFY(closeTo(strip->geometry(), QRect(10, 10, 5500, 5575)));
    QVERIFY(window_->findChild<QToolBar*>(QStringLiteral("Toolbar1"))->isHidden());
    QVERIFY(window_->findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->isHidden());

    action("mnuToolbarsMain")->trigger();
    setInnerSizeTwips(7200, 6000);
    QVERIFY(closeTo(strip->geometry(), QRect(10, 370, 7180, 5620)));
    QVERIFY(strip->geometry().contains(frame->geometry()));
}

void MainWindowTest::minimizingLeavesTheLayoutAlone()
{
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    auto* strip = window_->findChild<QWidget*>(QStringLiteral("TabStrip1"));
    const QRect before = strip->geometry();
    window_->setWindowState(Qt::WindowMinimized);
    action("mnuViewStatusbar")->trigger();
    QCOMPARE(strip->geometry(), before);
}

void MainWindowTest::settingToggles()
{
    window_->Form_Load();
    const struct {
        const char* item;
        bool AppSettings::*setting;
    } toggles[] = {
        {"mnuPreviewAuto", &AppSettings::AutoPreview},    {"mnuPreviewResize", &AppSettings::ResizeToFit},
        {"mnuSearchSub", &AppSettings::SearchSubfolders}, {"mnuToolsList", &AppSettings::AutoList},
        {"munPaletteAuto", &AppSettings::AutoSelect},
    };
    for (const auto& toggle : toggles) {
        action(toggle.item)->trigger();
        QVERIFY2(!(state_.settings.*toggle.setting), toggle.item);
        QVERIFY(!action(toggle.item)->isChecked());
        action(toggle.item)->trigger();
        QVERIFY2(state_.settings.*toggle.setting, toggle.item);
    }
    action("munPaletteAuto")->trigger();
    QVERIFY(!action("mnuSearchSub")->isEnabled());
    action("munPaletteAuto")->trigger();
    QVERIFY(action("mnuSearchSub")->isEnabled());
}

void MainWindowTest::shortcuts()
{
    window_->Form_Load();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_A, Qt::ControlModifier);
    QVERIFY(!state_.settings.AutoPreview);
    QTest::keyClick(window_.get(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!state_.settings.ResizeToFit);

    QSignalSpy update(action("mnuToolsUpdate"), &QAction::triggered);
    QTest::keyClick(window_.get(), Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(update.count(), 0);
    QVERIFY(!action("mnuToolsUpdate")->isEnabled());
}

void MainWindowTest::toolbarButtons()
{
    const auto* toolbar = window_->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QVERIFY(toolbar);
    QStringList keys;
    for (const QAction* button : toolbar->actions()) {
        if (button->isSeparator()) {
            keys.append(QStringLiteral("|"));
            continue;
        }
        keys.append(button->data().toString());
        QVERIFY2(!button->icon().isNull(), qPrintable(keys.last()));
        QCOMPARE(button->isEnabled(), keys.last() == QLatin1String("Open"));
    }
    QCOMPARE(keys, (QStringList{"Open", "List", "Extract", "Preview", "|", "Update"}));
    QCOMPARE(window_->toolbarButton(QStringLiteral("list"))->toolTip(),
             QStringLiteral("Get List (Ctrl + L)"));
    QCOMPARE(window_->toolbarButton(QStringLiteral("Update"))->toolTip(),
             QStringLiteral("Update (Ctrl + U)"));
    QCOMPARE(window_->toolbarButton(QStringLiteral("Open"))->toolTip(), QStringLiteral("Open (Ctrl + O)"));
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
