#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <functional>

// Copies a part token by token, keeping every prefix and attribute as
// written. The copy collects in a string; raw() lets new elements be
// appended as text between the copied tokens. A part that is not
// well-formed is damage (XlsxXml).
class XlsxXmlCopier {
public:
    XlsxXmlCopier(const QByteArray& data, const QString& where);

    // The part without the elements that drop() picks.
    static QByteArray withoutElements(const QByteArray& data, const QString& where,
                                      const std::function<bool(const QXmlStreamReader&)>& drop);

    bool next();

    // The text written so far, with any open start tag closed.
    QString& raw()
    {
        w.writeCharacters(QString());
        return m_out;
    }

    void copyToken();
    // The writer leaves a carriage return in text as it is, and a reader
    // would take it for a line feed.
    void writeText(QStringView text);

    // From the current start element through its end, copied to the output
    // or passed over; onStart sees every start element inside it.
    void copyRest(const std::function<void(QStringView)>& onStart = {}) { walkRest(true, onStart); }
    void skipRest(const std::function<void(QStringView)>& onStart = {}) { walkRest(false, onStart); }

    QByteArray result() { return m_out.toUtf8(); }

private:
    void walkRest(bool copy, const std::function<void(QStringView)>& onStart);

    QString m_out;

public:
    QXmlStreamReader r;
    QXmlStreamWriter w;

private:
    QString m_where;
};
