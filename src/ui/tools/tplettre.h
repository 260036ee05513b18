#pragma once

#include "tools/peselettres.h"

#include <QDialog>

class QLabel;

// "Pèse-Lettres": every count field and tariff button runs `Calcule`.
class TPLettre : public QDialog {
    Q_OBJECT
public:
    explicit TPLettre(QWidget* parent);

private:
    void Calcule();

    zel::outils::PeseLettres m_pese;
    QLabel* m_poids;
    QLabel* m_francs;
    QLabel* m_euros;
};
