#include "app/parametres.h"

namespace zel {

bool changeEntete(EnteteSociete& entete, const EnteteSociete& champs) {
    if (champs[0].isEmpty())
        return false;
    entete = champs;
    return true;
}

std::optional<ListeEditee> listeEditee(Operation operation) {
    switch (operation) {
    case Operation::Repre:
        return ListeEditee{QStringLiteral("Les Représentants"), QStringLiteral("Représentant"),
                           &ListesChoix::representants};
    case Operation::Banques:
        return ListeEditee{QStringLiteral("Les Banques"), QStringLiteral("Banque"),
                           &ListesChoix::banques};
    case Operation::FamFournis:
        return ListeEditee{QStringLiteral("Les familles de fournisseurs"),
                           QStringLiteral("Famille"), &ListesChoix::famillesFournisseurs};
    case Operation::FamArt:
        return ListeEditee{QStringLiteral("Les familles d'articles"), QStringLiteral("Famille"),
                           &ListesChoix::famillesArticles};
    default:
        return std::nullopt;
    }
}

void EditeurListe::deselectionne() {
    m_selection = -1;
    m_saisie.clear();
}

void EditeurListe::clique(int ligne) {
    if (ligne < 0 || ligne >= m_elements.size())
        return;
    m_selection = ligne;
    m_saisie = m_elements[ligne];
}

void EditeurListe::valide() {
    if (m_selection >= 0)
        m_elements[m_selection] = m_saisie;
    else
        m_elements.append(m_saisie);
    deselectionne();
}

void EditeurListe::supprime() {
    if (m_selection >= 0)
        m_elements.removeAt(m_selection);
    deselectionne();
}

QStringList departements() {
    static const char16_t* const kNoms[] = {
        u"Armées",
        u"Ain",
        u"Aisne",
        u"Allier",
        u"Alpes-de-Haute-Provence",
        u"Hautes-Alpes",
        u"Alpes-Maritimes",
        u"Ardèche",
        u"Ardennes",
        u"Ariège",
        u"Aube",
        u"Aude",
        u"Aveyron",
        u"Bouches-du-Rhône",
        u"Calvados",
        u"Cantal",
        u"Charente",
        u"Charente-Maritime",
        u"Cher",
        u"Corrèze",
        u"Corse",
        u"Côte-d'Or",
        u"Côtes-d'Armor",
        u"Creuse",
        u"Dordogne",
        u"Doubs",
        u"Drôme",
        u"Eure",
        u"Eure-et-Loir",
        u"Finistère",
        u"Gard",
        u"Haute-Garonne",
        u"Gers",
        u"Gironde",
        u"Hérault",
        u"Ille-et-Vilaine",
        u"Indre",
        u"Indre-et-Loire",
        u"Isère",
        u"Jura",
        u"Landes",
        u"Loir-et-Cher",
        u"Loire",
        u"Haute-Loire",
        u"Loire-Atlantique",
        u"Loiret",
        u"Lot",
        u"Lot-et-Garonne",
        u"Lozère",
        u"Maine-et-Loire",
        u"Manche",
        u"Marne",
        u"Haute-Marne",
        u"Mayenne",
        u"Meurthe-et-Moselle",
        u"Meuse",
        u"Morbihan",
        u"Moselle",
        u"Nièvre",
        u"Nord",
        u"Oise",
        u"Orne",
        u"Pas-de-Calais",
        u"Puy-de-Dôme",
        u"Pyrénées-Atlantiques",
        u"Hautes-Pyrénées",
        u"Pyrénées-Orientales",
        u"Bas-Rhin",
        u"Haut-Rhin",
        u"Rhône",
        u"Haute-Saône",
        u"Saône-et-Loire",
        u"Sarthe",
        u"Savoie",
        u"Haute-Savoie",
        u"Paris",
        u"Seine-Maritime",
        u"Seine-et-Marne",
        u"Yvelines",
        u"Deux-Sèvres",
        u"Somme",
        u"Tarn",
        u"Tarn-et-Garonne",
        u"Var",
        u"Vaucluse",
        u"Vendée",
        u"Vienne",
        u"Haute-Vienne",
        u"Vosges",
        u"Yonne",
        u"Territoire de Belfort",
        u"Essonne",
        u"Hauts-de-Seine",
        u"Seine-Saint-Denis",
        u"Val-de-Marne",
        u"Val-d'Oise",
    };
    QStringList lignes;
    int numero = 0;
    for (const char16_t* nom : kNoms)
        lignes.append(QStringLiteral("%1 ").arg(numero++, 2, 10, QLatin1Char('0')) +
                      QString::fromUtf16(nom));
    lignes.append(QStringLiteral("97 Dom"));
    return lignes;
}

} // namespace zel
