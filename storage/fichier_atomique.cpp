#include "storage/fichier_atomique.h"

#include "storage/chemins.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

std::filesystem::path CheminTemporaire(const std::filesystem::path& cible)
{
    std::filesystem::path t = cible;
    t += ".tmp";
    return t;
}

#ifdef _WIN32
bool EcrireEtForcer(const std::filesystem::path& chemin, const std::string& octets)
{
    HANDLE f = CreateFileW(chemin.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD ecrits = 0;
    bool ok = WriteFile(f, octets.data(), static_cast<DWORD>(octets.size()), &ecrits, nullptr) && ecrits == octets.size();
    ok = FlushFileBuffers(f) && ok;
    return CloseHandle(f) && ok;
}

bool Remplacer(const std::filesystem::path& source, const std::filesystem::path& cible)
{
    return MoveFileExW(source.c_str(), cible.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
#else
bool EcrireEtForcer(const std::filesystem::path& chemin, const std::string& octets)
{
    const int f = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (f < 0) return false;
    bool ok = true;
    for (std::size_t fait = 0; ok && fait < octets.size();) {
        const ssize_t n = ::write(f, octets.data() + fait, octets.size() - fait);
        if (n <= 0) ok = false;
        else fait += static_cast<std::size_t>(n);
    }
    ok = ::fsync(f) == 0 && ok;
    return ::close(f) == 0 && ok;
}

bool Remplacer(const std::filesystem::path& source, const std::filesystem::path& cible)
{
    if (::rename(source.c_str(), cible.c_str()) != 0) return false;
    // The rename itself reaches the disk with the folder.
    const std::filesystem::path dossier = cible.has_parent_path() ? cible.parent_path() : std::filesystem::path(".");
    const int d = ::open(dossier.c_str(), O_RDONLY | O_CLOEXEC);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
    return true;
}
#endif

} // namespace

bool EcrireFichierAtomique(const std::string& chemin, const std::string& octets)
{
    const std::filesystem::path cible = CheminNatif(chemin);
    const std::filesystem::path temporaire = CheminTemporaire(cible);
    if (!EcrireEtForcer(temporaire, octets) || !Remplacer(temporaire, cible)) {
        std::error_code ignore;
        std::filesystem::remove(temporaire, ignore);
        return false;
    }
    return true;
}

std::optional<std::string> LireFichierEntier(const std::string& chemin, std::size_t limite)
{
    std::error_code erreur;
    const std::filesystem::path p = CheminNatif(chemin);
    if (!std::filesystem::is_regular_file(p, erreur)) return std::nullopt;
    const auto taille = std::filesystem::file_size(p, erreur);
    if (erreur || taille > limite) return std::nullopt;
    std::ifstream f(p, std::ios::binary);
    if (!f) return std::nullopt;
    std::string octets(static_cast<std::size_t>(taille), '\0');
    f.read(octets.data(), static_cast<std::streamsize>(octets.size()));
    if (static_cast<std::size_t>(f.gcount()) != octets.size()) return std::nullopt;
    return octets;
}

void RendreModifiable(const std::string& chemin)
{
    std::error_code ignore;
    std::filesystem::permissions(CheminNatif(chemin), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ignore);
}
