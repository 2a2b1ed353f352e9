// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tables/common/InputLimits.h"

#include <QByteArray>
#include <QString>

#include <optional>

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
    // Whether the file held any line at all: an empty file is read as empty
    // inputs, a file with lines must hold a whole date.
    bool hasLines = false;
};

// The longest name, in QString characters, that the name boxes take and
// a reading file keeps.
constexpr int kMaxNameLength = 255;

// Reading never trusts the file: at most this many lines of at most this
// many bytes are read, whatever its size.
constexpr int kMaxLines = 5;
constexpr int kMaxLineBytes = kMaxInputLineBytes;
// The fifth line of the longest name: each character is at most three UTF-8
// bytes, nine once percent-encoded.
static_assert(kMaxNameLength * 9 <= kMaxLineBytes);

Inputs inputsOf(const ReadingState &state);

QByteArray encode(const Inputs &inputs);
// Missing lines stay empty; lines after the fifth are ignored, and so is a
// fifth line that is not the first one's full name. Nothing when one of the
// first four lines is longer than kMaxLineBytes or the name longer than
// kMaxNameLength: no file this program writes.
std::optional<Inputs> decode(QIODevice &device);
std::optional<Inputs> decode(const QByteArray &bytes);

// Replaces `path` only once the new file is complete; on failure the old
// file is untouched and `error` says why. A name longer than kMaxNameLength
// is refused, never cut.
bool write(const QString &path, const Inputs &inputs, QString *error = nullptr);
// False when the path is no regular file, cannot be opened, or `decode`
// finds no reading in it.
bool read(const QString &path, Inputs &inputs);

} // namespace ReadingFile
} // namespace tzolkara
