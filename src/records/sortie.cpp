#include "records/sortie.h"

#include "store/fichiertexte.h"
#include "store/jeudocuments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <vector>

#include <sys/stat.h>

namespace zel {

namespace {

std::vector<const ProtectionJeu*>& protections() {
    static std::vector<const ProtectionJeu*> p;
    return p;
}

Enregistrement echec(const QString& chemin, const QString& pourquoi) {
    return Enregistrement::echoue(QStringLiteral("Impossible d'enregistrer le fichier %1 :\n%2.")
                                      .arg(QDir::toNativeSeparators(chemin), pourquoi));
}

// Where a path leads once its links are followed: the real folder and the file's name there.
struct Lieu {
    QString dossier;
    QString nom;
};

Lieu lieu(const QString& chemin) {
    QFileInfo info(chemin);
    // A link is followed even when what it names does not exist yet.
    for (int i = 0; i < 40 && info.isSymLink(); ++i)
        info = QFileInfo(info.symLinkTarget());
    const QString reel = info.canonicalFilePath();
    if (!reel.isEmpty()) {
        const QFileInfo r(reel);
        return {r.path(), r.fileName()};
    }
    const QString dossier = QFileInfo(info.absolutePath()).canonicalFilePath();
    return {dossier.isEmpty() ? QDir::cleanPath(info.absolutePath()) : dossier, info.fileName()};
}

// Whether two existing paths are the same file on the disk (a hard link is one more name).
bool memeFichier(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// `nom` is the file `protege` or a file named after it with one more extension.
bool nomDe(const QString& nom, const QString& protege) {
    return nom.compare(protege, Qt::CaseInsensitive) == 0 ||
           (nom.size() > protege.size() && nom.startsWith(protege, Qt::CaseInsensitive) &&
            nom[protege.size()] == u'.');
}

// A device (/dev/null, a terminal) is written straight: it holds no old content to keep.
Enregistrement ecritAppareil(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    errno = 0;
    bool ok = f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qint64 fait = 0; ok && fait < octets.size();) {
        const qint64 n = f.write(octets.constData() + fait, octets.size() - fait);
        ok = n > 0;
        fait += std::max<qint64>(n, 0);
    }
    const int numero = errno;
    if (ok)
        return Enregistrement::fait();
    return echec(chemin,
                 fichier::causeSysteme(numero).value_or(QStringLiteral("l'écriture a échoué")));
}

} // namespace

ProtectionJeu::ProtectionJeu(std::function<QString()> fichierClients, QString dossierProgramme)
    : m_fichierClients(std::move(fichierClients)), m_dossierProgramme(std::move(dossierProgramme)) {
    protections().push_back(this);
}

ProtectionJeu::~ProtectionJeu() {
    std::erase(protections(), this);
}

bool ProtectionJeu::protege(const QString& chemin) {
    return !chemin.isEmpty() && std::ranges::any_of(protections(), [&](const ProtectionJeu* p) {
        return p->couvre(chemin);
    });
}

bool ProtectionJeu::couvre(const QString& chemin) const {
    const Lieu cible = lieu(chemin);
    const QString clients = m_fichierClients ? m_fichierClients() : QString();
    QStringList fichiers;
    if (!clients.isEmpty()) {
        for (Sorte s : kToutesSortes)
            fichiers.append(s == Sorte::Clients ? clients : JeuDocuments::nomCompagnon(clients, s));
        fichiers.append(fichier::avecExtension(clients, u"oms"));
    }
    for (const QString& f : fichiers) {
        const Lieu l = lieu(f);
        if ((l.dossier == cible.dossier && nomDe(cible.nom, l.nom)) || memeFichier(chemin, f))
            return true;
    }
    const QFileInfo programme(m_dossierProgramme);
    return !m_dossierProgramme.isEmpty() &&
           (programme.canonicalFilePath().isEmpty()
                ? QDir::cleanPath(programme.absoluteFilePath())
                : programme.canonicalFilePath()) == cible.dossier &&
           cible.nom.startsWith(QStringLiteral("ZelVente."), Qt::CaseInsensitive);
}

Enregistrement Sortie::autorise(const QString& chemin) {
    if (chemin.isEmpty())
        return echec(chemin, QStringLiteral("aucun nom de fichier n'a été donné"));
    const QFileInfo info(chemin);
    if (info.isDir())
        return echec(chemin, QStringLiteral("ce nom est celui d'un dossier"));
    if (ProtectionJeu::protege(chemin))
        return echec(chemin, QStringLiteral("c'est un fichier du jeu de documents ouvert ou du "
                                            "programme, qu'aucune sortie ne remplace ; choisissez "
                                            "un autre nom"));
    if (!QFileInfo(info.absolutePath()).isDir())
        return echec(chemin, QStringLiteral("le dossier n'existe pas"));
    // A device is no file to replace.
    if (!info.exists() || !info.isFile())
        return Enregistrement::fait();
    if (m_dialogues)
        return m_dialogues->okAnnuler(
                   QStringLiteral("Le fichier %1 existe déjà. Le remplacer ?").arg(info.fileName()))
                   ? Enregistrement::fait()
                   : Enregistrement::renonce();
    if (m_remplacer)
        return Enregistrement::fait();
    return echec(chemin, QStringLiteral("il existe déjà ; ajoutez --remplacer pour le remplacer"));
}

Enregistrement Sortie::ecrit(const QString& chemin, const Fabrique& fabrique) {
    if (Enregistrement e = autorise(chemin); !e)
        return e;
    QByteArray octets;
    if (const Resultat r = fabrique(octets); !r)
        return echec(chemin, r.message());
    if (const QFileInfo info(chemin); info.exists() && !info.isFile())
        return ecritAppareil(chemin, octets);
    const Resultat r = fichier::ecrireOctets(chemin, octets);
    return r ? Enregistrement::fait() : Enregistrement::echoue(r.message());
}

Enregistrement Sortie::ecrit(const QString& chemin, const QByteArray& octets) {
    return ecrit(chemin, [&octets](QByteArray& sortie) {
        sortie = octets;
        return Resultat::succes();
    });
}

Enregistrement Sortie::ecrit(const QString& chemin, const QStringList& lignes) {
    return ecrit(chemin,
                 [&lignes](QByteArray& sortie) { return fichier::encodeLignes(lignes, sortie); });
}

} // namespace zel
