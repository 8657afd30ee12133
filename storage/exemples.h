#pragma once
// The sample meeting and model-type dictionary that come with the program, and
// the user's data folder they go to ("KORAL" in the documents folder).

#include <string>
#include <vector>

constexpr const char* DOSSIER_DONNEES = "KORAL";
extern const std::vector<std::string> FICHIERS_EXEMPLES;   // the sample meeting, then the dictionary

// Copies into `donnees` (made when missing) each sample of `source` that is not
// there yet; a sample the user has changed is never overwritten. The names copied.
std::vector<std::string> CopierExemplesManquants(const std::string& source, const std::string& donnees);
