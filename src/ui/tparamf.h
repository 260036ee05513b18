#pragma once

#include "records/montant.h"
#include "sales/parametresfacture.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace zel::ui {

// "Paramètres de la facture": the euro rate, the three VAT rates, the decimals, the currency,
// the five payment conditions and electronic invoices.
class TParamf : public QDialog {
    Q_OBJECT
public:
    explicit TParamf(QWidget* parent = nullptr);
    void Init(const SaisieParametres& saisie);
    SaisieParametres Result() const;

protected:
    bool eventFilter(QObject* cible, QEvent* evenement) override;

private:
    QLineEdit* nombre();
    void choisitDevise(int devise);

    QLineEdit* m_tauxEuro;
    std::array<QLineEdit*, 3> m_tauxTva;
    QSpinBox* m_decimales;
    QButtonGroup* m_devise;
    QLineEdit* m_nomDevise;
    std::array<QLineEdit*, 5> m_conditions;
    QCheckBox* m_electroniques;
};

} // namespace zel::ui
