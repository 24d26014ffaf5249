// `tolvern methods`: methods looked up by name in the method libraries.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "method_sources.h"

namespace tolvern {

// Runs `tolvern methods ARGS` (the arguments after "methods"). `defaults`
// are the libraries a settings file names (and whether the built-in set is
// searched), searched after those given with --library: one that cannot be
// read is a warning, where a --library one is an error. Exit 0 found, 1 none
// found, 3 for a usage error or a --library that cannot be read.
int RunMethods(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const methods::MethodSources& defaults);

}  // namespace tolvern
