#include "report/RtfNoteReader.h"
#include "report/RtfScanner.h"
#include "report/RtfSyntax.h"

#include <QBuffer>
#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QImageReader>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <array>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The Windows code page of an RTF character set, 0 for one this reader does not decode.
int codePageOfCharset(long charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

// What the characters of a group look like.
struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int vertical = 0;    // -1 subscript, 1 superscript
    int halfPoints = 24; // \fs
    long font = -1;      // index in the font table; -1: the default font
    bool operator==(const CharProps&) const = default;
};

struct TabStop {
    long twips = 0;
    QTextOption::TabType type = QTextOption::LeftTab;
};

// The properties of the paragraph being read.
struct ParaProps {
    Qt::Alignment align = Qt::AlignLeft;
    long spaceBefore = 0, spaceAfter = 0; // twips
    long left = 0, right = 0, first = 0;  // twips
    long lineSpacing = 0;                 // \sl
    bool lineMultiple = false;            // \slmult1
    bool keepWithNext = false;
    bool pageBreakBefore = false;
    bool inTable = false;
    bool dotLeader = false;
    std::vector<TabStop> tabs;
    QTextOption::TabType nextTabType = QTextOption::LeftTab; // for the next \tx
    bool nextLeader = false;
};

enum class Destination { Body, Skip, FontTable, Picture };

struct Group {
    Destination destination = Destination::Body;
    int uc = 1;
    CharProps chars;
    ParaProps para;
};

struct Font {
    QString name;
    QFont::StyleHint hint = QFont::AnyStyle;
    int codePage = 0;
};

// A piece of a paragraph: text in one look, or a picture.
struct Run {
    QString text;
    CharProps chars;
    QString image; // the document resource of a picture
    QSizeF size;   // of the picture, pixels
};

class Reader {
public:
    explicit Reader(QTextDocument& doc)
        : m_doc(doc), m_cursor(&doc), m_dpi(RtfNoteReader::pixelsPerInch()) {}

    void read(const QByteArray& rtf);

private:
    static constexpr std::size_t kMaxDepth = 256;
    static constexpr int kMaxColumns = 64;
    static constexpr qsizetype kMaxPictureSide = 8192;
    static constexpr long kMaxTwips = 31680; // 22 inches

    qreal px(long twips) const { return qreal(twips) * m_dpi / 1440.0; }
    Group& group() { return m_groups.back(); }

    void controlWord(std::string_view word, bool hasParameter, long parameter);
    void controlSymbol(char symbol);
    void plainByte(char c);
    void character(char16_t c);
    void byteOfCodePage(unsigned char byte);
    void endGroup();

    void beginPicture();
    void endPicture();
    void fontTableWord(std::string_view word, bool hasParameter, long parameter);

    void endParagraph(bool cellEnds);
    void endRow();
    void leaveTable();
    QTextBlockFormat blockFormat(const ParaProps& p) const;
    // The format of characters with props c, made once per document while the fonts stay.
    const QTextCharFormat& charFormat(const CharProps& c);
    QTextCharFormat madeCharFormat(const CharProps& c) const;
    void writeRuns(QTextCursor& cursor);

    const std::array<char16_t, 128>& upperHalf(int codePage);

    QTextDocument& m_doc;
    QTextCursor m_cursor;
    qreal m_dpi;
    std::vector<Group> m_groups{Group{}};
    int m_overflow = 0;        // groups opened beyond kMaxDepth
    bool m_ignorable = false;  // \* read, its destination's word still to come
    bool m_groupStart = false; // nothing read yet in the group just opened
    int m_fallbackLeft = 0;    // characters after \uN still to skip

    // The document.
    int m_codePage = 1252;
    long m_defaultFont = 0;
    std::map<long, Font> m_fonts;
    long m_fontInTable = -1;
    std::map<int, std::array<char16_t, 128>> m_upperHalves;
    // The character formats made, for the fonts as they are (a font defined empties it).
    std::vector<std::pair<CharProps, QTextCharFormat>> m_charFormats;
    long m_paperWidth = 11906, m_paperHeight = 16838; // twips
    long m_marginLeft = 1800, m_marginRight = 1800, m_marginTop = 1440, m_marginBottom = 1440;

    // The paragraph being read.
    std::vector<Run> m_runs;
    bool m_freshBlock = true; // the cursor's block is empty and not yet used
    bool m_breakBefore = false;

    // The table being read.
    QTextTable* m_table = nullptr;
    std::vector<long> m_cellEdges; // \cellx of the row definition
    bool m_rowHasBorders = false;
    long m_cellGap = 108;
    int m_row = 0, m_column = 0;
    bool m_rowOpen = false;
    bool m_cellUsed = false; // the cell already holds a paragraph

    // The picture being read.
    std::size_t m_pictureDepth = 0; // the depth of its group, 0 for none
    QByteArray m_pictureData;
    int m_pictureNibble = -1;
    QByteArray m_pictureFormat;
    long m_pictureGoalW = 0, m_pictureGoalH = 0;       // \picwgoal, \pichgoal (twips)
    long m_pictureScaleX = 100, m_pictureScaleY = 100; // \picscalex, \picscaley (percent)
    int m_pictures = 0;
};

void Reader::read(const QByteArray& rtf) {
    using Kind = rtf::Token::Kind;
    rtf::Scanner scanner(std::string_view(rtf.constData(), std::size_t(rtf.size())));
    rtf::Token t;
    while (scanner.next(t)) {
        const bool atGroupStart = std::exchange(m_groupStart, false);
        // Binary data (\bin without a length has none): a picture's, or skipped; it counts as
        // one fallback character.
        if (t.kind == Kind::Binary || (t.kind == Kind::Word && t.word == "bin")) {
            if (m_fallbackLeft > 0)
                --m_fallbackLeft;
            else if (group().destination == Destination::Picture)
                m_pictureData.append(t.data.data(), qsizetype(t.data.size()));
            continue;
        }
        switch (t.kind) {
        case Kind::GroupOpen:
            m_fallbackLeft = 0;
            if (m_groups.size() >= kMaxDepth) {
                ++m_overflow;
                break;
            }
            m_groups.push_back(group());
            m_groupStart = true;
            break;
        case Kind::GroupClose:
            m_fallbackLeft = 0;
            if (m_overflow > 0)
                --m_overflow;
            else
                endGroup();
            break;
        case Kind::Word:
            if (m_fallbackLeft > 0) {
                --m_fallbackLeft;
                break;
            }
            if (std::exchange(m_ignorable, false) && atGroupStart && t.word != "shppict" &&
                t.word != "pict") {
                group().destination = Destination::Skip;
                break;
            }
            controlWord(t.word, t.hasParameter, t.parameter);
            break;
        case Kind::HexByte:
            if (m_fallbackLeft > 0)
                --m_fallbackLeft;
            else if (t.byte >= 0)
                byteOfCodePage(static_cast<unsigned char>(t.byte));
            break;
        case Kind::Symbol:
            if (t.character == '*') {
                m_ignorable = true;
                m_groupStart = atGroupStart; // the destination's word is still to come
            } else if (m_fallbackLeft > 0) {
                --m_fallbackLeft;
            } else {
                controlSymbol(t.character);
            }
            break;
        case Kind::Byte:
            if (t.character != '\r' && t.character != '\n')
                plainByte(t.character);
            break;
        case Kind::Binary:
            break;
        }
    }
    // A document cut short: what was read of its last paragraph still shows.
    if (!m_runs.empty())
        endParagraph(false);

    // Margins that leave no room for the text are damage: the defaults of RTF instead.
    if (m_marginLeft + m_marginRight > m_paperWidth - 1440)
        m_marginLeft = m_marginRight = std::min(1800L, (m_paperWidth - 1440) / 2);
    if (m_marginTop + m_marginBottom > m_paperHeight - 1440)
        m_marginTop = m_marginBottom = std::min(1440L, (m_paperHeight - 1440) / 2);
    QTextFrameFormat page = m_doc.rootFrame()->frameFormat();
    page.setLeftMargin(px(m_marginLeft));
    page.setRightMargin(px(m_marginRight));
    page.setTopMargin(px(m_marginTop));
    page.setBottomMargin(px(m_marginBottom));
    m_doc.rootFrame()->setFrameFormat(page);
    m_doc.setPageSize(QSizeF(px(m_paperWidth), px(m_paperHeight)));
}

void Reader::plainByte(char c) {
    if (m_fallbackLeft > 0) {
        --m_fallbackLeft;
        return;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (group().destination == Destination::Picture) {
        const int v = rtf::hexValue(c);
        if (v < 0)
            return;
        if (m_pictureNibble < 0) {
            m_pictureNibble = v;
        } else {
            m_pictureData += char(m_pictureNibble * 16 + v);
            m_pictureNibble = -1;
        }
    } else if (byte >= 0x80) {
        byteOfCodePage(byte);
    } else if (byte >= 0x20 || c == '\t') {
        character(char16_t(byte));
    }
}

void Reader::endGroup() {
    if (m_groups.size() <= 1)
        return;
    if (m_pictureDepth == m_groups.size())
        endPicture();
    if (group().destination == Destination::FontTable &&
        m_groups[m_groups.size() - 2].destination != Destination::FontTable)
        m_fontInTable = -1;
    m_groups.pop_back();
}

void Reader::controlWord(std::string_view w, bool hasParameter, long v) {
    Group& g = group();
    if (g.destination == Destination::Skip)
        return;
    if (w == "uc" && hasParameter) {
        g.uc = int(std::clamp(v, 0L, 255L));
        return;
    }
    if (w == "u" && hasParameter) {
        character(char16_t(v < 0 ? v + 65536 : v));
        m_fallbackLeft = g.uc;
        return;
    }
    if (g.destination == Destination::FontTable) {
        fontTableWord(w, hasParameter, v);
        return;
    }
    if (w == "fonttbl") {
        g.destination = Destination::FontTable;
        return;
    }
    if (w == "pict") {
        if (m_pictureDepth == 0 && g.destination == Destination::Body)
            beginPicture();
        else
            g.destination = Destination::Skip;
        return;
    }
    if (rtf::isHiddenDestination(w)) {
        g.destination = Destination::Skip;
        return;
    }
    if (g.destination == Destination::Picture) {
        if (w == "pngblip")
            m_pictureFormat = "png";
        else if (w == "jpegblip")
            m_pictureFormat = "jpg";
        else if (w == "picwgoal")
            m_pictureGoalW = v;
        else if (w == "pichgoal")
            m_pictureGoalH = v;
        else if (w == "picscalex")
            m_pictureScaleX = v;
        else if (w == "picscaley")
            m_pictureScaleY = v;
        return;
    }

    const bool on = !hasParameter || v != 0;
    // Lengths beyond the largest paper are damage, not layout.
    v = std::clamp(v, -kMaxTwips, kMaxTwips);
    CharProps& c = g.chars;
    ParaProps& para = g.para;
    // The document.
    if (w == "ansicpg" && hasParameter) {
        if (rtf::upperHalf("windows-" + QByteArray::number(qlonglong(v))))
            m_codePage = int(v);
    } else if (w == "deff" && hasParameter) {
        m_defaultFont = v;
        m_charFormats.clear();
    } else if (w == "paperw" && v >= 1440) {
        m_paperWidth = v;
    } else if (w == "paperh" && v >= 1440) {
        m_paperHeight = v;
    } else if (w == "margl" && v >= 0) {
        m_marginLeft = v;
    } else if (w == "margr" && v >= 0) {
        m_marginRight = v;
    } else if (w == "margt" && v >= 0) {
        m_marginTop = v;
    } else if (w == "margb" && v >= 0) {
        m_marginBottom = v;
        // Paragraphs.
    } else if (w == "par" || w == "sect") {
        endParagraph(false);
    } else if (w == "page") {
        if (!m_runs.empty())
            endParagraph(false);
        m_breakBefore = true;
    } else if (w == "pard") {
        para = ParaProps{};
    } else if (w == "ql") {
        para.align = Qt::AlignLeft;
    } else if (w == "qr") {
        para.align = Qt::AlignRight;
    } else if (w == "qc") {
        para.align = Qt::AlignHCenter;
    } else if (w == "qj") {
        para.align = Qt::AlignJustify;
    } else if (w == "sb") {
        para.spaceBefore = v;
    } else if (w == "sa") {
        para.spaceAfter = v;
    } else if (w == "li" || w == "lin") {
        para.left = v;
    } else if (w == "ri" || w == "rin") {
        para.right = v;
    } else if (w == "fi") {
        para.first = v;
    } else if (w == "sl") {
        para.lineSpacing = v;
    } else if (w == "slmult") {
        para.lineMultiple = on;
    } else if (w == "keepn") {
        para.keepWithNext = on;
    } else if (w == "pagebb") {
        para.pageBreakBefore = on;
    } else if (w == "intbl") {
        para.inTable = true;
    } else if (w == "tqr") {
        para.nextTabType = QTextOption::RightTab;
    } else if (w == "tqc") {
        para.nextTabType = QTextOption::CenterTab;
    } else if (w == "tqdec") {
        para.nextTabType = QTextOption::DelimiterTab;
    } else if (w == "tldot" || w == "tlmdot") {
        para.nextLeader = true;
    } else if ((w == "tx" || w == "tb") && hasParameter) {
        if (w == "tx" && para.tabs.size() < 64) {
            para.tabs.push_back({v, para.nextTabType});
            para.dotLeader = para.dotLeader || para.nextLeader;
        }
        para.nextTabType = QTextOption::LeftTab;
        para.nextLeader = false;
        // Tables.
    } else if (w == "trowd") {
        m_cellEdges.clear();
        m_rowHasBorders = false;
        m_cellGap = 108;
    } else if (w == "cellx" && hasParameter) {
        if (m_cellEdges.size() < std::size_t(kMaxColumns))
            m_cellEdges.push_back(v);
    } else if (w == "trgaph" && v >= 0) {
        m_cellGap = v;
    } else if (w.substr(0, 6) == "clbrdr" || w.substr(0, 6) == "trbrdr") {
        m_rowHasBorders = true;
    } else if (w == "cell") {
        endParagraph(true);
    } else if (w == "row") {
        endRow();
        // Characters.
    } else if (w == "plain") {
        c = CharProps{};
    } else if (w == "b") {
        c.bold = on;
    } else if (w == "i") {
        c.italic = on;
    } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "ulth") {
        c.underline = on;
    } else if (w == "ulnone") {
        c.underline = false;
    } else if (w == "strike") {
        c.strike = on;
    } else if (w == "sub") {
        c.vertical = -1;
    } else if (w == "super") {
        c.vertical = 1;
    } else if (w == "nosupersub") {
        c.vertical = 0;
    } else if (w == "fs" && v > 0) {
        c.halfPoints = int(std::min(v, 1000L));
    } else if (w == "f" && hasParameter) {
        c.font = v;
    } else if (w == "line") {
        character(u'\u2028');
    } else if (const char16_t ch = rtf::characterOfWord(w)) {
        character(ch);
    }
}

void Reader::controlSymbol(char s) {
    if (group().destination == Destination::FontTable && s != '\\' && s != '{' && s != '}')
        return;
    if (s == '\r' || s == '\n') {
        if (group().destination == Destination::Body)
            endParagraph(false);
    } else if (const char16_t c = rtf::characterOfSymbol(s)) {
        character(c);
    }
}

void Reader::character(char16_t c) {
    // Control characters are no text; the characters QTextDocument keeps for its own structure
    // (frames, objects, paragraph ends) are none either.
    if (c < 0x20 && c != u'\t')
        return;
    if (c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c == 0x2029)
        c = u'\uFFFD';
    Group& g = group();
    if (g.destination == Destination::FontTable) {
        if (m_fontInTable < 0)
            return;
        Font& font = m_fonts[m_fontInTable];
        m_charFormats.clear();
        if (c == u';')
            m_fontInTable = -1;
        else if (font.name.size() < 64)
            font.name += QChar(c);
        return;
    }
    if (g.destination != Destination::Body)
        return;
    if (!m_runs.empty() && m_runs.back().image.isEmpty() && m_runs.back().chars == g.chars)
        m_runs.back().text += QChar(c);
    else
        m_runs.push_back({QString(QChar(c)), g.chars, {}, {}});
}

void Reader::byteOfCodePage(unsigned char byte) {
    if (byte < 0x80) {
        character(byte);
        return;
    }
    int codePage = m_codePage;
    const Group& g = group();
    if (g.destination == Destination::Body) {
        const auto font = m_fonts.find(g.chars.font < 0 ? m_defaultFont : g.chars.font);
        if (font != m_fonts.end() && font->second.codePage != 0)
            codePage = font->second.codePage;
    } else if (g.destination == Destination::FontTable && m_fontInTable >= 0) {
        const int own = m_fonts[m_fontInTable].codePage;
        codePage = own != 0 ? own : codePage;
    }
    character(upperHalf(codePage)[byte - 0x80]);
}

const std::array<char16_t, 128>& Reader::upperHalf(int codePage) {
    auto [it, inserted] = m_upperHalves.try_emplace(codePage);
    if (inserted) {
        it->second.fill(u'\uFFFD');
        if (const auto half = rtf::upperHalf("windows-" + QByteArray::number(codePage)))
            it->second = *half;
    }
    return it->second;
}

void Reader::fontTableWord(std::string_view w, bool hasParameter, long v) {
    m_charFormats.clear();
    if (w == "f" && hasParameter) {
        m_fontInTable = v;
        m_fonts[v] = Font{};
        return;
    }
    if (rtf::isHiddenDestination(w) || w == "panose" || w == "falt" || w == "fname" ||
        w == "fontemb" || w == "fontfile") {
        group().destination = Destination::Skip;
        return;
    }
    if (m_fontInTable < 0)
        return;
    Font& font = m_fonts[m_fontInTable];
    if (w == "froman")
        font.hint = QFont::Serif;
    else if (w == "fswiss")
        font.hint = QFont::SansSerif;
    else if (w == "fmodern")
        font.hint = QFont::TypeWriter;
    else if (w == "fscript")
        font.hint = QFont::Cursive;
    else if (w == "fdecor")
        font.hint = QFont::Decorative;
    else if (w == "fcharset" && hasParameter)
        font.codePage = codePageOfCharset(v);
}

void Reader::beginPicture() {
    group().destination = Destination::Picture;
    m_pictureDepth = m_groups.size();
    m_pictureData.clear();
    m_pictureNibble = -1;
    m_pictureFormat.clear();
    m_pictureGoalW = m_pictureGoalH = 0;
    m_pictureScaleX = m_pictureScaleY = 100;
}

void Reader::endPicture() {
    m_pictureDepth = 0;
    const QByteArray data = std::exchange(m_pictureData, {});
    if (m_pictureFormat.isEmpty())
        return;
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, m_pictureFormat);
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.width() > kMaxPictureSide || stored.height() > kMaxPictureSide)
        return;
    const QImage image = reader.read();
    if (image.isNull())
        return;
    // The size on the page: the goal in twips, else the picture's pixels at 96 per inch.
    const auto side = [&](long goal, long scale, int pixels) {
        const qreal base = goal > 0 ? px(std::min(goal, kMaxTwips)) : pixels * m_dpi / 96.0;
        return base * std::clamp(scale, 1L, 1000L) / 100.0;
    };
    const QSizeF size(side(m_pictureGoalW, m_pictureScaleX, image.width()),
                      side(m_pictureGoalH, m_pictureScaleY, image.height()));
    const QString name = QStringLiteral("rtf-picture:%1").arg(++m_pictures);
    m_doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    // The picture belongs to the paragraph around its group.
    const CharProps chars = m_groups[m_groups.size() - 2].chars;
    m_runs.push_back({QString(), chars, name, size});
}

QTextBlockFormat Reader::blockFormat(const ParaProps& p) const {
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setTopMargin(px(std::max(0L, p.spaceBefore)));
    f.setBottomMargin(px(std::max(0L, p.spaceAfter)));
    f.setLeftMargin(px(std::max(0L, p.left)));
    f.setRightMargin(px(std::max(0L, p.right)));
    f.setTextIndent(px(p.first));
    if (p.lineSpacing != 0) {
        if (p.lineMultiple && p.lineSpacing > 0)
            f.setLineHeight(std::min(1000.0, p.lineSpacing * 100.0 / 240.0),
                            QTextBlockFormat::ProportionalHeight);
        else if (p.lineSpacing > 0)
            f.setLineHeight(px(std::min(p.lineSpacing, 14400L)), QTextBlockFormat::MinimumHeight);
        else
            f.setLineHeight(px(std::min(-p.lineSpacing, 14400L)), QTextBlockFormat::FixedHeight);
    }
    QList<QTextOption::Tab> tabs;
    for (const TabStop& t : p.tabs)
        tabs.append(QTextOption::Tab(px(std::max(0L, t.twips) - std::max(0L, p.left)), t.type));
    if (!tabs.isEmpty())
        f.setTabPositions(tabs);
    if (p.keepWithNext)
        f.setProperty(RtfNoteReader::KeepWithNext, true);
    if (p.dotLeader)
        f.setProperty(RtfNoteReader::DotLeader, true);
    if (p.pageBreakBefore)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return f;
}

const QTextCharFormat& Reader::charFormat(const CharProps& c) {
    for (const auto& [props, format] : m_charFormats)
        if (props == c)
            return format;
    if (m_charFormats.size() >= 32)
        m_charFormats.clear();
    return m_charFormats.emplace_back(c, madeCharFormat(c)).second;
}

QTextCharFormat Reader::madeCharFormat(const CharProps& c) const {
    QTextCharFormat f;
    f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(c.italic);
    f.setFontUnderline(c.underline);
    f.setFontStrikeOut(c.strike);
    f.setFontPointSize(c.halfPoints / 2.0);
    if (c.vertical != 0)
        f.setVerticalAlignment(c.vertical < 0 ? QTextCharFormat::AlignSubScript
                                              : QTextCharFormat::AlignSuperScript);
    const auto font = m_fonts.find(c.font < 0 ? m_defaultFont : c.font);
    if (font != m_fonts.end()) {
        if (!font->second.name.trimmed().isEmpty())
            f.setFontFamilies(QStringList{font->second.name.trimmed()});
        f.setFontStyleHint(font->second.hint);
    }
    return f;
}

void Reader::writeRuns(QTextCursor& cursor) {
    for (Run& run : m_runs) {
        if (!run.image.isEmpty()) {
            QTextImageFormat f;
            f.setName(run.image);
            f.setWidth(run.size.width());
            f.setHeight(run.size.height());
            cursor.insertImage(f);
            continue;
        }
        // A surrogate without its other half is no character.
        for (qsizetype i = 0; i < run.text.size(); ++i) {
            const QChar ch = run.text[i];
            const bool pairStart =
                ch.isHighSurrogate() && i + 1 < run.text.size() && run.text[i + 1].isLowSurrogate();
            if (pairStart)
                ++i;
            else if (ch.isSurrogate())
                run.text[i] = QChar(QChar::ReplacementCharacter);
        }
        cursor.insertText(run.text, charFormat(run.chars));
    }
    m_runs.clear();
}

void Reader::endParagraph(bool cellEnds) {
    if (group().destination != Destination::Body) {
        m_runs.clear();
        return;
    }
    const ParaProps& para = group().para;
    QTextBlockFormat block = blockFormat(para);
    const QTextCharFormat chars = charFormat(group().chars);
    if (para.inTable || cellEnds) {
        if (!m_table) {
            QTextTableFormat table;
            table.setBorder(m_rowHasBorders ? px(8) : 0);
            table.setBorderCollapse(false);
            table.setBorderBrush(Qt::black);
            table.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            table.setCellSpacing(0);
            table.setCellPadding(px(m_cellGap));
            QList<QTextLength> widths;
            long left = 0;
            for (const long edge : m_cellEdges) {
                widths.append(QTextLength(QTextLength::FixedLength, px(std::max(edge - left, 1L))));
                left = std::max(left, edge);
            }
            if (!widths.isEmpty())
                table.setColumnWidthConstraints(widths);
            const int columns = std::clamp(int(m_cellEdges.size()), 1, kMaxColumns);
            m_table = m_cursor.insertTable(1, columns, table);
            m_row = m_column = 0;
            m_rowOpen = true;
            m_cellUsed = false;
        } else if (!m_rowOpen) {
            m_table->appendRows(1);
            ++m_row;
            m_column = 0;
            m_rowOpen = true;
            m_cellUsed = false;
        }
        if (m_column >= m_table->columns() && m_table->columns() < kMaxColumns)
            m_table->appendColumns(std::min(m_column + 1, kMaxColumns) - m_table->columns());
        const int column = std::min(m_column, m_table->columns() - 1);
        QTextCursor cell = m_table->cellAt(m_row, column).lastCursorPosition();
        if (m_cellUsed) {
            cell.insertBlock(block, chars);
        } else {
            cell.setBlockFormat(block);
            cell.setBlockCharFormat(chars);
        }
        writeRuns(cell);
        m_cellUsed = !cellEnds;
        if (cellEnds)
            ++m_column;
        return;
    }
    if (m_table)
        leaveTable();
    if (std::exchange(m_breakBefore, false))
        block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (std::exchange(m_freshBlock, false)) {
        m_cursor.setBlockFormat(block);
        m_cursor.setBlockCharFormat(chars);
    } else {
        m_cursor.insertBlock(block, chars);
    }
    writeRuns(m_cursor);
}

void Reader::endRow() {
    if (!m_runs.empty())
        endParagraph(true);
    m_rowOpen = false;
    m_column = 0;
    m_cellUsed = false;
}

void Reader::leaveTable() {
    m_table = nullptr;
    m_cursor.movePosition(QTextCursor::End);
    // The block that follows a table is empty: the next paragraph takes it.
    m_freshBlock = m_cursor.block().length() == 1;
}

} // namespace

std::unique_ptr<QTextDocument> RtfNoteReader::read(const QByteArray& rtf) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setUndoRedoEnabled(false);
    Reader(*doc).read(rtf);
    return doc;
}

qreal RtfNoteReader::pixelsPerInch() {
    // A font of 72 points is as many pixels high as the layout has pixels per inch. The fonts'
    // resolution is the application's, asked once.
    static const qreal dpi = [] {
        QFont probe;
        probe.setPointSizeF(72.0);
        const int pixels = QFontInfo(probe).pixelSize();
        return pixels > 0 ? qreal(pixels) : 96.0;
    }();
    return dpi;
}
