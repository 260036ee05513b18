#pragma once

#include <QString>
#include <QStringView>

namespace zel {

// Upper case for the letters a to z only: accented letters are compared as they are written.
QString majusculesAZ(QStringView texte);

// Whether the text, upper-cased as above, begins with the key (already upper-cased).
bool commencePar(QStringView texte, QStringView cleMajuscule);

} // namespace zel
