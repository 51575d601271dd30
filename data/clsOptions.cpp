#include "data/clsOptions.h"

#include "data/DesignFile.h"
#include "data/clsPathFunctions.h"
#include "platform/MessageService.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"

#include <algorithm>

namespace {

// The cause, on a line of its own below a box's text.
QString causeLine(const RuntimeError& error) { return QStringLiteral("\r\n(") + error.detail() + u')'; }

} // namespace

void clsOptions::Load(const QString& path)
{
    m_settingsFromFile = false;
    if (!clsPathFunctions::checkIfFileExists(path, 0)) {
        Messages::get().messageBox(QStringLiteral("Folgende Datei fehlt: \r\n") + path, MsgButtons::Ok);
        setSettingsDefaults(Fallback::MissingFile);
        setDesignDefaults();
        return;
    }
    try {
        readSettings(path);
    } catch (const RuntimeError& e) {
        // The message says a new file was made, but nothing is written: the
        // user's file stays, and Save refuses to replace it with these
        // defaults until the user chooses settings (markSettingsChosen).
        Messages::get().messageBox(
            QStringLiteral("Falsches Einstellungsdateiformat. Neue Datei mit Standardwerten wurde erzeugt.") +
                causeLine(e),
            MsgButtons::Ok);
        setSettingsDefaults(Fallback::BadFile);
        setDesignDefaults();
        return;
    }
    m_settingsFromFile = true;
    if (!clsPathFunctions::checkIfFileExists(m_DesignPath, 0)) {
        setDesignDefaults();
        return;
    }
    try {
        readDesign();
    } catch (const RuntimeError& e) {
        // Only the design is lost: the settings read above stay.
        setDesignDefaults();
        const QString text = m_Language == 0
                                 ? QStringLiteral("Folgende Designdatei ist besch\u00e4digt; das Standarddesign wird verwendet: \r\n")
                                 : QStringLiteral("The following design file is damaged; the standard design is used: \r\n");
        Messages::get().messageBox(text + m_DesignPath + causeLine(e), MsgButtons::Ok);
    }
}

void clsOptions::markSettingsChosen() { m_settingsFromFile = true; }

void clsOptions::readSettings(const QString& path)
{
    SequentialFile file(path, SequentialFile::Mode::Input);
    try {
        readSettings(file);
    } catch (const RuntimeError& e) {
        throw file.atLine(e);
    }
    file.close();

    clsPathFunctions::ChangeIntoFullPathIfRelative(m_DvdListpath);
    clsPathFunctions::ChangeIntoFullPathIfRelative(m_Noticepath);
    clsPathFunctions::ChangeIntoFullPathIfRelative(m_DesignPath);
}

void clsOptions::readSettings(SequentialFile& file)
{
    m_Language = Numbers::toByte(file.readNumber());
    m_DvdListpath = file.readLine();
    m_Noticepath = file.readLine();
    m_DesignPath = file.readLine();
    const auto size = [&file](std::int16_t least) { return std::max(Numbers::toInt16(file.readNumber()), least); };
    m_FormWidth = size(kMinFormWidth);
    m_FormHeight = size(kMinFormHeight);
    m_TrailerWidth = size(kMinTrailerSize);
    m_TrailerHeight = size(kMinTrailerSize);
    m_RegalWidth = size(kMinRegalSize);
    m_RegalHeight = size(kMinRegalSize);
    m_coverformat = file.readLine();
    m_OwnLabelCaption = file.readLine();
    m_CurrencyChar = file.readLine();
    m_Shortcuts = Numbers::toByte(file.readNumber());
    m_Sound = Numbers::toByte(file.readNumber());
}

void clsOptions::readDesign()
{
    // Nothing of a damaged file is taken: it is read whole first.
    const DesignFile design = DesignFile::read(m_DesignPath);
    m_BGpath = design.BGpath;
    m_SoundClick = design.SoundClick;
    m_SoundStart = design.SoundStart;
    m_SoundAlert = design.SoundAlert;
    m_design = design.colors;
}

void clsOptions::Save(const QString& path)
{
    // Values that were never read from the file, nor chosen by the user, are
    // the reader's fallbacks: they must not replace a file that is there.
    if (!m_settingsFromFile && clsPathFunctions::checkIfFileExists(path, 0))
        throw RuntimeError(ErrorKind::InputOutput,
                           QStringLiteral("%1 was not read, so it is not replaced by default settings").arg(path));
    SequentialFile file(path, SequentialFile::Mode::Output);
    file.writeNumber(m_Language);
    file.writeLine(m_DvdListpath);
    file.writeLine(m_Noticepath);
    file.writeLine(m_DesignPath);
    file.writeNumber(m_FormWidth);
    file.writeNumber(m_FormHeight);
    file.writeNumber(m_TrailerWidth);
    file.writeNumber(m_TrailerHeight);
    file.writeNumber(m_RegalWidth);
    file.writeNumber(m_RegalHeight);
    file.writeLine(m_coverformat);
    file.writeLine(m_OwnLabelCaption);
    file.writeLine(m_CurrencyChar);
    file.writeNumber(m_Shortcuts);
    file.writeNumber(m_Sound);
    file.close();
    m_settingsFromFile = true; // the file holds these values now
}

void clsOptions::setSettingsDefaults(Fallback why)
{
    const std::int16_t size = why == Fallback::MissingFile ? 10000 : 666;
    m_Language = 0;
    m_CurrencyChar = QStringLiteral("\u20AC");
    m_DvdListpath.clear();
    m_Noticepath.clear();
    m_DesignPath.clear();
    m_FormWidth = m_FormHeight = size;
    m_TrailerWidth = m_TrailerHeight = size;
    m_RegalWidth = m_RegalHeight = size;
    m_coverformat = why == Fallback::MissingFile ? QStringLiteral("DVD2") : QStringLiteral("1");
    m_OwnLabelCaption = QStringLiteral("Sonstiges");
    m_Shortcuts = 1;
    m_Sound = 0;
}

void clsOptions::setDesignDefaults()
{
    m_BGpath.clear();
    m_SoundClick.clear();
    m_SoundStart.clear();
    m_SoundAlert.clear();
    m_design = Design{};
}
