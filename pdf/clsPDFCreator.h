#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class WholeFileWriter;

// Metrics of one font made by LoadFont: widths in thousandths of the font size.
struct FontMetrics {
    QString BaseFont;
    std::uint8_t FirstChar = 0;
    std::uint8_t LastChar = 0;
    QString DescriptorText;
    // Indexed by character code; entries outside FirstChar..LastChar stay 0.
    std::int32_t Widths[256] = {};
    std::int32_t MissingWidth = 0;
};

// A form object drawn by name, and by itself on the pages its flags select.
struct FormObjectRecord {
    QString name;
    std::int32_t flags = 0;
};

// The program's own PDF 1.3 writer: one document at a time, written front to
// back as text lines (CR inside a line, CR LF at its end) into a file that is
// replaced only when ClosePDFFile commits it. Positions and lengths are taken
// in the ScaleMode unit in page space (origin bottom left, y upward); font
// sizes and text spacing in points. Failures are RuntimeErrors: input/output
// for a file that cannot be written, argument for a number that is not
// finite or a stream opened or closed out of turn, overflow past the 16-bit
// object, page, form and font counters.
class clsPDFCreator {
public:
    clsPDFCreator();
    // An unfinished document is dropped; an older file of its name stays.
    virtual ~clsPDFCreator();
    clsPDFCreator(const clsPDFCreator&) = delete;
    clsPDFCreator& operator=(const clsPDFCreator&) = delete;

    // Document set-up.
    void SetPages(std::int16_t pages) { m_pages = pages; }
    void setEncodeASCII85(bool encode) { m_encodeASCII85 = encode; }
    void setMargin(float value) { m_margin = ToPoints(value); }
    void setPaperWidth(float value);
    void setPaperHeight(float value);
    std::int16_t Pages() const { return m_pages; }
    void setScaleMode(std::int32_t mode) { m_scaleMode = mode; }
    void setPaperSize(std::int32_t code);
    void setOrientation(std::int32_t code) { m_orientation = code; }
    void setTitle(const QString& title) { m_title = title; }

    std::int32_t ScaleMode() const { return m_scaleMode; }
    std::int32_t PaperSize() const { return m_paperSize; }
    float PaperWidth() const { return m_paperWidth; }
    float PaperHeight() const { return m_paperHeight; }
    float Margin() const { return m_margin; }
    std::int32_t Orientation() const { return m_orientation; }
    QString title() const { return m_title; }
    bool EncodeASCII85() const { return m_encodeASCII85; }

    // An empty path becomes "QuorDVDSammlung", a random digit and ".pdf" in
    // the program folder and is handed back. A relative path lies in the
    // program folder.
    void InitPDFFile(QString& path);
    void ClosePDFFile();
    std::int16_t BeginPage();
    void EndPage();

    // Text state and text.
    void SetWordSpacing(float value);
    void SetCharSpacing(float value);
    void SetTextHorizontalScaling(float percent);
    void SetTextRenderingMode(float mode);
    // align 1 puts the text's right end at x, 2 its centre; angle in degrees.
    void DrawText(float x, float y, QStringView text, QStringView fontName, float size, std::int32_t align,
                  float angle);

    // Colours are 0x00BBGGRR, or a grey level from 0 (black) to -255 (white).
    void SetColorStroke(std::int32_t colour);
    void SetColorFill(std::int32_t colour);
    void SetDash(float on, float off);
    void SetLineWidth(float width);
    void SetLineCap(std::int16_t style);
    void SetLineJoin(std::int16_t style);
    void SetMiterLimit(float limit);

    // Paths; flags: 1 stroke, 2 close, 4 fill.
    void MoveTo(float x, float y);
    void LineTo(float x, float y, std::int32_t flags);
    void Curve(float x1, float y1, float x2, float y2, float x3, float y3, std::int32_t flags);
    void Rectangle(float x, float y, float width, float height, std::int32_t flags, float radius);
    void DrawCircle(float x, float y, float radius, std::int32_t flags);
    void Arc(float x, float y, float radius, float startAngle, float endAngle, float ratio, bool pie,
             float rotation, std::int16_t step, std::int32_t flags);

    // Fonts; style 0 regular, 1 bold, 2 italic, 3 bold italic.
    void LoadFontStandard(const QString& name, const QString& fontName, std::int32_t style);
    void LoadFont(const QString& name, const QString& fontName, std::int32_t style);

    // Form objects; flags: 2 even pages, 4 odd pages, 8 not on page 1, 7 every page.
    void StartObject(const QString& name, std::int32_t flags);
    void EndObject();
    void DrawObject(QStringView name);

    // Images, loaded while no page or form is open and drawn by name on any
    // page. False, and nothing written, when the file is missing or is no
    // bitmap that can be read; an input/output error when it cannot be opened.
    bool LoadImgFromBMPFile(const QString& name, const QString& path, bool gray);
    // data: rows bottom row first, each row's bytes without padding (24 bits:
    // red, green, blue per pixel, or one grey byte); palette (1, 4, 8 bits):
    // 2^bitsPerPixel entries of red, green, blue, or one grey byte each. An
    // argument error, and nothing written, for a picture of another layout.
    void LoadImgFromArray(const QString& name, const QByteArray& data, const QByteArray& palette, std::int32_t width,
                          std::int32_t height, std::uint8_t bitsPerPixel, bool gray);
    // The image's top left corner at (x, y), w wide and h high.
    void DrawImg(QStringView name, float x, float y, float w, float h);

    // Width of the text in ScaleMode units; 0 for a font that LoadFont did not make.
    float Length(QStringView text, QStringView fontName, float size) const;

protected:
    // The object writer, for the parts of the writer that make objects.
    std::int32_t OpenObj(std::int32_t number);
    void CloseObj();
    void WriteLine(std::string_view line);
    void PaintPath(std::int32_t flags);
    // Draws an image or form by name into the box from x to x + w across and
    // from y - h up to y, its first row at the bottom; a negative height
    // turns it over.
    void PlaceXObject(QStringView name, float x, float y, float w, float h);

    float ToPoints(float value) const;
    float FromPoints(float value) const;

    // Reads a bitmap file into the layout LoadImgFromArray takes; the height
    // comes out positive whichever way the rows are stored. False, with the
    // outputs unchanged, for a missing file or one that is no readable bitmap.
    static bool ReadBMPFile(const QString& path, QByteArray& data, QByteArray& palette, std::int32_t& width,
                            std::int32_t& height, std::uint8_t& bitsPerPixel, bool gray);
    // The ASCII85 text of the bytes, ended by "~>".
    static QByteArray ToASCII85(QByteArrayView bytes);

    // Bytes written to the document so far.
    std::int64_t position() const { return m_flushed + static_cast<std::int64_t>(m_out.size()); }

private:
    enum class Stream { None, Page, Form };

    // One operation's lines: when it fails they are taken back, so the
    // document holds whole operations only. Pending bytes are handed to the
    // file between operations.
    class Operation {
    public:
        explicit Operation(clsPDFCreator& writer);
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        clsPDFCreator& m_writer;
        std::size_t m_start;
        std::int64_t m_flushedAtStart;
        int m_exceptions;
    };
    friend class Operation;

    // The open document's pending bytes; an input/output error when none is open.
    std::string& out();
    void endLine() { m_out += "\r\n"; }
    void num(double value);
    void point(float x, float y);
    void flush();
    void requireNoStream(const char* what) const;
    void requireFreeObjects(std::int32_t count) const;
    void endStream(Stream kind);
    void DrawPageObjects();
    void writeColour(std::int32_t colour, const char* grayOp, const char* rgbOp);

    void FontCourierNew(std::int32_t style, FontMetrics& metrics) const;
    void FontTimesNewRoman(std::int32_t style, FontMetrics& metrics) const;
    void FontSymbol(std::int32_t style, FontMetrics& metrics) const;
    void FontArial(std::int32_t style, FontMetrics& metrics) const;

    // Properties, kept from one document to the next.
    std::int16_t FileNumber = 0;
    QString m_title;
    std::int32_t m_paperSize = 0;
    float m_paperWidth = 595.2f;
    float m_paperHeight = 842.0f;
    std::int32_t m_scaleMode = 0;
    std::int32_t m_orientation = 0;
    std::int16_t m_pages = 0;
    float m_margin = 0;
    bool m_encodeASCII85 = false;

    // State of the open document.
    QString OutputPath;
    std::unique_ptr<WholeFileWriter> m_file;
    std::string m_out;
    std::int64_t m_flushed = 0;
    int m_operationDepth = 0;
    Stream m_stream = Stream::None;
    std::string KidsList;
    std::string FontList;
    QString FontIndex;
    std::string ImageList;
    std::string FormList;
    std::int16_t ResourcesObject = 0;
    std::int16_t PagesObject = 0;
    std::int32_t HighestObject = 0;
    std::int64_t StreamStart = 0;
    float CharSpacing = 0;
    float WordSpacing = 0;
    float HorizontalScaling = 100;
    // Offset of each object's first line by number; -1 for a number not written.
    std::vector<std::int64_t> XrefTable;
    std::vector<FormObjectRecord> FormObjects;
    std::vector<FontMetrics> FontTable;

    // The last font name drawn with, in the file's encoding.
    QString m_lastFontName;
    std::string m_lastFontBytes;
};
