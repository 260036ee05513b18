#pragma once

#include <QString>

#include <array>

namespace zel::outils {

// The letter scale: counts of standard items and a tariff give a weight and its postage.
// Weights are held in tenths of a gram so that a sum of items lands exactly on a band bound
// (twenty grams stay in the first band whatever items make them up).
class PeseLettres {
public:
    enum class Tarif { FranceRapide, FranceEcopli, UnionEuropeenne };
    static constexpr int NombreArticles = 20;
    static constexpr int CompteMax = 200;

    // Clamped to 0 ... 200, as the spin fields are.
    void setCompte(int article, int compte);
    void setSupplement(int grammes);
    void setTarif(Tarif tarif) { m_tarif = tarif; }

    double poids() const;
    double prixFrancs() const;

    // The result panel, as `Calcule` shows it: "53 g", "6,70 F", "1,02 E".
    QString textePoids() const;
    QString texteFrancs() const;
    QString texteEuros() const;

private:
    int dixiemes() const;

    std::array<int, NombreArticles> m_comptes{};
    int m_supplement = 0;
    Tarif m_tarif = Tarif::FranceRapide;
};

} // namespace zel::outils
