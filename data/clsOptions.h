#pragma once

#include "data/Design.h"

#include <QString>
#include <cstdint>

class SequentialFile;

// The program's settings ("settings.aef") and the values of the active
// design file that the settings name. Values are not checked here beyond
// the least window sizes: the settings page checks what the user types.
class clsOptions {
public:
    // The least window sizes the settings page takes. A size read from the
    // file below one of them is taken as it: a window a few pixels wide
    // could not even be reached to mend the setting.
    static constexpr std::int16_t kMinFormWidth = 700;
    static constexpr std::int16_t kMinFormHeight = 666;
    static constexpr std::int16_t kMinTrailerSize = 400;
    static constexpr std::int16_t kMinRegalSize = 500;

    void setcoverformat(const QString& v) { m_coverformat = v; }
    const QString& coverformat() const { return m_coverformat; }
    void setLanguage(std::uint8_t v) { m_Language = v; }
    std::uint8_t Language() const { return m_Language; }
    void setCurrencyChar(const QString& v) { m_CurrencyChar = v; }
    const QString& CurrencyChar() const { return m_CurrencyChar; }
    void setSound(std::uint8_t v) { m_Sound = v; }
    std::uint8_t Sound() const { return m_Sound; }
    void setFormWidth(std::int16_t v) { m_FormWidth = v; }
    std::int16_t FormWidth() const { return m_FormWidth; }
    void setFormHeight(std::int16_t v) { m_FormHeight = v; }
    std::int16_t FormHeight() const { return m_FormHeight; }
    void setBGpath(const QString& v) { m_BGpath = v; }
    const QString& BGpath() const { return m_BGpath; }
    void setOwnLabelCaption(const QString& v) { m_OwnLabelCaption = v; }
    const QString& OwnLabelCaption() const { return m_OwnLabelCaption; }
    void setTrailerWidth(std::int16_t v) { m_TrailerWidth = v; }
    std::int16_t TrailerWidth() const { return m_TrailerWidth; }
    void setTrailerHeight(std::int16_t v) { m_TrailerHeight = v; }
    std::int16_t TrailerHeight() const { return m_TrailerHeight; }
    void setRegalWidth(std::int16_t v) { m_RegalWidth = v; }
    std::int16_t RegalWidth() const { return m_RegalWidth; }
    void setRegalHeight(std::int16_t v) { m_RegalHeight = v; }
    std::int16_t RegalHeight() const { return m_RegalHeight; }
    void setShortcuts(std::uint8_t v) { m_Shortcuts = v; }
    std::uint8_t Shortcuts() const { return m_Shortcuts; }
    void setSoundClick(const QString& v) { m_SoundClick = v; }
    const QString& SoundClick() const { return m_SoundClick; }
    void setSoundStart(const QString& v) { m_SoundStart = v; }
    const QString& SoundStart() const { return m_SoundStart; }
    void setSoundAlert(const QString& v) { m_SoundAlert = v; }
    const QString& SoundAlert() const { return m_SoundAlert; }
    void setDesignPath(const QString& v) { m_DesignPath = v; }
    const QString& DesignPath() const { return m_DesignPath; }
    // Colours are 0x00BBGGRR; system colours are kept as Windows stored them
    // (negative, 0x800000nn as a signed 32-bit value).
    void setColorRating(Color v) { m_design.rating = v; }
    Color ColorRating() const { return m_design.rating; }
    void setColorBG(Color v) { m_design.background = v; }
    Color ColorBG() const { return m_design.background; }
    void setColorFont(Color v) { m_design.font = v; }
    Color ColorFont() const { return m_design.font; }
    void setColorEntryBG(Color v) { m_design.entryBackground = v; }
    Color ColorEntryBG() const { return m_design.entryBackground; }
    void setColorEntryFont(Color v) { m_design.entryFont = v; }
    Color ColorEntryFont() const { return m_design.entryFont; }
    // The five colours of the active design in one value.
    Design GetDesign() const { return m_design; }
    void setDvdListpath(const QString& v) { m_DvdListpath = v; }
    const QString& DvdListpath() const { return m_DvdListpath; }
    void setNoticepath(const QString& v) { m_Noticepath = v; }
    const QString& Noticepath() const { return m_Noticepath; }

    // Reads the settings file and the design file it names. A missing or
    // unreadable settings file is reported in a message box and gives the
    // defaults; nothing is written back. A damaged design file is reported
    // by its name and gives the default design; the settings read stay.
    void Load(const QString& path);
    // Writes the 15 settings lines (not the design values); errors reach the
    // caller. Settings that were not read from a file (the defaults after a
    // missing or damaged one) never replace a file that exists at path: that
    // is an input/output error and the file stays as it is, until the user
    // has chosen the settings (markSettingsChosen).
    void Save(const QString& path);
    // The values held are the user's choice (the settings page stores them):
    // Save may replace the file even though they were not read from it.
    void markSettingsChosen();
    // Whether the settings held were read from the settings file (or saved
    // into it, or chosen), rather than being the defaults of a missing or
    // damaged file.
    bool settingsFromFile() const { return m_settingsFromFile; }

private:
    enum class Fallback { MissingFile, BadFile };
    void setSettingsDefaults(Fallback why);
    void setDesignDefaults();
    void readSettings(const QString& path);
    void readSettings(SequentialFile& file);
    void readDesign();

    QString m_coverformat;
    std::uint8_t m_Language = 0;
    QString m_CurrencyChar;
    std::uint8_t m_Sound = 0;
    std::int16_t m_FormWidth = 0;
    std::int16_t m_FormHeight = 0;
    QString m_BGpath;
    QString m_OwnLabelCaption;
    std::int16_t m_TrailerWidth = 0;
    std::int16_t m_TrailerHeight = 0;
    std::int16_t m_RegalWidth = 0;
    std::int16_t m_RegalHeight = 0;
    std::uint8_t m_Shortcuts = 0;
    QString m_SoundClick;
    QString m_SoundStart;
    QString m_SoundAlert;
    QString m_DesignPath;
    Design m_design;
    QString m_DvdListpath;
    QString m_Noticepath;
    bool m_settingsFromFile = false;
};
