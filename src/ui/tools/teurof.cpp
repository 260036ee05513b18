#include "ui/tools/teurof.h"
#include "ui/taide.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

using zel::outils::ConvertisseurEuro;

TEurof::TEurof(QWidget* parent)
    : QDialog(parent), m_entree(new QLabel(this)), m_resultat(new QLabel(this)),
      m_taux(new QLineEdit(this)), m_versEuros(new QRadioButton(QStringLiteral("Fr>Euro"), this)) {
    setWindowTitle(QStringLiteral("Euro convertisseur"));
    zel::ui::metSujet(this, zel::Sujet::Utilitaires);
    auto* vers = new QRadioButton(QStringLiteral("Euro>Fr"), this);
    m_versEuros->setChecked(true);
    m_taux->setReadOnly(true);
    // The rate only changes by its spin buttons: the keyboard goes to "=".
    m_taux->setFocusPolicy(Qt::NoFocus);
    for (QLabel* l : {m_entree, m_resultat}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFrameShape(QFrame::Panel);
        l->setMinimumHeight(24);
    }
    auto* plus = new QToolButton(this);
    plus->setArrowType(Qt::UpArrow);
    auto* moins = new QToolButton(this);
    moins->setArrowType(Qt::DownArrow);
    connect(plus, &QToolButton::clicked, this, [this] {
        m_conv.tauxPlus();
        redessine();
    });
    connect(moins, &QToolButton::clicked, this, [this] {
        m_conv.tauxMoins();
        redessine();
    });
    connect(m_versEuros, &QRadioButton::toggled, this, [this](bool fr) {
        m_conv.setSens(fr ? ConvertisseurEuro::Sens::FrancsVersEuros
                          : ConvertisseurEuro::Sens::EurosVersFrancs);
    });

    auto* touches = new QGridLayout;
    const QString libelles = QStringLiteral("789456123,0");
    for (qsizetype i = 0; i < libelles.size(); ++i) {
        const QChar c = libelles.at(i);
        auto* b = new QPushButton(QString(c), this);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, c] { tape(c); });
        touches->addWidget(b, static_cast<int>(i / 3), static_cast<int>(i % 3));
    }
    auto* egal = new QPushButton(QStringLiteral("="), this);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    connect(egal, &QPushButton::clicked, this, &TEurof::convertit);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    for (QPushButton* b : {egal, fermer}) {
        b->setAutoDefault(false);
        b->installEventFilter(this);
    }
    touches->addWidget(egal, 3, 2);
    egal->setFocus();

    auto* ligneTaux = new QHBoxLayout;
    ligneTaux->addWidget(m_taux);
    ligneTaux->addWidget(plus);
    ligneTaux->addWidget(moins);
    auto* sens = new QHBoxLayout;
    sens->addWidget(m_versEuros);
    sens->addWidget(vers);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(m_entree);
    colonne->addWidget(m_resultat);
    colonne->addLayout(sens);
    colonne->addLayout(ligneTaux);
    colonne->addLayout(touches);
    colonne->addWidget(fermer);
    redessine();
}

void TEurof::showEvent(QShowEvent* e) {
    m_conv.active();
    redessine();
    QDialog::showEvent(e);
}

bool TEurof::toucheClavier(QKeyEvent* e) {
    switch (ConvertisseurEuro::actionTouche(e->key(), e->text())) {
    case ConvertisseurEuro::Action::Caractere:
        tape(e->text().at(0));
        return true;
    case ConvertisseurEuro::Action::Convertir:
        convertit();
        return true;
    case ConvertisseurEuro::Action::Fermer:
        reject();
        return true;
    case ConvertisseurEuro::Action::Aucune:
        m_conv.autreTouche();
        redessine();
        return true;
    }
    return false;
}

void TEurof::keyPressEvent(QKeyEvent* e) {
    if (!toucheClavier(e))
        QDialog::keyPressEvent(e);
}

bool TEurof::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::KeyPress)
        return toucheClavier(static_cast<QKeyEvent*>(e));
    return QDialog::eventFilter(objet, e);
}

void TEurof::tape(QChar c) {
    m_conv.tape(c);
    redessine();
}

void TEurof::convertit() {
    m_conv.convertit();
    redessine();
}

void TEurof::redessine() {
    m_entree->setText(m_conv.entree());
    m_resultat->setText(m_conv.resultat());
    m_taux->setText(m_conv.texteTaux());
}
