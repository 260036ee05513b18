#include "ui/fenetresinfo.h"

#include "app/parametres.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel::ui {

void montreAPropos(QWidget* parent) {
    QDialog fenetre(parent);
    fenetre.setWindowTitle(QStringLiteral("A propos de Zel Vente"));
    auto* disposition = new QVBoxLayout(&fenetre);
    auto* haut = new QHBoxLayout;
    auto* icone = new QLabel(&fenetre);
    icone->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    haut->addWidget(icone);
    auto* textes = new QVBoxLayout;
    auto* nom = new QLabel(QStringLiteral("Zel Vente"), &fenetre);
    QFont gras = nom->font();
    gras.setBold(true);
    gras.setPointSize(gras.pointSize() + 4);
    nom->setFont(gras);
    textes->addWidget(nom);
    textes->addWidget(new QLabel(QStringLiteral("Version 2002"), &fenetre));
    haut->addLayout(textes);
    disposition->addLayout(haut);
    auto* ok = new QPushButton(QStringLiteral("Ok"), &fenetre);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &fenetre, &QDialog::accept);
    disposition->addWidget(ok, 0, Qt::AlignHCenter);
    fenetre.exec();
}

void montreDepartements(QWidget* parent) {
    QDialog fenetre(parent);
    fenetre.setWindowTitle(QStringLiteral("Départements"));
    auto* disposition = new QVBoxLayout(&fenetre);
    auto* liste = new QListWidget(&fenetre);
    liste->addItems(departements());
    liste->setMinimumSize(280, 360);
    disposition->addWidget(liste);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), &fenetre);
    // The default button takes Enter; Escape rejects: both close the window.
    fermer->setDefault(true);
    QObject::connect(fermer, &QPushButton::clicked, &fenetre, &QDialog::accept);
    disposition->addWidget(fermer, 0, Qt::AlignHCenter);
    QObject::connect(liste, &QListWidget::itemActivated, &fenetre, &QDialog::accept);
    fenetre.exec();
}

} // namespace zel::ui
