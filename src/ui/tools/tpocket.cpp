#include "ui/tools/tpocket.h"
#include "ui/taide.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

using zel::outils::Calculatrice;

TPocket::TPocket(QWidget* parent)
    : QDialog(parent), m_affichage(new QLabel(this)),
      m_egal(new QPushButton(QStringLiteral("="), this)) {
    setWindowTitle(QStringLiteral("Calculatrice"));
    zel::ui::metSujet(this, zel::Sujet::Utilitaires);
    avertit = [this](const QString& texte) {
        QMessageBox::warning(this, QStringLiteral("Calculatrice"), texte);
    };
    m_affichage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_affichage->setFrameShape(QFrame::Panel);
    m_affichage->setMinimumHeight(24);

    auto* grille = new QGridLayout(this);
    grille->addWidget(m_affichage, 0, 0, 1, 4);
    struct Touche {
        const char16_t* libelle;
        QChar car;
        int ligne, colonne;
    };
    const Touche touches[] = {
        {u"7", u'7', 1, 0},   {u"8", u'8', 1, 1}, {u"9", u'9', 1, 2}, {u"/", u'/', 1, 3},
        {u"4", u'4', 2, 0},   {u"5", u'5', 2, 1}, {u"6", u'6', 2, 2}, {u"*", u'*', 2, 3},
        {u"1", u'1', 3, 0},   {u"2", u'2', 3, 1}, {u"3", u'3', 3, 2}, {u"-", u'-', 3, 3},
        {u"0", u'0', 4, 0},   {u",", u',', 4, 1}, {u"+", u'+', 4, 3}, {u"1/x", u'x', 5, 0},
        {u"sqr", u's', 5, 1}, {u"C", u'C', 5, 2},
    };
    for (const Touche& t : touches) {
        auto* b = new QPushButton(QString::fromUtf16(t.libelle), this);
        b->setAutoDefault(false);
        const QChar c = t.car;
        connect(b, &QPushButton::clicked, this,
                [this, c] { bouton(Calculatrice::boutonTouche(0, QString(c)), c); });
        grille->addWidget(b, t.ligne, t.colonne);
    }
    m_egal->setDefault(true);
    connect(m_egal, &QPushButton::clicked, this,
            [this] { bouton(Calculatrice::Bouton::Egal, u'='); });
    grille->addWidget(m_egal, 4, 2);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    grille->addWidget(fermer, 5, 3);
}

void TPocket::showEvent(QShowEvent* e) {
    efface();
    QDialog::showEvent(e);
}

void TPocket::efface() {
    m_calc.efface();
    m_affichage->setText(m_calc.affichage());
    m_egal->setFocus();
}

void TPocket::keyPressEvent(QKeyEvent* e) {
    const Calculatrice::Bouton b = Calculatrice::boutonTouche(e->key(), e->text());
    if (b == Calculatrice::Bouton::Aucun) {
        QDialog::keyPressEvent(e);
        return;
    }
    bouton(b, e->text().isEmpty() ? QChar() : e->text().at(0));
}

void TPocket::bouton(Calculatrice::Bouton b, QChar c) {
    zel::Resultat r = zel::Resultat::succes();
    switch (b) {
    case Calculatrice::Bouton::Chiffre:
        m_calc.chiffre(c);
        break;
    case Calculatrice::Bouton::Virgule:
        m_calc.virgule();
        break;
    case Calculatrice::Bouton::Egal:
        r = m_calc.egal();
        break;
    case Calculatrice::Bouton::Operateur:
        r = m_calc.operateur(c);
        break;
    case Calculatrice::Bouton::Inverse:
        r = m_calc.inverse();
        break;
    case Calculatrice::Bouton::Racine:
        r = m_calc.racine();
        break;
    case Calculatrice::Bouton::Efface:
        efface();
        break;
    case Calculatrice::Bouton::Fermer:
        reject();
        break;
    case Calculatrice::Bouton::Aucun:
        break;
    }
    m_affichage->setText(m_calc.affichage());
    if (!r)
        avertit(r.message());
}
