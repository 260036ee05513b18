#pragma once

#include "records/dialogues.h"
#include "records/lignesdocument.h"
#include "records/pagecarte.h"
#include "records/totaux.h"

#include <QDate>

#include <array>
#include <functional>
#include <optional>

namespace zel {

// A document with lines as its page shows it: an invoice, a quote, a credit note or an order.
struct Document {
    static constexpr int kLignes = 63;

    // Nine positions as typed; a number read from the store is kept whole, however long, so
    // that the document is written back under the number it was read with.
    QString numero;
    QDate date;
    // The client's code on a sales document, the supplier's on an order.
    QString tiers;
    QString conditions;
    // "Facture", "Devis    ", "Avoir     " or "Commande".
    QString genre;
    bool ttc = false;
    std::array<QString, 4> adresse;
    std::vector<LigneDocument> lignes = std::vector<LigneDocument>(kLignes);
    QStringList notes;
    bool valide = false;
    // Rows 1 to this one are written, printed and validated.
    int lignesUtilisees = 0;

    LigneDocument& ligne(int rangee) { return lignes[std::size_t(rangee - 1)]; }
    const LigneDocument& ligne(int rangee) const { return lignes[std::size_t(rangee - 1)]; }
};

// Where a kind of document keeps its fields in its block, counted from the line after the
// opening tag, and how it speaks of itself.
struct DispositionDocument {
    Sorte sorte;
    // The kinds the page offers, the first being the one that is validated; a kind with a
    // single kind does not store it, nor its letter after "NUM".
    QStringList genres;
    // Before the cells of each line: "FACT" or "CMDE".
    QString prefixeLigne;
    int ligneGenre;    // 0 when the kind is not stored
    int ligneAdresse1; // the first of four
    int ligneTtc;      // "TTCY" or "TTCN"
    // 0 when the validated flag is the fifth character of the price-mode line.
    int ligneValide;
    // The payment conditions offered, the first preset; none: the settings' list.
    QStringList conditions;
    // The list entry's block lines after the number.
    std::vector<int> lignesListe;
    // The article line a line's "Réf" names (the code, or the supplier's reference), the line
    // its designation comes from, the price lines it takes in each price mode, and the line of
    // its VAT code.
    int articleReference, articleDesignation, articlePrixHT, articlePrixTTC, articleTva;
    // "le code", "la référence": what a line's "Réf" is of its article.
    QString referenceArticle;
    // The fields of the client or supplier card the document takes its address from.
    int ficheNom, ficheAdresse1, ficheAdresse2, ficheCodePostal, ficheVille;
    // "Code client : ", "Code fournisseur : ", before the code on paper.
    QString libelleCode;
    // "le code client", "le code fournisseur".
    QString manqueTiers;
    // "Aucun client", "Aucun fournisseur".
    QString aucunTiers;
    // "la facture", "la commande".
    QString leDocument;
    // "Cette facture", "Cette commande".
    QString ceDocument;
    // "de facture", "de commande".
    QString deDocument;
    QString titreListe;
    Saisie saisieCherche;
    // What the search dialog opens with ("F" for the documents that carry a kind letter).
    QString presetCherche;
    Saisie saisieFiltre;
};

// The opening tag of the first block of a store whose code line (the card's code, or an
// article's supplier reference) is the code given, as the user means it (not one whose code
// merely begins with it); -1 when there is none.
int chercheCode(const Blocs& store, QStringView code, int ligne = PageCarte::kLigneCode);

// The letter a kind of document is known by wherever it is read: its first letter, upper-cased,
// so that "facture" of an older file is an invoice as "Facture" is.
QChar lettreGenre(QStringView genre);
// A kind as it is stored: its first letter upper-cased, blanks before it dropped, the rest as
// typed (the trailing blanks of "Devis    " kept).
QString genreAEcrire(const QString& genre);

// A date written as documents write it, "dd/MM/yyyy"; an empty text for an invalid date.
QString ecritDate(const QDate& date);
// A date as documents write it, "dd/MM/yyyy"; an invalid date for any other text.
QDate litDate(QStringView texte);

// The field lines before the lines of a document: price mode and, for the documents that store
// it, validation come last.
int lignesFixes(const DispositionDocument& disposition);

// The cells of a stored line after its prefix, cut at TAB characters; when the TABs run out the
// cells left are empty.
CellulesLues decoupeCellules(QStringView reste);

// A document block read in place, its fields as they are stored: views into the store, valid
// until it changes.
struct BlocLu {
    QStringView numero; // after "NUM" and the kind letter, trimmed
    QStringView date;
    QStringView tiers;
    QStringView conditions;
    QStringView genre; // empty for a kind of document that does not store it
    std::array<QStringView, 4> adresse;
    bool ttc = false;
    bool valide = false;
    // The line grid's rows, the first 63 lines of the block; then the notes.
    std::vector<CellulesLues> lignes;
    std::vector<QStringView> notes;
};

// Reads block n of a store of documents so laid out, in place; false when there is no block n.
bool litEnPlace(const Blocs& store, int n, const DispositionDocument& disposition, BlocLu& bloc);

// Reads block n of a store of documents so laid out into `d`: the fields the block holds replace
// the document's, its lines and notes are read whole (notes added to the document's) and the
// rows after its lines are emptied. False when there is no block n.
bool litBloc(const Blocs& store, int n, const DispositionDocument& disposition, Document& d);

// The page of a kind of document with lines, one document at a time out of its store: its
// numbering, fields, line entry and totals, writing back when the user leaves it, validation
// posting it to the account of its client or supplier and moving stock, deletion, the list,
// the search by number and browsing over every document or one client's or supplier's. Invoices
// and orders are this page with their own disposition, article lookup and stock movement.
class PageDocument : public SourceLignes {
public:
    // The largest number the nine positions of the number field hold.
    static constexpr qint64 kNumeroMaxi = 999999999;
    // The store holds three fixed lines after the address lines (price mode and, for the
    // documents that store it, validation) before the lines.
    PageDocument(DispositionDocument disposition, JeuDocuments& jeu, Reglages& reglages,
                 Dialogues& dialogues, const MesureTexte& mesure, PageCarte& tiers,
                 PageCarte& articles);
    virtual ~PageDocument() = default;
    PageDocument(const PageDocument&) = delete;
    PageDocument& operator=(const PageDocument&) = delete;

    const DispositionDocument& disposition() const { return m_disposition; }
    Document& document() { return m_document; }
    const Document& document() const { return m_document; }
    // The line grid as the view edits it.
    ModeleLignes& modele() { return m_modele; }
    const Totaux& totaux() const { return m_totaux; }
    // The payment conditions offered in the drop-down, the first preset on a new document.
    const QStringList& conditions() const;
    int courant() const { return m_jeu.courant(sorte()); }
    int compte() const { return m_jeu.compte(sorte()); }
    bool estModifie() const { return m_jeu.carteModifiee(sorte()); }
    // Every edit of the page marks the document changed and the set modified.
    void marque();
    // Whether a text typed or pasted into a field of the page can stand as that field; a refused
    // one is told.
    bool accepte(const QString& texte);

    std::vector<LigneDocument>& lignesDocument() override { return m_document.lignes; }
    bool lignesFigees() const override { return m_document.valide; }
    bool prixTTC() const override { return m_document.ttc; }
    // A row the user typed into is in use, and a "Réf" typed is looked up when its cell is left.
    void celluleEditee(int rangee, int colonne) override;
    void celluleRefusee(const QString& motif) override;

    // The next number (Numerof, Numeroc): year, month and a three-digit sequence, after the
    // highest number stored; numbers that are not whole numbers are passed over.
    qint64 Numero() const;
    // A new document prefilled from the client or supplier card shown, showing every document
    // (NouvFact, NouvCmd). False when it was refused: nothing changed then.
    bool Nouveau();
    // "Créer": a new empty document.
    void Creer();
    // The date field as typed, "dd/mm/yyyy": a text that is not a day of the calendar
    // (31/02/2026) is refused with a message, and the date stays as it was.
    bool saisitDate(const QString& texte);
    // The number field as typed: nine positions, each a digit, a sign or a blank. A longer text
    // is refused with a message and the number stays: a number is never cut short.
    bool saisitNumero(const QString& texte);
    // The notes as typed, one note a line; a TAB or another control character in a line is
    // kept as a blank, so that each note stays one line of the block.
    void saisitNotes(const QString& texte);
    static bool positionNumero(QChar c) {
        return c.isDigit() || c == u'+' || c == u'-' || c == u' ';
    }
    // Whether a text can stand in the date field while it is typed or pasted: ten characters at
    // most, digits and "/"; the date itself is checked when the field is left.
    static bool dateAcceptable(QStringView texte);
    // Whether a text can stand in the number field, as typed or pasted.
    static bool numeroAcceptable(QStringView texte);
    // Whether a text can stand in a supplier code field: five digits at most.
    static bool codeChiffresAcceptable(QStringView texte);
    // Whether the document can be written (Validef, Validec): a code, a number, and a line
    // with a "Réf".
    bool complet() const;
    // What keeps the document from being written, for the user.
    QString manque() const;
    // Writes the document at the end of the store when it was changed and can be written
    // (EcritFact, EcritCmd).
    void Ecrit();
    // Before another document, tab or command takes the page: writes the document back, or,
    // when its changes cannot be written, asks whether to give them up. False to stay.
    bool quitte();
    // Reads the current document (LitFact, LitCmd); an empty page shows the next number.
    void Lit();
    // After the set is loaded: the next number is computed and the current document read.
    void Charge();
    // The line amounts and the totals (Calculef, Calculec).
    void Calcule();
    // The settings confirmed in their dialog: the currency captions follow at once; the
    // amounts are recomputed at the next computation.
    void suitReglages();

    // What looking up the article of a line did: whether the article filled the line, and what
    // the status bar says (empty: nothing).
    struct Recherche {
        bool remplie = false;
        QString avis;
    };
    // Where the typing goes on after a key in the grid, and what the status bar says.
    struct Suite {
        int rangee;
        int colonne;
        QString avis;
    };

    // The grid's key rules: "." is typed as "," after the "Réf" column, and Enter ends the
    // line from the quantity column on.
    static QChar caractereGrille(QChar c, int colonne);
    static bool finitLaLigne(int colonne) { return colonne >= colonne::Quantite; }
    // Enter in the quantity column or after it: the line is ended and the totals recomputed;
    // gives the row to go on with.
    int finDeLigne(int rangee);
    // Enter in a cell. In "Réf" the line is looked up as when the cell is left, and the typing
    // goes on at the quantity of a line of an article, else in "Désignation"; from
    // "Désignation" it goes on at the quantity; from the quantity on the line is ended, except
    // that a line with a "Réf" but no quantity yet waits for it.
    Suite entree(int rangee, int colonne);
    // A click in "Désignation": the line is filled from the article of its "Réf", picked from
    // the article list when the "Réf" is empty.
    Recherche remplitDepuisArticle(int rangee);
    // The "Réf" cell of a line left (Tab, Enter, an arrow key, a click elsewhere): the line is
    // filled from the article its "Réf" names when it has no designation yet or its "Réf" was
    // typed since the last look-up; a "Réf" naming no article leaves a free line, and says so.
    Recherche quitteReference(int rangee);
    // Deletes a line (SupLigne1, SupLigne2).
    void SupLigne(int rangee);
    // "...": the client or supplier picked fills the code and the address.
    void choisitTiers();
    // "Valider": recomputes the totals, freezes the lines, posts the document to the account of
    // its client or supplier and moves the stock of its articles. Refused with a message, and
    // nothing changed, unless the document can be written, its client or supplier is there and
    // every amount and new stock can be written.
    void Valider();
    // Deletes the document shown (the user has confirmed).
    void Supprime();

    // The list entries, one per document in block number order, each with its block number.
    std::vector<std::pair<int, QString>> entreesListe() const;
    // The list: the document chosen is read.
    void Liste();
    // Finds a document by its key ("F202612001" for an invoice, the number for an order), after
    // writing the one shown back, and reads it.
    void Cherche();
    // Reads the document of that key, letter case ignored; false when there is none.
    bool litDocument(const QString& cle);

    // Every document, or only those of one client or supplier, asked for with the page's code.
    // False when the question was cancelled: the selection is kept.
    bool SetSel(bool unTiers);
    bool unTiers() const { return m_unTiers; }
    void navigue(Pas pas);

    void setAujourdhui(std::function<QDate()> aujourdhui) { m_aujourdhui = std::move(aujourdhui); }

    // What the document prints under its client's address: the SIREN of the client of a sales
    // document when its card has one; nothing for an order.
    virtual QString identifiantTiers() const { return {}; }

protected:
    // A quantity added to the stock line of an article block (taken out when negative), and what
    // the user is told when that stock is not a number (nothing when empty).
    struct Mouvement {
        int ouverture;
        int ligneStock;
        double quantite;
        QString oubli;
    };
    // The stock movements of the document being validated, in the order of its lines; the lines
    // that move nothing are told in `oublis`.
    virtual std::vector<Mouvement> mouvementsStock(QStringList& oublis) const = 0;
    const Blocs& articles() const { return m_jeu.BlocsArt(); }
    const JeuDocuments& jeu() const { return m_jeu; }

private:
    Sorte sorte() const { return m_disposition.sorte; }
    Blocs& store() { return m_jeu.store(sorte()); }
    const Blocs& store() const { return m_jeu.store(sorte()); }
    bool genreStocke() const { return m_disposition.ligneGenre > 0; }
    int lignesFixes() const;
    void vide();
    void va(int numero);
    // False when the command is refused (the document shown is kept, the store is full, no
    // number is left): nothing has changed then.
    bool nouveau(bool avecLigneVide);
    QStringList lignesBloc() const;
    // The kind as it is written, the first kind for one left empty.
    QString genreEcrit() const;
    std::array<QString, 4> adresseDe(const std::function<QString(int)>& champ) const;
    // The first article whose reference line is the code, as the user means it; -1 for none.
    int ouvertureArticle(QStringView code) const;
    // Fills a line from the article its code names (the "Réf" takes the article's own).
    Recherche remplit(int rangee, const QString& code);
    // The first line with a quantity and an article but no price, or 0.
    int ligneSansPrix() const;
    // Recomputes the lines and the totals. When an amount would pass the largest number, the
    // lines go back to `avant` and the totals to what they were, and why is given.
    QString recalcule(const std::vector<LigneDocument>& avant);
    // The new text of each stock line the document moves (its position in the article store),
    // each computed on the one before it for the same article; why one cannot be written, or
    // an empty text.
    QString nouveauxStocks(QStringList& oublis, std::vector<std::pair<int, QString>>& stocks) const;
    // Posts the document to the account of card n of its client or supplier.
    void poste(int fiche);
    // The document whose first line is "NUM" and the key, letter case ignored.
    std::optional<int> blocDuNumero(const QString& cle) const;
    // The number of a block's first line when it is of the kind that is numbered, or -1.
    qint64 numeroDe(QStringView premiereLigne) const;
    // The highest number stored, read again only when the store changed otherwise than by
    // this page's own writing.
    qint64 plusHautNumero() const;

    DispositionDocument m_disposition;
    JeuDocuments& m_jeu;
    Reglages& m_reglages;
    Dialogues& m_dialogues;
    const MesureTexte& m_mesure;
    PageCarte& m_tiers;
    PageCarte& m_articles;
    Document m_document;
    // Per row: the "Réf" last looked up, and whether a "Réf" was typed since.
    struct EtatReference {
        QString cherchee;
        bool tapee = false;
    };
    std::vector<EtatReference> m_references = std::vector<EtatReference>(Document::kLignes);
    ModeleLignes m_modele{*this};
    Totaux m_totaux;
    qint64 m_prochainNumero = 0;
    bool m_unTiers = false;
    QString m_codeFiltre;
    std::function<QDate()> m_aujourdhui = &QDate::currentDate;
    mutable qint64 m_plusHaut = -1;
    mutable quint64 m_versionNumeros = 0;
};

} // namespace zel
