#pragma once

namespace vlnobrod {

// The action labels lblAkce of the port screen, by the numbers of the game's layout, and what
// each one does. The screen dispatches them all through lblAkce_Click; the actions of the
// panels are registered from outside with SetAction.
namespace akce {
enum Index : int {
    BuyAccess = 0,            // "Koupit přístup do města" (city information)
    BuyResearchDay = 1,       // "Koupit Průzkum trhu (na den)"
    BuyResearchPermanent = 2, // "Koupit Průzkum trhu (permanentně)"
    Buy = 3,                  // "Koupit" in the transaction box
    Sell = 4,                 // "Prodat" in the transaction box
    BuyShip = 5,              // "Koupit loď" (dock)
    SellShip = 6,             // "Prodat loď"
    Repair = 7,               // "Opravit"
    Upgrade = 8,              // "Vylepšit"; 9 and 10 are two more that never show
    Deposit = 11,             // "Uložit na konto >>" (bank)
    Withdraw = 12,            // "<<Vyzvednout si"
    BackToMenu = 13,          // "< Zpět do menu"
    OpenSave = 14,            // "Uložit": opens the save panel
    Save = 15,                // "Uložit" in the save panel
    Goal = 16,                // "Úkol"
    Statistics = 17,          // "Statistika & Nejlepší hráči"
    SellAll = 18,             // "Prodat vše" (trade panel)
    CloseCityInfo = 19,       // "X" of the city information panel
    SailHere = 20,            // "> plout sem"
    ToggleResearch = 21,      // "průzkum trhu": shows or hides the research chart
};
} // namespace akce

// The numbered labels lbl of the port screen that more than one piece of it uses.
namespace popisek {
enum Index : int {
    InfoCity = 0,   // the city of the information panel; Tag: its index
    TradeTitle = 4, // "Obchod - " + the current city
    CitySize = 10,  // information panel: size, services and market description
    CityServices = 11,
    CityDescription = 12,
    BoxTitle = 16,     // transaction box: "Nákup" or "Prodej"
    QuantityLine = 17, // "q jednotek za total", or why not
    LoadLine = 18,     // "120 z 250"; Tag: the units on board
    Damage = 20,       // dock: damage, fleet, capacity, speed and the upgrade offer
    Fleet = 22,
    Capacity = 24,
    Speed = 26,
    UpgradeOffer = 29,
    BankAccount = 32, // bank: the account, the amount, the cash and their captions
    BankAmount = 33,
    BankCash = 34,
    AccountCaption = 36,
    CashCaption = 37,
    SaveTitle = 40, // save panel: "Uložit hru", "Uložit jako:"
    SaveAs = 41,
    AccountInterest = 42, // bank: the two interest captions
    CashInterest = 43,
};
} // namespace popisek

} // namespace vlnobrod
