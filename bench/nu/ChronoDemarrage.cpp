// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program in its folder and measures, from the start of its process, the time until its
// main window is mapped and painted, and the processor time its threads used until then; then,
// after a short settle, its resident memory; then ends it.
//
// Usage: chrono_demarrage <window title> <program folder> <program> [its arguments...]
// Prints "<milliseconds> <resident kB> <processor milliseconds>" on one line; exit status 1 when
// the window never shows. The processor time hardly moves when other work shares the machine,
// which the elapsed time does.
//
// Run on an X server without a window manager and with a black root window (Xvfb -br): a top-level
// window is then a child of the root, and it counts as painted once its first pixels are not black
// (an X window that the program has not drawn yet shows the black root through it).
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Horloge = std::chrono::steady_clock;
constexpr auto DelaiMaximal = std::chrono::seconds(30);
constexpr auto Stabilisation = std::chrono::milliseconds(300);

template <class T> using Reponse = std::unique_ptr<T, decltype(&std::free)>;
template <class T> Reponse<T> Prendre(T* reponse) {
    return Reponse<T>(reponse, &std::free);
}

std::string TitreFenetre(xcb_connection_t* x, xcb_window_t fenetre) {
    const auto atome = Prendre(xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, 12, "_NET_WM_NAME"), nullptr));
    for (xcb_atom_t propriete :
         {atome ? atome->atom : xcb_atom_t(XCB_ATOM_NONE), xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        if (propriete == XCB_ATOM_NONE) continue;
        const auto valeur = Prendre(xcb_get_property_reply(
            x, xcb_get_property(x, 0, fenetre, propriete, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr));
        if (valeur && xcb_get_property_value_length(valeur.get()) > 0)
            return {static_cast<const char*>(xcb_get_property_value(valeur.get())),
                    static_cast<size_t>(xcb_get_property_value_length(valeur.get()))};
    }
    return {};
}

// Three rows across the window, at a quarter, half and three quarters of its height.
bool EstPeinte(xcb_connection_t* x, xcb_window_t fenetre) {
    const auto geometrie = Prendre(xcb_get_geometry_reply(x, xcb_get_geometry(x, fenetre), nullptr));
    if (!geometrie || geometrie->width == 0 || geometrie->height < 4) return false;
    for (int quart = 1; quart <= 3; ++quart) {
        const auto y = static_cast<int16_t>(geometrie->height * quart / 4);
        const auto image = Prendre(xcb_get_image_reply(
            x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, fenetre, 0, y, geometrie->width, 1, ~0u),
            nullptr));
        if (!image) continue;
        const uint8_t* octets = xcb_get_image_data(image.get());
        const int longueur = xcb_get_image_data_length(image.get());
        // 24-bit depth comes as 32 bits per pixel; the fourth byte is padding.
        for (int i = 0; i + 3 < longueur; i += 4)
            if (octets[i] | octets[i + 1] | octets[i + 2]) return true;
    }
    return false;
}

long MemoireResidenteKo(pid_t pid) {
    std::ifstream etat("/proc/" + std::to_string(pid) + "/status");
    for (std::string ligne; std::getline(etat, ligne);)
        if (ligne.rfind("VmRSS:", 0) == 0) return std::strtol(ligne.c_str() + 6, nullptr, 10);
    return -1;
}

// The time the threads of the process have run on a processor so far, those that have ended
// included, from the process's own processor clock: one call at each turn of the watch. Reading
// each thread's count from /proc there took a dozen calls every millisecond, on the very
// processors the program starts on, and more of them for a program with more threads.
double ProcesseurMs(pid_t pid) {
    clockid_t horloge;
    timespec temps{};
    if (clock_getcpuclockid(pid, &horloge) != 0 || clock_gettime(horloge, &temps) != 0) return -1;
    return static_cast<double>(temps.tv_sec) * 1e3 + static_cast<double>(temps.tv_nsec) / 1e6;
}

void Terminer(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// argv[0] of the program and its arguments, ending with a null pointer.
pid_t Lancer(const char* dossier, char** programmeEtArguments) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dossier) != 0) _exit(126);
        execv(programmeEtArguments[0], programmeEtArguments);
        _exit(127);
    }
    return pid;
}

struct Peinture {
    Horloge::time_point Moment;
    double ProcesseurMs;
};

// Waits for the named top-level window to be mapped, then for its first painting.
std::optional<Peinture> AttendrePeinture(xcb_connection_t* x, pid_t pid, const std::string& titre,
                                         Horloge::time_point debut) {
    xcb_window_t fenetre = XCB_WINDOW_NONE;
    double processeur = 0;
    pollfd attente{xcb_get_file_descriptor(x), POLLIN, 0};
    while (Horloge::now() - debut < DelaiMaximal) {
        while (auto evenement = Prendre(xcb_poll_for_event(x))) {
            if ((evenement->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
            const auto* carte = reinterpret_cast<const xcb_map_notify_event_t*>(evenement.get());
            if (fenetre == XCB_WINDOW_NONE && TitreFenetre(x, carte->window) == titre)
                fenetre = carte->window;
        }
        if (xcb_connection_has_error(x) || waitpid(pid, nullptr, WNOHANG) == pid) return std::nullopt;
        processeur = ProcesseurMs(pid);
        if (fenetre != XCB_WINDOW_NONE && EstPeinte(x, fenetre)) return Peinture{Horloge::now(), processeur};
        poll(&attente, 1, 1);
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: chrono_demarrage <titre de la fenêtre> <dossier> <programme> [arguments...]\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "chrono_demarrage: pas d'écran X (DISPLAY)\n");
        return 2;
    }
    fcntl(xcb_get_file_descriptor(x), F_SETFD, FD_CLOEXEC); // the program gets its own connection
    // Listening to the root before the start: no window can map unseen.
    const xcb_window_t racine = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t masque = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(x, xcb_change_window_attributes_checked(x, racine, XCB_CW_EVENT_MASK, &masque));

    const auto debut = Horloge::now();
    const pid_t pid = Lancer(argv[2], argv + 3);
    if (pid < 0) {
        std::fprintf(stderr, "chrono_demarrage: fork: %s\n", std::strerror(errno));
        return 1;
    }
    const auto peinte = AttendrePeinture(x, pid, argv[1], debut);
    if (!peinte) {
        std::fprintf(stderr, "chrono_demarrage: la fenêtre « %s » de %s n'est pas apparue\n", argv[1],
                     argv[3]);
        Terminer(pid);
        return 1;
    }
    std::this_thread::sleep_for(Stabilisation);
    const long memoire = MemoireResidenteKo(pid);
    Terminer(pid);
    xcb_disconnect(x);
    std::printf("%.1f %ld %.1f\n", std::chrono::duration<double, std::milli>(peinte->Moment - debut).count(),
                memoire, peinte->ProcesseurMs);
    return 0;
}
