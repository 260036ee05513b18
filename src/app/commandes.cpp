#include "app/commandes.h"

#include "store/fichiertexte.h"

#include <QFileInfo>

namespace zel {

namespace {

const QString kFiltreOuvrir = QStringLiteral("Fichier clients (*.cli)|*.cli");
const QString kFiltreEnregistrer = QStringLiteral("Fichiers clients (*.cli)|*.cli");

} // namespace

CommandesDocument::CommandesDocument(JeuDocuments& jeu, Dialogues& dialogues)
    : m_jeu(jeu), m_dialogues(dialogues) {}

CommandesDocument::~CommandesDocument() = default;

bool CommandesDocument::enregistre() {
    return m_document.isEmpty() || lectureSeule() ? EnregistrerSous() : sauve(m_document);
}

QString CommandesDocument::avecExtensionCli(const QString& nom) {
    // A name that already ends in ".cli", in any letter case, is the file the user has.
    if (nom.endsWith(u".cli", Qt::CaseInsensitive))
        return nom;
    return fichier::avecExtension(nom, u"cli");
}

bool CommandesDocument::invite() {
    if (!m_jeu.TestModif())
        return true;
    const QString nom = QFileInfo(m_document).fileName();
    switch (m_dialogues.ouiNonAnnuler(QStringLiteral("Enregistrer changements dans ") + nom +
                                      QStringLiteral(" ?"))) {
    case Dialogues::Reponse::Oui:
        // A set never named, or read-only, is given a name first rather than failing to be
        // written.
        return enregistre();
    case Dialogues::Reponse::Non:
        return true;
    case Dialogues::Reponse::Annuler:
        break;
    }
    return false;
}

bool CommandesDocument::sauve(const QString& nom) {
    if (!m_jeu.quittePages())
        return false;
    const Resultat r = m_jeu.Sauve(nom);
    if (!r) {
        m_dialogues.message(r.message());
        return false;
    }
    // Saved, but not all the way yet: said as it is.
    if (!r.avis().isEmpty())
        m_dialogues.message(r.avis());
    return true;
}

bool CommandesDocument::charge(const QString& nom) {
    // The lock is settled before the set is read: only its holder finishes a save cut short.
    // Another computer's lock over a day old may have been left behind: the user may take it.
    auto verrou = std::make_unique<VerrouJeu>(nom);
    const bool question = verrou->prend() == VerrouJeu::Etat::Abandonne;
    if (question && m_dialogues.okAnnuler(verrou->question()))
        verrou->reprend();
    // A set that could not be read stays as it was, and so does its name, so that Save never
    // writes it over the file that was refused.
    if (Resultat r = m_jeu.Charge(nom, std::move(verrou)); !r) {
        m_dialogues.message(r.message());
        return false;
    }
    m_document = nom;
    // The question already said what declining it means.
    if (lectureSeule() && !question)
        m_dialogues.message(m_jeu.raisonLectureSeule());
    return true;
}

bool CommandesDocument::Nouveau() {
    if (!invite())
        return false;
    m_document.clear();
    m_jeu.Nouveau();
    return true;
}

bool CommandesDocument::Ouvrir() {
    if (!invite())
        return false;
    const std::optional<QString> choisi = m_dialogues.fichierAOuvrir(kFiltreOuvrir);
    return choisi && ouvre(*choisi);
}

bool CommandesDocument::ouvre(const QString& nom) {
    if (!nom.toUpper().endsWith(QStringLiteral(".CLI"))) {
        m_document.clear();
        m_dialogues.message(QStringLiteral("Type de fichier non valide"));
        return false;
    }
    if (!QFileInfo::exists(nom)) {
        m_document = nom;
        m_dialogues.message(QStringLiteral("Le fichier n'existe pas"));
        return false;
    }
    return charge(nom);
}

bool CommandesDocument::ouvreAuDemarrage(const QString& nom) {
    if (!fichier::existe(nom)) {
        m_document = nom;
        return false;
    }
    return charge(nom);
}

bool CommandesDocument::Enregistrer() {
    if (!m_document.isEmpty())
        m_document = avecExtensionCli(m_document);
    return enregistre();
}

bool CommandesDocument::EnregistrerSous() {
    // The document shown is let go before the file is chosen.
    if (!m_jeu.quittePages())
        return false;
    // The name chosen becomes the set's once the set is written under it: a Save as cancelled
    // or failed leaves the name, and what Save and the save prompt name, as they were.
    const std::optional<QString> choisi =
        m_dialogues.fichierAEnregistrer(kFiltreEnregistrer, QStringLiteral("*.cli"));
    if (!choisi)
        return false;
    const QString nom = avecExtensionCli(*choisi);
    if (QFileInfo::exists(nom) && !m_dialogues.okAnnuler(QStringLiteral("Ce fichier existe déjà")))
        return false;
    m_jeu.SetSauve();
    if (!sauve(nom))
        return false;
    emporteMessages(m_document, nom);
    m_document = nom;
    return true;
}

void CommandesDocument::emporteMessages(const QString& ancien, const QString& nouveau) {
    const QString de = fichier::avecExtension(ancien, u"oms");
    const QString vers = fichier::avecExtension(nouveau, u"oms");
    if (ancien.isEmpty() || !fichier::existe(de) || QFileInfo(de) == QFileInfo(vers))
        return;
    QByteArray octets;
    Resultat r = fichier::lireOctets(de, octets);
    if (r)
        r = fichier::ecrireOctets(vers, octets);
    if (!r)
        m_dialogues.message(QStringLiteral("Les messages n'ont pas suivi le jeu de documents :\n") +
                            r.message());
}

} // namespace zel
