// Synthesis of the six game sounds. Each is built from oscillators, noise and
// envelopes, then faded at both ends and normalised below full scale.
#include <cmath>
#include <functional>

#include "assets.h"
#include "rng.h"

namespace assetgen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

struct Buffer {
  int rate;
  std::vector<double> s;
  Buffer(int r, double seconds) : rate(r), s(static_cast<std::size_t>(std::lround(r * seconds))) {}
  double T(std::size_t i) const { return static_cast<double>(i) / rate; }
};

// Oscillator with a running phase, so frequency may glide without clicks.
struct Osc {
  double phase = 0;
  double Step(double freq, int rate) {
    phase += freq / rate;
    phase -= std::floor(phase);
    return phase;
  }
};

// Harmonic tone for brass-like voices: partials 1..n at 1/k^tilt, skipping
// any above the Nyquist frequency.
double Harmonics(double phase, double freq, int rate, int n, double tilt) {
  double v = 0;
  for (int k = 1; k <= n; ++k) {
    if (freq * k >= rate * 0.45) break;
    v += std::sin(kTwoPi * phase * k) / std::pow(k, tilt);
  }
  return v;
}

double Note(double semitones_from_a4) { return 440.0 * std::pow(2.0, semitones_from_a4 / 12.0); }

std::vector<std::int16_t> Finish(Buffer& b, double peak, double fade_in, double fade_out) {
  const std::size_t n = b.s.size();
  const std::size_t in = static_cast<std::size_t>(fade_in * b.rate), out = static_cast<std::size_t>(fade_out * b.rate);
  for (std::size_t i = 0; i < n; ++i) {
    double g = 1;
    if (i < in) g *= static_cast<double>(i) / in;
    if (i + out > n) g *= static_cast<double>(n - i) / out;
    b.s[i] *= g;
  }
  double m = 1e-9;
  for (double v : b.s) m = std::max(m, std::fabs(v));
  std::vector<std::int16_t> pcm(n);
  for (std::size_t i = 0; i < n; ++i) pcm[i] = static_cast<std::int16_t>(std::lround(b.s[i] / m * peak * 32767));
  return pcm;
}

// Store full: a sad three-step fall that ends in a long sinking slide.
std::vector<std::int16_t> Ballweg() {
  Buffer b(11025, 1.72);
  Osc o, o2;
  for (std::size_t i = 0; i < b.s.size(); ++i) {
    double t = b.T(i);
    double f;
    double amp;
    if (t < 0.9) {
      int step = static_cast<int>(t / 0.3);
      double local = t - step * 0.3;
      f = Note(-2 - step);  // G4, F#4, F4
      amp = std::min(1.0, local / 0.03) * (1 - 0.35 * local / 0.3);
    } else {
      double u = (t - 0.9) / 0.82;
      f = Note(-5) * std::pow(0.35, u * u) * (1 + 0.025 * std::sin(kTwoPi * 5.5 * (t - 0.9)));
      amp = std::min(1.0, (t - 0.9) / 0.03) * (1 - u) * (1 - u * 0.3);
    }
    double p = o.Step(f, b.rate), p2 = o2.Step(f * 1.006, b.rate);
    b.s[i] = amp * (Harmonics(p, f, b.rate, 6, 1.3) + 0.6 * Harmonics(p2, f, b.rate, 4, 1.5));
  }
  return Finish(b, 0.85, 0.004, 0.05);
}

// Fill bonus: a rising, shimmering bell arpeggio.
std::vector<std::int16_t> Erschein() {
  Buffer b(22050, 0.86);
  const double kNotes[] = {3, 7, 10, 15, 19, 22, 27, 31};  // C major climbing from C5
  for (int k = 0; k < 8; ++k) {
    const double start = k * 0.07;
    const double f = Note(kNotes[k]);
    for (std::size_t i = static_cast<std::size_t>(start * b.rate); i < b.s.size(); ++i) {
      double t = b.T(i) - start;
      double env = std::min(1.0, t / 0.004) * std::exp(-t * 5.0);
      double shimmer = 1 + 0.25 * std::sin(kTwoPi * 11 * t + k);
      double v = std::sin(kTwoPi * f * t) + 0.35 * std::sin(kTwoPi * f * 2.01 * t) * std::exp(-t * 9) +
                 0.2 * std::sin(kTwoPi * f * 3.0 * t) * std::exp(-t * 14);
      b.s[i] += v * env * shimmer * (0.7 + 0.05 * k);
    }
  }
  return Finish(b, 0.8, 0.002, 0.08);
}

// Stone explosion: a bright noise crack that darkens into a low rumble.
std::vector<std::int16_t> Explosion() {
  Buffer b(11025, 1.53);
  Rng rng(0xE7);
  double lp = 0, lp2 = 0, brown = 0;
  Osc rumble;
  for (std::size_t i = 0; i < b.s.size(); ++i) {
    double t = b.T(i);
    double white = rng.Signed();
    double cutoff = 0.05 + 0.6 * std::exp(-t * 9);  // filter opens wide, then closes
    lp += (white - lp) * cutoff;
    lp2 += (lp - lp2) * cutoff;
    brown = brown * 0.985 + white * 0.06;
    double crack = lp2 * std::exp(-t * 4.5) * std::min(1.0, t / 0.002);
    double low = std::sin(kTwoPi * rumble.Step(62 * std::exp(-t * 0.8), b.rate)) * std::exp(-t * 2.6);
    double body = brown * std::exp(-t * 2.2);
    b.s[i] = 1.6 * crack + 0.55 * low * std::min(1.0, t / 0.01) + 0.9 * body;
  }
  return Finish(b, 0.9, 0.001, 0.1);
}

// One falling step: a short, soft downward blip.
std::vector<std::int16_t> Maser() {
  Buffer b(44100, 0.28);
  Osc o;
  for (std::size_t i = 0; i < b.s.size(); ++i) {
    double t = b.T(i);
    double f = 380 + 820 * std::exp(-t * 28);
    double env = std::min(1.0, t / 0.003) * std::exp(-t * 17);
    double p = o.Step(f, b.rate);
    b.s[i] = env * (std::sin(kTwoPi * p) + 0.15 * std::sin(2 * kTwoPi * p));
  }
  return Finish(b, 0.6, 0.002, 0.04);
}

// Store row refilled: a springy "ploing" whose pitch wobbles and settles.
std::vector<std::int16_t> Ploing() {
  Buffer b(11025, 1.5);
  Osc o;
  for (std::size_t i = 0; i < b.s.size(); ++i) {
    double t = b.T(i);
    double wobble = std::exp(-t * 3.2) * std::sin(kTwoPi * 8.5 * t);
    double f = 260 * (1 + 0.45 * wobble) * (1 + 0.5 * std::exp(-t * 30));
    double env = std::min(1.0, t / 0.003) * std::exp(-t * 2.8);
    double p = o.Step(f, b.rate);
    b.s[i] = env * (std::sin(kTwoPi * p) + 0.35 * std::sin(2 * kTwoPi * p) + 0.12 * std::sin(3 * kTwoPi * p));
  }
  return Finish(b, 0.85, 0.002, 0.08);
}

// New highscore: "ta-ta-taaa" and a full brass chord.
std::vector<std::int16_t> Tusch() {
  Buffer b(11025, 1.49);
  struct Voice {
    double start, end, semis, level;
  };
  const Voice kVoices[] = {
      {0.00, 0.13, -2, 1.0},  {0.15, 0.28, -2, 1.0},                        // G4 G4
      {0.30, 1.49, 3, 0.9},   {0.30, 1.49, 7, 0.75}, {0.30, 1.49, 10, 0.75},  // C5 E5 G5
      {0.30, 1.49, -9, 0.7},  {0.30, 1.49, 15, 0.45},                       // C4, C6
  };
  for (const Voice& v : kVoices) {
    Osc o;
    const double f0 = Note(v.semis);
    for (std::size_t i = static_cast<std::size_t>(v.start * b.rate); i < b.s.size(); ++i) {
      double t = b.T(i) - v.start;
      double len = v.end - v.start;
      if (t > len) break;
      double attack = std::min(1.0, t / 0.025);
      double release = std::min(1.0, (len - t) / (len > 0.5 ? 0.35 : 0.03));
      double swell = len > 0.5 ? (0.8 + 0.2 * std::min(1.0, t / 0.3)) : 1.0;
      double vib = 1 + (t > 0.25 ? 0.006 * std::sin(kTwoPi * 5.5 * t) : 0);
      double f = f0 * vib;
      double p = o.Step(f, b.rate);
      // Brighter during the attack, as a brass note is.
      double tilt = 1.1 + 0.5 * std::min(1.0, t / 0.15);
      b.s[i] += v.level * attack * release * swell * Harmonics(p, f, b.rate, 8, tilt);
    }
  }
  return Finish(b, 0.88, 0.002, 0.06);
}

}  // namespace

std::vector<Sound> SynthesiseSounds() {
  return {
      {"ballweg.wav", 11025, Ballweg()},    {"erschein1.wav", 22050, Erschein()},
      {"explosion1.WAV", 11025, Explosion()}, {"maser3.WAV", 44100, Maser()},
      {"ploing2.WAV", 11025, Ploing()},     {"tusch.wav", 11025, Tusch()},
  };
}

}  // namespace assetgen
