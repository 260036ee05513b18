#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace zel {

// Upper case for the letters a to z only: accented letters are compared as they are written.
QString majusculesAZ(QStringView texte);

// Whether two codes are the same as the user means them: blanks around ignored, the letters a to
// z in any case. Nothing is allocated: it runs over whole stores.
bool memeCode(QStringView a, QStringView b);

// Whether the text, upper-cased as above, begins with the key (already upper-cased).
bool commencePar(QStringView texte, QStringView cleMajuscule);

// Why a text typed, pasted or imported cannot stand as one field of a record, or nothing when it
// can: a character the files cannot hold, a line break, a TAB or another control character (each
// field is one line, and some lines are cells joined by TABs), or a beginning that the next load
// would take for a block tag.
std::optional<QString> refusChamp(QStringView texte);

} // namespace zel
