#pragma once

#include "clients/pageclients.h"
#include "records/lignesdocument.h"
#include "records/totaux.h"
#include "sales/parametresfacture.h"
#include "stock/pagearticles.h"

#include <QDate>

#include <functional>

namespace zel {

// The field lines of a document block, counted from the line after its opening tag.
namespace ligneFacture {
inline constexpr int Numero = 1, Date = 2, Client = 3, Conditions = 4, Genre = 5, Adresse1 = 6,
                     Ttc = 10, Valide = 11;
} // namespace ligneFacture

// A sales document as the invoice page shows it.
struct DocumentFacture {
    static constexpr int kLignes = 63;

    QString numero; // nine characters
    QDate date;
    QString client;
    QString conditions;
    QString genre;
    bool ttc = false;
    std::array<QString, 4> adresse;
    std::vector<LigneDocument> lignes = std::vector<LigneDocument>(kLignes);
    QStringList notes;
    bool valide = false;
    // Rows 1 to this one are written, printed and validated.
    int lignesUtilisees = 0;

    LigneDocument& ligne(int rangee) { return lignes[std::size_t(rangee - 1)]; }
};

// The invoice tab: one invoice, quote or credit note at a time out of the invoice store, its
// numbering, line entry, totals, validation, deletion and browsing.
class PageFactures : public SourceLignes {
public:
    PageFactures(JeuDocuments& jeu, Reglages& reglages, Dialogues& dialogues,
                 const MesureTexte& mesure, PageClients& clients, PageArticles& articles);

    // The kinds of document, stored as they stand (trailing blanks included).
    static const QStringList& genres();

    DocumentFacture& document() { return m_document; }
    // The line grid as the view edits it.
    ModeleLignes& modele() { return m_modele; }
    const Totaux& totaux() const { return m_totaux; }
    int courant() const { return m_jeu.courant(Sorte::Factures); }
    int compte() const { return m_jeu.compte(Sorte::Factures); }
    bool estModifie() const { return m_jeu.carteModifiee(Sorte::Factures); }
    // Every edit of the page marks the document changed and the set modified.
    void marque();
    // Whether a text typed or pasted into a field of the page can stand as that field; a refused
    // one is told.
    bool accepte(const QString& texte);

    std::vector<LigneDocument>& lignesDocument() override { return m_document.lignes; }
    bool lignesFigees() const override { return m_document.valide; }
    bool prixTTC() const override { return m_document.ttc; }
    void celluleEditee(int, int) override { marque(); }
    void celluleRefusee(const QString& motif) override;

    // The next invoice number: year, month and a three-digit sequence, after the highest invoice
    // number stored; numbers that are not whole numbers are passed over.
    qint64 Numerof() const;
    // The largest number the nine positions of the number field hold.
    static constexpr qint64 kNumeroMaxi = 999999999;
    // A new document prefilled from the client card, showing every document.
    void NouvFact();
    // "Créer": a new empty document.
    void Creer();
    // The number field as typed: nine positions, each a digit, a sign or a blank.
    void saisitNumero(const QString& texte);
    static bool positionNumero(QChar c) {
        return c.isDigit() || c == u'+' || c == u'-' || c == u' ';
    }
    // Whether a text can stand in the number field, as typed or pasted.
    static bool numeroAcceptable(QStringView texte);
    // Whether the document can be written: a client code, a number, and a line with a "Réf".
    bool Validef() const;
    // What keeps the document from being written, for the user.
    QString manque() const;
    // Writes the document at the end of the store when it was changed and can be written.
    void EcritFact();
    // Before another document, tab or command takes the page: writes the document back, or,
    // when its changes cannot be written, asks whether to give them up. False to stay.
    bool quitte();
    // Reads the current document; an empty page shows the next number as last computed.
    void LitFact();
    // After the set is loaded: the next number is computed and the current document read.
    void ChargeFact();
    void Calculef();
    // "Paramètres de la facture" confirmed: the settings take the dialog's fields and the
    // currency captions follow at once; the amounts are recomputed at the next Calculef.
    void ParF(const SaisieParametres& saisie);

    // The grid's key rules: "." is typed as "," after the "Réf" column, and Enter ends the
    // line from the quantity column on.
    static QChar caractereGrille(QChar c, int colonne);
    static bool finitLaLigne(int colonne) { return colonne >= colonne::Quantite; }
    // Enter in the quantity column or after it: the line is ended and the totals recomputed;
    // gives the row to go on with.
    int finDeLigne(int rangee);
    // A click in "Désignation": the line is filled from the article of its "Réf", picked from
    // the article list when the "Réf" is empty. True when a line was filled.
    bool remplitDepuisArticle(int rangee);
    void SupLigne1(int rangee);
    // "...": the client picked fills the code and the address.
    void choisitClient();
    // "Valider": refused with a message unless the document can be written; recomputes the
    // totals, freezes the lines, posts the invoice to its client's
    // account and takes the quantities out of stock.
    void Valider();
    // Deletes the document shown (the user has confirmed).
    void SupFact();

    // The list of the documents, block 0 on up to the first number without a block: each entry
    // the number, date, client, kind and name; the document chosen is read.
    QStringList entreesListe() const;
    void ListFact();
    // Finds a document by its kind letter and number ("F202612001") and reads it.
    void ChercheFact();
    // Reads the document of that key, letter case ignored; false when there is none.
    bool litDocument(const QString& cle);

    // Every document, or only those of one client, asked for with the page's client code.
    void SetFact(bool unClient);
    bool unClient() const { return m_unClient; }
    void navigue(Pas pas);

    void setAujourdhui(std::function<QDate()> aujourdhui) { m_aujourdhui = std::move(aujourdhui); }

private:
    void vide();
    void va(int numero);
    // False when the command is refused (the document shown is kept, the store is full, no
    // number is left): nothing has changed then.
    bool nouveau(bool avecLigneVide);
    QStringList lignesBloc() const;
    // The document whose first line is "NUM" and the key, letter case ignored.
    std::optional<int> blocDuNumero(const QString& cle) const;

    JeuDocuments& m_jeu;
    Reglages& m_reglages;
    Dialogues& m_dialogues;
    const MesureTexte& m_mesure;
    PageClients& m_clients;
    PageArticles& m_articles;
    DocumentFacture m_document;
    ModeleLignes m_modele{*this};
    Totaux m_totaux;
    qint64 m_prochainNumero = 0;
    bool m_unClient = false;
    QString m_codeFiltre;
    std::function<QDate()> m_aujourdhui = &QDate::currentDate;
};

} // namespace zel
