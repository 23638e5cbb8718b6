#include "archive/core/ObjectName.h"

#include <QCoreApplication>

namespace ObjectName {

Kind kindOf(const QString& name)
{
    const QString key = name.right(3).toLower();
    if (key == QLatin1String("bmp"))
        return Kind::Picture;
    if (key == QLatin1String("wav"))
        return Kind::Sound;
    if (key == QLatin1String(".cs"))
        return Kind::Script;
    if (key == QLatin1String("ppl"))
        return Kind::PaletteList;
    return Kind::Other;
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Picture:
        return QCoreApplication::translate("ObjectName", "Picture");
    case Kind::Sound:
        return QCoreApplication::translate("ObjectName", "Sound");
    case Kind::Script:
        return QCoreApplication::translate("ObjectName", "Script");
    case Kind::PaletteList:
        return QCoreApplication::translate("ObjectName", "Palette list");
    case Kind::Other:
        break;
    }
    return QCoreApplication::translate("ObjectName", "Other");
}

bool isScriptText(const QString& name)
{
    return name.endsWith(QLatin1String(".cs"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

QString refusal(const QString& name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("ObjectName", "it is empty");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QCoreApplication::translate("ObjectName", "it names a folder, not a file");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QCoreApplication::translate("ObjectName", "it holds a control character");
        if (QStringLiteral("\"%/\\:*?<>|").contains(c))
            return QCoreApplication::translate("ObjectName", "it holds the character %1").arg(c);
    }
    return {};
}

QString forToolLine(const QString& name)
{
    for (const QChar c : name) {
        if (QStringLiteral(" &^();,=!\t").contains(c))
            return QLatin1Char('"') + name + QLatin1Char('"');
    }
    return name;
}

} // namespace ObjectName
