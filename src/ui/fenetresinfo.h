#pragma once

class QWidget;

namespace zel::ui {

// "A propos de Zel Vente".
void montreAPropos(QWidget* parent);
// "Départements": Enter or Escape closes it.
void montreDepartements(QWidget* parent);

} // namespace zel::ui
