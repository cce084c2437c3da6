#pragma once

#include "state/GameState.h"
#include "state/GameView.h"
#include "state/Random.h"
#include "widgets/ClickLabel.h"

#include <QFrame>
#include <QObject>
#include <QSlider>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QKeyEvent;

namespace vlnobrod {

class Panel;
class frmMain;

// The trade panel of the port screen ("Obchod - " + the city) with its transaction box
// picTransakce: the market's rows, the cargo's rows and the load line; one kind of goods
// bought or sold at a time, the quantity chosen on the slider. A click on a market row opens
// the box for buying, a click on a cargo row for selling; "Prodat vše" sells what the market
// takes. The keyboard works the panel too (TradeBoxKeys.cpp).
//
// What the rows show is kept beside them (goods, price, units), and the box keeps the trade it
// offers; nothing is read back from a caption. Named controls: "tradeTitle", "market0".. and
// "marketPrice0".. (by goods row), "cargo0".. and "cargoUnits0.." (by cargo row, no gaps),
// "loadLine", the box "tradeBox" with "boxTitle", "unitPrice", "quantity" (the slider),
// "quantityLine", "buy" and "sell", and "sellAll".
class TradeBox : public QObject {
    Q_OBJECT
public:
    static constexpr int Rows = 14;

    explicit TradeBox(frmMain& port);

    // The market of `city` in the rows (the market the fleet is in goes into the logbook).
    void ShowMarket(std::uint8_t city);
    // The cargo rows and the load line, as the fleet stands.
    void ShowCargo();

    // Market row i (0..13, name or price): buy. Cargo row i (0..13): sell.
    void lblSurovina_Click(int row);
    void lblNáklad_Click(int row);
    // The slider moved: rewrite the quantity line.
    void sldMnožství_Change();

    void Koupit();
    void Prodat();
    void ProdatVše();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void build();
    void buildBox();
    // The market rows' words for a screen reader (TradeSpeech.h), the cargo aboard counted.
    void describeMarket();

    // The hover highlight and keyboard cursor: a market name, a market price or a cargo row.
    struct Cursor {
        enum Kind { None, MarketName, MarketPrice, Cargo } kind = None;
        int row = -1;
    };
    ClickLabel* cursorLabel(Cursor c) const;
    void moveCursor(Cursor c);
    std::vector<int> shownRows(bool cargo) const;

    // The keys of the trade panel and of the box.
    bool RowKey(const QKeyEvent& e);    // arrows: the highlighted market or cargo row
    void EnterOnRow();                  // Enter: the box on the highlighted row
    void EnterInBox();                  // Enter in the box: "Koupit" or "Prodat"
    bool SliderKey(const QKeyEvent& e); // the slider's keys, wherever the focus is
    // The box has opened: its slider takes the keys (the window, when it has nothing).
    void takeKeys();

    // A refused row: the reason in the quantity line, and nothing left to click.
    void refuse(const QString& reason, ClickLabel* action);
    // The box's trade, when the box is open and offers it.
    enum class Side { Buy, Sell };
    bool offered(Side side) const;
    using Deal = void (*)(GameState&, GameView&, RandomSource&, int, std::int32_t, std::int16_t);
    void settle(Side side, const Deal& deal);
    void openBox(Side side, const QString& goodsName);

    frmMain& port_;
    Panel* panel_ = nullptr;
    ClickLabel* title_ = nullptr;
    std::array<ClickLabel*, Rows> names_{};
    std::array<ClickLabel*, Rows> prices_{};
    std::array<QFrame*, Rows> bars_{};
    std::array<ClickLabel*, Rows> cargoNames_{};
    std::array<ClickLabel*, Rows> cargoUnits_{};
    QFrame* loadFrame_ = nullptr;
    QFrame* loadFill_ = nullptr;
    ClickLabel* loadLine_ = nullptr;
    ClickLabel* sellAll_ = nullptr;

    QFrame* picTransakce = nullptr;
    ClickLabel* boxTitle_ = nullptr;
    ClickLabel* lblPředmět = nullptr;
    ClickLabel* lblCenaZaKus = nullptr;
    QSlider* sldMnožství = nullptr;
    ClickLabel* quantityLine_ = nullptr;
    ClickLabel* buy_ = nullptr;
    ClickLabel* sell_ = nullptr;

    // What the rows show: the market by goods row, the cargo without gaps, the units on board.
    struct CargoShown {
        int goods;
        double units; // as the row writes them (a decimal comma cuts the fraction)
    };
    std::array<std::optional<std::int16_t>, Rows> shownPrice_{};
    std::vector<CargoShown> cargo_;
    std::int16_t loaded_ = 0;
    std::uint8_t marketCity_ = 0;
    Cursor cursor_;
    // The trade the box offers: its goods and the price it charges.
    int goods_ = 0;
    std::int16_t price_ = 0;
};

} // namespace vlnobrod
