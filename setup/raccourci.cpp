#include "setup/raccourci.h"

#include "storage/chemins.h"
#include "storage/fichier_atomique.h"

#include <filesystem>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#endif

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// The component library for as long as it is needed; a thread where it was
// started already (the window's own, in another mode) may use it as it is.
class Composants {
public:
    Composants() : r_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~Composants()
    {
        if (SUCCEEDED(r_)) CoUninitialize();
    }
    bool Prets() const { return SUCCEEDED(r_) || r_ == RPC_E_CHANGED_MODE; }

private:
    HRESULT r_;
};

template <class T>
class Reference {
public:
    ~Reference()
    {
        if (p_) p_->Release();
    }
    void** Adresse() { return reinterpret_cast<void**>(&p_); }
    T* operator->() const { return p_; }

private:
    T* p_ = nullptr;
};

// A shell link and its file, made empty or loaded from `chemin`.
bool OuvrirLien(Reference<IShellLinkW>& lien, Reference<IPersistFile>& fichier, const wchar_t* chemin)
{
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, lien.Adresse())) ||
        FAILED(lien->QueryInterface(IID_IPersistFile, fichier.Adresse())))
        return false;
    return !chemin || SUCCEEDED(fichier->Load(chemin, STGM_READ));
}
#else
std::string EchapperExec(const std::string& chemin)
{
    // Inside double quotes of Exec: ", `, $ and \ take a backslash; then every
    // backslash is doubled again for the value of the key.
    std::string cite;
    for (char c : chemin) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') cite += '\\';
        cite += c;
    }
    std::string valeur;
    for (char c : cite) valeur += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return "\"" + valeur + "\"";
}

// The program an Exec line starts, its two escapes undone.
std::string CheminExec(const std::string& ligne)
{
    std::string chemin;
    for (std::size_t i = 6; i < ligne.size() && ligne[i] != '"'; ++i) {
        if (ligne[i] == '\\' && i + 1 < ligne.size()) ++i;   // the key's own escape
        if (ligne[i] == '\\' && i + 1 < ligne.size()) ++i;   // the quoting's escape
        chemin += ligne[i];
    }
    return chemin;
}

// The desktop entry of the program in `programme`.
std::string EntreeBureau(const std::string& programme, const std::string& description)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           "Name=KORALIS\n"
           "Comment=" + description + "\n"
           "Exec=" + EchapperExec(JoindreChemin(programme, NOM_PROGRAMME_INSTALLE)) + " %f\n"
           "Icon=koralis\n"
           "Terminal=false\n"
           "Categories=Utility;\n";
}
#endif

} // namespace

#ifdef _WIN32
bool RaccourcisPossibles() { return Composants().Prets(); }

bool CreerRaccourci(const std::string& chemin, const std::string& programme, const std::string& description)
{
    const Composants composants;
    Reference<IShellLinkW> lien;
    Reference<IPersistFile> fichier;
    if (!composants.Prets() || !OuvrirLien(lien, fichier, nullptr)) return false;
    const std::wstring cible = CheminNatif(JoindreChemin(programme, NOM_PROGRAMME_INSTALLE)).wstring();
    return SUCCEEDED(lien->SetPath(cible.c_str())) && SUCCEEDED(lien->SetDescription(CheminNatif(description).wstring().c_str())) &&
           SUCCEEDED(fichier->Save(CheminNatif(chemin).c_str(), TRUE));
}

std::optional<Raccourci> LireRaccourci(const std::string& chemin)
{
    const Composants composants;
    Reference<IShellLinkW> lien;
    Reference<IPersistFile> fichier;
    if (!composants.Prets() || !OuvrirLien(lien, fichier, CheminNatif(chemin).c_str())) return std::nullopt;
    wchar_t cible[MAX_PATH + 1] = {};
    wchar_t description[INFOTIPSIZE + 1] = {};
    if (FAILED(lien->GetPath(cible, MAX_PATH, nullptr, SLGP_RAWPATH)) || !cible[0]) return std::nullopt;
    lien->GetDescription(description, INFOTIPSIZE);
    return Raccourci{CheminUtf8(fs::path(cible).parent_path()), CheminUtf8(description)};
}
#else
bool RaccourcisPossibles() { return true; }

bool CreerRaccourci(const std::string& chemin, const std::string& programme, const std::string& description)
{
    if (EcrireFichierAtomique(chemin, EntreeBureau(programme, description)) != EchecEcriture::Aucun) return false;
    std::error_code e;
    fs::permissions(CheminNatif(chemin), fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, e);
    return !e;
}

std::optional<Raccourci> LireRaccourci(const std::string& chemin)
{
    const auto texte = LireFichierEntier(chemin, 1 << 16);
    if (!texte) return std::nullopt;
    std::optional<Raccourci> r;
    std::string description;
    std::istringstream lignes(*texte);
    for (std::string l; std::getline(lignes, l);) {
        if (l.rfind("Comment=", 0) == 0) description = l.substr(8);
        if (l.rfind("Exec=\"", 0) == 0) r = Raccourci{CheminUtf8(CheminNatif(CheminExec(l)).parent_path()), {}};
    }
    if (r) r->Description = description;
    return r;
}
#endif
