#include "paper.h"

#include <algorithm>
#include <cmath>

namespace paint {

double hashUnit(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h =
        a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h & 0xFFFFFF) / double(0x1000000);
}

double Noise::lattice(int x, int y, int period) const {
    if (period > 0) {
        x = ((x % period) + period) % period;
        y = ((y % period) + period) % period;
    }
    return hashUnit(uint32_t(x), uint32_t(y), seed_);
}

static double smooth(double t) {
    return t * t * (3 - 2 * t);
}

double Noise::value(double x, double y, int period) const {
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const double a = lattice(x0, y0, period), b = lattice(x0 + 1, y0, period);
    const double c = lattice(x0, y0 + 1, period), d = lattice(x0 + 1, y0 + 1, period);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

double Noise::fbm(double x, double y, int octaves, double cell, int period) const {
    double sum = 0, amp = 0.5, norm = 0;
    double fx = x / cell, fy = y / cell;
    int p = period > 0 ? std::max(1, int(std::lround(period / cell))) : 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * value(fx, fy, p);
        norm += amp;
        amp *= 0.5;
        fx *= 2;
        fy *= 2;
        p *= 2;
    }
    return sum / norm;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QRgb scaleRgb(QRgb c, double f) {
    auto ch = [f](int v) { return std::clamp(int(std::lround(v * f)), 0, 255); };
    return qRgba(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)), qAlpha(c));
}

QImage parchment(int w, int h, uint32_t seed, QColor base, bool tileable) {
    QImage img(w, h, QImage::Format_ARGB32);
    const Noise clouds(seed), stains(seed + 17), fibres(seed + 29);
    const int period = tileable ? w : 0;
    const QColor stain(150, 110, 60);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double n = clouds.fbm(x, y, 5, 96, period);
            const double s = stains.fbm(x, y, 4, 150, period);
            const double f = fibres.fbm(x * 0.35, y * 2.2, 2, 3, period ? int(period * 0.35) : 0);
            const double grain = hashUnit(uint32_t(x), uint32_t(y), seed) - 0.5;
            double bright = 0.90 + 0.17 * n + 0.035 * (f - 0.5) + 0.03 * grain;
            if (!tileable) {
                const double dx = (x - w / 2.0) / (w / 2.0);
                const double dy = (y - h / 2.0) / (h / 2.0);
                const double r = std::sqrt(dx * dx * 0.8 + dy * dy * 0.8);
                bright -= 0.16 * std::pow(std::max(0.0, r - 0.55), 1.6);
            }
            QColor c = mix(base, stain, std::max(0.0, s - 0.56) * 1.6);
            line[x] = scaleRgb(c.rgb(), bright);
        }
    }
    return img;
}

} // namespace paint
