#include "TradeSpeech.h"

#include <cmath>

namespace vlnobrod {

namespace {

QString trendWords(const std::string& trend) {
    if (trend == ">")
        return QStringLiteral("cena stoupla");
    if (trend == "<")
        return QStringLiteral("cena klesla");
    return QStringLiteral("cena beze změny");
}

} // namespace

QString MarketRowSpeech(const GameState& st, const MarketRow& row) {
    const auto g = static_cast<std::size_t>(row.goods);
    const double aboard = g < st.Fleet.Naklad.size() ? st.Fleet.Naklad[g] : 0;
    return QStringLiteral("%1, cena %2, %3, na palubě %4")
        .arg(QString::fromStdString(row.name))
        .arg(row.price)
        .arg(trendWords(row.trend))
        .arg(static_cast<long long>(std::floor(aboard)));
}

QString CargoRowSpeech(const QString& units) {
    return QStringLiteral("na palubě ") + units;
}

} // namespace vlnobrod
