#pragma once

#include <QChar>

#include <functional>
#include <optional>

class QEvent;
class QLineEdit;

namespace zel::ui {

// A key press on a field under a key rule: the rule gets the typed character and gives the one
// to insert, or nothing to discard the key. Keys that type no character (arrows, Enter, Tab)
// and Backspace left as it is go through. True when the event was handled here.
bool filtreTouche(QLineEdit* champ, QEvent* evenement,
                  const std::function<std::optional<QChar>(QChar)>& regle);

} // namespace zel::ui
