#include "ui/tools/thorloge.h"
#include "ui/taide.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using zel::outils::Horloge;

THorloge::THorloge(QWidget* parent)
    : QDialog(parent), systeme(&m_systemeReel), m_minuterie(new QTimer(this)),
      m_heure(new QLabel(this)), m_date(new QLabel(this)), m_champs(new QButtonGroup(this)) {
    setWindowTitle(QStringLiteral("Horloge"));
    zel::ui::metSujet(this, zel::Sujet::Utilitaires);
    confirme = [this](const QString& texte) {
        return QMessageBox::question(this, QStringLiteral("Horloge"), texte,
                                     QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Ok;
    };
    avertit = [this](const QString& texte) {
        QMessageBox::warning(this, QStringLiteral("Horloge"), texte);
    };
    m_minuterie->setInterval(1000);
    connect(m_minuterie, &QTimer::timeout, this, [this] {
        m_horloge.montre(QDateTime::currentDateTime());
        redessine();
    });

    auto* panneau = new QWidget(this);
    panneau->setAutoFillBackground(true);
    panneau->setStyleSheet(QStringLiteral("background: black; color: lime;"));
    auto* lignes = new QVBoxLayout(panneau);
    auto* zel = new QLabel(QStringLiteral("ZEL"), panneau);
    for (QLabel* l : {zel, m_heure, m_date}) {
        l->setParent(panneau);
        l->setAlignment(Qt::AlignCenter);
        lignes->addWidget(l);
    }

    auto* champs = new QHBoxLayout;
    const std::pair<const char16_t*, Horloge::Champ> noms[] = {
        {u"Hr", Horloge::Champ::Heure}, {u"Mn", Horloge::Champ::Minute},
        {u"Jo", Horloge::Champ::Jour},  {u"Mo", Horloge::Champ::Mois},
        {u"An", Horloge::Champ::Annee},
    };
    for (const auto& [nom, champ] : noms) {
        auto* bouton = new QRadioButton(QString::fromUtf16(nom), this);
        m_champs->addButton(bouton, static_cast<int>(champ));
        champs->addWidget(bouton);
    }
    m_champs->button(0)->setChecked(true);

    auto* regle = new QPushButton(QStringLiteral("Set"), this);
    auto* haut = new QToolButton(this);
    haut->setArrowType(Qt::UpArrow);
    auto* bas = new QToolButton(this);
    bas->setArrowType(Qt::DownArrow);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    connect(regle, &QPushButton::clicked, this, &THorloge::basculeReglage);
    connect(haut, &QToolButton::clicked, this, [this] { tourne(1); });
    connect(bas, &QToolButton::clicked, this, [this] { tourne(-1); });
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(regle);
    boutons->addWidget(haut);
    boutons->addWidget(bas);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(panneau);
    colonne->addLayout(champs);
    colonne->addLayout(boutons);
}

void THorloge::showEvent(QShowEvent* e) {
    demarre();
    QDialog::showEvent(e);
}

void THorloge::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            demarre();
        else
            m_minuterie->stop();
    }
    QDialog::changeEvent(e);
}

void THorloge::demarre() {
    m_horloge.quitteSansRegler();
    m_horloge.montre(QDateTime::currentDateTime());
    m_minuterie->start();
    redessine();
}

void THorloge::basculeReglage() {
    if (!m_horloge.modeReglage()) {
        m_horloge.entreReglage();
        m_minuterie->stop();
        return;
    }
    const zel::Resultat r = m_horloge.quitteReglage(*systeme, confirme);
    m_minuterie->start();
    if (!r)
        avertit(r.message());
}

void THorloge::tourne(int pas) {
    if (!m_horloge.modeReglage())
        return;
    m_horloge.tourne(static_cast<Horloge::Champ>(m_champs->checkedId()), pas);
    redessine();
}

void THorloge::redessine() {
    m_heure->setText(m_horloge.ligneHeure());
    m_date->setText(m_horloge.ligneDate());
}
