#pragma once

#include <QApplication>

#include <exception>

// The program's application object. An exception that slips out of an event
// handler anyway is caught here, the last place before Qt's event loop, and
// shown in a message box; the program goes on instead of ending with
// unsaved work. A logic error is a programming error and ends the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    // "quordvd" names the program folder; "QuorDVD" is what titles show.
    static void setNames();

    bool notify(QObject* receiver, QEvent* event) override;

    // The message box that names an escaped error.
    static void reportEscaped(const std::exception& error);
};
