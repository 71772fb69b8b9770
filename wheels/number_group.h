#pragma once

#include "wheels/covering.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

// A group of permutations of the numbers 1..V (bits 0..V − 1), every element
// listed. Many of the smallest known coverings are unions of whole orbits of
// such a group; searching over one bet an orbit is a far smaller search.
class NumberGroup
{
public:
    // i → i + 1 on the first n numbers (n → 1); the others stay put.
    static NumberGroup rotation(int v, int n);
    // Every one of `count` cycles of `length` numbers (the first
    // length × count numbers) turned one step at once, and on; the others
    // stay put. A smaller group than one rotation of them all.
    static NumberGroup cycles(int v, int length, int count);
    // x → a·x + b modulo the prime p on the first p numbers, with a in the
    // subgroup of order d of the units; the others stay put.
    static NumberGroup affine(int v, int p, int d);

    size_t size() const { return m_images.size(); }
    const std::string &name() const { return m_name; }
    BetMask apply(size_t element, BetMask set) const
    {
        BetMask image = 0;
        for (; set != 0; set &= set - 1)
            image |= BetMask{1} << m_images[element][static_cast<size_t>(std::countr_zero(set))];
        return image;
    }
    size_t inverse(size_t element) const { return m_inverse[element]; }

    using Permutation = std::array<std::uint8_t, 64>;

private:
    NumberGroup(std::string name, std::vector<Permutation> images);

    std::string m_name;
    std::vector<Permutation> m_images;
    std::vector<size_t> m_inverse;
};

// The groups worth trying for a terms: rotations of V, V − 1 and V − 2
// numbers; with `more`, also the affine groups of the primes among them and
// the turns of as many cycles of 2, 3 … V / 2 numbers as V holds.
std::vector<NumberGroup> wheelGroups(const WheelTerms &terms, bool more);
