// Opening letters of 1 MB and 20 MB in the window "Texte", as a person does with "Ouvrir": the
// time until the letter is shown, and the longest time the window went without answering.
#include "support/dialoguesfactices.h"
#include "ui/impression.h"
#include "ui/tools/ttexte.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

using namespace zel;
using Horloge = std::chrono::steady_clock;

namespace {

double ms(Horloge::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The processor time of the program, which other programs running on the machine do not swell.
double processeur() {
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

// A letter as word processors write it: a font and a colour table, paragraphs of several runs,
// accents as \'hh, and a few Chinese words in a double-byte font.
QByteArray lettre(qsizetype taille) {
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New "
        "Roman;}{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\fnil\\fcharset134 SimSun;}}\r\n"
        "{\\colortbl ;\\red192\\green0\\blue0;}\r\n\\viewkind4\\uc1\r\n";
    for (int i = 0; rtf.size() < taille; ++i) {
        rtf += "\\pard\\qj\\fi284\\f0\\fs24 Article " + QByteArray::number(i) +
               " : livr\\'e9 le 7 d\\'e9cembre, {\\b 1 250,00 \\'80} l'unit\\'e9, "
               "{\\i\\cf1 remise de 5 %} {\\f2\\'d6\\'d0\\'ce\\'c4} {\\f1\\fs20 r\\'e9f. " +
               QByteArray::number(i * 7) + "}\\par\r\n";
    }
    return rtf + "}\r\n";
}

// The recording dialogs, whose status bar lets the window answer as the program's own does.
class DialoguesChronometres : public test::DialoguesFactices {
public:
    Horloge::duration plusLongueAttente{};

    void depart() {
        m_dernier = Horloge::now();
        plusLongueAttente = {};
    }
    void progression(const QString& texte) override {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        repond();
        test::DialoguesFactices::progression(texte);
    }
    void repond() {
        const Horloge::time_point maintenant = Horloge::now();
        plusLongueAttente = std::max(plusLongueAttente, maintenant - m_dernier);
        m_dernier = maintenant;
    }

private:
    Horloge::time_point m_dernier;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dossier;
    QFile charge(QStringLiteral("/proc/loadavg"));
    if (charge.open(QIODevice::ReadOnly))
        std::printf("\nCharge de la machine : %s", charge.readLine().constData());
    std::printf("Ouverture d'une lettre dans la fenetre Texte (meilleur de 3) :\n");
    for (const auto& [mo, cible] : {std::pair(1, 1000.0), std::pair(20, 10000.0)}) {
        const QString fichier = dossier.filePath(QStringLiteral("lettre%1.rtf").arg(mo));
        QFile f(fichier);
        if (!f.open(QIODevice::WriteOnly) || f.write(lettre(qsizetype(mo) << 20)) < 0)
            qFatal("lettre");
        f.close();
        DialoguesChronometres dialogues;
        ui::Impression impression;
        TTexte fenetre(nullptr, dialogues, impression);
        fenetre.show();
        QCoreApplication::processEvents();
        double meilleur = 1e300;
        double calcul = 1e300;
        double attente = 1e300;
        for (int essai = 0; essai < 3; ++essai) {
            dialogues.fichiers = {fichier};
            dialogues.depart();
            const Horloge::time_point debut = Horloge::now();
            const double debutCalcul = processeur();
            fenetre.bouton(QStringLiteral("Ouvrir"))->click();
            // Until the window has drawn the letter's first page.
            fenetre.repaint();
            QCoreApplication::processEvents();
            dialogues.repond();
            meilleur = std::min(meilleur, ms(Horloge::now() - debut));
            calcul = std::min(calcul, processeur() - debutCalcul);
            attente = std::min(attente, ms(dialogues.plusLongueAttente));
        }
        if (!fenetre.texte()->document()->lastBlock().text().contains(u"r\u00e9f."))
            qFatal("lettre lue");
        std::printf("Ouvrir %2d Mo %7.0f ms (cible %5.0f ms)%-14s processeur %7.0f ms   sans "
                    "reponse au plus %4.0f ms\n",
                    mo, meilleur, cible, meilleur <= cible ? "" : " (au-dessus)", calcul, attente);
    }
    return 0;
}
