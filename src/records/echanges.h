#pragma once

#include "records/dialogues.h"
#include "records/lecturetable.h"
#include "records/tableechange.h"
#include "store/jeudocuments.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace zel {

// The older layout of an import, a TAB-separated text without a header line: a block is the
// code, these lines, the first `champsAvantSaut` fields, `saut` empty lines, then the further
// fields, up to the card's last fixed line.
struct AncienneDisposition {
    QStringList tete;
    int champsAvantSaut;
    int saut;
    // How a line is cut into fields: the client and supplier rule, or the article rule.
    bool decoupeArticle;
};

// How the first line of an imported record is kept. A card takes the code it brings unless it
// is empty or already in use, then the next code; a document keeps its number and is left out
// when it has none or one already in the store.
enum class CleImport { Code, Numero };

// What the import and the export need of a kind of record.
struct EchangeSorte {
    Sorte sorte;
    DispositionTable table;
    std::optional<AncienneDisposition> ancienne;
    CleImport cle;
    // How the records are counted for the user, a feminine noun: "fiche", "fiches".
    QString singulier;
    QString pluriel;
};

// What the sort, the import, the export and the copy buffer need of a kind of card.
struct DispositionEchanges {
    DialogueTri dialogueTri;
    // The line each choice of the sort dialog sorts on.
    std::array<int, 3> clesTri;
    EchangeSorte echange;
    // The lines copied into the buffer's slots, the code's first; those a paste leaves alone.
    std::vector<int> lignesCopie;
    std::vector<int> nonCollees;
    // Run after a paste, as when the user leaves a field (an article's average price).
    std::function<void()> apresCollage;
};

// The fields of a line of the older layout. Client and supplier rule: each piece followed by a
// TAB, as it stands; the text after the last TAB is not a field. Article rule: each piece
// followed by a TAB and the text after the last one when it is not empty, without their outer
// blanks; a line without a TAB is its own only field, as it stands (none when empty). A row of a
// spreadsheet has every cell followed by a separator.
QStringList champsImport(const Rangee& rangee, bool decoupeArticle, bool tableur);

// Makes an outside text fit to stand as one field, as a typed text must: every control
// character becomes a blank and a text that begins like a block tag is written after a blank.
// True when the text had to change.
bool nettoieChamp(QString& champ);

// The lines of an imported block after its code, as the fields of the line place them.
QStringList blocImporte(const AncienneDisposition& d, const QStringList& champs);

// Appends imported records to a store. Each new block is numbered above the highest number in
// the store, and above the count but for a last record never written (a new card left empty),
// which gives its number to the first record imported. The store is changed at the end, in one
// go, and only when something was imported.
class Importation {
public:
    // Past this count an import adds nothing more: the 9998th block is the last it may add.
    static constexpr int kCompteMaxi = Blocs::kCapacite - 1;

    // A record read: its fixed lines, its further lines, the file's line it comes from, how
    // many of its characters were replaced by "?" and how many of its cells were corrected.
    struct Fiche {
        QStringList fixes;
        QStringList autres;
        qsizetype ligne = 0;
        int remplaces = 0;
        int corriges = 0;
    };

    Importation(JeuDocuments& jeu, const EchangeSorte& echange, Dialogues& dialogues,
                qsizetype total);
    // Adds a record, its fixed lines made complete to the card's (missing ones empty, those past
    // the last not kept) and every line made fit to stand in a block. False, adding nothing,
    // when the store holds as many records as an import may give it.
    bool ajoute(Fiche fiche);
    // Left out: empty lines of a table, records past a full store.
    void laisseVides(qsizetype n) { m_vides += n; }
    void laisseReste(qsizetype n) { m_reste += n; }
    void ignoreColonnes(const QStringList& colonnes) { m_colonnesIgnorees = colonnes; }
    // Appends the records to the store, sets the count and, when something was added, the
    // document modified flag; gives what the user is told: how many records were added, how
    // many lines were left out and why, and what had to be corrected.
    QString termine();
    int ajoutes() const { return m_ajoutes; }

private:
    // The code or number a record is known by across the store.
    static QString cle(QStringView premiereLigne);
    // How the user knows a record: its name, or a document's kind and number.
    QString nom(const QStringList& fixes) const;

    JeuDocuments& m_jeu;
    const EchangeSorte& m_echange;
    Dialogues& m_dialogues;
    qsizetype m_total;
    int m_numero;
    qint64 m_code;
    QSet<QString> m_cles;
    int m_ajoutes = 0;
    int m_corriges = 0;
    int m_recodees = 0;
    int m_dejaLa = 0;
    int m_sansNumero = 0;
    qsizetype m_vides = 0;
    qsizetype m_reste = 0;
    int m_remplaces = 0;
    QString m_premierRemplace;
    QStringList m_colonnesIgnorees;
    QStringList m_lignes;
};

// What an import did.
struct BilanImport {
    // Refused as a whole (nothing changed); the message says why.
    bool refuse = false;
    int ajoutes = 0;
    QString message;
};

// Imports a table file into the store of a kind: the table the export writes when its first line
// names the columns (`connus`: every kind's column names, case folded, to tell a header of
// another kind), else the older layout of the kind. Nothing changes when the file is refused.
BilanImport importeTable(QByteArrayView octets, FormatTable format, JeuDocuments& jeu,
                         const EchangeSorte& echange, const QSet<QString>& connus,
                         Dialogues& dialogues);

// The records of a kind as a file: the table with its header, TAB-separated in the files' code
// page, or the spreadsheet text when `tableur`.
Resultat exporteSorte(const Blocs& store, const EchangeSorte& echange, bool tableur,
                      QByteArray& octets);

// Whether a file name asks for the spreadsheet text: it ends in ".csv".
bool nomTableur(const QString& nom);

} // namespace zel
