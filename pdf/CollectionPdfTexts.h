#pragma once

// Numbers of the texts in the PDF file (english-pdf.ass): the words of the
// collection's PDF.
namespace CollectionPdfText {

enum : int {
    TitlesInCollection = 1, // after the number of titles
    FilmTitle = 2,
    Stars = 3,
    Genre = 4,
    CountryYear = 5,
    Age = 6,
    Length = 7,
    Page = 8,
};

} // namespace CollectionPdfText
