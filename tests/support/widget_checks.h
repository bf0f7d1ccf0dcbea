#pragma once
#include <QList>
#include <QString>

class QAction;
class QWidget;

// Every box, list, grid and button among `widgets` carries a name for screen readers (a
// grid's own parts are named with the grid, a button by its text), every label with a mnemonic is
// tied to a box, and no two of them, nor of `actions`, share a mnemonic.
void expectNamedWithUniqueMnemonics(const QList<QWidget*>& widgets, const QList<QAction*>& actions,
                                    const QString& where);
