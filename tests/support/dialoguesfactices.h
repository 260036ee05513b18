#pragma once

#include "app/dialogues.h"

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
    std::deque<QString> fichiers; // a null name stands for a cancelled chooser
    QStringList vus;

    Reponse ouiNonAnnuler(const QString& texte) override;
    bool okAnnuler(const QString& texte) override;
    void message(const QString& texte) override;
    std::optional<QString> fichierAOuvrir(const QString& filtre) override;
    std::optional<QString> fichierAEnregistrer(const QString& filtre,
                                               const QString& nomPropose) override;

private:
    std::optional<QString> prochainFichier();
};

} // namespace zel::test
