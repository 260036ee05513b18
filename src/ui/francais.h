#pragma once

class QCoreApplication;

namespace zel::ui {

// Qt's own French texts for its standard dialogs and buttons ("Oui", "Non", "Annuler", the file
// and print dialogs). False when the translation is not installed: the program still runs,
// those texts then in English.
bool chargeTraductionQt(QCoreApplication& application);

} // namespace zel::ui
