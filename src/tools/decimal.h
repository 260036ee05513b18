#pragma once

#include <QString>

#include <optional>

namespace zel::outils {

// A number typed with a decimal comma ("12,5"); nothing when the text is not a finite number.
std::optional<double> litDecimal(const QString& texte);

// The value with at most `decimales` decimals, without trailing zeros, with a comma: 15,2.
QString decimalCourt(double valeur, int decimales);

} // namespace zel::outils
