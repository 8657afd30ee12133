#include "tests/support/autre_processus.h"

#include "storage/chemins.h"
#include "storage/fichier_atomique.h"
#include "storage/verrou.h"

#include <chrono>
#include <filesystem>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

int JouerRole(const std::string& role, const std::string& argument)
{
    if (role != "verrou") return 2;
    // Another stand: it takes the lock, says whether it has it, and stays.
    VerrouFichier verrou;
    const bool pris = verrou.Prendre(argument) == PriseVerrou::Prise;
    EcrireFichierAtomique(argument + ".pret", pris ? "1" : "0");
    for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
}

bool AttendreFichier(const std::string& chemin)
{
    for (int i = 0; i < 1000; ++i) {
        std::error_code e;
        if (std::filesystem::exists(CheminNatif(chemin), e)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

#ifdef _WIN32
AutreProcessus::AutreProcessus(const std::string& role, const std::string& argument)
{
    wchar_t programme[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, programme, MAX_PATH);
    std::wstring ligne = L"\"" + std::wstring(programme) + L"\" --role " + std::wstring(role.begin(), role.end()) + L" \"" +
                         CheminNatif(argument).wstring() + L"\"";
    STARTUPINFOW demarrage{};
    demarrage.cb = sizeof demarrage;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(programme, ligne.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &demarrage, &info)) return;
    CloseHandle(info.hThread);
    poignee_ = info.hProcess;
    identifiant_ = static_cast<long>(info.dwProcessId);
}

void AutreProcessus::Tuer()
{
    if (!poignee_) return;
    TerminateProcess(poignee_, 9);
    WaitForSingleObject(poignee_, INFINITE);
    CloseHandle(poignee_);
    poignee_ = nullptr;
}
#else
AutreProcessus::AutreProcessus(const std::string& role, const std::string& argument)
{
    const std::string programme = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string a0 = programme, a1 = "--role", a2 = role, a3 = argument;
    char* arguments[] = {a0.data(), a1.data(), a2.data(), a3.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, programme.c_str(), nullptr, nullptr, arguments, environ) != 0) return;
    identifiant_ = pid;
    poignee_ = this;
}

void AutreProcessus::Tuer()
{
    if (!poignee_) return;
    kill(static_cast<pid_t>(identifiant_), SIGKILL);
    waitpid(static_cast<pid_t>(identifiant_), nullptr, 0);
    poignee_ = nullptr;
}
#endif

AutreProcessus::~AutreProcessus() { Tuer(); }

bool AutreProcessus::Lance() const { return poignee_ != nullptr; }

long AutreProcessus::Identifiant() const { return identifiant_; }
