#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

// The core libraries' tests: no window system, no widgets. A core class that
// needed a QGuiApplication would fail here.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quordvd-tests"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
