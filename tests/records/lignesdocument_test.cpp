#include "records/lignesdocument.h"

#include "support/montage.h"
#include "support/texte.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using namespace zel;
namespace C = colonne;

using zel::test::s;

struct Montage : test::Montage {
    PageFactures& page = fenetre.factures();
    ModeleLignes& modele = page.modele();

    Montage() {
        charge({});
        fenetre.montre(Sorte::Factures);
        page.Creer();
    }
    bool ecrit(int rangee, int colonne, const char* texte) {
        return modele.setData(modele.index(rangee, colonne), s(texte));
    }
};

} // namespace

// What Qt's model tester reports; it reports by warnings outside a QtTest run.
static QStringList& rapports() {
    static QStringList r;
    return r;
}

static void recueille(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (type != QtDebugMsg && QLatin1String(contexte.category) == QLatin1String("qt.modeltest"))
        rapports().append(message);
}

TEST(ModeleLignes, PassesQtsModelTesterThroughEditsAndRecomputation) {
    Montage m;
    rapports().clear();
    const QtMessageHandler avant = qInstallMessageHandler(recueille);
    {
        QAbstractItemModelTester testeur(&m.modele,
                                         QAbstractItemModelTester::FailureReportingMode::Warning);
        EXPECT_EQ(m.modele.rowCount(), Document::kLignes);
        EXPECT_EQ(m.modele.columnCount(), 7);
        m.ecrit(0, C::Ref, "A1");
        m.ecrit(0, C::Quantite, "2");
        m.ecrit(0, C::Prix, "10");
        m.page.finDeLigne(1);
        m.page.SupLigne(1);
        m.page.Lit();
    }
    qInstallMessageHandler(avant);
    EXPECT_TRUE(rapports().isEmpty()) << rapports().join(u'\n').toStdString();
}

TEST(ModeleLignes, ACellChangesTheDocumentOnlyWhenItsTextChanges) {
    Montage m;
    QSignalSpy change(&m.modele, &QAbstractItemModel::dataChanged);
    ASSERT_FALSE(m.page.estModifie());

    const struct {
        const char* texte;
        bool accepte;
        bool modifie;
    } cas[] = {
        {"", true, false},       // the same empty text
        {"A1", true, true},      // a real change
        {"A1", true, false},     // typed again unchanged
        {"A\n1", false, false},  // a line break would split the block's line
        {"A\t1", false, false},  // a TAB would shift the cells after it
        {"A\x01", false, false}, // any other control character
    };
    for (const auto& c : cas) {
        m.jeu.setCarteModifiee(Sorte::Factures, false);
        change.clear();
        EXPECT_EQ(m.ecrit(0, C::Ref, c.texte), c.accepte) << c.texte;
        EXPECT_EQ(m.page.estModifie(), c.modifie) << c.texte;
        EXPECT_EQ(change.count(), c.modifie ? 1 : 0) << c.texte;
    }
    EXPECT_EQ(m.page.document().ligne(1)[C::Ref], s("A1"));
}

TEST(ModeleLignes, AValidatedDocumentsCellsAreReadOnly) {
    Montage m;
    // Validation posts to the client of the document's code.
    m.charge({test::bloc(0, 25, {{ligneClient::Code, s("10001")}})});
    m.fenetre.montre(Sorte::Factures);
    m.page.Creer();
    m.page.document().tiers = s("10001");
    m.ecrit(0, C::Ref, "A1");
    m.ecrit(0, C::Quantite, "1");
    m.page.finDeLigne(1);
    EXPECT_TRUE(m.modele.flags(m.modele.index(0, C::Ref)) & Qt::ItemIsEditable);
    m.page.Valider();
    ASSERT_TRUE(m.page.document().valide);
    EXPECT_FALSE(m.modele.flags(m.modele.index(0, C::Ref)) & Qt::ItemIsEditable);
    EXPECT_FALSE(m.ecrit(0, C::Ref, "B2"));
    EXPECT_EQ(m.page.document().ligne(1)[C::Ref], s("A1"));
}

TEST(ModeleLignes, RecomputationAndThePriceModeReachTheView) {
    Montage m;
    QSignalSpy cellules(&m.modele, &QAbstractItemModel::dataChanged);
    QSignalSpy titres(&m.modele, &QAbstractItemModel::headerDataChanged);
    m.ecrit(0, C::Quantite, "3");
    m.ecrit(0, C::Prix, "2");
    cellules.clear();
    m.page.finDeLigne(1);
    ASSERT_GE(cellules.count(), 1);
    EXPECT_EQ(m.modele.data(m.modele.index(0, C::Montant)).toString().trimmed(), s("6,00"));
    EXPECT_EQ(m.modele.headerData(C::Montant, Qt::Horizontal).toString(), s("Montant H.T."));
    m.page.document().ttc = true;
    titres.clear();
    m.modele.rafraichi();
    EXPECT_EQ(titres.count(), 1);
    EXPECT_EQ(m.modele.headerData(C::Montant, Qt::Horizontal).toString(), s("Montant TTC"));
}
