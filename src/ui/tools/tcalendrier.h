#pragma once

#include "tools/calendrier.h"

#include <QDialog>

class QCalendarWidget;
class QLabel;

// "Calendrier": a month grid with weeks starting on Sunday, paged by the "Mois" buttons and
// by Page Up and Page Down.
class TCalendrier : public QDialog {
    Q_OBJECT
public:
    explicit TCalendrier(QWidget* parent);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void redessine();

    zel::outils::Calendrier m_calendrier;
    QLabel* m_titre;
    QCalendarWidget* m_grille;
};
