#include "WavTone.h"
#include "archive/ToolRunner.h"
#include "preview/MediaControl.h"
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
    void init();
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
};

void PreviewsTest::init()
{
    runner_.setWorkFolder(WorkFolder(environment_.tempHome()));
    QDir().mkpath(environment_.tempHome());
    messages_.clear();
}

void PreviewsTest::soundProgress_data()
{
    QTest::addColumn<qint64>("position");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<int>("percent");
    QTest::newRow("half way") << qint64(1500) << qint64(3000) << 50;
    QTest::newRow("12.5 to the even 12") << qint64(1) << qint64(8) << 12;
    QTest::newRow("37.5 to the even 38") << qint64(3) << qint64(8) << 38;
    QTest::newRow("62.5 to the even 62") << qint64(5) << qint64(8) << 62;
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
    QTRY_COMPARE_WITH_TIMEOUT(control->length(), qint64(2000), 10000);
    QCOMPARE(window->pgbPreview->value(), 0);

    int highest = 0;
    connect(window->pgbPreview, &QProgressBar::valueChanged, this,
            [&highest](int value) { highest = std::max(highest, value); });
    QVERIFY(control->playButton->isEnabled());
    control->playButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(control->pauseButton->isEnabled(), 10000);
    // Playing ends back at the start, ready to play again.
    QTRY_COMPARE_WITH_TIMEOUT(highest, 100, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(control->position(), qint64(0), 10000);
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
    QTRY_COMPARE_WITH_TIMEOUT(messages_.shown().size(), 1, 10000);
    QVERIFY2(messages_.texts().first().contains(QLatin1String("temp.wav")),
             qPrintable(messages_.texts().first()));
    // Closing lets go of the file without a second message.
    window.mmcPreview->close();
    QVERIFY(!window.mmcPreview->isOpen());
    QCOMPARE(messages_.shown().size(), 1);
}

QTEST_MAIN(PreviewsTest)
#include "tst_previews.moc"
