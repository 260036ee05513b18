#pragma once

#include "reports/tableau.h"

namespace zel {

// The sales statistics, recomputed at each command from every invoice and credit note of the
// set (quotes are no sales). Groups match their key exactly; sums are numbers, written with
// the amount format, or as a plain number for quantities, only in the table.

using Statistique = Tableau (*)(const JeuDocuments&, const Reglages&, Dialogues&);

// Quantities sold per article code, with the article's designation and family; sorted by code,
// letter case ignored.
Tableau StatsArt(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues);
// Turnover before tax and including tax per month of the document date, in order of first
// appearance, with a bar chart of the turnover before tax in calendar order.
Tableau StatsVentes(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues);
// Turnover before tax per client code, with the name of the last document read; sorted by code,
// letter case ignored.
Tableau StatsCli(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues);
// Turnover before tax per representative of the document's client; a client without a card or
// without a representative counts nowhere. Sorted by name, letter case ignored.
Tableau StatsRepresentant(const JeuDocuments& jeu, const Reglages& reglages, Dialogues& dialogues);

// "Décembre 2026": the month in French, whatever the system's language.
QString moisEnLettres(const QDate& date);
// "déc. 2026": the month shortened as French writes it, for the chart's labels.
QString moisAbrege(const QDate& date);

} // namespace zel
