// Menus built from the program's lines, for the time they are open.
#pragma once

#include <windows.h>

#include <span>

#include "ports/menu.h"
#include "win32/handles.h"

namespace bw::win32 {

UniqueMenu CreatePopup(std::span<const MenuItem> items);

}  // namespace bw::win32
