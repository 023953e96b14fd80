#include "system/statistic_tags.h"

#include "common/result_codes.h"
#include "system/statistics.h"

namespace {

// `hostSearchFrom`: where the search for the "/" that ends the shown host
// begins; without one the whole address is shown.
void SendTagReport(CTagHandler& handler, size_t hostSearchFrom, bool withSummary) {
    if (handler.AttributeSlot(L"type") != L"url") {
        handler.result = RESULT_ATTRIBUTE_NOT_SUPPORTED;
        return;
    }
    std::wstring url = ToWide(handler.text);
    if (url.empty()) {
        return;
    }
    ProgressLevel& level = handler.progress->action;
    {
        std::lock_guard<std::recursive_mutex> guard(level.Lock());
        level.Describe(ACTION_CONNECT, {std::wstring_view(url).substr(0, url.find(L'/', hostSearchFrom))});
        level.SetState(1);
    }
    if (withSummary) {
        url += L"&extradata=" + CurrentRunSummary();
    }
    handler.result = SendPing(url);
}

}  // namespace

void CStatisticHandler::Process() { SendTagReport(*this, 15, false); }

void CRuntimeParamStatisticHandler::Process() { SendTagReport(*this, 7, true); }
