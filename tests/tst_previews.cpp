#include "VolArchive.h"
#include "WavTone.h"
#include "archive/ToolRunner.h"
#include "picture/PictureState.h"
#include "preview/MediaControl.h"
#include "preview/PreviewCommand.h"
#include "preview/SoundProgress.h"
#include "preview/frmScript.h"
#include "preview/frmSound.h"
#include "support/PictureFiles.h"
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
    void dispatchByKind_data();
    void dispatchByKind();
    void soundProgress_data();
    void soundProgress();
    void scriptBox();
    void scriptShownLiterally();
    void soundPlaysToItsEndAndRewinds();
    void soundThatCannotBePlayedIsReported();

private:
    QString work(const char* name) const { return runner_.workFolder().file(QLatin1String(name)); }

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

// One archive with an object of every kind, two sounds and a name that is unsafe in a tool line.
void PreviewsTest::initTestCase()
{
    const QByteArray picture = PictureFiles::pbmp(4, 2, QByteArray(8, '\3'), 0);
    archive_ = environment_.path() + u"/kinds.vol"_s;
    std::string error;
    QVERIFY(VolArchive::write(archive_.toStdString(),
                              {{"TAUNT1.WAV", tone(0.2)},
                               {"Readme.CS", bytes("echo(\"hello\");\r\n")},
                               {"SKY.Bmp", bytes(picture)},
                               {"pal.ppl", bytes("PPL")},
                               {"run|me.cs", bytes("quit();")},
                               {"beep.wav", tone(0.5)}},
                              error));
    TestEnvironment::writeFile(environment_.dataHome() + u"/Kadrillo/base.pal"_s,
                               PictureFiles::pal(PictureFiles::ramp(1)));
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

void PreviewsTest::dispatchByKind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("caption");
    const int none = -1;
    QTest::newRow("sound") << u"TAUNT1.WAV"_s << int(ObjectName::Kind::Sound)
                           << u"Preview Sound File (TAUNT1.WAV)"_s;
    QTest::newRow("script") << u"Readme.CS"_s << int(ObjectName::Kind::Script)
                            << u"Preview Script (Readme.CS)"_s;
    QTest::newRow("picture") << u"SKY.Bmp"_s << int(ObjectName::Kind::Picture) << u"Preview (SKY.Bmp)"_s;
    // Which names are of which kind is tested on ObjectName::kindOf in tst_rules.
    QTest::newRow("palette list") << u"pal.ppl"_s << none << QString();
    // Refused before the tool runs: the caption slot holds the message.
    QTest::newRow("unsafe name") << u"run|me.cs"_s << none << u"run|me.cs cannot be previewed: "_s;
    // The sound window lets go of the first sound and opens the second.
    QTest::newRow("second sound") << u"beep.wav"_s << int(ObjectName::Kind::Sound)
                                  << u"Preview Sound File (beep.wav)"_s;
    QTest::newRow("third sound, window hidden")
        << u"TAUNT1.WAV"_s << int(ObjectName::Kind::Sound) << u"Preview Sound File (TAUNT1.WAV)"_s;
}

void PreviewsTest::dispatchByKind()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, caption);
    const WorkFolder& work = runner_.workFolder();
    QFile::remove(work.extractTool());
    QVERIFY(QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"), work.extractTool()));
    QFile::remove(work.archiveCopy());
    QSignalSpy status(command_, &PreviewCommand::statusChanged);
    QSignalSpy shown(command_, &PreviewCommand::windowShown);

    command_->preview({archive_, name, {work, false, {}}, true});

    QCOMPARE(TestEnvironment::readFile(work.archiveCopy()), TestEnvironment::readFile(archive_));
    QCOMPARE(status.count(), 2);
    QCOMPARE(status.first().first().toString(), u"Previewing "_s + name);
    QCOMPARE(status.last().first().toString(), QString());
    QCOMPARE(shown.count(), kind < 0 ? 0 : 1);
    if (kind < 0 && !caption.isEmpty()) {
        QCOMPARE(messages_.shown().size(), 1);
        QVERIFY2(messages_.texts().first().startsWith(caption), qPrintable(messages_.texts().first()));
        QVERIFY(!TestEnvironment::readFile(work.script()).contains("quit")); // nothing was extracted
        messages_.clear();
        return;
    }
    QVERIFY2(messages_.shown().isEmpty(), qPrintable(messages_.texts().join(u'\n')));
    if (kind < 0)
        return;
    QWidget* window = command_->loadedWindow(ObjectName::Kind(kind));
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle(), caption);
    if (kind == int(ObjectName::Kind::Sound)) {
        auto* control = window->findChild<MediaControl*>();
        QTRY_COMPARE_WITH_TIMEOUT(control->length(), name == u"beep.wav"_s ? qint64(500) : qint64(200),
                                  30000);
    }
    if (kind == int(ObjectName::Kind::Script))
        QCOMPARE(window->findChild<QPlainTextEdit*>()->toPlainText(), u"echo(\"hello\");\n"_s);
    // The sound window stays up for the second sound, and is hidden, still loaded, for the third.
    if (QLatin1String(QTest::currentDataTag()) != "sound")
        window->hide();
}

void PreviewsTest::soundProgress_data()
{
    QTest::addColumn<qint64>("position");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<int>("percent");
    QTest::newRow("half way") << qint64(1500) << qint64(3000) << 50;
    QTest::newRow("12.5 to the even 12") << qint64(1) << qint64(8) << 12;
    QTest::newRow("37.5 to the even 38") << qint64(3) << qint64(8) << 38;
    QTest::newRow("just past a half") << qint64(1001) << qint64(8000) << 13;
    QTest::newRow("length 0") << qint64(1200) << qint64(0) << 0;
    QTest::newRow("length not known") << qint64(0) << qint64(-1) << 0;
    QTest::newRow("at the end") << qint64(2000) << qint64(2000) << 100;
    QTest::newRow("past the end") << qint64(2050) << qint64(2000) << 100;
}

void PreviewsTest::soundProgress()
{
    QFETCH(qint64, position);
    QFETCH(qint64, length);
    QTEST(SoundProgress::percent(position, length), "percent");
}

void PreviewsTest::scriptBox()
{
    QCOMPARE(frmScript::scriptBox(2000, 1500), QRect(10, 10, 1980, 1480));
    QCOMPARE(frmScript::scriptBox(15, 0), QRect(10, 10, 0, 0));
}

void PreviewsTest::scriptShownLiterally()
{
    frmScript window(runner_);
    QFile::remove(work("temp.cs"));
    QVERIFY(!window.loadFile().isEmpty()); // no "temp.cs" yet

    TestEnvironment::writeFile(work("temp.cs"), "{\\rtf1\\ansi {\\b bold}}\r\n// caf\xe9 \x96 done\r\n");
    QVERIFY(window.loadFile().isEmpty());
    QCOMPARE(window.rtfScript->toPlainText(), u"{\\rtf1\\ansi {\\b bold}}\n// café – done\n"_s);
    QVERIFY(window.rtfScript->isReadOnly());
    QVERIFY(window.rtfScript->font().fixedPitch() || QFontInfo(window.rtfScript->font()).fixedPitch());

    TestEnvironment::writeFile(work("temp.cs"), "echo(\"second\");");
    QVERIFY(window.loadFile().isEmpty());
    QCOMPARE(window.rtfScript->toPlainText(), u"echo(\"second\");"_s);
}

void PreviewsTest::soundPlaysToItsEndAndRewinds()
{
    WavTone tone;
    tone.addTone(440, 1.0);
    tone.addTone(660, 1.0);
    const std::vector<unsigned char> wav = tone.encode();
    TestEnvironment::writeFile(work("temp.wav"),
                               QByteArray(reinterpret_cast<const char*>(wav.data()), qsizetype(wav.size())));

    QPointer<frmSound> window = new frmSound(runner_, messages_);
    QSignalSpy unloaded(window.get(), &frmSound::unloaded);
    MediaControl* control = window->mmcPreview;
    window->show();
    QCOMPARE(control->fileName(), work("temp.wav"));
    QVERIFY(control->isOpen());
    QTRY_COMPARE_WITH_TIMEOUT(control->length(), qint64(2000), 30000);
    QCOMPARE(window->pgbPreview->value(), 0);

    int highest = 0;
    connect(window->pgbPreview, &QProgressBar::valueChanged, this,
            [&highest](int value) { highest = std::max(highest, value); });
    control->playButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(control->pauseButton->isEnabled(), 30000);
    // Playing ends back at the start, ready to play again.
    QTRY_COMPARE_WITH_TIMEOUT(highest, 100, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(control->position(), qint64(0), 30000);
    QCOMPARE(window->pgbPreview->value(), 0);
    QVERIFY(messages_.shown().isEmpty());

    window->close();
    QCOMPARE(unloaded.count(), 1);
    QTRY_VERIFY(window.isNull());
}

void PreviewsTest::soundThatCannotBePlayedIsReported()
{
    TestEnvironment::writeFile(work("temp.wav"), "RIFF but not a sound at all");
    frmSound window(runner_, messages_);
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(messages_.shown().size(), 1, 30000);
    QVERIFY2(messages_.texts().first().contains(QLatin1String("temp.wav")),
             qPrintable(messages_.texts().first()));
    // Closing lets go of the file without a second message.
    window.mmcPreview->close();
    QVERIFY(!window.mmcPreview->isOpen());
    QCOMPARE(messages_.shown().size(), 1);
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
