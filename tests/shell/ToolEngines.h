// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/bigs/ORBigDataCollection.h"
#include "core/dups/ORDupDataCollection.h"

// Runs the large-file or duplicate engine over its default folders, as the
// scan pages would, and answers whether it found anything.
namespace ToolEngines {

template <class Engine>
bool scan()
{
    Engine &engine = Engine::shareInstance();
    engine.startOver();
    engine.setFolders(Engine::defaultFolders());
    engine.setExcludeFolders(Engine::defaultExcludeFolders());
    engine.setExcludeFiles(Engine::defaultExcludeFiles());
    if constexpr (requires { engine.bigData(); })
        return !engine.bigData()->bigGroups.isEmpty();
    else
        return !engine.dupData()->dupGroups.isEmpty();
}

inline void startOverBoth()
{
    ORBigDataCollection::shareInstance().startOver();
    ORDupDataCollection::shareInstance().startOver();
}

}  // namespace ToolEngines
