#include "files/download_tag.h"

#include "files/download_retries.h"
#include "files/source_location.h"

void CDownloadFileHandler::Process() {
    const std::wstring dst = ToWide(AttributeSlot(L"dst"));
    const std::wstring src = ToWide(AttributeSlot(L"src"));
    const std::wstring selector = ToWide(AttributeSlot(L"attempt_val"));
    // Optional, so read without adding it: the tag's text stays as written.
    const std::wstring sha256 = ToWide(GetAttribute(L"sha256"));
    if (src.empty() || dst.empty() || !IsUrlSource(src)) {
        return;
    }
    result = DownloadWithRetries(src, dst, progress->action, AttemptCounting{true, selector}, sha256);
}
