#include "mainwindow/titlepages/PageZusatztext.h"

#include "controls/ucText.h"
#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "data/clsDefaultTextfileHandler.h"
#include "data/clsPathFunctions.h"
#include "host/PageAction.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageLayout.h"
#include "host/PageControls.h"
#include "platform/MessageService.h"

#include <QFile>
#include <QPushButton>

#include <optional>

PageZusatztext::PageZusatztext(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    using namespace PageControls;
    QWidget* area = host.clientArea();
    m_ucTextZusatztextBearbeitung = make<ucText>(area, "ucTextZusatztextBearbeitung");
    m_btZusatztextSpeichern = makeButton(area, "btZusatztextSpeichern");
    m_btZusatztextLoeschen = makeButton(area, "btZusatztextLoeschen");
    connect(m_btZusatztextSpeichern, &QPushButton::clicked, this, &PageZusatztext::btZusatztextSpeichern_Click);
    connect(m_btZusatztextLoeschen, &QPushButton::clicked, this, &PageZusatztext::btZusatztextLoeschen_Click);
}

QString PageZusatztext::templatePath() { return ProgramFiles::longTextTemplate(); }

void PageZusatztext::ShowZusatztext(bool standard)
{
    m_ucTextZusatztextBearbeitung->show();
    m_btZusatztextSpeichern->show();
    QString path = templatePath();
    m_target = path;
    if (!standard) {
        m_btZusatztextLoeschen->show();
        m_target = m_host.session().AktuelleDVD().GetZusatztextPfad();
        if (clsPathFunctions::checkIfFileExists(m_target, 0))
            path = m_target;
    }
    const std::optional<QString> kept = m_unsaved.take(m_target);
    QString text;
    if (kept)
        text = *kept;
    else
        runAction(m_host, MessageText::FileUnusable, [&] { text = clsDefaultTextfileHandler::ReadTxtFile(path, false); });
    m_ucTextZusatztextBearbeitung->setText(text);
    m_ucTextZusatztextBearbeitung->setChanged(kept.has_value());
}

void PageZusatztext::HideZusatztext()
{
    if (m_ucTextZusatztextBearbeitung->Changed() && m_ucTextZusatztextBearbeitung->isVisible())
        m_unsaved.offerOnLeaving(m_host, m_target, m_ucTextZusatztextBearbeitung->text(), writer());
    m_ucTextZusatztextBearbeitung->hide();
    m_btZusatztextSpeichern->hide();
    m_btZusatztextLoeschen->hide();
}

bool PageZusatztext::queryClose()
{
    // A hidden editor was asked when it was left; it holds texts only when their save failed then.
    if (!m_ucTextZusatztextBearbeitung->isHidden() && m_ucTextZusatztextBearbeitung->Changed() &&
        !UnsavedTexts::askOnClosing(m_host, [this] { saveShown(); }))
        return false;
    return m_unsaved.queryClose(m_host, writer());
}

UnsavedTexts::Writer PageZusatztext::writer()
{
    return [this](const QString& path, const QString& text) {
        clsDefaultTextfileHandler::writeTextFile(path, text);
        m_host.StatusMsg(MessageText::Saved);
    };
}

void PageZusatztext::saveShown()
{
    writer()(m_target, m_ucTextZusatztextBearbeitung->text());
    m_ucTextZusatztextBearbeitung->setChanged(false);
}

void PageZusatztext::btZusatztextSpeichern_Click()
{
    // A failed save leaves the text marked as changed.
    runAction(m_host, MessageText::Failed, [this] { saveShown(); });
}

void PageZusatztext::btZusatztextLoeschen_Click()
{
    const clsTranslation& box = m_host.session().BoxTexts();
    if (Messages::get().messageBox(box.MultiWord(BoxText::AskDelete), MsgButtons::YesNo, box.MultiWord(BoxText::ConfirmTitle)) != MsgAnswer::Yes)
        return;
    // A title without a long text has nothing to remove; the template still comes in.
    if (QFile file(m_target); file.exists() && !file.remove()) {
        m_host.StatusMsg(MessageText::DeleteFailed,
                         causeSuffix(QStringLiteral("cannot remove %1: %2").arg(m_target, file.errorString())));
        return;
    }
    QString text;
    runAction(m_host, MessageText::FileUnusable, [&] { text = clsDefaultTextfileHandler::ReadTxtFile(templatePath(), true); });
    // A text that differs from the one shown marks the editor as changed.
    m_ucTextZusatztextBearbeitung->setText(text);
    m_host.StatusMsg(MessageText::Removed);
}

void PageZusatztext::SetDesignZusatztext()
{
    const clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    const clsTranslation& style = m_host.session().StyleTexts();
    ucText* t = m_ucTextZusatztextBearbeitung;
    t->SetDesign(style.MultiWord(StyleText::LongTextBox), 2, 10, design,
                 t->Labelwidth(), t->Locked(), t->BorderStyle());
    m_btZusatztextLoeschen->setText(style.MultiWord(StyleText::DeleteLongText));
    m_btZusatztextSpeichern->setText(style.MultiWord(StyleText::SaveLongText));
}

void PageZusatztext::SetSizes(int W, int H)
{
    PageLayout l(m_host.FormFunctions(), W);
    ucText* t = m_ucTextZusatztextBearbeitung;
    PageLayout::setWidth(t, W - 60);
    l.centre(t);
    PageLayout::setHeight(t, H - 150);
    PageLayout::setWidth(m_btZusatztextSpeichern, W / 2 - 30);
    PageLayout::setWidth(m_btZusatztextLoeschen, W / 2 - 30);
    PageLayout::setLeft(m_btZusatztextSpeichern, l.left(m_btZusatztextSpeichern->width(), 1, 2, 30));
    PageLayout::setLeft(m_btZusatztextLoeschen, m_btZusatztextSpeichern->x() + m_btZusatztextSpeichern->width());
    l.start(30);
    l.row(t, t->height() + 5);
    l.sameRow(m_btZusatztextSpeichern);
    l.row(m_btZusatztextLoeschen, m_btZusatztextLoeschen->height());
}
