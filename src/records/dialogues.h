#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace zel {

// The small input dialogs of the browsing and search commands.
enum class Saisie {
    CodePostal,
    Ville,
    Nom,
    Telephone,
    CodeClient,
    Contact,
    FamilleArticle,
    FournisseurArticle,
    ClientFactures,
    ChercheFacture,
    FournisseurCommandes,
    ChercheCommande,
    Siren,
    // The same asked for an electronic invoice.
    SirenFacture,
    Cloture
};

// What such a dialog shows and lets through: its title, the label of its one field, whether the
// field takes digits only (with Backspace and Tab), and whether the result is upper-cased.
struct DefinitionSaisie {
    QString titre;
    QString libelle;
    bool chiffresSeulement;
    bool majuscules;
};
DefinitionSaisie definition(Saisie s);
// Whether a typed character goes into the dialog's field.
bool caractereAccepte(Saisie s, QChar c);

// The two sort dialogs: the clients' and suppliers' (`TTri`) and the articles' (`TTri4`).
enum class DialogueTri { TTri, TTri4 };
// The choices of "Trier par", in order; the first is preselected.
QStringList choixTri(DialogueTri d);

// A column of an on-screen list: its title and width in pixels (0 hides it).
struct Colonne {
    QString titre;
    int largeur;
};

// An on-screen list of records: one row per record, each row's first cell being the record's
// block number.
struct TableListe {
    QString titre;
    std::vector<Colonne> colonnes;
    std::vector<QStringList> lignes;
};

// The stock movement dialogs: goods received for an article at a unit price, or goods leaving
// it.
enum class MouvementStock { Entree, Sortie };

// The texts typed in a movement dialog's "Quantité" and "Prix unit. H.T." (the exit has no
// price).
struct SaisieMouvement {
    QString quantite;
    QString prixUnitaire;
};

// Everything the core asks of the user goes through here; the widgets answer with real dialogs,
// the tests with scripted answers.
class Dialogues {
public:
    enum class Reponse { Oui, Non, Annuler };

    virtual ~Dialogues() = default;
    // A warning with Yes, No and Cancel.
    virtual Reponse ouiNonAnnuler(const QString& texte) = 0;
    // A warning with OK and Cancel; true for OK.
    virtual bool okAnnuler(const QString& texte) = 0;
    // A warning titled "Avertissement" with OK and Cancel; true for OK.
    virtual bool avertissement(const QString& texte) = 0;
    // A message with OK only.
    virtual void message(const QString& texte) = 0;
    // The file chooser; the filter is written "Description (*.ext)|*.ext". Nothing when
    // the user cancels.
    virtual std::optional<QString> fichierAOuvrir(const QString& filtre) = 0;
    virtual std::optional<QString> fichierAEnregistrer(const QString& filtre,
                                                       const QString& nomPropose) = 0;
    // One of the input dialogs, opened with the given text (its key, or empty); nothing when
    // the user cancels. The text comes back as typed: the caller upper-cases where it must.
    virtual std::optional<QString> saisit(Saisie s, const QString& initial) = 0;
    // The on-screen list with its "Fermer" button; the row chosen by double click or Enter,
    // nothing when it is closed without a choice.
    virtual std::optional<int> montreListe(const TableListe& table) = 0;
    // A pick list with "Annuler" and "OK": the entry chosen by double click or OK.
    virtual std::optional<int> choisit(const QString& titre, const QStringList& entrees) = 0;
    // The list of the documents, whose entries the user may move up and down: the entry chosen
    // (its place in the list given), nothing when the list is left with Escape.
    virtual std::optional<int> listeDocuments(const QString& titre, const QStringList& entrees) = 0;
    // The print dialog of the list prints: the pages from and to, 1 to `compte`, a page
    // standing for a record; nothing when the print is cancelled.
    virtual std::optional<std::pair<int, int>> plage(int compte) = 0;
    // "Entrée de stock" or "Sortie de stock" for the article shown (its code and designation),
    // opened with the texts given: the texts typed, nothing on "Annuler".
    virtual std::optional<SaisieMouvement> mouvementStock(MouvementStock sorte, const QString& code,
                                                          const QString& designation,
                                                          const SaisieMouvement& initial) = 0;
    // A sort dialog: the index of the choice, nothing for "Anuler".
    virtual std::optional<int> trie(DialogueTri d) = 0;
    // The hourglass cursor of a long run, on and off, and how far the run has got.
    virtual void sablier(bool oui) = 0;
    virtual void progression(const QString& texte) = 0;
};

// The hourglass for the life of the object: off again however the run ends.
class Sablier {
public:
    explicit Sablier(Dialogues& dialogues) : m_dialogues(dialogues) { m_dialogues.sablier(true); }
    ~Sablier() { m_dialogues.sablier(false); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;

private:
    Dialogues& m_dialogues;
};

} // namespace zel
