#pragma once

#include <QByteArrayView>
#include <cstring>
#include <vector>

// The tags of a part scanned by bytes. It knows start and end tags, text and
// references; anything else (a comment, a processing instruction, CDATA, a
// document type, a name beyond ASCII) or anything malformed makes it unsure,
// and its caller then leaves the part to the XML reader.
class XlsxByteScanner {
public:
    struct Tag {
        bool isEnd = false;
        bool selfClosing = false;
        const char* begin = nullptr;  // at "<"
        const char* finish = nullptr; // after ">"
        QByteArrayView name;          // as written, with any prefix
        QByteArrayView local;
        const char* attributes = nullptr;    // after the name
        const char* attributesEnd = nullptr; // at "/>" or ">"
    };
    struct Attribute {
        const char* begin = nullptr; // at the blank before the name
        const char* end = nullptr;   // after the closing quote
        QByteArrayView local;
        QByteArrayView value; // as written, references undecoded
    };

    XlsxByteScanner(const char* from, const char* end) : m_p(from), m_end(end) {}

    bool unsure() const { return m_unsure; }
    const char* position() const { return m_p; }

    // The next tag; false at the end of the data or once unsure.
    bool next(Tag& t);

    // Through the end of the element whose start tag next() gave last, when
    // its content is dropped; formula tells whether an element "f" stands
    // inside. What is dropped must be as sure as what is kept: a sheet that
    // is not well-formed is never written back.
    bool skipDropped(QByteArrayView name, bool& formula);

    // The next attribute of a tag that next() gave, from p on.
    static bool nextAttribute(const char*& p, const char* end, Attribute& a)
    {
        a.begin = p;
        while (p < end && isBlank(*p))
            ++p;
        if (p >= end)
            return false;
        const char* name = p;
        while (!isBlank(*p) && *p != '=')
            ++p;
        const QByteArrayView qualified(name, p - name);
        const qsizetype colon = qualified.indexOf(':');
        a.local = colon < 0 ? qualified : qualified.sliced(colon + 1);
        while (*p != '"' && *p != '\'')
            ++p;
        const char* close = static_cast<const char*>(std::memchr(p + 1, *p, static_cast<size_t>(end - p - 1)));
        a.value = QByteArrayView(p + 1, close - p - 1);
        p = a.end = close + 1;
        return true;
    }

    // UTF-8 that XML allows: no control character but tab and line ends, no
    // surrogate, no U+FFFE or U+FFFF, no overlong form.
    static bool isXmlUtf8(QByteArrayView data);

    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    // A name or value compared with a literal: inlined, where the general
    // comparison calls the library for every cell of a sheet.
    template <size_t N>
    static bool is(QByteArrayView v, const char (&literal)[N])
    {
        return v.size() == static_cast<qsizetype>(N - 1) && std::memcmp(v.data(), literal, N - 1) == 0;
    }

private:
    // Text from p up to the stop character or the end: no "<" before it,
    // every "&" a reference, and in text no "]]>".
    bool skipText(const char*& p, char stop) const;
    bool skipSpecialText(const char*& p, char stop) const;
    // A tag's name from p on, with its local part; p is after it.
    bool scanName(const char*& p, QByteArrayView& name, QByteArrayView& local) const;
    // A start tag's attributes from p on, each name once; p is after the
    // tag, end at its "/>" or ">".
    bool scanAttributes(const char*& p, const char*& end, bool& selfClosing);

    bool fail()
    {
        m_unsure = true;
        return false;
    }

    const char* m_p;
    const char* m_end;
    bool m_unsure = false;
    std::vector<QByteArrayView> m_open;
    std::vector<QByteArrayView> m_attributeNames; // of the tag being scanned
};
