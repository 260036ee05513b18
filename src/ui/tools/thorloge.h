#pragma once

#include "tools/horloge.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QLabel;
class QTimer;

// "Horloge": the time and date under "ZEL", refreshed each second, and the set mode that sets
// the computer's clock.
class THorloge : public QDialog {
    Q_OBJECT
public:
    explicit THorloge(QWidget* parent);

    // Where the clock is set, where the user is asked before it is and where refusals are
    // told; tests put recorders here.
    zel::outils::ReglageSysteme* systeme;
    std::function<bool(const QString&)> confirme;
    std::function<void(const QString&)> avertit;

protected:
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void demarre();
    void basculeReglage();
    void tourne(int pas);
    void redessine();

    zel::outils::ReglageSystemeReel m_systemeReel;
    zel::outils::Horloge m_horloge;
    QTimer* m_minuterie;
    QLabel* m_heure;
    QLabel* m_date;
    QButtonGroup* m_champs;
};
