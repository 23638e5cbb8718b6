#include "platform/core/Catalogues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

Catalogues::Catalogues(const QLocale& locale)
{
    if (own_.load(locale, QStringLiteral("kadrillo"), QStringLiteral("_"), folder()))
        QCoreApplication::installTranslator(&own_);
    // Qt's standard buttons and dialogs; only beside a catalogue of our own, so no window mixes two
    // languages.
    if (translated() && qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

Catalogues::~Catalogues()
{
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&own_);
}

QString Catalogues::folder()
{
    // kadrillo lies in bin/, kadrillo-batch one folder deeper in libexec/kadrillo/.
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString below = QStringLiteral("/share/kadrillo/translations");
    const QString beside = QDir::cleanPath(programs.filePath(QStringLiteral("..") + below));
    const QString deeper = QDir::cleanPath(programs.filePath(QStringLiteral("../..") + below));
    return QFileInfo::exists(beside) || !QFileInfo::exists(deeper) ? beside : deeper;
}
