#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

// Why the program will not do what it was asked: one sentence for the
// player (UTF-8), shown as it stands.
struct Refusal
{
    std::string message;

    friend bool operator==(const Refusal &, const Refusal &) = default;
};

// What a check gives: nothing when all is well, or why not.
using Check = std::optional<Refusal>;

// What a step that makes something gives: the thing, or the refusal that
// stands in its place.
template<class T>
class Outcome
{
public:
    Outcome(T value)
        : m_state(std::move(value))
    {}
    Outcome(Refusal refusal)
        : m_state(std::move(refusal))
    {}

    bool accepted() const { return std::holds_alternative<T>(m_state); }
    const T &value() const { return std::get<T>(m_state); }
    T &value() { return std::get<T>(m_state); }
    // The refusal's message; only for an outcome that is not accepted.
    const std::string &refusal() const { return std::get<Refusal>(m_state).message; }

private:
    std::variant<T, Refusal> m_state;
};
