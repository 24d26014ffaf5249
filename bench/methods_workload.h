// The methods library workload: a methods library XML in the Central
// Council's format, made in code (the real file may not be shipped), loaded
// and searched.
#pragma once

#include <cstdint>
#include <string>

namespace tolvern::bench {

// `methods` methods in method sets by stage and class, each with its title,
// name, notation, lead head and the references and performances the real
// file carries; the same seed gives the same bytes. About 400 bytes a method.
std::string MethodsLibraryXml(int methods, uint64_t seed);

// Writes the library of 25 000 methods to a temporary file, then times
// loading it (with the built-in set, as `tolvern methods --library` does)
// and searches on it, and prints the figures.
int MethodsWorkload(int runs);

// Loads a small library and checks what it holds; times nothing.
bool VerifyMethodsWorkload(std::string& failure);

}  // namespace tolvern::bench
