#pragma once
// Paths are UTF-8 strings in the core; the file system sees them through
// CheminNatif, which is right on every platform.

#include <filesystem>
#include <string>
#include <string_view>

std::filesystem::path CheminNatif(const std::string& utf8);
// The other way: a path, or any text the system gives as one (a wide string on
// Windows), as UTF-8.
std::string CheminUtf8(const std::filesystem::path& chemin);
std::string JoindreChemin(const std::string& dossier, std::string_view nom);
// The file's name without its folder.
std::string NomDeFichier(const std::string& chemin);
// Cuts the file name at its last "." (a dot of a folder name is never taken)
// and appends `extension`, dot included.
std::string RemplacerExtension(const std::string& chemin, std::string_view extension);
