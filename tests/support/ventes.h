#pragma once

#include "support/montage.h"

namespace zel::test {

// A line of a stored document: "Réf", designation, quantity, price, discount, VAT code.
QString ligneVente(const char* ref, const char* quantite, const char* prix, const char* remise = "",
                   const char* code = "1");

// A stored sales document: its number (after the kind letter), date text, client code, kind
// text, lines, name and price mode.
struct Doc {
    const char* numero;
    const char* date;
    const char* client;
    const char* genre;
    QStringList lignes;
    const char* nom = "";
    bool ttc = false;
};

// The invoice file of the documents, block 0 first.
QStringList factures(const std::vector<Doc>& docs);

// Block n of the client file: its code, representative and accounting account.
QStringList client(int n, const char* code, const char* representant, const char* compte = "");

// Block n of the article file: code, designation, family and sales and purchase accounts.
QStringList article(int n, const char* code, const char* designation, const char* famille,
                    const char* vente = "", const char* achat = "");

} // namespace zel::test
