#include "VolArchive.h"
#include "WavTone.h"
#include "archive/ToolRunner.h"
#include "picture/PictureState.h"
#include "preview/MediaControl.h"
#include "preview/PreviewCommand.h"
#include "preview/SoundProgress.h"
#include "preview/frmScript.h"
#include "preview/frmSound.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestEnvironment.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
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

private:
    QString work(const char* name) const { return runner_.workFolder().file(QLatin1String(name)); }
    void preview(const QString& name);

    TestEnvironment environment_;
    ToolRunner runner_;
    ScriptedMessageBoxes messages_;
    QString archive_;
    QString palettePath_;
    bool addPpl_ = true;
    PictureState pictures_;
    QWidget owner_;
    PreviewCommand* command_ = nullptr;
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
        pictures_, runner_, messages_, {palettePath_, palettePath_, addPpl_}, [] { return QString(); },
        &owner_);
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

// Each kind's caption is checked through the main window in tst_objectlist; which names are of which
// kind, on ObjectName::kindOf in tst_rules.
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
    QCOMPARE(script->rtfScript->toPlainText(), u"{\\rtf1\\ansi {\\b bold}}\n// café – done\n"_s);
    QVERIFY(script->rtfScript->isReadOnly());
    QVERIFY(script->rtfScript->font().fixedPitch() || QFontInfo(script->rtfScript->font()).fixedPitch());
    QCOMPARE(status.takeFirst().first().toString(), u"Previewing Readme.CS"_s);
    QCOMPARE(status.takeFirst().first().toString(), QString());
    preview(u"second.cs"_s);
    QCOMPARE(script->rtfScript->toPlainText(), u"echo(\"second\");"_s);

    preview(u"TAUNT1.WAV"_s);
    QWidget* sound = command_->loadedWindow(Kind::Sound);
    QVERIFY(sound);
    auto* control = sound->findChild<MediaControl*>();
    QTRY_COMPARE_WITH_TIMEOUT(control->length(), qint64(200), 30000);
    // The sound window lets go of the first sound and opens the second, shown or hidden.
    preview(u"beep.wav"_s);
    QTRY_COMPARE_WITH_TIMEOUT(control->length(), qint64(500), 30000);
    QCOMPARE(sound->windowTitle(), u"Preview Sound File (beep.wav)"_s);
    sound->hide();
    preview(u"TAUNT1.WAV"_s);
    QTRY_COMPARE_WITH_TIMEOUT(control->length(), qint64(200), 30000);
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

// A sound that cannot be played is said once; a good one then plays to its end and rewinds.
void PreviewsTest::soundWindow()
{
    TestEnvironment::writeFile(work("temp.wav"), "RIFF but not a sound at all");
    QPointer<frmSound> window = new frmSound(runner_, messages_);
    QSignalSpy unloaded(window.get(), &frmSound::unloaded);
    MediaControl* control = window->mmcPreview;
    window->show();
    QTRY_COMPARE_WITH_TIMEOUT(messages_.shown().size(), 1, 30000);
    QVERIFY2(messages_.texts().first().contains(QLatin1String("temp.wav")),
             qPrintable(messages_.texts().first()));
    control->close();
    QVERIFY(!control->isOpen());

    const std::vector<unsigned char> wav = tone(2.0);
    TestEnvironment::writeFile(work("temp.wav"),
                               QByteArray(reinterpret_cast<const char*>(wav.data()), qsizetype(wav.size())));
    window->Form_Activate();
    QTRY_COMPARE_WITH_TIMEOUT(control->length(), qint64(2000), 30000);
    int highest = 0;
    connect(window->pgbPreview, &QProgressBar::valueChanged, this,
            [&highest](int value) { highest = std::max(highest, value); });
    control->playButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(control->pauseButton->isEnabled(), 30000);
    QTRY_COMPARE_WITH_TIMEOUT(highest, 100, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(control->position(), qint64(0), 30000);
    QCOMPARE(window->pgbPreview->value(), 0);
    QCOMPARE(messages_.shown().size(), 1); // closing let go of the bad file without a second message

    window->close();
    QCOMPARE(unloaded.count(), 1);
    QTRY_VERIFY(window.isNull());
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
