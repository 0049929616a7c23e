// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <thread>

// Work of the start that another processor does while this thread goes on building the menu.
// Whoever needs what it prepares waits for it first (Attendre); it is waited for at the latest
// when it goes.
class EnFond {
  public:
    // Nothing to do in the background.
    EnFond() = default;
    explicit EnFond(std::function<void()> travail);
    ~EnFond();
    EnFond(EnFond&&) = default;
    EnFond(const EnFond&) = delete;
    EnFond& operator=(const EnFond&) = delete;

    void Attendre();

  private:
    std::thread fil;
};

// The desktop's font configuration (fontconfig's dozens of XML files and its caches), read while
// the application is created: it is a third of the work of painting the menu, and nothing the
// start does before the menu needs a font depends on it. Whoever asks for the first font waits
// for it first: asked for meanwhile, Qt would read it all again.
EnFond LirePolicesEnFond();

// The session bus, which Qt's bridge to assistive technologies connects to as the menu is built
// (a bare window's start does the same), connected while the menu's fonts are looked up: the
// main thread then finds it ready instead of waiting for the bus's answers. Nothing is done on a
// platform whose accessibility does not go through the bus (offscreen, minimal).
EnFond ConnecterBusDeSessionEnFond();
