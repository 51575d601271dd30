#include "exchange/PageImport.h"

#include "controls/ColorHelper.h"
#include "controls/FontHelper.h"
#include "controls/ucEntry.h"
#include "data/BoxTexts.h"
#include "data/MessageTexts.h"
#include "data/ProgramFiles.h"
#include "data/StyleTexts.h"
#include "host/WaitCursor.h"
#include "host/PageAction.h"
#include "host/PageControls.h"
#include "host/PageHost.h"
#include "host/PageLayout.h"
#include "session/Session.h"
#include "platform/Numbers.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgressService.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

using PageControls::make;

const QString PageImport::kFileFilter = QStringLiteral("Excel-File (*.xls, *.xlsx) | *.xls;*.xlsx");

namespace {

constexpr int kLabelHeight = 20;
constexpr int kEntryHeight = 25;
constexpr int kListHeight = 200;
constexpr int kSmallButton = 21;
constexpr int kMaxRows = 9999;

const QString kNotImported = QStringLiteral("--------");

// A chevron of 11 x 10 pixels, pointing up or down.
QIcon chevron(bool up)
{
    QPixmap pixmap(11, 10);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF tip(5.5, up ? 2.0 : 8.0);
    const double foot = up ? 7.5 : 2.5;
    p.drawPolyline(QPolygonF{{1.0, foot}, tip, {10.0, foot}});
    return QIcon(pixmap);
}

} // namespace

PageImport::PageImport(PageHost& host) : QObject(host.clientArea()), m_host(host)
{
    using namespace PageControls;
    QWidget* area = host.clientArea();
    m_lbImpZuordnung = make<QLabel>(area, "lbImpZuordnung");
    m_lbImpZuordnung->setFont(FontHelper::labelFont());
    m_lbImpZuordnung->resize(m_lbImpZuordnung->width(), kLabelHeight);
    m_btImpReset = makeButton(area, "btImpReset");
    m_btImpReset->setText(QStringLiteral("o"));
    m_listImpSpaltenOrder = make<QListWidget>(area, "ListImpSpaltenOrder");
    m_listImpSpaltenOrder->setFont(FontHelper::labelFont());
    m_listImpSpaltenOrder->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listImpSpaltenOrder->resize(m_listImpSpaltenOrder->width(), kListHeight);
    m_btImpOben = makeButton(area, "btImpOben");
    m_btImpOben->setIcon(chevron(true));
    m_btImpUnten = makeButton(area, "btImpUnten");
    m_btImpUnten->setIcon(chevron(false));
    m_btImpEntfernen = makeButton(area, "btImpEntfernen");
    m_btImpEntfernen->setText(QStringLiteral("<"));
    for (QPushButton* b : {m_btImpReset, m_btImpOben, m_btImpUnten, m_btImpEntfernen}) {
        b->resize(kSmallButton, kSmallButton);
        b->setIconSize(QSize(11, 10));
    }
    m_checkImpFirstLine = make<QCheckBox>(area, "CheckImpFirstLine");
    m_checkImpFirstLine->setFont(FontHelper::labelFont());
    // A button fills with the button colour unless told otherwise; this one stands on the page.
    m_checkImpFirstLine->setBackgroundRole(QPalette::Window);
    m_checkImpFirstLine->resize(m_checkImpFirstLine->width(), kLabelHeight);
    m_ucEntryImportFile = make<ucEntry>(area, "ucEntryImportFile");
    m_ucEntryImpNewListName = make<ucEntry>(area, "ucEntryImpNewListName");
    m_ucEntryImpAnzahl = make<ucEntry>(area, "ucEntryImpAnzahl");
    for (ucEntry* e : {m_ucEntryImportFile, m_ucEntryImpNewListName, m_ucEntryImpAnzahl})
        e->resize(e->width(), kEntryHeight);
    m_btImportieren = makeButton(area, "btImportieren");

    connect(m_btImpReset, &QPushButton::clicked, this, &PageImport::btImpReset_Click);
    connect(m_btImpOben, &QPushButton::clicked, this, &PageImport::btImpOben_Click);
    connect(m_btImpUnten, &QPushButton::clicked, this, &PageImport::btImpUnten_Click);
    connect(m_btImpEntfernen, &QPushButton::clicked, this, &PageImport::btImpEntfernen_Click);
    connect(m_btImportieren, &QPushButton::clicked, this, &PageImport::btImportieren_Click);
}

QList<QWidget*> PageImport::controls() const
{
    return {m_lbImpZuordnung,    m_btImpReset,        m_listImpSpaltenOrder, m_btImpOben,
            m_btImpUnten,        m_btImpEntfernen,    m_checkImpFirstLine,   m_ucEntryImportFile,
            m_ucEntryImpNewListName, m_ucEntryImpAnzahl, m_btImportieren};
}

void PageImport::ShowImport()
{
    for (QWidget* w : controls())
        w->show();
}

void PageImport::HideImport()
{
    for (QWidget* w : controls())
        w->hide();
}

void PageImport::SetDesignImport()
{
    const clsOptions& o = m_host.session().Options();
    const Design design = o.GetDesign();
    const clsTranslation& style = m_host.session().StyleTexts();
    PageControls::setColors(m_lbImpZuordnung, o.ColorFont(), o.ColorBG());
    PageControls::setColors(m_checkImpFirstLine, o.ColorFont(), o.ColorBG());
    // Its box takes the entries' colours, so that it shows on any page colour.
    ColorHelper::setBoxColors(m_checkImpFirstLine, o.ColorEntryFont(), o.ColorEntryBG());
    ColorHelper::setBoxColors(m_listImpSpaltenOrder, o.ColorEntryFont(), o.ColorEntryBG());
    m_ucEntryImpNewListName->SetDesign(style.MultiWord(StyleText::NewListName), 1, 180, 5, design, false);
    m_ucEntryImportFile->SetDesign(style.MultiWord(StyleText::ExcelFile), 3, 180, 5, design, false);
    m_ucEntryImpAnzahl->SetDesign(style.MultiWord(StyleText::NumberOfRows), 1, 180, 5, design, false);
    m_ucEntryImportFile->setDialogFilter(kFileFilter);
    m_ucEntryImportFile->setDialogFolder(ProgramFolder::path());
    m_lbImpZuordnung->setText(style.MultiWord(StyleText::ColumnOrder));
    m_checkImpFirstLine->setText(style.MultiWord(StyleText::FirstRowHeaders));
    m_btImportieren->setText(style.MultiWord(StyleText::ImportButton));
    ResetImportSpalten();
}

void PageImport::SetSizes(int W, int)
{
    PageLayout l(m_host.FormFunctions(), W);
    for (QWidget* w : std::initializer_list<QWidget*>{m_lbImpZuordnung, m_listImpSpaltenOrder, m_checkImpFirstLine,
                                                      m_ucEntryImportFile, m_ucEntryImpNewListName,
                                                      m_ucEntryImpAnzahl, m_btImportieren}) {
        PageLayout::setWidth(w, W - 300);
        l.centre(w);
    }
    // The small buttons stand just right of the label and the list.
    const int right = m_listImpSpaltenOrder->x() + m_listImpSpaltenOrder->width() + 5;
    for (QPushButton* b : {m_btImpReset, m_btImpOben, m_btImpUnten, m_btImpEntfernen})
        PageLayout::setLeft(b, right);

    l.start(30);
    l.sameRow(m_lbImpZuordnung);
    l.row(m_btImpReset, m_lbImpZuordnung->height() + 5);
    l.sameRow(m_btImpOben);
    l.row(m_listImpSpaltenOrder, m_listImpSpaltenOrder->height() + 5);
    const int listTop = m_listImpSpaltenOrder->y();
    PageLayout::setTop(m_btImpUnten, m_btImpOben->y() + m_btImpOben->height() + 5);
    PageLayout::setTop(m_btImpEntfernen, listTop + m_listImpSpaltenOrder->height() - m_btImpEntfernen->height());
    l.row(m_checkImpFirstLine, m_checkImpFirstLine->height() + 5);
    l.row(m_ucEntryImportFile, m_ucEntryImportFile->height());
    l.row(m_ucEntryImpNewListName, m_ucEntryImpNewListName->height());
    l.row(m_ucEntryImpAnzahl, m_ucEntryImpAnzahl->height() + 5);
    l.row(m_btImportieren, m_btImportieren->height() + 5);
}

void PageImport::ResetImportSpalten()
{
    const clsTranslation& style = m_host.session().StyleTexts();
    m_listImpSpaltenOrder->clear();
    m_listImpSpaltenOrder->addItems(clsExcelHandler::ColumnCaptions(style));
    m_ucEntryImpNewListName->setValue(style.MultiWord(StyleText::Imported));
    m_ucEntryImportFile->setValue(QString());
    m_ucEntryImpAnzahl->setValue(QStringLiteral("1"));
}

int PageImport::selectedRow() const
{
    const QListWidgetItem* item = m_listImpSpaltenOrder->currentItem();
    return item && item->isSelected() ? m_listImpSpaltenOrder->row(item) : -1;
}

void PageImport::btImpOben_Click()
{
    const int row = selectedRow();
    if (row < 1)
        return;
    // The entry above changes places with the selected one, which stays selected.
    m_listImpSpaltenOrder->insertItem(row, m_listImpSpaltenOrder->takeItem(row - 1));
    m_listImpSpaltenOrder->setCurrentRow(row - 1);
}

void PageImport::btImpUnten_Click()
{
    const int row = selectedRow();
    if (row < 0 || row >= m_listImpSpaltenOrder->count() - 1)
        return;
    m_listImpSpaltenOrder->insertItem(row, m_listImpSpaltenOrder->takeItem(row + 1));
    m_listImpSpaltenOrder->setCurrentRow(row + 1);
}

void PageImport::btImpEntfernen_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_listImpSpaltenOrder->item(row)->setText(kNotImported + m_host.session().StyleTexts().MultiWord(StyleText::NotImported));
}

QString PageImport::columnOrder() const
{
    QStringList entries;
    for (int i = 0; i < m_listImpSpaltenOrder->count(); ++i)
        entries << m_listImpSpaltenOrder->item(i)->text();
    return entries.join(u',');
}

void PageImport::btImportieren_Click()
{
    const QString workbook = m_ucEntryImportFile->value();
    const QString listName = m_ucEntryImpNewListName->value();
    // A name that would leave the lists folder counts as no name.
    if (workbook.isEmpty() || !clsExcelHandler::IsListNameValid(listName)) {
        m_host.StatusMsg(MessageText::EntriesMissing);
        return;
    }
    const QString listPath = ProgramFiles::lists() + u'/' + listName + QStringLiteral(".adl");
    // Any file of that name counts, a hidden one too: the import must never replace it.
    if (QFileInfo::exists(listPath)) {
        m_host.StatusMsg(MessageText::ImportListExists);
        return;
    }
    if (!m_ucEntryImpAnzahl->IsValueNumericBetween(1, kMaxRows)) {
        m_host.StatusMsg(MessageText::InvalidValue);
        return;
    }
    const int rows = static_cast<int>(Numbers::intFloor(Numbers::parse(m_ucEntryImpAnzahl->value())));
    bool imported = false;
    {
        const WaitCursor busy;
        // A reader that runs long gets a display: the window stays painted,
        // and Cancel stops the reader. It comes up only when first asked.
        ProgressService* progress = nullptr;
        const auto goOn = [&] {
            if (!progress) {
                progress = &Progress::get();
                progress->begin(m_host.session().StyleTexts().MultiWord(StyleText::ImportButton),
                                m_host.session().BoxTexts().MultiWord(BoxText::CancelButton), 0);
            }
            return progress->step(0, QFileInfo(workbook).fileName());
        };
        imported = runAction(m_host, MessageText::Failed, [&] {
            m_excel.importFrom(m_host.session().StyleTexts(), workbook, listPath, columnOrder(),
                               m_checkImpFirstLine->isChecked(), rows, goOn);
        });
        if (progress)
            progress->end();
    }
    if (imported)
        m_host.StatusMsg(MessageText::ImportFinished);
}
