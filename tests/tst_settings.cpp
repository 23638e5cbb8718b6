#include "app/AppSettings.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void textToBool_data();
    void textToBool();
    void everySettingSurvivesTheIniFile();
    void unreadableOrMissingValuesGiveTheDefaults();
    void defaultsFollowThePlatformFolders();

private:
    TestEnvironment environment_;
};

namespace {

QStringList fields(const AppSettings& s)
{
    QStringList flags;
    for (const bool flag :
         {s.AddPpl, s.AutoList, s.AutoSelect, s.ResizeToFit, s.SearchSubfolders, s.AutoPreview})
        flags.append(flag ? u"yes"_s : u"no"_s);
    const QString format = s.Export.format == PictureExport::Format::Png ? u"png"_s : u"bmp"_s;
    return QStringList{s.ExtractPath, s.VtlistPath, s.TempPath, s.DestPath, s.DefaultPalette, s.PalettePath} +
           flags + QStringList{format, QString::number(s.Export.transparentIndex.value_or(-1))};
}

} // namespace

void SettingsTest::textToBool_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // 1 yes, 0 no, -1 unreadable
    QTest::newRow("True") << u"True"_s << 1;
    QTest::newRow("false lower") << u"false"_s << 0;
    QTest::newRow("TRUE upper") << u"TRUE"_s << 1;
    QTest::newRow("zero") << u"0"_s << 0;
    QTest::newRow("minus one") << u"-1"_s << 1;
    QTest::newRow("fraction") << u"0.5"_s << 1;
    QTest::newRow("blanks around") << u"  False "_s << 0;
    QTest::newRow("garbage") << u"yes please"_s << -1;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("not a number") << u"nan"_s << -1;
}

void SettingsTest::textToBool()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> flag = AppSettings::textToBool(text);
    QCOMPARE(flag.has_value() ? int(*flag) : -1, expected);
}

// Each field a value of its own and each flag both ways, so that two keys swapped or a flag written
// as a constant would show.
void SettingsTest::everySettingSurvivesTheIniFile()
{
    const QString file = environment_.path() + u"/roundtrip.ini"_s;
    AppSettings written;
    written.ExtractPath = u"/games/Star siege/extract.exe"_s;
    written.VtlistPath = u"/games/vtlist.exe"_s;
    written.TempPath = u"/tmp/work, with a comma"_s;
    written.DestPath = u"C:\\Out\\Dir"_s;
    written.DefaultPalette = u"/p/base.pal"_s;
    written.PalettePath = u"/p"_s;
    for (const bool flag : {false, true}) {
        written.AddPpl = written.AutoSelect = written.SearchSubfolders = flag;
        written.AutoList = written.ResizeToFit = written.AutoPreview = !flag;
        written.Export = flag ? PictureExport{PictureExport::Format::Png, 0} : PictureExport{};
        {
            SettingsStore store(file);
            written.save(store);
            QVERIFY(store.flush());
        }
        QCOMPARE(fields(AppSettings::load(SettingsStore(file))), fields(written));
    }
    QSettings raw(file, QSettings::IniFormat);
    raw.beginGroup(u"Settings"_s);
    QCOMPARE(raw.childKeys().size(), 12);
    QCOMPARE(raw.value(u"Add Ppl"_s).toString(), u"True"_s);
    QCOMPARE(raw.value(u"Auto List"_s).toString(), u"False"_s);
    raw.endGroup();
    QCOMPARE(raw.value(u"Export/Format"_s).toString(), u"PNG"_s);
}

void SettingsTest::unreadableOrMissingValuesGiveTheDefaults()
{
    const QString file = environment_.path() + u"/handmade.ini"_s;
    TestEnvironment::writeFile(file, "[Settings]\nAuto%20Preview=0\nAuto%20List=-1\nAuto%20Select=banana\n"
                                     "Resize%20to%20Fit=false\nSearch%20Subfolders=\nPalette%20Path=a,b\n"
                                     "[Export]\nFormat=png\nTransparent%20Index=256\n");
    AppSettings expected = AppSettings::defaults();
    expected.AutoPreview = expected.ResizeToFit = false;
    expected.PalettePath = u"a,b"_s;
    expected.Export.format = PictureExport::Format::Png;
    QCOMPARE(fields(AppSettings::load(SettingsStore(file))), fields(expected));

    const QString missing = environment_.path() + u"/never/written.ini"_s;
    QCOMPARE(fields(AppSettings::load(SettingsStore(missing))), fields(AppSettings::defaults()));
    QVERIFY(!QFile::exists(missing));
}

void SettingsTest::defaultsFollowThePlatformFolders()
{
    const AppSettings defaults = AppSettings::defaults();
    const QString data = environment_.dataHome() + u"/Kadrillo/data"_s;
    QCOMPARE(defaults.DestPath, data);
    QCOMPARE(defaults.PalettePath, data);
    QCOMPARE(defaults.DefaultPalette, data + u"/base.pal"_s);
    QVERIFY(defaults.TempPath.startsWith(environment_.tempHome() + u"/kadrillo-"_s));
    QCOMPARE(defaults.ExtractPath, environment_.path() + u"/wine/drive_c/Dynamix/Starsiege/extract.exe"_s);
    QVERIFY(!fields(defaults).contains(QString()));
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
