#include "mainwindow/titlepages/PageListen.h"

#include "controls/ucText.h"
#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "data/clsDefaultTextfileHandler.h"
#include "data/clsPathFunctions.h"
#include "host/PageAction.h"
#include "shelf/core/clsRegalCtrl.h"
#include "host/PageHost.h"
#include "session/Session.h"
#include "host/PageLayout.h"
#include "host/PageControls.h"
#include "mainwindow/titlepages/PageSuche.h"
#include "platform/MessageService.h"
#include "platform/Paths.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>


using PageControls::make;

namespace {

const QString kNewList = QStringLiteral("LIST VERSION#0\r\nCOUNT#0");

constexpr int kTextHeight = 20;

} // namespace

PageListen::PageListen(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    using namespace PageControls;
    QWidget* area = host.clientArea();
    m_ucTextDVDListe = make<ucText>(area, "ucTextDVDListe");
    m_ucTextDVDListe->resize(m_ucTextDVDListe->width(), kTextHeight);
    m_fileDVDlist = make<QListWidget>(area, "FileDVDlist");
    m_fileDVDlist->setFont(FontHelper::labelFont());
    m_fileDVDlist->setSelectionMode(QAbstractItemView::SingleSelection);
    m_btDVDtake = makeButton(area, "btDVDtake");
    m_btDVDcreate = makeButton(area, "btDVDcreate");
    m_btDVDcopy = makeButton(area, "btDVDcopy");
    m_btDVDdelete = makeButton(area, "btDVDdelete");
    connect(m_btDVDtake, &QPushButton::clicked, this, &PageListen::btDVDtake_Click);
    connect(m_btDVDcreate, &QPushButton::clicked, this, &PageListen::btDVDcreate_Click);
    connect(m_btDVDcopy, &QPushButton::clicked, this, &PageListen::btDVDcopy_Click);
    connect(m_btDVDdelete, &QPushButton::clicked, this, &PageListen::btDVDdelete_Click);
}

QString PageListen::listsFolder() { return ProgramFiles::lists() + u'/'; }

QString PageListen::shelvesFolder() { return ProgramFiles::shelves() + u'/'; }

int PageListen::listNameRefusal(const QString& name)
{
    if (name.isEmpty())
        return MessageText::EntriesMissing;
    return clsPathFunctions::isPlainFileName(name) ? 0 : MessageText::InvalidEntry;
}

void PageListen::refreshFileList(const QString& keepSelected)
{
    m_fileDVDlist->clear();
    const QDir dir(listsFolder());
    const QStringList names =
        dir.entryList({QStringLiteral("*.adl")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    m_fileDVDlist->addItems(names);
    const qsizetype keep = keepSelected.isEmpty() ? -1 : names.indexOf(keepSelected);
    if (keep >= 0)
        m_fileDVDlist->setCurrentRow(static_cast<int>(keep));
}

QString PageListen::selectedEntry() const
{
    const QListWidgetItem* item = m_fileDVDlist->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QString PageListen::askListName()
{
    const clsTranslation& box = m_host.session().BoxTexts();
    return Messages::get().inputBox(box.MultiWord(BoxText::NewListPrompt), box.MultiWord(BoxText::NewFileTitle), QString());
}

void PageListen::ShowListen()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ucTextDVDListe, m_fileDVDlist, m_btDVDtake, m_btDVDcreate,
                                                      m_btDVDcopy, m_btDVDdelete})
        w->show();
    refreshFileList(QString());
    m_ucTextDVDListe->setText(clsPathFunctions::getFilename(m_host.session().Options().DvdListpath(), false));
    if (m_fileDVDlist->count() > 0)
        m_fileDVDlist->setCurrentRow(0);
}

void PageListen::HideListen()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ucTextDVDListe, m_fileDVDlist, m_btDVDtake, m_btDVDcreate,
                                                      m_btDVDcopy, m_btDVDdelete})
        w->hide();
}

void PageListen::SetDesignListen()
{
    const clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    const clsTranslation& style = m_host.session().StyleTexts();
    PageControls::setColors(m_fileDVDlist, o.ColorFont(), o.ColorBG());
    m_ucTextDVDListe->SetDesign(style.MultiWord(StyleText::CurrentList), 1, 5, design, 140, true, false);
    refreshFileList(selectedEntry());
    m_btDVDtake->setText(style.MultiWord(StyleText::UseList));
    m_btDVDcreate->setText(style.MultiWord(StyleText::NewList));
    m_btDVDcopy->setText(style.MultiWord(StyleText::CopyList));
    m_btDVDdelete->setText(style.MultiWord(StyleText::DeleteList));
}

void PageListen::SetSizes(int W, int H)
{
    PageLayout l(m_host.FormFunctions(), W);
    QWidget* all[] = {m_ucTextDVDListe, m_fileDVDlist, m_btDVDtake, m_btDVDcreate, m_btDVDcopy, m_btDVDdelete};
    for (QWidget* w : all) {
        PageLayout::setWidth(w, W - 350);
        l.centre(w);
    }
    PageLayout::setHeight(m_fileDVDlist, H - 300);
    l.start(30);
    l.row(m_ucTextDVDListe, m_ucTextDVDListe->height());
    l.row(m_fileDVDlist, m_fileDVDlist->height() + 10);
    l.row(m_btDVDtake, m_btDVDtake->height() + 30);
    l.row(m_btDVDcreate, m_btDVDcreate->height());
    l.row(m_btDVDcopy, m_btDVDcopy->height());
    l.row(m_btDVDdelete, m_btDVDdelete->height());
}

void PageListen::btDVDtake_Click()
{
    const QString entry = selectedEntry();
    if (m_fileDVDlist->count() == 0 || entry.isEmpty()) {
        m_host.StatusMsg(MessageText::NothingSelected);
        return;
    }
    const QString path = listsFolder() + entry;

    // A list that cannot be read leaves the collection and the settings as they were.
    Session::StatusReports reports;
    if (!runAction(m_host, MessageText::FileUnusable, [&] { reports = m_host.session().takeList(path); }))
        return;

    // Reported after page 1's own messages.
    QString notSaved;
    const bool settingsSaved = runAction([&] { m_host.session().SaveEinstellungen(); },
                                         [&](const RuntimeError& e) { notSaved = causeSuffix(e); });
    m_host.HideAllPages();
    m_host.ShowPage(1);
    emit newSearchWanted();
    // Page 1 has messages of its own (a missing cover) that would hide these.
    for (const auto& report : reports)
        m_host.StatusMsg(report.first, report.second);
    if (!settingsSaved)
        m_host.StatusMsg(MessageText::Failed, notSaved);
}

QString PageListen::newFilePath(const QString& folder, const QString& name, const QString& ending, int takenMessage)
{
    const QString path = folder + name + ending;
    if (clsPathFunctions::checkIfFileExists(path, 0)) {
        m_host.StatusMsg(takenMessage);
        return QString();
    }
    return path;
}

void PageListen::btDVDcreate_Click()
{
    const QString name = askListName();
    if (const int refused = listNameRefusal(name)) {
        m_host.StatusMsg(refused);
        return;
    }
    const QString listPath = newFilePath(listsFolder(), name, QStringLiteral(".adl"), MessageText::ListExists);
    if (listPath.isEmpty())
        return;
    makeNewList([&] { clsDefaultTextfileHandler::writeTextFile(listPath, kNewList); }, selectedEntry(), name,
                [](const QString& shelfPath) { clsRegalCtrl::WriteNewShelfFile(shelfPath); });
}

void PageListen::btDVDcopy_Click()
{
    const QString name = askListName();
    const QString entry = selectedEntry();
    if (const int refused = entry.isEmpty() ? MessageText::EntriesMissing : listNameRefusal(name)) {
        m_host.StatusMsg(refused);
        return;
    }
    const QString listPath = newFilePath(listsFolder(), name, QStringLiteral(".adl"), MessageText::ListExists);
    if (listPath.isEmpty())
        return;
    QString text;
    if (!runAction(m_host, MessageText::FileUnusable,
                   [&] { text = clsDefaultTextfileHandler::ReadTxtFile(listsFolder() + entry, false); }))
        return;
    makeNewList([&] { clsDefaultTextfileHandler::writeTextFile(listPath, text); }, entry, name,
                [&](const QString& shelfPath) {
                    clsRegalCtrl::CopyShelfFile(clsRegalCtrl::ShelfPathOfList(listsFolder() + entry), shelfPath);
                });
}

void PageListen::makeNewList(const std::function<void()>& writeList, const QString& keepSelected,
                             const QString& name, const std::function<void(const QString&)>& writeShelf)
{
    QString notWritten;
    const bool written = runAction(writeList, [&](const RuntimeError& e) { notWritten = causeSuffix(e); });
    refreshFileList(keepSelected);
    if (!written) {
        m_host.StatusMsg(MessageText::Failed, notWritten);
        return;
    }
    const QString shelfPath = newFilePath(shelvesFolder(), name, QStringLiteral(".arf"), MessageText::ShelfFileExists);
    if (shelfPath.isEmpty())
        return;
    runAction(m_host, MessageText::Failed, [&] { writeShelf(shelfPath); });
}

void PageListen::btDVDdelete_Click()
{
    const QString entry = selectedEntry();
    if (entry.isEmpty()) {
        m_host.StatusMsg(MessageText::NothingSelected);
        return;
    }
    const QString path = listsFolder() + entry;
    if (Paths::sameFile(path, m_host.session().Options().DvdListpath())) {
        m_host.StatusMsg(MessageText::InUse);
        return;
    }
    const clsTranslation& box = m_host.session().BoxTexts();
    if (Messages::get().messageBox(box.MultiWord(BoxText::AskDelete), MsgButtons::YesNo, box.MultiWord(BoxText::ConfirmTitle)) != MsgAnswer::Yes)
        return;
    const bool removed = QFile::remove(path);
    refreshFileList(QString());
    m_host.StatusMsg(removed ? MessageText::Removed : MessageText::DeleteFailed);
}
