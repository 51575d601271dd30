#pragma once

#include <QString>
#include <stdexcept>

// The kinds of run-time failure that data classes report to the page actions.
enum class ErrorKind {
    FileNotFound,
    EndOfFile,
    Conversion,
    Overflow,
    Index,
    Capacity,
    InputOutput,
    Argument,
};

// The one exception family of the program: data classes throw it, the page
// action that started the work catches it and shows its own message.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorKind kind, const QString& message);

    ErrorKind kind() const { return m_kind; }
    // The kind's name, ": " and the detail.
    QString message() const { return QString::fromUtf8(what()); }
    // The text the error was made with, without the kind's name.
    const QString& detail() const { return m_detail; }

    static QString kindName(ErrorKind kind);

private:
    ErrorKind m_kind;
    QString m_detail;
};
