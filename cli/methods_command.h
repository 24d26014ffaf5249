// `tolvern methods`: methods looked up by name in the method libraries.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "method_sources.h"

namespace tolvern {

// Runs `tolvern methods ARGS` (the arguments after "methods"). `defaults`
// are the libraries a settings file names, searched before the built-in set
// and after those given with --library. Exit 0 found, 1 none found, 3 for a
// usage error or a library that cannot be read.
int RunMethods(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const methods::MethodSources& defaults);

}  // namespace tolvern
