// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
#include "rates/nombre.h"

#include <QString>

#include <charconv>
#include <cstdint>
#include <string>
#include <utility>

namespace taux {

namespace {

char16_t unite(char c)
{
    return static_cast<unsigned char>(c);
}

char16_t unite(QChar c)
{
    return c.unicode();
}

int chiffre(char16_t c, int base)
{
    int v = -1;
    if (c >= u'0' && c <= u'9')
        v = c - u'0';
    else if (c >= u'a' && c <= u'f')
        v = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        v = c - u'A' + 10;
    return v < base ? v : -1;
}

// Entier &H / &O : 16 bits signés s'il y tient, sinon 32 bits signés.
std::optional<double> entierbase(std::uint64_t v)
{
    if (v <= 0xFFFF)
        return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(v)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
}

// Valeur de la mantisse ASCII (signe « - », chiffres, point, chiffres) à la puissance de dix
// donnée. Un résultat hors de portée d'un double : nullopt s'il est trop grand, zéro signé s'il
// est trop petit, d'après l'ordre de grandeur compté sur les chiffres.
std::optional<double> convertit(std::string mantisse, long exposant)
{
    const bool negatif = !mantisse.empty() && mantisse[0] == '-';
    long entiers = 0;    // chiffres significatifs avant le point
    long zerosapres = 0; // zéros de tête après le point quand la partie entière est nulle
    bool nonnul = false;
    bool apres = false;
    for (const char c : mantisse) {
        if (c == '.')
            apres = true;
        else if (c != '-' && c != '0')
            nonnul = true;
        else if (c == '0' && apres && !nonnul)
            ++zerosapres;
        if (!apres && nonnul && c != '-')
            ++entiers;
    }
    mantisse += 'e';
    mantisse += std::to_string(exposant);
    double v = 0;
    const auto [fin, err] = std::from_chars(mantisse.data(), mantisse.data() + mantisse.size(), v);
    (void)fin;
    if (err == std::errc::result_out_of_range) {
        const long ordre = (entiers > 0 ? entiers : -zerosapres) + exposant;
        if (nonnul && ordre > 0)
            return std::nullopt;     // dépassement
        return negatif ? -0.0 : 0.0; // trop petit : zéro
    }
    if (err != std::errc())
        return 0.0;
    return v;
}

template <typename Vue> class Lecteur
{
  public:
    Lecteur(Vue texte, const Regle &regle) : texte_(texte), regle_(regle) {}

    NombreLu lit()
    {
        std::size_t i = 0;
        while (i < taille() && regle_.blanc(car(i)))
            ++i;
        if (regle_.prefixes && car(i) == u'&')
            return prefixe(suivant(i));
        return decimal(i);
    }

  private:
    std::size_t taille() const { return static_cast<std::size_t>(texte_.size()); }
    char16_t car(std::size_t i) const { return i < taille() ? unite(texte_[i]) : char16_t(0); }
    bool estchiffre(std::size_t i) const { return chiffre(car(i), 10) >= 0; }

    // Position du caractère qui suit celui de i : les blancs y sont sautés quand la règle les ôte.
    std::size_t suivant(std::size_t i) const
    {
        ++i;
        if (regle_.blancsotes)
            while (i < taille() && regle_.blanc(car(i)))
                ++i;
        return i;
    }

    // Séparateur de milliers en i : suivi d'exactement trois chiffres.
    bool groupe(std::size_t i) const
    {
        const char16_t c = car(i);
        const bool separateur = (regle_.groupe != 0 && c == regle_.groupe) || (regle_.groupeblanc && regle_.blanc(c));
        return separateur && estchiffre(i + 1) && estchiffre(i + 2) && estchiffre(i + 3) && !estchiffre(i + 4);
    }

    // Après « & » : H ou O puis les chiffres de la base ; un chiffre octal suffit aussi.
    NombreLu prefixe(std::size_t i) const
    {
        NombreLu n;
        n.valeur = 0.0;
        int base = 0;
        const char16_t p = car(i);
        if (p == u'H' || p == u'h' || p == u'O' || p == u'o') {
            base = p == u'H' || p == u'h' ? 16 : 8;
            i = suivant(i);
        } else if (chiffre(p, 8) >= 0) {
            base = 8;
        } else {
            return n;
        }
        std::uint64_t v = 0;
        for (; chiffre(car(i), base) >= 0; i = suivant(i)) {
            n.nombre = true;
            v = v * static_cast<unsigned>(base) + static_cast<unsigned>(chiffre(car(i), base));
            if (v > 0xFFFFFFFFu) {
                n.valeur = std::nullopt;
                return n;
            }
        }
        n.valeur = entierbase(v);
        n.fin = i;
        return n;
    }

    NombreLu decimal(std::size_t i) const
    {
        NombreLu n;
        n.valeur = 0.0;
        std::string mantisse;
        if (car(i) == u'+' || car(i) == u'-') {
            if (car(i) == u'-')
                mantisse.push_back('-');
            i = suivant(i);
        }
        bool entiers = false;
        for (;;) {
            if (estchiffre(i)) {
                mantisse.push_back(static_cast<char>(car(i)));
                entiers = true;
                i = suivant(i);
            } else if (entiers && groupe(i)) {
                ++i;
            } else {
                break;
            }
        }
        bool decimales = false;
        if (car(i) == u'.' || car(i) == regle_.decimal) {
            mantisse.push_back('.');
            for (i = suivant(i); estchiffre(i); i = suivant(i)) {
                mantisse.push_back(static_cast<char>(car(i)));
                decimales = true;
            }
        }
        if (!entiers && !decimales)
            return n;
        // Exposant : E (ou D), signe facultatif, au moins un chiffre ; sinon le nombre s'arrête avant.
        long exposant = 0;
        const char16_t e = car(i);
        if (e == u'E' || e == u'e' || (regle_.exposantd && (e == u'D' || e == u'd'))) {
            std::size_t j = suivant(i);
            const bool negatif = car(j) == u'-';
            if (car(j) == u'+' || negatif)
                j = suivant(j);
            if (estchiffre(j)) {
                for (; estchiffre(j); j = suivant(j))
                    if (exposant < 100000)
                        exposant = exposant * 10 + (car(j) - u'0');
                if (negatif)
                    exposant = -exposant;
                i = j;
            }
        }
        n.nombre = true;
        n.valeur = convertit(std::move(mantisse), exposant);
        n.fin = i;
        return n;
    }

    Vue texte_;
    const Regle &regle_;
};

} // namespace

NombreLu litnombre(std::string_view texte, const Regle &regle)
{
    return Lecteur<std::string_view>(texte, regle).lit();
}

NombreLu litnombre(QStringView texte, const Regle &regle)
{
    return Lecteur<QStringView>(texte, regle).lit();
}

bool blancfichier(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

const Regle reglefichier{.blanc = blancfichier, .blancsotes = true, .prefixes = true, .exposantd = true};

std::optional<double> valnombre(std::string_view texte)
{
    return litnombre(texte, reglefichier).valeur;
}

std::optional<double> valnombre(const QString &texte)
{
    return litnombre(QStringView(texte), reglefichier).valeur;
}

} // namespace taux
