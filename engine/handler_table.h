#pragma once
// The one table of tag handler classes.
#include <vector>

#include "engine/tag_handler.h"

// One prototype of every registered tag, in table order (`package` first,
// `RegistryVersion` last). `rootChildren` is what `dependencies` searches.
std::vector<HandlerPtr> MakeHandlerPrototypes(const ParamsPtr& params, const ProgressPtr& progress,
                                              const HandlerList& rootChildren);
