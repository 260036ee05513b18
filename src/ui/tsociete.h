#pragma once

#include "records/reglages.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace zel::ui {

// "Société": the seven lines of the company header.
class TSociete : public QDialog {
    Q_OBJECT
public:
    explicit TSociete(QWidget* parent = nullptr);
    void Init(const EnteteSociete& entete);
    EnteteSociete Result() const;

private:
    std::array<QLineEdit*, kLignesEntete> m_champs;
};

} // namespace zel::ui
