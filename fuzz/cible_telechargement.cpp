// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Acceptation d'un téléchargement : statut et corps quelconques. Un corps n'est accepté que
// si, suivi du CR LF et écrit comme fichier des taux, le vrai chargeur le lit et en tire
// une liste des années, des clés « 1S2001 » du plus récent au plus ancien, une première
// clé pas plus ancienne que celle en usage et un premier taux entre 0 et 100 exclus ;
// et tout corps qui remplit ces conditions est accepté.
#include "fuzz/commun.h"
#include "rates/periodes.h"
#include "rates/tabletaux.h"
#include "update/acceptation.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <utility>

namespace {

const QString cleenusage = QStringLiteral("2S2015");

// Clé « 1S2001 » en (année, semestre) ; (-1, 0) pour toute autre forme.
std::pair<int, int> semestre(const QString &cle)
{
    static const QRegularExpression forme(QStringLiteral("^[12]S[0-9]{4}$"));
    if (!forme.match(cle).hasMatch())
        return {-1, 0};
    return {cle.mid(2).toInt(), cle.at(0).digitValue()};
}

// Le corps tel que le programme l'écrirait, chargé comme il le serait au redémarrage,
// puis les règles d'un fichier plus récent.
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
    if (!annees || annees->isEmpty())
        return false;
    for (int i = 0; i <= table.nbtaux; ++i)
        if (semestre(table.periodes[i]).first < 0 ||
            (i > 0 && semestre(table.periodes[i]) >= semestre(table.periodes[i - 1])))
            return false;
    return semestre(table.periodes[0]) >= semestre(cleenusage) && table.taux[0] > 0 && table.taux[0] < 100;
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

    const bool accepte = maj::acceptecorps(statut, corps, cleenusage);
    const bool recevable = (statut == 200 || statut == 203) && !corps.isEmpty() &&
                           corps.size() <= maj::taillemaxcorps && !corps.contains("Not Found");
    if (accepte)
        fuzz::exige(recevable, "corps accepté : statut 200 ou 203, non vide, sans « Not Found »",
                    QString::number(statut));
    if (recevable || accepte)
        fuzz::exige(accepte == sechargecommefichier(corps),
                    "accepté si et seulement si le fichier se charge et est plus récent",
                    QString::fromLatin1(corps.left(60)));
    return 0;
}
