#include "ui/tparamf.h"
#include "ui/taide.h"

#include "ui/dialogueslistes.h"
#include "ui/touches.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zel::ui {

TParamf::TParamf(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Paramètres de la facture"));
    metSujet(this, Sujet::Parametres);
    auto* disposition = new QVBoxLayout(this);

    auto* haut = new QFormLayout;
    m_tauxEuro = nombre();
    haut->addRow(QStringLiteral("Taux de l'euro"), m_tauxEuro);
    disposition->addLayout(haut);

    auto* groupeTva = new QGroupBox(QStringLiteral("Taux de TVA"), this);
    auto* tva = new QFormLayout(groupeTva);
    for (std::size_t i = 0; i < m_tauxTva.size(); ++i) {
        m_tauxTva[i] = nombre();
        tva->addRow(QStringLiteral("Taux %1").arg(i + 1), m_tauxTva[i]);
    }
    disposition->addWidget(groupeTva);

    auto* milieu = new QFormLayout;
    m_decimales = new QSpinBox(this);
    m_decimales->setRange(0, 9);
    m_decimales->setMaximumWidth(60);
    milieu->addRow(QStringLiteral("Décimales"), m_decimales);
    disposition->addLayout(milieu);

    auto* groupeDevise = new QGroupBox(QStringLiteral("Devise"), this);
    auto* devise = new QHBoxLayout(groupeDevise);
    m_devise = new QButtonGroup(this);
    const QString noms[] = {QStringLiteral("Franc"), QStringLiteral("Euro"),
                            QStringLiteral("Autre")};
    for (int i = 0; i < 3; ++i) {
        auto* bouton = new QRadioButton(noms[i], groupeDevise);
        m_devise->addButton(bouton, i);
        devise->addWidget(bouton);
    }
    auto* libelleNom = new QLabel(QStringLiteral("Devise"), groupeDevise);
    m_nomDevise = new QLineEdit(groupeDevise);
    m_nomDevise->setMaximumWidth(120);
    libelleNom->setBuddy(m_nomDevise);
    devise->addSpacing(12);
    devise->addWidget(libelleNom);
    devise->addWidget(m_nomDevise);
    connect(m_devise, &QButtonGroup::idClicked, this, &TParamf::choisitDevise);
    disposition->addWidget(groupeDevise);

    auto* groupeConditions = new QGroupBox(QStringLiteral("Conditions de paiement"), this);
    auto* conditions = new QVBoxLayout(groupeConditions);
    for (QLineEdit*& c : m_conditions) {
        c = new QLineEdit(groupeConditions);
        c->setMinimumWidth(300);
        conditions->addWidget(c);
    }
    disposition->addWidget(groupeConditions);

    m_electroniques = new QCheckBox(QStringLiteral("Factures électroniques (EN 16931)"), this);
    m_electroniques->setToolTip(QStringLiteral(
        "Chaque document se calcule comme une facture électronique : montants des lignes "
        "arrondis au centime, TVA par taux ; nécessaire pour « Enregistrer en Factur-X »."));
    disposition->addWidget(m_electroniques);

    disposition->addWidget(boutonsAnnulerOk(this));
    choisitDevise(0);
}

QLineEdit* TParamf::nombre() {
    auto* champ = new QLineEdit(this);
    champ->setMaximumWidth(100);
    champ->setAlignment(Qt::AlignRight);
    champ->installEventFilter(this);
    return champ;
}

void TParamf::choisitDevise(int devise) {
    m_devise->button(devise)->setChecked(true);
    m_nomDevise->setEnabled(devise == 2);
}

void TParamf::Init(const SaisieParametres& saisie) {
    m_tauxEuro->setText(saisie.tauxEuro);
    for (std::size_t i = 0; i < m_tauxTva.size(); ++i)
        m_tauxTva[i]->setText(saisie.tauxTva[i]);
    m_decimales->setValue(saisie.decimales);
    for (std::size_t i = 0; i < m_conditions.size(); ++i)
        m_conditions[i]->setText(saisie.conditions[i]);
    m_nomDevise->setText(saisie.nomDevise);
    choisitDevise(saisie.devise);
    m_electroniques->setChecked(saisie.facturesElectroniques);
}

SaisieParametres TParamf::Result() const {
    SaisieParametres s;
    s.tauxEuro = m_tauxEuro->text();
    for (std::size_t i = 0; i < m_tauxTva.size(); ++i)
        s.tauxTva[i] = m_tauxTva[i]->text();
    s.decimales = m_decimales->value();
    for (std::size_t i = 0; i < m_conditions.size(); ++i)
        s.conditions[i] = m_conditions[i]->text();
    s.devise = m_devise->checkedId();
    s.nomDevise = m_nomDevise->text();
    s.facturesElectroniques = m_electroniques->isChecked();
    return s;
}

bool TParamf::eventFilter(QObject* cible, QEvent* evenement) {
    if (auto* champ = qobject_cast<QLineEdit*>(cible))
        return filtreTouche(champ, evenement, toucheNombre);
    return QDialog::eventFilter(cible, evenement);
}

} // namespace zel::ui
