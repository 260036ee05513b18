#pragma once

#include "tools/euro.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

// "Euro convertisseur": the keypad and keyboard feed the converter, which is redrawn after
// every key.
class TEurof : public QDialog {
    Q_OBJECT
public:
    explicit TEurof(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    bool toucheClavier(QKeyEvent* e);
    void tape(QChar c);
    void convertit();
    void redessine();

    zel::outils::ConvertisseurEuro m_conv;
    QLabel* m_entree;
    QLabel* m_resultat;
    QLineEdit* m_taux;
    QRadioButton* m_versEuros;
};
