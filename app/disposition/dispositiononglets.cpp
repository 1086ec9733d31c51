// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Onglets « Aide » et « Détail » : étiquettes, barres de fraction et étiquettes de valeurs.
#include "app/disposition/dispositiononglets.h"

#include "app/controles/couleurs.h"

namespace disposition {

namespace {

constexpr int h = 195; // hauteur d'une ligne de texte

constexpr QRgb rouge = couleurs::rougeaide;
constexpr QRgb gris = couleurs::grisaide;
constexpr QRgb bleu = couleurs::bleuaide;

constexpr Etiquette aide[] = {
    // D'abord le droit d'aujourd'hui et les taux saisis ; les textes d'origine suivent sous leur titre.
    {"Label46", 60, 420, 5655, 3300,
     "Depuis le 1er mai 2011, la remise n'est plus obligatoire (loi n° 2010-737 du 1er juillet 2010) : les "
     "tableaux restent une référence pour les ventes conclues avant cette date et pour les vendeurs qui accordent "
     "encore la remise. Seuls les taux de 1S2007 à 2S2010 sont ceux des avis du Journal officiel ; les autres "
     "(2006, et depuis le 1er semestre 2011) ne sont pas officiels : ils sont calculés selon l'ancienne règle "
     "(1,5 × le TMOP du semestre précédent).\n"
     "Pour une vente après le dernier semestre connu : « Ajouter un taux », sous le taux (ou « Mise à jour », "
     "puis « Taux de référence… »), ajoute ce semestre à partir du TMOP du semestre précédent, que le Journal "
     "officiel publie chaque semestre ; la formule et le taux calculé sont montrés avant l'enregistrement.\n"
     "Une mise à jour automatique qui apporte un semestre saisi remplace la valeur saisie ; un fichier téléchargé "
     "auquel manque un semestre saisi est refusé : la fenêtre « Taux de référence » en donne la raison, retirez "
     "alors ce semestre. Programme installé : quand une nouvelle version apporte un fichier des taux plus récent "
     "que votre copie, c'est lui qui est lu ; votre copie reste sur le disque.",
     Retour, 0},
    {"Label47", 60, 3780, 5655, 255, "Jusqu'au 30 avril 2011 :", Retour | Gras, 0},
    {"Label6", 60, 4080, 5655, 855,
     "Selon l'article L. 311-7 du Code de la consommation, lorsqu'un commerçant propose un "
     "crédit gratuit sur l'achat d'un produit, le client qui paie comptant bénéficie d'une "
     "remise sur le prix affiché (sauf s'il s'agit d'une opération mentionnée à l'article "
     "L. 311-3 du Code de la consommation).",
     Retour, 0},
    {"Label7", 60, 4860, 5655, 495,
     "Cette remise s'applique aux crédits gratuits de plus de trois mois pour un montant "
     "inférieur à 21500 € (art. D. 311-1 du Code de la consommation)",
     Retour, 0},
    {"Label8", 60, 5340, 5655, 675,
     "Attention : Ces dispositions s'appliquent, non seulement au crédit gratuit, mais aussi "
     "aux cas dans lesquels le vendeur prend à sa charge une partie des frais de crédit "
     "supportés par l'acheteur.",
     Retour, rouge},
    {"Label9", 60, 6180, 5655, 495,
     "Ce module de calcul établit le tableau du prix comptant (ou remisé) pour un montant "
     "donné.",
     Retour | Gras, 0},
    {"Label10", 60, 6660, 5655, 495,
     "Pour connaître le détail d'un calcul, double-cliquez sur la cellule concernée du "
     "tableau",
     Retour | Gras, gris},
    {"Label11", 60, 7440, 5655, 435,
     "Note : pour restituer les tableaux publiés au Journal Officiel par les Avis du Ministère "
     "des Finances, indiquez la valeur 100 dans la case Montant.",
     Retour, bleu},
};

// Textes fixes du détail, ligne par ligne, dans l'ordre de lecture de la formule.
constexpr Etiquette detail[] = {
    // Ligne 1 : taux annuel et nombre de mois
    {"Label12", 60, 420, 0, h, "Taux annuel", Normal, 0},
    {"Label13", 1080, 420, 0, h, "A =", Normal, 0},
    {"Label14", 2100, 420, 0, h, "%", Normal, 0},
    {"Label15", 3240, 420, 0, h, "Nombre de mois", Normal, 0},
    {"Label16", 4560, 420, 0, h, "n = ", Normal, 0},
    // Ligne 2 : taux mensuel approché
    {"Label17", 60, 900, 0, h, "Taux mensuel approché", Normal, 0},
    {"Label18", 1860, 900, 0, h, "T = 1 +", Normal, 0},
    {"Label19", 2640, 780, 0, h, "A", Normal, 0},
    {"Label20", 2460, 1080, 0, h, "1200", Normal, 0},
    {"Label21", 2940, 900, 0, h, "= 1 +", Normal, 0},
    {"Label22", 3420, 1080, 0, h, "1200", Normal, 0},
    {"Label23", 3900, 900, 0, h, "=", Normal, 0},
    // Ligne 3
    {"Label24", 60, 1380, 0, h, "Coefficient d'actualisation :", Normal, 0},
    // Ligne 4 : formule symbolique
    {"Label25", 60, 2160, 0, h, "C = ", Normal, 0},
    {"Label26", 1020, 1680, 0, h, "1", Normal, 0},
    {"Label27", 900, 2040, 0, h, "T", Normal, 0},
    {"Label28", 1080, 1935, 0, h, "n", Normal, 0},
    {"Label29", 1380, 1800, 0, h, "- 1", Normal, 0},
    {"Label30", 540, 2460, 0, h, "(", Normal, 0},
    {"Label31", 780, 2340, 0, h, "1", Normal, 0},
    {"Label32", 780, 2640, 0, h, "T", Normal, 0},
    {"Label33", 1260, 2460, 0, h, "- 1 ) x n x T", Normal, 0},
    {"Label34", 2100, 2160, 0, h, "=", Normal, 0},
    // Ligne 4 : même formule avec les valeurs
    {"Label35", 3300, 1680, 1755, h, "1", Centre, 0},
    {"Label36", 5100, 1800, 0, h, "- 1", Normal, 0},
    {"Label37", 2400, 2460, 0, h, "(", Normal, 0},
    {"Label38", 2580, 2340, 975, h, "1", Centre, 0},
    {"Label39", 3660, 2460, 0, h, "- 1 ) x", Normal, 0},
    {"Label40", 4500, 2460, 0, h, "x", Normal, 0},
    // Ligne 5
    {"Label41", 180, 3120, 0, h, "=", Normal, 0},
    // Ligne 6 : prix
    {"Label42", 60, 3840, 0, h, "Prix =  C x", Normal, 0},
    {"Label43", 1680, 3840, 0, h, "=", Normal, 0},
    {"Label44", 2880, 3840, 0, h, "x", Normal, 0},
    {"Label45", 4020, 3840, 0, h, "=", Normal, 0},
};

// Barres de fraction ; Line7 n'existe pas.
constexpr Trait traits[] = {
    {"Line1", 2460, 2880, 1020}, // A / 1200
    {"Line2", 3420, 3840, 1020}, // v2 / 1200
    {"Line3", 600, 1980, 2280},  // barre principale symbolique
    {"Line4", 840, 1320, 1920},  // 1 / T^n
    {"Line5", 720, 1080, 2580},  // 1 / T
    {"Line6", 2460, 5460, 2280}, // barre principale avec valeurs
    {"Line8", 3300, 5040, 1920}, // 1 / v4^v5
    {"Line9", 2580, 3540, 2580}, // 1 / v6
};

// Étiquettes de valeurs remplies par le calcul du détail ; « T » et « n » sont provisoires.
constexpr Etiquette valeurs[] = {
    {"v0", 1440, 420, 615, h, "", Normal, 0},    {"v1", 4920, 420, 735, h, "", Normal, 0},
    {"v2", 3360, 720, 495, h, "", Centre, 0},    {"v3", 4080, 900, 1215, h, "", Normal, 0},
    {"v4", 2760, 2040, 1695, h, "T", Droite, 0}, {"v5", 4500, 1935, 570, h, "n", Normal, 0},
    {"v6", 2460, 2640, 1215, h, "T", Centre, 0}, // élargie autour du même centre
    {"v7", 4080, 2460, 375, h, "", Centre, 0},   {"v8", 4620, 2460, 1155, h, "T", Normal, 0}, // élargie jusqu'au bord
    {"v9", 420, 3120, 2535, h, "", Normal, 0},   {"v10", 840, 3840, 855, h, "", Normal, 0},
    {"v11", 1800, 3840, 975, h, "", Centre, 0},  {"v12", 3000, 3840, 975, h, "", Centre, 0},
    {"v13", 4380, 3840, 1215, h, "", Gras, 0},
};

} // namespace

const std::span<const Etiquette> etiquettesaide{aide};
const std::span<const Etiquette> etiquettesdetail{detail};
const std::span<const Trait> traitsdetail{traits};
const std::span<const Etiquette> valeursdetail{valeurs};
const Etiquette remisedetail{"remise", 60, 4035, 5655, h, "", Normal, 0};

} // namespace disposition
