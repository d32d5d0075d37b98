#pragma once

#include <QString>

#include <string_view>

namespace quorvel {

// One of the core's UTF-8 texts as Qt holds it.
inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace quorvel
