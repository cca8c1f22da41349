// The warning of an apply whose values were good but could not be saved: it
// says which file and why, since "Des valeurs sont non conformes" would send
// the user looking for a mistake in the values.
#pragma once

#include <string>

#include "base/Error.h"

namespace talvorin {

// "accès refusé", "disque plein", ...
const char* frenchCause(ErrorCode code);

// "Impossible d'enregistrer les options dans <path> : <cause>."
std::string saveFailureText(const std::string& path, ErrorCode code);

}  // namespace talvorin
