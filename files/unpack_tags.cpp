#include "files/unpack_tags.h"

#include "files/zip_extraction.h"

void CUnpackHandler::Process() {
    const std::wstring src = ToWide(AttributeSlot(L"src"));
    const std::wstring dst = ToWide(AttributeSlot(L"dst"));
    if (src.empty() || dst.empty()) {
        return;
    }
    result = ExtractArchive(*this, progress->action, src, dst);
    // An unpack is long work: it counts twice toward the overall progress.
    progress->processed.fetch_add(1);
}
