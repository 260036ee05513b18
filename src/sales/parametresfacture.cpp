#include "sales/parametresfacture.h"

#include "records/montant.h"

namespace zel {

SaisieParametres SaisieParametres::depuis(const Reglages& reglages) {
    const ValeursIni& v = reglages.ini;
    SaisieParametres s;
    // The settings are read and typed as numbers: each has its digits.
    s.tauxEuro = formateMontant(v.tauxEuro, u"0.00000").value_or(QString());
    for (std::size_t i = 0; i < 3; ++i)
        s.tauxTva[i] = formateMontant(v.tauxTva[i], u"0.00").value_or(QString());
    s.decimales = v.decimales;
    for (std::size_t i = 0; i < s.conditions.size(); ++i)
        s.conditions[i] = reglages.listes.reglements.value(qsizetype(i));
    // A stored currency other than Euro or Autre counts as Franc, as in the totals.
    s.devise = v.modeDevise == 1 || v.modeDevise == 2 ? v.modeDevise : 0;
    if (v.modeDevise == 2)
        s.nomDevise = v.nomDevise;
    s.facturesElectroniques = v.facturesElectroniques;
    return s;
}

std::optional<QString> SaisieParametres::refus() const {
    for (std::size_t i = 0; i < tauxTva.size(); ++i) {
        const std::optional<double> n = litNombre(tauxTva[i]);
        if (n && !tauxTvaAccepte(*n))
            return QStringLiteral("Le taux de TVA %1 (%2) n'est pas accepté : un taux de TVA doit "
                                  "dépasser -100 %.")
                .arg(i + 1)
                .arg(tauxTva[i].trimmed());
    }
    if (facturesElectroniques && decimales != 2)
        return QStringLiteral("Les factures électroniques (EN 16931) se calculent au centime : "
                              "choisissez 2 décimales, ou décochez « Factures électroniques ».");
    return std::nullopt;
}

void SaisieParametres::applique(Reglages& reglages) const {
    ValeursIni& v = reglages.ini;
    std::array<std::pair<const QString*, double*>, 4> nombres = {
        std::pair{&tauxEuro, &v.tauxEuro}, std::pair{&tauxTva[0], &v.tauxTva[0]},
        std::pair{&tauxTva[1], &v.tauxTva[1]}, std::pair{&tauxTva[2], &v.tauxTva[2]}};
    bool lisible = true;
    for (const auto& [texte, valeur] : nombres) {
        const std::optional<double> n = litNombre(*texte);
        if (!n || (valeur != &v.tauxEuro && !tauxTvaAccepte(*n))) {
            lisible = false;
            break;
        }
        *valeur = *n;
    }
    if (lisible)
        v.decimales = decimales;
    reglages.listes.reglements.clear();
    for (const QString& c : conditions) {
        if (!c.isEmpty())
            reglages.listes.reglements.append(c);
    }
    v.modeDevise = devise;
    v.nomDevise = devise == 2 ? nomDevise : QString();
    v.facturesElectroniques = facturesElectroniques && v.decimales == 2;
    if (const std::optional<QString> format = formatPourDecimales(v.decimales))
        reglages.formatMontant = *format;
}

} // namespace zel
