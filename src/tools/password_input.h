// How `corvela user` reads a password: asked twice on the terminal with the
// echo off, or read as the first line of standard input.
#pragma once

#include <optional>
#include <string>

namespace corvela::tools {

// The first line of standard input without its line end; nullopt when the
// input is empty.
std::optional<std::string> readPasswordLine();

// Asks for the password and again to confirm, on the terminal of standard
// input, without echo. nullopt (after telling why on stderr) when standard
// input is no terminal or the two entries differ.
std::optional<std::string> askPasswordTwice();

}  // namespace corvela::tools
