#include "records/impressionliste.h"

namespace zel {

namespace {
constexpr double kXRegle = 5;
} // namespace

void EnteteListe::dessine(Cadre& cadre) const {
    for (const TexteFixe& t : textes)
        cadre.texte(t.x, t.y, t.texte);
    cadre.ligne(kXRegle, yRegle, xFinRegle, yRegle);
}

EnteteListe Entete1() {
    return {{{5, 0, QStringLiteral("Nom/Société")},
             {55, 0, QStringLiteral("Adresse")},
             {105, 0, QStringLiteral("Adresse")},
             {155, 0, QStringLiteral("C.P.")},
             {175, 0, QStringLiteral("Ville")},
             {225, 0, QStringLiteral("Téléphone")},
             {255, 0, QStringLiteral("Fax")}},
            5,
            300};
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
            cadre.texte(c.x, y, ligneBloc(contenu, c.ligne));
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
