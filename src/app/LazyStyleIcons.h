// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QStyle;

namespace tzolkara {

// The desktop's usual style, but the overflow arrow that every menu bar makes
// when it is created is read from its pictures only when first drawn. Qt reads
// them through the image-format plugins, loading every one of them, for an
// arrow that shows only when the menus do not fit; start-up is spared that.
QStyle *styleWithLazyMenuBarArrow();

} // namespace tzolkara
