#include "engine/flow_tags.h"

#include <windows.h>

#include "common/result_codes.h"

namespace {

// The install and package loops differ only in which errorscope values let
// the loop go on past a failed child.
int32_t RunPackageLoop(CTagHandler& container, bool packageScopeSkips) {
    bool rebootSeen = false;
    container.result = RESULT_SUCCESS;
    for (const HandlerPtr& child : container.children) {
        const int32_t r = CTagHandler::Execute(*child);
        container.result = r;
        if (r == RESULT_SUCCESS) {
            CheckAbort(container.progress->abortState);
            continue;
        }
        if (r == RESULT_REBOOT_PENDING) {
            container.result = RESULT_SUCCESS;
            rebootSeen = true;
            continue;
        }
        const CiString scope = child->GetAttribute(L"errorscope");
        if (scope == L"ignore" || (packageScopeSkips && scope == L"package")) {
            container.result = RESULT_SUCCESS;
            continue;
        }
        break;
    }
    if (rebootSeen) {
        container.result = RESULT_REBOOT_PENDING;
    }
    return container.result;
}

}  // namespace

void CInstallHandler::Process() { RunPackageLoop(*this, true); }

void CPackageHandler::Process() { RunPackageLoop(*this, false); }

CDependenciesHandler::CDependenciesHandler(ParamsPtr params, ProgressPtr progress, const HandlerList& packages)
    : CTagHandler(std::move(params), kTagName, std::move(progress)), packages_(packages) {}

HandlerPtr CDependenciesHandler::Clone() const {
    return std::make_shared<CDependenciesHandler>(params, progress, packages_);
}

void CDependenciesHandler::Process() {
    result = RESULT_SUCCESS;
    for (const HandlerPtr& dependency : children) {
        const HandlerPtr* package = nullptr;
        for (const HandlerPtr& candidate : packages_) {
            if (candidate->GetAttribute(L"name") == dependency->text) {
                package = &candidate;
                break;
            }
        }
        if (package == nullptr) {
            result = RESULT_GENERAL_ERROR;
            return;
        }
        result = (*package)->result;
        if (result != RESULT_SUCCESS) {
            return;
        }
    }
}

void CCheckexistHandler::Process() {
    const CiString path = AttributeSlot(L"path");
    if (path.empty()) {
        return;
    }
    const wchar_t* branch = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES ? L"1" : L"0";
    for (const HandlerPtr& child : children) {
        if (child->name == branch) {
            result = Execute(*child);
            return;
        }
    }
}
