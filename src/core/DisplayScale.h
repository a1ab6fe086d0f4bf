#pragma once

// The display's scale: its DPI over 96, the DPI at which every pixel figure of the
// framework holds. It is kept as the DPI itself, so scaling stays exact integer arithmetic.
class DisplayScale {
public:
    static constexpr int kBaseDpi = 96;

    constexpr DisplayScale() = default;
    // A DPI the system could not tell (zero or less) counts as 96.
    explicit constexpr DisplayScale(int dpi) : m_dpi(dpi > 0 ? dpi : kBaseDpi) {}

    constexpr int dpi() const { return m_dpi; }
    constexpr bool operator==(DisplayScale other) const { return m_dpi == other.m_dpi; }

private:
    int m_dpi = kBaseDpi;
};

// A pixel figure at the scale, rounded once and half away from zero: 13 px at 1.5x is 20,
// -13 px is -20. Results beyond int saturate.
int scaled(int px, DisplayScale scale);
// A line width at the scale: rounded as scaled(), but a line that has a width keeps at
// least one device pixel, so it never vanishes on a small scale.
int scaledLineWidth(int px, DisplayScale scale);
