// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QTextDocument;
class QWidget;

namespace tzolkara {

class Desktop;

// A reading as a PDF file: on page 1 the reading's pictures beside the name
// and the date, then the reading's text with its formats, on A4 pages with
// the page number and the program's name and version in the footer.
// Pictures are drawn from their SVG, so they stay vector graphics.
namespace ReadingPdf {

struct Picture
{
    QString resource; // an SVG resource
    QRectF place;     // in points, within the picture area
    QString caption;  // shown centred under the picture, if any
};

struct Header
{
    QString heading;    // the program, e.g. "Tzolkara Mayan Astrology"
    QString name;       // the person, larger
    QStringList lines;  // the date, then further facts
    QSizeF pictureArea; // in points
    QList<Picture> pictures;
};

// The PDF's bytes; `title` goes into the document's metadata with the
// program as author, without the control characters metadata cannot hold.
QByteArray render(const QString &title, const Header &header, const QTextDocument &body);

// Renders and saves; on failure the file is left as it was and `error`
// says why.
bool save(const QString &path, const QString &title, const Header &header,
          const QTextDocument &body, QString *error);

// "<name> - <date>.pdf", with the characters a file name cannot hold left out
// and the name cut, between two characters, to keep within 255 bytes.
QString suggestedFileName(const QString &name, const QString &date);

// The file dialog and the save of a reading's PDF, as the screens offer it:
// a cancel does nothing, a failure says why.
void exportWithDialog(Desktop &desktop, QWidget *parent, const QString &suggestedName,
                      const QString &title, const Header &header, const QTextDocument &body);

} // namespace ReadingPdf
} // namespace tzolkara
