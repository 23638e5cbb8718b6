#include "app/AppSettings.h"
#include "platform/SettingsStore.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QSettings>
#include <QTest>

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void textToBool_data();
    void textToBool();
    void roundTripThroughIniFile();
    void storedTextsFallBackToDefaults();
    void missingStoreGivesDefaults();
    void defaultsFollowThePlatformFolders();

private:
    TestEnvironment environment_;
};

void SettingsTest::textToBool_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // 1 yes, 0 no, -1 unreadable
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("false lower") << "false" << 0;
    QTest::newRow("TRUE upper") << "TRUE" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("other number") << "7" << 1;
    QTest::newRow("fraction") << "0.5" << 1;
    QTest::newRow("blanks around") << "  False " << 0;
    QTest::newRow("garbage") << "yes please" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("not a number") << "nan" << -1;
}

void SettingsTest::textToBool()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> flag = AppSettings::textToBool(text);
    QCOMPARE(flag.has_value() ? int(*flag) : -1, expected);
}

void SettingsTest::roundTripThroughIniFile()
{
    const QString file = environment_.path() + QStringLiteral("/roundtrip.ini");
    AppSettings written = AppSettings::defaults();
    written.ExtractPath = QStringLiteral("/games/Star siege/extract.exe");
    written.TempPath = QStringLiteral("/tmp/work, with a comma");
    written.DestPath = QStringLiteral("C:\\Out\\Dir");
    written.AddPpl = false;
    written.AutoPreview = false;
    written.SearchSubfolders = false;
    {
        SettingsStore store(file);
        written.save(store);
        QVERIFY(store.flush());
    }

    QSettings raw(file, QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("Settings"));
    QCOMPARE(raw.childKeys().size(), 12);
    QCOMPARE(raw.value(QStringLiteral("Auto Preview")).toString(), QStringLiteral("False"));
    QCOMPARE(raw.value(QStringLiteral("Auto List")).toString(), QStringLiteral("True"));

    const AppSettings read = AppSettings::load(SettingsStore(file));
    QCOMPARE(read.ExtractPath, written.ExtractPath);
    QCOMPARE(read.TempPath, written.TempPath);
    QCOMPARE(read.DestPath, written.DestPath);
    QCOMPARE(read.DefaultPalette, written.DefaultPalette);
    QCOMPARE(read.AddPpl, false);
    QCOMPARE(read.AutoPreview, false);
    QCOMPARE(read.SearchSubfolders, false);
    QCOMPARE(read.AutoList, true);
    QCOMPARE(read.ResizeToFit, true);
}

void SettingsTest::storedTextsFallBackToDefaults()
{
    const QString file = environment_.path() + QStringLiteral("/handmade.ini");
    TestEnvironment::writeFile(file, "[Settings]\n"
                                     "Auto%20Preview=0\n"
                                     "Auto%20List=-1\n"
                                     "Auto%20Select=banana\n"
                                     "Resize%20to%20Fit=false\n"
                                     "Search%20Subfolders=\n"
                                     "Palette%20Path=a,b\n");
    const AppSettings read = AppSettings::load(SettingsStore(file));
    QCOMPARE(read.AutoPreview, false);
    QCOMPARE(read.AutoList, true);
    QCOMPARE(read.AutoSelect, true); // garbage: default
    QCOMPARE(read.ResizeToFit, false);
    QCOMPARE(read.SearchSubfolders, true); // empty: default
    QCOMPARE(read.PalettePath, QStringLiteral("a,b"));
    QCOMPARE(read.ExtractPath, AppSettings::defaults().ExtractPath);
}

void SettingsTest::missingStoreGivesDefaults()
{
    const QString file = environment_.path() + QStringLiteral("/never/written.ini");
    const AppSettings read = AppSettings::load(SettingsStore(file));
    const AppSettings defaults = AppSettings::defaults();
    QCOMPARE(read.ExtractPath, defaults.ExtractPath);
    QCOMPARE(read.TempPath, defaults.TempPath);
    QVERIFY(read.AddPpl && read.AutoList && read.AutoSelect && read.ResizeToFit && read.SearchSubfolders &&
            read.AutoPreview);
    QVERIFY(!QFile::exists(file));
}

void SettingsTest::defaultsFollowThePlatformFolders()
{
    const AppSettings defaults = AppSettings::defaults();
    const QString data = environment_.dataHome() + QStringLiteral("/Kadrillo/data");
    QCOMPARE(defaults.DestPath, data);
    QCOMPARE(defaults.PalettePath, data);
    QCOMPARE(defaults.DefaultPalette, data + QStringLiteral("/base.pal"));
    QVERIFY(defaults.TempPath.startsWith(environment_.tempHome() + QStringLiteral("/kadrillo-")));
    QCOMPARE(defaults.ExtractPath,
             environment_.path() + QStringLiteral("/wine/drive_c/Dynamix/Starsiege/extract.exe"));
}

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
