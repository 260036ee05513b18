#pragma once

#include <QString>

#include <optional>

namespace zel {

// Everything the core asks of the user goes through here; the widgets answer with real dialogs,
// the tests with scripted answers.
class Dialogues {
public:
    enum class Reponse { Oui, Non, Annuler };

    virtual ~Dialogues() = default;
    // A warning with Yes, No and Cancel.
    virtual Reponse ouiNonAnnuler(const QString& texte) = 0;
    // A warning with OK and Cancel; true for OK.
    virtual bool okAnnuler(const QString& texte) = 0;
    // A message with OK only.
    virtual void message(const QString& texte) = 0;
    // The file chooser; the filter is written "Description (*.ext)|*.ext". Nothing when
    // the user cancels.
    virtual std::optional<QString> fichierAOuvrir(const QString& filtre) = 0;
    virtual std::optional<QString> fichierAEnregistrer(const QString& filtre,
                                                       const QString& nomPropose) = 0;
};

} // namespace zel
