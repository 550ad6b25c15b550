#include "Sounds.h"

#include "Random.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Rate = 11025;
constexpr double Pi = 3.14159265358979323846;
constexpr double PeakLevel = 0.5; // -6 dBFS: audible, never harsh

int Frames(double seconds)
{
    return int(std::lround(seconds * Rate));
}

double Seconds(int frame)
{
    return double(frame) / Rate;
}

// Raised-cosine ramps at both ends, so no sound starts or stops with a jump.
void FadeEnds(std::vector<double>& mono, double fadeIn, double fadeOut)
{
    const int in = std::max(1, Frames(fadeIn));
    const int out = std::max(1, Frames(fadeOut));
    const int n = int(mono.size());
    for (int i = 0; i < n; ++i) {
        double gain = 1.0;
        if (i < in)
            gain *= 0.5 - 0.5 * std::cos(Pi * i / in);
        if (i >= n - out)
            gain *= 0.5 - 0.5 * std::cos(Pi * (n - 1 - i) / out);
        mono[size_t(i)] *= gain;
    }
}

void Normalise(std::vector<double>& mono, double peak)
{
    double loudest = 0.0;
    for (double s : mono)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0.0)
        for (double& s : mono)
            s *= peak / loudest;
}

// A two-pole resonator: white noise through it becomes a breathy band around its centre.
class Resonator {
public:
    double Process(double in, double centreHz, double bandwidthHz)
    {
        const double r = std::exp(-Pi * bandwidthHz / Rate);
        const double a1 = 2 * r * std::cos(2 * Pi * centreHz / Rate);
        const double a2 = -r * r;
        const double out = (1 - r) * in + a1 * y1 + a2 * y2;
        y2 = y1;
        y1 = out;
        return out;
    }

private:
    double y1 = 0.0;
    double y2 = 0.0;
};

// A struck bar: a few partials, the higher ones dying away sooner, as a chime does; a slightly
// detuned twin of the fundamental gives the slow shimmer of a real bell.
double StruckNote(double frequency, double t, double decay)
{
    if (t < 0)
        return 0.0;
    struct Partial {
        double ratio, level, decayScale;
    };
    const Partial partials[] = {{1.0, 1.0, 1.0}, {1.003, 0.3, 1.0}, {2.0, 0.35, 0.5}, {3.0, 0.12, 0.3}, {4.2, 0.06, 0.15}};
    const double attack = std::min(1.0, t / 0.004);
    double sum = 0.0;
    for (const Partial& p : partials) {
        const double f = frequency * p.ratio;
        if (f > Rate * 0.45)
            continue; // keep clear of the Nyquist limit
        sum += p.level * std::sin(2 * Pi * f * t) * std::exp(-t / (decay * p.decayScale));
    }
    return attack * sum;
}

} // namespace

Sound SynthesiseSlideClick()
{
    // A low knock with a little brightness on top and a puff of noise at the strike.
    std::vector<double> mono(size_t(Frames(0.015)));
    Random random(31);
    for (size_t i = 0; i < mono.size(); ++i) {
        const double t = Seconds(int(i));
        const double body = std::sin(2 * Pi * 700 * t) * std::exp(-t / 0.004);
        const double edge = 0.4 * std::sin(2 * Pi * 1900 * t) * std::exp(-t / 0.0015);
        const double noise = 0.3 * random.Uniform(-1, 1) * std::exp(-t / 0.001);
        mono[i] = body + edge + noise;
    }
    FadeEnds(mono, 0.0005, 0.004);
    Normalise(mono, PeakLevel);

    Sound sound{{Rate, 2, 16}, {}};
    for (double s : mono) {
        sound.samples.push_back(s);
        sound.samples.push_back(s);
    }
    return sound;
}

Sound SynthesiseSwapSwish()
{
    // Noise swept upwards through a resonator, swelling and dying away, then a light tick as
    // the tiles land.
    std::vector<double> mono(size_t(Frames(0.080)));
    Random random(47);
    Resonator band;
    for (size_t i = 0; i < mono.size(); ++i) {
        const double t = Seconds(int(i));
        const double progress = t / 0.080;
        const double centre = 900 + 2600 * progress;
        const double swell = std::sin(Pi * std::min(1.0, t / 0.062));
        const double swish = band.Process(random.Uniform(-1, 1), centre, 600) * swell * 6.0;
        const double tickTime = t - 0.058;
        const double tick = tickTime >= 0 ? 0.5 * std::sin(2 * Pi * 2200 * tickTime) * std::exp(-tickTime / 0.003)
                                          : 0.0;
        mono[i] = swish + tick;
    }
    FadeEnds(mono, 0.004, 0.010);
    Normalise(mono, PeakLevel);
    return Sound{{Rate, 1, 16}, mono};
}

Sound SynthesiseCompletionChime()
{
    // C major: four notes rising, then the whole chord with the octave and a sparkle on top.
    const double c5 = 523.25, e5 = 659.26, g5 = 783.99, c6 = 1046.50, e6 = 1318.51;
    struct Strike {
        double frequency, time, level, decay;
    };
    const Strike strikes[] = {
        {c5, 0.00, 0.8, 0.35}, {e5, 0.13, 0.8, 0.35}, {g5, 0.26, 0.8, 0.35}, {c6, 0.39, 0.9, 0.5},
        {c5, 0.62, 0.6, 0.75}, {e5, 0.62, 0.55, 0.75}, {g5, 0.62, 0.55, 0.75}, {c6, 0.62, 0.7, 0.7},
        {e6, 0.70, 0.35, 0.45}, {c6 * 2, 0.78, 0.2, 0.3},
    };
    std::vector<double> mono(size_t(Frames(2.3)));
    for (size_t i = 0; i < mono.size(); ++i) {
        const double t = Seconds(int(i));
        double sum = 0.0;
        for (const Strike& s : strikes)
            sum += s.level * StruckNote(s.frequency, t - s.time, s.decay);
        mono[i] = sum;
    }
    FadeEnds(mono, 0.002, 0.25);
    Normalise(mono, PeakLevel);
    return Sound{{Rate, 1, 8}, mono};
}
