#pragma once
// Bounded single-byte texts. Every text of the meeting has a fixed room (the
// file and the dialogs were laid out for it); writing past it must cut, never overflow.

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

// Copies `source` into a fixed char field, cut to the field's room less the NUL.
template <std::size_t N>
void CopierChamp(char (&champ)[N], std::string_view source)
{
    const std::size_t n = source.size() < N - 1 ? source.size() : N - 1;
    std::memcpy(champ, source.data(), n);
    champ[n] = '\0';
}

// Length of a fixed field's text, never reading past the field.
template <std::size_t N>
std::size_t LongueurChamp(const char (&champ)[N])
{
    const void* fin = std::memchr(champ, '\0', N);
    return fin ? static_cast<const char*>(fin) - champ : N;
}

template <std::size_t N>
std::string_view VueChamp(const char (&champ)[N])
{
    return {champ, LongueurChamp(champ)};
}

// A text buffer of N bytes (N - 1 characters and the NUL).
template <std::size_t N>
class TexteFixe {
public:
    static constexpr std::size_t Capacite = N - 1;

    TexteFixe() { octets_[0] = '\0'; }
    TexteFixe(std::string_view s) { Affecter(s); }

    TexteFixe& operator=(std::string_view s) { Affecter(s); return *this; }

    void Affecter(std::string_view s)
    {
        longueur_ = s.size() < Capacite ? s.size() : Capacite;
        // An empty view may have no data at all; memmove must never see a null pointer.
        if (longueur_ > 0) std::memmove(octets_, s.data(), longueur_);
        octets_[longueur_] = '\0';
    }

    // Appends as much of `s` as fits; returns false when something was cut.
    bool Ajouter(std::string_view s)
    {
        const std::size_t place = Capacite - longueur_;
        const std::size_t n = s.size() < place ? s.size() : place;
        if (n > 0) std::memcpy(octets_ + longueur_, s.data(), n);
        longueur_ += n;
        octets_[longueur_] = '\0';
        return n == s.size();
    }

    void Vider() { Affecter({}); }
    bool Vide() const { return longueur_ == 0; }
    std::size_t Longueur() const { return longueur_; }
    std::size_t Place() const { return Capacite - longueur_; }
    const char* c_str() const { return octets_; }
    std::string_view Vue() const { return {octets_, longueur_}; }
    std::string Chaine() const { return std::string(Vue()); }
    operator std::string_view() const { return Vue(); }

    bool operator==(std::string_view s) const { return Vue() == s; }

private:
    char octets_[N];
    std::size_t longueur_ = 0;
};
