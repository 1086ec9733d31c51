// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Acceptation d'un téléchargement : statut et corps quelconques. Un corps n'est accepté que
// si, suivi du CR LF et écrit comme fichier des taux, le vrai chargeur le lit et en tire
// une liste des années ; et tout corps qui remplit ces conditions est accepté.
#include "fuzz/commun.h"
#include "rates/periodes.h"
#include "rates/tabletaux.h"
#include "update/acceptation.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

// Le corps tel que le programme l'écrirait, chargé comme il le serait au redémarrage.
bool sechargecommefichier(const QByteArray &corps)
{
    static QTemporaryDir dossier;
    fuzz::exige(dossier.isValid(), "dossier temporaire créé");
    taux::TableTaux table;
    table.fichiertaux = dossier.filePath(QStringLiteral("BRUNELIX.TXT"));
    const QByteArray contenu = maj::contenufichier(corps);
    QFile f(table.fichiertaux);
    fuzz::exige(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenu) == contenu.size(),
                "fichier des taux écrit");
    f.close();
    if (taux::chargetaux(table) != taux::Chargement::Ok)
        return false;
    const auto annees = taux::listeannees(table);
    return annees && !annees->isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    if (taille < 2)
        return 0;
    // Deux premiers octets : le statut (200 quand le bit de poids fort est nul, sinon
    // les 15 bits suivants modulo 1000) ; le reste : le corps.
    const int statut = donnees[0] < 0x80 ? 200 : (((donnees[0] & 0x7f) << 8) | donnees[1]) % 1000;
    const QByteArray corps(reinterpret_cast<const char *>(donnees + 2), static_cast<qsizetype>(taille - 2));

    const bool accepte = maj::acceptecorps(statut, corps, QString());
    const bool recevable = statut >= 200 && statut <= 299 && !corps.isEmpty() && corps.size() <= maj::taillemaxcorps &&
                           !corps.contains("Not Found");
    if (accepte)
        fuzz::exige(recevable, "corps accepté : statut 2xx, non vide, sans « Not Found »",
                    QString::number(statut));
    if (recevable || accepte)
        fuzz::exige(accepte == sechargecommefichier(corps), "accepté si et seulement si le fichier se charge",
                    QString::fromLatin1(corps.left(60)));
    return 0;
}
