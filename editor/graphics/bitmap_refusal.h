#pragma once

#include <string>

#include "base/refused_error.h"

namespace mosalind {

// Every refusal of a sheet file reads "<file> is not a 16-colour tile bitmap: <reason>".
[[noreturn]] inline void RefuseBitmap(const std::string& name, const std::string& reason) {
    throw RefusedError(name + " is not a 16-colour tile bitmap: " + reason);
}

}  // namespace mosalind
