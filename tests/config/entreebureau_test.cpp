// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Fichiers du bureau : lecture selon la spécification des entrées de bureau, applications par
// défaut cherchées dans les dossiers XDG.
#include "config/applicationsdefaut.h"
#include "config/dossiers.h"
#include "config/entreebureau.h"

#include "tests/affichage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

using config::EntreeBureau;

const QByteArray entree = "# commentaire = non\n"
                          "Exec=avant tout groupe\n"
                          "[Desktop Entry]\n"
                          "Name=Éditeur\n"
                          "Name[fr]=Éditeur de texte\n"
                          "Name[fr_FR]=Éditeur (France)\n"
                          "Name[sr@latin]=Uređivač\n"
                          "Comment[de_DE@euro]=Euro\n"
                          "  Exec  =  gedit %U  \r\n"
                          "Escapes=a\\sb\\tc\\nd\\\\e\\;f\n"
                          "Dupliquee=premiere\n"
                          "Dupliquee=derniere\n"
                          "Name[fr=crochet non ferme\n"
                          "Name[]=langue vide\n"
                          "ligne sans egal\n"
                          "[Groupe mal ferme\n"
                          "Ignoree=oui\n"
                          "[Autre]\n"
                          "Exec=autre\n"
                          "[Desktop Entry]\n"
                          "Fusionnee=oui\n";

TEST(EntreeBureau, Valeurs)
{
    const QString longue(5000, u'x');
    const EntreeBureau e = EntreeBureau::depuis(entree + "Longue=" + longue.toUtf8() + "\n");
    const EntreeBureau latin = EntreeBureau::depuis("[Desktop Entry]\nName=caf\xe9\n");
    const struct
    {
        const char *groupe, *cle, *langue;
        std::optional<QString> attendu;
    } cas[] = {
        {"Desktop Entry", "Name", "", "Éditeur"},
        {"Desktop Entry", "Name", "fr_FR.UTF-8", "Éditeur (France)"},
        {"Desktop Entry", "Name", "fr_BE.UTF-8", "Éditeur de texte"},
        {"Desktop Entry", "Name", "fr", "Éditeur de texte"},
        {"Desktop Entry", "Name", "sr_RS@latin", "Uređivač"},
        {"Desktop Entry", "Name", "de_DE", "Éditeur"},
        {"Desktop Entry", "Comment", "de_DE.ISO-8859-15@euro", "Euro"},
        {"Desktop Entry", "Comment", "de_DE", std::nullopt},
        {"Desktop Entry", "Exec", "", "gedit %U"},
        {"Desktop Entry", "Escapes", "", "a b\tc\nd\\e;f"},
        {"Desktop Entry", "Dupliquee", "", "derniere"},
        {"Desktop Entry", "Fusionnee", "", "oui"},
        {"Desktop Entry", "Name", "fr_CA", "Éditeur de texte"},
        {"Desktop Entry", "Ignoree", "", std::nullopt},
        {"Desktop Entry", "Longue", "", longue},
        {"Groupe mal ferme", "Ignoree", "", std::nullopt},
        {"Autre", "Exec", "", "autre"},
        {"Absent", "Exec", "", std::nullopt},
    };
    for (const auto &c : cas)
        EXPECT_EQ(e.valeur(QString::fromUtf8(c.groupe), QString::fromUtf8(c.cle), QString::fromUtf8(c.langue)),
                  c.attendu)
            << c.cle << " " << c.langue;
    // Pas de repli Windows-1252 : un octet invalide reste invalide.
    EXPECT_EQ(latin.valeur(QStringLiteral("Desktop Entry"), QStringLiteral("Name")), QStringLiteral("caf\ufffd"));
}

TEST(EntreeBureau, Listes)
{
    const struct
    {
        const char *valeur;
        QStringList attendu;
    } cas[] = {
        {"a.desktop;b.desktop;", {"a.desktop", "b.desktop"}},
        {";;a.desktop", {"a.desktop"}},
        {"a\\;b;c", {"a;b", "c"}},
        {"a\\\\;b", {"a\\", "b"}},
        {"fin\\", {"fin\\"}},
        {"", {}},
    };
    for (const auto &c : cas) {
        const EntreeBureau e = EntreeBureau::depuis(QByteArray("[Default Applications]\ntext/plain=") + c.valeur);
        EXPECT_EQ(e.liste(QStringLiteral("Default Applications"), QStringLiteral("text/plain")), c.attendu) << c.valeur;
    }
    EXPECT_TRUE(EntreeBureau::lit(QStringLiteral("/nulle/part")).liste(QString(), QString()).isEmpty());
}

void ecrit(const QString &chemin, const QByteArray &contenu)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

// Variables d'environnement posées le temps d'un essai, rendues ensuite.
class Variables
{
  public:
    explicit Variables(std::initializer_list<std::pair<const char *, QString>> valeurs)
    {
        for (const auto &[nom, valeur] : valeurs) {
            anciennes_.emplace_back(nom, qgetenv(nom));
            qputenv(nom, valeur.toUtf8());
        }
    }
    ~Variables()
    {
        for (const auto &[nom, valeur] : anciennes_)
            qputenv(nom, valeur);
    }

  private:
    std::vector<std::pair<const char *, QByteArray>> anciennes_;
};

// Listes du bureau courant avant les générales, réglages avant données, chaque fichier pris
// dans le premier dossier qui l'a ; une valeur XDG relative est ignorée.
TEST(ApplicationsDefaut, OrdreDesDossiers)
{
    QTemporaryDir d;
    const QString maison = d.path();
    const Variables v{{"HOME", maison},
                      {"XDG_CONFIG_HOME", QStringLiteral("relatif/config")},
                      {"XDG_DATA_HOME", QStringLiteral("relatif/donnees")},
                      {"XDG_CONFIG_DIRS", maison + QStringLiteral("/etc")},
                      {"XDG_DATA_DIRS", maison + QStringLiteral("/usr")},
                      {"XDG_CURRENT_DESKTOP", QStringLiteral("X-Essai:GNOME")}};
    const QString perso = maison + QStringLiteral("/.local/share/applications/");
    const QString systeme = maison + QStringLiteral("/usr/applications/");
    for (const QString &f : {perso + QStringLiteral("perso.desktop"), systeme + QStringLiteral("gnome.desktop"),
                             systeme + QStringLiteral("general.desktop"), systeme + QStringLiteral("etc.desktop"),
                             systeme + QStringLiteral("perso.desktop"), systeme + QStringLiteral("relatif.desktop")})
        ecrit(f, "[Desktop Entry]\nExec=x\n");
    const QByteArray debut = "[Default Applications]\ntext/plain=";
    ecrit(maison + QStringLiteral("/.config/gnome-mimeapps.list"), debut + "absent.desktop;gnome.desktop");
    ecrit(maison + QStringLiteral("/.config/mimeapps.list"), debut + "general.desktop;perso.desktop");
    ecrit(maison + QStringLiteral("/etc/mimeapps.list"), debut + "etc.desktop\n[Autre]\ntext/plain=x.desktop");
    ecrit(maison + QStringLiteral("/relatif/config/mimeapps.list"), debut + "relatif.desktop");
    const QStringList attendu = {systeme + QStringLiteral("gnome.desktop"), systeme + QStringLiteral("general.desktop"),
                                 perso + QStringLiteral("perso.desktop"), systeme + QStringLiteral("etc.desktop")};
    const QString ici = QDir::currentPath();
    QDir::setCurrent(maison); // une valeur relative lue telle quelle désignerait ces fichiers
    EXPECT_EQ(config::applicationsdefaut(QStringLiteral("text/plain")), attendu);
    EXPECT_TRUE(config::applicationsdefaut(QStringLiteral("text/html")).isEmpty());
    QDir::setCurrent(ici);
}

// Dossier proposé pour un PDF : celui des documents quand il existe, sinon le dossier personnel.
TEST(Documents, DossierDesDocumentsOuMaison)
{
    const struct
    {
        const char *nom;
        QByteArray userdirs; // vide : pas de fichier
        const char *cree;    // sous-dossier créé ; vide : aucun
        const char *attendu; // sous-dossier attendu ; vide : la maison
    } cas[] = {
        {"rien", "", "", ""},
        {"documents_par_defaut", "", "Documents", "Documents"},
        {"dossier_de_l_utilisateur", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n", "Docs", "Docs"},
        {"dossier_absent", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n", "Documents", ""},
        {"relatif_ignore", "XDG_DOCUMENTS_DIR=\"Docs\"\n", "Documents", "Documents"},
    };
    for (const auto &c : cas) {
        QTemporaryDir d;
        const QString maison = d.path();
        const Variables v{{"HOME", maison}, {"XDG_CONFIG_HOME", maison + QStringLiteral("/.config")}};
        if (!c.userdirs.isEmpty())
            ecrit(maison + QStringLiteral("/.config/user-dirs.dirs"), "# xdg-user-dirs\n" + c.userdirs);
        if (*c.cree)
            QDir(maison).mkdir(QString::fromUtf8(c.cree));
        EXPECT_EQ(config::documents(), *c.attendu ? maison + u'/' + QString::fromUtf8(c.attendu) : maison) << c.nom;
    }
}

} // namespace
