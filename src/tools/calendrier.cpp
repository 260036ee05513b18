#include "tools/calendrier.h"

#include <QLocale>

namespace zel::outils {

QString Calendrier::titre() const {
    return QLocale(QLocale::French, QLocale::France).monthName(m_date.month()) +
           QStringLiteral("  ") + QString::number(m_date.year());
}

} // namespace zel::outils
