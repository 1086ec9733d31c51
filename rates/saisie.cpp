// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/saisie.h"

#include "rates/semestre.h"
#include "rates/statut.h"

#include <QList>

#include <cmath>

namespace taux {

namespace {

enum class Lu { Ok, Illisible, TropDeDecimales };

// Nombre décimal exact en unités de 10^-decimales ; les zéros en trop à la fin sont permis.
Lu litdecimal(const QString &texte, int decimales, bool signepermis, qint64 &valeur)
{
    const QString t = texte.trimmed();
    qsizetype i = 0;
    bool negatif = false;
    if (signepermis && i < t.size() && (t.at(i) == u'-' || t.at(i) == u'+'))
        negatif = t.at(i++) == u'-';
    qint64 entier = 0;
    int chiffres = 0;
    for (; i < t.size() && t.at(i).isDigit() && t.at(i) <= u'9'; ++i, ++chiffres)
        if (chiffres < 12)
            entier = entier * 10 + t.at(i).digitValue();
    if (chiffres > 12)
        return Lu::Illisible;
    qint64 fraction = 0;
    int lues = 0;
    bool reste = false; // chiffre non nul au-delà des décimales permises
    if (i < t.size() && (t.at(i) == u',' || t.at(i) == u'.')) {
        for (++i; i < t.size() && t.at(i).isDigit() && t.at(i) <= u'9'; ++i, ++lues) {
            if (lues < decimales)
                fraction = fraction * 10 + t.at(i).digitValue();
            else if (t.at(i) != u'0')
                reste = true;
        }
    }
    if (i != t.size() || chiffres + lues == 0)
        return Lu::Illisible;
    if (reste)
        return Lu::TropDeDecimales;
    for (int d = lues; d < decimales; ++d)
        fraction *= 10;
    qint64 unite = 1;
    for (int d = 0; d < decimales; ++d)
        unite *= 10;
    valeur = (entier * unite + fraction) * (negatif ? -1 : 1);
    return Lu::Ok;
}

std::optional<qint64> litnombre(const QString &texte, QString *erreur, int decimales, bool signe, const QString &quoi,
                                const QString &exemple, const QString &nombremax)
{
    qint64 valeur = 0;
    const Lu lu = litdecimal(texte, decimales, signe, valeur);
    if (lu == Lu::Ok)
        return valeur;
    if (erreur) {
        *erreur = lu == Lu::Illisible
                      ? QStringLiteral("%1 « %2 » illisible : un nombre est attendu, par exemple %3.")
                            .arg(quoi, texte.trimmed(), exemple)
                      : QStringLiteral("%1 « %2 » refusé : %3 au plus.").arg(quoi, texte.trimmed(), nombremax);
    }
    return std::nullopt;
}

// Valeur entière en unités de 10^-decimales, écrite avec au moins minimum décimales.
QString decimal(qint64 valeur, int decimales, int minimum, QChar separateur)
{
    const qint64 absolu = valeur < 0 ? -valeur : valeur;
    qint64 unite = 1;
    for (int d = 0; d < decimales; ++d)
        unite *= 10;
    QString fraction = QStringLiteral("%1").arg(absolu % unite, decimales, 10, QLatin1Char('0'));
    while (fraction.size() > minimum && fraction.endsWith(u'0'))
        fraction.chop(1);
    return (valeur < 0 ? QStringLiteral("-") : QString()) + QString::number(absolu / unite) + separateur + fraction;
}

qint64 divisionentiere(qint64 a, qint64 b) // vers moins l'infini, b > 0
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Lignes du contenu : début du texte, fin du texte, fin de la ligne avec sa fin de ligne.
struct Ligne
{
    qsizetype debut = 0, fin = 0, suite = 0;
};

QList<Ligne> lignes(const QByteArray &contenu)
{
    QList<Ligne> resultat;
    qsizetype i = contenu.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < contenu.size()) {
        Ligne l{i, i, i};
        while (l.fin < contenu.size() && contenu.at(l.fin) != '\r' && contenu.at(l.fin) != '\n')
            ++l.fin;
        l.suite = l.fin;
        if (l.suite < contenu.size() && contenu.at(l.suite) == '\r')
            ++l.suite;
        if (l.suite < contenu.size() && contenu.at(l.suite) == '\n' && (l.suite == l.fin || contenu.at(l.fin) == '\r'))
            ++l.suite;
        resultat << l;
        i = l.suite;
    }
    return resultat;
}

QByteArray findeligne(const QByteArray &contenu, const QList<Ligne> &ls)
{
    if (ls.isEmpty() || ls.first().fin == ls.first().suite)
        return "\r\n";
    return contenu.mid(ls.first().fin, ls.first().suite - ls.first().fin);
}

// Texte sans virgule, tabulation ni fin de ligne, pour un commentaire du fichier des taux.
QString nettoie(QString texte)
{
    texte.replace(u',', QStringLiteral(" ; "));
    for (QChar &c : texte)
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    return texte.simplified().left(500);
}

Resultat refus(const QString &message)
{
    return {Resultat::Refuse, {}, message};
}

QString pourcent(qint64 centiemes)
{
    return textecentiemes(centiemes, u',') + QStringLiteral(" %");
}

} // namespace

std::optional<qint64> littaux(const QString &texte, QString *erreur)
{
    return litnombre(texte, erreur, 2, false, QStringLiteral("Taux"), QStringLiteral("4,85"),
                     QStringLiteral("deux décimales"));
}

std::optional<qint64> littmop(const QString &texte, QString *erreur)
{
    return litnombre(texte, erreur, 3, true, QStringLiteral("TMOP"), QStringLiteral("3,23"),
                     QStringLiteral("trois décimales"));
}

qint64 tauxdetmop(qint64 tmopmilliemes)
{
    return divisionentiere(3 * tmopmilliemes + 10, 20);
}

QString formule(qint64 tmopmilliemes)
{
    return QStringLiteral("1,5 × %1 = %2, arrondi au centième : %3")
        .arg(textemilliemes(tmopmilliemes, u','), decimal(15 * tmopmilliemes, 4, 2, u','),
             pourcent(tauxdetmop(tmopmilliemes)));
}

QString textecentiemes(qint64 centiemes, QChar separateur)
{
    return decimal(centiemes, 2, 2, separateur);
}

QString textemilliemes(qint64 milliemes, QChar separateur)
{
    return decimal(milliemes, 3, 2, separateur);
}

Semestre semestrepropose(const TableTaux &table, const QDate &aujourdhui)
{
    const auto tete = table.nbtaux >= 0 ? Semestre::lit(table.periodes[0]) : std::nullopt;
    return tete ? tete->suivant() : Semestre::de(aujourdhui);
}

Semestre dernierpermis(const QDate &aujourdhui)
{
    return Semestre::de(aujourdhui).suivant();
}

QByteArray enregistrement(const Saisie &saisie, const QString &remplace)
{
    QString texte =
        QStringLiteral("' %1 saisi le %2").arg(saisie.cle, saisie.date.toString(QStringLiteral("dd/MM/yyyy")));
    if (saisie.tmop)
        texte += QStringLiteral(" ; TMOP ") + textemilliemes(*saisie.tmop, u'.');
    if (!remplace.isEmpty())
        texte += QStringLiteral(" ; remplace ") + nettoie(remplace);
    const QString source = nettoie(saisie.source);
    if (!source.isEmpty())
        texte += QStringLiteral(" ; source : ") + source;
    return texte.toUtf8();
}

std::optional<InfoSaisie> litenregistrement(const QByteArray &ligne, const QString &cle)
{
    const QString texte = QString::fromUtf8(ligne);
    const QString tete = QStringLiteral("' %1 saisi le ").arg(cle);
    if (!texte.startsWith(tete))
        return std::nullopt;
    InfoSaisie info;
    info.date = QDate::fromString(texte.mid(tete.size(), 10), QStringLiteral("dd/MM/yyyy"));
    if (!info.date.isValid())
        return std::nullopt;
    const QString separateur = QStringLiteral(" ; ");
    QString reste = texte.mid(tete.size() + 10);
    while (reste.startsWith(separateur)) {
        reste.remove(0, separateur.size());
        if (reste.startsWith(QStringLiteral("source : "))) {
            info.source = reste.mid(9);
            break;
        }
        const qsizetype fin = reste.indexOf(separateur);
        const QString champ = reste.left(fin);
        reste = fin < 0 ? QString() : reste.mid(fin);
        if (champ.startsWith(QStringLiteral("TMOP ")))
            info.tmop = champ.mid(5);
        else if (champ.startsWith(QStringLiteral("remplace ")))
            info.remplace = champ.mid(9);
    }
    return info;
}

Resultat appliquesaisie(const QByteArray &contenu, const Saisie &saisie, const QDate &aujourdhui)
{
    TableTaux table;
    if (lisentrees(table, contenu) != Chargement::Ok)
        return refus(QStringLiteral("Le fichier des taux ne se lit pas : il faut le corriger à la main d'abord."));
    // Les lignes de données, dans l'ordre : elles doivent être les entrées que lit le chargeur.
    const QList<Ligne> ls = lignes(contenu);
    QList<qsizetype> donnees; // indice dans ls de chaque entrée
    for (qsizetype n = 0; n < ls.size(); ++n) {
        const QByteArray texte = contenu.mid(ls[n].debut, ls[n].fin - ls[n].debut);
        if (!texte.isEmpty() && !texte.startsWith('\''))
            donnees << n;
    }
    bool conforme = donnees.size() == table.nbtaux + 1;
    for (qsizetype k = 0; conforme && k < donnees.size(); ++k) {
        const Ligne &l = ls[donnees[k]];
        const QByteArray texte = contenu.mid(l.debut, l.fin - l.debut);
        conforme = !texte.contains(',') && !texte.contains('"') &&
                   QString::fromUtf8(texte.left(texte.indexOf('\t'))) == table.periodes[k];
    }
    if (!conforme)
        return refus(QStringLiteral("Le fichier des taux a une forme que la saisie ne sait pas modifier "
                                    "(virgule ou guillemet sur une ligne de taux) : le modifier à la main."));

    const auto semestre = Semestre::lit(saisie.cle);
    if (!semestre)
        return refus(QStringLiteral("Semestre « %1 » illisible : il s'écrit 1S2024 ou 2S2024.").arg(saisie.cle));
    int indice = -1;
    for (int i = 0; i <= table.nbtaux && indice < 0; ++i)
        if (table.periodes[i] == saisie.cle)
            indice = i;
    const QByteArray fdl = findeligne(contenu, ls);
    const QByteArray ligneTaux = saisie.cle.toUtf8() + '\t' + textecentiemes(saisie.centiemes, u'.').toLatin1();
    const auto remplace = [&](qsizetype debut, qsizetype fin, const QByteArray &par) {
        QByteArray nouveau = contenu;
        nouveau.replace(debut, fin - debut, par);
        return nouveau;
    };
    // Début de l'entrée : son commentaire d'enregistrement s'il en a un, sinon sa ligne.
    const auto debutentree = [&](int i) {
        const qsizetype n = donnees[i];
        return table.saisies[i].saisi() && n > 0 ? ls[n - 1].debut : ls[n].debut;
    };

    if (saisie.operation == Saisie::Retire) {
        if (indice < 0)
            return refus(QStringLiteral("%1 n'est pas dans le fichier des taux.").arg(saisie.cle));
        const InfoSaisie &info = table.saisies[indice];
        if (!info.saisi())
            return refus(QStringLiteral("%1 est une ligne livrée, pas une saisie : elle reste.").arg(saisie.cle));
        const Ligne &l = ls[donnees[indice]];
        if (info.remplace.isEmpty())
            return {Resultat::Retire, remplace(debutentree(indice), l.suite, {}),
                    QStringLiteral("%1 retiré").arg(saisie.cle)};
        const QByteArray livre = saisie.cle.toUtf8() + '\t' + info.remplace.toUtf8();
        return {Resultat::Retire, remplace(debutentree(indice), l.fin, livre),
                QStringLiteral("%1 remis au taux livré de %2 %")
                    .arg(saisie.cle, QString(info.remplace).replace(u'.', u','))};
    }

    if (!(saisie.centiemes > 0 && saisie.centiemes < 10000))
        return refus(QStringLiteral("Taux de %1 refusé : il doit être supérieur à 0 et inférieur à 100.")
                         .arg(pourcent(saisie.centiemes)));
    const Semestre permis = dernierpermis(aujourdhui);
    if (permis < *semestre)
        return refus(QStringLiteral("%1 refusé : le semestre le plus lointain permis aujourd'hui est le %2.")
                         .arg(saisie.cle, permis.libelle()));
    Saisie::Operation operation = saisie.operation;
    if (operation == Saisie::Fixe)
        operation = indice < 0 ? Saisie::Ajoute : Saisie::Corrige;

    if (operation == Saisie::Ajoute) {
        if (indice >= 0)
            return refus(QStringLiteral("%1 est déjà dans le fichier des taux : le corriger plutôt.").arg(saisie.cle));
        const auto tete = table.nbtaux >= 0 ? Semestre::lit(table.periodes[0]) : std::nullopt;
        if (tete && *semestre < *tete)
            return refus(QStringLiteral("%1 refusé : un ajout se fait en tête, après le %2 (aucune mise à jour "
                                        "ne pourrait l'apporter).")
                             .arg(saisie.cle, tete->libelle()));
        if (table.nbtaux + 1 >= capacite)
            return refus(QStringLiteral("Le fichier des taux a déjà %1 entrées : le programme n'en lit pas davantage.")
                             .arg(capacite));
        const QByteArray lignes = enregistrement(saisie) + fdl + ligneTaux + fdl;
        if (table.nbtaux >= 0) {
            const qsizetype debut = debutentree(0);
            return {Resultat::Ajoute, remplace(debut, debut, lignes),
                    QStringLiteral("%1 ajouté au taux de %2").arg(saisie.cle, pourcent(saisie.centiemes))};
        }
        // Fichier sans entrée : à la fin, après une fin de ligne s'il n'en a pas.
        const bool ouverte = !ls.isEmpty() && ls.last().fin == ls.last().suite;
        return {Resultat::Ajoute, contenu + (ouverte ? fdl : QByteArray()) + lignes,
                QStringLiteral("%1 ajouté au taux de %2").arg(saisie.cle, pourcent(saisie.centiemes))};
    }

    if (indice < 0)
        return refus(QStringLiteral("%1 n'est pas dans le fichier des taux : l'ajouter plutôt.").arg(saisie.cle));
    const qint64 actuel = std::llround(table.taux[indice] * 100);
    const auto publie = centiemespublies(saisie.cle);
    if (publie && saisie.centiemes != *publie)
        return refus(QStringLiteral("%1 est publié au Journal officiel : son taux ne peut être que %2.")
                         .arg(saisie.cle, pourcent(*publie)));
    if (actuel == saisie.centiemes)
        return {
            Resultat::Inchange,
            {},
            QStringLiteral("%1 a déjà le taux de %2 : rien n'est écrit").arg(saisie.cle, pourcent(saisie.centiemes))};
    const Ligne &l = ls[donnees[indice]];
    const InfoSaisie &info = table.saisies[indice];
    QByteArray lignes = ligneTaux;
    // Un taux du Journal officiel remis à son chiffre n'est plus une saisie.
    if (!publie) {
        const QByteArray texte = contenu.mid(l.debut, l.fin - l.debut);
        const QString ancien =
            info.saisi() ? info.remplace : QString::fromUtf8(texte.mid(texte.indexOf('\t') + 1)).trimmed();
        lignes = enregistrement(saisie, ancien) + fdl + ligneTaux;
    }
    return {Resultat::Corrige, remplace(debutentree(indice), l.fin, lignes),
            QStringLiteral("%1 corrigé : %2 au lieu de %3")
                .arg(saisie.cle, pourcent(saisie.centiemes),
                     QString::number(table.taux[indice], 'f', 2).replace(u'.', u',') + QStringLiteral(" %"))};
}

} // namespace taux
