#include "engine/index_frequences.h"

#include <algorithm>

IndexFrequences::IndexFrequences() : direct_(EtendueDirecte, int16_t{-1}) {}

void IndexFrequences::Reconstruire(const std::vector<EntreeFrequence>& plan)
{
    for (int32_t f : occupes_) direct_[static_cast<std::size_t>(f)] = -1;
    occupes_.clear();
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const int32_t f = plan[i].Frequence;
        if (f < 0 || f >= EtendueDirecte) continue;
        auto& case_ = direct_[static_cast<std::size_t>(f)];
        if (case_ >= 0) continue;   // first match wins, as in a scan
        case_ = static_cast<int16_t>(i);
        occupes_.push_back(f);
    }
}

int IndexFrequences::ChercherTrie(const std::vector<EntreeFrequence>& plan, int32_t f)
{
    auto it = std::lower_bound(plan.begin(), plan.end(), f,
                               [](const EntreeFrequence& e, int32_t v) { return e.Frequence < v; });
    if (it == plan.end() || it->Frequence != f) return -1;
    return static_cast<int>(it - plan.begin());
}

int IndexFrequences::PlusProche(const std::vector<EntreeFrequence>& plan, int32_t x,
                                int32_t fenetre, bool montant) const
{
    const int64_t bas = int64_t{x} - fenetre;
    const int64_t haut = int64_t{x} + fenetre;
    if (bas >= 0 && haut < EtendueDirecte) {
        if (montant) {
            for (int64_t f = bas; f <= haut; ++f)
                if (direct_[static_cast<std::size_t>(f)] >= 0) return direct_[static_cast<std::size_t>(f)];
        } else {
            for (int64_t f = haut; f >= bas; --f)
                if (direct_[static_cast<std::size_t>(f)] >= 0) return direct_[static_cast<std::size_t>(f)];
        }
        return -1;
    }
    auto debut = std::lower_bound(plan.begin(), plan.end(), bas,
                                  [](const EntreeFrequence& e, int64_t v) { return e.Frequence < v; });
    auto fin = std::upper_bound(plan.begin(), plan.end(), haut,
                                [](int64_t v, const EntreeFrequence& e) { return v < e.Frequence; });
    if (debut >= fin) return -1;
    return static_cast<int>((montant ? debut : fin - 1) - plan.begin());
}
