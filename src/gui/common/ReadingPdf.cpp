// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/ReadingPdf.h"

#include "gui/common/Desktop.h"

#include "core/common/NameText.h"
#include "core/common/SafeSave.h"
#include "core/common/Version.h"
#include "gui/common/Fonts.h"
#include "gui/common/OnDemand.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>

namespace tzolkara::ReadingPdf {

namespace {

constexpr int kResolution = 300; // dots per inch of the layout
constexpr qreal kPointsToDots = kResolution / 72.0;
constexpr qreal kMargin = 50;      // points, left, right and top
constexpr qreal kFooterSpace = 60; // points below the text
constexpr int kPicturesObject = QTextFormat::UserObject + 1;
constexpr int kPicturesProperty = QTextFormat::UserProperty + 1;
// The longest file name most file systems hold, in bytes of UTF-8.
constexpr qsizetype kMaxFileNameBytes = 255;
// Qt sets no ligatures in letter-spaced text, so this hair of spacing, a
// 64th of a dot, unseen, keeps "fi" as two letters in the PDF's text
// layer: a ligature glyph is extracted as the one character U+FB01, which
// a search for the word does not find.
constexpr qreal kUnligatedSpacing = 1.0 / 64;

QFont unligated(QFont font)
{
    font.setLetterSpacing(QFont::AbsoluteSpacing, kUnligatedSpacing);
    return font;
}

void unligate(QTextDocument &document)
{
    document.setDefaultFont(unligated(document.defaultFont()));
    QTextCharFormat spacing;
    spacing.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    spacing.setFontLetterSpacing(kUnligatedSpacing);
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(spacing);
}

const QString &programCaption()
{
    static const QString caption = QStringLiteral("Tzolkara v" TZOLKARA_VERSION);
    return caption;
}

// The header's pictures, drawn as one object inside the text.
class PicturesObject final : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit PicturesObject(const Header &header) : m_header(header) {}

    QSizeF intrinsicSize(QTextDocument *, int, const QTextFormat &) override
    {
        return m_header.pictureArea * kPointsToDots;
    }

    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int,
                    const QTextFormat &) override
    {
        painter->save();
        painter->translate(rect.topLeft());
        painter->scale(kPointsToDots, kPointsToDots);
        // Sized in the painter's units, which are points here: a point size
        // would be scaled twice.
        QFont captionFont = unligated(verdana(7, true));
        captionFont.setPixelSize(7);
        painter->setFont(captionFont);
        for (const Picture &picture : m_header.pictures) {
            OnDemand::renderSvg(picture.resource, *painter, picture.place);
            if (!picture.caption.isEmpty()) {
                const QRectF below(picture.place.left() - 10, picture.place.bottom() + 1,
                                   picture.place.width() + 20, 10);
                painter->drawText(below, Qt::AlignHCenter | Qt::AlignTop, picture.caption);
            }
        }
        painter->restore();
    }

private:
    Header m_header;
};

// The header, at the start of the text: the pictures on the left, the name
// and the lines beside them.
void insertHeader(QTextDocument &document, const Header &header)
{
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::Start);
    QTextTableFormat tableFormat;
    tableFormat.setBorder(0);
    tableFormat.setCellPadding(0);
    tableFormat.setCellSpacing(0);
    tableFormat.setBottomMargin(18 * kPointsToDots);
    QTextTable *table = cursor.insertTable(1, 2, tableFormat);

    QTextCharFormat pictures;
    pictures.setObjectType(kPicturesObject);
    pictures.setProperty(kPicturesProperty, true);
    QTextCursor left = table->cellAt(0, 0).firstCursorPosition();
    left.insertText(QString(QChar::ObjectReplacementCharacter), pictures);

    QTextCursor right = table->cellAt(0, 1).firstCursorPosition();
    QTextBlockFormat indented;
    indented.setLeftMargin(16 * kPointsToDots);
    right.setBlockFormat(indented);
    QTextCharFormat heading;
    heading.setFont(unligated(verdana(10, true)));
    heading.setForeground(QColor(0, 128, 0));
    right.insertText(header.heading, heading);
    QTextCharFormat name;
    name.setFont(unligated(verdana(16, true)));
    name.setForeground(QColor(128, 0, 128));
    right.insertBlock(indented);
    right.insertText(NameText::oneLine(header.name), name);
    QTextCharFormat line;
    line.setFont(unligated(verdana(9.75)));
    line.setForeground(Qt::black);
    for (const QString &text : header.lines) {
        right.insertBlock(indented);
        right.insertText(text, line);
    }
}

void drawFooter(QPainter &painter, const QRectF &page, int number, int count)
{
    painter.save();
    painter.setFont(unligated(verdana(8)));
    painter.setPen(QColor(96, 96, 96));
    const qreal top = page.height() - kFooterSpace * kPointsToDots * 0.6;
    const QRectF line(kMargin * kPointsToDots, top, page.width() - 2 * kMargin * kPointsToDots,
                      14 * kPointsToDots);
    painter.drawLine(line.topLeft(), line.topRight());
    painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, programCaption());
    painter.drawText(
        line, Qt::AlignRight | Qt::AlignBottom,
        QCoreApplication::translate("ReadingPdf", "Page %1 of %2").arg(number).arg(count));
    painter.restore();
}

// The title and author on one line, as XML and PDF text strings hold them:
// control and format characters (a reading file can bring some in a name),
// halves of characters and the noncharacters XML refuses are left out.
QString metadataText(const QString &text)
{
    return NameText::withoutInvisibles(NameText::oneLine(text)).trimmed();
}

QString xmlEscaped(const QString &text)
{
    return metadataText(text).toHtmlEscaped();
}

QByteArray xmpMetadata(const QString &title, const QString &author)
{
    return QStringLiteral(
               "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
               "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
               "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
               "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
               "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">"
               "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>"
               "<dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>"
               "<xmp:CreatorTool>%3</xmp:CreatorTool>"
               "</rdf:Description></rdf:RDF></x:xmpmeta>\n<?xpacket end=\"w\"?>")
        .arg(xmlEscaped(title), xmlEscaped(author), xmlEscaped(programCaption()))
        .toUtf8();
}

// A PDF text string in UTF-16 with its byte-order mark, as hex.
QByteArray pdfText(const QString &text)
{
    QByteArray utf16("\xfe\xff", 2);
    for (const QChar c : text) {
        utf16.append(char(c.unicode() >> 8));
        utf16.append(char(c.unicode() & 0xff));
    }
    return '<' + utf16.toHex() + '>';
}

// The document information Qt writes has a title and a creator but no
// author. An incremental update, the way PDF editors amend a file, adds a
// complete information dictionary without touching the bytes before it.
QByteArray withInformation(const QByteArray &pdf, const QString &title, const QString &author)
{
    static const QRegularExpression trailer(
        QStringLiteral("trailer\\s*<<(.*?)>>\\s*startxref\\s*(\\d+)\\s*%%EOF\\s*$"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression sizeEntry(QStringLiteral("/Size\\s+(\\d+)"));
    static const QRegularExpression rootEntry(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)"));
    const QString text = QString::fromLatin1(pdf);
    const QRegularExpressionMatch match = trailer.match(text);
    if (!match.hasMatch())
        return pdf;
    const QRegularExpressionMatch size = sizeEntry.match(match.captured(1));
    const QRegularExpressionMatch root = rootEntry.match(match.captured(1));
    if (!size.hasMatch() || !root.hasMatch())
        return pdf;
    const int object = size.captured(1).toInt();

    QByteArray update = pdf;
    if (!update.endsWith('\n'))
        update += '\n';
    const qsizetype objectOffset = update.size();
    update += QByteArray::number(object) + " 0 obj\n<< /Title " + pdfText(title) + " /Author " +
              pdfText(author) + " /Creator " + pdfText(programCaption()) + " /Producer " +
              pdfText(programCaption()) + " >>\nendobj\n";
    const qsizetype xrefOffset = update.size();
    update += "xref\n" + QByteArray::number(object) + " 1\n" +
              QByteArray::number(objectOffset).rightJustified(10, '0') + " 00000 n \n";
    update += "trailer\n<< /Size " + QByteArray::number(object + 1) + " /Root " +
              root.captured(1).toLatin1() + " /Info " + QByteArray::number(object) + " 0 R /Prev " +
              match.captured(2).toLatin1() + " >>\nstartxref\n" + QByteArray::number(xrefOffset) +
              "\n%%EOF\n";
    return update;
}

} // namespace

QByteArray render(const QString &title, const Header &header, const QTextDocument &body)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QString author = QStringLiteral("Tzolkara");
    const QString cleanTitle = metadataText(title);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(cleanTitle);
        writer.setCreator(programCaption());
        writer.setDocumentXmpMetadata(xmpMetadata(cleanTitle, author));

        std::unique_ptr<QTextDocument> document(body.clone());
        unligate(*document);
        document->documentLayout()->setPaintDevice(&writer);
        PicturesObject pictures(header);
        document->documentLayout()->registerHandler(kPicturesObject, &pictures);
        insertHeader(*document, header);

        const QRectF page(0, 0, writer.width(), writer.height());
        const qreal margin = kMargin * kPointsToDots;
        const QSizeF textArea(page.width() - 2 * margin,
                              page.height() - margin - kFooterSpace * kPointsToDots);
        document->setDocumentMargin(0);
        document->setPageSize(textArea);
        const int pages = document->pageCount();

        QPainter painter(&writer);
        for (int p = 0; p < pages; ++p) {
            if (p > 0)
                writer.newPage();
            painter.save();
            painter.translate(margin, margin - p * textArea.height());
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(QPointF(0, p * textArea.height()), textArea);
            painter.setClipRect(context.clip);
            document->documentLayout()->draw(&painter, context);
            painter.restore();
            drawFooter(painter, page, p + 1, pages);
        }
        painter.end();
    }
    return withInformation(bytes, cleanTitle, author);
}

bool save(const QString &path, const QString &title, const Header &header,
          const QTextDocument &body, QString *error)
{
    return saveWholeFile(path, render(title, header, body), error);
}

QString suggestedFileName(const QString &name, const QString &date)
{
    QString safe = NameText::withoutInvisibles(NameText::oneLine(name));
    // Folders and characters that file systems or their users trip over.
    safe.removeIf([](QChar c) { return QStringView(u"/\\:*?\"<>|").contains(c); });
    safe = safe.simplified();
    while (safe.startsWith(QLatin1Char('.')))
        safe.remove(0, 1);

    const QString ending = QStringLiteral(" - ") + date + QStringLiteral(".pdf");
    // Cut between characters as the user sees them (an emoji, a letter with
    // its accents), at the last one that still fits.
    const qsizetype budget = kMaxFileNameBytes - ending.toUtf8().size();
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, safe);
    qsizetype fits = 0;
    qsizetype bytes = 0;
    for (qsizetype end = characters.toNextBoundary(); end > 0; end = characters.toNextBoundary()) {
        bytes += QStringView(safe).sliced(fits, end - fits).toUtf8().size();
        if (bytes > budget)
            break;
        fits = end;
    }
    safe = safe.left(fits).trimmed();
    return (safe.isEmpty() ? QCoreApplication::translate("ReadingPdf", "Reading") : safe) + ending;
}

void exportWithDialog(Desktop &desktop, QWidget *parent, const QString &suggestedName,
                      const QString &title, const Header &header, const QTextDocument &body)
{
    FileRequest request;
    request.title = applicationTitle();
    request.filter = QCoreApplication::translate("ReadingPdf", "PDF document (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.initialName = suggestedName;
    const QString path = desktop.saveFileName(parent, request);
    if (path.isEmpty())
        return;
    QString reason;
    if (!save(path, title, header, body, &reason)) {
        desktop.showError(parent, QCoreApplication::translate(
                                      "ReadingPdf", "The reading could not be saved to %1.\r%2")
                                      .arg(QDir::toNativeSeparators(path), reason));
    }
}

} // namespace tzolkara::ReadingPdf

#include "ReadingPdf.moc"
