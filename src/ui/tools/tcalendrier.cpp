#include "ui/tools/tcalendrier.h"
#include "ui/taide.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TCalendrier::TCalendrier(QWidget* parent)
    : QDialog(parent), m_calendrier(QDate::currentDate()), m_titre(new QLabel(this)),
      m_grille(new QCalendarWidget(this)) {
    setWindowTitle(QStringLiteral("Calendrier"));
    zel::ui::metSujet(this, zel::Sujet::Utilitaires);
    m_grille->setLocale(QLocale(QLocale::French, QLocale::France));
    m_grille->setFirstDayOfWeek(Qt::Sunday);
    m_grille->setNavigationBarVisible(false);
    m_grille->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    for (QWidget* w : m_grille->findChildren<QWidget*>())
        w->installEventFilter(this);
    m_grille->installEventFilter(this);
    // A day clicked or reached with the arrows, in this month or another: the title follows.
    connect(m_grille, &QCalendarWidget::selectionChanged, this, [this] {
        m_calendrier.choisit(m_grille->selectedDate());
        redessine();
    });
    m_titre->setAlignment(Qt::AlignCenter);

    auto* precedent = new QPushButton(QStringLiteral("Mois"), this);
    precedent->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    auto* suivant = new QPushButton(QStringLiteral("Mois"), this);
    suivant->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    connect(precedent, &QPushButton::clicked, this, [this] {
        m_calendrier.moisPrecedent();
        redessine();
    });
    connect(suivant, &QPushButton::clicked, this, [this] {
        m_calendrier.moisSuivant();
        redessine();
    });
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(precedent);
    boutons->addWidget(suivant);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(m_titre);
    colonne->addWidget(m_grille);
    colonne->addLayout(boutons);
    redessine();
}

bool TCalendrier::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(e)->key();
        if (touche == Qt::Key_PageUp || touche == Qt::Key_PageDown) {
            if (touche == Qt::Key_PageUp)
                m_calendrier.moisPrecedent();
            else
                m_calendrier.moisSuivant();
            redessine();
            return true;
        }
    }
    return QDialog::eventFilter(objet, e);
}

void TCalendrier::redessine() {
    const QDate d = m_calendrier.date();
    m_grille->setSelectedDate(d);
    m_grille->setCurrentPage(d.year(), d.month());
    m_titre->setText(m_calendrier.titre());
}
