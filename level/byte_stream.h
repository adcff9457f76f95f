// Reading and writing level files a byte at a time, the way the game's files
// are laid out: a cursor over the bytes with relative seeks, and 4-byte slots.
//
// The reader behaves like a C stream over the bytes, because the level layouts
// are defined by that walk: a read at or past the end gives -1 and does not
// move; a seek may go past the end (later reads give -1) but not before the
// start (it fails and the position stays). Nothing can index outside the bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct ByteReader {
    std::span<const uint8_t> bytes;
    int64_t position = 0;
};

inline int ReadByte(ByteReader& reader) {
    if (reader.position < 0 || reader.position >= int64_t(reader.bytes.size())) return -1;
    return reader.bytes[size_t(reader.position++)];
}

// First byte + 256 x second byte; past the end each byte counts as -1.
inline int ReadWord(ByteReader& reader) {
    const int low = ReadByte(reader);
    const int high = ReadByte(reader);
    return low + 256 * high;
}

inline void Skip(ByteReader& reader, int64_t count) {
    if (reader.position + count >= 0) reader.position += count;
}

inline void SeekTo(ByteReader& reader, int64_t offset) {
    if (offset >= 0) reader.position = offset;
}

// Both files keep positions in pixels, 32 to a cell.
constexpr int32_t PixelsPerCell = 32;

// Every .edt value is a 4-byte slot: its byte (or its two bytes) first, then
// zeros. A value goes out as the byte a C stream would write for it, that is
// modulo 256; a 16-bit value as value % 256 and then value / 256.
constexpr int SlotSize = 4;

inline void PutByte(std::vector<uint8_t>& out, int32_t value) { out.push_back(uint8_t(value)); }

inline void PutZeros(std::vector<uint8_t>& out, size_t count) { out.insert(out.end(), count, uint8_t(0)); }

inline void PutWord(std::vector<uint8_t>& out, int64_t value) {
    PutByte(out, int32_t(value % 256));
    PutByte(out, int32_t(value / 256 % 256));
}

inline void PutSlot(std::vector<uint8_t>& out, int32_t value) {
    PutByte(out, value);
    PutZeros(out, SlotSize - 1);
}

inline void PutWordSlot(std::vector<uint8_t>& out, int64_t value) {
    PutWord(out, value);
    PutZeros(out, SlotSize - 2);
}

inline void PutZeroSlots(std::vector<uint8_t>& out, size_t count) { PutZeros(out, count * SlotSize); }
