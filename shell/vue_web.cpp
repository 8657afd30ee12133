#include "shell/vue_web.h"

#include "engine/cp1252.h"
#include "engine/format.h"
#include "engine/textes.h"
#include "shell/affichage_public.h"
#include "web/images_tableau.h"

#include <array>

namespace {

// In the order of EtatPublic: the page's classes.
constexpr std::array<const char*, 5> CLES_ETATS = {"libre", "bloquee", "intermodulee", "sortie", "horstemps"};
constexpr int TEXTE_MON_NUMERO = 230;
constexpr int TEXTE_HORS_LIGNE = 231;

const char* Cle(EtatPublic e) { return CLES_ETATS[static_cast<std::size_t>(e)]; }

// A Windows-1252 text of the core as a JSON string.
std::string Texte1252(std::string_view cp1252) { return ChaineJson(Cp1252VersUtf8(cp1252)); }

class Json {
public:
    Json& Cle(std::string_view cle)
    {
        Separer();
        t_ += ChaineJson(cle);
        t_ += ':';
        premier_ = true;
        return *this;
    }
    Json& Valeur(const std::string& json)
    {
        Separer();
        t_ += json;
        return *this;
    }
    Json& Nombre(long n) { return Valeur(std::to_string(n)); }
    Json& Ouvrir(char c)
    {
        Separer();
        t_ += c;
        premier_ = true;
        return *this;
    }
    Json& Fermer(char c)
    {
        t_ += c;
        premier_ = false;
        return *this;
    }
    std::string Texte() && { return std::move(t_); }

private:
    // A comma before each item but the first of its object or array; none after a key.
    void Separer()
    {
        if (!premier_ && !t_.empty()) t_ += ',';
        premier_ = false;
    }
    std::string t_;
    bool premier_ = true;
};

void Cases(Json& j, const VuePublique& vue)
{
    j.Cle("cases").Ouvrir('[');
    for (const CasePublique& c : vue.Cases) {
        j.Ouvrir('{').Cle("f").Nombre(c.Frequence).Cle("libelle").Valeur(Texte1252(c.Libelle));
        j.Cle("etat").Valeur(ChaineJson(Cle(c.Etat))).Cle("image").Valeur(ChaineJson(c.Aspect.Image));
        j.Cle("texte").Valeur(ChaineJson(RgbTexte(c.Aspect.Couleur)));
        if (!c.Duree.empty()) {
            j.Cle("fiche").Nombre(c.Fiche).Cle("nom").Valeur(Texte1252(c.Nom)).Cle("duree").Valeur(Texte1252(c.Duree));
        }
        j.Fermer('}');
    }
    j.Fermer(']');
}

void Suivants(Json& j, const VuePublique& vue)
{
    if (!vue.AvecSuivants()) return;
    j.Cle("suivants").Ouvrir('{').Cle("titre").Valeur(Texte1252(vue.TitreSuivants));
    j.Cle("aucun").Valeur(Texte1252(vue.SansSuivant)).Cle("pause").Valeur(Texte1252(vue.ProchainePause));
    j.Cle("lignes").Ouvrir('[');
    for (const LignePublique& l : vue.Suivants)
        j.Ouvrir('{').Cle("fiche").Nombre(l.Numero).Cle("nom").Valeur(Texte1252(l.Nom)).Cle("frequence").Valeur(Texte1252(l.Frequence)).Cle("f").Nombre(l.Khz).Fermer('}');
    j.Fermer(']').Fermer('}');
}

// The legend and the colours of every picture the page may need.
void Legende(Json& j, const VuePublique& vue)
{
    j.Cle("legende").Ouvrir('[');
    for (std::size_t i = 0; i < vue.Legende.size() && i < CLES_ETATS.size(); ++i) {
        const AspectBouton a = AspectLegende(static_cast<EtatPublic>(i));
        j.Ouvrir('{').Cle("etat").Valeur(ChaineJson(CLES_ETATS[i])).Cle("texte").Valeur(Texte1252(vue.Legende[i]));
        j.Cle("image").Valeur(ChaineJson(a.Image)).Cle("couleur").Valeur(ChaineJson(RgbTexte(a.Couleur))).Fermer('}');
    }
    j.Fermer(']').Cle("images").Ouvrir('{');
    for (std::size_t i = 0; i < NB_DEGRADES_IMAGES; ++i) {
        const DegradeImage& d = DEGRADES_IMAGES[i];
        j.Cle(d.Image).Ouvrir('[').Valeur(ChaineJson(d.Haut)).Valeur(ChaineJson(d.Bas)).Fermer(']');
    }
    j.Fermer('}');
}

} // namespace

std::string ChaineJson(std::string_view utf8)
{
    std::string r = "\"";
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            r += '\\';
            r += c;
        } else if (u < 0x20 || c == '<' || c == '>' || c == '&') {
            r += Formater("\\u%04x", static_cast<unsigned>(u));
        } else {
            r += c;
        }
    }
    return r + "\"";
}

std::string VueWebJson(EtatGlobal& etat)
{
    const VuePublique vue = CalculerVuePublique(etat);
    Json j;
    j.Ouvrir('{').Cle("titre").Valeur(Texte1252(vue.Titre)).Cle("heure").Valeur(Texte1252(vue.Heure));
    j.Cle("mode").Valeur(Texte1252(vue.Mode)).Cle("enLAir").Valeur(Texte1252(vue.TitreSorties));
    j.Cle("monNumero").Valeur(Texte1252(Texte(etat, TEXTE_MON_NUMERO)));
    j.Cle("horsLigne").Valeur(Texte1252(Texte(etat, TEXTE_HORS_LIGNE)));
    Cases(j, vue);
    Suivants(j, vue);
    Legende(j, vue);
    j.Fermer('}');
    return std::move(j).Texte();
}
