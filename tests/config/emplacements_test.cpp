// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Fichier des taux et réglages : où ils sont trouvés, puis écrits (mises à jour manuelle et automatique, réglages).
#include "config/dossiers.h"
#include "config/ecriture.h"
#include "config/emplacements.h"
#include "config/parametres.h"
#include "update/verification.h"

#include "tests/limitefichiers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Programme dans p/bin, fichier livré dans p/share ; données XDG de l'utilisateur dans u (p/share pour
// un préfixe ~/.local), du système dans s ; réglages XDG dans c ; dossier de la ligne de commande l ;
// sauvegarde d'une copie plus ancienne à côté de la copie.
enum Lieu { Aucun, Programme, Livre, Systeme, Copie, Ligne, Sauvegarde };
// Copie de l'utilisateur remplacée par une FIFO ou un lien vers une FIFO ; XDG_DATA_HOME relatif ;
// entrée relative de XDG_DATA_DIRS.
enum Special { Rien, Fifo, LienFifo, Relatif, RelatifSysteme };

struct Cas
{
    const char *nom;
    std::vector<std::pair<Lieu, QByteArray>> fichiers; // lieu et entrées
    QString ligne;                                     // « @ » : le dossier de l'essai
    Lieu lu, ecrit, montre; // montre : le fichier dont la mise à jour manuelle ouvre le contenu
    bool portable = false;
    const char *donnees = "u";
    Special special = Rien;
    friend void PrintTo(const Cas &c, std::ostream *os) { *os << c.nom; }
};

class Emplacement : public ::testing::TestWithParam<Cas>
{
};

QByteArray lit(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

TEST_P(Emplacement, TrouveEtEcrit)
{
    const Cas &c = GetParam();
    QTemporaryDir r;
    const QString chemins[] = {r.filePath("absent"),
                               r.filePath("p/bin/BRUNELIX.TXT"),
                               r.filePath("p/share/brunelix/BRUNELIX.TXT"),
                               r.filePath("s/brunelix/BRUNELIX.TXT"),
                               r.filePath(c.donnees) + "/brunelix/BRUNELIX.TXT",
                               r.filePath("l/BRUNELIX.TXT"),
                               r.filePath(c.donnees) + "/brunelix/BRUNELIX-ancien.TXT"};
    const QString copie = chemins[Copie];
    std::vector<std::pair<const char *, QByteArray>> avant;
    for (const auto &[v, d] :
         {std::pair{"XDG_DATA_HOME", c.donnees}, {"XDG_DATA_DIRS", "s"}, {"XDG_CONFIG_HOME", "c"}, {"HOME", "h"}}) {
        avant.emplace_back(v, qgetenv(v));
        qputenv(v, r.filePath(d).toUtf8());
    }
    if (c.special == Relatif) // ignoré : ~/.local/share
        qputenv("XDG_DATA_HOME", "u");
    if (c.special == RelatifSysteme) // « s » ignoré
        qputenv("XDG_DATA_DIRS", "s:" + r.filePath("x").toUtf8());
    // Une valeur relative prise à tort viserait le dossier courant : celui de l'essai.
    const QString courant = QDir::currentPath();
    QDir::setCurrent(r.path());
    if (c.special == Fifo || c.special == LienFifo) {
        QDir().mkpath(QFileInfo(copie).path());
        const QString fifo = c.special == Fifo ? copie : r.filePath("fifo");
        EXPECT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        EXPECT_TRUE(fifo == copie || QFile::link(fifo, copie));
    }
    for (const auto &[lieu, entrees] : c.fichiers)
        EXPECT_TRUE(QDir().mkpath(QFileInfo(chemins[lieu]).path()) &&
                    config::remplacefichier(chemins[lieu], "' " + QByteArray::number(lieu) + "\r\n" + entrees));
    const QByteArray montre = lit(chemins[c.montre]);

    const config::Emplacements e = config::emplacements(QString(c.ligne).replace(u'@', r.path()), r.filePath("p/bin"));
    EXPECT_EQ(e.portable, c.portable);
    EXPECT_EQ(e.taux, chemins[c.lu]);
    EXPECT_EQ(e.ecriture, chemins[c.ecrit]);
    EXPECT_EQ(e.parametres, r.filePath(c.portable ? "p/bin/Brunelix.ini" : "c/brunelix/Brunelix.ini"));
    // Rien de dû, puis disque plein : aucun dossier créé ou laissé.
    const bool dossier = QFileInfo::exists(QFileInfo(e.ecriture).path());
    taux::TableTaux tete;
    tete.periodes[0] = QStringLiteral("1S2010");
    tete.nbtaux = 0;
    maj::Dependances veille;
    veille.aujourdhui = [] { return QDate(2010, 6, 30); };
    EXPECT_FALSE(maj::verifiemaj({tete, QStringLiteral("http://127.0.0.1:1/"), false, e.ecriture, QString()}, veille));
    std::optional<LimiteFichiers> plein(std::in_place);
    EXPECT_FALSE(config::remplacefichier(e.ecriture, "1S2030\t5\r\n"));
    plein.reset();
    EXPECT_EQ(QFileInfo::exists(QFileInfo(e.ecriture).path()), dossier);
    // Manuelle : le fichier en usage ; une copie plus ancienne est d'abord gardée à part.
    const bool fifo = c.special == Fifo || c.special == LienFifo;
    const QByteArray anciencopie = fifo ? QByteArray() : lit(copie); // une FIFO bloquerait la lecture
    const QString nouvelle = QFile::exists(chemins[Sauvegarde])
                                 ? QString(chemins[Sauvegarde]).replace("ancien", "ancien2")
                                 : chemins[Sauvegarde];
    const QString ouvert = config::fichiermanuel(e, e.taux);
    EXPECT_EQ(ouvert, fifo ? e.taux : e.ecriture);
    EXPECT_EQ(lit(ouvert), montre);
    const bool sauvee = !fifo && e.taux != e.ecriture && anciencopie != "(absent)";
    EXPECT_EQ(lit(nouvelle), sauvee ? anciencopie : QByteArray("(absent)"));
    // Automatique et réglages : dossiers créés ; rien qui ne soit un fichier ordinaire n'est remplacé ;
    // aucun autre fichier des taux n'est touché.
    EXPECT_EQ(config::remplacefichier(e.ecriture, "1S2030\t5\r\n"), !fifo);
    EXPECT_EQ(QFileInfo(e.ecriture).isFile(), !fifo);
    config::ecritparametres({}, e.parametres);
    EXPECT_TRUE(QFile::exists(e.parametres));
    for (const auto &[lieu, entrees] : c.fichiers)
        EXPECT_TRUE(chemins[lieu] == e.ecriture || lit(chemins[lieu]).endsWith(entrees)) << lieu;
    for (const auto &[v, valeur] : avant)
        qputenv(v, valeur);
    QDir::setCurrent(courant);
}

const QByteArray s1 = "1S2010\t3\r\n", s2 = "2S2010\t3\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cas, Emplacement,
    ::testing::Values(
        Cas{"portable", {{Programme, s1}}, "", Programme, Programme, Programme, true},
        Cas{"portable_ligne", {{Programme, s1}, {Ligne, s1}}, "@/l", Ligne, Ligne, Ligne, true},
        Cas{"ligne_entre_guillemets", {{Programme, s1}, {Ligne, s1}}, "\"@/l\"", Programme, Programme, Programme, true},
        Cas{"installe_sans_copie", {{Livre, s1}, {Systeme, s2}}, "@/l", Livre, Copie, Livre},
        Cas{"installe_livre_xdg", {{Systeme, s1}}, "", Systeme, Copie, Systeme},
        Cas{"copie_du_meme_semestre", {{Livre, s1}, {Copie, s1}}, "", Copie, Copie, Copie},
        Cas{"copie_plus_ancienne", {{Livre, s2}, {Copie, s1}}, "", Livre, Copie, Livre},
        Cas{"copie_plus_ancienne_sauvegarde_existante",
            {{Livre, s2}, {Copie, s1}, {Sauvegarde, s1}},
            "",
            Livre,
            Copie,
            Livre},
        Cas{"copie_fifo", {{Livre, s2}}, "", Livre, Copie, Livre, false, "u", Fifo},
        Cas{"copie_lien_vers_fifo", {{Livre, s2}}, "", Livre, Copie, Livre, false, "u", LienFifo},
        Cas{"xdg_data_home_relatif",
            {{Livre, s2}, {Copie, s2}},
            "",
            Copie,
            Copie,
            Copie,
            false,
            "h/.local/share",
            Relatif},
        Cas{"xdg_data_dirs_relatif", {{Systeme, s1}}, "", Copie, Copie, Aucun, false, "u", RelatifSysteme},
        Cas{"copie_corrompue", {{Livre, s2}, {Copie, "1S2010 3"}}, "", Copie, Copie, Copie},
        Cas{"installe_ligne", {{Livre, s2}, {Copie, s2}, {Ligne, s1}}, "@/l/", Ligne, Ligne, Ligne},
        Cas{"prefixe_utilisateur", {{Livre, s1}}, "", Copie, Copie, Copie, false, "p/share"},
        Cas{"installe_sans_fichier", {}, "", Copie, Copie, Aucun}),
    [](const auto &info) { return std::string(info.param.nom); });

// Sans HOME (ou avec un HOME relatif), le dossier personnel de la base des comptes.
TEST(Dossiers, PersonnelSansHome)
{
    const QByteArray home = qgetenv("HOME");
    const QString attendu = QDir::cleanPath(QFile::decodeName(getpwuid(getuid())->pw_dir));
    qunsetenv("HOME");
    EXPECT_EQ(config::dossierpersonnel(), attendu);
    qputenv("HOME", "relatif");
    EXPECT_EQ(config::dossierpersonnel(), attendu);
    qputenv("HOME", home);
}

} // namespace
