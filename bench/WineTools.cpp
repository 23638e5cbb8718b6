#include "WineTools.h"

#include "PictureArchive.h"
#include "SettleFixture.h"
#include "VolArchive.h"
#include "platform/core/ToolLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

int run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit ? process.exitCode()
                                                                                       : -1;
}

} // namespace

WineTools::WineTools()
    : wine(ToolLauncher::findWine())
{
#ifdef KADRILLO_STANDIN_WINDOWS_DIR
    if (wine.isEmpty()) {
        problem = u"no Wine"_s;
        return;
    }
    std::vector<VolEntry> entries;
    for (int i = 0; i < extractions; ++i) {
        const std::string name = "small" + std::to_string(i) + ".cs";
        entries.push_back({name, std::vector<unsigned char>(256, static_cast<unsigned char>(i))});
        names.append(QString::fromStdString(name));
    }
    std::string error;
    VolArchive::write(archive.toStdString(), entries, error);
    const QString tools = QStringLiteral(KADRILLO_STANDIN_WINDOWS_DIR);
    for (const QString& folder : {work, pictureWork}) {
        QDir().mkpath(folder);
        QFile::copy(tools + u"/extract.exe"_s, folder + u"/extract.exe"_s);
    }
    const PictureArchive& pictures = PictureArchive::shared();
    QSettings settings(config + u"/Kadrillo/Kadrillo.ini"_s, QSettings::IniFormat);
    settings.beginGroup(u"Settings"_s);
    settings.setValue(u"Extract Path"_s, QString(tools + u"/extract.exe"_s));
    settings.setValue(u"Vtlist Path"_s, QString(tools + u"/vtlist.exe"_s));
    settings.setValue(u"Temp Path"_s, root.filePath(u"command-line-work"_s));
    settings.setValue(u"Palette Path"_s, pictures.palettes);
    settings.setValue(u"Default Palette"_s, pictures.palettes + u"/base.pal"_s);
    QProcessEnvironment boot = environment();
    boot.remove(u"DISPLAY"_s);
    boot.insert(u"WINEDLLOVERRIDES"_s, u"mscoree,mshtml="_s);
    if (run(wine, {u"wineboot"_s, u"--init"_s}, boot) != 0 || server(u"-w"_s) != 0)
        problem = u"the Wine prefix was not made"_s;
    settings.sync();
    settleFixture();
#else
    problem = u"the Windows stand-ins are not built"_s;
#endif
}

WineTools::~WineTools()
{
    server(u"-k"_s);
}

WineTools& WineTools::shared()
{
    static WineTools made;
    return made;
}

QProcessEnvironment WineTools::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"WINEPREFIX"_s, prefix);
    environment.insert(u"WINEDEBUG"_s, u"-all"_s);
    return environment;
}

int WineTools::server(const QString& option) const
{
    if (wine.isEmpty())
        return -1;
    const QString folder = QFileInfo(QFileInfo(wine).canonicalFilePath()).absolutePath();
    for (const char* name : {"/wineserver64", "/wineserver"}) {
        if (QFileInfo(folder + QLatin1String(name)).isExecutable())
            return run(folder + QLatin1String(name), {option}, environment());
    }
    return -1;
}

bool WineTools::ready(benchmark::State& state) const
{
    if (!problem.isEmpty()) {
        state.SkipWithError(qPrintable(problem));
        return false;
    }
    server(u"-k"_s);
    return true;
}

void WineTools::startTheToolInAPlainLoop() const
{
    const QString out = root.filePath(u"plain"_s);
    QDir().mkpath(out);
    for (const QString& name : names) {
        QProcess tool;
        tool.setProcessEnvironment(environment());
        tool.start(wine, {work + u"/extract.exe"_s, archive, out + u'/' + name});
        tool.waitForFinished(-1);
    }
}

WineTools::InEnvironment::InEnvironment(const WineTools& tools)
    : wasSet_(qEnvironmentVariableIsSet("WINEPREFIX"))
    , userPrefix_(qgetenv("WINEPREFIX"))
{
    qputenv("WINEPREFIX", QFile::encodeName(tools.prefix));
}

WineTools::InEnvironment::~InEnvironment()
{
    if (wasSet_)
        qputenv("WINEPREFIX", userPrefix_);
    else
        qunsetenv("WINEPREFIX");
}
