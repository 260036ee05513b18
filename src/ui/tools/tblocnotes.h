#pragma once

#include "tools/blocnotes.h"

#include <QDialog>

#include <functional>

class QPlainTextEdit;

// "Bloc-notes": the shared note, read when the window opens and written when it closes, only
// when it was changed.
class TBlocnotes : public QDialog {
    Q_OBJECT
public:
    TBlocnotes(QWidget* parent, const QString& dossierProgramme);

    // Where a failed read or write is told; tests put a recorder here.
    std::function<void(const QString&)> avertit;

    void done(int r) override;

private:
    zel::outils::BlocNotes m_note;
    QString m_dossier;
    QPlainTextEdit* m_texte;
};
