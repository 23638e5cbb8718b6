#include "VolArchive.h"
#include "WavTone.h"
#include "archive/core/ToolRunner.h"
#include "picture/core/PictureState.h"
#include "platform/ui/Twips.h"
#include "preview/core/SoundProgress.h"
#include "preview/ui/MediaControl.h"
#include "preview/ui/PreviewCommand.h"
#include "preview/ui/QtSoundPlayer.h"
#include "preview/ui/ScriptHighlighter.h"
#include "preview/ui/ScriptView.h"
#include "preview/ui/frmScript.h"
#include "preview/ui/frmSound.h"
#include "support/ScriptedFilePicker.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedSoundPlayer.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

// The sound and script windows, on files written where the preview command leaves them.
class PreviewsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void dispatchByKind();
    void soundProgress_data();
    void soundProgress();
    void soundWindow();
    void soundPlays();
    void scriptWindow();

private:
    QString work(const char* name) const { return runner_.workFolder().file(QLatin1String(name)); }
    void preview(const QString& name);

    TestEnvironment environment_;
    ToolRunner runner_;
    ScriptedMessageBoxes messages_;
    ScriptedFilePicker files_;
    QString archive_;
    QString palettePath_;
    bool addPpl_ = true;
    PictureState pictures_;
    QWidget owner_;
    PreviewCommand* command_ = nullptr;
    QPointer<ScriptedSoundPlayer> player_; // the sound window's
};

namespace {

std::vector<unsigned char> bytes(const QByteArray& data)
{
    return {data.begin(), data.end()};
}

std::vector<unsigned char> tone(double seconds)
{
    WavTone wav;
    wav.addTone(440, seconds);
    return wav.encode();
}

} // namespace

// One archive with two sounds, two scripts, a palette list and a name that is unsafe in a tool line.
void PreviewsTest::initTestCase()
{
    archive_ = environment_.path() + u"/kinds.vol"_s;
    std::string error;
    QVERIFY(VolArchive::write(archive_.toStdString(),
                              {{"TAUNT1.WAV", tone(0.2)},
                               {"Readme.CS", bytes("{\\rtf1\\ansi {\\b bold}}\r\n// caf\xe9 \x96 done\r\n")},
                               {"second.cs", bytes("echo(\"second\");")},
                               {"pal.ppl", bytes("PPL")},
                               {"run|me.cs", bytes("quit();")},
                               {"beep.wav", tone(0.5)}},
                              error));
    command_ = new PreviewCommand(
        pictures_, runner_, messages_, files_, {palettePath_, palettePath_, addPpl_},
        [] { return QString(); }, &owner_, [this] { return player_ = new ScriptedSoundPlayer; });
}

void PreviewsTest::init()
{
    runner_.setWorkFolder(WorkFolder(environment_.tempHome()));
    QDir().mkpath(environment_.tempHome());
    messages_.clear();
}

// Previews as the main window does, making a fresh working copy of the archive that the tool reads.
void PreviewsTest::preview(const QString& name)
{
    QFile::remove(runner_.workFolder().archiveCopy());
    command_->preview({archive_, name, {runner_.workFolder(), false, {}}, true});
}

// Which names are of which kind is tested on ObjectName::kindOf in tst_rules; the picture window's
// caption through the main window in tst_mainwindow.
void PreviewsTest::dispatchByKind()
{
    using Kind = ObjectName::Kind;
    QVERIFY(QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"), work("extract.exe")));
    QSignalSpy status(command_, &PreviewCommand::statusChanged);
    QSignalSpy shown(command_, &PreviewCommand::windowShown);
    // A script is shown as it is, from the game's code page: no rich text, nothing of the one before.
    preview(u"Readme.CS"_s);
    auto* script = qobject_cast<frmScript*>(command_->loadedWindow(Kind::Script));
    QVERIFY(script);
    QCOMPARE(script->windowTitle(), u"Preview Script (Readme.CS)"_s);
    QCOMPARE(script->rtfScript->toPlainText(), u"{\\rtf1\\ansi {\\b bold}}\n// café – done\n"_s);
    QVERIFY(script->rtfScript->isReadOnly());
    QVERIFY(script->rtfScript->font().fixedPitch() || QFontInfo(script->rtfScript->font()).fixedPitch());
    QCOMPARE(status.takeFirst().first().toString(), u"Previewing Readme.CS"_s);
    QCOMPARE(status.takeFirst().first().toString(), QString());
    preview(u"second.cs"_s);
    QCOMPARE(script->rtfScript->toPlainText(), u"echo(\"second\");"_s);
    // The text fills the window but for a margin of 10 twips, and is gone from a window smaller than that.
    script->resize(Twips::toPixels(script, 0, 0, 3000, 1500).size());
    QCOMPARE(script->rtfScript->geometry(), Twips::toPixels(script, 10, 10, 2980, 1480));
    QCOMPARE(frmScript::scriptBox(15, 2000), QRect(10, 10, 0, 1980));

    // The sound window lets go of the first sound before the tool replaces it, and opens the second,
    // shown or hidden.
    preview(u"TAUNT1.WAV"_s);
    QWidget* sound = command_->loadedWindow(Kind::Sound);
    QVERIFY(sound && player_);
    preview(u"beep.wav"_s);
    QCOMPARE(sound->windowTitle(), u"Preview Sound File (beep.wav)"_s);
    QCOMPARE(TestEnvironment::readFile(work("temp.wav")).size(), qsizetype(tone(0.5).size()));
    sound->hide();
    preview(u"TAUNT1.WAV"_s);
    QCOMPARE(player_->sources, (QStringList{work("temp.wav"), {}, work("temp.wav"), {}, work("temp.wav")}));
    QVERIFY(sound->isVisible() && command_->loadedWindow(Kind::Sound) == sound);

    // No window for a palette list; an unsafe name is refused before the tool runs.
    preview(u"pal.ppl"_s);
    preview(u"run|me.cs"_s);
    QCOMPARE(messages_.texts().size(), 1); // none for the ones before
    QVERIFY2(messages_.texts().first().startsWith(u"run|me.cs cannot be previewed: "_s),
             qPrintable(messages_.texts().first()));
    QVERIFY(!TestEnvironment::readFile(work("temp.cs")).contains("quit"));
    QCOMPARE(shown.count(), 5);
    QCOMPARE(status.count(), 2 * 6); // each preview clears its status again
}

void PreviewsTest::soundProgress_data()
{
    QTest::addColumn<qint64>("position");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<int>("percent");
    QTest::newRow("12.5 to the even 12") << qint64(1) << qint64(8) << 12;
    QTest::newRow("37.5 to the even 38") << qint64(3) << qint64(8) << 38;
    QTest::newRow("length 0") << qint64(1200) << qint64(0) << 0;
    QTest::newRow("past the end") << qint64(2050) << qint64(2000) << 100;
}

void PreviewsTest::soundProgress()
{
    QFETCH(qint64, position);
    QFETCH(qint64, length);
    QTEST(SoundProgress::percent(position, length), "percent");
}

// Driven through a scripted player, so nothing waits for real time: the bar follows the position,
// the end rewinds, and the window says, below the bar, why a sound cannot be played (the first
// reason of each try; play retries) or heard.
void PreviewsTest::soundWindow()
{
    TestEnvironment::writeFile(work("temp.wav"), "RIFF");
    auto* player = new ScriptedSoundPlayer;
    QPointer<frmSound> window = new frmSound(runner_, player);
    QSignalSpy unloaded(window.get(), &frmSound::unloaded);
    MediaControl* control = window->mmcPreview;
    const QSize design = window->size();
    window->show();
    window->Form_Activate(); // each activation opens, and the file open stays open
    player->reach(1500, 3000);
    QCOMPARE(window->pgbPreview->value(), 50);
    control->playButton->click();
    QVERIFY(!control->playButton->isEnabled());
    player->end();
    QCOMPARE(window->pgbPreview->value(), 0);
    QVERIFY(control->playButton->isEnabled() && window->lblProblem->isHidden());

    control->playButton->click();
    player->fail(u"not a sound"_s);
    player->fail(u"a second reason"_s);
    QCOMPARE(window->lblProblem->text(), u"Kadrillo cannot play "_s + work("temp.wav") + u": not a sound"_s);
    QVERIFY(window->lblProblem->isVisible() && window->height() > design.height());
    control->playButton->click();
    QVERIFY(!control->playButton->isEnabled() && window->lblProblem->isHidden());
    QCOMPARE(window->size(), design);
    player->setOutput(false);
    QCOMPARE(window->lblProblem->text(),
             u"This computer has no audio output device, so the sound cannot be heard."_s);
    player->setOutput(true);
    QVERIFY(window->lblProblem->isHidden());

    window->close();
    QCOMPARE(player->sources, (QStringList{work("temp.wav"), {}, work("temp.wav"), {}}));
    QCOMPARE(unloaded.count(), 1);
    QTRY_VERIFY(window.isNull());
}

// One real playback through the platform's player, bounded: a short sound loads, plays to its end
// and rewinds. Without an audio output device the window says so, and a player that then never
// reaches the end is skipped, visibly.
void PreviewsTest::soundPlays()
{
    const std::vector<unsigned char> wav = tone(0.3);
    TestEnvironment::writeFile(work("temp.wav"),
                               QByteArray(reinterpret_cast<const char*>(wav.data()), qsizetype(wav.size())));
    frmSound window(runner_, new QtSoundPlayer);
    MediaControl* control = window.mmcPreview;
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(control->length(), qint64(300), 10000);
    QCOMPARE(window.lblProblem->isVisible(), !control->hasOutput());
    QSignalSpy done(control, &MediaControl::done);
    control->playButton->click();
    if (done.isEmpty() && !done.wait(15000)) {
        if (!control->hasOutput())
            QSKIP("No audio output device, and the player did not play to the end within 15 s");
        QFAIL(qPrintable(u"The sound did not play to its end within 15 s; it stopped at %1 ms of %2"_s
                             .arg(control->position())
                             .arg(control->length())));
    }
    QTRY_COMPARE_WITH_TIMEOUT(control->position(), qint64(0), 5000);
    QCOMPARE(window.lblProblem->isVisible(), !control->hasOutput());
}

// Coloured from the event loop, a comment open across lines; Ctrl+F selects each match in turn, round
// the end and back, and counts them; Ctrl+G goes to a line; the caret selects by keyboard and copies.
void PreviewsTest::scriptWindow()
{
    TestEnvironment::writeFile(work("temp.cs"), "// first\r\nfunction echo(%a) {\r\n  /* two\r\n lines */ "
                                                "return \"Echo\" @ 42;\r\n}\r\necho(1);\r\n");
    frmScript window(runner_);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.loadFile(), QString());
    ScriptView* view = window.rtfScript;
    const QString text = view->toPlainText();
    QVERIFY(!window.highlighter->isDone());
    QTRY_VERIFY(window.highlighter->isDone());
    const QTextBlock fourth = view->document()->findBlockByNumber(3);
    QStringList coloured;
    for (const QTextLayout::FormatRange& range : fourth.layout()->formats())
        coloured.append(fourth.text().mid(range.start, range.length));
    QCOMPARE(coloured, (QStringList{" lines */", "return", "\"Echo\"", "42"}));
    QVERIFY(fourth.layout()->formats().first().format.fontItalic());

    auto* find = window.findChild<QLineEdit*>(u"txtFind"_s);
    auto* count = window.findChild<QLabel*>(u"lblMatches"_s);
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(find->isVisible() && find->hasFocus());
    QTest::keyClicks(find, u"echo"_s);
    const auto selected = [view] {
        return view->textCursor().selectionStart();
    };
    const qsizetype first = text.indexOf(u"echo"_s);
    const qsizetype second = text.indexOf(u"Echo"_s);
    const qsizetype third = text.lastIndexOf(u"echo"_s);
    QCOMPARE(selected(), first);
    QCOMPARE(count->text(), u"1 of 3"_s);
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(selected(), second);
    QCOMPARE(view->textCursor().selectedText(), u"Echo"_s);
    QTest::keyClick(&window, Qt::Key_F3);
    QCOMPARE(selected(), third);
    QCOMPARE(count->text(), u"3 of 3"_s);
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(selected(), first);
    QTest::keyClick(&window, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(selected(), third);
    QTest::keyClick(find, Qt::Key_X);
    QCOMPARE(count->text(), u"No matches"_s);
    QVERIFY(!view->textCursor().hasSelection());
    QTest::keyClick(find, Qt::Key_Escape);
    QVERIFY(!find->isVisible() && view->hasFocus());

    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    QTest::keyClicks(window.findChild<QLineEdit*>(u"txtLine"_s), u"5"_s);
    QTest::keyClick(window.findChild<QLineEdit*>(u"txtLine"_s), Qt::Key_Return);
    QCOMPARE(view->textCursor().blockNumber(), 4);
    QVERIFY(view->hasFocus());
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), u"echo(1);"_s);
    QCOMPARE(view->toPlainText(), text);
}

// The command's windows outlive it: like the main window at exit, the owner closes them.
void PreviewsTest::cleanupTestCase()
{
    using Kind = ObjectName::Kind;
    for (const Kind kind : {Kind::Picture, Kind::Sound, Kind::Script, Kind::PaletteList})
        if (QWidget* window = command_->loadedWindow(kind))
            window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(PreviewsTest)
#include "tst_previews.moc"
