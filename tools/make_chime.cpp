// make_chime FILE: writes the start-up and alarm chime, a two-note bell of about 1.4 s,
// as a 16-bit mono WAV file. The sound is computed, so it is ours to ship.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

void put16(std::ofstream& out, std::uint16_t v) {
    const char b[2] = {char(v & 0xff), char(v >> 8)};
    out.write(b, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    const char b[4] = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char(v >> 24)};
    out.write(b, 4);
}

// A struck bell: a fundamental with two inharmonic partials, each fading at its own rate.
double bell(double t, double frequency) {
    if (t < 0)
        return 0;
    const double attack = std::min(1.0, t / 0.004);
    const double w = 2 * std::numbers::pi * frequency * t;
    return attack * (0.60 * std::sin(w) * std::exp(-3.0 * t) + 0.25 * std::sin(2.76 * w) * std::exp(-6.0 * t) +
                     0.15 * std::sin(5.40 * w) * std::exp(-10.0 * t));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_chime FILE\n");
        return 2;
    }
    constexpr std::uint32_t rate = 22050;
    constexpr double seconds = 1.4;
    const auto count = static_cast<std::uint32_t>(rate * seconds);
    std::vector<std::int16_t> samples(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        const double v = 0.5 * bell(t, 987.77) + 0.5 * bell(t - 0.28, 783.99); // B5 then G5
        samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 26000));
    }

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    const std::uint32_t dataBytes = count * 2;
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (auto s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out ? 0 : 1;
}
