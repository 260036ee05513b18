#pragma once

#include "tools/calculatrice.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// "Calculatrice": buttons and keys drive the calculator; its errors are shown in a message.
class TPocket : public QDialog {
    Q_OBJECT
public:
    explicit TPocket(QWidget* parent);

    // Shows an error; a message box unless a test puts a recorder here.
    std::function<void(const QString&)> avertit;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void bouton(zel::outils::Calculatrice::Bouton b, QChar c);
    void efface();

    zel::outils::Calculatrice m_calc;
    QLabel* m_affichage;
    QPushButton* m_egal;
};
