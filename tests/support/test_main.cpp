#include "platform/gui/Application.h"

#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widgets are tested without a display; metrics stay reproducible.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own application object, so that an exception escaping a
    // handler in a test is reported like in the program.
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quordvd-tests"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
