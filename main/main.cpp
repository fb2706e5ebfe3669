#include "main/CommandLine.h"
#include "main/Console.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kestrom"));
    kestrom::StdConsole console;
    return kestrom::CommandLine::run(QCoreApplication::arguments().mid(1), console);
}
