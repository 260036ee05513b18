#pragma once

#include <QDialog>

class QListWidget;

namespace zel::ui {

// "A propos de Zel Vente": the program's picture, its name, "Version 2002" and "Ok".
class TAPropos : public QDialog {
public:
    explicit TAPropos(QWidget* parent = nullptr);
};

// "Départements": the list of the French départements and "Fermer"; Enter or Escape closes it.
class TDepartements : public QDialog {
public:
    explicit TDepartements(QWidget* parent = nullptr);
    QListWidget* liste() const { return m_liste; }

private:
    QListWidget* m_liste;
};

} // namespace zel::ui
