#include "CommandModule.h"

#include "TolvaneCli.h"

#include <QCoreApplication>

#include <iostream>

extern "C" __attribute__((visibility("default"))) int TolvaneCliCommands(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TTolvaneCli cli(QCoreApplication::applicationDirPath() + QLatin1Char('/'), std::cout,
                    std::cerr);
    return cli.Run(QCoreApplication::arguments().mid(1));
}
