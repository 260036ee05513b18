#include "support/dialoguesfactices.h"

#include <algorithm>

namespace zel::test {

Dialogues::Reponse DialoguesFactices::ouiNonAnnuler(const QString& texte) {
    vus.append(QStringLiteral("question: ") + texte);
    if (reponses.empty())
        return Reponse::Annuler;
    const Reponse r = reponses.front();
    reponses.pop_front();
    return r;
}

bool DialoguesFactices::prochaineConfirmation() {
    if (confirmations.empty())
        return false;
    const bool r = confirmations.front();
    confirmations.pop_front();
    return r;
}

bool DialoguesFactices::okAnnuler(const QString& texte) {
    vus.append(QStringLiteral("confirmation: ") + texte);
    return prochaineConfirmation();
}

bool DialoguesFactices::avertissement(const QString& texte) {
    // Answered from the same queue as the other confirmations.
    vus.append(QStringLiteral("avertissement: ") + texte);
    return prochaineConfirmation();
}

void DialoguesFactices::message(const QString& texte) {
    vus.append(QStringLiteral("message: ") + texte);
}

std::optional<QString> DialoguesFactices::prochainTexte(std::deque<QString>& file) {
    if (file.empty())
        return std::nullopt;
    QString nom = std::move(file.front());
    file.pop_front();
    if (nom.isNull())
        return std::nullopt;
    return nom;
}

std::optional<QString> DialoguesFactices::fichierAOuvrir(const QString& filtre) {
    vus.append(QStringLiteral("ouvrir: ") + filtre);
    return prochainTexte(fichiers);
}

std::optional<QString> DialoguesFactices::fichierAEnregistrer(const QString& filtre,
                                                              const QString& nomPropose) {
    vus.append(QStringLiteral("enregistrer: ") + filtre + QStringLiteral(" ") + nomPropose);
    return prochainTexte(fichiers);
}

std::optional<QString> DialoguesFactices::saisit(Saisie s, const QString& initial) {
    vus.append(QStringLiteral("saisie: ") + definition(s).titre + QStringLiteral(" [") + initial +
               u']');
    return prochainTexte(saisies);
}

std::optional<int> DialoguesFactices::prochainChoix() {
    if (choix.empty())
        return std::nullopt;
    const std::optional<int> r = choix.front();
    choix.pop_front();
    return r;
}

std::optional<int> DialoguesFactices::montreListe(const TableListe& table) {
    vus.append(QStringLiteral("liste: ") + table.titre);
    derniereListe = table;
    return prochainChoix();
}

std::optional<int> DialoguesFactices::listeDocuments(const QString& titre,
                                                     const QStringList& entrees) {
    vus.append(titre);
    dernieresEntrees = entrees;
    return prochainChoix();
}

std::optional<int> DialoguesFactices::choisit(const QString& titre, const QStringList& entrees) {
    vus.append(QStringLiteral("choix: ") + titre);
    dernieresEntrees = entrees;
    return prochainChoix();
}

std::optional<std::pair<int, int>> DialoguesFactices::plage(int compte) {
    vus.append(QStringLiteral("plage: 1 à %1").arg(compte));
    if (plages.empty())
        return std::nullopt;
    const std::optional<std::pair<int, int>> r = plages.front();
    plages.pop_front();
    return r;
}

std::optional<SaisieMouvement> DialoguesFactices::mouvementStock(MouvementStock sorte,
                                                                 const QString& code,
                                                                 const QString& designation,
                                                                 const SaisieMouvement& initial) {
    vus.append((sorte == MouvementStock::Entree ? QStringLiteral("entrée: ")
                                                : QStringLiteral("sortie: ")) +
               code + u' ' + designation + QStringLiteral(" [") + initial.quantite + u'|' +
               initial.prixUnitaire + u']');
    if (mouvements.empty())
        return std::nullopt;
    const std::optional<SaisieMouvement> r = mouvements.front();
    mouvements.pop_front();
    return r;
}

std::optional<int> DialoguesFactices::trie(DialogueTri d) {
    vus.append(QStringLiteral("tri: ") + choixTri(d).join(u'/'));
    return prochainChoix();
}

void DialoguesFactices::sablier(bool oui) {
    sabliers += oui ? 1 : -1;
    sabliersMaxi = std::max(sabliersMaxi, sabliers);
}

void DialoguesFactices::progression(const QString& texte) {
    progressions.append(texte);
}

} // namespace zel::test
