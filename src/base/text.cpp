// SPDX-FileCopyrightText: 2026 Het Toetsrace-team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace base {

const std::array<char16_t, 256>& windows1252Table() {
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QStringDecoder decoder("windows-1252");
        for (int code = 0; code < 256; ++code) {
            const char byte = static_cast<char>(code);
            const QString one = decoder.decode(QByteArrayView(&byte, 1));
            t[code] = one.size() == 1 ? one.at(0).unicode() : static_cast<char16_t>(code);
        }
        return t;
    }();
    return table;
}

QString toQString(std::string_view bytes) {
    const auto& table = windows1252Table();
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        *out++ = QChar(table[static_cast<unsigned char>(c)]);
    }
    return text;
}

std::optional<std::string> fromQString(const QString& text) {
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    // The encoder maps what it cannot hold to a substitute; check the way back as well.
    if (toQString(std::string_view(bytes.constData(), bytes.size())) != text) {
        return std::nullopt;
    }
    return std::string(bytes.constData(), bytes.size());
}

std::string decimal(long long value) {
    return std::to_string(value);
}

std::string_view shownPart(std::string_view bytes) {
    return bytes.substr(0, kShownCharacters);
}

QString toDisplayLines(std::string_view bytes) {
    QString text = toQString(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace base

namespace base {

std::string toBytesLossy(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    const auto& table = windows1252Table();
    for (const QChar c : text) {
        char byte = '?';
        for (int code = 0; code < 256; ++code) {
            if (table[code] == c.unicode()) {
                byte = static_cast<char>(code);
                break;
            }
        }
        bytes.push_back(byte);
    }
    return bytes;
}

}  // namespace base
