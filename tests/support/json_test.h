#pragma once
// A small JSON reader for the tests: the core writes JSON by hand, and a test
// must see that any browser would read it, field by field.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct ValeurJson {
    using Tableau = std::vector<ValeurJson>;
    using Objet = std::map<std::string, ValeurJson>;
    std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<Tableau>, std::shared_ptr<Objet>> V;

    const ValeurJson& operator[](const std::string& cle) const;   // a missing key gives null
    const ValeurJson& operator[](std::size_t i) const;
    bool Contient(const std::string& cle) const;
    std::size_t Taille() const;
    std::string Texte() const;                                     // "" when not a string
    double Nombre() const;                                         // 0 when not a number
    bool EstNul() const { return std::holds_alternative<std::nullptr_t>(V); }
};

// The whole text as one value; nothing when it is not JSON (RFC 8259).
std::optional<ValeurJson> LireJson(std::string_view texte);
