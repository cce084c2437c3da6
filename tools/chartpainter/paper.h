// Paper textures and noise shared by the chart and artwork painters.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

namespace paint {

// A repeatable pseudo-random number in [0, 1) for the given integers.
double hashUnit(uint32_t a, uint32_t b = 0, uint32_t c = 0);

// Smooth value noise; fbm() sums octaves and returns roughly [0, 1].
// With period > 0 the noise repeats every `period` pixels in x and y.
class Noise {
public:
    explicit Noise(uint32_t seed) : seed_(seed) {}
    double value(double x, double y, int period = 0) const;
    double fbm(double x, double y, int octaves, double cell, int period = 0) const;

private:
    double lattice(int x, int y, int period) const;
    uint32_t seed_;
};

// Old paper: cloudy brightness, fibres, stains and (unless tileable) darker edges.
QImage parchment(int w, int h, uint32_t seed, QColor base, bool tileable = false);

// Colour helpers.
QColor mix(const QColor& a, const QColor& b, double t);
QRgb scaleRgb(QRgb c, double f);

} // namespace paint
