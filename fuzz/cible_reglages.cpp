// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Fichier des réglages : octets quelconques lus par lireini et par la lecture des réglages,
// puis enregistrés et relus : les trois réglages reviennent tels quels, un second
// enregistrement ne change plus rien, et un fichier refusé (non texte) reste intact.
#include "config/ini.h"
#include "config/parametres.h"
#include "fuzz/commun.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const QString section = QStringLiteral("FTP");

void ecrit(const QString &chemin, const QByteArray &contenu)
{
    QFile f(chemin);
    fuzz::exige(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenu) == contenu.size(),
                "fichier des réglages écrit");
}

QByteArray litout(const QString &chemin)
{
    QFile f(chemin);
    fuzz::exige(f.open(QIODevice::ReadOnly), "fichier des réglages relu");
    return f.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    static QTemporaryDir dossier;
    fuzz::exige(dossier.isValid(), "dossier temporaire créé");
    const QString chemin = config::cheminparametres(dossier.path());
    const QByteArray octets(reinterpret_cast<const char *>(donnees), static_cast<qsizetype>(taille));
    ecrit(chemin, octets);

    const QString adresse = config::lireini(section, QStringLiteral("ADRESS"), chemin);
    const QString connexion = config::lireini(section, QStringLiteral("CHECKCONNECTION"), chemin);
    const QString automatique = config::lireini(section, QStringLiteral("CHECKMAJ"), chemin);
    for (const QString &v : {adresse, connexion, automatique})
        fuzz::exige(v.size() <= 999, "valeur coupée à 999 caractères", v.left(40));

    const config::Parametres p = config::litparametres(chemin);
    fuzz::exige(p.adresse == (adresse.isEmpty() ? config::adressedefaut() : adresse), "adresse lue", adresse.left(40));
    fuzz::exige(p.checkconnection == (connexion != QStringLiteral("0")), "test de connexion lu", connexion.left(40));
    fuzz::exige(p.checkmaj == (automatique == QStringLiteral("1")), "mise à jour automatique lue",
                automatique.left(40));

    // Enregistrés puis relus : les mêmes réglages.
    config::ecritparametres(p, chemin);
    const config::Parametres relu = config::litparametres(chemin);
    fuzz::exige(relu.adresse == p.adresse && relu.checkconnection == p.checkconnection && relu.checkmaj == p.checkmaj,
                "réglages relus après enregistrement", p.adresse.left(40));
    const QByteArray apres = litout(chemin);
    if (octets.contains('\0') || octets.startsWith("\xFF\xFE") || octets.startsWith("\xFE\xFF"))
        fuzz::exige(apres == octets, "fichier non texte jamais remplacé");
    config::ecritparametres(p, chemin);
    fuzz::exige(litout(chemin) == apres, "second enregistrement sans effet", p.adresse.left(40));
    return 0;
}
