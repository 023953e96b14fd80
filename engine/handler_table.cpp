#include "engine/handler_table.h"

#include "engine/flow_tags.h"
#include "files/download_tag.h"
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
    &MakeDependencies,
    &Make<CDependencyHandler>,
    &Make<CCheckexistHandler>,
    &Make<C0Handler>,
    &Make<C1Handler>,
    &Make<CDownloadFileHandler>,
    &Make<CRuntimeParamStatisticHandler>,
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
