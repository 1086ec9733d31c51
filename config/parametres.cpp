// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "config/parametres.h"

#include "config/ini.h"

namespace config {

namespace {
const QString section = QStringLiteral("FTP");
const QString cleadresse = QStringLiteral("ADRESS");
const QString cleconnexion = QStringLiteral("CHECKCONNECTION");
const QString clemaj = QStringLiteral("CHECKMAJ");
} // namespace

QString adressedefaut()
{
    return QStringLiteral(BRUNELIX_ADRESSE);
}

QString cheminparametres(const QString &dossier)
{
    return dossier + QStringLiteral("/Brunelix.ini");
}

Parametres litparametres(const QString &chemin)
{
    const QList<QString> v = lireini(section, {cleadresse, cleconnexion, clemaj}, chemin);
    Parametres p;
    p.adresse = v[0];
    if (p.adresse.isEmpty())
        p.adresse = adressedefaut();
    p.checkconnection = v[1] != QStringLiteral("0");
    p.checkmaj = v[2] == QStringLiteral("1");
    return p;
}

void ecritparametres(const Parametres &p, const QString &chemin)
{
    const auto drapeau = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
    ecrireini(section,
              {{cleadresse, p.adresse}, {cleconnexion, drapeau(p.checkconnection)}, {clemaj, drapeau(p.checkmaj)}},
              chemin);
}

} // namespace config
