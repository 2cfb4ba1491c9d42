#pragma once

#include <string>

namespace tonewright {

// The completion script for "bash" or "zsh", made from the option table.
std::string CompletionScript(const std::string& shell);

// The manual page tonewright-cli.1 (roff), made from the option table.
std::string ManPage();

}  // namespace tonewright
