#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
"""Dessine les images de Brunelix (PNG avec canal alpha).

Uniquement la bibliothèque standard : formes géométriques rastérisées avec
suréchantillonnage, écriture PNG via zlib et struct. Résultat déterministe.
Chaque image est rendue à 1x (nom.png) et à 2x (nom@2x.png, pour les écrans
à 200 %) ; le fichier de ressources images.qrc est réécrit avec les deux.
Usage : python3 dessine.py [dossier_de_sortie]
"""
import os
import struct
import sys
import zlib

SS = 8  # échantillons par axe et par pixel
ECHELLES = {1: "", 2: "@2x"}  # pixels par unité de dessin, suffixe du fichier
ECHELLE = 1  # échelle du rendu en cours
TAILLES_THEME = (16, 24, 32, 48, 64, 128, 256)  # icône du lanceur, thème hicolor


# ---------------------------------------------------------------- formes
class Forme:
    """Ensemble de points (test d'appartenance) avec sa boîte englobante."""

    def __init__(self, dedans, boite):
        self.dedans = dedans
        self.boite = boite  # (x0, y0, x1, y1)

    def __or__(self, autre):
        a, b = self.boite, autre.boite
        return Forme(lambda x, y: self.dedans(x, y) or autre.dedans(x, y),
                     (min(a[0], b[0]), min(a[1], b[1]),
                      max(a[2], b[2]), max(a[3], b[3])))

    def __sub__(self, autre):
        return Forme(lambda x, y: self.dedans(x, y) and not autre.dedans(x, y),
                     self.boite)

    def __and__(self, autre):
        a, b = self.boite, autre.boite
        return Forme(lambda x, y: self.dedans(x, y) and autre.dedans(x, y),
                     (max(a[0], b[0]), max(a[1], b[1]),
                      min(a[2], b[2]), min(a[3], b[3])))


def rect(x0, y0, x1, y1):
    return Forme(lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def rect_arrondi(x0, y0, x1, y1, r):
    def dedans(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return Forme(dedans, (x0, y0, x1, y1))


def ellipse(cx, cy, rx, ry=None):
    ry = rx if ry is None else ry
    return Forme(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def poly(pts):
    """Polygone quelconque, règle pair-impair."""
    n = len(pts)

    def dedans(x, y):
        c = False
        j = n - 1
        for i in range(n):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y):
                if x < xi + (y - yi) * (xj - xi) / (yj - yi):
                    c = not c
            j = i
        return c
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Forme(dedans, (min(xs), min(ys), max(xs), max(ys)))


def trait(x0, y0, x1, y1, ep, bouts_ronds=False):
    """Segment épais (bouts droits ou ronds)."""
    dx, dy = x1 - x0, y1 - y0
    lg = (dx * dx + dy * dy) ** 0.5
    nx, ny = -dy / lg * ep / 2, dx / lg * ep / 2
    f = poly([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
              (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])
    if bouts_ronds:
        f = f | ellipse(x0, y0, ep / 2) | ellipse(x1, y1, ep / 2)
    return f


# ---------------------------------------------------------------- toile
class Toile:
    """Toile de larg × haut unités de dessin, rendue à l'échelle en cours."""

    def __init__(self, larg, haut, fond=(0, 0, 0, 0)):
        self.e = ECHELLE
        self.larg, self.haut = round(larg * self.e), round(haut * self.e)
        self.px = [[float(c) for c in fond] for _ in range(self.larg * self.haut)]

    def peindre(self, forme, couleur):
        """Compose la forme par-dessus (opérateur « over »), avec anticrénelage."""
        e = self.e
        x0, y0, x1, y1 = (v * e for v in forme.boite)
        i0, j0 = max(0, int(x0) - 1), max(0, int(y0) - 1)
        i1, j1 = min(self.larg, int(x1) + 2), min(self.haut, int(y1) + 2)
        pas = [(k + 0.5) / SS for k in range(SS)]
        for j in range(j0, j1):
            for i in range(i0, i1):
                n = 0
                for sy in pas:
                    for sx in pas:
                        if forme.dedans((i + sx) / e, (j + sy) / e):
                            n += 1
                if not n:
                    continue
                c = couleur((i + 0.5) / e, (j + 0.5) / e) if callable(couleur) else couleur
                sa = (c[3] / 255.0) * n / (SS * SS)
                d = self.px[j * self.larg + i]
                da = d[3] / 255.0
                oa = sa + da * (1 - sa)
                if oa <= 0:
                    continue
                for k in range(3):
                    d[k] = (c[k] * sa + d[k] * da * (1 - sa)) / oa
                d[3] = oa * 255.0

    def png(self, chemin):
        brut = bytearray()
        for j in range(self.haut):
            brut.append(0)  # filtre « aucun »
            for i in range(self.larg):
                p = self.px[j * self.larg + i]
                a = int(round(p[3]))
                if a == 0:
                    brut.extend(b"\0\0\0\0")
                else:
                    brut.extend(bytes(max(0, min(255, int(round(v)))) for v in p))

        def bloc(typ, donnees):
            return (struct.pack(">I", len(donnees)) + typ + donnees
                    + struct.pack(">I", zlib.crc32(typ + donnees) & 0xFFFFFFFF))
        entete = struct.pack(">IIBBBBB", self.larg, self.haut, 8, 6, 0, 0, 0)
        with open(chemin, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(bloc(b"IHDR", entete))
            f.write(bloc(b"IDAT", zlib.compress(bytes(brut), 9)))
            f.write(bloc(b"IEND", b""))


def degrade(c0, c1, a0, a1, axe="y"):
    """Dégradé linéaire de c0 (en a0) à c1 (en a1) le long de x ou y."""
    def couleur(x, y):
        v = y if axe == "y" else x
        t = min(1.0, max(0.0, (v - a0) / (a1 - a0)))
        return tuple(c0[k] + (c1[k] - c0[k]) * t for k in range(4))
    return couleur


# ---------------------------------------------------------------- images
# Géométrie de l'icône, commune au rendu PNG et à l'icône vectorielle (unités de 32 × 32).
ICONE_BORD = (80, 0, 80, 255)
ICONE_DEGRADE = ((168, 40, 168, 255), (112, 0, 112, 255), 1, 31)
ICONE_C = (18.5, 16, 10, 10.5, 6.6, 7.1)  # centre, rayons extérieurs, rayons intérieurs
ICONE_BARRES = ((5, 12, 19, 14.6), (5, 17.4, 19, 20))


def icone_ouverture():
    cx, cy, _, ry = ICONE_C[:4]
    return [(cx, cy), (cx + 14, cy - ry), (cx + 14, cy + ry)]


def icone():
    """Icône de fenêtre : carré violet arrondi portant un « € » blanc."""
    t = Toile(icone.TAILLE, icone.TAILLE)
    t.peindre(rect_arrondi(0, 0, 32, 32, 7), ICONE_BORD)
    t.peindre(rect_arrondi(1, 1, 31, 31, 6), degrade(*ICONE_DEGRADE))
    blanc = (255, 255, 255, 255)
    # arc du « C » : couronne ouverte à droite
    cx, cy, rx, ry, rxi, ryi = ICONE_C
    couronne = ellipse(cx, cy, rx, ry) - ellipse(cx, cy, rxi, ryi)
    t.peindre(couronne - poly(icone_ouverture()), blanc)
    # les deux barres horizontales
    for barre in ICONE_BARRES:
        t.peindre(rect(*barre), blanc)
    return t


icone.TAILLE = 32


def icone_svg():
    """La même icône en SVG, pour le dossier scalable du thème."""
    def hexa(c):
        return "#%02x%02x%02x" % c[:3]

    def ovale(cx, cy, rx, ry):
        return ("M %g,%g a %g,%g 0 1,0 %g,0 a %g,%g 0 1,0 %g,0 Z"
                % (cx - rx, cy, rx, ry, 2 * rx, rx, ry, -2 * rx))
    c0, c1, a0, a1 = ICONE_DEGRADE
    cx, cy, rx, ry, rxi, ryi = ICONE_C
    pointes = " ".join("%g,%g" % p for p in icone_ouverture())
    lignes = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
        "  <defs>",
        '    <linearGradient id="fond" gradientUnits="userSpaceOnUse" x1="0" y1="%g" x2="0" y2="%g">'
        % (a0, a1),
        '      <stop offset="0" stop-color="%s"/>' % hexa(c0),
        '      <stop offset="1" stop-color="%s"/>' % hexa(c1),
        "    </linearGradient>",
        '    <mask id="ouverture">',
        '      <rect width="32" height="32" fill="#fff"/>',
        '      <polygon points="%s" fill="#000"/>' % pointes,
        "    </mask>",
        "  </defs>",
        '  <rect width="32" height="32" rx="7" fill="%s"/>' % hexa(ICONE_BORD),
        '  <rect x="1" y="1" width="30" height="30" rx="6" fill="url(#fond)"/>',
        '  <path fill="#fff" fill-rule="evenodd" mask="url(#ouverture)" d="%s %s"/>'
        % (ovale(cx, cy, rx, ry), ovale(cx, cy, rxi, ryi)),
    ]
    lignes += ['  <rect x="%g" y="%g" width="%g" height="%g" fill="#fff"/>'
               % (x0, y0, x1 - x0, y1 - y0) for x0, y0, x1, y1 in ICONE_BARRES]
    lignes += ["</svg>", ""]
    return "\n".join(lignes)


def quitter():
    """Quitter : porte entrouverte et flèche sortante rouge."""
    t = Toile(17, 19)
    sombre = (70, 70, 70, 255)
    # chambranle
    t.peindre(rect(1, 1, 11, 18) - rect(2.5, 2.5, 9.5, 18), sombre)
    t.peindre(rect(2.5, 2.5, 9.5, 18), (235, 235, 230, 255))
    # battant ouvert vers l'intérieur
    battant = poly([(2.5, 2.5), (7.5, 4.5), (7.5, 19), (2.5, 18)])
    t.peindre(battant, (150, 95, 45, 255))
    t.peindre(poly([(2.5, 2.5), (7.5, 4.5), (7.5, 5.5), (2.5, 3.5)]),
              (110, 65, 30, 255))
    t.peindre(rect(5.5, 10.5, 6.5, 12), (250, 210, 90, 255))
    # flèche vers la droite
    rouge = (205, 25, 25, 255)
    t.peindre(rect(8, 8.5, 12.5, 11.5), rouge)
    t.peindre(poly([(12, 5), (16.5, 10), (12, 15)]), rouge)
    return t


def imprimer():
    """Imprimante : feuille en attente, corps gris, feuille imprimée."""
    t = Toile(30, 29)
    contour = (60, 60, 68, 255)
    # feuille d'alimentation (derrière)
    t.peindre(rect(7, 1, 23, 12), contour)
    t.peindre(rect(8, 2, 22, 12), (255, 255, 255, 255))
    # corps
    t.peindre(rect_arrondi(1, 10, 29, 23, 3), contour)
    t.peindre(rect_arrondi(2, 11, 28, 22, 2),
              degrade((215, 215, 222, 255), (150, 150, 160, 255), 11, 22))
    t.peindre(rect(2, 12, 28, 13), (240, 240, 245, 255))
    # voyant vert
    t.peindre(rect(23, 14, 26, 16), (40, 170, 60, 255))
    # fente de sortie
    t.peindre(rect(5, 18, 25, 20), (45, 45, 52, 255))
    # feuille imprimée
    t.peindre(rect(6, 19, 24, 28), contour)
    t.peindre(rect(7, 19, 23, 27), (255, 255, 255, 255))
    for y in (21, 23, 25):
        t.peindre(rect(9, y, 21 if y != 25 else 16, y + 1), (90, 110, 170, 255))
    return t


def feuille(t, x0, y0, x1, y1, coin, fond=(255, 255, 255, 255)):
    """Feuille bordée avec coin replié en haut à droite."""
    contour = (70, 75, 90, 255)
    t.peindre(poly([(x0, y0), (x1 - coin, y0), (x1, y0 + coin), (x1, y1), (x0, y1)]),
              contour)
    t.peindre(poly([(x0 + 1, y0 + 1), (x1 - coin - 0.41, y0 + 1),
                    (x1 - 1, y0 + coin + 0.41), (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)]),
              fond)
    # rabat : triangle sombre puis intérieur clair
    t.peindre(poly([(x1 - coin, y0), (x1, y0 + coin), (x1 - coin, y0 + coin)]), contour)
    t.peindre(poly([(x1 - coin + 1, y0 + 2.41), (x1 - 2.41, y0 + coin - 1),
                    (x1 - coin + 1, y0 + coin - 1)]), (200, 206, 222, 255))


def copier():
    """Copier : deux feuilles superposées."""
    t = Toile(32, 31)
    feuille(t, 2, 1, 20, 22, 6, (236, 239, 246, 255))
    for y in (10, 13, 16):
        t.peindre(rect(5, y, 10, y + 1), (150, 160, 190, 255))
    feuille(t, 12, 8, 30, 30, 6)
    for y, x1 in ((16, 27), (19, 27), (22, 27), (25, 22)):
        t.peindre(rect(15, y, x1, y + 1), (80, 100, 170, 255))
    return t


def calculatrice():
    """Calculatrice de poche : boîtier, écran, touches."""
    t = Toile(31, 21)
    t.peindre(rect_arrondi(0, 0, 31, 21, 3), (40, 42, 55, 255))
    t.peindre(rect_arrondi(1, 1, 30, 20, 2),
              degrade((110, 112, 135, 255), (70, 72, 92, 255), 1, 20))
    # écran à cristaux liquides
    t.peindre(rect(3, 3, 28, 9), (35, 40, 35, 255))
    t.peindre(rect(4, 4, 27, 8), (175, 205, 150, 255))
    for x in (17, 20, 23):
        t.peindre(rect(x, 5, x + 2, 7), (45, 60, 40, 255))
    # touches : 2 rangées de 6
    for j, y in enumerate((11, 15)):
        for k in range(6):
            x = 4 + 4 * k
            c = (240, 140, 40, 255) if k == 5 else (235, 235, 240, 255)
            t.peindre(rect(x, y, x + 3, y + 3), c)
            t.peindre(rect(x, y + 2, x + 3, y + 3),
                      (180, 90, 20, 255) if k == 5 else (170, 170, 185, 255))
    return t


# lettres pleines tracées en polygones (hauteur h, épaisseur verticale e,
# épaisseur horizontale eh) ; chacune renvoie (forme, largeur)
def lettre_T(x, y, h, e, eh):
    w = 15
    return rect(x, y, x + w, y + eh) | rect(x + (w - e) / 2, y, x + (w + e) / 2, y + h), w


def lettre_A(x, y, h, e, eh):
    w = 18
    s = e * 1.2  # largeur horizontale d'un jambage oblique
    g = poly([(x, y + h), (x + s, y + h), (x + (w + s) / 2, y), (x + (w - s) / 2, y)])
    d = poly([(x + w, y + h), (x + w - s, y + h), (x + (w - s) / 2, y), (x + (w + s) / 2, y)])
    barre = rect(x + 3, y + h * 0.62, x + w - 3, y + h * 0.62 + eh * 0.85)
    return g | d | barre, w


def lettre_L(x, y, h, e, eh):
    w = 13
    return rect(x, y, x + e, y + h) | rect(x, y + h - eh, x + w, y + h), w


def lettre_V(x, y, h, e, eh):
    w = 18
    s = e * 1.2
    g = poly([(x, y), (x + s, y), (x + (w + s) / 2, y + h), (x + (w - s) / 2, y + h)])
    d = poly([(x + w, y), (x + w - s, y), (x + (w - s) / 2, y + h), (x + (w + s) / 2, y + h)])
    return g | d, w


def lettre_E(x, y, h, e, eh):
    w = 13
    m = y + (h - eh) / 2
    return (rect(x, y, x + e, y + h) | rect(x, y, x + w, y + eh)
            | rect(x, m, x + w - 1.5, m + eh) | rect(x, y + h - eh, x + w, y + h)), w


def lettre_N(x, y, h, e, eh):
    w = 17
    s = e * 1.15
    diag = poly([(x, y), (x + s, y), (x + w, y + h), (x + w - s, y + h)])
    return rect(x, y, x + e, y + h) | rect(x + w - e, y, x + w, y + h) | diag, w


def logo():
    """Logo TALVEN sur fond noir : losange à facettes et lettres en dégradé."""
    t = Toile(145, 50, (0, 0, 0, 255))
    # marque : losange à quatre facettes
    cx, cy, r = 19, 25, 16
    haut, bas, gauche, droite = (cx, cy - r), (cx, cy + r), (cx - r, cy), (cx + r, cy)
    centre = (cx, cy)
    t.peindre(poly([haut, gauche, centre]), (200, 120, 255, 255))
    t.peindre(poly([haut, droite, centre]), (255, 90, 255, 255))
    t.peindre(poly([bas, gauche, centre]), (120, 30, 190, 255))
    t.peindre(poly([bas, droite, centre]), (185, 0, 185, 255))
    t.peindre(ellipse(cx, cy, 3.2), (255, 255, 128, 255))
    # mot TALVEN
    x, y, h, e, eh = 42, 13, 24, 5, 4.5
    mot = None
    # espace après chaque lettre (crénage T-A et L-V resserré)
    for fn, esp in ((lettre_T, 0), (lettre_A, 2), (lettre_L, -1),
                    (lettre_V, 2), (lettre_E, 3), (lettre_N, 3)):
        f, w = fn(x, y, h, e, eh)
        mot = f if mot is None else mot | f
        x += w + esp
    t.peindre(mot, degrade((170, 70, 255, 255), (255, 60, 230, 255), 42, x, "x"))
    # filet sous le mot
    t.peindre(rect(42, 41, x - 3, 42), degrade((170, 70, 255, 160), (255, 60, 230, 160), 42, x, "x"))
    return t


def iconemaj():
    """Icône du dialogue de mise à jour : carré violet arrondi, flèche de téléchargement."""
    t = Toile(32, 32)
    t.peindre(rect_arrondi(0, 0, 32, 32, 7), (80, 0, 80, 255))
    t.peindre(rect_arrondi(1, 1, 31, 31, 6),
              degrade((168, 40, 168, 255), (112, 0, 112, 255), 1, 31))
    blanc = (255, 255, 255, 255)
    t.peindre(rect(13, 5, 19, 16), blanc)
    t.peindre(poly([(7, 15), (25, 15), (16, 24)]), blanc)
    t.peindre(rect(7, 25, 25, 27.5), (255, 255, 192, 255))
    return t


def majglobe():
    """Globe terrestre et flèche descendante : la mise à jour par internet."""
    t = Toile(29, 29)
    cx, cy, r = 13, 14, 11.5
    t.peindre(ellipse(cx, cy, r), (20, 60, 140, 255))
    t.peindre(ellipse(cx, cy, r - 1), degrade((90, 170, 255, 255), (30, 90, 200, 255), 3, 25))
    ligne = (200, 230, 255, 255)
    interieur = ellipse(cx, cy, r - 1)
    t.peindre((ellipse(cx, cy, 5, r - 1) - ellipse(cx, cy, 4, r - 2)) & interieur, ligne)
    for y in (8, 14, 20):
        t.peindre(rect(cx - r, y - 0.5, cx + r, y + 0.5) & interieur, ligne)
    vert = (40, 170, 60, 255)
    t.peindre(rect(21, 11, 25, 20), vert)
    t.peindre(poly([(18, 19), (28, 19), (23, 27)]), vert)
    return t


def majok():
    """Coche verte du bouton OK."""
    t = Toile(20, 20)
    t.peindre(trait(3, 10.5, 8, 15.5, 3.2, True) | trait(8, 15.5, 17, 4.5, 3.2, True), (30, 140, 45, 255))
    return t


def majannuler():
    """Croix rouge du bouton Annuler."""
    t = Toile(14, 14)
    rouge = (200, 30, 30, 255)
    t.peindre(trait(3, 3, 11, 11, 2.6, True) | trait(11, 3, 3, 11, 2.6, True), rouge)
    return t


IMAGES = {
    "icone.png": icone,
    "quitter.png": quitter,
    "imprimer.png": imprimer,
    "copier.png": copier,
    "calculatrice.png": calculatrice,
    "logo.png": logo,
    "iconemaj.png": iconemaj,
    "majglobe.png": majglobe,
    "majok.png": majok,
    "majannuler.png": majannuler,
}


def ressources(fichiers):
    """Fichier de ressources Qt : chaque image et sa variante @2x, que QIcon choisit seul."""
    lignes = ["<RCC>", '    <qresource prefix="/images">']
    lignes += ["        <file>%s</file>" % f for f in fichiers]
    lignes += ["    </qresource>", "</RCC>", ""]
    return "\n".join(lignes)


def main():
    global ECHELLE
    dossier = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    fichiers = []
    for nom, fn in IMAGES.items():
        racine, ext = os.path.splitext(nom)
        for ECHELLE, suffixe in ECHELLES.items():
            fichier = racine + suffixe + ext
            fn().png(os.path.join(dossier, fichier))
            fichiers.append(fichier)
            print(fichier)
    with open(os.path.join(dossier, "images.qrc"), "w", encoding="utf-8") as f:
        f.write(ressources(fichiers))
    # Icône de fenêtre aux tailles du thème hicolor, pour l'installation.
    theme = os.path.join(dossier, "theme")
    os.makedirs(theme, exist_ok=True)
    for taille in TAILLES_THEME:
        ECHELLE = taille / icone.TAILLE
        fichier = os.path.join("theme", "brunelix-%d.png" % taille)
        icone().png(os.path.join(dossier, fichier))
        print(fichier)
    fichier = os.path.join("theme", "brunelix.svg")
    with open(os.path.join(dossier, fichier), "w", encoding="utf-8") as f:
        f.write(icone_svg())
    print(fichier)


if __name__ == "__main__":
    main()
