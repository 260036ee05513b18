#include "records/texte.h"

namespace zel {
namespace {

QChar majusculeAZ(QChar c) {
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - (u'a' - u'A')) : c;
}

} // namespace

QString majusculesAZ(QStringView texte) {
    QString r(texte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i)
        r[i] = majusculeAZ(texte[i]);
    return r;
}

bool commencePar(QStringView texte, QStringView cleMajuscule) {
    if (texte.size() < cleMajuscule.size())
        return false;
    for (qsizetype i = 0; i < cleMajuscule.size(); ++i) {
        if (majusculeAZ(texte[i]) != cleMajuscule[i])
            return false;
    }
    return true;
}

} // namespace zel
