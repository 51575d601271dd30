#include "mainwindow/titlepages/PageMB.h"

#include "controls/ucEntry.h"
#include "controls/ucOption.h"
#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/StyleTexts.h"
#include "data/clsDefaultTextfileHandler.h"
#include "data/clsPathFunctions.h"
#include "host/PageAction.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageLayout.h"
#include "host/PageControls.h"
#include "platform/MessageService.h"
#include "platform/RuntimeError.h"

#include <QHash>
#include <QPushButton>
#include <QStringList>

#include <vector>

#include <optional>

using PageControls::make;

namespace {

constexpr int kEntryHeight = 25;

// An empty find text is in every non-empty value and in no empty one.
bool contains(const QString& value, const QString& find)
{
    return !value.isEmpty() && value.contains(find, Qt::CaseInsensitive);
}

// The pattern with %1, %2, ... replaced by the texts in one pass: a text the
// user typed keeps a "%2" of its own, and a language file that leaves out a
// number gives no other text its place.
QString fill(const QString& pattern, const QStringList& texts)
{
    QString out;
    out.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size()) {
            const int k = pattern[i + 1].digitValue();
            if (k >= 1 && k <= texts.size()) {
                out += texts[k - 1];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace

PageMB::PageMB(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    using namespace PageControls;
    QWidget* area = host.clientArea();
    m_ucEntryMBFind = make<ucEntry>(area, "ucEntryMBFind");
    m_ucEntryMBReplace = make<ucEntry>(area, "ucEntryMBReplace");
    for (ucEntry* e : {m_ucEntryMBFind, m_ucEntryMBReplace})
        e->resize(e->width(), kEntryHeight);
    m_ucOptionMBModus = make<ucOption>(area, "ucOptionMBModus");
    m_ucOptionMBOrt = make<ucOption>(area, "ucOptionMBOrt");
    m_btMB = makeButton(area, "btMB");
    connect(m_btMB, &QPushButton::clicked, this, &PageMB::btMB_Click);
}

void PageMB::ShowMB()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ucEntryMBFind, m_ucEntryMBReplace, m_ucOptionMBModus,
                                                      m_ucOptionMBOrt, m_btMB})
        w->show();
}

void PageMB::HideMB()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ucEntryMBFind, m_ucEntryMBReplace, m_ucOptionMBModus,
                                                      m_ucOptionMBOrt, m_btMB})
        w->hide();
}

void PageMB::SetDesignMB()
{
    const clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    const clsTranslation& style = m_host.session().StyleTexts();
    m_ucEntryMBFind->SetDesign(style.MultiWord(StyleText::Find), 1, 120, 5, design, false);
    m_ucEntryMBReplace->SetDesign(style.MultiWord(StyleText::ReplaceWith), 1, 120, 5, design, false);
    m_ucOptionMBModus->SetDesign(3, 0, 5, QString(), o.ColorFont(), o.ColorBG());
    m_ucOptionMBOrt->SetDesign(10, 0, 5, QString(), o.ColorFont(), o.ColorBG());
    static const int kPlaces[] = {StyleText::PlaceLongTexts, StyleText::PlaceFilmTitle, StyleText::PlaceGenre,
                                  StyleText::PlaceCountryYear, StyleText::PlaceActors, StyleText::PlaceDirector,
                                  StyleText::PlaceFormat, StyleText::PlaceFreeField, StyleText::CoverPath,
                                  StyleText::TrailerPath};
    for (int k = 0; k < 10; ++k)
        m_ucOptionMBOrt->SetCaption(static_cast<std::int16_t>(k + 1), style.MultiWord(kPlaces[k]));
    static const int kModes[] = {StyleText::Set, StyleText::Replace, StyleText::SetWhereFound};
    for (int k = 0; k < 3; ++k)
        m_ucOptionMBModus->SetCaption(static_cast<std::int16_t>(k + 1), style.MultiWord(kModes[k]));
    m_btMB->setText(style.MultiWord(StyleText::ChangeNow));
}

void PageMB::SetSizes(int W, int)
{
    PageLayout l(m_host.FormFunctions(), W);
    for (QWidget* w : std::initializer_list<QWidget*>{m_ucEntryMBFind, m_ucEntryMBReplace, m_ucOptionMBModus,
                                                      m_ucOptionMBOrt, m_btMB}) {
        PageLayout::setWidth(w, W - 60);
        l.centre(w);
    }
    for (ucOption* o : {m_ucOptionMBModus, m_ucOptionMBOrt})
        PageLayout::setHeight(o, o->ListSize() * o->OptionFieldHeight());
    l.start(100);
    l.row(m_ucOptionMBOrt, m_ucOptionMBOrt->height() + 10);
    l.row(m_ucOptionMBModus, m_ucOptionMBModus->height() + 10);
    l.row(m_ucEntryMBFind, m_ucEntryMBFind->height());
    l.row(m_ucEntryMBReplace, m_ucEntryMBReplace->height() + 10);
    l.row(m_btMB, m_btMB->height());
}

void PageMB::btMB_Click()
{
    const std::int16_t mode = m_ucOptionMBModus->Selected();
    const QString find = m_ucEntryMBFind->value();
    const QString replace = m_ucEntryMBReplace->value();
    const std::int16_t place = m_ucOptionMBOrt->Selected();
    const clsTranslation& box = m_host.session().BoxTexts();
    if (Messages::get().messageBox(question(place, mode, find, replace), MsgButtons::YesNo,
                                   box.MultiWord(BoxText::ConfirmTitle)) != MsgAnswer::Yes)
        return;
    using L = clsDatentraegerList;
    std::vector<int> fields;
    switch (place) {
    case 1: {
        if (const std::optional<int> changed = massChangeLongTexts(replace, find, mode))
            m_host.StatusMsg(MessageText::TitlesChanged, u' ' + QString::number(*changed));
        return;
    }
    case 2: fields = {L::FieldFilmname}; break;
    case 3: fields = {L::FieldGenre}; break;
    case 4: fields = {L::FieldLandJahr}; break;
    case 5: fields = {L::FieldSchauspieler1, L::FieldSchauspieler2, L::FieldSchauspieler3, L::FieldSchauspieler4,
                      L::FieldSchauspieler5};
        break;
    case 6: fields = {L::FieldRegie}; break;
    case 7: fields = {L::FieldFormat}; break;
    case 8: fields = {L::FieldSonstiges}; break;
    case 9: fields = {L::FieldBildpfad}; break;
    case 10: fields = {L::FieldTrailerpfad}; break;
    default: return;
    }
    // A title counts once, however many of its actors changed. A failed
    // save has shown its message, which stays.
    QSet<int> changed;
    bool saved = true;
    for (int field : fields)
        saved = MassChangeField(static_cast<std::int16_t>(field), replace, find, mode, &changed) && saved;
    if (saved)
        m_host.StatusMsg(MessageText::TitlesChanged, u' ' + QString::number(changed.size()));
}

QString PageMB::question(std::int16_t place, std::int16_t mode, const QString& find, const QString& replace) const
{
    const clsTranslation& box = m_host.session().BoxTexts();
    if (place < 1 || place > 10 || mode < 1 || mode > 3)
        return box.MultiWord(BoxText::AskChangeAll);
    const QString what = box.MultiWord(BoxText::ChangedLongText + place - 1);
    const QString titles = QString::number(m_host.session().DVDListe().getListSize());
    const auto quoted = [&box](const QString& text) { return fill(box.MultiWord(BoxText::Quoted), {text}); };
    const QString to = replace.isEmpty() ? box.MultiWord(BoxText::AnEmptyText) : quoted(replace);
    switch (mode) {
    case 1: return fill(box.MultiWord(BoxText::AskSetAll), {what, titles, to});
    case 2:
        // A long text has every occurrence replaced, a field its first.
        return fill(box.MultiWord(place == 1 ? BoxText::AskReplaceEveryInAll : BoxText::AskReplaceFirstInAll),
                    {what, titles, quoted(find), to});
    default:
        if (find.isEmpty())
            return fill(box.MultiWord(BoxText::AskSetAllNotEmpty), {what, titles, to});
        return fill(box.MultiWord(BoxText::AskSetAllWhereFound), {what, titles, quoted(find), to});
    }
}

std::optional<int> PageMB::massChangeLongTexts(const QString& replace, const QString& find, std::int16_t mode)
{
    const clsDatentraegerList& list = m_host.session().DVDListe();
    // Titles whose covers share a name share one long text: it changes once,
    // and each of them counts as changed.
    QHash<QString, bool> done;
    int changedTitles = 0;
    // The first failure is told; the other texts are still changed.
    std::optional<QString> failure;
    const auto fail = [&](const RuntimeError& e) {
        if (!failure)
            failure = e.detail();
    };
    for (int i = 1; i <= list.getListSize(); ++i) {
        const QString path = list.getDataString(i, clsDatentraegerList::FieldZusatztextPfad);
        if (const auto it = done.constFind(path); it != done.cend()) {
            changedTitles += it.value() ? 1 : 0;
            continue;
        }
        bool& changed = done[path];
        changed = false;
        if (!clsPathFunctions::checkIfFileExists(path, 0))
            continue;
        QString text;
        if (!runAction([&] { text = clsDefaultTextfileHandler::ReadTxtFile(path, false); }, fail))
            continue;
        QString newText = text;
        switch (mode) {
        case 1: newText = replace; break;
        case 2:
            if (!find.isEmpty())
                newText.replace(find, replace, Qt::CaseInsensitive);
            break;
        case 3:
            if (!contains(text, find))
                continue;
            newText = replace;
            break;
        default: continue;
        }
        if (!runAction([&] { clsDefaultTextfileHandler::writeTextFile(path, newText); }, fail))
            continue;
        // Changed is what the file now reads other than before.
        QString now;
        if (!runAction([&] { now = clsDefaultTextfileHandler::ReadTxtFile(path, false); }, fail))
            continue;
        changed = now != text;
        changedTitles += changed ? 1 : 0;
    }
    if (failure) {
        m_host.StatusMsg(MessageText::Failed, causeSuffix(*failure));
        return std::nullopt;
    }
    return changedTitles;
}

bool PageMB::MassChangeField(std::int16_t field, const QString& replace, const QString& find, std::int16_t mode,
                             QSet<int>* changed)
{
    QSet<int> changedHere;
    const bool saved = runAction(m_host, MessageText::ChangeNotSaved, [&] {
        m_host.session().changeCollection([&](clsDatentraegerList& list) {
            for (int i = 1; i <= list.getListSize(); ++i) {
                const QString value = list.getDataString(i, field);
                QString newValue = value;
                switch (mode) {
                case 1: newValue = replace; break;
                case 2: {
                    if (find.isEmpty())
                        break;
                    const qsizetype pos = value.indexOf(find, 0, Qt::CaseInsensitive);
                    if (pos >= 0)
                        newValue.replace(pos, find.size(), replace);
                    break;
                }
                case 3:
                    if (contains(value, find))
                        newValue = replace;
                    break;
                default: break;
                }
                if (newValue == value)
                    continue;
                list.setDVDString(i, newValue, field);
                changedHere.insert(i);
            }
        });
    });
    if (!saved)
        return false;
    if (changed)
        changed->unite(changedHere);
    return true;
}
