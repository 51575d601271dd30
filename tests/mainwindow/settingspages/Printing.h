#pragma once

#include <QString>
#include <ostream>

// Test failures show texts as text.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
