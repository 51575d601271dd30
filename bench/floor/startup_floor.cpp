// The floor of the start-up benchmark: a Qt Widgets program in the program's
// style that loads the program's libraries, paints one label, reports its
// peak memory as the program does and ends.
#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

#include <sys/resource.h>

namespace {

class ReportFirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("first paint %ld\n", usage.ru_maxrss);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLabel label(QStringLiteral("Title"));
    ReportFirstPaint report;
    label.installEventFilter(&report);
    label.show();
    return app.exec();
}
