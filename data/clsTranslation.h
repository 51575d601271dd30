#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The texts of one language file: line k is "key#first text#second text".
// Language 0 or less selects the first text, 1 or more the second.
class clsTranslation {
public:
    static constexpr int kMaxEntries = 500;

    std::int32_t Language() const { return m_Language; }
    void setLanguage(std::int32_t v) { m_Language = v; }

    // Reads the file; a missing file is created empty and gives an empty
    // table. Only the first 500 lines are kept; entries the file does not
    // fill read as "".
    void Load(const QString& path);
    // Text k in the selected language; "" for an entry the file did not fill
    // and for any k outside 0 to 500.
    QString MultiWord(int k) const;
    // The entry whose first text is s (exactly), in the selected language; s itself when none is.
    QString MultiWordSearch(const QString& s) const;

private:
    struct Entry {
        QString key;
        QString first;
        QString second;
    };
    const QString& pick(const Entry& e) const { return m_Language < 1 ? e.first : e.second; }

    std::array<Entry, kMaxEntries + 1> m_entries;
    int m_count = 0;
    std::int32_t m_Language = 0;
};
