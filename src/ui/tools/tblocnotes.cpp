#include "ui/tools/tblocnotes.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBlocnotes::TBlocnotes(QWidget* parent, const QString& dossierProgramme)
    : QDialog(parent), m_dossier(dossierProgramme), m_texte(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("Bloc-notes"));
    avertit = [this](const QString& texte) {
        QMessageBox::warning(this, QStringLiteral("Bloc-notes"), texte);
    };
    if (const zel::Resultat r = m_note.Charge(m_dossier); !r)
        avertit(r.message());
    m_texte->setPlainText(m_note.lignes().join(u'\n'));
    connect(m_texte, &QPlainTextEdit::textChanged, this,
            [this] { m_note.setLignes(m_texte->toPlainText().split(u'\n')); });
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setAutoDefault(false);
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(m_texte);
    colonne->addLayout(boutons);
    resize(480, 360);
}

void TBlocnotes::done(int r) {
    if (const zel::Resultat s = m_note.Sauve(m_dossier); !s)
        avertit(s.message());
    QDialog::done(r);
}
