// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Où le fichier des taux et les réglages sont trouvés, puis écrits par la mise à jour manuelle,
// la mise à jour automatique et l'enregistrement des réglages, dans chaque mode.
#include "update/ecriture.h"
#include "update/emplacements.h"
#include "update/parametres.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Programme dans p/bin, fichier livré dans p/share, dossiers de données XDG : u (l'utilisateur)
// et s (le système), réglages XDG dans c, dossier de la ligne de commande l.
enum Lieu { Aucun, Programme, Livre, Systeme, Copie, Ligne };

struct CasEmplacement
{
    const char *nom;
    std::vector<std::pair<Lieu, QByteArray>> fichiers; // lieu et entrées
    QString ligne;                                     // « @ » : le dossier de l'essai
    Lieu lu, ecrit, depuis; // depuis : contenu que montre la mise à jour manuelle
    bool portable = false;
    bool prefixeutilisateur = false; // installé dans ~/.local : le livré est la copie
    friend void PrintTo(const CasEmplacement &c, std::ostream *os) { *os << c.nom; }
};

class Emplacement : public ::testing::TestWithParam<CasEmplacement>
{};

QByteArray lit(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

TEST_P(Emplacement, TrouveEtEcrit)
{
    const auto &c = GetParam();
    QTemporaryDir r;
    const QString u = r.filePath(c.prefixeutilisateur ? QStringLiteral("p/share") : QStringLiteral("u"));
    const std::pair<const char *, QString> variables[] = {
        {"XDG_DATA_HOME", u}, {"XDG_DATA_DIRS", r.filePath("s")}, {"XDG_CONFIG_HOME", r.filePath("c")}};
    std::vector<std::pair<const char *, QByteArray>> avant;
    for (const auto &[v, valeur] : variables) {
        avant.emplace_back(v, qgetenv(v));
        qputenv(v, valeur.toUtf8());
    }
    const QString chemins[] = {r.filePath("absent"), r.filePath("p/bin/BRUNELIX.TXT"), r.filePath("p/share/brunelix/BRUNELIX.TXT"),
                               r.filePath("s/brunelix/BRUNELIX.TXT"), u + "/brunelix/BRUNELIX.TXT",
                               r.filePath("l/BRUNELIX.TXT")};
    QDir().mkpath(r.filePath("p/bin"));
    for (const auto &[lieu, entrees] : c.fichiers) {
        QDir().mkpath(QFileInfo(chemins[lieu]).path());
        EXPECT_TRUE(maj::remplacefichier(chemins[lieu], "' " + QByteArray::number(lieu) + "\r\n" + entrees));
    }
    const QByteArray montre = lit(chemins[c.depuis]);

    const maj::Emplacements e = maj::emplacements(QString(c.ligne).replace(u'@', r.path()), r.filePath("p/bin"));
    EXPECT_EQ(e.portable, c.portable);
    EXPECT_EQ(e.taux, chemins[c.lu]);
    EXPECT_EQ(e.ecriture, chemins[c.ecrit]);
    EXPECT_EQ(e.parametres, r.filePath(c.portable ? "p/bin/Brunelix.ini" : "c/brunelix/Brunelix.ini"));
    EXPECT_EQ(maj::fichiermanuel(e), chemins[c.ecrit]);
    EXPECT_EQ(lit(chemins[c.ecrit]), montre);
    // Automatique et réglages : dossiers créés ; aucun autre fichier des taux n'est touché.
    EXPECT_TRUE(maj::ecritavecdossier(e.ecriture, [&] { return maj::remplacefichier(e.ecriture, "1S2030\t5\r\n"); }));
    maj::ecritparametres({}, e.parametres);
    EXPECT_TRUE(QFile::exists(e.parametres));
    for (const auto &[lieu, entrees] : c.fichiers)
        EXPECT_TRUE(chemins[lieu] == e.ecriture || lit(chemins[lieu]).endsWith(entrees)) << lieu;
    for (const auto &[v, valeur] : avant)
        qputenv(v, valeur);
}

const QByteArray s1 = "1S2010\t3\r\n", s2 = "2S2010\t3\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cas, Emplacement,
    ::testing::Values(CasEmplacement{"portable", {{Programme, s1}}, "", Programme, Programme, Programme, true},
                      CasEmplacement{"portable_ligne", {{Programme, s1}, {Ligne, s1}}, "@/l", Ligne, Ligne, Ligne, true},
                      CasEmplacement{"portable_ligne_entre_guillemets", {{Programme, s1}, {Ligne, s1}}, "\"@/l\"",
                                     Programme, Programme, Programme, true},
                      CasEmplacement{"installe_sans_copie", {{Livre, s1}, {Systeme, s2}}, "", Livre, Copie, Livre},
                      CasEmplacement{"installe_livre_xdg", {{Systeme, s1}}, "", Systeme, Copie, Systeme},
                      CasEmplacement{"copie_du_meme_semestre", {{Livre, s1}, {Copie, s1}}, "", Copie, Copie, Copie},
                      CasEmplacement{"copie_plus_ancienne", {{Livre, s2}, {Copie, s1}}, "", Livre, Copie, Copie},
                      CasEmplacement{"copie_corrompue", {{Livre, s2}, {Copie, "1S2010 3"}}, "", Copie, Copie, Copie},
                      CasEmplacement{"installe_ligne", {{Livre, s2}, {Copie, s2}, {Ligne, s1}}, "@/l/", Ligne, Ligne,
                                     Ligne},
                      CasEmplacement{"installe_ligne_sans_fichier", {{Livre, s1}}, "@/l", Livre, Copie, Livre},
                      CasEmplacement{"prefixe_utilisateur", {{Livre, s1}}, "", Copie, Copie, Copie, false, true},
                      CasEmplacement{"installe_sans_fichier", {}, "", Copie, Copie, Aucun}),
    [](const auto &info) { return std::string(info.param.nom); });

} // namespace
