#pragma once

#include "host/skin.h"

#include <QString>
#include <QStringList>
#include <memory>

// The host's skins, chosen by name (the desktop host's --skin option and
// skin menu):
//  - "classic": gives no colour at all (every member answers -1), so the
//    editor and its dialogs keep their designed colours;
//  - "dark": gives all six colours: light text on dark grey backgrounds,
//    with the tool strips a shade darker than the pages.
namespace hostkit {

// The names createSkin knows, the default first.
QStringList skinNames();

// A new skin of that name (compared without regard to case); null for a
// name that is not one of skinNames().
std::unique_ptr<host::Skin> createSkin(const QString &name);

} // namespace hostkit
