// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Mise à jour automatique contre un serveur local : échéance, connexion, acceptation
// du corps, remplacement entier ou fichier des taux intact à l'octet près.
#include "config/ecriture.h"
#include "update/acceptation.h"
#include "update/refus.h"
#include "update/telechargement.h"
#include "update/verification.h"

#include "tests/limitefichiers.h"
#include "tests/serveuressai.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

#include <optional>

namespace {

using Envoi = ServeurEssai::Envoi;

const QByteArray ancien = "' ancien\r\n2S2001\t4.1\r\n1S2001\t4.2\r\n";
const QByteArray neuf = "' neuf\r\n2S2001\t3.5\r\n1S2001\t4.2";

// Table lue d'un contenu de fichier des taux.
taux::TableTaux table(const QByteArray &contenu)
{
    taux::TableTaux t;
    EXPECT_EQ(taux::lisentrees(t, contenu), taux::Chargement::Ok);
    return t;
}

enum Adresse { Serveur, Vide, Dossier, SousFichier, Ftp, Fichier, DisquePlein, Blancs };

struct CasMaj
{
    const char *nom;
    QString cle;
    QDate aujourdhui;
    QList<Envoi> envois;
    bool remplace;
    int requetes; // requêtes reçues par le serveur
    bool checkconnection = false;
    bool connecte = true;
    int tests = 0; // appels du test de connexion
    Adresse adresse = Serveur;
    QByteArray attendu = neuf + "\r\n"; // contenu après remplacement
    friend void PrintTo(const CasMaj &c, std::ostream *os) { *os << c.nom; }
};

class Verification : public ::testing::TestWithParam<CasMaj>
{
};

TEST_P(Verification, RemplaceOuGardeIntact)
{
    const auto &c = GetParam();
    QTemporaryDir d;
    QString fichier = d.filePath(QStringLiteral("BRUNELIX.TXT"));
    {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ancien);
    }
    // « Impossible à écrire » même pour root : un chemin qui nomme un dossier, ou
    // un fichier dont le dossier est un fichier ordinaire.
    if (c.adresse == Dossier) {
        fichier = d.filePath(QStringLiteral("dossier"));
        ASSERT_TRUE(QDir(d.path()).mkdir(QStringLiteral("dossier")));
    } else if (c.adresse == SousFichier) {
        fichier += QStringLiteral("/BRUNELIX.TXT");
    }
    ServeurEssai serveur(c.envois);
    int tests = 0;
    int attentes = 0;
    maj::Dependances dep;
    dep.aujourdhui = [&] { return c.aujourdhui; };
    dep.connexion = [&] { return ++tests, c.connecte; };
    dep.delai = std::chrono::milliseconds(1500);
    dep.attente = [&](bool debut) { attentes += debut ? 1 : -1; };
    QString adresse = c.adresse == Vide ? QString() : serveur.adresse();
    if (c.adresse == Ftp || c.adresse == Fichier) // schémas refusés sans requête
        adresse.replace(QStringLiteral("http:"), c.adresse == Ftp ? QStringLiteral("ftp:") : QStringLiteral("file:"));
    if (c.adresse == Blancs)
        adresse = u' ' + adresse + QStringLiteral(" \t");
    // Table en usage : celle de l'ancien fichier, la clé de tête remplacée par celle du cas.
    taux::TableTaux enusage = table(ancien);
    enusage.periodes[0] = c.cle;
    const maj::Demande demande{enusage, adresse, c.checkconnection, fichier, QString()};

    std::optional<LimiteFichiers> plein;
    if (c.adresse == DisquePlein)
        plein.emplace();
    // Échéance dure, quoi que le serveur envoie : une vérification encore en cours longtemps
    // après le délai (une machine chargée retarde, sans plus) est un échec, et ses connexions
    // sont coupées pour qu'elle rende la main.
    QTimer gardien;
    gardien.setSingleShot(true);
    QObject::connect(&gardien, &QTimer::timeout, &serveur, [&serveur] {
        ADD_FAILURE() << "vérification encore en cours 30 s après son début";
        for (QTcpSocket *s : serveur.findChildren<QTcpSocket *>())
            s->abort();
    });
    gardien.start(30000);
    const bool remplace = maj::verifiemaj(demande, dep);
    gardien.stop();
    plein.reset();
    EXPECT_EQ(remplace, c.remplace);
    // Une connexion coupée avant que Qt ait lu sa réponse peut être reprise une fois par lui
    // (machine chargée) : une requête de plus au plus, jamais un fichier remplacé.
    const bool coupe =
        std::any_of(c.envois.cbegin(), c.envois.cend(), [](const Envoi &e) { return e.fin == ServeurEssai::Coupe; });
    EXPECT_GE(serveur.requetes, c.requetes);
    EXPECT_LE(serveur.requetes, c.requetes + (coupe ? 1 : 0));
    EXPECT_EQ(tests, c.tests);
    EXPECT_EQ(attentes, 0);
    QFile f(d.filePath(QStringLiteral("BRUNELIX.TXT")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), c.remplace ? c.attendu : ancien);
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // aucun fichier temporaire laissé
}

const QDate juillet2001(2001, 7, 1), janvier2002(2002, 1, 1);
const Envoi ok = ServeurEssai::reponse(neuf);

// Plus que ce que les tampons du système gardent entre les deux bouts d'une connexion locale.
QByteArray enorme()
{
    return "HTTP/1.1 200 OK\r\nContent-Length: 67108864\r\n\r\n" + neuf + "\r\n" + QByteArray(64 * 1024 * 1024, '\'');
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Verification,
    ::testing::Values(
        CasMaj{"cle_1S2001_veille", "1S2001", QDate(2001, 6, 30), {ok}, false, 0},
        CasMaj{"cle_1S2001_le_jour", "1S2001", juillet2001, {ok}, true, 1},
        CasMaj{"cle_2S2001_veille", "2S2001", QDate(2001, 12, 31), {ok}, false, 0},
        CasMaj{"cle_2S2001_le_jour", "2S2001", QDate(2002, 1, 1), {ok}, true, 1},
        CasMaj{"cle_premier_autre", "3S2001", juillet2001, {ok}, true, 1},
        CasMaj{"cle_annee_illisible", "1Sabcd", juillet2001, {ok}, true, 1},
        CasMaj{"cle_trop_longue", "1S20011", juillet2001, {ok}, true, 1},
        CasMaj{"cle_vide", "", juillet2001, {ok}, false, 0, true, true, 0},
        CasMaj{"connexion_testee", "1S2001", juillet2001, {ok}, true, 1, true, true, 1},
        CasMaj{"sans_connexion", "1S2001", juillet2001, {ok}, false, 0, true, false, 1},
        CasMaj{"adresse_vide_apres_le_test", "1S2001", juillet2001, {ok}, false, 0, true, true, 1, Vide},
        CasMaj{"not_found_au_milieu",
               "1S2001",
               juillet2001,
               {ServeurEssai::reponse(neuf + "\r\n' Not Found\r\n")},
               false,
               1},
        CasMaj{"not_found_minuscules",
               "1S2001",
               juillet2001,
               {ServeurEssai::reponse(neuf + "\r\n' not found")},
               true,
               1,
               false,
               true,
               0,
               Serveur,
               neuf + "\r\n' not found\r\n"},
        CasMaj{"corps_fini_par_crlf",
               "1S2001",
               juillet2001,
               {ServeurEssai::reponse(neuf + "\r\n")},
               true,
               1,
               false,
               true,
               0,
               Serveur,
               neuf + "\r\n\r\n"},
        CasMaj{"redirection_http",
               "1S2001",
               juillet2001,
               {{"HTTP/1.1 302 Found\r\nLocation: /autre\r\nContent-Length: 0\r\n\r\n"}, ok},
               true,
               2},
        CasMaj{"serveur_muet", "1S2001", juillet2001, {{"", ServeurEssai::Muet}}, false, 1},
        CasMaj{"corps_64_mio", "1S2001", juillet2001, {{enorme()}}, false, 1},
        CasMaj{"page_404", "1S2001", juillet2001, {ServeurEssai::reponse(neuf, 404)}, false, 1},
        CasMaj{"page_500", "1S2001", juillet2001, {ServeurEssai::reponse(neuf, 500)}, false, 1},
        CasMaj{
            "pas_un_fichier_des_taux", "1S2001", juillet2001, {ServeurEssai::reponse("<html>erreur</html>")}, false, 1},
        CasMaj{"guillemet_non_ferme", "1S2001", juillet2001, {ServeurEssai::reponse("\"2S2001\t3.5\r\n")}, false, 1},
        CasMaj{"coupure_en_plein_corps",
               "1S2001",
               juillet2001,
               {{"HTTP/1.1 200 OK\r\nContent-Length: 400\r\n\r\n" + neuf + "\r\n", ServeurEssai::Coupe}},
               false,
               1},
        CasMaj{"redirection_ftp",
               "1S2001",
               juillet2001,
               {{"HTTP/1.1 302 Found\r\nLocation: ftp://127.0.0.1/BRUNELIX.TXT\r\nContent-Length: 0\r\n\r\n"}},
               false,
               1},
        CasMaj{"chemin_qui_nomme_un_dossier", "1S2001", juillet2001, {ok}, false, 1, false, true, 0, Dossier},
        CasMaj{"dossier_qui_est_un_fichier", "1S2001", juillet2001, {ok}, false, 1, false, true, 0, SousFichier},
        CasMaj{"adresse_ftp", "1S2001", juillet2001, {ok}, false, 0, false, true, 0, Ftp},
        CasMaj{"adresse_file", "1S2001", juillet2001, {ok}, false, 0, false, true, 0, Fichier},
        CasMaj{"disque_plein", "1S2001", juillet2001, {ok}, false, 1, false, true, 0, DisquePlein},
        CasMaj{"entetes_sans_fin", "1S2001", juillet2001, {{"HTTP/1.1 200 OK\r\n", ServeurEssai::Flot}}, false, 1},
        CasMaj{"plus_ancien", "1S2001", juillet2001, {ServeurEssai::reponse("2S2000\t4.3\r\n1S2000\t4.4")}, false, 1},
        CasMaj{"plus_ancien_d_abord",
               "1S2001",
               juillet2001,
               {ServeurEssai::reponse("1S2001\t4.2\r\n2S2001\t3.5")},
               false,
               1},
        CasMaj{"premiere_cle_vide", "1S2001", juillet2001, {ServeurEssai::reponse("\t3.5\r\n1S2001\t4.2")}, false, 1},
        CasMaj{
            "taux_illisibles", "1S2001", juillet2001, {ServeurEssai::reponse("2S2001\tabc\r\n1S2001\txyz")}, false, 1},
        CasMaj{"partiel_206_corps_coupe", "1S2001", juillet2001, {ServeurEssai::reponse("2S2001\t3.", 206)}, false, 1},
        CasMaj{"taux_le_plus_recent_0",
               "1S2001",
               juillet2001,
               {ServeurEssai::reponse("2S2001\t0\r\n1S2001\t4.2")},
               false,
               1},
        CasMaj{
            "morceau_de_taille_malformee",
            "2S2001",
            janvier2002,
            {{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n16\r\n1S2002\t3\r\n2S2001\t4.1\r\n\r\nzz\r\n\r\n"}},
            false,
            1},
        CasMaj{"coupure_entre_morceaux",
               "2S2001",
               janvier2002,
               {{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n16\r\n1S2002\t3\r\n2S2001\t4.1\r\n\r\n",
                 ServeurEssai::Coupe}},
               false,
               1},
        CasMaj{"adresse_entouree_de_blancs", "1S2001", juillet2001, {ok}, true, 1, false, true, 0, Blancs}),
    [](const auto &info) { return std::string(info.param.nom); });

// Acceptation d'un corps, telle que les cibles de fuzzing l'appellent : en usage « 1S2001 4.2 »
// (sauf mention), le 1er juillet 2001.
TEST(Acceptation, StatutTailleEtChargement)
{
    QByteArray cent; // 101 entrées, de 2S2001 à 2S1951
    for (int annee = 2001; annee > 1950; --annee)
        cent += "2S" + QByteArray::number(annee) + "\t3\r\n" +
                (annee > 1951 ? "1S" + QByteArray::number(annee) + "\t3\r\n" : "");
    const struct
    {
        int statut;
        QByteArray corps;
        bool accepte;
        QByteArray enusage = "1S2001\t4.2";
    } cas[] = {{200, neuf, true},
               {204, neuf, false},
               {199, neuf, false},
               {300, neuf, false},
               {200, "", false},
               {200, "' commentaire", false},
               {200, "1S99999\t3", false},
               {200, neuf + QByteArray(maj::taillemaxcorps - neuf.size(), '\''), true},
               {200, neuf + QByteArray(maj::taillemaxcorps - neuf.size() + 1, '\''), false},
               {203, neuf, true},
               {206, neuf, false},
               {200, neuf, false, "1S2002\t3"},
               {200, neuf, true, "2S2001\t3\r\n1S2001\t4.2"},
               {200, neuf + "\r\n", true, ""},
               {200, "2S2001\t99.99\r\n1S2001\t4.2", true},
               {200, "2S2001\t100\r\n1S2001\t4.2", false},
               {200, "1s2002\t3\r\n1S2001\t4.2", false},
               {200, "1S202\t3\r\n1S2001\t4.2", false},
               {200, "1S2001\t3\r\n1S2001\t4.2", false},
               // Semestre suivant celui d'aujourd'hui au plus.
               {200, "1S2002\t3\r\n1S2001\t4.2", true},
               {200, "2S2002\t3\r\n1S2001\t4.2", false},
               {200, "1S2099\t3\r\n1S2001\t4.2", false},
               // Taux suivants de 0 à moins de 100, octet NUL.
               {200, "2S2001\t3\r\n1S2001\t0", false},
               {200, "2S2001\t3\r\n1S2001\t0\n", true, ""},
               {200, "2S2001\t3\r\n1S2001\t-1", false, ""},
               {200, "2S2001\t3\r\n1S2001\t100", false, ""},
               {200, neuf + '\0', false},
               // Semestres en usage : tous présents ; sans fin de ligne, la dernière entrée est une
               // entrée en usage (clé et taux).
               {200, "2S2001\t3", false},
               {200, "2S2001\t3\r\n1S2001\t4", false},
               {200, "2S2001\t3\r\n1S2001\t4\r\n", true},
               {200, "2S2001\t3\r\n1S2001\t4\r", true},
               {200, "2S2001\t3\r\n1S2001\t4\r\n' fin", false},
               {200, "2S2001\t3\r\n1S2001\t4.2\r\n' fin", true},
               {200, "2S2001\t3\r\n1S2001\t4.2\r\n2S2000\t5", false},
               {200, "2S2001\t3\r\n1S2001\t4.2\r\n2S2000\t5\n", true},
               {200, "2S2001\t3\r\n1S2001\t4.2", false, "1S2001\t4.2\r\n2S2000\t4.3"},
               {200, "2S2001\t3\r\n2S2000\t4.3", true, "2S2000\t4.3\r\n1S2001x\t4"},
               {200, "2S2001\t3\r\n2S2000\t4", false, "2S2000\t4.3\r\n2S2000\t4.3"},
               {200, "2S2001\t3\r\n2S2000\t4.3", true, "2S2000\t4.3\r\n2S2000\t4"},
               {200, cent, true, "1S2001\t3\r\n2S1950\t3"},
               {200, cent.left(cent.size() - 10), false, "1S2001\t3\r\n2S1950\t3"}};
    for (const auto &c : cas) {
        taux::TableTaux enusage;
        ASSERT_EQ(taux::lisentrees(enusage, c.enusage), taux::Chargement::Ok);
        EXPECT_EQ(maj::acceptecorps(c.statut, c.corps, enusage, juillet2001), c.accepte)
            << c.statut << " " << c.corps.left(40).constData() << " " << c.enusage.constData();
    }
}

// Requête envoyée : GET, agent « Mozilla », sans cache ; 5 redirections suivies, la 6e refusée.
TEST(Requete, EnTetesEtRedirections)
{
    ServeurEssai serveur({ok});
    EXPECT_TRUE(maj::telecharge(serveur.adresse()).complete);
    ASSERT_EQ(serveur.recues.size(), 1);
    const QByteArray &requete = serveur.recues.first();
    EXPECT_TRUE(requete.startsWith("GET /BRUNELIX.TXT HTTP/1.1\r\n")) << requete.constData();
    for (const char *entete :
         {"\r\nUser-Agent: Mozilla\r\n", "\r\nCache-Control: no-cache\r\n", "\r\nPragma: no-cache\r\n"})
        EXPECT_TRUE(requete.contains(entete)) << entete;

    ServeurEssai cinq({ok}), six({ok});
    EXPECT_EQ(maj::telecharge(cinq.adresse(QStringLiteral("/r5"))).corps,
              ok.octets.mid(ok.octets.indexOf("\r\n\r\n") + 4));
    EXPECT_FALSE(maj::telecharge(six.adresse(QStringLiteral("/r6"))).complete);
    for (const QByteArray &r : six.recues)
        EXPECT_FALSE(r.startsWith("GET /r0 ")) << r.constData();
}

// Corps trop gros : abandonné dès qu'il dépasse 1 Mio, le serveur voit la connexion fermée avant la fin.
TEST(Requete, CorpsTropGrosAbandonneEnCours)
{
    ServeurEssai serveur({{enorme()}});
    EXPECT_FALSE(maj::telecharge(serveur.adresse()).complete);
    EXPECT_TRUE(QTest::qWaitFor([&] { return serveur.abandons > 0; }, 2000));
}

// Fenêtre modale ouverte pendant le transfert et fermée après l'échéance : une réponse finie
// avant est gardée, une réponse inachevée est abandonnée.
TEST(Requete, FenetreModaleAuDelaDeLEcheance)
{
    for (const Envoi &envoi : {ok, Envoi{"", ServeurEssai::Muet}}) {
        ServeurEssai serveur({envoi});
        QTimer::singleShot(0, [] {
            QEventLoop modale;
            QTimer::singleShot(800, &modale, &QEventLoop::quit);
            modale.exec();
        });
        const maj::Reponse r = maj::telecharge(serveur.adresse(), std::chrono::milliseconds(400));
        EXPECT_EQ(r.complete, envoi.fin == ServeurEssai::Ferme);
        EXPECT_EQ(r.corps, envoi.fin == ServeurEssai::Ferme ? neuf : QByteArray());
    }
}

// Proxy du système, lu dans l'environnement : une adresse que seul le proxy atteint passe par lui ;
// un proxy qui refuse ou qui ne répond pas est un échec ; une adresse locale va en direct.
TEST(Requete, ProxyDuSysteme)
{
    const Envoi refus = ServeurEssai::reponse("", 407, "Proxy-Authenticate: Basic realm=\"x\"\r\n");
    const struct
    {
        const char *variable;
        QString adresse; // vide : le serveur lui-même
        Envoi envoi;
        bool complete;
        QByteArray ligne; // ligne de requête reçue par le proxy ; vide : aucune
        bool arrete = false;
    } cas[] = {
        {"http_proxy", "http://taux.invalid/BRUNELIX.TXT", ok, true, "GET http://taux.invalid/BRUNELIX.TXT HTTP/1.1"},
        {"HTTP_PROXY", "http://taux.invalid/BRUNELIX.TXT", ok, true, "GET http://taux.invalid/BRUNELIX.TXT HTTP/1.1"},
        {"http_proxy", "http://taux.invalid/BRUNELIX.TXT", refus, false, "GET http://taux.invalid/BRUNELIX.TXT "},
        {"https_proxy", "https://taux.invalid/BRUNELIX.TXT", refus, false, "CONNECT taux.invalid:443 HTTP/1.1"},
        {"http_proxy", "http://taux.invalid/BRUNELIX.TXT", ok, false, "", true},
        {"http_proxy", "", ok, true, "", true},
    };
    for (const auto &c : cas) {
        ServeurEssai proxy({c.envoi}), serveur({ok});
        qputenv(c.variable, c.arrete ? QByteArray("http://127.0.0.1:1") : proxy.adresse(QString()).toUtf8());
        const maj::Reponse r =
            maj::telecharge(c.adresse.isEmpty() ? serveur.adresse() : c.adresse, std::chrono::milliseconds(1500));
        qunsetenv(c.variable);
        EXPECT_EQ(r.complete, c.complete) << c.variable << " " << qPrintable(c.adresse);
        EXPECT_EQ(r.corps, c.complete ? neuf : QByteArray());
        EXPECT_EQ(proxy.recues.value(0).left(c.ligne.size()), c.ligne);
        EXPECT_EQ(proxy.recues.size(), c.ligne.isEmpty() ? 0 : 1);
    }
}

// Saisie enregistrée pendant le téléchargement : elle l'emporte, le téléchargement est abandonné.
// Refus noté dans les réglages avec sa raison, effacé par la mise à jour suivante, où le
// fichier du fabricant remplace la valeur saisie.
TEST(Verification, SaisiePendantLeTelechargementEtRefusNote)
{
    QTemporaryDir d;
    const QString fichier = d.filePath(QStringLiteral("BRUNELIX.TXT"));
    const QString ini = d.filePath(QStringLiteral("Brunelix.ini"));
    const QByteArray saisi = "' 1S2002 saisi le 08/12/2001\r\n1S2002\t3.3\r\n" + ancien;
    ASSERT_TRUE(config::remplacefichier(fichier, ancien));
    maj::Dependances dep;
    QDate jour = janvier2002;
    dep.aujourdhui = [&] { return jour; };
    maj::Demande demande{table(ancien), QString(), false, fichier, ini};
    demande.table.fichiertaux = fichier;

    ServeurEssai lent({ServeurEssai::reponse("1S2002\t3\r\n" + ancien)});
    lent.avantreponse = [&] { ASSERT_TRUE(config::remplacefichier(fichier, saisi)); };
    demande.adresse = lent.adresse();
    EXPECT_FALSE(maj::verifiemaj(demande, dep));
    QFile f(fichier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), saisi);
    f.close();

    jour = QDate(2002, 7, 1); // la tête saisie 1S2002 est échue
    demande.table = table(saisi);
    demande.table.fichiertaux = fichier;
    ServeurEssai sans({ServeurEssai::reponse(ancien)});
    demande.adresse = sans.adresse();
    EXPECT_FALSE(maj::verifiemaj(demande, dep));
    EXPECT_EQ(maj::dernierrefus(ini), QStringLiteral("mise à jour refusée le 01/07/2002 : 1S2002 absent du fichier "
                                                     "téléchargé"));

    ServeurEssai avec({ServeurEssai::reponse("1S2002\t3\r\n" + ancien)});
    demande.adresse = avec.adresse();
    EXPECT_TRUE(maj::verifiemaj(demande, dep));
    EXPECT_EQ(maj::dernierrefus(ini), QString());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "1S2002\t3\r\n" + ancien + "\r\n");
}

} // namespace
