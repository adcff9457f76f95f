// Numbers as the frame shows them, written into the caller's buffer so that
// painting, which runs on every mouse move, never allocates.
#pragma once

#include <charconv>
#include <cstdint>
#include <string_view>

// Room for any 32-bit value in decimal, sign included.
constexpr int DecimalTextSize = 12;

// The text "%d" gives for `value`.
inline std::string_view FormatDecimal(int32_t value, char (&buffer)[DecimalTextSize]) {
    const std::to_chars_result result = std::to_chars(buffer, buffer + DecimalTextSize, value);
    return {buffer, size_t(result.ptr - buffer)};
}

// The text "%d x %d" gives for a cell position.
inline std::string_view FormatCellPosition(int32_t column, int32_t row,
                                           char (&buffer)[2 * DecimalTextSize + 3]) {
    char* end = std::to_chars(buffer, buffer + DecimalTextSize, column).ptr;
    *end++ = ' ';
    *end++ = 'x';
    *end++ = ' ';
    end = std::to_chars(end, end + DecimalTextSize, row).ptr;
    return {buffer, size_t(end - buffer)};
}
