// The plant tab bars: one tab per plant, captioned with the plant's displayed
// number. Tab index i (from 0) always belongs to plant number i + 1.
#pragma once

class QTabBar;

// Deletes every tab of tabs and adds n tabs captioned start .. start + n - 1,
// where start is 33 with the address-block option (adressen33), else 1.
void FuelleAnlagenTabs(QTabBar &tabs, int n, bool adressen33);
