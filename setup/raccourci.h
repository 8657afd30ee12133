#pragma once
// The program's shortcuts, as the system has them: a desktop entry on Linux
// desktops, a shell link on Windows. Paths and texts are UTF-8.

#include <optional>
#include <string>

#ifdef _WIN32
constexpr const char* NOM_PROGRAMME_INSTALLE = "koralis.exe";
constexpr const char* NOM_RACCOURCI = "koralis.lnk";
#else
constexpr const char* NOM_PROGRAMME_INSTALLE = "koralis";
constexpr const char* NOM_RACCOURCI = "koralis.desktop";
#endif

// What a shortcut holds: the folder of the program it starts, its description.
struct Raccourci {
    std::string Programme;
    std::string Description;
};

// Whether the shortcuts can be made at all here (Windows: the component library starts).
bool RaccourcisPossibles();
// A shortcut at `chemin` to the program in the folder `programme`; a desktop
// entry is made runnable, as desktops ask of a launcher.
bool CreerRaccourci(const std::string& chemin, const std::string& programme, const std::string& description);
// The shortcut at `chemin`, when it is one that starts a program.
std::optional<Raccourci> LireRaccourci(const std::string& chemin);
