#pragma once

#include "clients/pageclients.h"
#include "records/canevas.h"

#include <array>
#include <optional>
#include <vector>

namespace zel {

// The client card on paper, as the page shows it.
void ImpFicheClient(Canevas& canevas, const Carte& carte);

// The client list: name, addresses, postal code, town, telephone and fax of each client of the
// range, in landscape, every client whatever its marks.
void ImpCli(Canevas& canevas, const Blocs& clients, const std::vector<int>& blocs);

// The four lines an envelope is addressed with.
using Destinataire = std::array<QString, 4>;
// A client's: its name, its two address lines, and its postal code and town on one line.
Destinataire destinataireClient(const QStringList& contenu);

// "Insérez une enveloppe dans l'imprimante": OK prints the envelope, "Annuler" nothing.
bool enveloppeInseree(Dialogues& dialogues);

// One envelope, in the orientation of the envelope settings and lowered by their guide: the
// sender (the first four lines of the company header) and the recipient.
void ImpEnv(Canevas& canevas, const EnteteSociete& entete, const Destinataire& destinataire,
            const ValeursIni& ini);

// The clients of the envelope run: the range asked in the print dialog; a range without a
// client is told, and nothing is printed.
std::optional<std::vector<int>> plageEnveloppes(PageClients& page, const JeuDocuments& jeu,
                                                Dialogues& dialogues);

// One envelope per client of the range, in landscape, whatever the client's marks; each
// envelope but the first on a new page, so that no blank envelope comes out of the printer.
void Enveloppes(Canevas& canevas, const Blocs& clients, const std::vector<int>& blocs,
                const EnteteSociete& entete, int decalage);

} // namespace zel
