#include "PictureArchive.h"

#include "PbmpPicture.h"
#include "SettleFixture.h"
#include "VolArchive.h"
#include "picture/core/PaletteCodec.h"

#include <QDir>
#include <QFile>
#include <QSettings>

using namespace Qt::StringLiterals;

PictureArchive::PictureArchive()
{
    std::vector<VolEntry> entries;
    for (int i = 0; i < pictureCount; ++i) {
        PbmpPicture picture(32, 32, i % 4);
        for (std::uint32_t p = 0; p < 32 * 32; ++p)
            picture.setPixel(p % 32, p / 32, static_cast<unsigned char>(p + unsigned(i)));
        const std::string name = "picture" + std::to_string(i) + ".bmp";
        entries.push_back({name, picture.encode()});
        names.append(QString::fromStdString(name));
    }
    std::string error;
    VolArchive::write(archive.toStdString(), entries, error);
    QDir().mkpath(palettes);
    Palette grey{};
    for (std::size_t i = 0; i < grey.size(); ++i)
        grey[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
    for (const char* name : {"base.pal", "1.pal", "2.pal", "3.pal"}) {
        QFile file(palettes + u'/' + QLatin1String(name));
        file.open(QIODevice::WriteOnly);
        file.write(PaletteCodec::encode(QByteArray(24, 'H'), grey));
    }
    QSettings settings(root.filePath(u"config/Kadrillo/Kadrillo.ini"_s), QSettings::IniFormat);
    settings.beginGroup(u"Settings"_s);
    settings.setValue(u"Extract Path"_s, QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"));
    settings.setValue(u"Vtlist Path"_s, QStringLiteral(KADRILLO_STANDIN_DIR "/vtlist.exe"));
    settings.setValue(u"Temp Path"_s, root.filePath(u"command-line-work"_s));
    settings.setValue(u"Palette Path"_s, palettes);
    settings.setValue(u"Default Palette"_s, palettes + u"/base.pal"_s);
    QDir().mkpath(work);
    QFile::copy(QStringLiteral(KADRILLO_STANDIN_DIR "/extract.exe"), work + u"/extract.exe"_s);
    settings.sync();
    settleFixture();
}

PictureArchive& PictureArchive::shared()
{
    static PictureArchive archive;
    return archive;
}
