#include "platform/RuntimeError.h"

RuntimeError::RuntimeError(ErrorKind kind, const QString& message)
    : std::runtime_error((kindName(kind) + QStringLiteral(": ") + message).toStdString()), m_kind(kind),
      m_detail(message)
{
}

QString RuntimeError::kindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::FileNotFound: return QStringLiteral("file not found");
    case ErrorKind::EndOfFile: return QStringLiteral("end of file");
    case ErrorKind::Conversion: return QStringLiteral("conversion error");
    case ErrorKind::Overflow: return QStringLiteral("overflow");
    case ErrorKind::Index: return QStringLiteral("index out of range");
    case ErrorKind::Capacity: return QStringLiteral("capacity exceeded");
    case ErrorKind::InputOutput: return QStringLiteral("input/output error");
    case ErrorKind::Argument: return QStringLiteral("invalid argument");
    }
    return QStringLiteral("error");
}
