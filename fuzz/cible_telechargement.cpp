// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Acceptation d'un téléchargement : statut et corps quelconques. Un corps n'est accepté que
// si, suivi du CR LF et écrit comme fichier des taux, le vrai chargeur le lit et en tire
// une liste des années, des clés « 1S2001 » du plus récent au plus ancien, une première
// clé ni plus ancienne que celle en usage ni après le semestre qui suit aujourd'hui, un
// premier taux entre 0 et 100 exclus, les suivants de 0 à moins de 100, les semestres en
// usage tous présents et une fin de ligne finale, sauf quand la dernière entrée est une entrée
// en usage (clé et taux) ; et tout corps qui remplit ces conditions est accepté.
#include "fuzz/commun.h"
#include "rates/periodes.h"
#include "rates/tabletaux.h"
#include "update/acceptation.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace {

// Table en usage et date du jour (semestre suivant : 2S2016).
const QByteArray enusage = "2S2015\t3\r\n1S2015\t3.5\r\n";
const QDate aujourdhui(2016, 1, 1);

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
bool sechargecommefichier(const QByteArray &corps, const taux::TableTaux &usage)
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
    if (semestre(table.periodes[0]) < semestre(usage.periodes[0]) || semestre(table.periodes[0]) > std::pair{2016, 2} ||
        !(table.taux[0] > 0 && table.taux[0] < 100))
        return false;
    for (int i = 1; i <= table.nbtaux; ++i)
        if (!(table.taux[i] >= 0 && table.taux[i] < 100))
            return false;
    const auto dernier = semestre(table.periodes[table.nbtaux]);
    for (int j = 0; j <= usage.nbtaux; ++j) {
        const auto periode =
            std::find(table.periodes.cbegin(), table.periodes.cbegin() + table.nbtaux + 1, usage.periodes[j]);
        const bool present = periode != table.periodes.cbegin() + table.nbtaux + 1;
        if (!present && !(table.nbtaux == 100 && semestre(usage.periodes[j]) < dernier))
            return false;
    }
    // Sans fin de ligne finale, la dernière entrée doit être une entrée en usage, clé et taux.
    if (corps.endsWith('\n') || corps.endsWith('\r'))
        return true;
    for (int j = 0; j <= usage.nbtaux; ++j)
        if (usage.periodes[j] == table.periodes[table.nbtaux] && usage.taux[j] == table.taux[table.nbtaux])
            return true;
    return false;
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

    static taux::TableTaux usage;
    if (usage.nbtaux < 0)
        fuzz::exige(taux::lisentrees(usage, enusage) == taux::Chargement::Ok, "table en usage lue");
    const bool accepte = maj::acceptecorps(statut, corps, usage, aujourdhui);
    const bool recevable = (statut == 200 || statut == 203) && !corps.isEmpty() &&
                           corps.size() <= maj::taillemaxcorps && !corps.contains("Not Found") && !corps.contains('\0');
    if (accepte)
        fuzz::exige(recevable, "corps accepté : statut 200 ou 203, non vide, sans « Not Found » ni NUL",
                    QString::number(statut));
    if (recevable || accepte)
        fuzz::exige(accepte == sechargecommefichier(corps, usage),
                    "accepté si et seulement si le fichier se charge et est plus récent",
                    QString::fromLatin1(corps.left(60)));
    return 0;
}
