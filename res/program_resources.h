// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's resources: its three dialog templates, its string table and its icons.

#include "platform/resources.h"

namespace res {

const platform::ResourceSet& ProgramResources();

}  // namespace res
