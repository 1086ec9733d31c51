// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Dialogue de mise à jour par ses vrais contrôles : focus, Entrée, Échap, images,
// enregistrement ; mise à jour manuelle ; mise à jour automatique au chargement.
#include "tests/app/outils.h"

#include "app/systeme/fin.h"
#include "tests/serveuressai.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace {

const QByteArray iniancien = "[FTP]\nADRESS=http://127.0.0.1/vieux\nCHECKCONNECTION=1\nCHECKMAJ=0\n";

QByteArray litfichier(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
}

// Clique sur Command1 et joue le geste dans le dialogue modal ; revient quand il est caché.
void ouvre(FenetreEssai &e, const std::function<void(Maj &)> &geste)
{
    QTimer::singleShot(0, e.maj.get(), [&] {
        QApplication::setActiveWindow(e.maj.get());
        if (!QTest::qWaitForWindowActive(e.maj.get()))
            ADD_FAILURE() << "dialogue non montré";
        geste(*e.maj);
        if (e.maj->isVisible()) {
            ADD_FAILURE() << "dialogue resté ouvert";
            e.maj->reject();
        }
    });
    QTest::mouseClick(e.c().Command1, Qt::LeftButton);
}

struct CasFermeture
{
    const char *nom;
    std::function<void(Maj &)> geste;
    bool enregistre;
    friend void PrintTo(const CasFermeture &c, std::ostream *os) { *os << c.nom; }
};

class Fermeture : public ::testing::TestWithParam<CasFermeture>
{
};

TEST_P(Fermeture, EnregistreOuGarde)
{
    const auto &c = GetParam();
    FenetreEssai e(tauxessai, QLocale(QLocale::French, QLocale::France), iniancien);
    const QString ini = e.dossier.filePath(QStringLiteral("Brunelix.ini"));
    ouvre(e, [&](Maj &m) {
        QLineEdit *ftp = m.controles().ftp;
        ftp->setFocus();
        ftp->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("http://127.0.0.1/neuf\r\n")); // fin de ligne retirée
        ftp->paste();
        QTest::mouseClick(m.controles().CheckMaj, Qt::LeftButton);
        // Le fichier des taux change : le retour à la fenêtre est une activation.
        ecrittaux(e.fichier(), "1S2030\t5.5\r\n", 5);
        c.geste(m);
    });
    EXPECT_FALSE(e.maj->isVisible());
    EXPECT_EQ(e.c().listeannee->currentText(), QStringLiteral("2030"));
    EXPECT_EQ(e.maj->controles().ftp->text(), QStringLiteral("http://127.0.0.1/neuf"));
    EXPECT_EQ(litfichier(ini),
              c.enregistre ? "[FTP]\nADRESS=http://127.0.0.1/neuf\nCHECKCONNECTION=1\nCHECKMAJ=1\n" : iniancien);
    // Rouvert : les contrôles montrent ce qui a été tapé.
    ouvre(e, [](Maj &m) {
        EXPECT_EQ(m.controles().ftp->text(), QStringLiteral("http://127.0.0.1/neuf"));
        m.reject();
    });
}

void clic(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Fermeture,
    ::testing::Values(CasFermeture{"bouton_ok", [](Maj &m) { clic(m.controles().Valider); }, true},
                      CasFermeture{"image_ok", [](Maj &m) { clic(m.controles().Picture2); }, true},
                      CasFermeture{"entree_dans_l_adresse",
                                   [](Maj &m) { QTest::keyClick(m.controles().ftp, Qt::Key_Return); }, true},
                      CasFermeture{"entree_sur_ok",
                                   [](Maj &m) {
                                       m.controles().Valider->setFocus();
                                       QTest::keyClick(m.controles().Valider, Qt::Key_Return);
                                   },
                                   true},
                      CasFermeture{"entree_sur_mise_a_jour_manuelle",
                                   [](Maj &m) {
                                       m.controles().Boutonmanuel->setFocus();
                                       QTest::keyClick(m.controles().Boutonmanuel, Qt::Key_Return);
                                   },
                                   true},
                      CasFermeture{"entree_sur_annuler",
                                   [](Maj &m) {
                                       m.controles().Annuler->setFocus();
                                       QTest::keyClick(m.controles().Annuler, Qt::Key_Return);
                                   },
                                   false},
                      CasFermeture{"bouton_annuler", [](Maj &m) { clic(m.controles().Annuler); }, false},
                      CasFermeture{"image_annuler", [](Maj &m) { clic(m.controles().Picture1); }, false},
                      CasFermeture{"echap", [](Maj &m) { QTest::keyClick(m.controles().ftp, Qt::Key_Escape); }, false},
                      CasFermeture{"barre_de_titre", [](Maj &m) { m.close(); }, false}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(Dialogue, FocusEtOrdreDeTabulation)
{
    FenetreEssai e;
    ouvre(e, [](Maj &m) {
        const ControlesMaj &c = m.controles();
        const QList<QWidget *> attendu = {c.CheckMaj, c.Annuler,    c.ftp,         c.Checkconnection,
                                          c.Valider,  c.Boutontaux, c.Boutonmanuel};
        EXPECT_EQ(QApplication::focusWidget(), c.Boutonmanuel);
        // Adresse d'exemple de la construction : la ligne qui dit de la remplacer, tant qu'elle reste.
        EXPECT_TRUE(c.avisadresse->isVisible());
        QTest::keyClicks(c.ftp, "x");
        EXPECT_FALSE(c.avisadresse->isVisible());
        QTest::keyClick(c.ftp, Qt::Key_Backspace);
        EXPECT_TRUE(c.avisadresse->isVisible());
        c.Boutonmanuel->setFocus();
        for (QWidget *w : attendu) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), w) << w->objectName().toStdString();
        }
        m.reject();
    });
}

// Faux éditeur « gedit » : chaque lancement ajoute ses arguments au journal, puis attend.
struct FauxEditeur
{
    QTemporaryDir dossier;
    QString journal = dossier.filePath(QStringLiteral("journal"));
    FauxEditeur()
    {
        QFile script(dossier.filePath(QStringLiteral("gedit")));
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\necho $$ >> '" + journal.toUtf8() + ".pid'\necho \"lancé : $*\" >> '" +
                     journal.toUtf8() + "'\nwhile :; do /bin/sleep 1; done\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", dossier.path().toUtf8());
        // Aucun éditeur par défaut déclaré par le bureau.
        for (const char *v : {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"})
            qputenv(v, dossier.path().toUtf8());
    }
};

// Dans un processus fils : Espace sur Boutonmanuel (focus initial), puis ce qui reste.
enum Editeur { Ferme, DejaOuvert };

int essaimanuelle(Editeur editeur)
{
    FauxEditeur faux;
    if (editeur == DejaOuvert) {
        QProcess::startDetached(faux.dossier.filePath(QStringLiteral("gedit")), {QStringLiteral("autre.txt")});
        if (!QTest::qWaitFor([&] { return QFile::exists(faux.journal); }, 5000))
            std::fprintf(stderr, "faux éditeur pas lancé\n");
    }
    FenetreEssai e;
    const QString ini = e.dossier.filePath(QStringLiteral("Brunelix.ini"));
    QTimer::singleShot(0, e.c().Command1, [&] {
        QTimer::singleShot(0, e.maj.get(), [&] {
            QApplication::setActiveWindow(e.maj.get());
            if (!QTest::qWaitForWindowActive(e.maj.get()))
                std::fprintf(stderr, "dialogue non montré\n");
            ecrittaux(e.fichier(), "1S2030\t5.5\r\n", 5);
            QTest::keyClick(e.maj->controles().ftp, u'x');
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
        QTest::mouseClick(e.c().Command1, Qt::LeftButton);
    });
    const int code = QApplication::exec();
    // Le faux éditeur écrit son journal ; un lancement de trop aurait le temps de s'y ajouter.
    if (!QTest::qWaitFor([&] { return litfichier(faux.journal).count('\n') >= 1; }, 5000))
        std::fprintf(stderr, "journal incomplet\n");
    QTest::qWait(200);
    std::fprintf(stderr, "sortie %d, fin %d, années %d, réglages %s, %sfin du journal\n", code, fin::encours(),
                 static_cast<int>(e.c().listeannee->count()), QFile::exists(ini) ? "écrits" : "absents",
                 litfichier(faux.journal).replace('\n', " | ").constData());
    std::fflush(stderr);
    for (const QByteArray &pid : litfichier(faux.journal + QStringLiteral(".pid")).split('\n'))
        if (pid.toInt() > 0)
            ::kill(pid.toInt(), SIGKILL);
    return code;
}

void manuelle(Editeur editeur)
{
    const int code = essaimanuelle(editeur); // dossiers temporaires supprimés avant la sortie
    std::_Exit(code);
}

TEST(Manuelle, EditeurLanceOuReleveEtFin)
{
    // Lancé sur le fichier des taux ; déjà ouvert : rien de lancé. Pas d'activation
    // (le fichier changé n'est pas relu), rien d'enregistré.
    EXPECT_EXIT(manuelle(Ferme), ::testing::ExitedWithCode(0),
                "sortie 0, fin 1, années 3, réglages absents, lancé : /[^ ]*/BRUNELIX.TXT \\| fin du journal");
    EXPECT_EXIT(manuelle(DejaOuvert), ::testing::ExitedWithCode(0),
                "sortie 0, fin 1, années 3, réglages absents, lancé : autre.txt \\| fin du journal");
}

// Sans éditeur : un message nomme le fichier des taux ; après OK le dialogue reste ouvert
// et le programme continue.
void sansediteur()
{
    FauxEditeur faux; // aucun éditeur déclaré par le bureau
    QTemporaryDir vide;
    qputenv("PATH", vide.path().toUtf8());
    FenetreEssai e;
    fermeboitemodale();
    ouvre(e, [](Maj &m) {
        QTest::mouseClick(m.controles().Boutonmanuel, Qt::LeftButton);
        std::fprintf(stderr, "dialogue %s, fin %d\n", m.isVisible() ? "ouvert" : "caché", fin::encours());
        m.reject();
    });
    std::fflush(stderr);
    std::_Exit(0);
}

TEST(Manuelle, SansEditeurMessageEtDialogueOuvert)
{
    EXPECT_EXIT(sansediteur(), ::testing::ExitedWithCode(0),
                "\\[Mise à jour manuelle\\] \\[Aucun éditeur de texte n'a pu être lancé.\n"
                "Le fichier des taux à modifier est :\n/[^]]*/BRUNELIX.TXT\\] \\[autre\\]\n"
                "dialogue ouvert, fin 0");
}

// Démarrage avec la mise à jour due : la fenêtre est montrée d'abord ; pendant le
// téléchargement, l'utilisateur choisit une année, un semestre, un montant et ouvre un détail.
// Le fichier reçu est écrit et relu : la période et le montant restent ; le tableau et l'onglet
// ne changent que si le taux de cette période a changé ; un avis discret le dit.
TEST(Automatique, LaPeriodeDeLUtilisateurResteALaMiseAJour)
{
    SansModale sans;
    const QByteArray suite = tauxessai.mid(tauxessai.indexOf('\n') + 1).chopped(2);
    const struct
    {
        const char *nom;
        QByteArray corps;
        int onglet;
        QString cellule; // 3 mois, colonne 1, à 250 € au 1er semestre 2009
    } cas[] = {
        {"même taux", "1S2011\t5.5\r\n" + suite, 2, "248,43"},
        {"taux changé", "1S2011\t5.5\r\n" + QByteArray(suite).replace("3.79", "4.79"), 0, "248,00"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        ServeurEssai serveur({ServeurEssai::reponse(c.corps)});
        // Adresse enregistrée entre guillemets avec des blancs autour : téléchargée quand même.
        const QByteArray ini =
            "[FTP]\nADRESS=\" " + serveur.adresse().toUtf8() + " \"\nCHECKCONNECTION=0\nCHECKMAJ=1\n";
        maj::Dependances dep;
        dep.aujourdhui = [] { return QDate(2011, 1, 1); };
        DependancesFenetre monde;
        monde.horloge = [] { return QDateTime(QDate(2011, 1, 1), QTime(10, 42)); };
        FenetreEssai e(tauxessai, QLocale(QLocale::French, QLocale::France), ini, dep, monde, Attente::affichage);
        serveur.avantreponse = [&e] {
            EXPECT_TRUE(e.f().isVisible());
            e.choisitannee(QStringLiteral("2009"));
            QTest::mouseClick(e.c().semestre[0], Qt::LeftButton);
            e.c().montant->selectAll();
            QTest::keyClicks(e.c().montant, QStringLiteral("250"));
            e.doubleclic(1, 1);
        };
        e.attendsdemarre();
        EXPECT_EQ(serveur.requetes, 1);
        EXPECT_EQ(e.maj->Inet, u' ' + serveur.adresse() + u' ');
        EXPECT_EQ(litfichier(e.fichier()), c.corps + "\r\n");
        EXPECT_EQ(e.c().listeannee->count(), 4);
        EXPECT_EQ(e.c().listeannee->currentText(), QStringLiteral("2009"));
        EXPECT_TRUE(e.c().semestre[0]->isChecked());
        EXPECT_EQ(e.c().montant->text(), QStringLiteral("250"));
        EXPECT_EQ(e.c().onglets->currentIndex(), c.onglet);
        EXPECT_EQ(e.cellule(1, 1), c.cellule);
        EXPECT_EQ(e.c().avistaux->text(), QStringLiteral("Taux mis à jour à 10:42"));
        EXPECT_EQ(e.etat.table.datefichiertaux, taux::datefichier(e.fichier()));
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        // L'avis dure jusqu'au prochain changement de montant ou de période.
        QTest::keyClicks(e.c().montant, QStringLiteral("0"));
        EXPECT_EQ(e.c().avistaux->text(), QString());
    }

    // Décoché : aucune requête.
    ServeurEssai serveur({ServeurEssai::reponse("1S2011\t5.5\r\n")});
    FenetreEssai sansmaj(tauxessai, QLocale(QLocale::French, QLocale::France),
                         "[FTP]\nADRESS=" + serveur.adresse().toUtf8() + "\n");
    EXPECT_EQ(serveur.requetes, 0);
}

} // namespace
