#include "platform/ProgramFolder.h"
#include "platform/RandomSource.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quordvd"));

    MersenneRandomSource random;
    Random::install(&random);

    ProgramFolder::seedDefaults(QStringLiteral(":/defaults"));

    QTextStream(stdout) << "QuorDVD 4.2.0: the collection data layer is built; "
                           "the main window is not there yet.\n"
                        << "Program folder: " << ProgramFolder::path() << "\n";
    return 0;
}
