#include "engine/params_handler.h"

#include <tinyxml2.h>

#include "common/text_conversion.h"
#include "engine/global_params.h"

CParamsHandler::CParamsHandler() : CTagHandler(nullptr, kTagName, nullptr) {
    attributes = GetGlobalParams().variables;
}

HandlerPtr CParamsHandler::Clone() const { return std::make_shared<CParamsHandler>(); }

int32_t CParamsHandler::Load(const tinyxml2::XMLElement& element) {
    result = 0;
    const char* value = element.GetText();
    if (value != nullptr) {
        CiString expanded = ToCi(Utf8ToWide(value));
        ExpandVariables(expanded, *this);
        attributes[ToCi(Utf8ToWide(element.Name()))] = std::move(expanded);
    }
    return result;
}

void ExpandVariables(CiString& text, const CParamsHandler& holder) {
    size_t cursor = 0;
    while (cursor < text.size()) {
        if (text[cursor] != L'%') {
            ++cursor;
            continue;
        }
        const size_t closing = text.find(L'%', cursor + 1);
        if (closing == CiString::npos) {
            return;
        }
        const CiString variable = text.substr(cursor + 1, closing - cursor - 1);
        auto found = holder.attributes.find(variable);
        if (found == holder.attributes.end()) {
            cursor = closing + 1;
            continue;
        }
        const CiString value = found->second;
        text.replace(cursor, closing - cursor + 1, value);
        cursor += value.size();
    }
}
