#pragma once
// What the program is started with: "[--web PORT] [MEETING]", in any order.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct LigneDeCommande {
    std::string Manifestation;              // the meeting file named, its quotes dropped
    std::optional<uint16_t> PortWeb;        // --web and a port from 1 to 65535
    std::optional<std::string> PortRefuse;  // --web and anything else (nothing: empty)
};

// The arguments without the program's own name.
LigneDeCommande LireLigneDeCommande(const std::vector<std::string>& arguments);
