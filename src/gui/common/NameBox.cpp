// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/common/NameBox.h"

#include "core/common/NameText.h"

#include <QLineEdit>
#include <QValidator>

namespace tzolkara::NameBox {

namespace {

// Accepts every text, as one line of whole characters.
class OneLineValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        const QString line = NameText::oneLine(input);
        if (line != input) {
            position = int(NameText::oneLine(input.left(position)).size());
            input = line;
        }
        return Acceptable;
    }
};

} // namespace

void limit(QLineEdit *box, int maxLength)
{
    box->setMaxLength(maxLength);
    box->setValidator(new OneLineValidator(box));
}

} // namespace tzolkara::NameBox
