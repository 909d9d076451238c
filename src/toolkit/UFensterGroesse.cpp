#include "toolkit/UFensterGroesse.h"

#include <QLayout>
#include <QWidget>

void LayoutsErneuern(QWidget *fenster) {
    if (!fenster)
        return;
    // findChildren lists a widget before the widgets on it: backwards, the
    // innermost come first, and each one's new size reaches its parent's
    // layout before that is done.
    const QList<QWidget *> alle = fenster->findChildren<QWidget *>();
    for (auto it = alle.crbegin(); it != alle.crend(); ++it) {
        QWidget *w = *it;
        if (w->isWindow())
            continue;
        if (QLayout *l = w->layout()) {
            l->invalidate();
            l->activate();
        }
        w->updateGeometry();
    }
    if (QLayout *l = fenster->layout()) {
        l->invalidate();
        l->activate();
    }
}
