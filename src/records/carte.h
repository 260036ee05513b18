#pragma once

#include "records/dialogues.h"
#include "records/montant.h"
#include "store/jeudocuments.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace zel {

// An amount field of a card: its block line, the width it is right-aligned in, and its label
// for the messages.
struct ChampMontant {
    int ligne;
    int largeur;
    QString libelle;
};

// A field the card shows on its own but keeps as a line of one of its memos, of a fixed form
// ("SIREN : 732829320"): a reader that does not know the field keeps that line as a note, so
// nothing is lost and the block keeps its layout. The first memo line of that form whose value
// reads is the field; any other stays a note.
struct ChampNote {
    // Its number on the card, after the fixed lines.
    int ligne;
    int memo;
    // What its memo line holds before the value.
    QString forme;
    // The value a text typed or stored stands for (as it is kept), or nothing when it is none.
    std::function<std::optional<QString>(const QString&)> lit;
    // What the user is told of a text typed that is none.
    std::function<QString(const QString&)> refus;
};

// The value a memo line's text gives such a field, or nothing when it is not of its form or does
// not read.
std::optional<QString> valeurNote(const ChampNote& champ, const QString& texte);

// What makes one card different from another: its store, the number of fixed field lines at the
// head of its block, which of them are check boxes ("Y" or "N") and which are amounts, where
// its account entry line is, and the prefixes of its memo lines ("MEMO", "MOBS" ...), each
// memo written in that order before the account grid.
struct DispositionCarte {
    Sorte sorte;
    int lignesFixes;
    std::vector<int> cases;
    std::vector<ChampMontant> montants;
    int ligneSaisieLibelle;
    int ligneSaisieMontant;
    QStringList memos;
    // Choices that read as chosen unless they hold exactly "N".
    std::vector<int> casesOui = {};
    // Whether amounts are re-aligned for their field when read, rather than shown as stored.
    bool realigneALecture = false;
    // The fields kept as memo lines, numbered after the fixed lines in this order.
    std::vector<ChampNote> champsNotes = {};
};

// The value of the field kept as a memo line at that card line, read from the block opened at
// `ouverture` as the card reads it; empty when the block has none.
QString champNoteDuBloc(const Blocs& store, int ouverture, const DispositionCarte& disposition,
                        int ligne);

// A row of the account grid: a date "dd/mm/yyyy", a label and a right-aligned amount.
struct LigneCompte {
    QString date;
    QString libelle;
    QString montant;

    bool estVide() const { return date.isEmpty() && libelle.isEmpty() && montant.isEmpty(); }
};

// A card as the user sees it: the texts of its fixed fields, its memos, its account grid and its
// entry date. Every change the user makes marks the card changed and the set modified; the card
// is written to its block only when it was changed.
class Carte {
public:
    static constexpr int kLignesGrille = 63;
    // The widths amounts are right-aligned in: the amount fields and the grid.
    static constexpr int kLargeurChamp = 90;
    static constexpr int kLargeurGrille = 95;

    Carte(DispositionCarte disposition, JeuDocuments& jeu, const QString& formatMontant,
          const MesureTexte& mesure, Dialogues& dialogues);

    const DispositionCarte& disposition() const { return m_disposition; }

    // Fields are numbered by their block line, from 1.
    const QString& champ(int ligne) const { return m_champs[ligne - 1]; }
    bool coche(int ligne) const { return champ(ligne) == u"Y"; }
    const QStringList& memo(int i) const { return m_memos[i]; }
    // The memo as its block keeps it: its lines, then those of the fields kept in it.
    QStringList memoEcrit(int i) const;
    const LigneCompte& ligneGrille(int rangee) const { return m_grille[rangee]; }
    QDate dateSaisie() const { return m_dateSaisie; }
    bool estModifiee() const { return m_jeu.carteModifiee(m_disposition.sorte); }

    // The user's edits, each marking the card changed. A text that cannot stand as one field
    // line is refused with a message and the field keeps its text; false then.
    bool saisit(int ligne, const QString& texte);
    void setCoche(int ligne, bool oui);
    void saisitMemo(int i, const QStringList& lignes);
    void setDateSaisie(QDate date);
    // The key filter of the amount fields: the character that goes into the field ("." gives
    // ","), or nothing for a refused key. Every key marks the card changed.
    std::optional<QChar> toucheMontant(QChar c);
    // Leaving an amount field reformats it; a text that is not an amount is told and kept.
    bool quitteMontant(int ligne);
    // Leaving a field kept as a memo line: its text is kept as the field keeps it, or, when it
    // is no value of the field, told and kept as typed (it is then written as a note).
    bool quitteChampNote(int ligne);
    // The field kept as a memo line at that card line, or nothing.
    const ChampNote* champNote(int ligne) const;
    // "OK" of the entry line: the entry goes into the first free grid row.
    void valideSaisie();
    // The Delete key on the grid: the rows below move up by one.
    void supprimeLigneGrille(int rangee);

    // Computed amounts shown in their fields, formatted and right-aligned, without marking the
    // card; all of them or none: one that would pass the largest number leaves every field as
    // it was and gives why, for the user (an empty text when they are shown).
    QString montreMontants(const std::vector<std::pair<int, double>>& valeurs);
    // The text such an amount is shown with in the field of that line; nothing for a value
    // past the largest number.
    std::optional<QString> montantAligne(int ligne, double valeur) const;
    // Marks the card changed and the set modified.
    void marque();
    // A field set by the program, which does not mark the card (the next code of a new record).
    void setChamp(int ligne, const QString& texte) { m_champs[ligne - 1] = texte; }

    // Empties the card and reads block n of the store, if it exists; the card is then unchanged.
    void Lit(int numero, QDate aujourdhui);
    // The block's lines between its tags.
    QStringList Ecrit() const;
    // Writes the card into block n when it was changed; the card is then unchanged.
    void EcritSiModifiee(int numero);

private:
    const ChampMontant* champMontant(int ligne) const;
    QString aligneMontant(const QString& texte, int largeur) const;
    void vide(QDate aujourdhui);
    void litLigneCompte(QStringView texte, int rangee);
    // A memo line read: the value of a field kept in that memo, or a note.
    void litLigneMemo(int memo, const QString& texte);

    DispositionCarte m_disposition;
    JeuDocuments& m_jeu;
    const QString& m_formatMontant;
    const MesureTexte& m_mesure;
    Dialogues& m_dialogues;
    QStringList m_champs;
    std::vector<QStringList> m_memos;
    std::array<LigneCompte, kLignesGrille> m_grille;
    QDate m_dateSaisie;
};

} // namespace zel
