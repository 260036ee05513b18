#pragma once

#include <QDate>
#include <QString>

namespace zel::outils {

// The calendar window's date, its month paging and its title "mmmmm  yyyy".
class Calendrier {
public:
    explicit Calendrier(QDate date) : m_date(date) {}

    void choisit(QDate date) { m_date = date; }
    void moisPrecedent() { m_date = m_date.addMonths(-1); }
    void moisSuivant() { m_date = m_date.addMonths(1); }

    QDate date() const { return m_date; }
    // The month's French name, two spaces and the year: "décembre  2026".
    QString titre() const;

private:
    QDate m_date;
};

} // namespace zel::outils
