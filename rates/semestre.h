// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Semestre d'une clé « 1S2024 » : lecture stricte, ordre, semestre suivant, premier jour,
// libellé. La liste des années garde sa lecture souple de l'année (periodes.h).

#include <QDate>
#include <QString>

#include <compare>
#include <optional>

namespace taux {

struct Semestre
{
    int annee = 0;
    int numero = 1; // 1 ou 2

    // Clé de la forme exacte chiffre 1 ou 2, « S », année à quatre chiffres ; nullopt sinon.
    static std::optional<Semestre> lit(const QString &cle);
    // Semestre qui contient la date.
    static Semestre de(const QDate &date);

    Semestre suivant() const;
    QDate premierjour() const; // invalide pour l'an 0
    QString cle() const;       // année sur quatre chiffres au moins (« 1S0999 »), signe devant (« 1S-005 »)
    QString libelle() const;   // libellesemestre de ce semestre

    auto operator<=>(const Semestre &) const = default; // du plus ancien au plus récent
};

// Libellé d'un semestre : « 1er semestre 2024 », « 2d semestre 2024 » ; l'année telle qu'affichée.
QString libellesemestre(bool premier, const QString &annee);

} // namespace taux
