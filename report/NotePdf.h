// The calculation note as a PDF: A4 pages with page numbers, real text in embedded fonts, laid out
// from the filled note itself.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QIODevice;
class QPainter;
class QTextDocument;

// The title every note's PDF carries in its document information.
inline const QString kNotePdfTitle = QStringLiteral("Расчёт защитного заземления");

// Lays the note out on A4 once, with the margins the note asks for; the note's fonts become the
// metric-compatible Liberation families (which cover Cyrillic and Greek), so that the PDF looks
// the same on every desktop. A paragraph that must stay with the next one (a heading) starts a
// page rather than end one; tabs with dot leaders get their dots. The document information
// holds the title and the program as creator. Needs a QGuiApplication (fonts).
class NotePdf {
public:
    // The note as RtfNoteReader reads it (its resources, pictures among them, come along).
    explicit NotePdf(const QTextDocument& note);
    // The filled note's RTF, read with RtfNoteReader.
    explicit NotePdf(const QByteArray& filledRtf);
    ~NotePdf();
    NotePdf(const NotePdf&) = delete;
    NotePdf& operator=(const NotePdf&) = delete;

    // Loads what the first note's PDF would otherwise load on the user's path: the Liberation and
    // DejaVu fonts in the styles a note uses, the text layout and the PDF machinery, by writing a
    // small note into memory. The program calls it once its main window is drawn; the notes are
    // the same with or without it.
    static void warmUp();

    // The whole PDF into an open device; throws std::runtime_error when it cannot be painted.
    void write(QIODevice& device) const;

    // Writes the PDF to fileName through a temporary file in the same folder, renamed over
    // fileName only once it is complete: a failure leaves fileName as it was and no temporary
    // file behind. Throws EngineFailure (NotWritten) with the reason and the file's full path.
    void save(const QString& fileName) const;

private:
    explicit NotePdf(std::unique_ptr<QTextDocument> note);
    void layOut();
    void keepWithNext();
    // Moves the first table that a page break cuts although it fits on one page to the start of
    // the next page; whether one moved.
    bool keepTableTogether();
    void drawLeaders(QPainter& painter, int page) const;

    std::unique_ptr<QTextDocument> m_doc;
    qreal m_dpi = 96;       // pixels per inch of the layout
    qreal m_pageHeight = 0; // pixels
};
