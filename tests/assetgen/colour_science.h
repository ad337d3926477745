// The colour measures the art is held to: CIEDE2000 colour difference,
// colour-vision deficiency simulated with the Machado, Oliveira and Fernandes
// (2009) matrices at full severity in linear RGB, and the WCAG contrast ratio.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

#include "sheet.h"

namespace assetgen {

struct Rgbf {
  double r = 0, g = 0, b = 0;  // sRGB, 0..255
};

inline double ToLinear(double v) {
  v /= 255.0;
  return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}
inline double FromLinear(double v) {
  v = std::clamp(v, 0.0, 1.0);
  return 255.0 * (v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055);
}

enum class Vision { kNormal, kProtan, kDeutan, kTritan };
constexpr std::array<Vision, 4> kVisions = {Vision::kNormal, Vision::kProtan, Vision::kDeutan,
                                            Vision::kTritan};
inline const char* VisionName(Vision v) {
  static const char* const kNames[] = {"normal", "protan", "deutan", "tritan"};
  return kNames[static_cast<int>(v)];
}

inline Rgbf Simulate(Rgbf c, Vision v) {
  using M = std::array<std::array<double, 3>, 3>;
  static const M kMatrices[] = {
      {{{0.152286, 1.052583, -0.204868},
        {0.114503, 0.786281, 0.099216},
        {-0.003882, -0.048116, 1.051998}}},
      {{{0.367322, 0.860646, -0.227968},
        {0.280085, 0.672501, 0.047413},
        {-0.011820, 0.042940, 0.968881}}},
      {{{1.255528, -0.076749, -0.178779},
        {-0.078411, 0.930809, 0.147602},
        {0.004733, 0.691367, 0.303900}}},
  };
  if (v == Vision::kNormal) return c;
  const M& m = kMatrices[static_cast<int>(v) - 1];
  const double l[3] = {ToLinear(c.r), ToLinear(c.g), ToLinear(c.b)};
  double out[3];
  for (int i = 0; i < 3; ++i) out[i] = m[i][0] * l[0] + m[i][1] * l[1] + m[i][2] * l[2];
  return {FromLinear(out[0]), FromLinear(out[1]), FromLinear(out[2])};
}

struct Lab {
  double l, a, b;
};

inline Lab ToLab(Rgbf c) {
  const double r = ToLinear(c.r), g = ToLinear(c.g), b = ToLinear(c.b);
  const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
  const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
  const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
  auto f = [](double t) {
    return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
  };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

inline double DeltaE2000(Lab p, Lab q) {
  constexpr double kPi = 3.14159265358979323846;
  auto deg = [&](double rad) { return rad * 180 / kPi; };
  auto rad = [&](double d) { return d * kPi / 180; };
  const double c1 = std::hypot(p.a, p.b), c2 = std::hypot(q.a, q.b);
  const double cm7 = std::pow((c1 + c2) / 2, 7);
  const double gfac = 0.5 * (1 - std::sqrt(cm7 / (cm7 + std::pow(25.0, 7))));
  const double a1 = p.a * (1 + gfac), a2 = q.a * (1 + gfac);
  const double cp1 = std::hypot(a1, p.b), cp2 = std::hypot(a2, q.b);
  auto hue = [&](double b, double a) {
    if (a == 0 && b == 0) return 0.0;
    const double h = deg(std::atan2(b, a));
    return h < 0 ? h + 360 : h;
  };
  const double h1 = hue(p.b, a1), h2 = hue(q.b, a2);
  double dh = 0;
  if (cp1 * cp2 != 0) {
    dh = h2 - h1;
    if (dh > 180) dh -= 360;
    if (dh < -180) dh += 360;
  }
  const double dl = q.l - p.l, dc = cp2 - cp1;
  const double dhh = 2 * std::sqrt(cp1 * cp2) * std::sin(rad(dh / 2));
  const double lm = (p.l + q.l) / 2, cm = (cp1 + cp2) / 2;
  double hm = h1 + h2;
  if (cp1 * cp2 != 0) {
    if (std::fabs(h1 - h2) <= 180)
      hm /= 2;
    else
      hm = h1 + h2 < 360 ? (hm + 360) / 2 : (hm - 360) / 2;
  }
  const double t = 1 - 0.17 * std::cos(rad(hm - 30)) + 0.24 * std::cos(rad(2 * hm)) +
                   0.32 * std::cos(rad(3 * hm + 6)) - 0.20 * std::cos(rad(4 * hm - 63));
  const double sl = 1 + 0.015 * (lm - 50) * (lm - 50) / std::sqrt(20 + (lm - 50) * (lm - 50));
  const double sc = 1 + 0.045 * cm, sh = 1 + 0.015 * cm * t;
  const double cm7p = std::pow(cm, 7);
  const double rt = -2 * std::sqrt(cm7p / (cm7p + std::pow(25.0, 7))) *
                    std::sin(rad(60 * std::exp(-std::pow((hm - 275) / 25, 2))));
  const double x = dl / sl, y = dc / sc, z = dhh / sh;
  return std::sqrt(x * x + y * y + z * z + rt * y * z);
}

inline double DeltaE2000(Rgbf a, Rgbf b, Vision v = Vision::kNormal) {
  return DeltaE2000(ToLab(Simulate(a, v)), ToLab(Simulate(b, v)));
}

inline double RelativeLuminance(Rgbf c) {
  return 0.2126 * ToLinear(c.r) + 0.7152 * ToLinear(c.g) + 0.0722 * ToLinear(c.b);
}
inline double ContrastRatio(Rgbf a, Rgbf b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Mean colour of the pixels of a rectangle that are not the sheet's key.
inline Rgbf MeanVisible(const Sheet& s, int x0, int y0, int w, int h) {
  Rgbf sum;
  int n = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) {
      const Rgb8 p = s.image.At(x, y);
      if (s.key != Key::kNone && ToRgb565(p) == KeyRgb565(s.key)) continue;
      sum.r += p.r, sum.g += p.g, sum.b += p.b, ++n;
    }
  return n ? Rgbf{sum.r / n, sum.g / n, sum.b / n} : Rgbf{};
}

}  // namespace assetgen
