#pragma once
// Another process of the core tests' own program, playing a part for a test
// (another stand holding a lock, say), killed when the test says or at the end.

#include <string>

// The parts the core tests' program plays when started with "--role <part> <argument>".
int JouerRole(const std::string& role, const std::string& argument);

class AutreProcessus {
public:
    AutreProcessus(const std::string& role, const std::string& argument);
    ~AutreProcessus();
    AutreProcessus(const AutreProcessus&) = delete;
    AutreProcessus& operator=(const AutreProcessus&) = delete;

    bool Lance() const;
    long Identifiant() const;
    // Ends it at once, as a crash or a kill would, and waits for its end.
    void Tuer();

private:
    long identifiant_ = -1;
    void* poignee_ = nullptr;
};

// Waits (up to 10 s) until a file exists: how the other process says it is ready.
bool AttendreFichier(const std::string& chemin);
