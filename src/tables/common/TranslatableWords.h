// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Marks a word of the tables for translation: Qt Linguist's lupdate finds it
// by this name, and the layers above say it in the user's language from the
// same context. The tables themselves use no Qt, so the mark is defined here
// exactly as Qt defines it, and both definitions may meet in one file.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
