#pragma once

#include "records/dialogues.h"
#include "store/jeudocuments.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace zel {

// What the sort, the import, the export and the copy buffer need of a kind of card.
struct DispositionEchanges {
    DialogueTri dialogueTri;
    // The line each choice of the sort dialog sorts on.
    std::array<int, 3> clesTri;

    // An imported block: the code, these lines, the first `champsAvantSaut` fields, `saut`
    // empty lines, then the further fields, up to the card's last fixed line.
    QStringList tete;
    int champsAvantSaut;
    int saut;
    // How a line is cut into fields: the client and supplier rule, or the article rule.
    bool decoupeArticle;

    // The lines written as the fields of an export line.
    std::vector<int> lignesExport;

    // The lines copied into the buffer's slots, the code's first; those a paste leaves alone.
    std::vector<int> lignesCopie;
    std::vector<int> nonCollees;
    // Run after a paste, as when the user leaves a field (an article's average price).
    std::function<void()> apresCollage;
};

// The fields of an import line. Client and supplier rule: each piece followed by a TAB, as it
// stands; the text after the last TAB is not a field. Article rule: each piece followed by a TAB
// and the text after the last one when it is not empty, without their outer blanks; a line
// without a TAB is its own only field, as it stands (none when empty).
QStringList champsImport(QStringView ligne, bool decoupeArticle);

// Makes an outside text fit to stand as one field, as a typed text must: every control
// character becomes a blank and a text that begins like a block tag is written after a blank.
// True when the text had to change.
bool nettoieChamp(QString& champ);

// The lines of an imported block after its code, as the fields of the line place them.
QStringList blocImporte(const DispositionEchanges& d, const QStringList& champs);

// Line `ligne` of the block whose tag stands at `o`, or an empty text when the block ends before.
QString ligneDuBloc(const Blocs& store, const LigneOuverture& o, int ligne);

// Appends imported records to a store. Numbering goes on from the count, except that a last
// record never written (a new card left empty) gives its number to the first record imported;
// each record takes the next code. The store is changed at the end, in one go.
class Importation {
public:
    // Past this count an import adds nothing more: the 9998th block is the last it may add.
    static constexpr int kCompteMaxi = Blocs::kCapacite - 1;

    Importation(JeuDocuments& jeu, Sorte sorte, int lignesFixes, Dialogues& dialogues,
                qsizetype total);
    // Adds a record made of these lines after its code, made complete to the card's fixed
    // lines (missing ones empty, those past the last not kept) and each cleaned as a field must
    // be. False, the user told, when the store holds as many records as an import may give it.
    bool ajoute(QStringList lignes);
    // Appends the records to the store, sets the count and the document modified flag, and
    // tells the user of the fields that had to be corrected.
    void termine();

private:
    JeuDocuments& m_jeu;
    Sorte m_sorte;
    int m_lignesFixes;
    Dialogues& m_dialogues;
    qsizetype m_total;
    int m_compte;
    qint64 m_code;
    int m_ajoutes = 0;
    int m_corriges = 0;
    QStringList m_lignes;
};

} // namespace zel
