#pragma once

#include <climits>
#include <cstdint>
#include <cstdio>
#include <random>

// A seeded source of test inputs that favours the edges: zero, ±1, the limits of int and
// values near them, besides ordinary sizes. The same seed gives the same cases on every run.
class PropertyCheck {
public:
    explicit PropertyCheck(std::uint32_t seed)
        : m_random(seed)
    {
    }

    int anyInt()
    {
        static constexpr int kEdges[] = { 0, 1, -1, 2, INT_MAX, INT_MIN, INT_MAX - 1, INT_MIN + 1, INT_MAX / 2,
            INT_MIN / 2, 65535, 65536, -65536, 1 << 30 };
        switch (below(4)) {
        case 0:
            return kEdges[below(sizeof kEdges / sizeof kEdges[0])];
        case 1:
            return static_cast<int>(m_random());
        default:
            return between(-2000, 2000);
        }
    }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    int below(std::size_t count) { return between(0, static_cast<int>(count) - 1); }
    bool coin() { return below(2) == 1; }
    double anyDouble()
    {
        static constexpr double kEdges[]
            = { 0.0, -0.0, 1e-300, -1e300, 1e300, 2147483648.0, -2147483649.0, 2147483647.5, 0.5, -0.5 };
        return coin() ? kEdges[below(sizeof kEdges / sizeof kEdges[0])]
                      : std::uniform_real_distribution<double>(-1e4, 1e4)(m_random);
    }

    // Counts one generated case.
    void count() { ++m_cases; }
    long cases() const { return m_cases; }

    bool expect(bool holds, const char* what, long long a = 0, long long b = 0)
    {
        if (!holds) {
            ++m_failures;
            if (m_failures <= 20)
                std::fprintf(stderr, "FAILED: %s (%lld, %lld)\n", what, a, b);
        }
        return holds;
    }
    long failures() const { return m_failures; }

private:
    std::mt19937 m_random;
    long m_cases = 0;
    long m_failures = 0;
};
