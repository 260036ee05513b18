#pragma once

#include "tools/blocnotes.h"

#include <QDialog>

class QPlainTextEdit;

namespace zel {
class Dialogues;
}

namespace zel::ui {
class Impression;
}

// "Bloc-notes": the shared note, read when the window opens and written when it closes, only
// when it was changed; a note that cannot be written stays on screen until the user gives it up.
// It prints through the program's one print path.
class TBlocnotes : public QDialog {
    Q_OBJECT
public:
    TBlocnotes(QWidget* parent, zel::Dialogues& dialogues, zel::ui::Impression& impression,
               const QString& dossierProgramme);

    void done(int r) override;

private:
    zel::Dialogues& m_dialogues;
    zel::outils::BlocNotes m_note;
    QString m_dossier;
    QPlainTextEdit* m_texte;
};
