// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#pragma once
// Taux saisis par l'utilisateur : lecture des nombres tapés, taux tiré d'un TMOP en entiers,
// ajout, correction et retrait d'un semestre dans le contenu du fichier des taux.
//
// Le contenu est édité octet par octet : seules les deux lignes de l'entrée changent
// (commentaire d'enregistrement, puis « 2S2024<TAB>4.85 »), avec la fin de ligne de la
// première ligne du fichier (CR LF quand il n'en a pas). Le commentaire d'enregistrement :
//   ' 2S2024 saisi le 08/12/2026 ; TMOP 3.23 ; remplace 5.06 ; source : lettre du 2 décembre
// (« TMOP », « remplace » et « source » seulement quand il y a lieu ; la source en dernier,
// ses virgules écrites « ; », tabulations et fins de ligne en blancs). Retirer une entrée
// saisie ôte ses deux lignes (ajouter puis retirer rend le fichier octet pour octet) ; une
// ligne livrée corrigée retrouve la valeur qu'elle remplaçait.

#include "rates/tabletaux.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

namespace taux {

struct Semestre;

// Nombre tapé, virgule ou point décimal, blancs autour ignorés. nullopt et *erreur (message
// en français) quand ce n'est pas un nombre ou qu'il a trop de décimales.
// Taux : deux décimales au plus, en centièmes. TMOP : trois décimales au plus, signe moins
// permis, en millièmes.
std::optional<qint64> littaux(const QString &texte, QString *erreur = nullptr);
std::optional<qint64> littmop(const QString &texte, QString *erreur = nullptr);

// Taux en centièmes tiré du TMOP du semestre précédent en millièmes : ⌊(3 × TMOP + 10) / 20⌋,
// soit 1,5 × TMOP arrondi au centième, demi vers le haut (3,23 : 4,85 ; 1,325 : 1,99).
qint64 tauxdetmop(qint64 tmopmilliemes);

// Formule avec ses chiffres, à montrer avant l'enregistrement :
// « 1,5 × 3,23 = 4,845, arrondi au centième : 4,85 % ».
QString formule(qint64 tmopmilliemes);

// Centièmes écrits avec deux décimales et le séparateur donné (« 4.85 » dans le fichier,
// « 4,85 » à l'écran) ; millièmes du TMOP avec deux ou trois décimales (« 3.23 », « 1.325 »).
QString textecentiemes(qint64 centiemes, QChar separateur);
QString textemilliemes(qint64 milliemes, QChar separateur);

// Semestre proposé pour un ajout : celui qui suit l'entrée de tête (table vide ou tête
// illisible : celui du jour) ; dernier permis : celui qui suit le semestre du jour.
Semestre semestrepropose(const TableTaux &table, const QDate &aujourdhui);
Semestre dernierpermis(const QDate &aujourdhui);

struct Saisie
{
    enum Operation {
        Ajoute,  // semestre absent, plus récent que la tête
        Corrige, // semestre présent
        Fixe,    // Ajoute ou Corrige selon sa présence (ligne de commande)
        Retire,  // semestre saisi
    };
    Operation operation = Fixe;
    QString cle;                // « 2S2024 »
    qint64 centiemes = 0;       // taux (sauf Retire)
    std::optional<qint64> tmop; // millièmes, quand le taux en est tiré
    QString source;             // facultative, telle que tapée
    QDate date;                 // jour de la saisie
};

struct Resultat
{
    enum Etat { Ajoute, Corrige, Retire, Inchange, Refuse };
    Etat etat = Refuse;
    QByteArray contenu; // nouveau contenu (Ajoute, Corrige, Retire) ; sinon vide
    QString message;    // une ligne en français : ce qui est fait ou la raison du refus
};

// Applique la saisie au contenu d'un fichier des taux. Refus (contenu inchangé) : clé mal
// formée ; taux pas > 0 ou pas < 100 ; semestre après celui qui suit le jour ; ajout d'un
// semestre plus ancien que la tête ou déjà présent ; fichier de 101 entrées ; correction d'un
// semestre absent, ou d'un semestre du Journal officiel à autre chose que son chiffre publié ;
// retrait d'une ligne livrée non corrigée ; contenu que le chargeur refuse ou dont les lignes
// ne se lisent pas comme ses entrées. Inchangé : le semestre a déjà ce taux.
Resultat appliquesaisie(const QByteArray &contenu, const Saisie &saisie, const QDate &aujourdhui);

// Commentaire d'enregistrement (sans fin de ligne) et sa lecture : nullopt quand la ligne
// n'enregistre pas cette clé.
QByteArray enregistrement(const Saisie &saisie, const QString &remplace = {});
std::optional<InfoSaisie> litenregistrement(const QByteArray &ligne, const QString &cle);

} // namespace taux
