#include "data/clsDatentraeger.h"

#include "data/ProgramFiles.h"
#include "data/clsPathFunctions.h"

void clsDatentraeger::Clear() { *this = clsDatentraeger(); }

QString clsDatentraeger::GetSchauspielerAll() const
{
    QString all;
    for (const QString* actor : {&m_Schauspieler1, &m_Schauspieler2, &m_Schauspieler3, &m_Schauspieler4,
                                 &m_Schauspieler5}) {
        if (actor->isEmpty())
            continue;
        if (!all.isEmpty())
            all += QStringLiteral(", ");
        all += *actor;
    }
    return all;
}

bool clsDatentraeger::IsComplete() const { return !m_Filmname.isEmpty() && !m_Bildpfad.isEmpty(); }

QString clsDatentraeger::GetZusatztextPfad() const
{
    return ProgramFiles::longTextOf(m_Bildpfad);
}
