#include "mainwindow/titlepages/UnsavedTexts.h"

#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "host/PageAction.h"
#include "host/PageHost.h"
#include "platform/MessageService.h"
#include "session/Session.h"

#include <algorithm>

namespace {

constexpr int kSaveQuestion = BoxText::AskSaveChanges;
constexpr int kConfirmTitle = BoxText::ConfirmTitle;
constexpr int kNotSaved = MessageText::Failed;

} // namespace

void UnsavedTexts::offerOnLeaving(PageHost& host, const QString& path, const QString& text, const Writer& write)
{
    const clsTranslation& box = host.session().BoxTexts();
    if (Messages::get().messageBox(box.MultiWord(kSaveQuestion), MsgButtons::YesNo, box.MultiWord(kConfirmTitle)) !=
            MsgAnswer::Yes ||
        runAction(host, kNotSaved, [&] { write(path, text); }))
        return;
    take(path); // a text kept earlier for the same file is older than this one
    m_texts.push_back({path, text});
}

std::optional<QString> UnsavedTexts::take(const QString& path)
{
    const auto it = std::find_if(m_texts.begin(), m_texts.end(), [&](const Kept& k) { return k.path == path; });
    if (it == m_texts.end())
        return std::nullopt;
    QString text = std::move(it->text);
    m_texts.erase(it);
    return text;
}

bool UnsavedTexts::queryClose(PageHost& host, const Writer& write)
{
    while (!m_texts.empty()) {
        const Kept& first = m_texts.front();
        if (!askOnClosing(host, [&] { write(first.path, first.text); }))
            return false;
        m_texts.erase(m_texts.begin());
    }
    return true;
}

bool UnsavedTexts::askOnClosing(PageHost& host, const std::function<void()>& save)
{
    const clsTranslation& box = host.session().BoxTexts();
    switch (Messages::get().messageBox(box.MultiWord(kSaveQuestion), MsgButtons::YesNoCancel,
                                       box.MultiWord(kConfirmTitle))) {
    case MsgAnswer::Yes: return runAction(host, kNotSaved, save);
    case MsgAnswer::No: return true;
    default: return false;
    }
}
