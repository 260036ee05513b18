#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

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

} // namespace zel::test
