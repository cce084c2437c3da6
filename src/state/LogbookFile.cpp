#include "LogbookFile.h"

#include "GameFile.h"
#include "Numbers.h"

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace vlnobrod {

namespace {

struct PageKeys {
    std::string den, ceny;
};

PageKeys keysOf(int city, bool predchozi) {
    const std::string base = CitySection(city) + (predchozi ? "Predchozi" : "");
    return {base + "Den", base + "Ceny"};
}

// A whole number from 0 to the top of the 16-bit range, or nothing.
std::optional<std::int16_t> count(std::string_view text) {
    const auto v = ParseNumber(text);
    if (!v || *v < 0 || *v > std::numeric_limits<std::int16_t>::max() || *v != static_cast<int>(*v))
        return std::nullopt;
    return ToI16(*v);
}

LogbookPage readPage(const IniDocument& doc, const PageKeys& keys) {
    LogbookPage page;
    const auto den = count(doc.Find(LogbookSection, keys.den).value_or(std::string_view()));
    if (!den)
        return page;
    std::string_view rest = doc.Find(LogbookSection, keys.ceny).value_or(std::string_view());
    for (std::int16_t& cena : page.Cena) {
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        const std::size_t end = std::min(rest.find(' '), rest.size());
        const auto v = count(rest.substr(0, end));
        if (end == 0 || !v)
            return {};
        cena = *v;
        rest.remove_prefix(end);
    }
    if (rest.find_first_not_of(' ') != std::string_view::npos)
        return {}; // more than fourteen prices: not a page this game wrote
    page.Den = *den;
    return page;
}

void writePage(IniDocument& doc, const PageKeys& keys, const LogbookPage& page) {
    if (!page.Written()) {
        doc.Set(LogbookSection, keys.den, "");
        doc.Set(LogbookSection, keys.ceny, "");
        return;
    }
    std::string ceny;
    for (const std::int16_t cena : page.Cena) {
        if (!ceny.empty())
            ceny += ' ';
        ceny += std::to_string(cena);
    }
    doc.Set(LogbookSection, keys.den, std::to_string(page.Den));
    doc.Set(LogbookSection, keys.ceny, ceny);
}

} // namespace

void ReadLogbook(const IniDocument& doc, GameState& st) {
    Logbook& log = st.Denik;
    log = Logbook{};
    if (!doc.HasSection(LogbookSection))
        return;
    for (int i = 0; i < st.PocetMest && i < MaxCities; ++i) {
        LogbookCity& city = log.Mesta[static_cast<std::size_t>(i)];
        city.Posledni = readPage(doc, keysOf(i, false));
        if (city.Posledni.Written())
            city.Predchozi = readPage(doc, keysOf(i, true));
    }
    const auto mesto = count(doc.Find(LogbookSection, "Mesto").value_or(std::string_view()));
    if (mesto && *mesto < st.PocetMest)
        log.Mesto = static_cast<std::uint8_t>(*mesto);
}

void WriteLogbook(IniDocument& doc, const GameState& st) {
    const Logbook& log = st.Denik;
    bool any = false;
    for (int i = 0; i < st.PocetMest && i < MaxCities; ++i)
        any = any || log.Mesta[static_cast<std::size_t>(i)].Posledni.Written();
    if (!any && !doc.HasSection(LogbookSection))
        return;
    doc.Set(LogbookSection, "Mesto",
            log.Mesto < st.PocetMest ? std::to_string(log.Mesto) : std::string());
    for (int i = 0; i < st.PocetMest && i < MaxCities; ++i) {
        const LogbookCity& city = log.Mesta[static_cast<std::size_t>(i)];
        writePage(doc, keysOf(i, false), city.Posledni);
        writePage(doc, keysOf(i, true), city.Posledni.Written() ? city.Predchozi : LogbookPage{});
    }
}

} // namespace vlnobrod
