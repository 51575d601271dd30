#pragma once

#include <QString>

// The start-up password, kept in "password.apw" hidden among random letters
// (a lock, not encryption). The empty password means that none is set.
class clsPasswordFunctions {
public:
    static constexpr int kMaxLength = 9;

    // A missing file means that no password is set. A damaged file (empty,
    // or no length digit where it belongs) is a conversion error whose text
    // names the file and says it is damaged; the password then stays.
    void LoadFromFile(const QString& path);
    // Argument error, file untouched, for a password the file cannot give
    // back whole (see isStorable); write errors reach the caller. The file
    // is readable by its owner only.
    void SaveIntoFile(const QString& path) const;
    void SetPassword(const QString& s) { m_password = s; }
    const QString& GetPassword() const { return m_password; }

    // At most nine characters, each a letter or a digit: the file keeps the
    // length in one digit and its line ends at a comma.
    static bool isStorable(const QString& password);

private:
    QString m_password;
};
