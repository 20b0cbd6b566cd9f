// tolvane-cli: the rhyming dictionary's lookups on the command line.
#include "TolvaneCli.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TTolvaneCli cli(QCoreApplication::applicationDirPath() + QLatin1Char('/'), std::cout,
                    std::cerr);
    return cli.Run(QCoreApplication::arguments().mid(1));
}
