#pragma once

#include "records/dialogues.h"
#include "ui/ongletcarte.h"

#include <QDialog>

class QLineEdit;

namespace zel::ui {

// The stock movement dialogs: the article's code and designation shown, the quantity (and for
// an entry the unit price) typed. Enter in a field acts as "OK", Escape as "Annuler"; a full
// stop becomes a comma and any other key but the digits, the comma and Backspace is discarded;
// leaving a field shows its number again with two decimals, and a text that is not a number is
// told and stays as typed.
class TMouvement : public QDialog {
    Q_OBJECT
public:
    void Init(const QString& code, const QString& designation, const SaisieMouvement& initial);
    SaisieMouvement Result() const;

    QLineEdit* code() const { return m_code; }
    QLineEdit* designation() const { return m_designation; }
    QLineEdit* quantite() const { return m_quantite; }
    // Nothing for the exit, which has no price.
    QLineEdit* prixUnitaire() const { return m_prix; }

protected:
    TMouvement(MouvementStock sorte, Dialogues& dialogues, QWidget* parent);
    bool eventFilter(QObject* cible, QEvent* evenement) override;

private:
    void quitte(QLineEdit* champ);

    Dialogues& m_dialogues;
    MesureQt m_mesure;
    QLineEdit* m_code;
    QLineEdit* m_designation;
    QLineEdit* m_quantite;
    QLineEdit* m_prix = nullptr;
};

// "Entrée de stock": the quantity received and its unit price before tax.
class TEntree : public TMouvement {
public:
    explicit TEntree(Dialogues& dialogues, QWidget* parent = nullptr)
        : TMouvement(MouvementStock::Entree, dialogues, parent) {}
};

// "Sortie de stock": the quantity leaving.
class TSortie : public TMouvement {
public:
    explicit TSortie(Dialogues& dialogues, QWidget* parent = nullptr)
        : TMouvement(MouvementStock::Sortie, dialogues, parent) {}
};

} // namespace zel::ui
