#pragma once

#include "records/cadre.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace zel::ui {

// "Mise en page": the envelope orientation and the guide on the right. "Annuler" and Escape
// change nothing.
class TMPage : public QDialog {
    Q_OBJECT
public:
    explicit TMPage(QWidget* parent = nullptr);
    void Init(const MiseEnPage& m);
    MiseEnPage Result() const;

    QRadioButton* paysage() const { return m_paysage; }
    QCheckBox* guide() const { return m_guide; }

private:
    QRadioButton* m_portrait;
    QRadioButton* m_paysage;
    QCheckBox* m_guide;
};

} // namespace zel::ui
