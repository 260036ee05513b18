#include "ui/tools/tplettre.h"
#include "ui/taide.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using zel::outils::PeseLettres;

namespace {

struct Groupe {
    const char16_t* titre;
    std::initializer_list<const char16_t*> articles;
};

} // namespace

TPLettre::TPLettre(QWidget* parent)
    : QDialog(parent), m_poids(new QLabel(this)), m_francs(new QLabel(this)),
      m_euros(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Pèse-Lettres"));
    zel::ui::metSujet(this, zel::Sujet::Utilitaires);
    const Groupe groupes[] = {
        {u"Enveloppes simples",
         {u"114 x 162 mm", u"110 x 220 mm", u"162 x 229 mm", u"229 x 234 mm"}},
        {u"Enveloppes matalassées",
         {u"170 x 230 mm", u"200 x 270 mm", u"240 x 280 mm", u"260 x 340 mm", u"280 x 370 mm"}},
        {u"Feuilles",
         {u"210 x 297 mm (A4)", u"297 x 420 mm (A3)", u"180 x 220 mm (cour.)", u"Chèque"}},
        {u"Supports informatiques",
         {u"Disquette 3 1/2", u"CD-ROM nu", u"CD-ROM Etui", u"CD-ROm boîte plast.",
          u"Disquette Ioméga"}},
        {u"Photos", {u"Photo 100 x 150 mm", u"Photo 130 x 190 mm"}},
    };
    auto* grille = new QGridLayout(this);
    int article = 0;
    int place = 0;
    const auto champ = [this](auto quandChange) {
        auto* spin = new QSpinBox(this);
        spin->setRange(0, PeseLettres::CompteMax);
        connect(spin, &QSpinBox::valueChanged, this, [this, quandChange](int v) {
            quandChange(v);
            Calcule();
        });
        return spin;
    };
    for (const Groupe& g : groupes) {
        auto* boite = new QGroupBox(QString::fromUtf16(g.titre), this);
        auto* formulaire = new QFormLayout(boite);
        for (const char16_t* libelle : g.articles) {
            const int i = article++;
            formulaire->addRow(QString::fromUtf16(libelle),
                               champ([this, i](int v) { m_pese.setCompte(i, v); }));
        }
        grille->addWidget(boite, place / 3, place % 3);
        ++place;
    }
    auto* supplement = new QGroupBox(QStringLiteral("Poids supplémentaire"), this);
    auto* formulaire = new QFormLayout(supplement);
    formulaire->addRow(QStringLiteral("En grammes"),
                       champ([this](int v) { m_pese.setSupplement(v); }));
    grille->addWidget(supplement, 1, 2);

    auto* tarification = new QGroupBox(QStringLiteral("Tarification"), this);
    auto* colonne = new QVBoxLayout(tarification);
    auto* choix = new QButtonGroup(this);
    const std::pair<const char16_t*, PeseLettres::Tarif> tarifs[] = {
        {u"Expédition France rapide", PeseLettres::Tarif::FranceRapide},
        {u"Expédition France Ecopli", PeseLettres::Tarif::FranceEcopli},
        {u"Expédition vers l'U.E.", PeseLettres::Tarif::UnionEuropeenne},
    };
    for (const auto& [libelle, tarif] : tarifs) {
        auto* bouton = new QRadioButton(QString::fromUtf16(libelle), tarification);
        choix->addButton(bouton);
        colonne->addWidget(bouton);
        bouton->setChecked(tarif == PeseLettres::Tarif::FranceRapide);
        const PeseLettres::Tarif t = tarif;
        connect(bouton, &QRadioButton::clicked, this, [this, t] {
            m_pese.setTarif(t);
            Calcule();
        });
    }
    grille->addWidget(tarification, 2, 0);

    auto* resultat = new QGroupBox(this);
    auto* lignes = new QVBoxLayout(resultat);
    for (QLabel* l : {m_poids, m_francs, m_euros})
        lignes->addWidget(l);
    grille->addWidget(resultat, 2, 1);
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    grille->addWidget(fermer, 2, 2, Qt::AlignRight | Qt::AlignBottom);
    // The panel shows the result of the counts from the start, not a sample figure.
    Calcule();
}

void TPLettre::Calcule() {
    m_poids->setText(m_pese.textePoids());
    m_francs->setText(m_pese.texteFrancs());
    m_euros->setText(m_pese.texteEuros());
}
