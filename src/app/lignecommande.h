#pragma once

#include "app/fenetrefiche.h"

#include <QDate>
#include <QStringList>
#include <QTextStream>

namespace zel {

// What the program is asked to do from its command line.
struct LigneCommande {
    enum class Action {
        Fenetre,
        Aide,
        Version,
        Pdf,
        FacturX,
        Journal,
        Fec,
        Statistiques,
        Exporter,
        Importer,
        Erreur
    };
    Action action = Action::Fenetre;
    // With the window, the set to open, if any.
    QString fichierClients;
    QString document; // kind letter and number: F202612001
    QString sortie;
    // "articles", "ventes", "clients" or "representants".
    QString statistique;
    // "clients", "fournisseurs", "articles" or "factures", exported or imported.
    QString fiches;
    // The file imported.
    QString entree;
    // The SIREN given for the FEC file, or none: the settings' one; the closing date of its
    // year, or none: 31 December of the year of the journal's last entry.
    QString siren;
    QDate cloture;
    // The statistics go to the standard output, not to a file.
    bool sortieStandard = false;
    // "--remplacer" given: an existing output file is replaced (never a file of the set).
    bool remplacer = false;
    QString erreur;

    // The arguments after the program's name.
    static LigneCommande analyse(const QStringList& arguments);
    static QString aide();
    // "zelvente" and the version.
    static QString version();
};

// The messages of a run without a window: written to the standard error, every question
// answered "Annuler".
class DialoguesConsole : public Dialogues {
public:
    Reponse ouiNonAnnuler(const QString& texte) override;
    bool okAnnuler(const QString& texte) override;
    bool avertissement(const QString& texte) override;
    void message(const QString& texte) override;
    std::optional<QString> fichierAOuvrir(const QString& filtre) override;
    std::optional<QString> fichierAEnregistrer(const QString& filtre,
                                               const QString& nomPropose) override;
    std::optional<QString> saisit(Saisie s, const QString& initial) override;
    std::optional<int> montreListe(const TableListe& table) override;
    std::optional<int> choisit(const QString& titre, const QStringList& entrees) override;
    std::optional<int> listeDocuments(const QString& titre, const QStringList& entrees) override;
    std::optional<std::pair<int, int>> plage(int compte) override;
    std::optional<SaisieMouvement> mouvementStock(MouvementStock sorte, const QString& code,
                                                  const QString& designation,
                                                  const SaisieMouvement& initial) override;
    std::optional<int> trie(DialogueTri d) override;
    void sablier(bool) override {}
    void progression(const QString&) override {}
};

// Loads the set of a client file with the checks of every load, without ever writing it (a set
// that needs a repair is refused, as by every command), and reads the document of the key on the
// invoice page, its totals computed once, as the page shows them.
Resultat litDocumentSeul(const QString& fichierClients, const QString& cle, JeuDocuments& jeu,
                         FenetreFiche& fenetre);

// --exporter: the records of a kind written to the output file through the one writer, the set
// only read; --importer: the file imported into the set, which is then saved as one unit, and
// what was imported written to `sortie`. The pages are those of the card window on the set.
Resultat executeEchange(const LigneCommande& ligne, JeuDocuments& jeu, FenetreFiche& fenetre,
                        QTextStream& sortie);

// --journal: the whole journal written to the output file as the journal window exports it;
// --fec: the FEC file of the year and its description in the folder given, their paths written
// to `sortie` (refused with the list of the documents to correct, writing nothing);
// --statistiques: the table asked, one row a line, cells joined by TAB, in the output file given,
// else on `sortie`. Every file goes through the one writer. The set is only read, and refused when
// it needs a repair: an incomplete journal never goes out.
Resultat executeRapport(const LigneCommande& ligne, const Reglages& reglages, QTextStream& sortie);

} // namespace zel
