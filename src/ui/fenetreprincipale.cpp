#include "ui/fenetreprincipale.h"

namespace zel::ui {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Zel Vente"));
    resize(800, 600);
}

} // namespace zel::ui
