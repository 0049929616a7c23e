// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>
#endif

// While it lives, a write that would take a file past the given size fails as on a full disk
// (even for root, whom a read-only folder does not stop).
class DisquePlein {
  public:
    explicit DisquePlein(qint64 tailleMax) {
#if defined(Q_OS_UNIX)
        getrlimit(RLIMIT_FSIZE, &avant);
        signalAvant = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant;
        limite.rlim_cur = static_cast<rlim_t>(tailleMax);
        actif = setrlimit(RLIMIT_FSIZE, &limite) == 0;
#else
        Q_UNUSED(tailleMax);
#endif
    }
    ~DisquePlein() {
#if defined(Q_OS_UNIX)
        setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signalAvant);
#endif
    }
    DisquePlein(const DisquePlein&) = delete;
    DisquePlein& operator=(const DisquePlein&) = delete;

    bool Actif() const {
        return actif;
    }

  private:
    bool actif = false;
#if defined(Q_OS_UNIX)
    rlimit avant{};
    void (*signalAvant)(int) = SIG_DFL;
#endif
};
