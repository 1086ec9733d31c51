// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Chargement du fichier des taux par la fenêtre : rapports fatals, rechargement à l'activation.
#include "outils.h"

#include "app/controles/grille.h"
#include "app/systeme/fin.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <functional>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const char *const introuvable = "\\[Installation incomplète, ou mauvais paramètres\\] \\[Fichier des taux de crédit "
                                "gratuit introuvable. \\(Contrôler avant réinstallation la présence du fichier "
                                "BRUNELIX.TXT\\).\\] \\[critique\\]";
// Le fichier nommé en seconde ligne, la raison en troisième.
const char *const corrompu = "\\[Réinstallation nécessaire\\] \\[Fichier des taux de crédit gratuit corrompu\n"
                             "/[^]]*/BRUNELIX\\.TXT\n[^]\n]+\\] \\[critique\\]";

// Dans un processus fils : la fenêtre, puis la boucle d'événements comme dans main (elle
// ne démarre pas après un rapport fatal au chargement), où geste s'exécute avant la fin
// normale. Le fils sort avec le statut de la boucle, fenêtre et dossier détruits.
void demarre(const std::function<void(FenetreEssai &)> &geste, const QByteArray &contenu = tauxessai)
{
    fermeboitemodale();
    int statut = 0;
    {
        FenetreEssai e(contenu);
        QTimer::singleShot(0, e.c().montant, [&] {
            geste(e);
            fin::immediate();
        });
        statut = fin::boucle();
        std::fprintf(stderr, "montant « %s »\n", qPrintable(e.c().montant->text()));
    }
    std::exit(statut);
}

void charge(const QByteArray &contenu)
{
    demarre([](FenetreEssai &) { std::fprintf(stderr, "chargé\n"); }, contenu);
}

struct CasFatal
{
    const char *nom;
    QByteArray contenu;
    const char *message;
    friend void PrintTo(const CasFatal &c, std::ostream *os) { *os << c.nom; }
};

class RapportFatal : public ::testing::TestWithParam<CasFatal>
{
};

TEST_P(RapportFatal, MessagePuisFin)
{
    const auto &c = GetParam();
    EXPECT_EXIT(charge(c.contenu), ::testing::ExitedWithCode(1), c.message) << c.nom;
}

QByteArray entrees(int n)
{
    QByteArray s;
    for (int i = 0; i < n; ++i)
        s += "1S" + QByteArray::number(2200 - i) + "\t2.5\r\n";
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Cas, RapportFatal,
    ::testing::Values(CasFatal{"commentaires_seuls", "' rien\r\n\r\n", corrompu}, CasFatal{"vide", "", corrompu},
                      CasFatal{"sans_tabulation", "1S2010 3.47\r\n", corrompu},
                      CasFatal{"virgule_dans_commentaire", "' un, deux\r\n1S2010\t3.47\r\n", corrompu},
                      CasFatal{"cent_deux_entrees", entrees(102), corrompu},
                      CasFatal{"guillemet_non_ferme", "\"1S2010\t3.47\r\n", corrompu},
                      CasFatal{"annee_hors_limites", "1S99999\t3.47\r\n", corrompu},
                      CasFatal{"annees_toutes_nulles", "1Sabc\t3.47\r\n", corrompu}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(RapportFatal, CentUneEntreesSeChargent)
{
    EXPECT_EXIT(charge(entrees(101)), ::testing::ExitedWithCode(0), "chargé");
}

TEST(RapportFatal, FichierIntrouvable)
{
    EXPECT_EXIT(
        {
            fermeboitemodale();
            int statut = 0;
            {
                QTemporaryDir vide;
                EtatBrunelix etat;
                // Mode installé : ni le dossier du programme des tests ni les dossiers XDG
                // temporaires n'ont de fichier des taux.
                etat.emplacements = config::emplacements(vide.path(), QCoreApplication::applicationDirPath());
                const auto maj = chargeparametres(etat);
                FormBrunelix f(etat, *maj);
                f.charge();
                f.affiche();
                std::fprintf(stderr, "affichée %d\n", f.isVisible());
                statut = fin::encours() ? fin::boucle() : 0;
            }
            std::exit(statut);
        },
        ::testing::ExitedWithCode(1), std::string(introuvable) + ".*affichée 0");
}

// Plus tard, la boucle d'événements sort avec le statut 1 ; après la boîte, aucun
// gestionnaire ne s'exécute (la saisie est ignorée).
TEST(RapportFatal, FichierDisparuAvantActivation)
{
    EXPECT_EXIT(demarre([](FenetreEssai &e) {
                    QFile::remove(e.fichier());
                    e.f().active();
                    QTest::keyClicks(e.c().montant, "5");
                }),
                ::testing::ExitedWithCode(1), std::string(introuvable) + ".*montant « 100 »");
}

TEST(Activation, RechargeUnFichierModifie)
{
    SansModale sans;
    FenetreEssai e;
    ASSERT_EQ(e.c().listeannee->count(), 3);
    // Même date : rien n'est relu.
    ecrittaux(e.fichier(), "1S2030\t5.5\r\n");
    {
        QFile f(e.fichier());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(e.etat.table.datefichiertaux, QFileDevice::FileModificationTime);
    }
    e.f().active();
    EXPECT_EQ(e.c().listeannee->count(), 3);

    ecrittaux(e.fichier(), "1S2030\t5.5\r\n", 5);
    e.f().active();
    EXPECT_EQ(e.c().listeannee->count(), 1);
    EXPECT_EQ(e.c().listeannee->currentText(), QStringLiteral("2030"));
    EXPECT_EQ(e.c().tauxannuel->text(), QStringLiteral(" 5.5 %"));
    EXPECT_EQ(e.f().grille().colonnes(), 7);
}

// Quitter et fermer : fin par la boucle d'événements (le presse-papiers est remis au
// bureau), sans qu'aucun gestionnaire ne s'exécute ensuite.
TEST(Fin, BoutonQuitterEtFermeture)
{
    const std::function<void(FenetreEssai &)> gestes[] = {
        [](FenetreEssai &e) { QTest::mouseClick(e.c().arret, Qt::LeftButton); },
        [](FenetreEssai &e) { e.f().close(); },
    };
    for (const auto &geste : gestes)
        EXPECT_EXIT(demarre([&](FenetreEssai &e) {
                        geste(e);
                        QTest::keyClicks(e.c().montant, "5");
                        std::fprintf(stderr, "fin %d\n", fin::encours());
                    }),
                    ::testing::ExitedWithCode(0), "fin 1\nmontant « 100 »");
}

// Fermeture pendant qu'une bulle d'aide ou une liste est à l'écran : après la boucle, main
// efface les fenêtres puis traite les événements en attente (sync() sous X11) ; le processus
// finit, et l'alarme l'arrête s'il tourne en rond.
TEST(Fin, FermetureAvecFenetreSurgissante)
{
    const std::function<void(FenetreEssai &)> surgies[] = {
        [](FenetreEssai &e) {
            QToolTip::showText(e.c().imprimer->mapToGlobal(QPoint(4, 4)), QStringLiteral("Imprimer"), e.c().imprimer);
        },
        [](FenetreEssai &e) { e.c().listeannee->showPopup(); },
    };
    for (const auto &surgie : surgies)
        EXPECT_EXIT(
            {
                alarm(5);
                demarre([&](FenetreEssai &e) {
                    surgie(e);
                    std::fprintf(stderr, "surgie %d\n", QToolTip::isVisible() || QApplication::activePopupWidget());
                    e.f().close();
                    fin::efface();
                    QCoreApplication::processEvents();
                });
            },
            ::testing::ExitedWithCode(0), "surgie 1\nmontant");
}

} // namespace
