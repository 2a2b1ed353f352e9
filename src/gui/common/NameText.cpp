// SPDX-FileCopyrightText: 2026 The Tzolkara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NameText.h"

#include <QLineEdit>
#include <QValidator>

namespace tzolkara::NameText {

namespace {

// Accepts every text; what the length limit cut in half is removed.
class WholeCharactersValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        const QString whole = withoutBrokenCharacters(input);
        if (whole.size() != input.size()) {
            position = int(withoutBrokenCharacters(input.left(position)).size());
            input = whole;
        }
        return Acceptable;
    }
};

} // namespace

QString withoutBrokenCharacters(const QString &text)
{
    QString whole;
    whole.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            whole.append(c);
            whole.append(text.at(++i));
        } else if (!c.isSurrogate()) {
            whole.append(c);
        }
    }
    return whole;
}

void limitNameBox(QLineEdit *box, int maxLength)
{
    box->setMaxLength(maxLength);
    box->setValidator(new WholeCharactersValidator(box));
}

} // namespace tzolkara::NameText
