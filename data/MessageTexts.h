#pragma once

// Numbers of the texts in the message file (english-message.ass), the lines
// the status line shows.
namespace MessageText {

enum : int {
    Saved = 1,
    DesignNotSaved = 2,
    ChangesSaved = 3,
    ChangeNotSaved = 4,        // nothing was changed
    Removed = 5,
    DeleteFailed = 6,
    Added = 7,
    AddFailed = 8,             // nothing was saved
    ListExists = 9,
    InvalidEntry = 10,         // entry or selection not valid
    EntriesMissing = 11,
    ImportListExists = 12,     // same words as ListExists
    DesignProtectedFromDelete = 13,
    ShelfFileWritten = 14,
    PasswordTooLong = 15,      // the old password still applies
    ExportFinished = 16,
    ExcelExportFailed = 17,
    ImportFinished = 18,
    Failed = 19,               // "The operation failed."
    TooFewTitles = 20,
    SearchStepFailed = 21,
    NameListsNotSaved = 22,    // the title itself is saved
    TitleNotSent = 23,         // the title itself is saved
    InvalidNumberOrNotSaved = 24,
    InvalidValue = 25,
    ShelfFileExists = 26,      // left unchanged
    FileUnusable = 27,         // file not found or not usable
    InUse = 28,                // cannot be deleted
    NothingSelected = 29,
    PasswordsDiffer = 30,
    ListFileMissing = 31,
    ShelfFileMissing = 32,
    NotAvailable = 33,
    InvalidSetting = 34,
    DesignProtectedFromOverwrite = 35,
    ErrorOccurred = 36,
    OldListConverted = 37,
    BoardCannotGrow = 38,
    BoardCannotShrink = 39,
    MarkedRemoved = 40,
    BoardsFull = 41,           // already 50 boards
    SearchTextTooShort = 43,
    NoTitlesFound = 44,
    BackgroundMissing = 45,    // the default picture is shown
    AnswerWithoutCount = 46,   // at most 30 hits are shown
    TrailerUnplayable = 47,
    AddressRefused = 48,       // only http, https and ftp
    UploadCancelled = 49,      // followed by the number of titles sent
    NoServiceAddress = 50,     // followed by the file it belongs in
    WrongPassword = 51,
    TitlesChanged = 52,        // followed by their number
};

} // namespace MessageText
