#include "storage/verrou.h"

#include "storage/chemins.h"
#include "storage/fichier_atomique.h"

#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr std::size_t TAILLE_DETENTEUR_MAX = 4096;

std::string TexteDetenteur(const Detenteur& d)
{
    return d.Utilisateur + "\n" + d.Machine + "\n" + std::to_string(d.Processus) + "\n";
}

#ifdef _WIN32
HANDLE Poignee(std::intptr_t p) { return reinterpret_cast<HANDLE>(p); }

// The locked byte lies far beyond the holder's text: Windows locks are mandatory,
// and whoever finds the lock taken must still read who holds it.
OVERLAPPED OctetVerrouille()
{
    OVERLAPPED o{};
    o.OffsetHigh = 1;
    return o;
}

bool Verrouiller(HANDLE h, bool exclusif)
{
    OVERLAPPED o = OctetVerrouille();
    const DWORD mode = LOCKFILE_FAIL_IMMEDIATELY | (exclusif ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    return LockFileEx(h, mode, 0, 1, 0, &o) != 0;
}
#endif

} // namespace

Detenteur CeProgramme()
{
    Detenteur d;
#ifdef _WIN32
    wchar_t nom[256];
    DWORD n = 256;
    if (GetUserNameW(nom, &n)) d.Utilisateur = CheminUtf8(nom);
    n = 256;
    if (GetComputerNameW(nom, &n)) d.Machine = CheminUtf8(nom);
    d.Processus = static_cast<long>(GetCurrentProcessId());
#else
    if (const passwd* p = getpwuid(geteuid()); p && p->pw_name) d.Utilisateur = p->pw_name;
    else if (const char* u = std::getenv("USER")) d.Utilisateur = u;
    char machine[256] = {};
    if (gethostname(machine, sizeof machine - 1) == 0) d.Machine = machine;
    d.Processus = static_cast<long>(getpid());
#endif
    return d;
}

std::optional<Detenteur> LireDetenteur(const std::string& chemin)
{
    const auto texte = LireDebutFichier(chemin, TAILLE_DETENTEUR_MAX);
    if (!texte) return std::nullopt;
    Detenteur d;
    std::size_t debut = 0;
    std::string* champs[] = {&d.Utilisateur, &d.Machine};
    for (std::string* champ : champs) {
        const std::size_t fin = texte->find('\n', debut);
        if (fin == std::string::npos) return std::nullopt;
        *champ = texte->substr(debut, fin - debut);
        debut = fin + 1;
    }
    d.Processus = std::strtol(texte->c_str() + debut, nullptr, 10);
    if (d.Utilisateur.empty() && d.Machine.empty()) return std::nullopt;
    return d;
}

VerrouFichier::~VerrouFichier() { Relacher(); }

#ifdef _WIN32
PriseVerrou VerrouFichier::Prendre(const std::string& chemin, const std::string&)
{
    Relacher();
    const fs::path p = CheminNatif(chemin);
    const DWORD partage = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE h = CreateFileW(p.c_str(), GENERIC_READ | GENERIC_WRITE, partage, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        // Somebody else's lock file we may only read: taken or not, it is not ours to hold.
        h = CreateFileW(p.c_str(), GENERIC_READ, partage, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return PriseVerrou::Impossible;
        const bool libre = Verrouiller(h, false);
        CloseHandle(h);
        return libre ? PriseVerrou::Impossible : PriseVerrou::Tenue;
    }
    if (!Verrouiller(h, true)) {
        CloseHandle(h);
        return PriseVerrou::Tenue;
    }
    const std::string texte = TexteDetenteur(CeProgramme());
    DWORD ecrits = 0;
    SetFilePointer(h, 0, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
    WriteFile(h, texte.data(), static_cast<DWORD>(texte.size()), &ecrits, nullptr);
    FlushFileBuffers(h);
    poignee_ = reinterpret_cast<std::intptr_t>(h);
    chemin_ = chemin;
    tenu_ = true;
    return PriseVerrou::Prise;
}

void VerrouFichier::Relacher()
{
    if (!tenu_) return;
    // Removed while still held, as on other systems: a handle that may delete
    // marks it, and it goes with the last handle. Somebody reading who holds it
    // just then keeps it in place, unlocked, which is harmless.
    const DWORD partage = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE suppression = CreateFileW(CheminNatif(chemin_).c_str(), DELETE, partage, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (suppression != INVALID_HANDLE_VALUE) {
        FILE_DISPOSITION_INFO supprimer{TRUE};
        SetFileInformationByHandle(suppression, FileDispositionInfo, &supprimer, sizeof supprimer);
        CloseHandle(suppression);
    }
    OVERLAPPED o = OctetVerrouille();
    UnlockFileEx(Poignee(poignee_), 0, 1, 0, &o);
    CloseHandle(Poignee(poignee_));
    poignee_ = -1;
    tenu_ = false;
}
#else
PriseVerrou VerrouFichier::Prendre(const std::string& chemin, const std::string& modele)
{
    Relacher();
    const fs::path p = CheminNatif(chemin);
    // A holder that lets go removes its file: the lock taken must be on the file
    // the name still gives, or it guards nothing.
    for (int essai = 0; essai < 8; ++essai) {
        const int f = ::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (f < 0) {
            const int lecture = ::open(p.c_str(), O_RDONLY | O_CLOEXEC);
            if (lecture < 0) return PriseVerrou::Impossible;
            const bool libre = ::flock(lecture, LOCK_SH | LOCK_NB) == 0;
            ::close(lecture);
            // Another user's lock file left by a crash: it goes, and ours takes its place.
            if (libre && ::unlink(p.c_str()) == 0) continue;
            return libre ? PriseVerrou::Impossible : PriseVerrou::Tenue;
        }
        if (::flock(f, LOCK_EX | LOCK_NB) != 0) {
            ::close(f);
            return PriseVerrou::Tenue;
        }
        struct stat ouvert, nomme;
        if (::fstat(f, &ouvert) != 0 || ::stat(p.c_str(), &nomme) != 0 || ouvert.st_ino != nomme.st_ino ||
            ouvert.st_dev != nomme.st_dev) {
            ::close(f);
            continue;
        }
        ::fchmod(f, static_cast<mode_t>(DroitsNouveauFichier(modele)));
        // The lock holds even when its holder cannot be written down.
        const std::string texte = TexteDetenteur(CeProgramme());
        const bool ecrit = ::ftruncate(f, 0) == 0 && ::pwrite(f, texte.data(), texte.size(), 0) == static_cast<ssize_t>(texte.size());
        static_cast<void>(ecrit);
        poignee_ = f;
        chemin_ = chemin;
        tenu_ = true;
        return PriseVerrou::Prise;
    }
    return PriseVerrou::Impossible;
}

void VerrouFichier::Relacher()
{
    if (!tenu_) return;
    // Removed while still held, so nobody takes a lock on a file about to go.
    ::unlink(CheminNatif(chemin_).c_str());
    ::close(static_cast<int>(poignee_));
    poignee_ = -1;
    tenu_ = false;
}
#endif
