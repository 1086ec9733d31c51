// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Réglages de Brunelix.ini : lecture des trois clés, enregistrement qui garde le reste.
#include "update/ini.h"
#include "update/parametres.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using maj::Parametres;

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
    friend void PrintTo(const CasLecture &c, std::ostream *os) { *os << c.nom; }
};

class Lecture : public ::testing::TestWithParam<CasLecture>
{};

TEST_P(Lecture, Valeurs)
{
    const auto &c = GetParam();
    QTemporaryDir d;
    const QString chemin = maj::cheminparametres(d.path());
    if (!c.contenu.isEmpty())
        ecritfichier(chemin, c.contenu);
    const Parametres p = maj::litparametres(chemin);
    EXPECT_EQ(p.adresse, c.adresse.isEmpty() ? maj::adressedefaut() : c.adresse);
    EXPECT_EQ(p.checkconnection, c.checkconnection);
    EXPECT_EQ(p.checkmaj, c.checkmaj);
    EXPECT_EQ(QFile::exists(chemin), !c.contenu.isEmpty()); // la lecture ne crée rien
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
        CasLecture{"guillemets_gardes", "[FTP]\nADRESS=\"x\"\n", "\"x\"", true, false},
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
    const QString chemin = maj::cheminparametres(d.path());
    maj::ecritparametres(maj::litparametres(chemin), chemin);
    EXPECT_EQ(litfichier(chemin), "[FTP]\nADRESS=" + maj::adressedefaut().toUtf8() + "\nCHECKCONNECTION=1\nCHECKMAJ=0\n");
    // Adresse vide : la clé est écrite vide, la lecture suivante redonne le défaut.
    maj::ecritparametres({QString(), false, true}, chemin);
    EXPECT_EQ(litfichier(chemin), "[FTP]\nADRESS=\nCHECKCONNECTION=0\nCHECKMAJ=1\n");
    EXPECT_EQ(maj::litparametres(chemin).adresse, maj::adressedefaut());
}

TEST(Enregistrement, GardeLeResteDuFichier)
{
    QTemporaryDir d;
    const QString chemin = maj::cheminparametres(d.path());
    ecritfichier(chemin, "; réglages\n[Autre]\nCLE=valeur gardée\n\n; section de la mise à jour\n[FTP]\n"
                         "CHECKMAJ=1\nAUTRE=x\nADRESS=http://127.0.0.1/vieux\n");
    maj::ecritparametres({QStringLiteral("http://127.0.0.1/neuf"), true, false}, chemin);
    // Lignes non vides, dans l'ordre (SimpleIni peut déplacer les lignes vides).
    const QList<QByteArray> attendu = {"; réglages", "[Autre]", "CLE=valeur gardée", "; section de la mise à jour",
                                       "[FTP]", "CHECKMAJ=0", "AUTRE=x", "ADRESS=http://127.0.0.1/neuf",
                                       "CHECKCONNECTION=1"};
    QList<QByteArray> lignes = litfichier(chemin).split('\n');
    lignes.removeAll(QByteArray());
    EXPECT_EQ(lignes, attendu);
}

TEST(Enregistrement, ImpossibleSansEffet)
{
    QTemporaryDir d;
    // Dossier qui est un fichier ordinaire ; chemin qui nomme un dossier.
    ecritfichier(d.filePath(QStringLiteral("fichier")), "x");
    const QString chemins[] = {maj::cheminparametres(d.filePath(QStringLiteral("fichier"))), d.path()};
    for (const QString &chemin : chemins) {
        maj::ecritparametres({QStringLiteral("http://127.0.0.1/"), false, true}, chemin);
        EXPECT_TRUE(maj::lireini(QStringLiteral("FTP"), QStringLiteral("ADRESS"), chemin).isEmpty());
    }
    EXPECT_EQ(litfichier(d.filePath(QStringLiteral("fichier"))), "x");
}

} // namespace
