#include "records/pagecarte.h"

#include "records/texte.h"
#include "store/maintenance.h"

namespace zel {

std::vector<Colonne> colonnesNomsAdresses() {
    return {{QStringLiteral("Nom/Société"), 160}, {QStringLiteral("Adresse"), 150},
            {QStringLiteral("Adresse"), 120},     {QStringLiteral("C.P."), 50},
            {QStringLiteral("Ville"), 120},       {QStringLiteral("Téléphone"), 95},
            {QStringLiteral("Fax"), 95}};
}

const QStringList& risques() {
    static const QStringList liste = {QStringLiteral("Aucun"), QStringLiteral("Faible"),
                                      QStringLiteral("Moyen"), QStringLiteral("Elevé")};
    return liste;
}

PageCarte::PageCarte(DescriptionPage description, JeuDocuments& jeu, Reglages& reglages,
                     Dialogues& dialogues, const MesureTexte& mesure)
    : m_jeu(jeu), m_reglages(reglages), m_dialogues(dialogues),
      m_description(std::move(description)),
      m_carte(m_description.disposition, jeu, reglages.formatMontant, mesure, dialogues) {}

void PageCarte::LitFiche(bool discret) {
    m_carte.Lit(courant(), m_aujourdhui());
    if (!discret)
        apresLecture();
}

void PageCarte::apresLecture() {
    if (m_carte.champ(kLigneCode).isEmpty())
        m_carte.setChamp(kLigneCode, QString::number(maintenance::prochainCode(store())));
}

void PageCarte::EcritFiche() {
    m_carte.EcritSiModifiee(courant());
    // A card typed into an empty new set is record 0, and counts once it is written.
    if (courant() >= compte() && store().ChercheBloc(courant()) >= 0)
        m_jeu.setCompte(sorte(), courant() + 1);
}

void PageCarte::Ajout() {
    EcritFiche();
    const int n = maintenance::numeroNouveau(store(), compte());
    if (n > Blocs::kCapacite - 1) {
        m_dialogues.message(QStringLiteral("Le fichier est plein"));
        return;
    }
    m_jeu.store(sorte()).ajoute({QStringLiteral(" ")});
    m_jeu.setCompte(sorte(), n + 1);
    m_jeu.setCourant(sorte(), n);
    LitFiche();
}

void PageCarte::Supprime() {
    int n = compte();
    int numero = courant();
    maintenance::Supprime(m_jeu.store(sorte()), n, numero);
    m_jeu.setCompte(sorte(), n);
    m_jeu.setCourant(sorte(), numero);
    m_jeu.SetSauve();
    LitFiche();
}

std::optional<int> PageCarte::pasSelection(Pas pas) const {
    return pasSimple(pas, courant(), compte());
}

std::optional<int> PageCarte::pasParmi(Pas pas, int ligne, const Critere& critere) const {
    return pasFiltre(store(), pas, courant(), ligne, critere);
}

std::optional<int> PageCarte::pasEgal(Pas pas, int ligne, const QString& cle) const {
    return pasParmi(pas, ligne, [&cle](QStringView t) { return t == cle; });
}

std::optional<int> PageCarte::pasMajuscules(Pas pas, int ligne, const QString& cle) const {
    return pasParmi(pas, ligne, [&cle](QStringView t) { return majusculesAZ(t) == cle; });
}

void PageCarte::demandeCle(Saisie saisie, QString& cle) {
    if (const std::optional<QString> reponse = m_dialogues.saisit(saisie, cle))
        cle = definition(saisie).majuscules ? majusculesAZ(*reponse) : *reponse;
}

void PageCarte::va(int numero) {
    m_jeu.setCourant(sorte(), numero);
    LitFiche();
}

void PageCarte::navigue(Pas pas) {
    EcritFiche();
    const bool versLaFin = pas == Pas::Suivant || pas == Pas::Dernier;
    if (versLaFin && compte() < 2)
        return;
    va(pasSelection(pas).value_or(courant()));
}

void PageCarte::recherche(Saisie saisie, int ligne) {
    EcritFiche();
    const std::optional<QString> reponse = m_dialogues.saisit(saisie, QString());
    if (!reponse || reponse->isEmpty())
        return;
    const QString cle = definition(saisie).majuscules ? majusculesAZ(*reponse) : *reponse;
    if (const std::optional<int> n = chercheDebut(store(), ligne, cle))
        va(*n);
    else
        m_dialogues.message(QStringLiteral("Fiche ") + cle + QStringLiteral(" non trouvée"));
}

void PageCarte::RechNom() {
    recherche(Saisie::Nom, m_description.ligneNom);
}

void PageCarte::RechNum() {
    recherche(Saisie::CodeClient, kLigneCode);
}

TableListe PageCarte::tableListe() const {
    TableListe table{m_description.titreListe, {{QString(), 0}, {QString(), 40}}, {}};
    table.colonnes.insert(table.colonnes.end(), m_description.colonnes.begin(),
                          m_description.colonnes.end());
    const auto ouvertures = store().ouvertures();
    table.lignes.reserve(ouvertures.size());
    for (const LigneOuverture& o : ouvertures) {
        QStringList rangee{QString::number(o.numero), QString::number(table.lignes.size() + 1)};
        for (int l : m_description.lignesColonnes)
            rangee.append(ligneApres(store(), o.position, l).toString());
        table.lignes.push_back(std::move(rangee));
    }
    return table;
}

void PageCarte::Liste() {
    if (store().taille() < m_description.lignesMiniListe || store().CompteBlocs() == 0) {
        m_dialogues.message(m_description.listeVide);
        return;
    }
    EcritFiche();
    const TableListe table = tableListe();
    const std::optional<int> rangee = m_dialogues.montreListe(table);
    if (!rangee || *rangee < 0 || *rangee >= int(table.lignes.size()))
        return;
    const int n = table.lignes[*rangee].front().toInt();
    if (n >= 0 && n < compte())
        va(n);
}

std::optional<QString> PageCarte::choisit(int ligneCle, int ligneTexte) {
    QStringList entrees;
    for (const LigneOuverture& o : store().ouvertures())
        entrees.append(ligneApres(store(), o.position, ligneCle).toString() + u' ' +
                       ligneApres(store(), o.position, ligneTexte).toString());
    const std::optional<int> choix = m_dialogues.choisit(m_description.titreListe, entrees);
    if (!choix || *choix < 0 || *choix >= entrees.size())
        return std::nullopt;
    return entrees[*choix].section(u' ', 0, 0);
}

} // namespace zel
