#include "tests/support/json_test.h"

#include <cstdlib>

namespace {

const ValeurJson NUL{};

class Lecteur {
public:
    explicit Lecteur(std::string_view t) : t_(t) {}

    std::optional<ValeurJson> Tout()
    {
        auto v = Valeur();
        Blancs();
        if (!v || i_ != t_.size()) return std::nullopt;
        return v;
    }

private:
    void Blancs()
    {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\n' || t_[i_] == '\r')) ++i_;
    }
    bool Mot(std::string_view m)
    {
        if (t_.substr(i_, m.size()) != m) return false;
        i_ += m.size();
        return true;
    }
    std::optional<ValeurJson> Valeur()
    {
        Blancs();
        if (i_ >= t_.size()) return std::nullopt;
        const char c = t_[i_];
        if (c == '{') return Objet();
        if (c == '[') return Tableau();
        if (c == '"') {
            auto s = Chaine();
            if (!s) return std::nullopt;
            return ValeurJson{*s};
        }
        if (Mot("true")) return ValeurJson{true};
        if (Mot("false")) return ValeurJson{false};
        if (Mot("null")) return ValeurJson{nullptr};
        return Nombre();
    }
    std::optional<ValeurJson> Nombre()
    {
        const std::size_t debut = i_;
        if (i_ < t_.size() && t_[i_] == '-') ++i_;
        if (i_ >= t_.size() || t_[i_] < '0' || t_[i_] > '9') return std::nullopt;
        if (t_[i_] == '0' && i_ + 1 < t_.size() && t_[i_ + 1] >= '0' && t_[i_ + 1] <= '9') return std::nullopt;
        while (i_ < t_.size() && std::string_view("0123456789.eE+-").find(t_[i_]) != std::string_view::npos) ++i_;
        const std::string nombre(t_.substr(debut, i_ - debut));
        char* fin = nullptr;
        const double d = std::strtod(nombre.c_str(), &fin);
        if (fin != nombre.c_str() + nombre.size()) return std::nullopt;
        return ValeurJson{d};
    }
    std::optional<std::string> Chaine()
    {
        std::string r;
        ++i_;
        while (i_ < t_.size()) {
            const char c = t_[i_++];
            if (c == '"') return r;
            if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
            if (c != '\\') {
                r += c;
                continue;
            }
            if (i_ >= t_.size()) return std::nullopt;
            const char e = t_[i_++];
            switch (e) {
            case '"': case '\\': case '/': r += e; break;
            case 'b': r += '\b'; break;
            case 'f': r += '\f'; break;
            case 'n': r += '\n'; break;
            case 'r': r += '\r'; break;
            case 't': r += '\t'; break;
            case 'u': {
                if (i_ + 4 > t_.size()) return std::nullopt;
                const unsigned long u = std::strtoul(std::string(t_.substr(i_, 4)).c_str(), nullptr, 16);
                i_ += 4;
                // Enough for the tests: the code points of one to three UTF-8 bytes.
                if (u < 0x80) r += static_cast<char>(u);
                else if (u < 0x800) r += {static_cast<char>(0xC0 | (u >> 6)), static_cast<char>(0x80 | (u & 0x3F))};
                else r += {static_cast<char>(0xE0 | (u >> 12)), static_cast<char>(0x80 | ((u >> 6) & 0x3F)), static_cast<char>(0x80 | (u & 0x3F))};
                break;
            }
            default: return std::nullopt;
            }
        }
        return std::nullopt;
    }
    std::optional<ValeurJson> Tableau()
    {
        auto t = std::make_shared<ValeurJson::Tableau>();
        ++i_;
        Blancs();
        if (Mot("]")) return ValeurJson{t};
        for (;;) {
            auto v = Valeur();
            if (!v) return std::nullopt;
            t->push_back(std::move(*v));
            Blancs();
            if (Mot("]")) return ValeurJson{t};
            if (!Mot(",")) return std::nullopt;
        }
    }
    std::optional<ValeurJson> Objet()
    {
        auto o = std::make_shared<ValeurJson::Objet>();
        ++i_;
        Blancs();
        if (Mot("}")) return ValeurJson{o};
        for (;;) {
            Blancs();
            if (i_ >= t_.size() || t_[i_] != '"') return std::nullopt;
            auto cle = Chaine();
            Blancs();
            if (!cle || !Mot(":")) return std::nullopt;
            auto v = Valeur();
            if (!v || o->count(*cle)) return std::nullopt;
            o->emplace(*cle, std::move(*v));
            Blancs();
            if (Mot("}")) return ValeurJson{o};
            if (!Mot(",")) return std::nullopt;
        }
    }

    std::string_view t_;
    std::size_t i_ = 0;
};

} // namespace

const ValeurJson& ValeurJson::operator[](const std::string& cle) const
{
    const auto* o = std::get_if<std::shared_ptr<Objet>>(&V);
    if (!o) return NUL;
    const auto it = (*o)->find(cle);
    return it == (*o)->end() ? NUL : it->second;
}

const ValeurJson& ValeurJson::operator[](std::size_t i) const
{
    const auto* t = std::get_if<std::shared_ptr<Tableau>>(&V);
    return t && i < (*t)->size() ? (**t)[i] : NUL;
}

bool ValeurJson::Contient(const std::string& cle) const
{
    const auto* o = std::get_if<std::shared_ptr<Objet>>(&V);
    return o && (*o)->count(cle);
}

std::size_t ValeurJson::Taille() const
{
    if (const auto* t = std::get_if<std::shared_ptr<Tableau>>(&V)) return (*t)->size();
    if (const auto* o = std::get_if<std::shared_ptr<Objet>>(&V)) return (*o)->size();
    return 0;
}

std::string ValeurJson::Texte() const
{
    const auto* s = std::get_if<std::string>(&V);
    return s ? *s : std::string();
}

double ValeurJson::Nombre() const
{
    const auto* d = std::get_if<double>(&V);
    return d ? *d : 0;
}

std::optional<ValeurJson> LireJson(std::string_view texte) { return Lecteur(texte).Tout(); }
