#pragma once

#include "platform/PrinterService.h"

#include <QImage>
#include <QList>

// Stands in for the default printer: remembers every page it is given and
// answers with a chosen result (a page is kept only when it is printed).
class RecordingPrinter : public PrinterService {
public:
    struct Page {
        QImage picture;
        QRectF area; // cm from the top left corner of the printable area
    };

    RecordingPrinter() : m_scope(*this) {}
    PrintResult printPicture(const QImage& picture, const QRectF& area) override
    {
        ++calls;
        if (answer == PrintResult::Printed)
            pages.append(Page{picture, area});
        return answer;
    }

    PrintResult answer = PrintResult::Printed;
    int calls = 0;
    QList<Page> pages;

private:
    Printers::Scoped m_scope;
};
