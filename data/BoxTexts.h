#pragma once

// Numbers of the texts in the box file (english-box.ass): the prompts and
// titles of the message and input boxes.
namespace BoxText {

enum : int {
    DeleteFavouriteTitle = 1,
    AddFavouriteTitle = 2,
    ConfirmTitle = 5,          // "Please confirm"
    DamagedShelfFileTitle = 6,
    AskDelete = 8,             // "Really delete?"
    NewListPrompt = 10,
    NewFileTitle = 12,
    FavouriteNumberPrompt = 13,
    AskSaveChanges = 14,
    AskOverwriteDesign = 15,
    FavouriteAddressPrompt = 16,
    AskChangeAll = 17,         // "Really change all titles?"
    FavouriteTitlePrompt = 18,
    AskCreateShelfFile = 19,
    OnlineSearchTitle = 20,
    SearchTitlePrompt = 21,
    AskRewriteShelfFile = 22, // the shelf file cannot be read
    GoToTitleTitle = 23,
    TitleBeginningPrompt = 24,
    AskPrintCover = 25,
    PrintCoverTitle = 26,
    UploadingTitle = 31,
    CancelButton = 32,
    // What the mass change changes, as the questions below name it: one
    // text for each of its ten places, in the order of the places.
    ChangedLongText = 33,      // "the long text"
    ChangedFilmTitle = 34,
    ChangedGenre = 35,
    ChangedCountryYear = 36,
    ChangedActors = 37,
    ChangedDirector = 38,
    ChangedFormat = 39,
    ChangedFreeField = 40,
    ChangedCoverPath = 41,
    ChangedTrailerPath = 42,   // "the trailer path"
    // The mass change's questions: %1 what changes, %2 the number of titles,
    // then the find text (where there is one) and the new text.
    AskSetAll = 43,            // "Set %1 of all %2 titles to %3?"
    AskReplaceFirstInAll = 44, // in a field
    AskReplaceEveryInAll = 45, // in a long text
    AskSetAllWhereFound = 46,
    AskSetAllNotEmpty = 47,    // the find text is empty
    AnEmptyText = 48,          // the new text when it is empty
    Quoted = 49,               // a text typed by the user, in quotation marks
};

} // namespace BoxText
