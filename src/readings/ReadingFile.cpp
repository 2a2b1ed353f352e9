#include "ReadingFile.h"

#include "common/RegularFile.h"
#include "common/ShiftCodec.h"
#include "common/Windows1252.h"
#include "engine/ReadingState.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

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
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
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

// Bytes the disk has not taken yet can still fail to arrive (quotas,
// network drives). Devices and read-only mounts cannot sync: no failure.
bool syncToDisk(QFileDevice &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0 || errno == EINVAL || errno == EROFS;
#else
    Q_UNUSED(file);
    return true;
#endif
}

// Qt names most failures itself; where it has nothing to say, its text is
// "Unknown error", and the system's reason says more.
QString reasonOf(const QFileDevice &file, int systemError)
{
    const QString qtReason = file.error() == QFileDevice::NoError ? QString() : file.errorString();
    if (!qtReason.isEmpty() && qtReason != QLatin1String("Unknown error"))
        return qtReason;
    if (systemError != 0)
        return QString::fromLocal8Bit(std::strerror(systemError));
    return QStringLiteral("The file could not be written.");
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
    while (lines.size() < kMaxLines)
        lines.append(QByteArray());

    Inputs inputs{decodeLine(lines[0]), decodeLine(lines[1]), decodeLine(lines[2]),
                  decodeLine(lines[3])};
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
            *error = QStringLiteral("The name is longer than %1 characters.").arg(kMaxNameLength);
        return false;
    }
    const QByteArray bytes = encode(inputs);
    QSaveFile file(path);
    // QSaveFile::commit() puts the new file in place even when its buffered
    // bytes never reached the disk (a full disk), so each step is checked
    // before it, and the system's reason taken at the failing step.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                         file.flush() && syncToDisk(file);
    const int systemError = errno;
    if (written && file.commit())
        return true;
    // Uncommitted, the new file goes away with `file`.
    if (error)
        *error = reasonOf(file, written ? errno : systemError);
    return false;
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
