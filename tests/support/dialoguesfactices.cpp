#include "support/dialoguesfactices.h"

namespace zel::test {

Dialogues::Reponse DialoguesFactices::ouiNonAnnuler(const QString& texte) {
    vus.append(QStringLiteral("question: ") + texte);
    if (reponses.empty())
        return Reponse::Annuler;
    const Reponse r = reponses.front();
    reponses.pop_front();
    return r;
}

bool DialoguesFactices::okAnnuler(const QString& texte) {
    vus.append(QStringLiteral("confirmation: ") + texte);
    if (confirmations.empty())
        return false;
    const bool r = confirmations.front();
    confirmations.pop_front();
    return r;
}

void DialoguesFactices::message(const QString& texte) {
    vus.append(QStringLiteral("message: ") + texte);
}

std::optional<QString> DialoguesFactices::prochainFichier() {
    if (fichiers.empty())
        return std::nullopt;
    QString nom = std::move(fichiers.front());
    fichiers.pop_front();
    if (nom.isNull())
        return std::nullopt;
    return nom;
}

std::optional<QString> DialoguesFactices::fichierAOuvrir(const QString& filtre) {
    vus.append(QStringLiteral("ouvrir: ") + filtre);
    return prochainFichier();
}

std::optional<QString> DialoguesFactices::fichierAEnregistrer(const QString& filtre,
                                                              const QString& nomPropose) {
    vus.append(QStringLiteral("enregistrer: ") + filtre + QStringLiteral(" ") + nomPropose);
    return prochainFichier();
}

} // namespace zel::test
