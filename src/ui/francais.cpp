#include "ui/francais.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zel::ui {

bool chargeTraductionQt(QCoreApplication& application) {
    auto* traduction = new QTranslator(&application);
    if (!traduction->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduction;
        return false;
    }
    return QCoreApplication::installTranslator(traduction);
}

} // namespace zel::ui
