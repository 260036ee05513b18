#include "ui/touches.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zel::ui {

bool filtreTouche(QLineEdit* champ, QEvent* evenement,
                  const std::function<std::optional<QChar>(QChar)>& regle) {
    if (evenement->type() != QEvent::KeyPress)
        return false;
    const QString texte = static_cast<QKeyEvent*>(evenement)->text();
    if (texte.size() != 1 || (texte[0] < u' ' && texte[0] != u'\b'))
        return false;
    const std::optional<QChar> accepte = regle(texte[0]);
    if (!accepte)
        return true;
    if (*accepte != texte[0]) {
        champ->insert(QString(*accepte));
        return true;
    }
    return false;
}

} // namespace zel::ui
