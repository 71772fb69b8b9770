#include "wheels/number_group.h"

#include <algorithm>
#include <bit>

NumberGroup::NumberGroup(std::string name, std::vector<Permutation> images)
    : m_name(std::move(name))
    , m_images(std::move(images))
{
    for (const Permutation &p : m_images) {
        Permutation undo{};
        for (size_t i = 0; i < p.size(); ++i)
            undo[p[i]] = static_cast<std::uint8_t>(i);
        m_inverse.push_back(
            static_cast<size_t>(std::find(m_images.begin(), m_images.end(), undo) - m_images.begin()));
    }
}

namespace {

NumberGroup::Permutation identity()
{
    NumberGroup::Permutation p{};
    for (size_t i = 0; i < p.size(); ++i)
        p[i] = static_cast<std::uint8_t>(i);
    return p;
}

bool isPrime(int n)
{
    if (n < 2)
        return false;
    for (int d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

// "Z19+1", "AG19x3+0": the kind, the numbers moved, the multipliers, the
// numbers left in place. Appended piece by piece: g++ 12 warns wrongly of
// overlapping copies in a chain of + on short strings.
std::string groupName(const char *kind, int moved, int multipliers, int fixed)
{
    std::string name = kind;
    name += std::to_string(moved);
    if (multipliers > 0) {
        name += 'x';
        name += std::to_string(multipliers);
    }
    name += '+';
    name += std::to_string(fixed);
    return name;
}

} // namespace

NumberGroup NumberGroup::rotation(int v, int n)
{
    std::vector<Permutation> images;
    for (int s = 0; s < n; ++s) {
        Permutation p = identity();
        for (int i = 0; i < n; ++i)
            p[static_cast<size_t>(i)] = static_cast<std::uint8_t>((i + s) % n);
        images.push_back(p);
    }
    return NumberGroup(groupName("Z", n, 0, v - n), std::move(images));
}

NumberGroup NumberGroup::cycles(int v, int length, int count)
{
    std::vector<Permutation> images;
    for (int s = 0; s < length; ++s) {
        Permutation p = identity();
        for (int c = 0; c < count; ++c)
            for (int i = 0; i < length; ++i)
                p[static_cast<size_t>(c * length + i)]
                    = static_cast<std::uint8_t>(c * length + (i + s) % length);
        images.push_back(p);
    }
    std::string name = "Z" + std::to_string(length);
    name += '^';
    name += std::to_string(count);
    name += '+';
    name += std::to_string(v - length * count);
    return NumberGroup(std::move(name), std::move(images));
}

NumberGroup NumberGroup::affine(int v, int p, int d)
{
    // A generator of the units modulo p, raised to (p − 1) / d.
    int generator = 2;
    for (; generator < p; ++generator) {
        int order = 1;
        for (int x = generator; x != 1; x = x * generator % p)
            ++order;
        if (order == p - 1)
            break;
    }
    int a = 1;
    for (int i = 0; i < (p - 1) / d; ++i)
        a = a * generator % p;
    std::vector<Permutation> images;
    for (int m = 0, multiplier = 1; m < d; ++m, multiplier = multiplier * a % p)
        for (int b = 0; b < p; ++b) {
            Permutation perm = identity();
            for (int x = 0; x < p; ++x)
                perm[static_cast<size_t>(x)] = static_cast<std::uint8_t>((multiplier * x + b) % p);
            images.push_back(perm);
        }
    return NumberGroup(groupName("AG", p, d, v - p), std::move(images));
}

std::vector<NumberGroup> wheelGroups(const WheelTerms &terms, bool more)
{
    std::vector<NumberGroup> groups;
    for (int n = terms.v; n >= terms.v - 2 && n >= 2; --n)
        groups.push_back(NumberGroup::rotation(terms.v, n));
    if (!more)
        return groups;
    for (int p = terms.v; p >= terms.v - 2; --p) {
        if (!isPrime(p))
            continue;
        for (int d = 2; d < p - 1; ++d)
            if ((p - 1) % d == 0)
                groups.push_back(NumberGroup::affine(terms.v, p, d));
    }
    for (int length = 2; length <= terms.v / 2; ++length)
        groups.push_back(NumberGroup::cycles(terms.v, length, terms.v / length));
    return groups;
}
