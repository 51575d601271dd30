#include "data/clsListCompare.h"

#include "platform/MessageService.h"

#include <QSet>

void clsListCompare::FusionOfAandB(const QString& pathA, const QString& pathB, const QString& pathOut)
{
    m_a.Load(pathA, true, true);
    m_b.Load(pathB, true, true);
    m_out.Load(pathA, true, true);

    QSet<QString> inA;
    inA.reserve(m_a.getListSize());
    for (int i = 1; i <= m_a.getListSize(); ++i)
        inA.insert(m_a.getElement(i).toLower());
    // Lines of B are checked against A only, so a line twice in B comes twice.
    for (int i = 1; i <= m_b.getListSize(); ++i) {
        const QString line = m_b.getElement(i);
        if (!inA.contains(line.toLower()))
            m_out.Add(line);
    }
    m_out.Save(pathOut);

    Messages::get().messageBox(QStringLiteral("Liste A: %1 Elemente\r\nListe B: %2 Elemente\r\nListe Export: %3 Elemente\r\n")
                                   .arg(m_a.getListSize())
                                   .arg(m_b.getListSize())
                                   .arg(m_out.getListSize()),
                               MsgButtons::Ok);
}
