#pragma once

// Where the game's random numbers come from. The seeding and the order of the draws are part of
// what the player sees (two jumbles in the same second deal the same board), so every draw goes
// through this one small type, and tests supply their own.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Seed(unsigned seed) = 0;
    // A number from 0 to the generator's largest, as rand() gives.
    virtual int Next() = 0;
};

// The C library's srand/rand: one generator for the whole process, which the picture choice and
// the archive reader draw from and reseed as well. The only place the C library is seeded.
class CLibraryRandom final : public RandomSource {
public:
    void Seed(unsigned seed) override;
    int Next() override;
};

// That generator, for those that draw without a game of their own around them (the open
// dialog's archive reader).
RandomSource& ProcessRandom();
