#include "shell/ligne_commande.h"

#include <gtest/gtest.h>

TEST(LigneDeCommande, AMeetingAndTheBoardOnThePhones)
{
    struct Cas {
        std::vector<std::string> arguments;
        std::string manifestation;
        std::optional<uint16_t> port;
        std::optional<std::string> refuse;
    };
    const Cas cas[] = {
        {{}, "", std::nullopt, std::nullopt},
        {{"\"D:\\Mes meetings\\Koral.mhz\""}, "D:\\Mes meetings\\Koral.mhz", std::nullopt, std::nullopt},
        {{"--web", "8080", "club.mhz"}, "club.mhz", 8080, std::nullopt},
        {{"club.mhz", "--web", "65535"}, "club.mhz", 65535, std::nullopt},
        {{"--web", "1"}, "", 1, std::nullopt},
        {{"--web", "0", "club.mhz"}, "club.mhz", std::nullopt, "0"},
        {{"--web", "65536"}, "", std::nullopt, "65536"},
        {{"--web", "80a"}, "", std::nullopt, "80a"},
        {{"--web", "club.mhz"}, "", std::nullopt, "club.mhz"},
        {{"--web"}, "", std::nullopt, ""},
    };
    for (const Cas& c : cas) {
        const LigneDeCommande l = LireLigneDeCommande(c.arguments);
        EXPECT_EQ(l.Manifestation, c.manifestation);
        EXPECT_EQ(l.PortWeb, c.port);
        EXPECT_EQ(l.PortRefuse, c.refuse);
    }
}
