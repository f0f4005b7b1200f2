#pragma once

// The program's resources: its three dialog templates, its string table and its icons.

#include "platform/resources.h"

namespace res {

const platform::ResourceSet& ProgramResources();

}  // namespace res
