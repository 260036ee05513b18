#include "ui/dialoguesqt.h"

#include "ui/dialogueslistes.h"
#include "ui/tmouvement.h"
#include "ui/ttri.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusTipEvent>

#include <memory>

namespace zel::ui {

namespace {

const QString kTitre = QStringLiteral("Zel Vente");

// "Fichier texte (*.txt)|*.txt|Fichier clients (*.cli)|*.cli" becomes Qt's
// "Fichier texte (*.txt);;Fichier clients (*.cli)": the descriptions, which name their patterns.
QString filtreQt(const QString& filtre) {
    const QStringList morceaux = filtre.split(u'|');
    QStringList descriptions;
    for (qsizetype i = 0; i < morceaux.size(); i += 2)
        descriptions.append(morceaux[i]);
    return descriptions.join(QStringLiteral(";;"));
}

std::optional<QString> choisi(const QString& nom) {
    if (nom.isEmpty())
        return std::nullopt;
    return nom;
}

} // namespace

Dialogues::Reponse DialoguesQt::ouiNonAnnuler(const QString& texte) {
    switch (QMessageBox::warning(m_parent, kTitre, texte,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Reponse::Oui;
    case QMessageBox::No:
        return Reponse::Non;
    default:
        return Reponse::Annuler;
    }
}

bool DialoguesQt::okAnnuler(const QString& texte) {
    return okAnnulerTitre(kTitre, texte);
}

bool DialoguesQt::avertissement(const QString& texte) {
    return okAnnulerTitre(QStringLiteral("Avertissement"), texte);
}

bool DialoguesQt::okAnnulerTitre(const QString& titre, const QString& texte) {
    return QMessageBox::warning(m_parent, titre, texte, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

void DialoguesQt::message(const QString& texte) {
    QMessageBox::information(m_parent, kTitre, texte);
}

std::optional<QString> DialoguesQt::fichierAOuvrir(const QString& filtre) {
    return choisi(QFileDialog::getOpenFileName(m_parent, QStringLiteral("Ouvrir"), QString(),
                                               filtreQt(filtre)));
}

std::optional<QString> DialoguesQt::fichierAEnregistrer(const QString& filtre,
                                                        const QString& nomPropose) {
    QFileDialog dialogue(m_parent, QStringLiteral("Enregistrer sous"), QString(), filtreQt(filtre));
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    // Qt asks nothing itself about an existing file: the core asks in its own words.
    dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    dialogue.selectFile(nomPropose);
    // A name typed without an extension takes the one of the type of file chosen.
    const auto suffixe = [](const QString& description) {
        const qsizetype etoile = description.lastIndexOf(QStringLiteral("(*."));
        return etoile < 0 ? QString()
                          : description.mid(etoile + 3).section(u')', 0, 0).section(u' ', 0, 0);
    };
    dialogue.setDefaultSuffix(suffixe(filtreQt(filtre).section(QStringLiteral(";;"), 0, 0)));
    QObject::connect(&dialogue, &QFileDialog::filterSelected, &dialogue,
                     [&dialogue, &suffixe](const QString& choisi) {
                         dialogue.setDefaultSuffix(suffixe(choisi));
                     });
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    return choisi(dialogue.selectedFiles().value(0));
}

std::optional<QString> DialoguesQt::saisit(Saisie s, const QString& initial) {
    TSaisie dialogue(s, initial, m_parent);
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogue.texte();
}

std::optional<int> DialoguesQt::montreListe(const TableListe& table) {
    TFListe liste(table, m_parent);
    liste.exec();
    return liste.ligneChoisie();
}

std::optional<int> DialoguesQt::choisit(const QString& titre, const QStringList& entrees) {
    TListeChoix liste(titre, entrees, m_parent);
    if (liste.exec() != QDialog::Accepted)
        return std::nullopt;
    return liste.entreeChoisie();
}

std::optional<int> DialoguesQt::listeDocuments(const QString& titre, const QStringList& entrees) {
    TListeDocuments liste(titre, entrees, m_parent);
    liste.exec();
    return liste.entreeChoisie();
}

std::optional<std::pair<int, int>> DialoguesQt::plage(int compte) {
    TPlage dialogue(compte, m_parent);
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogue.plage();
}

std::optional<SaisieMouvement> DialoguesQt::mouvementStock(MouvementStock sorte,
                                                           const QString& code,
                                                           const QString& designation,
                                                           const SaisieMouvement& initial) {
    std::unique_ptr<TMouvement> dialogue;
    if (sorte == MouvementStock::Entree)
        dialogue = std::make_unique<TEntree>(*this, m_parent);
    else
        dialogue = std::make_unique<TSortie>(*this, m_parent);
    dialogue->Init(code, designation, initial);
    if (dialogue->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogue->Result();
}

std::optional<int> DialoguesQt::trie(DialogueTri d) {
    TTri dialogue(d, m_parent);
    if (dialogue.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialogue.Result();
}

void DialoguesQt::sablier(bool oui) {
    if (oui)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void DialoguesQt::progression(const QString& texte) {
    if (!m_parent)
        return;
    QStatusTipEvent evenement(texte);
    QCoreApplication::sendEvent(m_parent, &evenement);
    // The panel is drawn now; what the user does waits for the end of the run.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zel::ui
