#include "ui/ttri.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zel::ui {

TTri::TTri(DialogueTri sorte, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Trier"));
    auto* groupe = new QGroupBox(QStringLiteral("Trier par"), this);
    auto* colonne = new QVBoxLayout(groupe);
    for (const QString& texte : choixTri(sorte)) {
        m_choix.push_back(new QRadioButton(texte, groupe));
        colonne->addWidget(m_choix.back());
    }
    m_choix.front()->setChecked(true);
    auto* boutons = new QDialogButtonBox(this);
    m_annuler = boutons->addButton(QStringLiteral("Anuler"), QDialogButtonBox::RejectRole);
    m_ok = boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(groupe);
    disposition->addWidget(boutons);
    m_choix.front()->setFocus();
}

int TTri::Result() const {
    const auto coche = std::find_if(m_choix.begin(), m_choix.end(),
                                    [](const QRadioButton* b) { return b->isChecked(); });
    return int(coche - m_choix.begin());
}

} // namespace zel::ui
