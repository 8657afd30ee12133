#include "engine/cp1252.h"

#include <algorithm>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0x9F; the five unassigned bytes keep their C1 value.
constexpr char32_t PLAGE_80_9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char VersOctet(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (PLAGE_80_9F[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

void AjouterUtf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when invalid.
std::size_t Decoder(std::string_view s, std::size_t i, char32_t& c)
{
    const auto o = static_cast<unsigned char>(s[i]);
    std::size_t n;
    if (o < 0x80) { c = o; return 1; }
    if (o >= 0xC2 && o <= 0xDF) { n = 2; c = o & 0x1F; }
    else if (o >= 0xE0 && o <= 0xEF) { n = 3; c = o & 0x0F; }
    else if (o >= 0xF0 && o <= 0xF4) { n = 4; c = o & 0x07; }
    else return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto suite = static_cast<unsigned char>(s[i + k]);
        if ((suite & 0xC0) != 0x80) return 0;
        c = (c << 6) | (suite & 0x3F);
    }
    const char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < minimum[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

} // namespace

bool RepresentableCp1252(char32_t c)
{
    return VersOctet(c) != '?' || c == U'?';
}

std::string CouperUtf8(std::string_view utf8, std::size_t octets)
{
    if (utf8.size() <= octets) return std::string(utf8);
    std::size_t n = octets;
    // Back over the continuation bytes of a character the cut would split.
    while (n > 0 && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80) --n;
    return std::string(utf8.substr(0, n));
}

bool EstUtf8Valide(std::string_view s)
{
    char32_t c;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Decoder(s, i, c);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string Utf8VersCp1252(std::string_view utf8)
{
    // Most texts are plain ASCII, the same in both encodings: the string table is read at every start.
    if (std::all_of(utf8.begin(), utf8.end(), [](char o) { return static_cast<unsigned char>(o) < 0x80; }))
        return std::string(utf8);
    if (!EstUtf8Valide(utf8)) return std::string(utf8);
    std::string r;
    r.reserve(utf8.size());
    char32_t c;
    for (std::size_t i = 0; i < utf8.size();) {
        i += Decoder(utf8, i, c);
        r += VersOctet(c);
    }
    return r;
}

std::string Cp1252VersUtf8(std::string_view cp1252)
{
    std::string r;
    r.reserve(cp1252.size() + cp1252.size() / 4);
    for (char o : cp1252) {
        const auto u = static_cast<unsigned char>(o);
        AjouterUtf8(r, (u >= 0x80 && u < 0xA0) ? PLAGE_80_9F[u - 0x80] : char32_t{u});
    }
    return r;
}
