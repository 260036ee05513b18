#include "records/impressionliste.h"

#include <map>

namespace zel {

namespace {
constexpr double kXRegle = 5;
// Where the rule under a landscape header ends, and its last column.
constexpr double kFinLigne = 300;
constexpr std::array<double, 7> kXNomsAdresses = {5, 55, 105, 155, 175, 225, 255};
} // namespace

void EnteteListe::dessine(Cadre& cadre) const {
    std::map<double, std::vector<Place>> rangees;
    for (const TexteFixe& t : textes)
        rangees[t.y].push_back({t.x, t.texte, Ajuste::Reduit});
    for (auto& [y, places] : rangees)
        cadre.rangee(y, std::move(places), xFinRegle);
    cadre.ligne(kXRegle, yRegle, xFinRegle, yRegle);
}

void ColonneListe::imprime(Cadre& cadre, double y, const QString& texte) const {
    if (chiffre)
        cadre.texteDroite(fin, y, texte.trimmed(), x);
    else
        cadre.texte(x, y, texte, fin);
}

EnteteListe Entete1() {
    const char16_t* const titres[] = {u"Nom/Société", u"Adresse",   u"Adresse", u"C.P.",
                                      u"Ville",       u"Téléphone", u"Fax"};
    EnteteListe e{{}, 5, kFinLigne};
    for (std::size_t i = 0; i < kXNomsAdresses.size(); ++i)
        e.textes.push_back({kXNomsAdresses[i], 0, QString::fromUtf16(titres[i])});
    return e;
}

std::vector<ColonneListe> colonnesNomsAdresses(const std::array<int, 7>& lignes) {
    std::vector<ColonneListe> colonnes;
    for (std::size_t i = 0; i < kXNomsAdresses.size(); ++i)
        colonnes.push_back({kXNomsAdresses[i], lignes[i],
                            i + 1 < kXNomsAdresses.size() ? kXNomsAdresses[i + 1] - 1 : kFinLigne});
    return colonnes;
}

void imprimeListe(Canevas& canevas, const Blocs& store, const std::vector<int>& blocs,
                  const EnteteListe& entete, const std::vector<ColonneListe>& colonnes) {
    Cadre cadre(canevas);
    cadre.debut(Canevas::Orientation::Paysage);
    PagesListe pages(cadre, [&entete](Cadre& c) { entete.dessine(c); });
    for (const int n : blocs) {
        const QStringList contenu = store.contenuBloc(n);
        const double y = pages.ligne();
        for (const ColonneListe& c : colonnes)
            c.imprime(cadre, y, ligneBloc(contenu, c.ligne));
    }
    cadre.fin();
}

std::optional<std::vector<int>> plageAImprimer(PageCarte& page, const JeuDocuments& jeu,
                                               Dialogues& dialogues) {
    page.EcritFiche();
    const int compte = jeu.compte(page.sorte());
    if (compte < 1) {
        dialogues.message(QStringLiteral("Aucune fiche à imprimer."));
        return std::nullopt;
    }
    const std::optional<std::pair<int, int>> plage = dialogues.plage(compte);
    if (!plage)
        return std::nullopt;
    return blocsDeLaPlage(jeu.store(page.sorte()), compte, plage->first, plage->second);
}

} // namespace zel
