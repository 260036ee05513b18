#include "store/jeudocuments.h"

#include "store/ensemble.h"
#include "store/fichiertexte.h"
#include "store/maintenance.h"

#include <QDir>
#include <QFileInfo>

namespace zel {
namespace {

QString extension(Sorte s) {
    switch (s) {
    case Sorte::Clients:
        return QStringLiteral("cli");
    case Sorte::Factures:
        return QStringLiteral("fct");
    case Sorte::Fournisseurs:
        return QStringLiteral("frs");
    case Sorte::Articles:
        return QStringLiteral("stk");
    case Sorte::Commandes:
        return QStringLiteral("cmd");
    }
    return {};
}

QString sansDossier(const QString& nom) {
    return QFileInfo(nom).fileName();
}

} // namespace

const QString JeuDocuments::kAlteration =
    QStringLiteral("Des fichiers ont été altérés\nVérifiez s'il n'y a pas eu perte de données");

JeuDocuments::JeuDocuments() {
    remiseAZero();
}

void JeuDocuments::remiseAZero() {
    for (Blocs& b : m_stores)
        b.vide();
    m_comptes.fill(0);
    // The invoice count starts at one: the invoice page always shows a document.
    m_comptes[indice(Sorte::Factures)] = 1;
    m_courants.fill(0);
    m_cartesModifiees.fill(false);
    m_modifie = false;
    m_nomDocument.clear();
    for (QString& n : m_nomsCompagnons)
        n.clear();
    m_titre.clear();
    m_verrou.reset();
    m_lectureSeule = false;
}

void JeuDocuments::Nouveau() {
    remiseAZero();
}

QString JeuDocuments::nomCompagnon(const QString& nomClients, Sorte s) {
    if (nomClients.isEmpty())
        return {};
    return nomClients.left(nomClients.size() - 3) + extension(s);
}

void JeuDocuments::Synchro() {
    m_nomsCompagnons[indice(Sorte::Clients)] = m_nomDocument;
    for (Sorte s : kToutesSortes) {
        if (s != Sorte::Clients)
            m_nomsCompagnons[indice(s)] = nomCompagnon(m_nomDocument, s);
    }
}

QString JeuDocuments::trouveSansCasse(const QString& chemin) {
    if (chemin.isEmpty() || QFileInfo::exists(chemin))
        return chemin;
    const QFileInfo info(chemin);
    const QDir dossier = info.absoluteDir();
    const QString nom = info.fileName();
    const QStringList presents = dossier.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& present : presents) {
        if (present.compare(nom, Qt::CaseInsensitive) == 0)
            return info.dir().filePath(present);
    }
    return chemin;
}

bool JeuDocuments::tientVerrou(const QString& nom) const {
    return m_verrou && m_verrou->tenu() &&
           QFileInfo(m_verrou->fichierClients()).absoluteFilePath() ==
               QFileInfo(nom).absoluteFilePath();
}

QString JeuDocuments::raisonLectureSeule() const {
    return m_lectureSeule && m_verrou ? m_verrou->lectureSeule() : QString();
}

Resultat JeuDocuments::Charge(const QString& nom) {
    auto verrou = std::make_unique<VerrouJeu>(nom);
    if (!tientVerrou(nom))
        verrou->prend();
    return charge(nom, std::move(verrou), Usage::Edition);
}

Resultat JeuDocuments::Charge(const QString& nom, std::unique_ptr<VerrouJeu> verrou) {
    return charge(nom, std::move(verrou), Usage::Edition);
}

Resultat JeuDocuments::ChargeLecture(const QString& nom) {
    return charge(nom, nullptr, Usage::Lecture);
}

Resultat JeuDocuments::charge(const QString& nom, std::unique_ptr<VerrouJeu> verrou, Usage usage) {
    const auto absent = [&nom] {
        return Resultat::echec(QStringLiteral("Le fichier n'existe pas :\n%1").arg(nom));
    };
    if (!fichier::existe(nom))
        return absent();
    // The lock held already for this very file is kept.
    const bool garde = usage == Usage::Edition && tientVerrou(nom);
    const bool tenu = garde || (verrou && verrou->tenu());

    std::vector<QString> chemins;
    for (Sorte s : kToutesSortes)
        chemins.push_back(trouveSansCasse(s == Sorte::Clients ? nom : nomCompagnon(nom, s)));
    // Only the holder of the lock finishes a save cut short, or removes its copies; any other
    // reads the set as its last committed save left it.
    QString reprise;
    if (tenu) {
        if (Resultat r = ensemble::reprend(nom, chemins); !r)
            reprise = r.message();
    }
    // Every file is read, checked and repaired aside before anything changes, so that a file
    // that cannot be read leaves the set in memory as it was.
    std::vector<std::optional<QByteArray>> octets;
    if (Resultat r = ensemble::lit(nom, chemins, octets); !r)
        return r;
    if (!octets.front())
        return absent();
    std::array<Blocs, kNombreSortes> lus;
    std::array<int, kNombreSortes> comptes{};
    bool repare = false;
    QStringList avertissements;
    QStringList aReparer;
    for (Sorte s : kToutesSortes) {
        const std::size_t i = std::size_t(indice(s));
        Blocs& b = lus[i];
        qsizetype coupe = -1;
        if (octets[i]) {
            b.remplaceTout(fichier::decoupeLignes(*octets[i]));
            coupe = fichier::coupure(*octets[i]);
            octets[i].reset();
        }
        comptes[i] = b.CompteBlocs();
        // A NUL cut and every repair change what the next save writes: they are told, and the
        // holder of the lock keeps the file's bytes in a copy beside it first.
        QStringList faits;
        if (coupe >= 0)
            faits.append(QStringLiteral("un octet nul à la position %1 coupe le fichier : %2 "
                                        "fiches lues avant lui")
                             .arg(coupe)
                             .arg(comptes[i]));
        const maintenance::Constat constat = maintenance::verifie(b, comptes[i]);
        faits += constat.reparations;
        repare = repare || !constat.reparations.isEmpty();
        if (faits.isEmpty() && constat.remarques.isEmpty())
            continue;
        const QString& chemin = chemins[i];
        const QString dit =
            QStringLiteral("%1 : %2.")
                .arg(sansDossier(chemin), (faits + constat.remarques).join(QStringLiteral(", ")));
        if (faits.isEmpty()) {
            avertissements.append(dit);
        } else if (usage == Usage::Lecture) {
            aReparer.append(dit);
        } else if (!tenu) {
            avertissements.append(dit + QStringLiteral("\nLe fichier n'est pas modifié : le jeu "
                                                       "est ouvert en lecture seule."));
        } else {
            QString copie;
            const Resultat r = fichier::copieDeSecours(chemin, copie);
            avertissements.append(
                dit + u'\n' +
                (r ? QStringLiteral("Le fichier d'origine est gardé sous le nom %1.")
                         .arg(sansDossier(copie))
                   : r.message()));
        }
    }
    if (!aReparer.isEmpty())
        return Resultat::echec(kAlteration + QStringLiteral("\n\n") +
                               aReparer.join(QStringLiteral("\n\n")) +
                               QStringLiteral("\n\nRien n'est écrit : ouvrez le jeu dans Zel Vente "
                                              "pour le réparer."));

    for (Sorte s : kToutesSortes) {
        const std::size_t i = std::size_t(indice(s));
        store(s).remplaceTout(lus[i].lignes());
        setCompte(s, comptes[i]);
        setCourant(s, 0);
        setCarteModifiee(s, false);
    }
    m_nomDocument = nom;
    m_dernierNomSauve = nom;
    m_titre = sansDossier(nom);
    Synchro();
    // A repair of any store keeps the set modified, so that the repaired set is saved.
    m_modifie = repare;
    m_lectureSeule = usage == Usage::Lecture || !tenu;
    if (usage == Usage::Lecture)
        m_verrou.reset();
    else if (!garde)
        m_verrou = std::move(verrou);
    if (m_reactions) {
        if (!reprise.isEmpty())
            m_reactions->avertit(reprise);
        if (!avertissements.isEmpty())
            m_reactions->avertit(kAlteration + QStringLiteral("\n\n") +
                                 avertissements.join(QStringLiteral("\n\n")));
        m_reactions->apresChargement();
    }
    setCarteModifiee(Sorte::Clients, false);
    return Resultat::succes();
}

Resultat JeuDocuments::Sauve(const QString& nom) {
    if (!m_modifie)
        return Resultat::succes();
    if (nom.isEmpty())
        return Resultat::echec(QStringLiteral("Impossible d'enregistrer le fichier (sans nom) :\n"
                                              "aucun nom de fichier n'a été donné."));
    // The set is written under a name only by the program that holds its lock.
    std::unique_ptr<VerrouJeu> nouveau;
    if (!tientVerrou(nom)) {
        nouveau = std::make_unique<VerrouJeu>(nom);
        if (nouveau->prend() != VerrouJeu::Etat::Tenu)
            return Resultat::echec(nouveau->refusEcriture());
    }
    if (m_reactions) {
        m_reactions->ecritCartes();
        for (Sorte s : kToutesSortes) {
            if (s != Sorte::Commandes)
                m_reactions->compacteStore(s);
        }
    }
    m_nomDocument = nom;
    Synchro();

    // Every store is encoded before the first file is written, so a character that cannot be
    // written stops the save before any file changes.
    std::array<QByteArray, kNombreSortes> octets;
    std::array<QString, kNombreSortes> chemins;
    for (Sorte s : kToutesSortes) {
        // A companion that exists under another letter case is written over, not doubled.
        chemins[indice(s)] = s == Sorte::Clients ? nom : trouveSansCasse(nomCompagnon(s));
        if (Resultat r = fichier::encodeLignes(store(s).lignes(), octets[indice(s)]); !r)
            return Resultat::echec(QStringLiteral("Impossible d'enregistrer le fichier %1 :\n%2.")
                                       .arg(chemins[indice(s)], r.message()));
    }
    // The five files are written as one unit: a crash or a failure never leaves them mixed.
    std::vector<ensemble::Fichier> fichiers;
    for (Sorte s : kToutesSortes)
        fichiers.push_back({chemins[indice(s)], std::move(octets[indice(s)])});
    Resultat r = ensemble::ecrit(nom, fichiers);
    if (!r)
        return r;

    if (nouveau) {
        m_verrou = std::move(nouveau);
        m_lectureSeule = false;
    }
    m_modifie = false;
    setCarteModifiee(Sorte::Clients, false);
    m_dernierNomSauve = nom;
    m_titre = sansDossier(nom);
    return r;
}

} // namespace zel
