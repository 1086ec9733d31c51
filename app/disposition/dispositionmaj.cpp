// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "app/disposition/dispositionmaj.h"

#include "app/controles/couleurs.h"
#include "app/controles/images.h"
#include "app/controles/ligneseule.h"
#include "app/disposition/disposition.h"
#include "config/parametres.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSize>

using namespace disposition;

namespace {

using couleurs::jaunepale;

constexpr Etiquette etiquettes[] = {
    {"Label1", 120, 1020, 5115, 975,
     "La mise à jour automatique utilise votre connexion internet pour télécharger le fichier des derniers "
     "taux de référence : cette fonction s'active automatiquement au lancement de l'application lorsque la date "
     "courante excède celle du dernier semestre connu.",
     Retour | Surbrillance, 0},
    // Haute de trois lignes : une police de bureau plus grande y renvoie « du fichier ».
    {"Label2", 120, 2070, 795, 780, "Adresse du fichier", Retour, jaunepale},
    // Sous l'adresse, montrée tant que c'est celle d'exemple de la construction ; le dialogue a
    // grandi d'une ligne pour elle (la case et les boutons sont 420 twips plus bas).
    {"avisadresse", 960, 2430, 4335, 480,
     "Adresse d'exemple, à remplacer pour que la mise à jour automatique fonctionne.", Retour, jaunepale},
};

constexpr Trait traits[] = {{"Line1", 120, 5280, 660, jaunepale}};

struct Bouton
{
    const char *nom;
    int gauche, haut, largeur, hauteur;
    const char *texte;
    bool graphique; // fond gris
};

constexpr Bouton boutons[] = {
    {"Boutonmanuel", 120, 120, 5175, 435, "Mise à jour manuelle", false},
    {"Valider", 120, 3360, 1455, 375, "&Ok", true},
    // Entre OK et Annuler : la fenêtre des taux saisis.
    {"Boutontaux", 1695, 3360, 2025, 375, "Taux de référence…", true},
    {"Annuler", 3840, 3360, 1455, 375, "&Annuler", true},
};

struct Case
{
    const char *nom;
    int gauche, haut, largeur, hauteur;
    const char *texte;
    bool gras;
};

constexpr Case cases[] = {
    {"CheckMaj", 120, 720, 4335, 255, "Activer la mise à jour automatique des taux", true},
    {"Checkconnection", 120, 2940, 3015, 255, "Test automatique de la connexion", false},
};

struct Image
{
    const char *nom;
    int gauche, haut, largeur, hauteur;
    const char *fichier;
};

// Les images des boutons sont posées sur leur bord gauche, au-dessus d'eux.
constexpr Image illustrations[] = {
    {"Image1", 4860, 720, 435, 435, "majglobe.png"},
    {"Picture2", 180, 3390, 305, 305, "majok.png"},
    {"Picture1", 3900, 3450, 210, 210, "majannuler.png"},
};

template <typename T> T *trouve(QWidget *parent, const char *nom)
{
    return parent->findChild<T *>(QString::fromUtf8(nom), Qt::FindDirectChildrenOnly);
}

} // namespace

QSize taillemaj()
{
    return {twips(5385), twips(3810)};
}

ControlesMaj construitmaj(QWidget *dialogue)
{
    ControlesMaj c{};
    for (const Bouton &b : boutons) {
        auto *w = new QPushButton(QString::fromUtf8(b.texte), dialogue);
        place(w, b.gauche, b.haut, b.largeur, b.hauteur, b.nom);
        if (b.graphique)
            couleurs::imposefond(w, QPalette::Button, couleurs::grisbouton);
    }
    for (const Case &k : cases) {
        auto *w = new QCheckBox(QString::fromUtf8(k.texte), dialogue);
        place(w, k.gauche, k.haut, k.largeur, k.hauteur, k.nom);
        // Fond violet du dialogue par transparence ; la case garde son fond blanc, visible.
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, QColor::fromRgb(jaunepale));
        w->setPalette(p);
        QFont f = w->font();
        f.setBold(k.gras);
        w->setFont(f);
    }
    creeetiquettes(dialogue, etiquettes);
    creetraits(dialogue, traits);

    auto *ftp = new QLineEdit(config::adressedefaut(), dialogue);
    place(ftp, 840, 2100, 4455, 285, "ftp");
    couleurs::imposefond(ftp, QPalette::Base, couleurs::rose);
    ligneseule(ftp);

    for (const Image &i : illustrations) {
        auto *w = new QLabel(dialogue);
        place(w, i.gauche, i.haut, i.largeur, i.hauteur, i.nom);
        // La variante @2x sur un écran à 200 %.
        w->setPixmap(images::icone(i.fichier).pixmap(images::taille(i.fichier), w->devicePixelRatioF()));
        w->setAlignment(Qt::AlignCenter);
        w->raise();
    }

    c.Boutonmanuel = trouve<QPushButton>(dialogue, "Boutonmanuel");
    c.Valider = trouve<QPushButton>(dialogue, "Valider");
    c.Annuler = trouve<QPushButton>(dialogue, "Annuler");
    c.Boutontaux = trouve<QPushButton>(dialogue, "Boutontaux");
    c.CheckMaj = trouve<QCheckBox>(dialogue, "CheckMaj");
    c.Checkconnection = trouve<QCheckBox>(dialogue, "Checkconnection");
    c.ftp = ftp;
    c.Label1 = trouve<QLabel>(dialogue, "Label1");
    c.Label2 = trouve<QLabel>(dialogue, "Label2");
    c.avisadresse = trouve<QLabel>(dialogue, "avisadresse");
    c.Image1 = trouve<QLabel>(dialogue, "Image1");
    c.Picture1 = trouve<QLabel>(dialogue, "Picture1");
    c.Picture2 = trouve<QLabel>(dialogue, "Picture2");
    return c;
}
