#include "ui/tsociete.h"
#include "ui/taide.h"

#include "ui/dialogueslistes.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zel::ui {

TSociete::TSociete(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Société"));
    metSujet(this, Sujet::Parametres);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(
        new QLabel(QStringLiteral("Lignes constituant l'en-tête de la société")));
    for (QLineEdit*& champ : m_champs) {
        champ = new QLineEdit(this);
        champ->setMinimumWidth(360);
        disposition->addWidget(champ);
    }
    disposition->addWidget(boutonsAnnulerOk(this));
}

void TSociete::Init(const EnteteSociete& entete) {
    for (int i = 0; i < kLignesEntete; ++i)
        m_champs[i]->setText(entete[i]);
}

EnteteSociete TSociete::Result() const {
    EnteteSociete champs;
    for (int i = 0; i < kLignesEntete; ++i)
        champs[i] = m_champs[i]->text();
    return champs;
}

} // namespace zel::ui
