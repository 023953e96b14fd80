#include "engine/tag_handler.h"

#include <tinyxml2.h>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "engine/params_handler.h"

CTagHandler::CTagHandler(ParamsPtr params_, CiString name_, ProgressPtr progress_)
    : name(std::move(name_)), params(std::move(params_)), progress(std::move(progress_)) {}

CTagHandler::~CTagHandler() = default;

int32_t CTagHandler::Load(const tinyxml2::XMLElement& element) {
    result = 0;
    for (const tinyxml2::XMLAttribute* a = element.FirstAttribute(); a != nullptr; a = a->Next()) {
        // A later attribute differing only in case overwrites the value but
        // the name keeps the case it was first stored with.
        attributes[ToCi(Utf8ToWide(a->Name()))] = ToCi(Utf8ToWide(a->Value()));
    }
    const tinyxml2::XMLNode* first = element.FirstChild();
    if (first != nullptr && first->ToText() != nullptr) {
        text = ToCi(Utf8ToWide(first->Value()));
    }
    return result;
}

CiString CTagHandler::GetAttribute(std::wstring_view attributeName) const {
    auto found = attributes.find(ToCi(attributeName));
    return found != attributes.end() ? found->second : CiString();
}

CiString& CTagHandler::AttributeSlot(std::wstring_view attributeName) {
    const CiString key = ToCi(attributeName);
    auto found = attributes.find(key);
    if (found != attributes.end()) {
        return found->second;
    }
    // Inserting changes the map the screen may be printing right now.
    if (progress) {
        std::lock_guard<std::recursive_mutex> guard(progress->mainLock);
        return attributes[key];
    }
    return attributes[key];
}

std::wstring CTagHandler::ToXmlText() const {
    std::wstring out = L"<";
    out += AsView(name);
    for (const auto& [key, value] : attributes) {
        out += L' ';
        out += AsView(key);
        out += L"=\"";
        out += AsView(value);
        out += L'"';
    }
    out += L'>';
    out += AsView(text);
    out += L"</";
    out += AsView(name);
    out += L'>';
    return out;
}

int32_t CTagHandler::Execute(CTagHandler& handler) {
    CMainProgress& shared = *handler.progress;
    {
        // The screen reads the current handler's text under the main lock
        // (GetCurrentHandlerText); expanding under the same lock means it
        // never sees a value half rewritten.
        std::lock_guard<std::recursive_mutex> guard(shared.mainLock);
        shared.current = &handler;
        CheckAbort(shared.abortState);
        shared.action.Reset();
        handler.result = 0;
        for (auto& entry : handler.attributes) {
            ExpandVariables(entry.second, *handler.params);
        }
        ExpandVariables(handler.text, *handler.params);
    }
    handler.Process();
    shared.processed.fetch_add(1);
    shared.action.SetState(0);
    return handler.result;
}

int32_t CTagHandler::ExecuteChildren() {
    result = 0;
    bool rebootSeen = false;
    for (const HandlerPtr& child : children) {
        const int32_t r = Execute(*child);
        result = r;
        if (r == RESULT_SUCCESS) {
            continue;
        }
        if (r == RESULT_REBOOT_PENDING) {
            result = RESULT_SUCCESS;
            rebootSeen = true;
            continue;
        }
        if (child->GetAttribute(L"errorscope") == L"ignore") {
            result = RESULT_SUCCESS;
            continue;
        }
        break;
    }
    if (rebootSeen) {
        result = RESULT_REBOOT_PENDING;
    }
    return result;
}
