// The folders of src/ form layers that only look down: store < records < the record kinds,
// reports and tools < app < ui. This reads every include of the sources and checks that none
// climbs a layer and that the folders of one layer never include each other in a circle.

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

namespace {

const QHash<QString, int>& couches() {
    static const QHash<QString, int> c = {
        {QStringLiteral("store"), 0},   {QStringLiteral("records"), 1},
        {QStringLiteral("clients"), 2}, {QStringLiteral("stock"), 2},
        {QStringLiteral("sales"), 2},   {QStringLiteral("purchasing"), 2},
        {QStringLiteral("reports"), 2}, {QStringLiteral("tools"), 2},
        {QStringLiteral("app"), 3},     {QStringLiteral("ui"), 4},
    };
    return c;
}

struct Inclusion {
    QString fichier;
    QString de;
    QString vers;
};

std::vector<Inclusion> inclusions() {
    const QString racine = QStringLiteral(ZEL_SOURCES);
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s+"([a-z]+)/)"),
                                            QRegularExpression::MultilineOption);
    std::vector<Inclusion> liste;
    QDirIterator it(racine, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        const QString relatif = chemin.mid(racine.size() + 1);
        if (!relatif.contains(u'/'))
            continue; // main.cpp sits above every layer
        QFile f(chemin);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString texte = QString::fromUtf8(f.readAll());
        const QString de = relatif.section(u'/', 0, 0);
        auto m = include.globalMatch(texte);
        while (m.hasNext())
            liste.push_back({relatif, de, m.next().captured(1)});
    }
    return liste;
}

} // namespace

TEST(Couches, EveryFolderHasALayerAndNoIncludeClimbs) {
    const std::vector<Inclusion> liste = inclusions();
    ASSERT_GT(liste.size(), 50U) << "the sources were not found under " << ZEL_SOURCES;
    for (const Inclusion& i : liste) {
        ASSERT_TRUE(couches().contains(i.de)) << i.fichier.toStdString();
        ASSERT_TRUE(couches().contains(i.vers))
            << i.fichier.toStdString() << " includes " << i.vers.toStdString();
        EXPECT_LE(couches()[i.vers], couches()[i.de])
            << i.fichier.toStdString() << " climbs to " << i.vers.toStdString();
    }
}

TEST(Couches, NoTwoFoldersOfOneLayerIncludeEachOtherInACircle) {
    QHash<QString, QSet<QString>> atteint;
    for (const Inclusion& i : inclusions()) {
        if (i.de != i.vers && couches()[i.de] == couches()[i.vers])
            atteint[i.de].insert(i.vers);
    }
    // Closes the reach over the few folders of a layer, then looks for one reaching itself.
    for (bool grandit = true; grandit;) {
        grandit = false;
        for (auto it = atteint.begin(); it != atteint.end(); ++it) {
            const QSet<QString> avant = it.value();
            for (const QString& v : avant)
                it.value().unite(atteint.value(v));
            grandit = grandit || it.value().size() != avant.size();
        }
    }
    for (auto it = atteint.cbegin(); it != atteint.cend(); ++it)
        EXPECT_FALSE(it.value().contains(it.key())) << it.key().toStdString() << " is in a circle";
}
