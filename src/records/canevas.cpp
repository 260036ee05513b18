#include "records/canevas.h"

#include <algorithm>

namespace zel {

namespace {
bool controle(QChar c) {
    return c.category() == QChar::Other_Control;
}
} // namespace

QString imprimable(const QString& texte) {
    // Most texts hold none: they are handed on unshared.
    if (std::none_of(texte.cbegin(), texte.cend(), controle))
        return texte;
    QString t = texte;
    std::replace_if(t.begin(), t.end(), controle, QChar(u'?'));
    return t;
}

} // namespace zel
