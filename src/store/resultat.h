#pragma once

#include <QString>

#include <utility>

namespace zel {

// The outcome of an operation that can fail: success, or the French message to show the user.
// A success may still have something to tell (`avis`): what went through, but not all the way.
class [[nodiscard]] Resultat {
public:
    static Resultat succes() { return Resultat(); }
    static Resultat succes(QString avis) {
        Resultat r;
        r.m_avis = std::move(avis);
        return r;
    }
    static Resultat echec(QString message) { return Resultat(std::move(message)); }

    bool ok() const { return m_message.isNull(); }
    explicit operator bool() const { return ok(); }
    const QString& message() const { return m_message; }
    const QString& avis() const { return m_avis; }

private:
    Resultat() = default;
    explicit Resultat(QString message)
        : m_message(message.isNull() ? QString(QLatin1String("")) : std::move(message)) {}

    QString m_message;
    QString m_avis;
};

} // namespace zel
