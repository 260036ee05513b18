#pragma once

#include "ui/filtrecp1252.h"

#include <QApplication>
#include <QStringList>

namespace zel::test {

// The program's guard of the fields, installed as the program installs it for the life of a
// test, with the refusals it told.
struct FiltreInstalle {
    ui::FiltreCp1252 filtre;
    QStringList refus;

    FiltreInstalle() {
        qApp->installEventFilter(&filtre);
        QObject::connect(&filtre, &ui::FiltreCp1252::refuse, &filtre,
                         [this](const QString& m) { refus.append(m); });
    }
    ~FiltreInstalle() { qApp->removeEventFilter(&filtre); }
    FiltreInstalle(const FiltreInstalle&) = delete;
    FiltreInstalle& operator=(const FiltreInstalle&) = delete;
};

} // namespace zel::test
