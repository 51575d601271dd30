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

#include <QPushButton>
#include <QSet>

#include <optional>

using PageControls::make;

namespace {

constexpr int kEntryHeight = 25;

// An empty find text is in every non-empty value and in no empty one.
bool contains(const QString& value, const QString& find)
{
    return !value.isEmpty() && value.contains(find, Qt::CaseInsensitive);
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
    const clsTranslation& box = m_host.session().BoxTexts();
    if (Messages::get().messageBox(box.MultiWord(BoxText::AskChangeAll), MsgButtons::YesNo, box.MultiWord(BoxText::ConfirmTitle)) != MsgAnswer::Yes)
        return;
    const std::int16_t mode = m_ucOptionMBModus->Selected();
    const QString find = m_ucEntryMBFind->value();
    const QString replace = m_ucEntryMBReplace->value();
    const std::int16_t place = m_ucOptionMBOrt->Selected();
    using L = clsDatentraegerList;
    switch (place) {
    case 1: massChangeLongTexts(replace, find, mode); break;
    case 2: MassChangeField(L::FieldFilmname, replace, find, mode); break;
    case 3: MassChangeField(L::FieldGenre, replace, find, mode); break;
    case 4: MassChangeField(L::FieldLandJahr, replace, find, mode); break;
    case 5:
        for (int f = L::FieldSchauspieler1; f <= L::FieldSchauspieler5; ++f)
            MassChangeField(static_cast<std::int16_t>(f), replace, find, mode);
        break;
    case 6: MassChangeField(L::FieldRegie, replace, find, mode); break;
    case 7: MassChangeField(L::FieldFormat, replace, find, mode); break;
    case 8: MassChangeField(L::FieldSonstiges, replace, find, mode); break;
    case 9: MassChangeField(L::FieldBildpfad, replace, find, mode); break;
    case 10: MassChangeField(L::FieldTrailerpfad, replace, find, mode); break;
    default: break;
    }
}

void PageMB::massChangeLongTexts(const QString& replace, const QString& find, std::int16_t mode)
{
    const clsDatentraegerList& list = m_host.session().DVDListe();
    // Titles whose covers share a name share one long text: it changes once.
    QSet<QString> done;
    // The first failure is told; the other texts are still changed.
    std::optional<QString> failure;
    const auto fail = [&](const RuntimeError& e) {
        if (!failure)
            failure = e.detail();
    };
    for (int i = 1; i <= list.getListSize(); ++i) {
        const QString path = list.getDataString(i, clsDatentraegerList::FieldZusatztextPfad);
        if (done.contains(path))
            continue;
        done.insert(path);
        if (!clsPathFunctions::checkIfFileExists(path, 0))
            continue;
        QString text;
        if (!runAction([&] { text = clsDefaultTextfileHandler::ReadTxtFile(path, false); }, fail))
            continue;
        switch (mode) {
        case 1: text = replace; break;
        case 2:
            if (!find.isEmpty())
                text.replace(find, replace, Qt::CaseInsensitive);
            break;
        case 3:
            if (!contains(text, find))
                continue;
            text = replace;
            break;
        default: continue;
        }
        runAction([&] { clsDefaultTextfileHandler::writeTextFile(path, text); }, fail);
    }
    if (failure)
        m_host.StatusMsg(MessageText::Failed, causeSuffix(*failure));
}

bool PageMB::MassChangeField(std::int16_t field, const QString& replace, const QString& find, std::int16_t mode)
{
    const bool changed = runAction(m_host, MessageText::ChangeNotSaved, [&] {
        m_host.session().changeCollection([&](clsDatentraegerList& list) {
            for (int i = 1; i <= list.getListSize(); ++i) {
                switch (mode) {
                case 1: list.setDVDString(i, replace, field); break;
                case 2: {
                    if (find.isEmpty())
                        break;
                    QString value = list.getDataString(i, field);
                    const qsizetype pos = value.indexOf(find, 0, Qt::CaseInsensitive);
                    if (pos >= 0)
                        list.setDVDString(i, value.replace(pos, find.size(), replace), field);
                    break;
                }
                case 3:
                    if (contains(list.getDataString(i, field), find))
                        list.setDVDString(i, replace, field);
                    break;
                default: break;
                }
            }
        });
    });
    if (!changed)
        return false;
    m_host.StatusMsg(MessageText::ChangesSaved);
    return true;
}
