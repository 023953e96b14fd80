#include "files/file_tags.h"

#include "files/copy_operations.h"
#include "files/delete_operations.h"
#include "files/download_retries.h"
#include "files/embedded_resource.h"
#include "files/folder_operations.h"
#include "files/source_location.h"
#include "system/registry_delete.h"

namespace {

constexpr int32_t kDefaultResourceId = 101;

}  // namespace

void CCopyfileHandler::Process() {
    const std::wstring dst = ToWide(AttributeSlot(L"dst"));
    const std::wstring src = ToWide(AttributeSlot(L"src"));
    AttributeSlot(L"attempt_val");  // the downloadfile tag's; listed, not used here
    const std::wstring resid = ToWide(AttributeSlot(L"resid"));
    if (src.empty() || dst.empty()) {
        return;
    }
    ProgressLevel& level = progress->action;
    switch (ClassifySource(src)) {
        case SourceKind::Resource:
            result = ExtractResourceWithProgress(level, dst, ParseResourceId(resid, kDefaultResourceId),
                                                 L"res://setup.zip");
            break;
        case SourceKind::Url:
            // The download tag's loop, without its attempt counters.
            result = DownloadWithRetries(src, dst, level, AttemptCounting{}, ToWide(GetAttribute(L"sha256")));
            break;
        case SourceKind::Bundle:
            result = ExtractResourceWithProgress(level, dst, ParseResourceId(resid, 0), L"res://bundle.bin");
            break;
        case SourceKind::Path:
            result = CopyWithProgress(level, src, dst);
            break;
    }
}

void CDeleteHandler::Process() {
    const std::wstring path = ToWide(AttributeSlot(L"path"));
    if (path.empty()) {
        return;
    }
    result = IsRegistryPath(path) ? DeleteRegistryPath(*this, path) : DeletePath(path, progress->action);
}

void CCreatedirHandler::Process() {
    const std::wstring dst = ToWide(AttributeSlot(L"dst"));
    if (dst.empty()) {
        return;
    }
    progress->action.Describe(ACTION_CREATE_DIR, {dst});
    result = CreateDirectoryPath(dst);
}
