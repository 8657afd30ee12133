#include "storage/fichier_atomique.h"

#include "storage/chemins.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

fs::path CheminTemporaire(const fs::path& cible)
{
    fs::path t = cible;
    t += ".tmp";
    return t;
}

// The file a path finally names: a link is followed to its target, so that the
// rename replaces the target and the link stays a link.
fs::path CibleReelle(fs::path chemin)
{
    std::error_code e;
    for (int sauts = 0; sauts < 40 && fs::is_symlink(chemin, e); ++sauts) {
        const fs::path lien = fs::read_symlink(chemin, e);
        if (e) break;
        chemin = lien.is_absolute() ? lien : chemin.parent_path() / lien;
    }
    return chemin;
}

#ifdef _WIN32
EchecEcriture Echec() { return EchecDeCodeSysteme(static_cast<int>(GetLastError())); }

EchecEcriture EcrireEtForcer(const fs::path& chemin, const fs::path&, const std::string& octets, const std::string&, Droits)
{
    HANDLE f = CreateFileW(chemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return Echec();
    DWORD ecrits = 0;
    if (!WriteFile(f, octets.data(), static_cast<DWORD>(octets.size()), &ecrits, nullptr) || ecrits != octets.size() ||
        !FlushFileBuffers(f)) {
        const EchecEcriture r = Echec();
        CloseHandle(f);
        return r;
    }
    return CloseHandle(f) ? EchecEcriture::Aucun : Echec();
}

EchecEcriture Remplacer(const fs::path& source, const fs::path& cible)
{
    // A read-only file is the user's wish that it stay as it is.
    const DWORD attributs = GetFileAttributesW(cible.c_str());
    if (attributs != INVALID_FILE_ATTRIBUTES && (attributs & FILE_ATTRIBUTE_READONLY)) return EchecEcriture::Permission;
    return MoveFileExW(source.c_str(), cible.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? EchecEcriture::Aucun
               : Echec();
}
#else
EchecEcriture Echec() { return EchecDeCodeSysteme(errno); }

// The permissions a file written over `cible` takes.
mode_t DroitsEcrits(const fs::path& cible, const std::string& modele, Droits regle)
{
    struct stat s;
    if (regle == Droits::Identiques && ::stat(CheminNatif(modele).c_str(), &s) == 0) return s.st_mode & 07777;
    // The new file takes the old one's permissions: a meeting kept private stays so.
    mode_t droits = ::stat(cible.c_str(), &s) == 0 ? s.st_mode & 07777 : static_cast<mode_t>(DroitsNouveauFichier({}));
    if (!modele.empty()) droits &= static_cast<mode_t>(DroitsNouveauFichier(modele)) | ~static_cast<mode_t>(0777);
    return droits;
}

EchecEcriture EcrireEtForcer(const fs::path& chemin, const fs::path& cible, const std::string& octets, const std::string& modele,
                             Droits regle)
{
    const int f = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (f < 0) return Echec();
    ::fchmod(f, DroitsEcrits(cible, modele, regle));
    EchecEcriture r = EchecEcriture::Aucun;
    for (std::size_t fait = 0; r == EchecEcriture::Aucun && fait < octets.size();) {
        const ssize_t n = ::write(f, octets.data() + fait, octets.size() - fait);
        if (n < 0) r = Echec();
        else if (n == 0) r = EchecEcriture::PlaceInsuffisante;
        else fait += static_cast<std::size_t>(n);
    }
    if (r == EchecEcriture::Aucun && ::fsync(f) != 0) r = Echec();
    if (::close(f) != 0 && r == EchecEcriture::Aucun) r = Echec();
    return r;
}

EchecEcriture Remplacer(const fs::path& source, const fs::path& cible)
{
    if (::rename(source.c_str(), cible.c_str()) != 0) return Echec();
    // The rename itself reaches the disk with the folder.
    const fs::path dossier = cible.has_parent_path() ? cible.parent_path() : fs::path(".");
    const int d = ::open(dossier.c_str(), O_RDONLY | O_CLOEXEC);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
    return EchecEcriture::Aucun;
}
#endif

} // namespace

EchecEcriture EchecDeCodeSysteme(int code)
{
#ifdef _WIN32
    switch (code) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return EchecEcriture::PlaceInsuffisante;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION: return EchecEcriture::Permission;
    default: return EchecEcriture::Autre;
    }
#else
    switch (code) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return EchecEcriture::PlaceInsuffisante;
    case EACCES:
    case EPERM:
    case EROFS: return EchecEcriture::Permission;
    default: return EchecEcriture::Autre;
    }
#endif
}

EchecEcriture EcrireFichierAtomique(const std::string& chemin, const std::string& octets, const std::string& modele,
                                    Droits droits)
{
    const fs::path cible = CibleReelle(CheminNatif(chemin));
    const fs::path temporaire = CheminTemporaire(cible);
    EchecEcriture r = EcrireEtForcer(temporaire, cible, octets, modele, droits);
    if (r == EchecEcriture::Aucun) r = Remplacer(temporaire, cible);
    if (r != EchecEcriture::Aucun) SupprimerTemporaire(chemin);
    return r;
}

unsigned DroitsNouveauFichier(const std::string& modele)
{
#ifdef _WIN32
    static_cast<void>(modele);
    return 0;
#else
    const mode_t masque = ::umask(0);
    ::umask(masque);
    mode_t droits = 0666 & ~masque;
    struct stat m;
    if (!modele.empty() && ::stat(CheminNatif(modele).c_str(), &m) == 0) droits &= m.st_mode & 0666;
    return droits;
#endif
}

bool AjouterAuFichier(const std::string& chemin, const std::string& octets, const std::string& modele)
{
#ifdef _WIN32
    static_cast<void>(modele);
    HANDLE f = CreateFileW(CheminNatif(chemin).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD ecrits = 0;
    const bool ok = WriteFile(f, octets.data(), static_cast<DWORD>(octets.size()), &ecrits, nullptr) && ecrits == octets.size();
    CloseHandle(f);
    return ok;
#else
    const int f = ::open(CheminNatif(chemin).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (f < 0) return false;
    struct stat s;
    // A file just made (still empty) takes the meeting's permissions; an older one keeps its own.
    if (::fstat(f, &s) == 0 && s.st_size == 0) ::fchmod(f, static_cast<mode_t>(DroitsNouveauFichier(modele)));
    bool ok = true;
    for (std::size_t fait = 0; ok && fait < octets.size();) {
        const ssize_t n = ::write(f, octets.data() + fait, octets.size() - fait);
        ok = n > 0;
        if (ok) fait += static_cast<std::size_t>(n);
    }
    return ::close(f) == 0 && ok;
#endif
}

void SupprimerTemporaire(const std::string& chemin)
{
    const fs::path temporaire = CheminTemporaire(CibleReelle(CheminNatif(chemin)));
    // Only a file this program could have made: anything else is not ours to remove.
    std::error_code e;
    if (fs::is_regular_file(fs::symlink_status(temporaire, e))) fs::remove(temporaire, e);
}

std::optional<std::string> LireFichierEntier(const std::string& chemin, std::size_t limite)
{
    std::error_code erreur;
    const fs::path p = CheminNatif(chemin);
    if (!fs::is_regular_file(p, erreur)) return std::nullopt;
    const auto taille = fs::file_size(p, erreur);
    if (erreur || taille > limite) return std::nullopt;
    std::ifstream f(p, std::ios::binary);
    if (!f) return std::nullopt;
    std::string octets(static_cast<std::size_t>(taille), '\0');
    f.read(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (static_cast<std::size_t>(f.gcount()) != octets.size()) return std::nullopt;
    return octets;
}

std::optional<std::string> LireDebutFichier(const std::string& chemin, std::size_t taille)
{
    std::error_code erreur;
    const fs::path p = CheminNatif(chemin);
    if (chemin.empty() || !fs::is_regular_file(p, erreur)) return std::nullopt;
    std::ifstream f(p, std::ios::binary);
    if (!f) return std::nullopt;
    std::string octets(taille, '\0');
    f.read(octets.data(), static_cast<std::streamsize>(taille));
    if (f.bad()) return std::nullopt;
    octets.resize(static_cast<std::size_t>(f.gcount()));
    return octets;
}

bool CopierFichier(const std::string& source, const std::string& cible, std::size_t limite)
{
    const auto octets = LireFichierEntier(source, limite);
    if (!octets) return false;
    // A copy replaces the file of that name, read-only or not (Windows would keep it).
    std::error_code e;
    if (fs::exists(CheminNatif(cible), e)) RendreModifiable(cible);
    return EcrireFichierAtomique(cible, *octets, source, Droits::Identiques) == EchecEcriture::Aucun;
}

void RendreModifiable(const std::string& chemin)
{
    std::error_code ignore;
    fs::permissions(CheminNatif(chemin), fs::perms::owner_write, fs::perm_options::add, ignore);
}
