#include "records/texte.h"

#include "store/blocs.h"
#include "store/codepage.h"

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

bool memeCode(QStringView a, QStringView b) {
    a = a.trimmed();
    b = b.trimmed();
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (majusculeAZ(a[i]) != majusculeAZ(b[i]))
            return false;
    }
    return true;
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

std::optional<QString> refusChamp(QStringView texte) {
    if (const std::optional<QChar> c = cp1252::premierNonRepresentable(texte))
        return QStringLiteral("Caractère refusé : « %1 »").arg(*c);
    for (const QChar c : texte) {
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("Un champ tient sur une seule ligne : retours à la ligne, "
                                  "tabulations et caractères de contrôle refusés");
    }
    if (Blocs::commeUneBalise(texte))
        return QStringLiteral("Un champ ne peut pas commencer par « <BLOC » ni « </BLOC »");
    return std::nullopt;
}

} // namespace zel
