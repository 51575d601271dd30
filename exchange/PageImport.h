#pragma once

#include "exchange/core/clsExcelHandler.h"

#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>

class PageHost;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;
class ucEntry;

// The import page (page 9): a workbook read into a new list file, its first
// 17 columns assigned to title fields by the order of a list.
class PageImport : public QObject {
public:
    // Both workbook formats the exchange reads.
    static const QString kFileFilter;

    explicit PageImport(PageHost& host);

    // Showing changes no content: the entries keep what they held.
    void ShowImport();
    void HideImport();
    void SetDesignImport();
    void SetSizes(int W, int H);

    // The default column order, list name, workbook and row count; the
    // check box keeps its state.
    void ResetImportSpalten();

    void btImpOben_Click();
    void btImpUnten_Click();
    void btImpEntfernen_Click();
    void btImpReset_Click() { ResetImportSpalten(); }
    void btImportieren_Click();

    // The entries of the column order list, top to bottom, joined by ",".
    QString columnOrder() const;

private:
    QList<QWidget*> controls() const;
    // The selected row of the column order list, or -1.
    int selectedRow() const;

    PageHost& m_host;
    QLabel* m_lbImpZuordnung;
    QPushButton* m_btImpReset;
    QListWidget* m_listImpSpaltenOrder;
    QPushButton* m_btImpOben;
    QPushButton* m_btImpUnten;
    QPushButton* m_btImpEntfernen;
    QCheckBox* m_checkImpFirstLine;
    ucEntry* m_ucEntryImportFile;
    ucEntry* m_ucEntryImpNewListName;
    ucEntry* m_ucEntryImpAnzahl;
    QPushButton* m_btImportieren;
    clsExcelHandler m_excel;
};
