// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Fenêtre « Taux de référence » par ses vrais contrôles : ouverte par le lien sous le taux ou
// par le dialogue de mise à jour, sur le semestre proposé ; une saisie écrite et suivie aussitôt
// par la fenêtre principale ; un refus dit dans la fenêtre ; une saisie pendant la mise à jour
// automatique. Les chiffres sont ceux de la bibliothèque (tests/rates).
#include "tests/app/outils.h"

#include "app/fenetres/fenetretaux.h"
#include "rates/saisie.h"
#include "tests/serveuressai.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QDate jour(2011, 3, 15); // 1er semestre 2011, après la tête 2S2010 du fichier d'essai

DependancesFenetre horloge()
{
    DependancesFenetre monde;
    monde.horloge = [] { return QDateTime(jour, QTime(9, 30)); };
    return monde;
}

QByteArray litfichier(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

// Joue le geste dans la fenêtre des taux dès qu'elle est montrée, puis la ferme par « Fermer ».
void dansfenetretaux(const std::function<void(FenetreTaux &)> &geste)
{
    QTimer::singleShot(0, qApp, [geste] {
        auto *f = qobject_cast<FenetreTaux *>(QApplication::activeModalWidget());
        if (!f) {
            ADD_FAILURE() << "fenêtre des taux non montrée";
            return;
        }
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Taux de référence"));
        geste(*f);
        QTest::mouseClick(f->controles().Fermer, Qt::LeftButton);
    });
}

void tape(QLineEdit *champ, const QString &texte)
{
    champ->setFocus();
    QTest::keyClicks(champ, texte);
}

} // namespace

// Le lien, pris au clavier dans l'ordre de tabulation, ouvre la fenêtre sur le semestre qui
// suit la tête ; la saisie d'un TMOP montre la formule, l'ajout écrit le fichier et la fenêtre
// principale suit : année nouvelle, semestre choisi, nature sous le taux, lien caché.
TEST(FenetreTaux, AjoutDepuisLeLienSuiviParLaFenetrePrincipale)
{
    FenetreEssai e(tauxessai, QLocale(QLocale::French, QLocale::France), {}, {}, horloge());
    ASSERT_TRUE(e.c().ajouttaux->isVisible());
    e.c().imprimer->setFocus();
    QTest::keyClick(e.c().imprimer, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), e.c().ajouttaux);
    dansfenetretaux([&e](FenetreTaux &f) {
        const ControlesTaux &c = f.controles();
        EXPECT_EQ(c.semestre->currentData().toString(), QStringLiteral("1S2011"));
        EXPECT_EQ(c.semestre->currentText(), QStringLiteral("1er semestre 2011"));
        EXPECT_EQ(c.liste->rowCount(), 5);
        EXPECT_FALSE(c.Corriger->isEnabled());
        EXPECT_FALSE(c.Retirer->isEnabled());
        tape(c.tmop, QStringLiteral("3,23"));
        EXPECT_EQ(c.message->text(), taux::formule(3230));
        tape(c.source, QStringLiteral("lettre du 2 mars"));
        QTest::mouseClick(c.Ajouter, Qt::LeftButton);
        // Fenêtre principale suivie pendant que celle-ci reste ouverte.
        EXPECT_EQ(e.c().listeannee->itemText(0), QStringLiteral("2011"));
        EXPECT_EQ(c.liste->rowCount(), 6);
        EXPECT_EQ(c.liste->item(0, 0)->text(), QStringLiteral("1er semestre 2011"));
        EXPECT_EQ(c.liste->item(0, 2)->text(), QStringLiteral("saisi le 15/03/2011 : lettre du 2 mars"));
        EXPECT_TRUE(c.liste->item(0, 0)->toolTip().contains(QStringLiteral("lettre du 2 mars")));
        // Proposé ensuite : le semestre qui suit le jour, dernier permis.
        EXPECT_EQ(c.semestre->currentData().toString(), QStringLiteral("2S2011"));
        tape(c.tmop, QStringLiteral("3,1"));
        QTest::mouseClick(c.Ajouter, Qt::LeftButton);
    });
    QTest::keyClick(e.c().ajouttaux, Qt::Key_Return);
    EXPECT_TRUE(litfichier(e.fichier()).contains("1S2011\t4.85\r\n"));
    e.choisitannee(QStringLiteral("2011"));
    EXPECT_TRUE(e.c().semestre[0]->isEnabled());
    EXPECT_TRUE(e.c().semestre[1]->isEnabled());
    QTest::mouseClick(e.c().semestre[0], Qt::LeftButton);
    EXPECT_TRUE(e.c().mentiontaux->text().startsWith(QStringLiteral("taux saisi le 15/03/2011")));
    EXPECT_TRUE(e.c().mentiontaux->toolTip().contains(QStringLiteral("lettre du 2 mars")));
    EXPECT_FALSE(e.c().ajouttaux->isVisible()); // plus rien à ajouter pour le semestre du jour
}

// Chaque geste dans la fenêtre : ce que dit la ligne de message, et si le fichier change.
TEST(FenetreTaux, GestesEtMessages)
{
    struct Cas
    {
        const char *nom;
        std::function<void(const ControlesTaux &)> geste;
        QString message; // vide : celui de la bibliothèque, non vide
        bool ecrit;
    };
    const auto choisit = [](const ControlesTaux &c, const char *cle) {
        c.semestre->setCurrentIndex(c.semestre->findData(QString::fromLatin1(cle)));
    };
    const Cas cas[] = {
        {"taux_tape", [](const ControlesTaux &c) { tape(c.taux, QStringLiteral("4,5")); }, {}, true},
        {"tmop_trop_de_decimales", [](const ControlesTaux &c) { tape(c.tmop, QStringLiteral("3,2345")); }, {}, false},
        {"rien_tape", [](const ControlesTaux &) {},
         QStringLiteral("Indiquez le taux, ou le TMOP du semestre précédent."), false},
        {"taux_nul", [](const ControlesTaux &c) { tape(c.taux, QStringLiteral("0")); }, {}, false},
        {"taper_le_taux_efface_le_tmop",
         [](const ControlesTaux &c) {
             tape(c.tmop, QStringLiteral("3,23"));
             tape(c.taux, QStringLiteral("4"));
             EXPECT_EQ(c.tmop->text(), QString());
         },
         {},
         true},
        {"semestre_du_fichier_choisi_dans_la_liste",
         [choisit](const ControlesTaux &c) {
             c.liste->setFocus();
             QTest::keyClick(c.liste, Qt::Key_Down);
             EXPECT_EQ(c.semestre->currentData().toString(), QStringLiteral("2S2010"));
             EXPECT_EQ(c.taux->text(), QStringLiteral("3,35"));
             EXPECT_FALSE(c.Ajouter->isEnabled());
             EXPECT_FALSE(c.Retirer->isEnabled()); // ligne livrée
             choisit(c, "2S2011");
             EXPECT_TRUE(c.Ajouter->isEnabled());
         },
         QStringLiteral("Indiquez le taux, ou le TMOP du semestre précédent."), false},
    };
    for (const Cas &k : cas) {
        SCOPED_TRACE(k.nom);
        SansModale sans;
        FenetreEssai e(tauxessai, QLocale(QLocale::French, QLocale::France), {}, {}, horloge());
        const QByteArray avant = litfichier(e.fichier());
        FenetreTaux f(e.etat, jour, &e.f());
        k.geste(f.controles());
        QTest::mouseClick(f.controles().Ajouter, Qt::LeftButton);
        EXPECT_FALSE(f.controles().message->text().isEmpty());
        if (!k.message.isEmpty()) {
            EXPECT_EQ(f.controles().message->text(), k.message);
        }
        EXPECT_EQ(litfichier(e.fichier()) != avant, k.ecrit);
    }
}

// Une saisie ajoutée puis retirée par la fenêtre : le fichier revient octet pour octet, la
// liste des années aussi ; ouvert depuis le dialogue de mise à jour.
TEST(FenetreTaux, RetraitDepuisLeDialogueDeMiseAJour)
{
    FenetreEssai e(tauxessai, QLocale(QLocale::French, QLocale::France), {}, {}, horloge());
    const QByteArray avant = litfichier(e.fichier());
    QTimer::singleShot(0, e.maj.get(), [&e] {
        dansfenetretaux([&e](FenetreTaux &f) {
            EXPECT_EQ(f.parentWidget(), e.maj.get());
            const ControlesTaux &c = f.controles();
            tape(c.taux, QStringLiteral("4,1"));
            QTest::mouseClick(c.Ajouter, Qt::LeftButton);
            c.semestre->setCurrentIndex(c.semestre->findData(QStringLiteral("1S2011")));
            EXPECT_TRUE(c.Retirer->isEnabled());
            QTest::mouseClick(c.Retirer, Qt::LeftButton);
            EXPECT_EQ(e.c().listeannee->itemText(0), QStringLiteral("2010"));
        });
        QTest::mouseClick(e.maj->controles().Boutontaux, Qt::LeftButton);
        e.maj->reject();
    });
    QTest::mouseClick(e.c().Command1, Qt::LeftButton);
    EXPECT_EQ(litfichier(e.fichier()), avant);
    EXPECT_TRUE(e.c().ajouttaux->isVisible());
}

// Saisie enregistrée pendant que la mise à jour automatique télécharge : la saisie reste, le
// fichier téléchargé est abandonné, la fenêtre principale montre le semestre saisi.
TEST(FenetreTaux, SaisiePendantLaMiseAJourAutomatique)
{
    // Le fichier téléchargé porterait aussi le semestre saisi : seul le fichier changé l'écarte.
    const QByteArray telecharge = "2S2011\t5.5\r\n1S2011\t4.00\r\n" + tauxessai.mid(tauxessai.indexOf('\n') + 1);
    ServeurEssai serveur({ServeurEssai::reponse(telecharge)});
    const QByteArray ini = "[FTP]\nADRESS=" + serveur.adresse().toUtf8() + "\nCHECKCONNECTION=0\nCHECKMAJ=1\n";
    maj::Dependances dep;
    dep.aujourdhui = [] { return jour; };
    FenetreEssai e(tauxessai, QLocale(QLocale::French, QLocale::France), ini, dep, horloge(), Attente::affichage);
    serveur.avantreponse = [&e] {
        ASSERT_TRUE(e.c().ajouttaux->isVisible());
        dansfenetretaux([](FenetreTaux &f) {
            tape(f.controles().tmop, QStringLiteral("3,23"));
            QTest::mouseClick(f.controles().Ajouter, Qt::LeftButton);
        });
        QTest::mouseClick(e.c().ajouttaux, Qt::LeftButton);
    };
    e.attendsdemarre();
    EXPECT_EQ(serveur.requetes, 1);
    const QByteArray fichier = litfichier(e.fichier());
    EXPECT_TRUE(fichier.contains("1S2011\t4.85\r\n"));
    EXPECT_FALSE(fichier.contains("2S2011"));
    EXPECT_EQ(e.c().listeannee->itemText(0), QStringLiteral("2011"));
    EXPECT_EQ(e.etat.table.datefichiertaux, taux::datefichier(e.fichier()));
}
