// Synthesis of the six game sounds. Each is built from oscillators, noise and
// envelopes in segments that fade in and out, then brought to one common
// loudness below full scale.
#include <cmath>

#include "assets.h"
#include "core/sound_names.h"
#include "rng.h"

namespace assetgen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

struct Buffer {
  int rate;
  std::vector<double> s;
  std::vector<Segment> segments;
  Buffer(int r, double seconds) : rate(r), s(static_cast<std::size_t>(std::lround(r * seconds))) {}
  double T(std::size_t i) const { return static_cast<double>(i) / rate; }
  double Seconds() const { return static_cast<double>(s.size()) / rate; }
  // Every segment a sound plays is noted here, for the record in the Sound.
  Segment Add(Segment seg) {
    segments.push_back(seg);
    return seg;
  }
};

// The segment's fade gain at time t: 0 outside, straight ramps at both ends.
double Gate(const Segment& seg, double t) {
  const double local = t - seg.start;
  if (local <= 0 || local >= seg.length) return 0;
  return std::min({1.0, local / seg.attack, (seg.length - local) / seg.release});
}

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

double Note(double semitones_from_a4) {
  return 440.0 * std::pow(2.0, semitones_from_a4 / 12.0);
}

// Every sound but the short laser blip comes out this loud (RMS, full scale
// 1), unless that would take its peak over the ceiling.
constexpr double kLoudness = 0.19;     // about -14.4 dBFS
constexpr double kPeakCeiling = 0.88;  // about -1.1 dBFS

Sound Finish(klumpix::SoundId id, const Buffer& b, double loudness = kLoudness) {
  double peak = 1e-9, square = 0;
  for (double v : b.s) {
    peak = std::max(peak, std::fabs(v));
    square += v * v;
  }
  const double rms = std::sqrt(square / static_cast<double>(b.s.size())) + 1e-12;
  const double gain = std::min(loudness / rms, kPeakCeiling / peak) * 32767;
  Sound out{klumpix::SoundName(id), b.rate, std::vector<std::int16_t>(b.s.size()), b.segments};
  for (std::size_t i = 0; i < b.s.size(); ++i)
    out.samples[i] = static_cast<std::int16_t>(std::lround(b.s[i] * gain));
  return out;
}

// Store full: a sad three-step fall that ends in a long sinking slide.
Sound Ballweg() {
  Buffer b(11025, 1.72);
  Segment steps[3];
  for (int k = 0; k < 3; ++k) steps[k] = b.Add({0.3 * k, 0.3, 0.03, 0.025});
  const Segment slide = b.Add({0.9, b.Seconds() - 0.9, 0.03, 0.2});
  Osc o, o2;
  for (std::size_t i = 0; i < b.s.size(); ++i) {
    const double t = b.T(i);
    double f, amp;
    if (t < 0.9) {
      const int step = std::min(2, static_cast<int>(t / 0.3));
      const double local = t - step * 0.3;
      f = Note(-2 - step);  // G4, F#4, F4
      amp = Gate(steps[step], t) * (1 - 0.35 * local / 0.3);
    } else {
      const double u = (t - 0.9) / slide.length;
      f = Note(-5) * std::pow(0.35, u * u) * (1 + 0.025 * std::sin(kTwoPi * 5.5 * (t - 0.9)));
      amp = Gate(slide, t) * (1 - u * 0.3);
    }
    const double p = o.Step(f, b.rate), p2 = o2.Step(f * 1.006, b.rate);
    b.s[i] = amp * (Harmonics(p, f, b.rate, 6, 1.3) + 0.6 * Harmonics(p2, f, b.rate, 4, 1.5));
  }
  return Finish(klumpix::kSoundBallweg, b);
}

// Fill bonus: a rising, shimmering bell arpeggio.
Sound Erschein() {
  Buffer b(22050, 0.86);
  const double kNotes[] = {3, 7, 10, 15, 19, 22, 27, 31};  // C major climbing from C5
  for (int k = 0; k < 8; ++k) {
    const Segment note = b.Add({k * 0.07, b.Seconds() - k * 0.07, 0.006, 0.08});
    const double f = Note(kNotes[k]);
    for (std::size_t i = static_cast<std::size_t>(note.start * b.rate); i < b.s.size(); ++i) {
      const double t = b.T(i) - note.start;
      const double env = Gate(note, b.T(i)) * std::exp(-t * 5.0);
      const double shimmer = 1 + 0.25 * std::sin(kTwoPi * 11 * t + k);
      const double v = std::sin(kTwoPi * f * t) +
                       0.35 * std::sin(kTwoPi * f * 2.01 * t) * std::exp(-t * 9) +
                       0.2 * std::sin(kTwoPi * f * 3.0 * t) * std::exp(-t * 14);
      b.s[i] += v * env * shimmer * (0.7 + 0.05 * k);
    }
  }
  return Finish(klumpix::kSoundErschein1, b);
}

// Stone explosion: a bright noise crack that darkens into a low rumble,
// gently saturated so its body is as loud as the other sounds.
Sound Explosion() {
  Buffer b(11025, 1.53);
  const Segment burst = b.Add({0, b.Seconds(), 0.005, 0.1});
  Rng rng(0xE7);
  double lp = 0, lp2 = 0, brown = 0;
  Osc rumble;
  for (std::size_t i = 0; i < b.s.size(); ++i) {
    const double t = b.T(i);
    const double white = rng.Signed();
    const double cutoff = 0.05 + 0.6 * std::exp(-t * 9);  // filter opens wide, then closes
    lp += (white - lp) * cutoff;
    lp2 += (lp - lp2) * cutoff;
    brown = brown * 0.985 + white * 0.06;
    const double crack = lp2 * std::exp(-t * 4.5);
    const double low =
        std::sin(kTwoPi * rumble.Step(62 * std::exp(-t * 0.8), b.rate)) * std::exp(-t * 2.6);
    const double body = brown * std::exp(-t * 2.2);
    b.s[i] = Gate(burst, t) * std::tanh(2.2 * (1.6 * crack + 0.55 * low + 0.9 * body));
  }
  return Finish(klumpix::kSoundExplosion1, b);
}

// One falling step: a short, soft downward blip, quieter than the rest as it
// comes often.
Sound Maser() {
  Buffer b(44100, 0.28);
  const Segment blip = b.Add({0, b.Seconds(), 0.005, 0.04});
  Osc o;
  for (std::size_t i = 0; i < b.s.size(); ++i) {
    const double t = b.T(i);
    const double f = 380 + 820 * std::exp(-t * 28);
    const double env = Gate(blip, t) * std::exp(-t * 17);
    const double p = o.Step(f, b.rate);
    b.s[i] = env * (std::sin(kTwoPi * p) + 0.15 * std::sin(2 * kTwoPi * p));
  }
  return Finish(klumpix::kSoundMaser3, b, kLoudness * 0.6);
}

// Store row refilled: a springy "ploing" whose pitch wobbles and settles.
Sound Ploing() {
  Buffer b(11025, 1.5);
  const Segment spring = b.Add({0, b.Seconds(), 0.005, 0.08});
  Osc o;
  for (std::size_t i = 0; i < b.s.size(); ++i) {
    const double t = b.T(i);
    const double wobble = std::exp(-t * 3.2) * std::sin(kTwoPi * 8.5 * t);
    const double f = 260 * (1 + 0.45 * wobble) * (1 + 0.5 * std::exp(-t * 30));
    const double env = Gate(spring, t) * std::exp(-t * 2.8);
    const double p = o.Step(f, b.rate);
    b.s[i] = env * (std::sin(kTwoPi * p) + 0.35 * std::sin(2 * kTwoPi * p) +
                    0.12 * std::sin(3 * kTwoPi * p));
  }
  return Finish(klumpix::kSoundPloing2, b);
}

// New highscore: "ta-ta-taaa" and a full brass chord.
Sound Tusch() {
  Buffer b(11025, 1.49);
  struct Voice {
    double start, end, semis, level;
  };
  const Voice kVoices[] = {
      {0.00, 0.13, -2, 1.0}, {0.15, 0.28, -2, 1.0},                           // G4 G4
      {0.30, 1.49, 3, 0.9},  {0.30, 1.49, 7, 0.75},  {0.30, 1.49, 10, 0.75},  // C5 E5 G5
      {0.30, 1.49, -9, 0.7}, {0.30, 1.49, 15, 0.45},                          // C4, C6
  };
  for (const Voice& v : kVoices) {
    const double len = std::min(v.end, b.Seconds()) - v.start;
    const Segment note = b.Add({v.start, len, 0.025, len > 0.5 ? 0.35 : 0.03});
    Osc o;
    const double f0 = Note(v.semis);
    for (std::size_t i = static_cast<std::size_t>(v.start * b.rate); i < b.s.size(); ++i) {
      const double t = b.T(i) - v.start;
      if (t > len) break;
      const double swell = len > 0.5 ? (0.8 + 0.2 * std::min(1.0, t / 0.3)) : 1.0;
      const double vib = 1 + (t > 0.25 ? 0.006 * std::sin(kTwoPi * 5.5 * t) : 0);
      const double f = f0 * vib;
      const double p = o.Step(f, b.rate);
      // Brighter during the attack, as a brass note is.
      const double tilt = 1.1 + 0.5 * std::min(1.0, t / 0.15);
      b.s[i] += v.level * Gate(note, b.T(i)) * swell * Harmonics(p, f, b.rate, 8, tilt);
    }
  }
  return Finish(klumpix::kSoundTusch, b);
}

}  // namespace

std::vector<Sound> SynthesiseSounds() {
  return {Ballweg(), Erschein(), Explosion(), Maser(), Ploing(), Tusch()};
}

}  // namespace assetgen
