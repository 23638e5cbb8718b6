#include "platform/core/Catalogues.h"

#include <QCoreApplication>
#include <QDir>
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
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/kadrillo/translations"));
}
