#pragma once

namespace vlnobrod {

class frmMain;

// The port screen's lists and figures for a screen reader: a market row tells its goods,
// price, how the price moved and how much of it is aboard; a cargo row its goods and units;
// the counters and the dock's and bank's figures their captions. Read as the row takes the
// focus, so they are always the day's.
void InstallTradeSpeech(frmMain& port);

} // namespace vlnobrod
