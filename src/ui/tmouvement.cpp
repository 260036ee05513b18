#include "ui/tmouvement.h"
#include "ui/taide.h"

#include "stock/mouvementstock.h"
#include "ui/dialogueslistes.h"
#include "ui/touches.h"

#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zel::ui {

namespace {

const QString kQuantite = QStringLiteral("Quantité");
const QString kPrix = QStringLiteral("Prix unit. H.T.");
constexpr int kLargeurSaisie = 75;

} // namespace

TMouvement::TMouvement(MouvementStock sorte, Dialogues& dialogues, QWidget* parent)
    : QDialog(parent), m_dialogues(dialogues), m_mesure(font()), m_code(new QLineEdit(this)),
      m_designation(new QLineEdit(this)), m_quantite(new QLineEdit(this)) {
    const bool entree = sorte == MouvementStock::Entree;
    setWindowTitle(entree ? QStringLiteral("Entrée de stock") : QStringLiteral("Sortie de stock"));
    metSujet(this, Sujet::Articles);
    auto* forme = new QFormLayout;
    for (QLineEdit* e : {m_code, m_designation}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    m_designation->setMinimumWidth(250);
    forme->addRow(QStringLiteral("Code article"), m_code);
    forme->addRow(QStringLiteral("Désignation"), m_designation);
    forme->addRow(kQuantite, m_quantite);
    if (entree) {
        m_prix = new QLineEdit(this);
        forme->addRow(kPrix, m_prix);
    }
    for (QLineEdit* e : {m_quantite, m_prix}) {
        if (!e)
            continue;
        e->setFixedWidth(kLargeurSaisie);
        e->installEventFilter(this);
        connect(e, &QLineEdit::returnPressed, this, &QDialog::accept);
    }
    auto* disposition = new QVBoxLayout(this);
    disposition->addLayout(forme);
    disposition->addWidget(boutonsAnnulerOk(this));
    m_quantite->setFocus();
}

void TMouvement::Init(const QString& code, const QString& designation,
                      const SaisieMouvement& initial) {
    m_code->setText(code);
    m_designation->setText(designation);
    m_quantite->setText(initial.quantite);
    if (m_prix)
        m_prix->setText(initial.prixUnitaire);
}

SaisieMouvement TMouvement::Result() const {
    return {m_quantite->text(), m_prix ? m_prix->text() : QString()};
}

void TMouvement::quitte(QLineEdit* champ) {
    QString texte;
    const Resultat r = reformateSaisieMouvement(champ->text(), champ == m_prix ? kPrix : kQuantite,
                                                m_mesure, texte);
    if (!r) {
        m_dialogues.message(r.message());
        return;
    }
    champ->setText(texte);
}

bool TMouvement::eventFilter(QObject* cible, QEvent* evenement) {
    auto* champ = qobject_cast<QLineEdit*>(cible);
    if (!champ || (champ != m_quantite && champ != m_prix))
        return QDialog::eventFilter(cible, evenement);
    if (evenement->type() == QEvent::FocusOut) {
        // The window losing the focus (a message shown over it) is not leaving the field.
        if (static_cast<QFocusEvent*>(evenement)->reason() != Qt::ActiveWindowFocusReason)
            quitte(champ);
        return false;
    }
    return filtreTouche(champ, evenement, &toucheNombre);
}

} // namespace zel::ui
