#pragma once

#include "platform/Seam.h"

#include <QString>

#include <optional>

// YesNoCancel is for questions whose Cancel keeps everything as it was.
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Message boxes and the input box. Reached only through Seam<MessageService>.
class MessageService {
public:
    virtual ~MessageService() = default;

    // A box with the text, the buttons and a title ("" for the program's own title); no icon.
    virtual MsgAnswer messageBox(const QString& text, MsgButtons buttons, const QString& title = QString()) = 0;
    // A modal input dialog; Cancel answers "".
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // An input box whose entry is not shown as it is typed; Cancel, Escape
    // and closing the box answer nothing.
    virtual std::optional<QString> passwordBox(const QString& prompt, const QString& title) = 0;
};

using Messages = Seam<MessageService>;
