#pragma once

#include <QString>
#include <QStringList>

// Named looks of the program, as Qt style sheets over the Fusion style. Touch-sized controls.
QStringList skinAdlari();
// Applies the named skin to the whole application; an unknown name gives the default.
// Returns the name that was applied.
QString skinUygula(const QString& ad);
// Back to the plain platform look without any skin; aktifSkin() is then empty.
void skinKaldir();
QString aktifSkin();
// The style sheet of a skin, for looking at it without applying it (empty when unknown).
QString skinStili(const QString& ad);

// Registers the program's pictures (":/resim/..."). They live in a static library, where the
// linker would drop them unless something calls in; done at start-up, and safe to repeat.
void resimleriYukle();
