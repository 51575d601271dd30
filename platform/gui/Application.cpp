#include "platform/gui/Application.h"

#include "platform/MessageService.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

void Application::setNames()
{
    // The folder's name. No display name: Qt would append it to every
    // window's title ("QuorDVD 4.2 — QuorDVD").
    QCoreApplication::setApplicationName(QStringLiteral("quordvd"));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::logic_error& error) {
        // A programming error (a missing seam, say): going on would hide it.
        std::fprintf(stderr, "QuorDVD: programming error: %s\n", error.what());
        std::abort();
    } catch (const std::exception& error) {
        reportEscaped(error);
        return false;
    }
}

void Application::reportEscaped(const std::exception& error)
{
    const QString text = QStringLiteral("An unexpected error occurred; the last action was not completed.\n\n") +
                         QString::fromUtf8(error.what());
    if (Messages::installed())
        Messages::get().messageBox(text, MsgButtons::Ok, QStringLiteral("QuorDVD"));
    else
        qCritical("%s", qUtf8Printable(text));
}
