#include "controls/PlainText.h"

QString PlainText::toolTip(const QString& text)
{
    if (text.isEmpty())
        return QString();
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}
