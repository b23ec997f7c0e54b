// Everything of the system the program uses, handed to it at start-up.
#pragma once

#include "ports/power.h"
#include "ports/registry.h"
#include "ports/shell.h"
#include "ports/system.h"
#include "ports/ui.h"

namespace bw {

struct Platform {
  SystemPort& system;
  RegistryPort& registry;
  ShellPort& shell;
  UiPort& ui;
  PowerPort& power;
};

}  // namespace bw
