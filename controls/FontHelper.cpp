#include "controls/FontHelper.h"

QFont FontHelper::font(const QString& face, double pointSize, bool bold)
{
    QString family = face;
    if (face.compare(QLatin1String("Lucida Console"), Qt::CaseInsensitive) == 0)
        family = QStringLiteral("DejaVu Sans Mono");
    else if (face.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        family = QStringLiteral("DejaVu Sans");
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}
