#pragma once

#include "records/carte.h"
#include "records/parcours.h"
#include "records/reglages.h"

#include <functional>
#include <optional>

namespace zel {

// What tells one record page from another besides its card: the line its name search reads,
// and its on-screen list (title, columns after the hidden number and the ordinal, and the
// block line each of them shows).
struct DescriptionPage {
    DispositionCarte disposition;
    int ligneNom;
    QString titreListe;
    // Told instead of showing a list with nothing in it.
    QString listeVide;
    // A store shorter than this holds no complete record to list.
    int lignesMiniListe;
    std::vector<Colonne> colonnes;
    std::vector<int> lignesColonnes;
};

// The clients and the suppliers share their name-and-address rows: the on-screen list's columns
// of names and addresses, and the "Risque" drop-down's list.
std::vector<Colonne> colonnesNomsAdresses();
const QStringList& risques();

// A record page: the card of the current record of one store, its browsing, its searches, its
// lists, and adding and deleting records. Every record kind is one of these with its own
// description and selections.
class PageCarte {
public:
    // The line of every record's code.
    static constexpr int kLigneCode = 1;

    PageCarte(DescriptionPage description, JeuDocuments& jeu, Reglages& reglages,
              Dialogues& dialogues, const MesureTexte& mesure);
    virtual ~PageCarte() = default;
    PageCarte(const PageCarte&) = delete;
    PageCarte& operator=(const PageCarte&) = delete;

    Carte& carte() { return m_carte; }
    const Carte& carte() const { return m_carte; }
    Sorte sorte() const { return m_description.disposition.sorte; }
    int courant() const { return m_jeu.courant(sorte()); }
    int compte() const { return m_jeu.compte(sorte()); }

    // Reads the current record; unless the read is quiet, the page then completes the card.
    void LitFiche(bool discret = false);
    // Writes the card back when it was changed.
    void EcritFiche();
    // A new last record, counted at once; its block is written with its first change. A new
    // record never written does not count: the next one takes its number.
    void Ajout();
    // Deletes the current record (the user has confirmed) and shows the one now at its number.
    void Supprime();
    // Writes the card back, steps in the selection, and reads the record stepped to. "Suivant"
    // and "Dernier" need two records at least.
    void navigue(Pas pas);
    void RechNom();
    void RechNum();
    // The on-screen list; the record chosen in it becomes the current one.
    void Liste();
    TableListe tableListe() const;
    // A pick list of "line cle, a blank, line texte" for every block in store order: the
    // chosen entry's text before its first blank, or nothing.
    std::optional<QString> choisit(int ligneCle, int ligneTexte);

    // The day the entry line's date is set to on each read.
    void setAujourdhui(std::function<QDate()> aujourdhui) { m_aujourdhui = std::move(aujourdhui); }

protected:
    // The step of the page's selection; the plain step unless the page has other selections.
    virtual std::optional<int> pasSelection(Pas pas) const;
    // After a card is read, unless quietly: the empty fields receive their defaults (the code
    // by default) without marking the card.
    virtual void apresLecture();
    // The filtered step over the page's store.
    std::optional<int> pasParmi(Pas pas, int ligne, const Critere& critere) const;
    // Steps among the blocks whose line equals the key exactly.
    std::optional<int> pasEgal(Pas pas, int ligne, const QString& cle) const;
    // Steps among the blocks whose line, upper-cased from a to z, equals the key (upper-cased).
    std::optional<int> pasMajuscules(Pas pas, int ligne, const QString& cle) const;
    // Asks for a selection key in the dialog, opened with the key: OK replaces it, upper-cased
    // where the dialog says so; Cancel keeps it.
    void demandeCle(Saisie saisie, QString& cle);
    // Searches line `ligne` of the blocks for the beginning typed in the dialog.
    void recherche(Saisie saisie, int ligne);
    void va(int numero);
    const Blocs& store() const { return m_jeu.store(sorte()); }

    JeuDocuments& m_jeu;
    Reglages& m_reglages;
    Dialogues& m_dialogues;

private:
    DescriptionPage m_description;
    Carte m_carte;
    std::function<QDate()> m_aujourdhui = &QDate::currentDate;
};

} // namespace zel
