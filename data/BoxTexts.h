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
};

} // namespace BoxText
