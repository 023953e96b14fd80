#include "engine/handler_table.h"

#include "engine/flow_tags.h"
#include "files/download_tag.h"
#include "files/file_tags.h"
#include "files/unpack_tags.h"
#include "system/list_entry_tag.h"
#include "system/process_tags.h"
#include "system/registry_tags.h"
#include "system/shortcut_tag.h"
#include "system/statistic_tags.h"

namespace {

struct HandlerContext {
    const ParamsPtr& params;
    const ProgressPtr& progress;
    const HandlerList& rootChildren;
};

using HandlerFactory = HandlerPtr (*)(const HandlerContext&);

template <class T>
HandlerPtr Make(const HandlerContext& context) {
    return std::make_shared<T>(context.params, context.progress);
}

HandlerPtr MakeDependencies(const HandlerContext& context) {
    return std::make_shared<CDependenciesHandler>(context.params, context.progress, context.rootChildren);
}

// Adding a tag is one line here, at its place in the order.
const HandlerFactory kHandlerTable[] = {
    &Make<CPackageHandler>,
    &Make<CPackageGroupHandler>,
    &Make<CStatisticHandler>,
    &Make<CKillprocessHandler>,
    &Make<CCopyfileHandler>,
    &Make<CExecHandler>,
    &Make<CRegistryHandler>,
    &MakeDependencies,
    &Make<CDependencyHandler>,
    &Make<CUnpackHandler>,
    &Make<CUnpackFileHandler>,
    &Make<CRegdllHandler>,
    &Make<CCheckexistHandler>,
    &Make<C0Handler>,
    &Make<C1Handler>,
    &Make<CCreatelinkHandler>,
    &Make<CCreatedirHandler>,
    &Make<CDeleteHandler>,
    &Make<CDeleteFileHandler>,
    &Make<CDownloadFileHandler>,
    &Make<CRuntimeParamStatisticHandler>,
    &Make<CRegistryVersionHandler>,
    &Make<CListEntryHandler>,
};

}  // namespace

std::vector<HandlerPtr> MakeHandlerPrototypes(const ParamsPtr& params, const ProgressPtr& progress,
                                              const HandlerList& rootChildren) {
    const HandlerContext context{params, progress, rootChildren};
    std::vector<HandlerPtr> prototypes;
    for (HandlerFactory make : kHandlerTable) {
        prototypes.push_back(make(context));
    }
    return prototypes;
}
