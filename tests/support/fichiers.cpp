#include "support/fichiers.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace zel::test {
namespace {

bool changeImmuable(const QString& chemin, bool oui) {
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int drapeaux = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &drapeaux) == 0;
    if (ok) {
        drapeaux = oui ? (drapeaux | FS_IMMUTABLE_FL) : (drapeaux & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &drapeaux) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace

Dossier::Dossier() {
    m_dir.setAutoRemove(true);
}

QString Dossier::chemin(const QString& nom) const {
    return m_dir.filePath(nom);
}

void Dossier::ecrit(const QString& nom, const QByteArray& octets) const {
    QFile f(chemin(nom));
    if (f.open(QIODevice::WriteOnly))
        f.write(octets);
}

QByteArray Dossier::lit(const QString& nom) const {
    QFile f(chemin(nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Dossier::existe(const QString& nom) const {
    return QFile::exists(chemin(nom));
}

DossierProtege::DossierProtege(const QString& chemin) : m_chemin(chemin) {
    QFile::setPermissions(chemin, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!refuseLesFichiers())
        m_immuable = changeImmuable(chemin, true);
    m_actif = refuseLesFichiers();
}

DossierProtege::~DossierProtege() {
    if (m_immuable)
        changeImmuable(m_chemin, false);
    QFile::setPermissions(m_chemin,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

bool DossierProtege::refuseLesFichiers() const {
    QFile essai(QDir(m_chemin).filePath(QStringLiteral(".essai")));
    if (!essai.open(QIODevice::WriteOnly))
        return true;
    essai.close();
    essai.remove();
    return false;
}

FichierImmuable::FichierImmuable(const QString& chemin)
    : m_chemin(chemin), m_actif(changeImmuable(chemin, true)) {}

FichierImmuable::~FichierImmuable() {
    if (m_actif)
        changeImmuable(m_chemin, false);
}

TailleLimitee::TailleLimitee(rlim_t octets) {
    getrlimit(RLIMIT_FSIZE, &m_avant);
    m_signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = m_avant;
    limite.rlim_cur = octets;
    m_actif = setrlimit(RLIMIT_FSIZE, &limite) == 0;
}

TailleLimitee::~TailleLimitee() {
    setrlimit(RLIMIT_FSIZE, &m_avant);
    std::signal(SIGXFSZ, m_signal);
}

PetitDisque::PetitDisque(qint64 octets) {
    const QByteArray options = "size=" + QByteArray::number(octets);
    m_actif = ::mount("tmpfs", QFile::encodeName(m_dossier.racine()).constData(), "tmpfs", 0,
                      options.constData()) == 0;
    if (!m_actif)
        m_pourquoi = QStringLiteral("mounting a tmpfs is not permitted here: ") +
                     QString::fromLocal8Bit(std::strerror(errno));
}

PetitDisque::~PetitDisque() {
    if (m_actif)
        ::umount2(QFile::encodeName(m_dossier.racine()).constData(), MNT_DETACH);
}

void PetitDisque::remplit() const {
    QFile f(chemin(QStringLiteral("remplissage")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray bloc(1024, 'x');
    while (f.write(bloc) == bloc.size()) {
    }
}

} // namespace zel::test
