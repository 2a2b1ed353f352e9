// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/readings/ReadingFile.h"

#include "core/common/RegularFile.h"
#include "core/common/SafeSave.h"
#include "core/common/ShiftCodec.h"
#include "core/common/Windows1252.h"
#include "core/engine/ReadingState.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

namespace tzolkara::ReadingFile {

namespace {

QByteArray encodeLine(const QString &text)
{
    return ShiftEncode(toWindows1252(text));
}

QString decodeLine(const QByteArray &line)
{
    return fromWindows1252(ShiftDecode(line));
}

QByteArray fullNameLine(const QString &name)
{
    return ShiftEncode(name.toUtf8().toPercentEncoding());
}

// The whole name from the fifth line, when it belongs to the first one.
QString fullNameFrom(const QByteArray &fifthLine, const QByteArray &firstLine)
{
    const QByteArray utf8 = QByteArray::fromPercentEncoding(ShiftDecode(fifthLine));
    // A name may begin with U+FEFF (pasted from a file): it is part of the
    // name, not a byte order mark to skip.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    const QString name = decoder.decode(utf8);
    if (decoder.hasError() || name.isEmpty() || encodeLine(name) != firstLine)
        return {};
    return name;
}

// Reads one line, without its line break (CR LF, or a bare LF as other
// editors write it). False at the end of the device; `tooLong` when the line
// has more than kMaxLineBytes, of which only the start has been read.
bool readLine(QIODevice &device, QByteArray &line, bool &tooLong)
{
    // At most the line's limit and its CR LF.
    line = device.readLine(kMaxLineBytes + 3);
    if (line.isEmpty())
        return false;
    const bool ended = line.endsWith('\n');
    if (ended)
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    tooLong = line.size() > kMaxLineBytes || (!ended && !device.atEnd());
    return true;
}

} // namespace

Inputs inputsOf(const ReadingState &state)
{
    return {state.UserName, QString::number(state.BirthYear), state.BirthMonth,
            QString::number(state.BirthDay)};
}

QByteArray encode(const Inputs &inputs)
{
    const QByteArray crlf("\r\n");
    const QByteArray nameLine = encodeLine(inputs.userName);
    QByteArray bytes = nameLine + crlf + encodeLine(inputs.birthYear) + crlf +
                       encodeLine(inputs.birthMonth) + crlf + encodeLine(inputs.birthDay) + crlf;
    if (decodeLine(nameLine) != inputs.userName)
        bytes += fullNameLine(inputs.userName) + crlf;
    return bytes;
}

std::optional<Inputs> decode(QIODevice &device)
{
    QList<QByteArray> lines;
    QByteArray line;
    bool tooLong = false;
    while (lines.size() < kMaxLines && readLine(device, line, tooLong)) {
        // Half a line is no value; an endless fifth line is no full name of
        // ours and is passed over like any other foreign fifth line.
        if (tooLong && lines.size() < kMaxLines - 1)
            return std::nullopt;
        lines.append(tooLong ? QByteArray() : line);
    }

    const bool hasLines = !lines.isEmpty();
    while (lines.size() < kMaxLines)
        lines.append(QByteArray());

    Inputs inputs{decodeLine(lines[0]), decodeLine(lines[1]), decodeLine(lines[2]),
                  decodeLine(lines[3]), hasLines};
    if (!lines[4].isEmpty()) {
        const QString fullName = fullNameFrom(lines[4], lines[0]);
        if (!fullName.isEmpty())
            inputs.userName = fullName;
    }
    if (inputs.userName.size() > kMaxNameLength)
        return std::nullopt;
    return inputs;
}

std::optional<Inputs> decode(const QByteArray &bytes)
{
    QByteArray copy(bytes);
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer);
}

bool write(const QString &path, const Inputs &inputs, QString *error)
{
    if (inputs.userName.size() > kMaxNameLength) {
        if (error)
            *error =
                QCoreApplication::translate("ReadingFile", "The name is longer than %1 characters.")
                    .arg(kMaxNameLength);
        return false;
    }
    return saveWholeFile(path, encode(inputs), error);
}

bool read(const QString &path, Inputs &inputs)
{
    QFile file;
    if (!openRegularFile(file, path))
        return false;
    const std::optional<Inputs> decoded = decode(file);
    if (decoded)
        inputs = *decoded;
    return decoded.has_value();
}

} // namespace tzolkara::ReadingFile
