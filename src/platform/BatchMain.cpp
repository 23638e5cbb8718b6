#include "platform/core/BatchInterpreter.h"
#include "platform/core/Catalogues.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const Catalogues catalogues{QLocale()};
    QTextStream errors(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        errors << BatchInterpreter::tr("usage: kadrillo-batch SCRIPT") << Qt::endl;
        return 2;
    }
    return BatchInterpreter(errors).run(arguments.at(1));
}
