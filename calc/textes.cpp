// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "calc/textes.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace calcul {

namespace {

// Décomposition décimale d'un double sur 15 chiffres significatifs :
// chiffres (sans zéros de fin), exposant décimal du premier chiffre, signe.
struct Decimal
{
    std::string chiffres;
    int exposant = 0;
    bool negatif = false;
};

Decimal decompose(double x)
{
    Decimal d;
    d.negatif = std::signbit(x) && x != 0;
    if (x == 0) {
        d.chiffres.push_back('0');
        return d;
    }
    char tampon[64];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::fabs(x), std::chars_format::scientific, 14);
    const std::string s(tampon, r.ptr);
    const auto e = s.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.')
            d.chiffres.push_back(s[i]);
    d.exposant = std::stoi(s.substr(e + 1));
    while (d.chiffres.size() > 1 && d.chiffres.back() == '0')
        d.chiffres.pop_back();
    return d;
}

// Écriture ordinaire ou scientifique (au-delà de 15 chiffres, en deçà de 1E-05).
QString ecrit(const Decimal &d, QChar separateur, bool zerotete)
{
    QString s;
    if (d.negatif)
        s += u'-';
    const int n = static_cast<int>(d.chiffres.size());
    if (d.chiffres == "0") {
        s += u'0';
    } else if (d.exposant >= 15 || d.exposant < -5) {
        s += QChar(d.chiffres[0]);
        if (n > 1)
            s += separateur + QString::fromLatin1(d.chiffres.data() + 1, n - 1);
        s += u'E';
        s += d.exposant < 0 ? u'-' : u'+';
        s += QString::number(std::abs(d.exposant)).rightJustified(2, u'0');
    } else if (d.exposant < 0) {
        if (zerotete)
            s += u'0';
        s += separateur + QString(-d.exposant - 1, u'0') + QString::fromLatin1(d.chiffres.data(), n);
    } else {
        const int entiers = d.exposant + 1;
        for (int i = 0; i < entiers; ++i)
            s += i < n ? QChar(d.chiffres[i]) : QChar(u'0');
        if (n > entiers)
            s += separateur + QString::fromLatin1(d.chiffres.data() + entiers, n - entiers);
    }
    return s;
}

// Valeur qui est le double le plus proche d'un nombre entier K de centimes, |K| < 10^15 (toute
// cellule du tableau) : ses 15 chiffres significatifs sont exactement K / 100, car l'écart au double
// (un demi-ulp, moins de 1,2e-16 en relatif) reste sous le demi-pas de la 15e décimale (plus de
// 5e-16). Les centimes s'écrivent alors en entier. Rend la longueur, 0 pour toute autre valeur.
int ecritcentimesentiers(double valeur, char *texte)
{
    const double k = std::nearbyint(valeur * 100);
    if (!(std::fabs(k) < 1e15) || k / 100 != valeur)
        return 0;
    // Deux zéros devant les chiffres : trois chiffres au moins (« 0.05 »).
    char chiffres[22] = {'0', '0'};
    const char *fin = std::to_chars(chiffres + 2, chiffres + sizeof chiffres, static_cast<long long>(std::fabs(k))).ptr;
    const char *debut = std::min<const char *>(chiffres + 2, fin - 3);
    char *d = texte;
    if (k < 0)
        *d++ = '-';
    d = std::copy(debut, fin - 2, d);
    *d++ = '.';
    d = std::copy(fin - 2, fin, d);
    return static_cast<int>(d - texte);
}

// Motif « 0.00 » d'un nombre fini, avec « . », dans texte (330 caractères) ; rend la longueur.
int ecritcentimes(double valeur, char *texte)
{
    if (const int n = ecritcentimesentiers(valeur, texte))
        return n;
    // 15 chiffres significatifs : « d.dddddddddddddde±x », sans signe.
    char sci[32];
    const auto r = std::to_chars(sci, sci + sizeof sci, std::fabs(valeur), std::chars_format::scientific, 14);
    char chiffres[15];
    chiffres[0] = sci[0];
    std::copy(sci + 2, sci + 16, chiffres + 1);
    int exposant = 0;
    std::from_chars(sci + (sci[17] == '+' ? 18 : 17), r.ptr, exposant);
    const bool zero = valeur == 0;
    // Entier des centimes sur les chiffres décimaux, moitié en s'éloignant de zéro ; un chiffre
    // de tête de réserve pour la retenue, puis au plus 309 chiffres entiers et 2 décimales.
    char centimes[320];
    int n = 1;
    centimes[0] = '0';
    const int garde = exposant + 3; // chiffres jusqu'aux centièmes
    bool arrondihaut = false;
    if (!zero && garde > 0) {
        for (int i = 0; i < garde; ++i)
            centimes[n++] = i < 15 ? chiffres[i] : '0';
        arrondihaut = garde < 15 && chiffres[garde] >= '5';
    } else if (!zero && garde == 0) {
        arrondihaut = chiffres[0] >= '5';
    }
    if (arrondihaut) {
        int i = n - 1;
        for (; centimes[i] == '9'; --i)
            centimes[i] = '0';
        ++centimes[i];
    }
    // Zéros de tête ôtés, trois chiffres au moins (« 0 », puis deux décimales).
    int debut = 0;
    while (debut < n - 3 && centimes[debut] == '0')
        ++debut;
    const int longueur = n - debut;
    if (longueur < 3) {
        std::copy_backward(centimes + debut, centimes + n, centimes + 3);
        std::fill(centimes, centimes + 3 - longueur, '0');
        debut = 0;
        n = 3;
    }
    const char *const c = centimes + debut;
    const char *const fin = centimes + n;
    const bool nul = std::all_of(c, fin, [](char x) { return x == '0'; });
    const bool moins = std::signbit(valeur) && !zero && !nul;
    char *d = texte;
    if (moins)
        *d++ = '-';
    d = std::copy(c, fin - 2, d);
    *d++ = '.';
    d = std::copy(fin - 2, fin, d);
    return static_cast<int>(d - texte);
}

} // namespace

QString textecellule(double valeur, const QLocale &regional)
{
    return textecellule(valeur, regional.decimalPoint());
}

QString textecellule(double valeur, const QString &separateur)
{
    QString s;
    textecellule(valeur, separateur, s);
    return s;
}

void textecellule(double valeur, const QString &separateur, QString &cible)
{
    if (!std::isfinite(valeur)) {
        cible = QString::number(valeur);
        return;
    }
    char texte[330];
    const int n = ecritcentimes(valeur, texte);
    if (separateur.size() != 1) {
        const QString s = QLatin1String(texte, n - 3) + separateur + QLatin1String(texte + n - 2, 2);
        if (s != cible)
            cible = s;
        return;
    }
    // Séparateur d'un caractère : comparé puis écrit en place, sans allocation quand la chaîne
    // n'est pas partagée.
    const QChar sep = separateur.front();
    const auto caractere = [&](int i) { return i == n - 3 ? sep : QChar(QLatin1Char(texte[i])); };
    bool pareil = cible.size() == n;
    for (int i = 0; pareil && i < n; ++i)
        pareil = cible.at(i) == caractere(i);
    if (pareil)
        return;
    cible.resize(n);
    QChar *d = cible.data();
    for (int i = 0; i < n; ++i)
        d[i] = caractere(i);
}

QString textenombre(double valeur, const QLocale &regional)
{
    if (!std::isfinite(valeur))
        return QString::number(valeur);
    return ecrit(decompose(valeur), regional.decimalPoint().at(0), true);
}

QString textetaux(double taux)
{
    const QString signe = std::signbit(taux) && taux != 0 ? QString() : QStringLiteral(" ");
    if (!std::isfinite(taux))
        return signe + QString::number(taux) + QStringLiteral(" %");
    return signe + ecrit(decompose(taux), u'.', false) + QStringLiteral(" %");
}

} // namespace calcul
