// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de Brunelix
// Relève d'une fenêtre d'un autre programme sur X11 (requête EWMH _NET_ACTIVE_WINDOW).
#include "app/bureau/lanceur.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace bureau {

namespace {

struct Libere
{
    void operator()(void *p) const { std::free(p); }
};
template <typename T> using Reponse = std::unique_ptr<T, Libere>;

// Une fenêtre peut disparaître entre deux requêtes : l'erreur est lue et jetée ici
// plutôt que de finir dans la file d'événements de Qt.
struct Erreur
{
    xcb_generic_error_t *e = nullptr;
    ~Erreur() { std::free(e); }
    operator xcb_generic_error_t **() { return &e; }
};

xcb_atom_t atome(xcb_connection_t *c, const char *nom)
{
    const Reponse<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(nom)), nom), Erreur()));
    return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

QByteArray propriete(xcb_connection_t *c, xcb_window_t w, xcb_atom_t nom, xcb_atom_t type)
{
    const Reponse<xcb_get_property_reply_t> r(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, nom, type, 0, 4096), Erreur()));
    if (!r)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(r.get())),
                      xcb_get_property_value_length(r.get()));
}

QList<xcb_window_t> enfants(xcb_connection_t *c, xcb_window_t w)
{
    QList<xcb_window_t> l;
    const Reponse<xcb_query_tree_reply_t> r(xcb_query_tree_reply(c, xcb_query_tree(c, w), Erreur()));
    if (r) {
        const xcb_window_t *e = xcb_query_tree_children(r.get());
        l = QList<xcb_window_t>(e, e + xcb_query_tree_children_length(r.get()));
    }
    return l;
}

// Fenêtre visible et gérée normalement (pas une bulle ni un menu).
bool visible(xcb_connection_t *c, xcb_window_t w)
{
    const Reponse<xcb_get_window_attributes_reply_t> r(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), Erreur()));
    return r && r->map_state == XCB_MAP_STATE_VIEWABLE && !r->override_redirect;
}

QList<xcb_window_t> valeurs32(const QByteArray &v)
{
    QList<xcb_window_t> l;
    for (qsizetype i = 0; i + 4 <= v.size(); i += 4) {
        uint32_t x = 0;
        std::memcpy(&x, v.constData() + i, 4);
        l.append(x);
    }
    return l;
}

} // namespace

bool fenetreshorsdatteinte()
{
    // Sans connexion X11 mais avec un bureau : Wayland. Sans bureau du tout (offscreen),
    // il n'y a pas de fenêtre à chercher et la règle générale vaut.
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

bool relevefenetre(qint64 pid, const QString &nom)
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *c = x11 ? x11->connection() : nullptr;
    if (!c)
        return false;
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t liste = atome(c, "_NET_CLIENT_LIST");
    const xcb_atom_t atomepid = atome(c, "_NET_WM_PID");
    const xcb_atom_t actif = atome(c, "_NET_ACTIVE_WINDOW");

    // Fenêtres gérées par le gestionnaire EWMH ; sans lui, celles de premier et second
    // niveau de l'arbre, visibles.
    QList<xcb_window_t> fenetres = valeurs32(propriete(c, racine, liste, XCB_ATOM_WINDOW));
    const bool ewmh = !fenetres.isEmpty();
    if (!ewmh)
        for (const xcb_window_t w : enfants(c, racine))
            if (visible(c, w))
                fenetres << w << enfants(c, w);

    const QByteArray cherche = nom.toUtf8().toLower();
    xcb_window_t trouvee = XCB_WINDOW_NONE;
    for (const xcb_window_t w : fenetres) {
        const QList<xcb_window_t> p = valeurs32(propriete(c, w, atomepid, XCB_ATOM_CARDINAL));
        if (!p.isEmpty()) {
            if (p.first() == static_cast<uint32_t>(pid)) {
                trouvee = w;
                break;
            }
            continue;
        }
        // Programme sans PID (xcalc) : reconnu par WM_CLASS, « instance\0Classe\0 ».
        const QList<QByteArray> classe = propriete(c, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING).toLower().split('\0');
        if (!cherche.isEmpty() && classe.contains(cherche)) {
            trouvee = w;
            break;
        }
    }
    if (trouvee == XCB_WINDOW_NONE)
        return false;

    xcb_client_message_event_t m;
    std::memset(&m, 0, sizeof m);
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = trouvee;
    m.type = actif;
    m.data.data32[0] = 2; // demande de l'utilisateur, comme un sélecteur de fenêtres
    m.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, racine, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&m));
    if (!ewmh) {
        // Sans gestionnaire de fenêtres, personne ne traite la requête : on empile soi-même.
        const uint32_t dessus = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(c, trouvee, XCB_CONFIG_WINDOW_STACK_MODE, &dessus);
    }
    xcb_flush(c);
    return true;
}

} // namespace bureau
