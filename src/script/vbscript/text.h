#pragma once

#include <string>
#include <string_view>

namespace vbs {

// UTF-8 <-> UTF-16 at the engine's boundary; invalid input becomes U+FFFD.
std::u16string fromUtf8(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);

// ASCII text as UTF-16 (for numbers printed with snprintf).
std::u16string fromAscii(std::string_view ascii);

// Case-insensitive comparison of names (ASCII and Latin-1 letters).
bool equalsNoCase(std::u16string_view a, std::u16string_view b) noexcept;
char16_t foldChar(char16_t c) noexcept;

} // namespace vbs
