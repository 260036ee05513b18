#pragma once

#include "records/dialogues.h"

#include <QStringList>

#include <deque>
#include <optional>

namespace zel::test {

// Plays the user: every question is recorded in order and answered from the queues. A question
// whose queue is empty is answered Cancel, so a test that forgot an answer fails visibly.
class DialoguesFactices : public Dialogues {
public:
    std::deque<Reponse> reponses;
    std::deque<bool> confirmations;
    std::deque<QString> fichiers;         // a null name stands for a cancelled chooser
    std::deque<QString> saisies;          // a null text stands for "Annuler"
    std::deque<std::optional<int>> choix; // for the on-screen lists and the pick lists
    // The print dialog's pages from and to; nothing stands for "Annuler".
    std::deque<std::optional<std::pair<int, int>>> plages;
    // The texts typed in the stock movement dialogs; nothing stands for "Annuler".
    std::deque<std::optional<SaisieMouvement>> mouvements;
    QStringList vus;
    // The hourglass: how many times it is on now, and the most it was on.
    int sabliers = 0;
    int sabliersMaxi = 0;
    QStringList progressions;
    // The last on-screen list shown and the last pick list's entries.
    TableListe derniereListe;
    QStringList dernieresEntrees;

    Reponse ouiNonAnnuler(const QString& texte) override;
    bool okAnnuler(const QString& texte) override;
    bool avertissement(const QString& texte) override;
    void message(const QString& texte) override;
    std::optional<QString> fichierAOuvrir(const QString& filtre) override;
    std::optional<QString> fichierAEnregistrer(const QString& filtre,
                                               const QString& nomPropose) override;
    std::optional<QString> saisit(Saisie s, const QString& initial) override;
    std::optional<int> montreListe(const TableListe& table) override;
    std::optional<int> choisit(const QString& titre, const QStringList& entrees) override;
    std::optional<int> listeDocuments(const QString& titre, const QStringList& entrees) override;
    std::optional<std::pair<int, int>> plage(int compte) override;
    std::optional<SaisieMouvement> mouvementStock(MouvementStock sorte, const QString& code,
                                                  const QString& designation,
                                                  const SaisieMouvement& initial) override;
    // Answered from `choix`.
    std::optional<int> trie(DialogueTri d) override;
    void sablier(bool oui) override;
    void progression(const QString& texte) override;

private:
    bool prochaineConfirmation();
    static std::optional<QString> prochainTexte(std::deque<QString>& file);
    std::optional<int> prochainChoix();
};

} // namespace zel::test
