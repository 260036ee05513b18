#include "tools/decimal.h"

#include <cmath>

namespace zel::outils {

std::optional<double> litDecimal(const QString& texte) {
    QString t = texte;
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString decimalCourt(double valeur, int decimales) {
    QString t = QString::number(valeur, 'f', decimales);
    if (t.contains(u'.')) {
        while (t.endsWith(u'0'))
            t.chop(1);
        if (t.endsWith(u'.'))
            t.chop(1);
    }
    if (t == u"-0")
        t = QStringLiteral("0");
    return t.replace(u'.', u',');
}

} // namespace zel::outils
