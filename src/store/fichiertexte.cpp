#include "store/fichiertexte.h"

#include "store/codepage.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::fichier {
namespace {

// Why an access failed, as the file device says.
QString raisonAppareil(QFileDevice::FileError erreur) {
    switch (erreur) {
    case QFileDevice::ReadError:
        return QStringLiteral("la lecture a échoué");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("l'écriture a échoué");
    case QFileDevice::PermissionsError:
        return QStringLiteral("permission refusée");
    case QFileDevice::OpenError:
        return QStringLiteral("le fichier ne peut pas être ouvert");
    case QFileDevice::RenameError:
        return QStringLiteral("le fichier ne peut pas être remplacé");
    default:
        return QStringLiteral("erreur d'accès au fichier");
    }
}

// Why a write failed: the system's own cause, from the error number it left just after the
// failing call, else what the file device says.
QString raison(QFileDevice::FileError erreur, int numero) {
    return causeSysteme(numero).value_or(raisonAppareil(erreur));
}

// Runs a file call from a clean error number, and gives the number it left when it failed.
template <typename Appel> std::optional<int> echoue(Appel appel) {
    errno = 0;
    if (appel())
        return std::nullopt;
    return errno;
}

Resultat echecLecture(const QString& chemin, const QString& pourquoi) {
    return Resultat::echec(
        QStringLiteral("Impossible de lire le fichier %1 :\n%2.").arg(chemin, pourquoi));
}

// Whether two files hold the same bytes.
bool memesOctets(const QString& a, const QString& b) {
    QFile fa(a), fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    while (!fa.atEnd()) {
        const QByteArray morceau = fa.read(1 << 20);
        if (morceau.isEmpty() || morceau != fb.read(morceau.size()))
            return false;
    }
    return fb.atEnd();
}

Resultat echecEcriture(const QString& chemin, const QString& pourquoi) {
    return Resultat::echec(
        QStringLiteral("Impossible d'enregistrer le fichier %1 :\n%2.")
            .arg(chemin.isEmpty() ? QStringLiteral("(sans nom)") : chemin, pourquoi));
}

} // namespace

std::optional<QString> causeSysteme(int numero) {
    switch (numero) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permission refusée");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("le disque est plein");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("le dossier n'existe pas");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case EFBIG:
        return QStringLiteral("le fichier dépasse la taille permise");
    case EIO:
        return QStringLiteral("erreur de lecture ou d'écriture sur le disque");
    case ENAMETOOLONG:
        return QStringLiteral("le nom est trop long");
    case EISDIR:
        return QStringLiteral("ce nom est celui d'un dossier");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("trop de fichiers sont ouverts");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("le fichier est occupé");
    default:
        return std::nullopt;
    }
}

QStringList decoupeLignes(const QByteArray& octets) {
    const char* debut = octets.constData();
    const char* nul = static_cast<const char*>(std::memchr(debut, '\0', size_t(octets.size())));
    const char* fin = nul ? nul : debut + octets.size();

    QStringList lignes;
    const char* ligne = debut;
    for (const char* p = debut; p < fin; ++p) {
        if (*p != '\r' && *p != '\n')
            continue;
        lignes.append(cp1252::decode(ligne, p - ligne));
        if (*p == '\r' && p + 1 < fin && p[1] == '\n')
            ++p;
        ligne = p + 1;
    }
    if (ligne < fin)
        lignes.append(cp1252::decode(ligne, fin - ligne));
    return lignes;
}

Resultat encodeLignes(const QStringList& lignes, QByteArray& sortie) {
    qsizetype taille = 0;
    for (const QString& ligne : lignes)
        taille += ligne.size() + 2;
    sortie.clear();
    sortie.reserve(taille);
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        if (!cp1252::encodeVers(lignes[i], sortie)) {
            const QChar c = *cp1252::premierNonRepresentable(lignes[i]);
            return Resultat::echec(
                QStringLiteral("la ligne %1 contient le caractère « %2 », que le fichier ne peut "
                               "pas contenir")
                    .arg(i + 1)
                    .arg(c));
        }
        sortie.append("\r\n", 2);
    }
    return Resultat::succes();
}

QString avecExtension(const QString& nom, QStringView extension) {
    const qsizetype dossier = nom.lastIndexOf(u'/') + 1;
    const qsizetype point = nom.lastIndexOf(u'.');
    return (point >= dossier ? nom.left(point) : nom) + u'.' + extension.toString();
}

bool existe(const QString& chemin) {
    const QFileInfo info(chemin);
    return !chemin.isEmpty() && info.exists() && !info.isDir();
}

qsizetype coupure(const QByteArray& octets) {
    const qsizetype nul = octets.indexOf('\0');
    for (qsizetype i = nul; nul >= 0 && i < octets.size(); ++i) {
        if (octets[i] != '\0')
            return nul;
    }
    return -1;
}

FichierLu::FichierLu(FichierLu&& autre) noexcept
    : m_chemin(std::move(autre.m_chemin)), m_descripteur(std::exchange(autre.m_descripteur, -1)),
      m_absent(autre.m_absent) {}

FichierLu& FichierLu::operator=(FichierLu&& autre) noexcept {
    std::swap(m_chemin, autre.m_chemin);
    std::swap(m_descripteur, autre.m_descripteur);
    std::swap(m_absent, autre.m_absent);
    return *this;
}

FichierLu::~FichierLu() {
    if (m_descripteur >= 0)
        ::close(m_descripteur);
}

Resultat FichierLu::ouvre(const QString& chemin) {
    *this = FichierLu();
    m_chemin = chemin;
    // Without waiting: opening a pipe for reading would otherwise wait for a writer.
    errno = 0;
    const int d = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (d < 0) {
        m_absent = errno == ENOENT;
        return echecLecture(chemin, m_absent ? QStringLiteral("le fichier n'existe pas")
                                             : raison(QFileDevice::OpenError, errno));
    }
    struct stat etat {};
    if (::fstat(d, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        ::close(d);
        return echecLecture(chemin, QStringLiteral("ce n'est pas un fichier ordinaire"));
    }
    m_descripteur = d;
    return Resultat::succes();
}

Resultat FichierLu::litTout(QByteArray& octets) const {
    struct stat etat {};
    if (::fstat(m_descripteur, &etat) != 0)
        return echecLecture(m_chemin, raison(QFileDevice::ReadError, errno));
    octets.clear();
    octets.reserve(qsizetype(etat.st_size));
    char tampon[1 << 16];
    for (off_t position = 0;;) {
        const ssize_t lus = ::pread(m_descripteur, tampon, sizeof tampon, position);
        if (lus < 0 && errno == EINTR)
            continue;
        if (lus < 0)
            return echecLecture(m_chemin, raison(QFileDevice::ReadError, errno));
        if (lus == 0)
            return Resultat::succes();
        octets.append(tampon, lus);
        position += lus;
    }
}

Resultat lireOctets(const QString& chemin, QByteArray& octets) {
    FichierLu f;
    if (Resultat r = f.ouvre(chemin); !r)
        return r;
    return f.litTout(octets);
}

Resultat lire(const QString& chemin, QStringList& lignes, qsizetype* coupe) {
    QByteArray octets;
    if (Resultat r = lireOctets(chemin, octets); !r)
        return r;
    lignes = decoupeLignes(octets);
    if (coupe)
        *coupe = coupure(octets);
    return Resultat::succes();
}

Resultat copieDeSecours(const QString& chemin, QString& copie) {
    copie = chemin + QStringLiteral(".original");
    for (int n = 2; QFileInfo::exists(copie); ++n) {
        if (memesOctets(chemin, copie))
            return Resultat::succes();
        copie = chemin + QStringLiteral(".original-%1").arg(n);
    }
    if (!QFile::copy(chemin, copie))
        return Resultat::echec(
            QStringLiteral("Impossible de garder une copie du fichier %1 sous le nom %2.")
                .arg(chemin, copie));
    return Resultat::succes();
}

Resultat ecrireOctets(const QString& chemin, const QByteArray& octets) {
    if (chemin.isEmpty())
        return echecEcriture(chemin, QStringLiteral("aucun nom de fichier n'a été donné"));
    if (QFileInfo(chemin).isDir())
        return echecEcriture(chemin, QStringLiteral("ce nom est celui d'un dossier"));
    QSaveFile f(chemin);
    if (const std::optional<int> numero = echoue([&] { return f.open(QIODevice::WriteOnly); }))
        return echecEcriture(chemin, raison(f.error(), *numero));
    // Flushed here: a write kept in the buffer and refused at the commit (a full disk) would
    // otherwise give an empty file put in place.
    if (const std::optional<int> numero =
            echoue([&] { return f.write(octets) == octets.size() && f.flush(); })) {
        const auto erreur = f.error();
        f.cancelWriting();
        return echecEcriture(chemin, raison(erreur, *numero));
    }
    if (const std::optional<int> numero = echoue([&] { return f.commit(); }))
        return echecEcriture(chemin, raison(f.error(), *numero));
    return Resultat::succes();
}

Resultat ecrire(const QString& chemin, const QStringList& lignes) {
    QByteArray octets;
    if (Resultat r = encodeLignes(lignes, octets); !r)
        return echecEcriture(chemin, r.message());
    return ecrireOctets(chemin, octets);
}

} // namespace zel::fichier
