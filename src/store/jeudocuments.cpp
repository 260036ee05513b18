#include "store/jeudocuments.h"

#include "store/ensemble.h"
#include "store/fichiertexte.h"

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

Resultat JeuDocuments::Charge(const QString& nom) {
    if (!fichier::existe(nom))
        return Resultat::echec(QStringLiteral("Le fichier n'existe pas :\n%1").arg(nom));

    // A save cut short by a crash is finished, or its copies removed, before anything is read.
    std::vector<QString> chemins;
    for (Sorte s : kToutesSortes)
        chemins.push_back(trouveSansCasse(s == Sorte::Clients ? nom : nomCompagnon(nom, s)));
    if (Resultat r = ensemble::reprend(nom, chemins); !r)
        return r;

    // Every file is read before anything changes, so a file that cannot be read leaves the set
    // in memory as it was.
    std::array<QStringList, kNombreSortes> lus;
    std::array<qsizetype, kNombreSortes> coupures{};
    for (Sorte s : kToutesSortes) {
        const QString& chemin = chemins[std::size_t(indice(s))];
        coupures[indice(s)] = -1;
        if (s != Sorte::Clients && !fichier::existe(chemin))
            continue;
        if (Resultat r = fichier::lire(chemin, lus[indice(s)], &coupures[indice(s)]); !r)
            return r;
    }

    m_nomDocument = nom;
    m_dernierNomSauve = nom;
    m_titre = sansDossier(nom);
    Synchro();
    // Cleared once before the stores are checked: a repair of any store keeps the set modified.
    m_modifie = false;
    // What the checks changed, and a file cut by a NUL, are told; the file's bytes are kept
    // in a copy before any save writes over them.
    QStringList avertissements;
    for (Sorte s : kToutesSortes) {
        Blocs& b = store(s);
        b.remplaceTout(std::move(lus[indice(s)]));
        setCompte(s, b.CompteBlocs());
        setCourant(s, 0);
        QStringList faits;
        if (coupures[indice(s)] >= 0)
            faits.append(QStringLiteral("un octet nul à la position %1 coupe le fichier : %2 "
                                        "fiches lues avant lui")
                             .arg(coupures[indice(s)])
                             .arg(b.CompteBlocs()));
        if (m_reactions) {
            if (const QString f = m_reactions->verifieStore(s); !f.isEmpty())
                faits.append(f);
        }
        setCarteModifiee(s, false);
        if (faits.isEmpty())
            continue;
        const QString& chemin = chemins[std::size_t(indice(s))];
        QString copie;
        const Resultat r = fichier::copieDeSecours(chemin, copie);
        avertissements.append(QStringLiteral("%1 : %2.\n%3")
                                  .arg(sansDossier(chemin), faits.join(QStringLiteral(", ")),
                                       r ? QStringLiteral("Le fichier d'origine est gardé sous le "
                                                          "nom %1.")
                                               .arg(sansDossier(copie))
                                         : r.message()));
    }
    if (m_reactions && !avertissements.isEmpty())
        m_reactions->avertit(kAlteration + QStringLiteral("\n\n") +
                             avertissements.join(QStringLiteral("\n\n")));
    if (m_reactions)
        m_reactions->apresChargement();
    setCarteModifiee(Sorte::Clients, false);
    return Resultat::succes();
}

Resultat JeuDocuments::Sauve(const QString& nom) {
    if (!m_modifie)
        return Resultat::succes();
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
    if (Resultat r = ensemble::ecrit(nom, fichiers); !r)
        return r;

    m_modifie = false;
    setCarteModifiee(Sorte::Clients, false);
    m_dernierNomSauve = nom;
    m_titre = sansDossier(nom);
    return Resultat::succes();
}

} // namespace zel
