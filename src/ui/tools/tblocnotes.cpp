#include "ui/tools/tblocnotes.h"
#include "ui/taide.h"

#include "records/dialogues.h"
#include "ui/impression.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBlocnotes::TBlocnotes(QWidget* parent, zel::Dialogues& dialogues, zel::ui::Impression& impression,
                       const QString& dossierProgramme)
    : QDialog(parent), m_dialogues(dialogues), m_dossier(dossierProgramme),
      m_texte(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Bloc-notes"));
    zel::ui::metSujet(this, zel::Sujet::Utilitaires);
    if (const zel::Resultat r = m_note.Charge(m_dossier); !r)
        m_dialogues.message(r.message());
    m_texte->setPlainText(m_note.lignes().join(u'\n'));
    connect(m_texte, &QPlainTextEdit::textChanged, this,
            [this] { m_note.setLignes(m_texte->toPlainText().split(u'\n')); });
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    auto* imprimer = new QPushButton(QStringLiteral("Imprimer"), this);
    imprimer->setToolTip(QStringLiteral("Imprimer"));
    imprimer->setAutoDefault(false);
    connect(imprimer, &QPushButton::clicked, this, [this, &impression] {
        impression.apercu(this, QStringLiteral("Bloc-notes"), [this](zel::Canevas& c) {
            m_note.imprime(c, m_texte->font().family(), m_texte->font().pointSize());
        });
    });
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(imprimer);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(m_texte);
    colonne->addLayout(boutons);
    resize(480, 360);
}

void TBlocnotes::done(int r) {
    if (const zel::Resultat s = m_note.Sauve(m_dossier);
        !s && !m_dialogues.okAnnuler(s.message() +
                                     QStringLiteral("\n\nFermer sans enregistrer la note ?")))
        return;
    QDialog::done(r);
}
