// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Enregistrement d'une saisie : lu dans le fichier en usage, écrit dans le fichier du programme.
#include "config/ecriture.h"
#include "config/emplacements.h"
#include "config/saisietaux.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray lit(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("absent");
}

// Mode installé : le fichier livré en usage reste intact, la copie de l'utilisateur est créée
// (une copie plus ancienne est d'abord gardée de côté) ; un refus n'écrit rien.
TEST(SaisieTaux, FichierLivreIntactCopieCreee)
{
    QTemporaryDir d;
    const QByteArray livre = "' livré\n1S2024\t5.06\n";
    config::Emplacements e;
    e.portable = false;
    e.taux = d.filePath(QStringLiteral("share/brunelix/BRUNELIX.TXT"));
    e.ecriture = d.filePath(QStringLiteral("donnees/brunelix/BRUNELIX.TXT"));
    ASSERT_TRUE(config::remplacefichier(e.taux, livre));
    taux::Saisie s{taux::Saisie::Fixe, QStringLiteral("2S2024"), 485, 3230, QString(), QDate(2026, 12, 8)};

    const config::Enregistrement premier = config::enregistresaisie(e, e.taux, s, s.date);
    EXPECT_EQ(premier.etat, config::Enregistrement::Ecrit);
    EXPECT_EQ(premier.fichier, e.ecriture);
    EXPECT_EQ(lit(e.taux), livre);
    EXPECT_EQ(lit(e.ecriture), "' livré\n' 2S2024 saisi le 08/12/2026 ; TMOP 3.23\n2S2024\t4.85\n1S2024\t5.06\n");

    // Copie déjà là mais fichier livré en usage (plus récent) : la copie est gardée de côté.
    s.cle = QStringLiteral("1S2025");
    EXPECT_EQ(config::enregistresaisie(e, e.taux, s, s.date).etat, config::Enregistrement::Ecrit);
    EXPECT_TRUE(lit(d.filePath(QStringLiteral("donnees/brunelix/BRUNELIX-ancien.TXT"))).contains("2S2024\t4.85"));
    EXPECT_FALSE(lit(e.ecriture).contains("2S2024"));

    const QByteArray avant = lit(e.ecriture);
    s.centiemes = 0;
    const config::Enregistrement refuse = config::enregistresaisie(e, e.ecriture, s, s.date);
    EXPECT_EQ(refuse.etat, config::Enregistrement::Refuse);
    EXPECT_EQ(lit(e.ecriture), avant);
    EXPECT_EQ(config::enregistresaisie(e, d.filePath(QStringLiteral("absent")), s, s.date).etat,
              config::Enregistrement::Echec);
}

} // namespace
