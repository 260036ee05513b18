#include "ui/fenetresinfo.h"
#include "ui/taide.h"

#include "app/parametres.h"
#include "ui/tsplash.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

// The single button of an information window: the default one, so that Enter closes it.
void boutonFermeture(QDialog& fenetre, QVBoxLayout& disposition, const QString& texte) {
    auto* bouton = new QPushButton(texte, &fenetre);
    bouton->setDefault(true);
    QObject::connect(bouton, &QPushButton::clicked, &fenetre, &QDialog::accept);
    disposition.addWidget(bouton, 0, Qt::AlignHCenter);
}

} // namespace

TAPropos::TAPropos(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("A propos de Zel Vente"));
    metSujet(this, Sujet::Sommaire);
    setMinimumWidth(280);
    auto* disposition = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    auto* icone = new QLabel(this);
    icone->setPixmap(imageProgramme(48));
    haut->addWidget(icone);
    auto* textes = new QVBoxLayout;
    auto* nom = new QLabel(QStringLiteral("Zel Vente"), this);
    QFont gras = nom->font();
    gras.setBold(true);
    gras.setPointSize(gras.pointSize() + 4);
    nom->setFont(gras);
    textes->addWidget(nom);
    textes->addWidget(new QLabel(QStringLiteral("Version 2002"), this));
    haut->addLayout(textes);
    disposition->addLayout(haut);
    boutonFermeture(*this, *disposition, QStringLiteral("Ok"));
}

TDepartements::TDepartements(QWidget* parent) : QDialog(parent), m_liste(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Départements"));
    metSujet(this, Sujet::Utilitaires);
    auto* disposition = new QVBoxLayout(this);
    m_liste->addItems(departements());
    m_liste->setMinimumSize(280, 360);
    disposition->addWidget(m_liste);
    // Enter on the list reaches the default button; Escape rejects: both close the window.
    boutonFermeture(*this, *disposition, QStringLiteral("Fermer"));
    connect(m_liste, &QListWidget::itemActivated, this, &QDialog::accept);
}

} // namespace zel::ui
