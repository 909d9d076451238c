#include "toolkit/UAnlagenTabs.h"

#include <QSignalBlocker>
#include <QTabBar>

void FuelleAnlagenTabs(QTabBar &tabs, int n, bool adressen33) {
    // Filling the bar is no change of plant: the window selects a tab afterwards.
    const QSignalBlocker sperre(&tabs);
    while (tabs.count() > 0)
        tabs.removeTab(tabs.count() - 1);
    const int start = adressen33 ? 33 : 1;
    for (int i = 0; i < n; ++i)
        tabs.addTab(QString::number(start + i));
}
