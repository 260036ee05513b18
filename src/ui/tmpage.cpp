#include "ui/tmpage.h"
#include "ui/taide.h"

#include "ui/dialogueslistes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel::ui {

TMPage::TMPage(QWidget* parent)
    : QDialog(parent), m_portrait(new QRadioButton(QStringLiteral("Portrait"), this)),
      m_paysage(new QRadioButton(QStringLiteral("Paysage"), this)),
      m_guide(new QCheckBox(QStringLiteral("Guide enveloppe à droite"), this)) {
    setWindowTitle(QStringLiteral("Mise en page"));
    metSujet(this, Sujet::Parametres);
    auto* orientation = new QGroupBox(QStringLiteral("Orientation enveloppe"), this);
    auto* choix = new QVBoxLayout(orientation);
    choix->addWidget(m_portrait);
    choix->addWidget(m_paysage);
    m_portrait->setChecked(true);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(orientation);
    disposition->addWidget(m_guide);
    disposition->addWidget(boutonsAnnulerOk(this));
    setFixedSize(sizeHint());
}

void TMPage::Init(const MiseEnPage& m) {
    (m.orientation == 1 ? m_paysage : m_portrait)->setChecked(true);
    m_guide->setChecked(m.guide);
}

MiseEnPage TMPage::Result() const {
    return {m_paysage->isChecked() ? 1 : 0, m_guide->isChecked()};
}

} // namespace zel::ui
