#include "store/ensemble.h"

#include "store/fichiertexte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace zel::ensemble {

namespace {

const QString kFin = QStringLiteral("FIN");

std::function<void(int)>& temoin() {
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

// The cause the system gave, in French, else what the file device says.
QString cause(const QFileDevice& f, int numero) {
    return fichier::causeSysteme(numero).value_or(f.errorString());
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
    const QByteArray nom = QFile::encodeName(QFileInfo(chemin).absolutePath());
    const int d = ::open(nom.constData(), O_RDONLY | O_DIRECTORY);
    if (d < 0)
        return false;
    const bool ok = versLeDisque(d);
    ::close(d);
    return ok;
}

Resultat ecritCopie(const QString& chemin, const QByteArray& octets) {
    const QString nom = copie(chemin);
    QFile f(nom);
    if (QFileInfo(chemin).isDir())
        return echec(chemin, QStringLiteral("ce nom est celui d'un dossier"));
    errno = 0;
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return echec(chemin, cause(f, errno));
    errno = 0;
    if (f.write(octets) != octets.size() || !f.flush() || !versLeDisque(f.handle())) {
        const QString pourquoi = cause(f, errno);
        f.close();
        QFile::remove(nom);
        return echec(chemin, pourquoi);
    }
    return Resultat::succes();
}

// The commit record: each copy and the name it takes, then a closing line; it is put in place
// by one rename, so that it is there whole or not at all.
Resultat ecritJournal(const QString& fichierClients, const std::vector<Fichier>& fichiers) {
    QByteArray texte;
    for (const Fichier& f : fichiers)
        texte += (copie(f.chemin) + u'\t' + f.chemin).toUtf8() + '\n';
    texte += kFin.toUtf8() + '\n';
    QSaveFile j(journal(fichierClients));
    errno = 0;
    if (!j.open(QIODevice::WriteOnly) || j.write(texte) != texte.size() || !j.flush() ||
        !versLeDisque(j.handle()) || !j.commit())
        return echec(journal(fichierClients), cause(j, errno));
    dossierVersLeDisque(fichierClients);
    return Resultat::succes();
}

// Renames every copy named in the record that is still there over its file, then removes the
// record. Done again after a crash, it does the same.
Resultat termine(const QString& fichierClients) {
    QFile j(journal(fichierClients));
    if (!j.open(QIODevice::ReadOnly))
        return echec(journal(fichierClients), j.errorString());
    const QList<QByteArray> lignes = j.readAll().split('\n');
    j.close();
    if (!lignes.contains(kFin.toUtf8())) {
        // Never complete on the disk: the old files were never touched.
        QFile::remove(journal(fichierClients));
        return Resultat::succes();
    }
    int n = 0;
    for (const QByteArray& l : lignes) {
        const QList<QByteArray> paire = l.split('\t');
        if (paire.size() != 2)
            continue;
        const QString de = QString::fromUtf8(paire[0]);
        const QString vers = QString::fromUtf8(paire[1]);
        if (QFileInfo::exists(de) &&
            ::rename(QFile::encodeName(de).constData(), QFile::encodeName(vers).constData()) != 0)
            return echec(vers, QStringLiteral("le fichier ne peut pas être remplacé"));
        etape(7 + n++);
    }
    dossierVersLeDisque(fichierClients);
    QFile::remove(journal(fichierClients));
    return Resultat::succes();
}

} // namespace

void setTemoin(std::function<void(int)> t) {
    temoin() = std::move(t);
}

QString journal(const QString& fichierClients) {
    return fichierClients + QStringLiteral(".zvj");
}

QString copie(const QString& chemin) {
    return chemin + QStringLiteral(".zvtmp");
}

Resultat ecrit(const QString& fichierClients, const std::vector<Fichier>& fichiers) {
    // A record left by an earlier crash is finished first: it is the set on the disk.
    if (QFileInfo::exists(journal(fichierClients))) {
        if (Resultat r = termine(fichierClients); !r)
            return r;
    }
    for (std::size_t i = 0; i < fichiers.size(); ++i) {
        if (Resultat r = ecritCopie(fichiers[i].chemin, fichiers[i].octets); !r) {
            for (std::size_t k = 0; k < i; ++k)
                QFile::remove(copie(fichiers[k].chemin));
            return r;
        }
        etape(int(i) + 1);
    }
    if (Resultat r = ecritJournal(fichierClients, fichiers); !r) {
        for (const Fichier& f : fichiers)
            QFile::remove(copie(f.chemin));
        return r;
    }
    etape(6);
    return termine(fichierClients);
}

Resultat reprend(const QString& fichierClients, const std::vector<QString>& chemins) {
    if (QFileInfo::exists(journal(fichierClients)))
        return termine(fichierClients);
    // Copies without a record belong to a save that never committed.
    for (const QString& c : chemins)
        QFile::remove(copie(c));
    return Resultat::succes();
}

} // namespace zel::ensemble
