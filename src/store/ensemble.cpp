#include "store/ensemble.h"

#include "store/fichiertexte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::ensemble {

namespace {

const QByteArray kFin = "FIN";
// A reading that keeps meeting a save gives up after this many attempts (about five seconds).
constexpr int kEssais = 200;

std::function<void(int)>& temoin() {
    static std::function<void(int)> t;
    return t;
}

std::function<void(int)>& temoinLecture() {
    static std::function<void(int)> t;
    return t;
}

void etape(int n) {
    if (temoin())
        temoin()(n);
}

QString nomAffiche(const QString& chemin) {
    return QDir::toNativeSeparators(chemin);
}

QByteArray nomSysteme(const QString& chemin) {
    return QFile::encodeName(chemin);
}

// The cause the system gave, in French, else what the file device says.
QString cause(const QFileDevice& f, int numero) {
    return fichier::causeSysteme(numero).value_or(f.errorString());
}

QString causeNumero(int numero) {
    return fichier::causeSysteme(numero).value_or(QString::fromLocal8Bit(std::strerror(numero)));
}

Resultat echec(const QString& chemin, const QString& pourquoi) {
    return Resultat::echec(QStringLiteral("Impossible d'enregistrer le fichier %1 :\n%2.")
                               .arg(nomAffiche(chemin), pourquoi));
}

// What is on the disk stays there through a power cut: the file's bytes, or a folder's names.
bool versLeDisque(int descripteur) {
    return descripteur >= 0 && ::fsync(descripteur) == 0;
}

bool dossierVersLeDisque(const QString& chemin) {
    const int d =
        ::open(nomSysteme(QFileInfo(chemin).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (d < 0)
        return false;
    const bool ok = versLeDisque(d);
    ::close(d);
    return ok;
}

// Which file a name or a descriptor stands for: a rename over the name gives another one.
struct Identite {
    dev_t disque = 0;
    ino_t numero = 0;
    bool existe = false;
    bool operator==(const Identite&) const = default;
};

Identite identite(const struct stat& e) {
    return {e.st_dev, e.st_ino, true};
}

Identite identiteDe(const QString& chemin) {
    struct stat e {};
    return ::stat(nomSysteme(chemin).constData(), &e) == 0 ? identite(e) : Identite();
}

Identite identiteDe(const fichier::FichierLu& f) {
    struct stat e {};
    return f.ouvert() && ::fstat(f.descripteur(), &e) == 0 ? identite(e) : Identite();
}

// Why a file of the set cannot be written over, when it is read-only.
std::optional<QString> lectureSeule(const QString& chemin) {
    struct stat e {};
    const QByteArray nom = nomSysteme(chemin);
    if (::stat(nom.constData(), &e) != 0 || S_ISDIR(e.st_mode))
        return std::nullopt;
    errno = 0;
    // No write permission at all stops even the administrator, whom the system lets through.
    if ((e.st_mode & 0222) == 0 || ::access(nom.constData(), W_OK) != 0)
        return errno == EROFS ? causeNumero(errno)
                              : QStringLiteral("le fichier est en lecture seule");
    return std::nullopt;
}

// Writes the copy of a file as a new file, never into one a reader may have open, with the
// permissions of the file it replaces and its owner and group where the system allows.
Resultat ecritCopie(const QString& chemin, const QByteArray& octets, Identite& ecrite) {
    const QString nom = copie(chemin);
    if (QFileInfo(chemin).isDir())
        return echec(chemin, QStringLiteral("ce nom est celui d'un dossier"));
    QFile::remove(nom);
    QFile f(nom);
    errno = 0;
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return echec(chemin, cause(f, errno));
    struct stat ancien {};
    const bool remplace = ::stat(nomSysteme(chemin).constData(), &ancien) == 0;
    errno = 0;
    bool ok = f.write(octets) == octets.size() && f.flush();
    if (ok && remplace) {
        if (::fchown(f.handle(), ancien.st_uid, ancien.st_gid) != 0 &&
            ::fchown(f.handle(), uid_t(-1), ancien.st_gid) != 0) {
            // Neither the owner nor the group can be given by this user: the copy stays its own.
        }
        ok = ::fchmod(f.handle(), ancien.st_mode & 07777) == 0;
    }
    ok = ok && versLeDisque(f.handle());
    if (!ok) {
        const QString pourquoi = cause(f, errno);
        f.close();
        QFile::remove(nom);
        return echec(chemin, pourquoi);
    }
    struct stat e {};
    ecrite = ::fstat(f.handle(), &e) == 0 ? identite(e) : Identite();
    return Resultat::succes();
}

// The commit record: a mark of its own, each copy and the file it becomes, named without their
// folder, then a closing line; it is put in place by one rename, so that it is there whole or not
// at all, and a new record is never mistaken for an earlier one.
Resultat ecritJournal(const QString& fichierClients, const std::vector<Fichier>& fichiers) {
    QByteArray texte = '#' + QByteArray::number(QRandomGenerator::system()->generate64(), 16) +
                       QByteArray::number(QRandomGenerator::system()->generate64(), 16) + '\n';
    for (const Fichier& f : fichiers)
        texte += (QFileInfo(copie(f.chemin)).fileName() + u'\t' + QFileInfo(f.chemin).fileName())
                     .toUtf8() +
                 '\n';
    texte += kFin + '\n';
    QSaveFile j(journal(fichierClients));
    errno = 0;
    if (!j.open(QIODevice::WriteOnly) || j.write(texte) != texte.size() || !j.flush() ||
        !versLeDisque(j.handle()) || !j.commit())
        return echec(journal(fichierClients), cause(j, errno));
    dossierVersLeDisque(fichierClients);
    return Resultat::succes();
}

// A commit record as read: absent, never completed, or complete with its copies and files.
struct Journal {
    bool present = false;
    bool complet = false;
    QByteArray octets;
    std::vector<std::pair<QString, QString>> paires;

    // The copy that becomes the file, when the record names it.
    std::optional<QString> copieDe(const QString& chemin) const {
        const QString absolu = QFileInfo(chemin).absoluteFilePath();
        for (const auto& [de, vers] : paires) {
            if (vers.compare(absolu, Qt::CaseInsensitive) == 0)
                return de;
        }
        return std::nullopt;
    }
};

// Reads the record. Its files are looked for beside it, whatever folder it names (a record
// written before they were named without folder): a set's files always share its folder.
Resultat litJournal(const QString& fichierClients, Journal& j) {
    j = Journal();
    fichier::FichierLu f;
    if (Resultat r = f.ouvre(journal(fichierClients)); !r)
        return f.absent() ? Resultat::succes() : r;
    if (Resultat r = f.litTout(j.octets); !r)
        return r;
    j.present = true;
    const QDir dossier = QFileInfo(fichierClients).absoluteDir();
    const QList<QByteArray> lignes = j.octets.split('\n');
    j.complet = lignes.contains(kFin);
    for (const QByteArray& l : lignes) {
        const QList<QByteArray> paire = l.split('\t');
        if (paire.size() != 2)
            continue;
        const auto place = [&dossier](const QByteArray& nom) {
            return dossier.absoluteFilePath(QFileInfo(QString::fromUtf8(nom)).fileName());
        };
        j.paires.emplace_back(place(paire[0]), place(paire[1]));
    }
    return Resultat::succes();
}

// What finishing a committed save left undone: copies gone before they took their place (only
// the saver itself can tell, as it wrote them), and files that cannot be replaced.
struct Fin {
    Resultat erreur = Resultat::succes();
    QStringList disparues;
    QStringList refuses;
};

// Renames every copy named in a complete record that is still there over its file, then removes
// the record, unless a file could not be replaced: the record then stays for the next opening.
// Done again after a crash, it does the same. A record never completed is removed: its save never
// touched the old files.
Fin termine(const QString& fichierClients, bool sauveur) {
    Fin fin;
    Journal j;
    if (fin.erreur = litJournal(fichierClients, j); !fin.erreur)
        return fin;
    if (!j.present) {
        if (sauveur)
            fin.erreur = echec(journal(fichierClients),
                               QStringLiteral("l'enregistrement a disparu avant d'être terminé"));
        return fin;
    }
    if (!j.complet) {
        QFile::remove(journal(fichierClients));
        return fin;
    }
    int n = 0;
    for (const auto& [de, vers] : j.paires) {
        if (!QFileInfo::exists(de)) {
            // For another than the saver, a copy gone has already taken its place.
            if (sauveur)
                fin.disparues.append(QFileInfo(de).fileName());
            continue;
        }
        errno = 0;
        if (::rename(nomSysteme(de).constData(), nomSysteme(vers).constData()) != 0)
            fin.refuses.append(
                QStringLiteral("%1 (%2)").arg(QFileInfo(vers).fileName(), causeNumero(errno)));
        etape(7 + n++);
    }
    dossierVersLeDisque(fichierClients);
    if (fin.refuses.isEmpty()) {
        QFile::remove(journal(fichierClients));
        dossierVersLeDisque(fichierClients);
    }
    return fin;
}

} // namespace

void setTemoin(std::function<void(int)> t) {
    temoin() = std::move(t);
}

void setTemoinLecture(std::function<void(int)> t) {
    temoinLecture() = std::move(t);
}

QString journal(const QString& fichierClients) {
    return fichierClients + QStringLiteral(".zvj");
}

QString copie(const QString& chemin) {
    return chemin + QStringLiteral(".zvtmp");
}

Resultat ecrit(const QString& fichierClients, const std::vector<Fichier>& fichiers) {
    // A save committed earlier and left unfinished is finished first: it is the set on the disk.
    if (QFileInfo::exists(journal(fichierClients))) {
        const Fin avant = termine(fichierClients, false);
        if (!avant.erreur)
            return avant.erreur;
        if (!avant.refuses.isEmpty())
            return echec(fichierClients,
                         QStringLiteral("l'enregistrement précédent n'est pas terminé : %1 ne "
                                        "peut toujours pas être remplacé")
                             .arg(avant.refuses.join(QStringLiteral(", "))));
    }
    for (const Fichier& f : fichiers) {
        if (const std::optional<QString> pourquoi = lectureSeule(f.chemin))
            return echec(f.chemin, *pourquoi);
    }
    const auto retireCopies = [&fichiers] {
        for (const Fichier& f : fichiers)
            QFile::remove(copie(f.chemin));
    };
    std::vector<Identite> ecrites(fichiers.size());
    for (std::size_t i = 0; i < fichiers.size(); ++i) {
        if (Resultat r = ecritCopie(fichiers[i].chemin, fichiers[i].octets, ecrites[i]); !r) {
            retireCopies();
            return r;
        }
        etape(int(i) + 1);
    }
    // A copy gone or changed before the commit: nothing has changed yet, and the save says so.
    for (std::size_t i = 0; i < fichiers.size(); ++i) {
        if (identiteDe(copie(fichiers[i].chemin)) != ecrites[i]) {
            retireCopies();
            return echec(fichiers[i].chemin,
                         QStringLiteral("sa copie %1 a disparu avant la fin de l'enregistrement : "
                                        "un autre programme écrit dans ce dossier. Aucun fichier "
                                        "n'a été changé")
                             .arg(QFileInfo(copie(fichiers[i].chemin)).fileName()));
        }
    }
    if (Resultat r = ecritJournal(fichierClients, fichiers); !r) {
        retireCopies();
        return r;
    }
    etape(6);
    const Fin fin = termine(fichierClients, true);
    if (!fin.erreur)
        return fin.erreur;
    if (!fin.disparues.isEmpty())
        return Resultat::echec(
            QStringLiteral("L'enregistrement de %1 n'est peut-être pas complet : %2 a disparu "
                           "avant de prendre sa place. Un autre programme écrit dans ce dossier ; "
                           "vérifiez le jeu de documents.")
                .arg(nomAffiche(fichierClients), fin.disparues.join(QStringLiteral(", "))));
    if (!fin.refuses.isEmpty())
        return Resultat::succes(
            QStringLiteral("Le jeu %1 est enregistré, mais %2 ne peut pas encore être remplacé : "
                           "il le sera à la prochaine ouverture du jeu.")
                .arg(nomAffiche(fichierClients), fin.refuses.join(QStringLiteral(", "))));
    return Resultat::succes();
}

Resultat reprend(const QString& fichierClients, const std::vector<QString>& chemins) {
    Journal j;
    if (Resultat r = litJournal(fichierClients, j); !r)
        return r;
    if (!j.present) {
        // Copies without a record belong to a save that never committed.
        for (const QString& c : chemins)
            QFile::remove(copie(c));
        return Resultat::succes();
    }
    const Fin fin = termine(fichierClients, false);
    if (!fin.erreur)
        return fin.erreur;
    if (!fin.refuses.isEmpty())
        return Resultat::echec(
            QStringLiteral("Le dernier enregistrement de %1 n'a pas pu être terminé : %2 ne peut "
                           "pas être remplacé. Le jeu est lu tel qu'il a été enregistré ; "
                           "l'enregistrement sera terminé à une prochaine ouverture.")
                .arg(nomAffiche(fichierClients), fin.refuses.join(QStringLiteral(", "))));
    return Resultat::succes();
}

Resultat lit(const QString& fichierClients, const std::vector<QString>& chemins,
             std::vector<std::optional<QByteArray>>& octets) {
    for (int essai = 0;; ++essai) {
        // Each file is opened where the last committed save put it: its copy while the record
        // names one still waiting, else the file itself.
        Journal avant;
        if (Resultat r = litJournal(fichierClients, avant); !r)
            return r;
        std::vector<fichier::FichierLu> ouverts(chemins.size());
        for (std::size_t i = 0; i < chemins.size(); ++i) {
            const std::optional<QString> c =
                avant.complet ? avant.copieDe(chemins[i]) : std::nullopt;
            Resultat r = c ? ouverts[i].ouvre(*c) : Resultat::echec(QString());
            if (!r && (!c || ouverts[i].absent()))
                r = ouverts[i].ouvre(chemins[i]);
            if (!r && !ouverts[i].absent())
                return r;
            if (temoinLecture())
                temoinLecture()(int(i) + 1);
        }
        // The files opened are one set when no save committed or finished meanwhile: the record
        // is the same, and without one no file was renamed over since it was opened.
        Journal apres;
        if (Resultat r = litJournal(fichierClients, apres); !r)
            return r;
        bool stable = avant.present == apres.present && avant.octets == apres.octets;
        for (std::size_t i = 0; stable && !avant.complet && i < chemins.size(); ++i)
            stable = identiteDe(ouverts[i]) == identiteDe(chemins[i]);
        if (stable) {
            octets.assign(chemins.size(), std::nullopt);
            for (std::size_t i = 0; i < chemins.size(); ++i) {
                if (!ouverts[i].ouvert())
                    continue;
                octets[i].emplace();
                if (Resultat r = ouverts[i].litTout(*octets[i]); !r)
                    return r;
            }
            return Resultat::succes();
        }
        if (essai == kEssais)
            return Resultat::echec(
                QStringLiteral("Impossible de lire %1 :\nun autre programme Zel Vente est en "
                               "train de l'enregistrer. Réessayez dans un instant.")
                    .arg(nomAffiche(fichierClients)));
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

} // namespace zel::ensemble
