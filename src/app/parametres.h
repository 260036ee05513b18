#pragma once

#include "app/menus.h"
#include "records/reglages.h"

#include <QStringList>

#include <optional>

namespace zel {

// The company header takes the seven fields only when the first one is filled; gives whether it
// did.
bool changeEntete(EnteteSociete& entete, const EnteteSociete& champs);

// The option list edited by one of the "&Paramètres" items, with the dialog's title and label.
struct ListeEditee {
    QString titre;
    QString etiquette;
    QStringList ListesChoix::*liste;
};
std::optional<ListeEditee> listeEditee(Operation operation);

// The option-list dialog: a copy of the list, the selected item and the edit field. The caller
// puts the list back into the drop-down when the dialog closes.
class EditeurListe {
public:
    explicit EditeurListe(QStringList elements) : m_elements(std::move(elements)) {}

    const QStringList& elements() const { return m_elements; }
    int selection() const { return m_selection; }
    const QString& saisie() const { return m_saisie; }
    void setSaisie(const QString& texte) { m_saisie = texte; }

    // Clicking an item selects it and copies it into the edit field.
    void clique(int ligne);
    // Enter or "Valider": the selected item takes the text, else the text is appended.
    void valide();
    // Delete on the list removes the selected item.
    void supprime();

private:
    void deselectionne();
    QStringList m_elements;
    int m_selection = -1;
    QString m_saisie;
};

// The lines of the "Départements" window, in ascending order.
QStringList departements();

} // namespace zel
