// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Réglages de Brunelix.ini : lecture des trois clés, enregistrement qui garde le reste.
#include "config/ini.h"
#include "config/parametres.h"

#include "tests/limitefichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>

namespace {

using config::Parametres;

QByteArray litfichier(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecritfichier(const QString &chemin, const QByteArray &contenu)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

struct CasLecture
{
    const char *nom;
    QByteArray contenu; // vide : pas de fichier
    QString adresse;    // vide : l'adresse par défaut
    bool checkconnection, checkmaj;
    bool fifo = false; // le chemin nomme une FIFO sans écrivain
    friend void PrintTo(const CasLecture &c, std::ostream *os) { *os << c.nom; }
};

class Lecture : public ::testing::TestWithParam<CasLecture>
{
};

TEST_P(Lecture, Valeurs)
{
    const auto &c = GetParam();
    QTemporaryDir d;
    const QString chemin = config::cheminparametres(d.path());
    if (!c.contenu.isEmpty())
        ecritfichier(chemin, c.contenu);
    ASSERT_TRUE(!c.fifo || mkfifo(QFile::encodeName(chemin).constData(), 0600) == 0);
    const Parametres p = config::litparametres(chemin);
    EXPECT_EQ(p.adresse, c.adresse.isEmpty() ? config::adressedefaut() : c.adresse);
    EXPECT_EQ(p.checkconnection, c.checkconnection);
    EXPECT_EQ(p.checkmaj, c.checkmaj);
    EXPECT_EQ(QFile::exists(chemin), !c.contenu.isEmpty() || c.fifo); // la lecture ne crée rien
    if (c.fifo) {                                                     // lue comme absente, jamais remplacée
        config::ecritparametres(p, chemin);
        EXPECT_FALSE(QFileInfo(chemin).isFile());
    }
}

const QString longue = QString(1200, u'x');

INSTANTIATE_TEST_SUITE_P(
    Cas, Lecture,
    ::testing::Values(
        CasLecture{"sans_fichier", "", {}, true, false},
        CasLecture{"adresse_vide", "[FTP]\nADRESS=\nCHECKCONNECTION=0\nCHECKMAJ=1\n", {}, false, true},
        CasLecture{"adresse_lue", "[FTP]\r\nADRESS=http://127.0.0.1/a b\r\n", "http://127.0.0.1/a b", true, false},
        CasLecture{"marque_en_tete_de_valeur", "[FTP]\nADRESS=\xEF\xBB\xBF x\n", QChar(0xFEFF) + QStringLiteral(" x"),
                   true, false},
        CasLecture{"guillemets_retires", "[FTP]\nADRESS= \"\"x\" \"\n", "\"x\" ", true, false},
        CasLecture{"premiere_de_deux_cles", "[ftp]\nadress=a\nCHECKMAJ=1\nADRESS=b\nCHECKMAJ=0\n", "a", true, true},
        CasLecture{"octet_nul", QByteArray("[FTP]\nCHECKMAJ=1\n\0", 18), {}, true, false},
        CasLecture{"fins_de_ligne_cr", "[FTP]\rADRESS=http://127.0.0.1/cr\rCHECKMAJ=1\r", "http://127.0.0.1/cr", true,
                   true},
        CasLecture{"fifo", "", {}, true, false, true},
        CasLecture{"connexion_no", "[FTP]\nCHECKCONNECTION=no\n", {}, true, false},
        CasLecture{"connexion_00", "[FTP]\nCHECKCONNECTION=00\n", {}, true, false},
        CasLecture{"maj_true", "[FTP]\nCHECKMAJ=true\n", {}, true, false},
        CasLecture{"maj_01", "[FTP]\nCHECKMAJ=01\n", {}, true, false},
        CasLecture{"autre_section", "[AUTRE]\nCHECKMAJ=1\nCHECKCONNECTION=0\n", {}, true, false},
        CasLecture{"valeur_1200", "[FTP]\nADRESS=" + longue.toUtf8() + "\n", longue.left(999), true, false}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(Enregistrement, PremierEnregistrementQuatreLignes)
{
    QTemporaryDir d;
    const QString chemin = config::cheminparametres(d.path());
    config::ecritparametres(config::litparametres(chemin), chemin);
    EXPECT_EQ(litfichier(chemin),
              "[FTP]\r\nADRESS=" + config::adressedefaut().toUtf8() + "\r\nCHECKCONNECTION=1\r\nCHECKMAJ=0\r\n");
    // Adresse vide : la clé est écrite vide, la lecture suivante redonne le défaut.
    config::ecritparametres({QString(), false, true}, chemin);
    EXPECT_EQ(litfichier(chemin), "[FTP]\r\nADRESS=\r\nCHECKCONNECTION=0\r\nCHECKMAJ=1\r\n");
    EXPECT_EQ(config::litparametres(chemin).adresse, config::adressedefaut());
}

TEST(Enregistrement, GardeLeResteDuFichier)
{
    QTemporaryDir d;
    const QString chemin = config::cheminparametres(d.path());
    ecritfichier(chemin, "; réglages\n[Autre]\nCLE=valeur gardée\n\n; section de la mise à jour\n[FTP]\n"
                         "CHECKMAJ=1\nAUTRE=x\nADRESS=http://127.0.0.1/vieux\n");
    config::ecritparametres({QStringLiteral("http://127.0.0.1/neuf"), true, false}, chemin);
    EXPECT_EQ(litfichier(chemin), "; réglages\n[Autre]\nCLE=valeur gardée\n\n; section de la mise à jour\n[FTP]\n"
                                  "CHECKMAJ=0\nAUTRE=x\nADRESS=http://127.0.0.1/neuf\nCHECKCONNECTION=1\n");
}

// Deux enregistrements : seules les valeurs changées et les clés manquantes touchent aux
// octets ; un fichier refusé ou un disque plein le laissent tel quel.
struct CasEdition
{
    const char *nom;
    QByteArray avant, apres;
    Parametres premier, second;
    bool plein = false;
    friend void PrintTo(const CasEdition &c, std::ostream *os) { *os << c.nom; }
};

class Edition : public ::testing::TestWithParam<CasEdition>
{
};

TEST_P(Edition, SeulesLesValeursChangent)
{
    const auto &c = GetParam();
    QTemporaryDir d;
    const QString chemin = config::cheminparametres(d.path());
    ecritfichier(chemin, c.avant);
    std::optional<LimiteFichiers> plein;
    if (c.plein)
        plein.emplace();
    config::ecritparametres(c.premier, chemin);
    config::ecritparametres(c.second, chemin);
    plein.reset();
    EXPECT_EQ(litfichier(chemin), c.apres);
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // aucun fichier temporaire laissé
}

const QByteArray amain =
    "; Réglages écrits à la main\r\n[Fenetre]\r\nLargeur = 800 ; pas un commentaire\r\n"
    "ligne sans egal\r\n\r\n; la mise à jour\r\n[ftp]\r\n  adress = \"http://127.0.0.1/caf\xE9\"  \r\n"
    "; dans la section\r\nCheckMaj = 1 \r\nAUTRE sans egal\r\n\r\n[Inconnue]\r\nCHECKCONNECTION=0\r\n; fin";
const QString cafe = QStringLiteral("http://127.0.0.1/café"), ete = QStringLiteral("http://127.0.0.1/été");
const QByteArray nul("[FTP]\nADRESS=a\0b\n", 17);

INSTANTIATE_TEST_SUITE_P(
    Cas, Edition,
    ::testing::Values(CasEdition{"ecrit_a_la_main",
                                 amain,
                                 QByteArray(amain)
                                     .replace("\"http://127.0.0.1/caf\xE9\"", ete.toUtf8())
                                     .replace("CheckMaj = 1 \r\n", "CheckMaj = 0 \r\nCHECKCONNECTION=0\r\n"),
                                 {cafe, true, false},
                                 {ete, false, false}},
                      CasEdition{"disque_plein", amain, amain, {ete, false, false}, {ete, true, true}, true},
                      CasEdition{"octet_nul", nul, nul, {cafe, true, true}, {cafe, false, false}},
                      // Fins de ligne d'un collage : des blancs, jamais une ligne de plus.
                      CasEdition{"adresse_finie_par_cr_lf",
                                 "[FTP]\r\nADRESS=a\r\n",
                                 "[FTP]\r\nADRESS=\"http://127.0.0.1/  \"\r\nCHECKCONNECTION=1\r\nCHECKMAJ=1\r\n",
                                 {QStringLiteral("http://127.0.0.1/\r\n"), true, false},
                                 {QStringLiteral("http://127.0.0.1/\r\n"), true, true}},
                      CasEdition{"cr_seul_dans_l_adresse",
                                 "[FTP]\nCHECKMAJ=0\n",
                                 "[FTP]\nCHECKMAJ=0\nADRESS=http://127.0.0.1/a CHECKMAJ=1\nCHECKCONNECTION=0\n",
                                 {QStringLiteral("http://127.0.0.1/a\rCHECKMAJ=1"), false, false},
                                 {QStringLiteral("http://127.0.0.1/a\rCHECKMAJ=1"), false, false}}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(Enregistrement, ImpossibleSansEffet)
{
    QTemporaryDir d;
    // Dossier qui est un fichier ordinaire ; chemin qui nomme un dossier.
    ecritfichier(d.filePath(QStringLiteral("fichier")), "x");
    const QString chemins[] = {config::cheminparametres(d.filePath(QStringLiteral("fichier"))), d.path()};
    for (const QString &chemin : chemins) {
        config::ecritparametres({QStringLiteral("http://127.0.0.1/"), false, true}, chemin);
        EXPECT_TRUE(config::lireini(QStringLiteral("FTP"), QStringLiteral("ADRESS"), chemin).isEmpty());
    }
    EXPECT_EQ(litfichier(d.filePath(QStringLiteral("fichier"))), "x");
}

} // namespace
