#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class PageHost;

// Texts of an editor page whose save failed as the page was left, each tied to
// the file it was edited for. A kept text comes back when its page opens for
// that file again, and closing the program asks about each one still kept.
class UnsavedTexts {
public:
    // Writes text to path; a RuntimeError that names the cause when the file
    // could not be written.
    using Writer = std::function<void(const QString& path, const QString& text)>;

    // Leaving a page with a changed text: asks whether to save it (Yes, No).
    // A save that fails shows message 19 with its cause and keeps the text
    // for path.
    void offerOnLeaving(PageHost& host, const QString& path, const QString& text, const Writer& write);

    // The text kept for path, handed back and no longer kept.
    std::optional<QString> take(const QString& path);
    bool isEmpty() const { return m_texts.empty(); }

    // Closing the program: asks about each kept text in turn (Yes, No,
    // Cancel). False keeps the program open; the text asked about and those
    // after it stay kept.
    bool queryClose(PageHost& host, const Writer& write);

    // The closing question about one unsaved text; Yes runs save, and a save
    // that fails shows message 19 with its cause. True when the program may
    // close.
    static bool askOnClosing(PageHost& host, const std::function<void()>& save);

private:
    struct Kept {
        QString path;
        QString text;
    };
    std::vector<Kept> m_texts;
};
