#include "archive/core/ToolCommands.h"

#include "archive/core/ObjectName.h"

#include <QDir>

namespace ToolCommands {

ToolCall listing(const WorkFolder& work)
{
    return {work.listTool(),
            {QStringLiteral("*.*"), QLatin1String(WorkFolder::archiveCopyName)},
            work.listing(),
            false,
            work.path()};
}

ToolCall extractTo(const WorkFolder& work, const QString& objectName, const QString& outputFile)
{
    return {work.extractTool(),
            {QLatin1String(WorkFolder::archiveCopyName), objectName, outputFile},
            {},
            false,
            work.path()};
}

ToolCall extraction(const WorkFolder& work, const QString& target)
{
    return {work.extractTool(), {work.archiveCopy(), target}, {}, false, work.path()};
}

QString toolLine(const ToolCall& call)
{
    const QDir folder(call.folder);
    QStringList words{QDir::toNativeSeparators(folder.relativeFilePath(call.program))};
    for (const QString& argument : call.arguments)
        words.append(ObjectName::forToolLine(argument));
    QString line = words.join(QLatin1Char(' '));
    if (!call.outputFile.isEmpty())
        line += (call.appendOutput ? QStringLiteral(" >>") : QStringLiteral(" >")) +
                QDir::toNativeSeparators(folder.relativeFilePath(call.outputFile));
    return line;
}

QByteArray scriptText(const ToolCall& call)
{
    const QString text = QStringLiteral("@echo off\r\nc:\r\ncd ") + call.folder + QStringLiteral("\r\n") +
                         toolLine(call) + QStringLiteral("\r\nexit\r\n");
    return text.toLocal8Bit();
}

} // namespace ToolCommands
