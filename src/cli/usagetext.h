#pragma once
// The words CLI11 prints around the options, and its refusals of a command line, in the
// chosen language (model/language.h).

#include <CLI/CLI.hpp>

#include <string>

// Labels the help of app and of the verbs added to it afterwards in the chosen language.
void wordUsage(CLI::App& app);

// The one-line reason of a refused command line, in the chosen language.
std::string parseErrorText(const CLI::ParseError& error);
