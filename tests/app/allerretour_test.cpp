// Export, import into an empty set, export again: the same bytes, and every field of every
// record back in its block, for every kind that is exported, as text and as a spreadsheet.
#include "clients/echangesclients.h"
#include "sales/echangesfactures.h"
#include "stock/echangesstock.h"
#include "store/codepage.h"
#include "support/montage.h"
#include "support/texte.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace zel;
using zel::test::s;

// Any text a field may hold: characters of the files' code page but control characters, never
// beginning like a block tag; often one of the texts that trouble a table or a spreadsheet.
class Hasard {
public:
    explicit Hasard(unsigned graine) : m_moteur(graine) {}

    int entre(int mini, int maxi) { return std::uniform_int_distribution(mini, maxi)(m_moteur); }

    QString texte() {
        static const QStringList difficiles = {
            s("=HYPERLINK(\"http://x\";\"ici\")"),
            s("+33 1 23 45 67 89"),
            s("-3,50"),
            s("   12,50"),
            s("12,50"),
            s("0102030405"),
            s("@SUM(A1)"),
            s("'apostrophe"),
            s("''=deux"),
            s("a;b,c\"d\"e"),
            s(" blancs autour "),
            s("€ œ Œ Ÿ ‰ … – —"),
            s("\"\""),
            s("N"),
            s("Y"),
        };
        if (entre(0, 3) == 0)
            return difficiles[entre(0, int(difficiles.size()) - 1)];
        QString t;
        for (int n = entre(0, 12); n > 0; --n) {
            for (;;) {
                const char16_t c =
                    cp1252::versUnicode(static_cast<unsigned char>(entre(0x20, 0xFF)));
                if (QChar(c).category() != QChar::Other_Control) {
                    t.append(QChar(c));
                    break;
                }
            }
        }
        return Blocs::commeUneBalise(t) ? u'x' + t : t;
    }

    // Lines of notes: empty ones among them, but not the last.
    QStringList notes(const QString& prefixe) {
        QStringList l;
        for (int n = entre(0, 4); n > 0; --n)
            l.append(prefixe + (entre(0, 4) == 0 ? QString() : texte()));
        if (!l.isEmpty() && l.last() == prefixe)
            l.last() += u'z';
        return l;
    }

    // Rows of cells, the last with a cell filled.
    QStringList rangees(const QString& prefixe, int cellules) {
        QStringList l;
        for (int n = entre(0, 5); n > 0; --n) {
            QStringList c;
            for (int i = 0; i < cellules; ++i)
                c.append(texte());
            l.append(prefixe + c.join(u'\t'));
        }
        if (!l.isEmpty() && l.last().size() == prefixe.size() + cellules - 1)
            l.last() += u'z';
        return l;
    }

private:
    std::mt19937 m_moteur;
};

QStringList genereCartes(Hasard& h, int fixes, const QStringList& memos, int nombre) {
    QStringList store;
    for (int n = 0; n < nombre; ++n) {
        QStringList contenu;
        // Codes are the program's: one per record.
        contenu.append(h.texte() + s(" #%1").arg(n));
        for (int l = 2; l <= fixes; ++l)
            contenu.append(h.texte());
        for (const QString& m : memos)
            contenu += h.notes(m);
        contenu += h.rangees(s("DATA"), 3);
        store += Blocs::encadre(n, contenu);
    }
    return store;
}

QStringList genereFactures(Hasard& h, int nombre) {
    QStringList store;
    for (int n = 0; n < nombre; ++n) {
        QStringList contenu{s("NUM") + QChar(u"FDA"[h.entre(0, 2)]) +
                            QString::number(202600000 + n)};
        for (int l = 2; l <= 9; ++l)
            contenu.append(h.texte());
        contenu.append(s("TTC") + h.texte());
        contenu.append(h.texte());
        contenu += h.rangees(s("FACT"), 7);
        contenu += h.notes(s("MEMO"));
        store += Blocs::encadre(n, contenu);
    }
    return store;
}

// What the spreadsheet keeps of a block: an amount written as a number loses its alignment
// blanks.
QStringList commeLeTableur(QStringList contenu, const EchangeSorte& e) {
    const auto nombre = [](const QString& t) { return nombreTableur(t.trimmed()); };
    for (const ChampTable& c : e.table.champs) {
        QString& l = contenu[c.ligne - 1];
        if (c.nombre && nombre(l))
            l = l.trimmed();
    }
    for (qsizetype i = e.table.lignesFixes; i < contenu.size(); ++i) {
        for (const PartieTable& p : e.table.parties) {
            if (!contenu[i].startsWith(p.prefixe))
                continue;
            QStringList cellules = contenu[i].mid(p.prefixe.size()).split(u'\t');
            for (int k : p.nombres) {
                if (nombre(cellules[k]))
                    cellules[k] = cellules[k].trimmed();
            }
            contenu[i] = p.prefixe + cellules.join(u'\t');
            break;
        }
    }
    return contenu;
}

struct Cas {
    const char* quoi;
    Sorte sorte;
    const EchangeSorte& echange;
};

} // namespace

TEST(AllerRetour, ExportImportIntoAnEmptySetExportGivesTheSameBytesAndEveryField) {
    const Cas cas[] = {
        {"clients", Sorte::Clients, echangeClients()},
        {"suppliers", Sorte::Fournisseurs, echangeFournisseurs()},
        {"articles", Sorte::Articles, echangeArticles()},
        {"invoices", Sorte::Factures, echangeFactures()},
    };
    for (const char* extension : {"txt", "csv"}) {
        for (unsigned graine = 1; graine <= 3; ++graine) {
            Hasard h(graine);
            const int nombre = 40;
            const QStringList clients = genereCartes(h, 25, {s("MEMO")}, nombre);
            const QStringList fournisseurs = genereCartes(h, 24, {s("MEMO")}, nombre);
            const QStringList articles = genereCartes(h, 21, {s("MEMO"), s("MOBS")}, nombre);
            const QStringList factures = genereFactures(h, nombre);
            test::Montage a;
            a.charge(clients, fournisseurs, articles, factures);
            for (const Cas& c : cas) {
                SCOPED_TRACE(std::string(c.quoi) + " " + extension + " " + std::to_string(graine));
                const QString premier = s("a-%1.%2").arg(s(c.quoi), s(extension));
                const QString second = s("b-%1.%2").arg(s(c.quoi), s(extension));
                ASSERT_TRUE(a.fenetre.montre(c.sorte));
                a.dialogues.fichiers = {a.dossier.chemin(premier)};
                ASSERT_TRUE(a.fenetre.execute(Operation::Exporter));

                test::Montage b;
                b.charge({});
                ASSERT_TRUE(b.fenetre.montre(c.sorte));
                b.dialogues.fichiers = {a.dossier.chemin(premier)};
                ASSERT_TRUE(b.fenetre.execute(Operation::Importer));
                EXPECT_EQ(
                    b.dialogues.vus.filter(s("message: ")),
                    QStringList{s("message: %1 %2 importées.").arg(nombre).arg(c.echange.pluriel)});
                b.dialogues.fichiers = {b.dossier.chemin(second)};
                ASSERT_TRUE(b.fenetre.execute(Operation::Exporter));
                const QByteArray exporte = a.dossier.lit(premier);
                // Compared line by line, byte for byte (Latin-1 gives every byte a character).
                const auto lignes = [](const QByteArray& octets) {
                    return QString::fromLatin1(octets).split(s("\r\n"));
                };
                ASSERT_EQ(lignes(b.dossier.lit(second)), lignes(exporte));
                EXPECT_EQ(exporte.count('\n'), nombre + 1);

                ASSERT_EQ(b.jeu.compte(c.sorte), nombre);
                const bool tableur = QLatin1String(extension) == u"csv";
                for (int n = 0; n < nombre; ++n) {
                    const QStringList avant = a.jeu.store(c.sorte).contenuBloc(n);
                    EXPECT_EQ(b.jeu.store(c.sorte).contenuBloc(n),
                              tableur ? commeLeTableur(avant, c.echange) : avant)
                        << "record " << n;
                }
            }
        }
    }
}
