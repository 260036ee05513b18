#include "records/copiedocument.h"

namespace zel {
namespace {

enum Case { Lignes, Date, Client, Conditions, Genre, Adresse, Ttc = Adresse + 4, Cellules };

const QString kFormatDate = QStringLiteral("dd/MM/yyyy");

} // namespace

QStringList CopieDocument::copie() {
    const Document& d = m_page.document();
    const int utilisees = std::clamp(d.lignesUtilisees, 0, Document::kLignes);
    QStringList cases{QString::number(utilisees), d.date.toString(kFormatDate), d.tiers,
                      d.conditions, d.genre};
    cases.append(QStringList(d.adresse.begin(), d.adresse.end()));
    cases.append(d.ttc ? QStringLiteral("Y") : QStringLiteral("N"));
    for (int r = 0; r < utilisees; ++r)
        cases.append(QStringList(d.lignes[std::size_t(r)].begin(), d.lignes[std::size_t(r)].end()));
    return cases;
}

void CopieDocument::colle(const QStringList& cases) {
    Document& d = m_page.document();
    if (d.valide) {
        m_dialogues.message(
            QStringLiteral("Ce document est validé : il ne peut plus être modifié."));
        return;
    }
    const QDate date = QDate::fromString(cases.value(Date), kFormatDate);
    if (cases.size() < Cellules || !date.isValid()) {
        m_dialogues.message(QStringLiteral("Date invalide : rien n'a été collé."));
        return;
    }
    const int lignes = std::clamp(cases[Lignes].toInt(), 0, int((cases.size() - Cellules) / 7));
    d.date = date;
    d.tiers = cases[Client];
    d.conditions = cases[Conditions];
    if (m_page.disposition().genres.contains(cases[Genre]))
        d.genre = cases[Genre];
    for (int i = 0; i < 4; ++i)
        d.adresse[std::size_t(i)] = cases[Adresse + i];
    d.ttc = cases[Ttc] == u"Y";
    for (int r = 0; r < Document::kLignes; ++r) {
        LigneDocument& l = d.lignes[std::size_t(r)];
        for (int c = 0; c < int(l.size()); ++c)
            l[std::size_t(c)] = r < lignes ? cases[Cellules + r * 7 + c] : QString();
    }
    d.lignesUtilisees = lignes;
    m_page.marque();
    m_page.Calcule();
}

} // namespace zel
