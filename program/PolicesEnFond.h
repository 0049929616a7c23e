// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

// The desktop's font configuration (fontconfig's dozens of XML files and its caches), read on a
// second processor while the application starts: it is a third of the work of painting the menu,
// and nothing the start does before the menu needs a font depends on it. Whoever asks for the
// first font waits for it first (Attendre): asked for meanwhile, Qt would read it all again.
class PolicesEnFond {
  public:
    PolicesEnFond();
    // Waits for the reading, as Attendre.
    ~PolicesEnFond();
    PolicesEnFond(const PolicesEnFond&) = delete;
    PolicesEnFond& operator=(const PolicesEnFond&) = delete;

    void Attendre();

  private:
    std::thread lecture;
};
