#pragma once

#include "platform/MessageService.h"
#include "tests/support/TempProgramFolder.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

// Colours of the test design, each its own so that a mix-up shows.
namespace TestDesign {
inline const QColor font(255, 0, 0);
inline const QColor back(0, 0, 255);
inline const QColor entryFont(0, 128, 0);
inline const QColor entryBack(255, 255, 0);

// designs/test.asd with the colours above (0x00BBGGRR in the file).
inline QString write(const TempProgramFolder& folder)
{
    folder.writeLines("designs/test.asd", {"", "", "", "", "255", "16711680", "32768", "65535", "0", "0"});
    return QStringLiteral("designs\\test.asd");
}
} // namespace TestDesign

// Looks at the window while each message or input box is open, then lets
// the boxes installed before it (ScriptedMessages) answer.
class BoxProbe : public MessageService {
public:
    explicit BoxProbe(std::function<void()> look) : m_look(std::move(look)), m_next(&Messages::get()), m_scope(*this) {}
    MsgAnswer messageBox(const QString& text, MsgButtons buttons, const QString& title) override
    {
        m_look();
        return m_next->messageBox(text, buttons, title);
    }
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        m_look();
        return m_next->inputBox(prompt, title, defaultText);
    }
    std::optional<QString> passwordBox(const QString& prompt, const QString& title) override
    {
        m_look();
        return m_next->passwordBox(prompt, title);
    }

private:
    std::function<void()> m_look;
    MessageService* m_next;
    Messages::Scoped m_scope;
};

template <class W>
W* childOf(const QWidget& window, const char* name)
{
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

struct Placement {
    const char* name;
    QRect pixels;
};

// Every control at its place, in pixels of the window's inner area.
inline void expectPlacements(const QWidget& window, std::initializer_list<Placement> placements)
{
    for (const Placement& p : placements) {
        const QWidget* w = window.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->geometry(), p.pixels) << p.name;
    }
}

inline QColor roleOf(const QWidget* w, QPalette::ColorRole role) { return w->palette().color(role); }
