#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace tzolkara {

struct ReadingState;

// The saved reading (".man"): the four inputs of a reading, one scrambled
// line each (name, year, month name, day), in Windows-1252 with CR LF.
//
// A name the four lines cannot hold whole (é, ü, Ł, Cyrillic ...) also gets
// a fifth line: its UTF-8 bytes, percent-encoded, then scrambled. Programs
// that read four lines still find the same four lines as always.
namespace ReadingFile {

struct Inputs
{
    QString userName;
    QString birthYear;
    QString birthMonth;
    QString birthDay;
};

// Reading never trusts the file: at most this many lines of at most this
// many bytes are read, whatever its size.
constexpr int kMaxLines = 5;
constexpr int kMaxLineBytes = 4096;

Inputs inputsOf(const ReadingState &state);

QByteArray encode(const Inputs &inputs);
// Missing lines stay empty; lines after the fifth are ignored.
Inputs decode(QIODevice &device);
Inputs decode(const QByteArray &bytes);

// Replaces `path` only once the new file is complete; on failure the old
// file is untouched and `error` says why.
bool write(const QString &path, const Inputs &inputs, QString *error = nullptr);
// False when the path is no regular file or cannot be opened.
bool read(const QString &path, Inputs &inputs);

} // namespace ReadingFile
} // namespace tzolkara
