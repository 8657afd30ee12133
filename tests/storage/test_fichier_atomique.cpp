#include "storage/fichier_atomique.h"
#include "tests/support/dossier_temporaire.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// A program copied by the installer runs whenever its copy is killed: the file
// that replaces the old one already has its run bit. The temporary file is a
// pipe here, so that what it is before the rename can be seen.
TEST(CopierFichier, TheCopyHasItsPermissionsBeforeItReplacesTheOldFile)
{
    DossierTemporaire d;
    const std::string source = d.Fichier("koralis-source"), cible = d.Fichier("koralis");
    EcrireOctets(source, std::string(4096, 'x'));
    ASSERT_EQ(chmod(source.c_str(), 0755), 0);
    ASSERT_EQ(mkfifo((cible + ".tmp").c_str(), 0600), 0);
    const pid_t copie = fork();
    if (copie == 0) _exit(CopierFichier(source, cible, 1 << 20) ? 0 : 1);
    const int tube = open((cible + ".tmp").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(tube, 0);
    char octet;
    pollfd attente{tube, POLLIN, 0};
    ASSERT_EQ(poll(&attente, 1, 5000), 1);
    ASSERT_EQ(read(tube, &octet, 1), 1);   // the copy has begun to write
    struct stat s {};
    ASSERT_EQ(stat((cible + ".tmp").c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 0777, 0755u);
    fcntl(tube, F_SETFL, 0);
    while (read(tube, &octet, 1) > 0) {
    }
    close(tube);
    waitpid(copie, nullptr, 0);
}

TEST(CopierFichier, KeepsTheSourcesPermissions)
{
    DossierTemporaire d;
    for (const mode_t droits : {mode_t{0755}, mode_t{0600}, mode_t{0644}}) {
        const std::string source = d.Fichier("source"), cible = d.Fichier("cible");
        EcrireOctets(source, "octets");
        ASSERT_EQ(chmod(source.c_str(), droits), 0);
        ASSERT_TRUE(CopierFichier(source, cible, 1 << 20));
        struct stat s {};
        stat(cible.c_str(), &s);
        EXPECT_EQ(s.st_mode & 0777, droits);
        EXPECT_EQ(LireOctets(cible), "octets");
    }
}
#endif
