#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Texts inside the system and on the serial line are 8-bit Windows Cyrillic (code page 1251).
// Sources stay readable: "Команда"_cp1251 is converted from UTF-8 at compile time, and an
// unmappable character is a compile error. Conversion to Unicode happens only at the edges.
namespace platform::cp1251 {

// Unicode code points of the bytes 80h..FFh (98h is unassigned).
inline constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};

// The code-page byte of a code point, or -1 when the code page has none.
constexpr int byteOf(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<int>(codePoint);
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    if (kUpperHalf[i] == codePoint && codePoint != 0xFFFD) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// Decodes one UTF-8 sequence at `pos`, advancing it; malformed input yields U+FFFD.
constexpr char32_t nextCodePoint(std::string_view utf8, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(utf8[pos++]);
  int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
  if (extra < 0) return 0xFFFD;
  char32_t cp = extra == 0 ? lead : extra == 1 ? (lead & 0x1Fu) : extra == 2 ? (lead & 0x0Fu) : (lead & 0x07u);
  for (; extra > 0; --extra) {
    if (pos >= utf8.size()) return 0xFFFD;
    const auto next = static_cast<unsigned char>(utf8[pos]);
    if ((next & 0xC0u) != 0x80u) return 0xFFFD;
    cp = (cp << 6) | (next & 0x3Fu);
    ++pos;
  }
  return cp;
}

// Code-page text to UTF-8, for widgets, terminals and JSON.
std::string toUtf8(std::string_view text);
// UTF-8 to code-page text; a character the code page lacks becomes '?'.
std::string fromUtf8(std::string_view utf8);

namespace detail {

template <std::size_t N>
struct Utf8Literal {
  char bytes[N]{};
  consteval Utf8Literal(const char (&text)[N]) {  // NOLINT: implicit by design, for the literal
    for (std::size_t i = 0; i < N; ++i) bytes[i] = text[i];
  }
  constexpr std::string_view view() const { return {bytes, N - 1}; }
};

template <Utf8Literal S>
consteval std::size_t encodedLength() {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < S.view().size(); ++count) nextCodePoint(S.view(), pos);
  return count;
}

template <Utf8Literal S>
consteval std::array<char, encodedLength<S>() + 1> encode() {
  std::array<char, encodedLength<S>() + 1> out{};
  std::size_t pos = 0;
  for (std::size_t i = 0; i + 1 < out.size(); ++i) {
    const int byte = byteOf(nextCodePoint(S.view(), pos));
    if (byte < 0) throw "character has no code page 1251 byte";
    out[i] = static_cast<char>(byte);
  }
  return out;
}

template <Utf8Literal S>
inline constexpr auto kEncoded = encode<S>();

}  // namespace detail

namespace literals {
// A zero-terminated code-page text with static storage.
template <detail::Utf8Literal S>
constexpr const char* operator""_cp1251() {
  return detail::kEncoded<S>.data();
}
}  // namespace literals

}  // namespace platform::cp1251
