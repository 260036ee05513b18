#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace zel::test {

// A temporary folder for a test, with small helpers to put bytes in and read them back.
class Dossier {
public:
    Dossier();
    QString chemin(const QString& nom) const;
    void ecrit(const QString& nom, const QByteArray& octets) const;
    QByteArray lit(const QString& nom) const;
    bool existe(const QString& nom) const;
    QString racine() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Makes a folder refuse new files for the life of the object: write permission removed, and,
// for a superuser whom permissions do not stop, the immutable attribute. `actif()` is false
// when neither could be had on this file system.
class DossierProtege {
public:
    explicit DossierProtege(const QString& chemin);
    ~DossierProtege();
    DossierProtege(const DossierProtege&) = delete;
    DossierProtege& operator=(const DossierProtege&) = delete;
    bool actif() const { return m_actif; }

private:
    bool refuseLesFichiers() const;
    QString m_chemin;
    bool m_immuable = false;
    bool m_actif = false;
};

// Makes a file unchangeable for the life of the object, as an administrator does with the
// immutable attribute: it can then be neither written, renamed over nor removed. `actif()` is
// false when the attribute could not be had here.
class FichierImmuable {
public:
    explicit FichierImmuable(const QString& chemin);
    ~FichierImmuable();
    FichierImmuable(const FichierImmuable&) = delete;
    FichierImmuable& operator=(const FichierImmuable&) = delete;
    bool actif() const { return m_actif; }

private:
    QString m_chemin;
    bool m_actif = false;
};

// Lets the files of this process grow to `octets` bytes only, as a device that fails after so
// many bytes would; the limit and the signal it raises are given back at the end.
class TailleLimitee {
public:
    explicit TailleLimitee(rlim_t octets);
    ~TailleLimitee();
    TailleLimitee(const TailleLimitee&) = delete;
    TailleLimitee& operator=(const TailleLimitee&) = delete;
    bool actif() const { return m_actif; }

private:
    rlimit m_avant{};
    void (*m_signal)(int) = nullptr;
    bool m_actif = false;
};

// A small full-size disk of its own (a tmpfs of `octets` bytes) mounted on a temporary folder for
// the life of the object; `actif()` is false where mounting is not permitted, and `pourquoi()`
// then says why.
class PetitDisque {
public:
    explicit PetitDisque(qint64 octets);
    ~PetitDisque();
    PetitDisque(const PetitDisque&) = delete;
    PetitDisque& operator=(const PetitDisque&) = delete;
    bool actif() const { return m_actif; }
    const QString& pourquoi() const { return m_pourquoi; }
    QString chemin(const QString& nom) const { return m_dossier.chemin(nom); }
    // Fills the disk with one file until nothing more goes in.
    void remplit() const;

private:
    Dossier m_dossier;
    bool m_actif = false;
    QString m_pourquoi;
};

} // namespace zel::test
