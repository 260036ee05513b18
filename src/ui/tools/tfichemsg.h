#pragma once

#include "tools/messages.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zel {
class Dialogues;
}

// "Messages": the telephone and visit messages of the document set, one shown at a time, read
// from the ".oms" file beside the client file when the window opens and written when it closes.
// A set open read-only (another instance of the program has it) gives a read-only pad; a pad
// that cannot be written stays open with what was typed until the user chooses to close it.
class TFicheMsg : public QDialog {
    Q_OBJECT
public:
    TFicheMsg(QWidget* parent, zel::Dialogues& dialogues, const QString& nomClients,
              bool lectureSeule = false);

    QLineEdit* champ(zel::outils::Message::Champ c) const { return m_champs[c]; }
    QCheckBox* drapeau(int i) const { return m_drapeaux[std::size_t(i)]; }
    QPushButton* bouton(const QString& texte) const;
    QLabel* numero() const { return m_numero; }

    void done(int r) override;
    bool eventFilter(QObject* cible, QEvent* e) override;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void LitFiche();
    // Nothing can be typed, added or deleted in a read-only pad.
    void enLectureSeule();
    void agit(void (zel::outils::BlocMessages::*operation)());

    zel::Dialogues& m_dialogues;
    QString m_nomClients;
    zel::outils::BlocMessages m_bloc;
    std::array<QLineEdit*, zel::outils::Message::kChamps> m_champs{};
    std::array<QCheckBox*, zel::outils::Message::kDrapeaux> m_drapeaux{};
    QLabel* m_numero;
    bool m_lecture = false;
};
