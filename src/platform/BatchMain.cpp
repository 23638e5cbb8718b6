#include "platform/core/BatchInterpreter.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        errors << "usage: kadrillo-batch SCRIPT" << Qt::endl;
        return 2;
    }
    return BatchInterpreter(errors).run(arguments.at(1));
}
