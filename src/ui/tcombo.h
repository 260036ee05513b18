#pragma once

#include "app/parametres.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

namespace zel::ui {

// The option-list dialog: every change is kept, there is no cancel.
class TCombo : public QDialog {
    Q_OBJECT
public:
    explicit TCombo(QWidget* parent = nullptr);
    void Init(const QString& titre, const QString& etiquette, const QStringList& elements);
    QStringList Result() const { return m_editeur.elements(); }

    bool eventFilter(QObject* cible, QEvent* evenement) override;

private:
    void redessine();
    EditeurListe m_editeur{{}};
    QListWidget* m_liste;
    QLineEdit* m_saisie;
    QLabel* m_etiquette;
};

} // namespace zel::ui
