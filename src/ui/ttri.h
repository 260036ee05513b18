#pragma once

#include "records/dialogues.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QRadioButton;

namespace zel::ui {

// The sort dialog "Trier": the radio group "Trier par" with the choices of the clients and
// suppliers (`TTri`) or of the articles (`TTri4`), the first chosen, and "Anuler" and "OK".
class TTri : public QDialog {
    Q_OBJECT
public:
    TTri(DialogueTri sorte, QWidget* parent);

    // The choice made.
    int Result() const;
    QRadioButton* choix(int i) const { return m_choix[std::size_t(i)]; }
    QPushButton* ok() const { return m_ok; }
    QPushButton* annuler() const { return m_annuler; }

private:
    std::vector<QRadioButton*> m_choix;
    QPushButton* m_ok;
    QPushButton* m_annuler;
};

} // namespace zel::ui
