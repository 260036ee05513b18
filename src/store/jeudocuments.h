#pragma once

#include "store/blocs.h"
#include "store/resultat.h"
#include "store/verrou.h"

#include <QString>

#include <array>
#include <memory>

namespace zel {

// The five record kinds of a document set, in the order the set is loaded and saved.
enum class Sorte { Clients, Factures, Fournisseurs, Articles, Commandes };
inline constexpr int kNombreSortes = 5;
inline constexpr std::array<Sorte, kNombreSortes> kToutesSortes = {
    Sorte::Clients, Sorte::Factures, Sorte::Fournisseurs, Sorte::Articles, Sorte::Commandes};
inline constexpr int indice(Sorte s) {
    return static_cast<int>(s);
}

// What the record pages do when the set is loaded or saved: telling the user what the load
// found, letting go of the card shown before a save (a card whose changes cannot be written asks,
// and the user may stay on it), writing the cards shown back to their stores, compacting a store
// before it is written, and reading the first client once everything is in. The card window
// model plugs its pages in here; on its own the set does none of it.
class ReactionsDocuments {
public:
    virtual ~ReactionsDocuments() = default;
    // Tells the user what the load found.
    virtual void avertit(const QString& texte) = 0;
    virtual bool quittePages() = 0;
    virtual void ecritCartes() = 0;
    virtual void compacteStore(Sorte sorte) = 0;
    virtual void apresChargement() = 0;
};

// A document set: the client file chosen by the user and its four companions, each holding one
// store of tagged blocks, with the counts, current records and flags the pages share. The set is
// written only by the program that holds its lock (`VerrouJeu`); opened without it, it is
// read-only and nothing on the disk changes.
class JeuDocuments {
public:
    // The first lines of the message telling what a load changed.
    static const QString kAlteration;

    JeuDocuments();

    Blocs& store(Sorte s) { return m_stores[indice(s)]; }
    const Blocs& store(Sorte s) const { return m_stores[indice(s)]; }
    Blocs& BlocsCli() { return store(Sorte::Clients); }
    Blocs& BlocsFact() { return store(Sorte::Factures); }
    Blocs& BlocsFour() { return store(Sorte::Fournisseurs); }
    Blocs& BlocsArt() { return store(Sorte::Articles); }
    Blocs& BlocsCmd() { return store(Sorte::Commandes); }

    int compte(Sorte s) const { return m_comptes[indice(s)]; }
    void setCompte(Sorte s, int n) { m_comptes[indice(s)] = n; }
    int courant(Sorte s) const { return m_courants[indice(s)]; }
    void setCourant(Sorte s, int n) { m_courants[indice(s)] = n; }
    bool carteModifiee(Sorte s) const { return m_cartesModifiees[indice(s)]; }
    void setCarteModifiee(Sorte s, bool oui) { m_cartesModifiees[indice(s)] = oui; }

    // The document modified flag.
    bool TestModif() const { return m_modifie; }
    void SetSauve() { m_modifie = true; }

    const QString& nomDocument() const { return m_nomDocument; }
    // The file of a companion kind (invoices to orders) derived from the document name.
    const QString& nomCompagnon(Sorte s) const { return m_nomsCompagnons[indice(s)]; }
    const QString& dernierNomSauve() const { return m_dernierNomSauve; }
    // The card window's title: the document's file name without folder.
    const QString& titre() const { return m_titre; }

    void setReactions(ReactionsDocuments* reactions) { m_reactions = reactions; }

    // Loads the set whose client file is given, for changes: its lock is taken when no other
    // program holds it (else the set is read-only). The holder of the lock finishes a save cut
    // short; every store is checked and repaired in memory, what was found told, and the bytes
    // of a file a repair changes kept in a copy beside it (once for the same bytes), by the
    // holder only. Nothing in memory changes when the client file does not exist or one of the
    // five files cannot be read.
    Resultat Charge(const QString& nom);
    // The same with the lock the caller tried to take, held or not.
    Resultat Charge(const QString& nom, std::unique_ptr<VerrouJeu> verrou);
    // Loads the set for a command that only reads it: no lock, nothing written on the disk, and a
    // set that needs a repair is refused with the message an opening shows.
    Resultat ChargeLecture(const QString& nom);

    // Opened without its lock: it is not written under its name.
    bool lectureSeule() const { return m_lectureSeule; }
    // Why, for the user; empty when the set is not read-only.
    QString raisonLectureSeule() const;

    // Before a save: whether the pages let go of their cards; false when the user chose to stay
    // on a card whose changes cannot be written.
    bool quittePages() { return !m_reactions || m_reactions->quittePages(); }

    // Saves the set under the given client file name, when it was modified, taking that name's
    // lock unless it is held already; a name another program holds is refused. The five files
    // are written as one unit: when the save fails, no file has changed and the modified flag
    // stays set. A save committed whose file cannot take its place yet succeeds with a notice.
    Resultat Sauve(const QString& nom);

    // Derives the companion names from the document name.
    void Synchro();

    // Empties the set, letting go of its lock.
    void Nouveau();

    // The file to read for a name, found without regard to letter case: the name itself when it
    // exists, else a file of the same folder whose name differs only in case, else the name.
    static QString trouveSansCasse(const QString& chemin);

    // The companion file of a client file name: the last three characters give way to the
    // kind's extension (Dupont.cli goes with Dupont.fct, .frs, .stk and .cmd).
    static QString nomCompagnon(const QString& nomClients, Sorte s);

private:
    enum class Usage { Edition, Lecture };
    void remiseAZero();
    Resultat charge(const QString& nom, std::unique_ptr<VerrouJeu> verrou, Usage usage);
    // Whether the lock held is the one of this client file.
    bool tientVerrou(const QString& nom) const;

    std::array<Blocs, kNombreSortes> m_stores;
    std::array<int, kNombreSortes> m_comptes{};
    std::array<int, kNombreSortes> m_courants{};
    std::array<bool, kNombreSortes> m_cartesModifiees{};
    std::array<QString, kNombreSortes> m_nomsCompagnons;
    bool m_modifie = false;
    QString m_nomDocument;
    QString m_dernierNomSauve;
    QString m_titre;
    ReactionsDocuments* m_reactions = nullptr;
    std::unique_ptr<VerrouJeu> m_verrou;
    bool m_lectureSeule = false;
};

} // namespace zel
