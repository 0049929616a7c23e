// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRandomGenerator>

// The one source of random numbers of a program. Rules that draw go through it so that a test
// can replay an exact sequence of draws and check that they happen in the order the rules give.
class Hasard {
  public:
    virtual ~Hasard() = default;
    // Uniform integer in 0..n-1 (n >= 1).
    virtual int Rnd(int n) = 0;
    // Seeds the generator from the clock.
    virtual void Randomize() = 0;
};

// The generator of the running programs; a fixed seed gives a reproducible sequence (benchmarks,
// invariant tests over many seeded tables).
class HasardSysteme final : public Hasard {
  public:
    HasardSysteme() { Randomize(); }
    explicit HasardSysteme(quint32 graine) : generateur(graine) {}

    int Rnd(int n) override {
        return n <= 1 ? 0 : static_cast<int>(generateur.bounded(static_cast<quint32>(n)));
    }
    void Randomize() override;

  private:
    QRandomGenerator generateur;
};
