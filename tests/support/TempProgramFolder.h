#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <QStringList>

// A fresh program folder for one test, removed afterwards.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();

    QString path() const { return m_dir.path(); }
    // Full path of a file in the folder ("lists/a.adl").
    QString file(const QString& relative) const;

    // Writes raw bytes, creating folders; returns the full path.
    QString write(const QString& relative, const QByteArray& bytes) const;
    // Writes lines each ended by CR LF; returns the full path.
    QString writeLines(const QString& relative, const QStringList& lines) const;
    QByteArray read(const QString& relative) const;
    // A language file of the languages folder whose 200 lines name
    // themselves: line k reads "<german> k" in German and "<english> k" in
    // English, or the text `own` gives it in both.
    void writeLanguageTable(const char* file, const char* german, const char* english,
                            const QMap<int, QString>& own = {}) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
