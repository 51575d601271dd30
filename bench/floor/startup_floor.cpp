// The floor of the start-up benchmark: a Qt Widgets program in the program's
// style that loads the program's libraries, paints one label, reports its
// peak memory as the program does and ends.
#include "platform/gui/FirstPaintReport.h"

#include <QApplication>
#include <QLabel>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLabel label(QStringLiteral("Title"));
    new FirstPaintReport(&label, 0);
    label.show();
    return app.exec();
}
