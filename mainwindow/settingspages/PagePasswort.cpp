#include "mainwindow/settingspages/PagePasswort.h"

#include "controls/ucEntry.h"
#include "data/MessageTexts.h"
#include "data/StyleTexts.h"
#include "host/PageAction.h"
#include "host/PageControls.h"
#include "host/PageHost.h"
#include "host/PageLayout.h"
#include "session/Session.h"

#include <QPushButton>

using PageControls::make;

namespace {

constexpr int kEntryHeight = 25;

// Status messages of the page beside the usual ones.
constexpr int kMsgSaveFailed = MessageText::ChangeNotSaved;
constexpr int kMsgNotStorable = MessageText::PasswordTooLong;
constexpr int kMsgWrongPassword = MessageText::WrongPassword;

} // namespace

PagePasswort::PagePasswort(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    using namespace PageControls;
    QWidget* area = host.clientArea();
    m_ucEntryPwOld = make<ucEntry>(area, "ucEntryPwOld");
    m_ucEntryPwNew = make<ucEntry>(area, "ucEntryPwNew");
    m_ucEntryPwNew2 = make<ucEntry>(area, "ucEntryPwNew2");
    for (ucEntry* e : {m_ucEntryPwOld, m_ucEntryPwNew, m_ucEntryPwNew2})
        e->resize(e->width(), kEntryHeight);
    m_btPwChange = makeButton(area, "btPwChange");
    m_btPwDelete = makeButton(area, "btPwDelete");
    connect(m_btPwChange, &QPushButton::clicked, this, &PagePasswort::btPwChange_Click);
    connect(m_btPwDelete, &QPushButton::clicked, this, &PagePasswort::btPwDelete_Click);
}

QList<QWidget*> PagePasswort::allControls() const
{
    return {m_ucEntryPwOld, m_ucEntryPwNew, m_ucEntryPwNew2, m_btPwChange, m_btPwDelete};
}

void PagePasswort::ShowPasswort()
{
    // The entries keep what they held.
    for (QWidget* w : allControls())
        w->show();
}

void PagePasswort::HidePasswort()
{
    for (QWidget* w : allControls())
        w->hide();
}

void PagePasswort::SetDesignPasswort()
{
    const Design design = m_host.session().Options().GetDesign();
    const clsTranslation& style = m_host.session().StyleTexts();
    m_ucEntryPwOld->SetDesign(style.MultiWord(StyleText::CurrentPassword), 1, 250, 5, design, false);
    m_ucEntryPwNew->SetDesign(style.MultiWord(StyleText::NewPassword), 1, 250, 5, design, false);
    m_ucEntryPwNew2->SetDesign(style.MultiWord(StyleText::RepeatNewPassword), 1, 250, 5, design, false);
    m_btPwChange->setText(style.MultiWord(StyleText::ChangePassword));
    m_btPwDelete->setText(style.MultiWord(StyleText::DeletePassword));
}

void PagePasswort::SetSizes(int W, int)
{
    PageLayout l(m_host.FormFunctions(), W);
    for (QWidget* w : allControls()) {
        PageLayout::setWidth(w, W - 200);
        l.centre(w);
    }
    l.start(200);
    l.row(m_ucEntryPwOld, m_ucEntryPwOld->height() + 10);
    l.row(m_ucEntryPwNew, m_ucEntryPwNew->height());
    l.row(m_ucEntryPwNew2, m_ucEntryPwNew2->height() + 10);
    l.row(m_btPwChange, m_btPwChange->height());
    l.row(m_btPwDelete, m_btPwDelete->height() + 10);
}

bool PagePasswort::storePassword(const QString& password)
{
    clsPasswordFunctions& pw = m_host.session().PasswordFunctions();
    const QString old = pw.GetPassword();
    pw.SetPassword(password);
    const bool saved = runAction(m_host, kMsgSaveFailed, [this] { m_host.session().SavePassword(); });
    if (!saved)
        pw.SetPassword(old);
    return saved;
}

void PagePasswort::btPwChange_Click()
{
    const QString current = m_host.session().PasswordFunctions().GetPassword();
    if (m_ucEntryPwOld->value() != current) {
        m_host.StatusMsg(kMsgWrongPassword);
        return;
    }
    const QString password = m_ucEntryPwNew->value();
    if (m_ucEntryPwNew2->value() != password) {
        m_host.StatusMsg(MessageText::PasswordsDiffer);
        return;
    }
    // The file gives back nothing longer, nor commas or blanks: such a
    // password would lock the user out at the next start.
    if (!clsPasswordFunctions::isStorable(password)) {
        m_host.StatusMsg(kMsgNotStorable);
        return;
    }
    if (storePassword(password))
        m_host.StatusMsg(MessageText::ChangesSaved);
}

void PagePasswort::btPwDelete_Click()
{
    if (m_ucEntryPwOld->value() != m_host.session().PasswordFunctions().GetPassword()) {
        m_host.StatusMsg(kMsgWrongPassword);
        return;
    }
    if (storePassword(QString()))
        m_host.StatusMsg(MessageText::Removed);
}
