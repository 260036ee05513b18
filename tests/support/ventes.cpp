#include "support/ventes.h"

#include "support/texte.h"

namespace zel::test {

QString ligneVente(const char* ref, const char* quantite, const char* prix, const char* remise,
                   const char* code) {
    return s("FACT%1\tArticle\t%2\t%3\t%4\t\t%5")
        .arg(s(ref), s(quantite), s(prix), s(remise), s(code));
}

QStringList factures(const std::vector<Doc>& docs) {
    namespace L = ligneFacture;
    QStringList lignes;
    for (int n = 0; n < int(docs.size()); ++n) {
        const Doc& d = docs[std::size_t(n)];
        lignes += bloc(n, 11,
                       {{L::Numero, s("NUM%1%2").arg(s(d.genre).left(1), s(d.numero))},
                        {L::Date, s(d.date)},
                        {L::Client, s(d.client)},
                        {L::Genre, s(d.genre)},
                        {L::Adresse1, s(d.nom)},
                        {L::Ttc, d.ttc ? s("TTCY") : s("TTCN")},
                        {L::Valide, s("N")}},
                       d.lignes);
    }
    return lignes;
}

QStringList client(int n, const char* code, const char* representant, const char* compte) {
    return bloc(n, 25,
                {{ligneClient::Code, s(code)},
                 {ligneClient::Representant, s(representant)},
                 {ligneClient::CompteClient, s(compte)}});
}

QStringList article(int n, const char* code, const char* designation, const char* famille,
                    const char* vente, const char* achat) {
    return bloc(n, 21,
                {{ligneArticle::Code, s(code)},
                 {ligneArticle::Designation, s(designation)},
                 {ligneArticle::Famille, s(famille)},
                 {ligneArticle::CompteVente, s(vente)},
                 {ligneArticle::CompteAchat, s(achat)}});
}

} // namespace zel::test
