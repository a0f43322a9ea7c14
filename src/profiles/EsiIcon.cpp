#include "profiles/EsiIcon.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace birch {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 14;

// The picture, top row first: a blue box with an orange arrow out and a white arrow in.
constexpr std::array<std::string_view, kHeight> kPicture = {
    "................", //
    ".BBBBBBBBBBBBBB.", //
    "BLLLLLLLLLOLLLLB", //
    "BLLLLLLLLLOOLLLB", //
    "BLOOOOOOOOOOOLLB", //
    "BLLLLLLLLLOOLLLB", //
    "BLLLLLLLLLOLLLLB", //
    "BLLLLWLLLLLLLLLB", //
    "BLLLWWLLLLLLLLLB", //
    "BLLWWWWWWWWWWLLB", //
    "BLLLWWLLLLLLLLLB", //
    "BLLLLWLLLLLLLLLB", //
    ".BBBBBBBBBBBBBB.", //
    "................", //
};

// Palette entries (blue, green, red) by the letter that stands for them; the rest are black.
struct Colour {
    char letter;
    std::uint8_t blue;
    std::uint8_t green;
    std::uint8_t red;
};
constexpr std::array<Colour, 5> kColours = {{
    {'.', 0xFF, 0xFF, 0xFF},
    {'B', 0x93, 0x3A, 0x1F},
    {'L', 0xDC, 0xA8, 0x6F},
    {'O', 0x24, 0x8A, 0xF0},
    {'W', 0xFA, 0xFA, 0xFA},
}};
constexpr int kPaletteEntries = 16;

// The file's fixed size; the pixel array starts after three padding bytes to fill it.
constexpr std::uint32_t kFileSize = 345;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelBytes = kWidth * kHeight; // 8 bits a pixel, rows of 16 bytes need no padding
constexpr std::uint32_t kPixelOffset = kFileSize - kPixelBytes;
static_assert(kPixelOffset == 14 + kInfoHeaderSize + 4 * kPaletteEntries + 3);

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

std::uint8_t paletteIndex(char letter)
{
    for (std::size_t i = 0; i < kColours.size(); ++i)
        if (kColours[i].letter == letter)
            return static_cast<std::uint8_t>(i);
    return 0;
}

std::vector<std::uint8_t> bitmap()
{
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, kFileSize);
    put32(out, 0); // reserved
    put32(out, kPixelOffset);

    put32(out, kInfoHeaderSize);
    put32(out, kWidth);
    put32(out, kHeight); // positive: rows are stored bottom-up
    put16(out, 1);       // planes
    put16(out, 8);       // bits per pixel
    put32(out, 0);       // no compression
    put32(out, kPixelBytes);
    put32(out, 2835); // 72 dots per inch, in dots per metre
    put32(out, 2835);
    put32(out, kPaletteEntries);
    put32(out, 0); // all colours important

    for (int i = 0; i < kPaletteEntries; ++i) {
        const bool used = static_cast<std::size_t>(i) < kColours.size();
        out.push_back(used ? kColours[static_cast<std::size_t>(i)].blue : 0);
        out.push_back(used ? kColours[static_cast<std::size_t>(i)].green : 0);
        out.push_back(used ? kColours[static_cast<std::size_t>(i)].red : 0);
        out.push_back(0);
    }
    out.resize(kPixelOffset, 0);
    for (int row = kHeight - 1; row >= 0; --row)
        for (const char letter : kPicture[static_cast<std::size_t>(row)])
            out.push_back(paletteIndex(letter));
    return out;
}

std::string hex(const std::vector<std::uint8_t>& bytes)
{
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string text;
    for (const std::uint8_t byte : bytes) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0x0F]);
    }
    return text;
}

} // namespace

const std::string& Esi_Icon()
{
    static const std::string icon = hex(bitmap());
    return icon;
}

} // namespace birch
